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
inline constexpr QLatin1String AxisRangeNumber{"msgAxisRangeNumber"};
inline constexpr QLatin1String AxisRangeEqual{"msgAxisRangeEqual"};
inline constexpr QLatin1String AxisRangeNotPositive{"msgAxisRangeNotPositive"};
inline constexpr QLatin1String AxisRangePolar{"msgAxisRangePolar"};
inline constexpr QLatin1String AxisEndsNotFound{"msgAxisEndsNotFound"};
inline constexpr QLatin1String DeleteCurvePoints{"msgMessaga12"};
inline constexpr QLatin1String KeepCleanedPicture{"msgMessaga13"};
inline constexpr QLatin1String NoClipboardPicture{"msgMessaga14"};
inline constexpr QLatin1String PastedFromClipboard{"msgMessaga15"};
inline constexpr QLatin1String SaveGraphWithPicture{"msgMessaga16"};
inline constexpr QLatin1String GraphName{"msgMessaga17"};
inline constexpr QLatin1String SaveGraphData{"msgMessaga18"};
inline constexpr QLatin1String GraphSaved{"msgMessaga19"};
inline constexpr QLatin1String CloseWindow{"msgMessaga20"};
inline constexpr QLatin1String NoBrightLine{"msgMessaga23"};
inline constexpr QLatin1String LineAtEdge{"msgMessaga24"};
inline constexpr QLatin1String KeepRotatedPicture{"msgMessaga25"};
inline constexpr QLatin1String LevelXAxis{"msgMessaga26"};
inline constexpr QLatin1String TracePointCount{"msgTracePoints"};
inline constexpr QLatin1String TraceNeighbourCount{"msgTraceNeighbours"};
// The photometric modes: a field without a number (followed by the field's name), the fields'
// names, and a second curve pair whose axial intensity is 0.
inline constexpr QLatin1String FieldNotNumber{"msgFieldNotNumber"};
inline constexpr QLatin1String FieldIntenMax{"msgFieldIntenMax"};
inline constexpr QLatin1String FieldInt0{"msgFieldInt0"};
inline constexpr QLatin1String FieldAlfa180{"msgFieldAlfa180"};
inline constexpr QLatin1String FieldUpper{"msgFieldUpper"};
inline constexpr QLatin1String FieldLower{"msgFieldLower"};
inline constexpr QLatin1String FieldRight{"msgFieldRight"};
inline constexpr QLatin1String FieldLeft{"msgFieldLeft"};
inline constexpr QLatin1String FieldMinX1{"msgFieldMinX1"};
inline constexpr QLatin1String FieldMaxX1{"msgFieldMaxX1"};
inline constexpr QLatin1String FieldMinY{"msgFieldMinY"};
inline constexpr QLatin1String FieldMaxY{"msgFieldMaxY"};
inline constexpr QLatin1String ShiftAxialZero{"msgShiftAxialZero"};

// Undo and redo: the menu texts (%1 is the step's name), the question before unsaved work is
// lost, and the names of the steps.
inline constexpr QLatin1String Undo{"msgUndo"};
inline constexpr QLatin1String Redo{"msgRedo"};
inline constexpr QLatin1String OlderStepsDropped{"msgUndoDropped"};
inline constexpr QLatin1String SaveChanges{"msgSaveChanges"};
inline constexpr QLatin1String StepAddPoint{"msgStepAddPoint"};
inline constexpr QLatin1String StepAddPoints{"msgStepAddPoints"};
inline constexpr QLatin1String StepDeletePoint{"msgStepDeletePoint"};
inline constexpr QLatin1String StepDeletePoints{"msgStepDeletePoints"};
inline constexpr QLatin1String StepMovePoint{"msgStepMovePoint"};
inline constexpr QLatin1String StepClearCurve{"msgStepClearCurve"};
inline constexpr QLatin1String StepDeleteAll{"msgStepDeleteAll"};
inline constexpr QLatin1String StepChangePoints{"msgStepChangePoints"};
inline constexpr QLatin1String StepReferencePoints{"msgStepReferencePoints"};
inline constexpr QLatin1String StepAxisValues{"msgStepAxisValues"};
inline constexpr QLatin1String StepSetup{"msgStepSetup"};
inline constexpr QLatin1String StepLightDistribution{"msgStepLightDistribution"};
inline constexpr QLatin1String StepBrightLine{"msgStepBrightLine"};
inline constexpr QLatin1String StepPicture{"msgStepPicture"};
inline constexpr QLatin1String StepRotation{"msgStepRotation"};
inline constexpr QLatin1String StepSpecks{"msgStepSpecks"};
inline constexpr QLatin1String StepBlackAndWhite{"msgStepBlackAndWhite"};
inline constexpr QLatin1String StepStraightening{"msgStepStraightening"};
inline constexpr QLatin1String StepPaste{"msgStepPaste"};
inline constexpr QLatin1String StepColourTrace{"msgStepColourTrace"};
inline constexpr QLatin1String StepAutoDigitize{"msgStepAutoDigitize"};
inline constexpr QLatin1String StepZoneSearch{"msgStepZoneSearch"};
inline constexpr QLatin1String StepRectify{"msgStepRectify"};

// The rectify tool: the corners still to click (%1), corners that form no convex
// quadrilateral, and the question after squaring.
inline constexpr QLatin1String RectifyCornersLeft{"msgRectifyCornersLeft"};
inline constexpr QLatin1String RectifyNotConvex{"msgRectifyNotConvex"};
inline constexpr QLatin1String KeepRectifiedPicture{"msgKeepRectified"};

} // namespace lineora::MsgKey
