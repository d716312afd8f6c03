#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace lineora {

class ConsoleHost;

// The picture tools and the tracing for scripts that prepare many scans; no window opens.
// Each takes the arguments after its own option and returns the exit status (0 done, 1 a
// file that cannot be read or written or a result that cannot be had, 2 wrong arguments).
// A failed run writes nothing. `appDir` holds the configuration the defaults come from; every
// message goes to `console`.
int RunCleanSpecksCommand(const QStringList& arguments, const QString& appDir,
                          ConsoleHost& console);
int RunRotateCommand(const QStringList& arguments, const QString& appDir, ConsoleHost& console);
int RunRectifyCommand(const QStringList& arguments, const QString& appDir, ConsoleHost& console);
int RunAutoCommand(const QStringList& arguments, const QString& appDir, ConsoleHost& console);
int RunTraceColorCommand(const QStringList& arguments, const QString& appDir, ConsoleHost& console);

// Runs `work`; a file or calculation error (or running out of memory) is reported and gives
// status 1, else 0.
int Reported(ConsoleHost& console, const std::function<void()>& work);

} // namespace lineora
