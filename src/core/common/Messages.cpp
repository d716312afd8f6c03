#include "core/common/Messages.h"

#include "core/common/IniFile.h"
#include "core/common/MessageKeys.h"

#include <utility>

namespace lineora {

namespace {

// English texts for a run without any language file.
const std::pair<QLatin1String, const char*> kBuiltInMessages[] = {
    {MsgKey::NoToolChosen, "No tool is chosen. Choose one on the toolbar first."},
    {MsgKey::SearchZone, "Search the marked zone for points?*|*Yes: empty the curve first; "
                         "No: add to its points; Cancel: remove the zone."},
    {MsgKey::CurveNumber, " Curve #"},
    {MsgKey::CurveFull, "This curve already holds 999 points; no more can be added."},
    {MsgKey::DataCopied, "The data have been copied to the clipboard."},
    {MsgKey::AutoDigitizeInto, "Digitize the chart automatically into curve #"},
    {MsgKey::PointsReplaced, "The curve's points will be replaced."},
    {MsgKey::AxisRangeNumber, "An axis range field holds no number"},
    {MsgKey::AxisRangeEqual, "An axis range needs two different values"},
    {MsgKey::AxisRangeNotPositive, "A logarithmic axis takes values above zero only"},
    {MsgKey::AxisRangePolar, "Axis ranges calibrate cartesian charts only"},
    {MsgKey::AxisEndsNotFound, "The ends of the axis lines were not found; nothing was changed"},
    {MsgKey::DeleteCurvePoints, "Delete all points of curve #"},
    {MsgKey::KeepCleanedPicture, "Keep the cleaned picture?"},
    {MsgKey::NoClipboardPicture, "The clipboard holds no picture."},
    {MsgKey::PastedFromClipboard, "Picture pasted from the clipboard"},
    {MsgKey::SaveGraphWithPicture, "Save graph with picture"},
    {MsgKey::GraphName, "Name of the graph:"},
    {MsgKey::SaveGraphData, "Save graph data"},
    {MsgKey::GraphSaved, "The graph and its picture have been saved:"},
    {MsgKey::CloseWindow, "Close this window and finish its work?"},
    {MsgKey::NoBrightLine, "The clicked pixel does not start a bright line."},
    {MsgKey::LineAtEdge, "The line runs into the edge of the picture."},
    {MsgKey::KeepRotatedPicture, "Keep the rotated picture?"},
    {MsgKey::LevelXAxis, "Rotate the picture so that the X axis is horizontal?"},
    {MsgKey::TracePointCount,
     "The number of points to find must be a whole number from 1 to 1000."},
    {MsgKey::TraceNeighbourCount,
     "The number of neighbours in the second colour must be a whole number from 0 to 8."},
    {MsgKey::FieldNotNumber, "This field must hold a number:"},
    {MsgKey::FieldIntenMax, "intensity at the outer circle"},
    {MsgKey::FieldInt0, "axial intensity Io"},
    {MsgKey::FieldAlfa180, "intensity at 180 degrees"},
    {MsgKey::FieldUpper, "upper limiting angle"},
    {MsgKey::FieldLower, "lower limiting angle"},
    {MsgKey::FieldRight, "right limiting angle"},
    {MsgKey::FieldLeft, "left limiting angle"},
    {MsgKey::FieldMinX1, "smallest angle"},
    {MsgKey::FieldMaxX1, "largest angle"},
    {MsgKey::FieldMinY, "smallest intensity"},
    {MsgKey::FieldMaxY, "largest intensity"},
    {MsgKey::ShiftAxialZero, "The axial intensity of the second curve pair is 0: its curves cannot "
                             "be scaled onto the first pair. Pick its axial point again."},
    {MsgKey::Undo, "Undo %1"},
    {MsgKey::Redo, "Redo %1"},
    {MsgKey::OlderStepsDropped, "(older steps dropped)"},
    {MsgKey::SaveChanges, "The work has changed since it was last opened or saved. Save changes?"},
    {MsgKey::StepAddPoint, "Add point"},
    {MsgKey::StepAddPoints, "Add points"},
    {MsgKey::StepDeletePoint, "Delete point"},
    {MsgKey::StepDeletePoints, "Delete points"},
    {MsgKey::StepMovePoint, "Move point"},
    {MsgKey::StepClearCurve, "Clear curve"},
    {MsgKey::StepDeleteAll, "Delete all"},
    {MsgKey::StepChangePoints, "Change points"},
    {MsgKey::StepReferencePoints, "Reference points"},
    {MsgKey::StepAxisValues, "Axis values"},
    {MsgKey::StepSetup, "Setup change"},
    {MsgKey::StepLightDistribution, "Light distribution"},
    {MsgKey::StepBrightLine, "Bright line"},
    {MsgKey::StepPicture, "Picture change"},
    {MsgKey::StepRotation, "Rotation"},
    {MsgKey::StepSpecks, "Speck cleaning"},
    {MsgKey::StepBlackAndWhite, "Black and white"},
    {MsgKey::StepStraightening, "Straightening"},
    {MsgKey::StepPaste, "Paste picture"},
    {MsgKey::StepColourTrace, "Colour tracing"},
    {MsgKey::StepAutoDigitize, "Automatic digitizing"},
    {MsgKey::StepZoneSearch, "Zone search"},
    {MsgKey::StepRectify, "Rectify"},
    {MsgKey::RectifyCornersLeft, "Corners to click: %1"},
    {MsgKey::RectifyNotConvex, "These four corners do not form a convex quadrilateral: two are "
                               "the same point, three lie on a line or one lies inside the "
                               "triangle of the others. Click the four corners again."},
    {MsgKey::KeepRectifiedPicture, "Keep the rectified picture?"},
};

} // namespace

MessageCatalog::MessageCatalog() {
    for (const auto& [key, text] : kBuiltInMessages) {
        Texts.insert(QString(key), QString::fromUtf8(text));
    }
}

QString LoadMessage(const MessageCatalog& catalog, const QString& key) {
    QString text = catalog.Texts.value(key, key);
    text.replace(QStringLiteral("*|*"), QStringLiteral("\n"));
    return text;
}

void ApplyMessages(const IniFile& languageFile, MessageCatalog& catalog) {
    const QString misc = QStringLiteral("Misc");
    for (const QString& key : languageFile.Keys(misc)) {
        const QString text = languageFile.Value(misc, key);
        if (!text.isEmpty()) {
            catalog.Texts.insert(key, text);
        }
    }
}

} // namespace lineora
