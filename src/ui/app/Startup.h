#pragma once

#include <QString>
#include <QStringList>

namespace lineora {

struct State;
struct Windows;
class Host;

struct StartupOptions {
    // The splash stays its three seconds; tests start without waiting.
    bool splashWait = true;
};

inline constexpr const char* kVersionText = "v 2.10";

// "Mmm dd yyyy" as the compiler writes __DATE__ becomes "dd/MM/yyyy " (with the trailing
// blank the About and splash windows show). An unreadable date comes back unchanged.
QString BuildDateText(const char* compilerDate);

// Everything between creating the application object and running its event loop: version
// texts, splash, the windows in their order, the file named on the command line, the decimal
// separator, the main window's defaults, an empty piece of work and the first redraw.
// The file is decoded on a worker thread from the moment the splash shows and joins the work
// last, on this thread, as before. `arguments` are the command-line arguments with the
// program name first.
void StartProgram(State& state, Host& host, Windows& windows, const QStringList& arguments,
                  const StartupOptions& options);

} // namespace lineora
