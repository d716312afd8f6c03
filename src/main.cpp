#include "cli/CommandLine.h"
#include "core/commands/State.h"
#include "ui/app/QtHost.h"
#include "ui/app/Startup.h"
#include "ui/app/Windows.h"

#include <QApplication>

#include <memory>
#include <optional>

int main(int argc, char* argv[]) {
    // --export and --help answer before any window system is touched.
    if (const std::optional<int> status = lineora::RunCommandLine(argc, argv)) {
        return *status;
    }
    QApplication app(argc, argv);
    // The program ends with its main window, whatever tool windows are still open.
    QApplication::setQuitOnLastWindowClosed(false);

    lineora::QtHost host;
    // The records are large (the point tables alone are some 300 KB): on the heap, one for the
    // whole run.
    auto state = std::make_unique<lineora::State>();
    lineora::Windows windows;
    lineora::StartProgram(*state, host, windows, QCoreApplication::arguments(),
                          lineora::StartupOptions{true});

    lineora::TFormLineora& mainWindow = *windows.FormLineora;
    host.SetWindow(&mainWindow, mainWindow.ProgressBar1);
    QObject::connect(&mainWindow, &lineora::TFormLineora::Closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    mainWindow.show();
    return QApplication::exec();
}
