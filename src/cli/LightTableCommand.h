#pragma once

#include <QString>
#include <QStringList>

namespace lineora {

class ConsoleHost;

// The light-distribution table of a saved work, for scripts that fill the ILLUM database:
//   lineora --light-table polar|cartesian [options] WORK.gra -o TABLE.txt
// Curves 1-4 are the halves as picked; the polar chart takes its special points from the
// options, the cartesian one its axial points from curve 5. Every option left out has the
// value the mode starts with; the polar maximum comes from the configuration in `appDir`.
// The table is written atomically with CR LF after each line. Returns the exit status (0 done,
// 1 a file that cannot be read or written or a table that cannot be had, 2 wrong arguments);
// a failed run writes nothing.
int RunLightTableCommand(const QStringList& arguments, const QString& appDir, ConsoleHost& console);

} // namespace lineora
