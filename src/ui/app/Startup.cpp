#include "ui/app/Startup.h"

#include "core/commands/Commands.h"
#include "core/commands/Configuration.h"
#include "core/commands/State.h"
#include "core/commands/UndoCommands.h"
#include "core/commands/WorkFileCommands.h"
#include "core/common/ErrorBoundary.h"
#include "core/common/NumberText.h"
#include "ui/app/Splash.h"
#include "ui/app/Translation.h"
#include "ui/app/Windows.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <array>
#include <future>
#include <optional>

namespace lineora {

QString BuildDateText(const char* compilerDate) {
    static constexpr std::array<const char*, 12> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QString text = QString::fromLatin1(compilerDate);
    const QStringList parts = text.simplified().split(QLatin1Char(' '));
    if (parts.size() != 3) {
        return text;
    }
    int month = 0;
    for (std::size_t i = 0; i < kMonths.size(); ++i) {
        if (parts[0] == QLatin1String(kMonths[i])) {
            month = static_cast<int>(i) + 1;
        }
    }
    bool dayOk = false;
    bool yearOk = false;
    const int day = parts[1].toInt(&dayOk);
    const int year = parts[2].toInt(&yearOk);
    if (month == 0 || !dayOk || !yearOk) {
        return text;
    }
    return QStringLiteral("%1/%2/%3 ")
        .arg(day, 2, 10, QLatin1Char('0'))
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(year, 4, 10, QLatin1Char('0'));
}

namespace {

// The file named on the command line, decoded on a worker thread while the splash shows.
// Nothing of the state is touched there: the result is applied on this thread at the end of
// the start, and a failure (carried by the future) is reported there as before.
std::optional<std::future<WorkFileRead>> StartReadingCommandLineFile(const QStringList& arguments) {
    if (arguments.size() < 2 || arguments[1].isEmpty()) {
        return std::nullopt;
    }
    return std::async(std::launch::async, ReadCommandLineFile,
                      QCoreApplication::applicationDirPath(), arguments[1]);
}

void OpenCommandLineFile(State& state, Host& host, TFormLineora& views,
                         std::optional<std::future<WorkFileRead>>& reading) {
    if (!reading) {
        return;
    }
    Guarded(host, [&] { ApplyWorkFileRead(state, views, reading->get()); });
}

} // namespace

void StartProgram(State& state, Host& host, Windows& windows, const QStringList& arguments,
                  const StartupOptions& options) {
    state.Main.VersionText = QString::fromLatin1(kVersionText);
    state.Main.BuildDateText = BuildDateText(__DATE__);

    SplashWindow splash(state.Main.VersionText, state.Main.BuildDateText, options.splashWait);
    splash.show();
    splash.repaint();
    std::optional<std::future<WorkFileRead>> reading = StartReadingCommandLineFile(arguments);

    QGuiApplication::setApplicationDisplayName(QStringLiteral("\"Lineora 3\""));

    CreateWindows(windows, state, host);
    TFormLineora& main = *windows.FormLineora;
    windows.FormAbout->ShowVersion(state.Main.VersionText, state.Main.BuildDateText);

    splash.repaint();
    splash.WaitAndClose();

    state.Main.AppDir = QCoreApplication::applicationDirPath();
    ReadSystemDecimalChar(host);
    windows.FormAbout->ShowDecimalPointer(DecimalChar());

    LoadConfig(state, main, host, state.Main.AppDir);

    // Main-window initialisation.
    state.Setup.PolarCircleCount = 1;
    state.Main.CurrentCursor = CursorOfKind(state.Main.CursorKind);
    state.ZoneList.ZoneCount = 1;
    state.Main.SpecialMode = 0;
    main.InitialiseControls();

    // The axis values were computed by LoadConfig, field by field: a field the auto-save left
    // empty or "-" was reported there and must not stop the rest of the start.
    Guarded(host, [&] {
        ResetWorkState(state, main);
        // The language file lies beside the program, like the configuration and Data folder.
        ApplyLanguage(state, state.Main.AppDir, TranslationOrder(windows));
        NewPictureDefaults(state, main);
        RedrawPicture(state, main);
    });
    // The settings and reference points read at start are where the work begins.
    StartNewWork(state);
    main.ControlsChanged();
    // Opened last, so that nothing of the start-up empties or recalibrates the work it holds.
    OpenCommandLineFile(state, host, main, reading);
}

} // namespace lineora
