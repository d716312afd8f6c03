#pragma once

#include <QLatin1String>

namespace lineora::MsgKey {

// The keys of the messages as the "Misc" section of the language files names them; the text
// of each key must stay as the files spell it.
inline constexpr QLatin1String NoToolChosen{"msgMessaga1"};
inline constexpr QLatin1String SearchZone{"msgMessaga2"};
inline constexpr QLatin1String CurveNumber{"msgMessaga3"};
inline constexpr QLatin1String CurveFull{"msgMessaga7"};
inline constexpr QLatin1String DataCopied{"msgMessaga8"};
inline constexpr QLatin1String AutoDigitizeInto{"msgMessaga10"};
inline constexpr QLatin1String PointsReplaced{"msgMessaga11"};
inline constexpr QLatin1String DeleteCurvePoints{"msgMessaga12"};
inline constexpr QLatin1String KeepCleanedPicture{"msgMessaga13"};
inline constexpr QLatin1String NoClipboardPicture{"msgMessaga14"};
inline constexpr QLatin1String PastedFromClipboard{"msgMessaga15"};
inline constexpr QLatin1String SaveGraphWithPicture{"msgMessaga16"};
inline constexpr QLatin1String GraphName{"msgMessaga17"};
inline constexpr QLatin1String SaveGraphData{"msgMessaga18"};
inline constexpr QLatin1String GraphSaved{"msgMessaga19"};
inline constexpr QLatin1String CloseProgram{"msgMessaga20"};
inline constexpr QLatin1String NoBrightLine{"msgMessaga23"};
inline constexpr QLatin1String LineAtEdge{"msgMessaga24"};
inline constexpr QLatin1String KeepRotatedPicture{"msgMessaga25"};
inline constexpr QLatin1String LevelXAxis{"msgMessaga26"};
inline constexpr QLatin1String TracePointCount{"msgTracePoints"};
inline constexpr QLatin1String TraceNeighbourCount{"msgTraceNeighbours"};

} // namespace lineora::MsgKey
