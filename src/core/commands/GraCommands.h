#pragma once

#include "core/commands/State.h"
#include "core/commands/Views.h"
#include "core/common/Host.h"
#include "core/curves/GraFile.h"

#include <QString>

namespace lineora {

// Saved work lives beside the program: graph data files in Data/, their pictures in
// Data/Grafiks/.
QString GraDataFolder(const QString& appDir);
QString GraPictureFolder(const QString& appDir);

// Asks for the picture's name and then the data file's name (a cancelled or empty box keeps
// the proposal: "curve" for a pasted picture, else the picture's name; then the name the work
// was last saved or opened under, else the picture's). Writes the clean copy as a 24-bit BMP
// into Data/Grafiks/ and the graph data file into Data/, both atomically, creating the folders
// when missing, and says where the work went. The marks and axes on screen stay. Both targets
// are checked before anything is written, and a failed graph data file takes the picture back:
// a failed save leaves every file as it was.
void SaveGraWithPicture(State& state, Host& host, Views& views);

// For scripts: the work saved as `graPath`, its clean picture beside it as a 24-bit BMP of the
// same base name, both atomically and without a question. A picture that already is that very
// file is left as it stands. Nothing is written when the curves do not fit the file, and a
// failed save leaves every file as it was, as for SaveGraWithPicture.
void SaveGraBeside(State& state, const QString& graPath);

// Chooses a graph data file in Data/ and opens it. A cancelled dialog changes nothing.
void OpenGraFile(State& state, Host& host, Views& views);

// Opens a graph data file with its picture. Both are read and checked whole first: a damaged
// file, axis texts that are no numbers, a calibration that gives no values or a picture that
// cannot be read throw FileError naming the file, and the current work stays as it was. Then
// the tools are reset and the file's curves, axis texts, reference points and scale kinds
// replace the current ones; the chart kind, X direction and polar maximum stay.
void OpenGraPath(State& state, Views& views, const QString& path);

// OpenGraPath in two steps, so the slow part can run away from the windows. The read touches
// no state: the file read and checked whole, its picture found (see FindGraPicture) and
// decoded; a failure throws FileError naming the file. The apply checks what depends on the
// work it joins (axis texts, calibration) and only then replaces the work.
struct GraFileRead {
    QString GraPath; // absolute
    GraData Data;
    QString PicturePath;
    QImage Picture;
};
GraFileRead ReadGraFileWithPicture(const QString& appDir, const QString& path);
void ApplyGraFile(State& state, Views& views, GraFileRead read);

// The file named on the command line: a name whose last three characters read "GRA" in any
// case opens as graph data, anything else as a picture.
void OpenFileByExtension(State& state, Views& views, const QString& path);

// Where the picture a graph data file names is found: in Data/Grafiks/ beside the program,
// as the program saves it, else in a Grafiks folder beside the file, else beside the file
// itself (so a file and its picture can be carried together). Throws FileError naming the
// file and the picture when it is in none of them.
QString FindGraPicture(const QString& appDir, const QString& graPath, const QString& pictureName);

// The export text that the text output window holds after opening the file, computed without
// its picture: the file's calibration and scale kinds on a cartesian chart with X to the
// right, points in the order the file stores them (none is sorted). Throws FileError naming
// the file for axis texts that are no numbers and CalcError for a calibration that gives no
// values.
QString GraExportText(const GraData& data, const QString& fileName, NumberFormat format,
                      SeparatorChoice separator);
// The same points and values as CSV (BuildCsvText).
QString GraCsvText(const GraData& data, const QString& fileName);

} // namespace lineora
