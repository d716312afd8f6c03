#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace lineora {

class ConsoleHost;

// The commands that run without a window, for scripts that process saved work:
//   lineora --export [--format standard|scientific] [--separator comma|point|system] FILE.gra
//   lineora --help
// the picture forms of BatchCommands.h, the light-distribution table of LightTableCommand.h
// and the bright-line trace of BrightLineCommand.h.
// Called first by main, before any GUI application object exists, so they need no display.
// Returns the exit status when the arguments ask for one of them (0 done, 1 a file that cannot
// be read or gives no values, 2 wrong arguments), nothing when the program starts its windows:
// with no argument or a first argument that does not start with "-" (a picture or graph data
// file). Any other first argument starting with "-" is a usage error. Prints on the standard
// streams.
std::optional<int> RunCommandLine(int argc, char* argv[]);

// The windowless form the arguments (after the program's name, the first starting with "-")
// ask for, run with the configuration in `appDir` and its output on `console`; gives the exit
// status. Sets the decimal separator from the console's system for the forms that read or
// write numbers.
int RunCommandLineForm(const QStringList& arguments, const QString& appDir, ConsoleHost& console);

} // namespace lineora
