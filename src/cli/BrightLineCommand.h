#pragma once

#include <QString>
#include <QStringList>

namespace lineora {

class ConsoleHost;

// A bright line on a dark picture traced for scripts, as a click in the bright-line mode
// traces it:
//   lineora --bright-line X,Y [X,Y ...] [--bridge] [--smooth] PICTURE
// Each X,Y is a click on line 1, in order, so that pieces of a broken line can be joined.
// Prints "column TAB centre" for every traced column (CR LF, "." whatever the system), after
// bridging the gaps and then smoothing when asked. Returns the exit status: 0 done, 1 a
// picture that cannot be read or a click that starts no line (the mode's message, in the
// language the configuration in `appDir` chooses, nothing on the output), 2 wrong arguments.
int RunBrightLineCommand(const QStringList& arguments, const QString& appDir, ConsoleHost& console);

} // namespace lineora
