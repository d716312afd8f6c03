#pragma once

#include "core/commands/State.h"
#include "core/commands/Views.h"
#include "core/common/Host.h"
#include "core/curves/TableCells.h"

#include <QImage>

#include <optional>

namespace lineora {

// The operations that span subsystems. Every change of the calibration, the curves or the
// picture ends with RedrawPicture and RefreshAll.

// Axis values from their fields, every point value recomputed, the current curve sorted,
// table and text output rebuilt.
void RefreshAll(State& state, Views& views);

// Clean copy into the working image, axis angles, axes, marks, the live step-X crosshair;
// then a repaint of the picture and of the magnifier.
void RedrawPicture(State& state, Views& views);
// RedrawPicture limited to `damage`, for a change of a few marks while the working image
// shows nothing but the axes and the marks: the same pixels at a fraction of the cost.
void RedrawPictureArea(State& state, Views& views, const QRegion& damage);
// Where the axes and the marks of `curve` stand on the working image, when it shows nothing
// but axes and marks and those are few strips and places; else nothing.
std::optional<QRegion> AxesAndCurveArea(const State& state, int curve);

// The mark of a point of `curve` on the working image, in the curve's colour and size. The
// step-X crosshair leaves the picture first (the caller repaints it); the next mouse move
// draws it again over the mark.
void DrawCurveMark(State& state, std::int32_t x, std::int32_t y, int curve);

// The step-X crosshair is drawn with the inverting pen, so it is taken off by drawing it again
// where it stands (Pictures::CrosshairOnWorking). It is live while step-X picking is on in
// point mode and while strip samples are corrected; a redraw keeps a live crosshair on the picture
// and drops any other.
bool StepCrosshairLive(const State& state);
// Draws it at (SnapPicX, SnapPicY) unless it is on the picture already.
void ShowStepCrosshair(State& state, Views& views);
// Takes it off the picture, if it is there.
void HideStepCrosshair(State& state, Views& views);
// The same without a repaint; the area it covered, empty when it was not on the picture.
QRect TakeOffStepCrosshair(Pictures& pictures);

// A plain (or Ctrl) left click in point mode at Cal.MousePicX/MousePicY.
void AddPointAtClick(State& state, Host& host, Views& views, bool ctrl);

// Shift-click: select the point under the click and nudge it.
void GrabPointAtClick(State& state, Views& views);

// Ctrl-click in point mode and the eraser; `passes` scans of the current curve.
void EraseAtClick(State& state, Views& views, int tolerance, int passes);

void SetPointMode(State& state, Views& views);
void SetToolMode(State& state, Views& views, Tool toolMode, CursorId cursor);
void ResetWorkState(State& state, Views& views);
void NewPictureDefaults(State& state, Views& views);

// The view scale of item 1..7 ("5:1" .. "1:3").
void SetScaleIndex(State& state, Views& views, int index);
void SetCursorKind(State& state, Views& views, int kind);

// Reference points from the working position, then redraw and refresh.
void SetReferencePoint(State& state, Views& views, Tool toolMode);

// The step-X and autocorrection switches exclude each other.
void SwitchStepX(State& state, Host& host, Views& views, bool buttonDown);
// Step-X picking off, its crosshair taken off the picture; the caller updates the controls.
void StepXOff(State& state, Views& views);
void SwitchAutoCorrect(State& state, Views& views, bool on);
void SwitchAxis90(State& state, Views& views, bool buttonDown);
void SwitchConnectPoints(State& state, Views& views, bool buttonDown);

// The zone search with its Yes/No/Cancel question. Afterwards the zone brush is back with an
// empty list, also when the refresh fails (the error then goes on to the caller).
void FindInZone(State& state, Host& host, Views& views);

// Empties the current curve: the one place every tool clears it, so that modes with
// companion curves can clear those with it.
void ClearCurrentLine(State& state);

// Asks, then empties the current curve.
void ClearDataOfLine(State& state, Host& host, Views& views);
void DeleteAllLines(State& state, Views& views);
void SelectLine(State& state, int line);

// Picture files. Cancelling the dialog or a picture that cannot be read changes nothing.
void OpenPicture(State& state, Host& host, Views& views);
// Opens a picture by name (command line); a failure throws FileError and changes nothing.
void OpenPictureFile(State& state, Views& views, const QString& path);
// The second half of OpenPictureFile: a picture already read from `path` becomes the picture.
void ApplyPictureFile(State& state, Views& views, const QString& path, QImage picture);
void SavePicture(State& state, Host& host, Views& views);
void BlackAndWhite(State& state, Views& views);

// Turns the picture so that the calibrated X axis becomes horizontal (nothing at angle 0),
// asking before and after. Kept, it becomes the stored picture with a fresh calibration 50
// pixels in from its edges and every curve emptied; dropped, everything stays as it was.
void RotateToXAxis(State& state, Host& host, Views& views);
// Speck cleaning at the scale 1:1 with the ink limits, then the question whether to keep it.
void CleanPictureSpecks(State& state, Host& host, Views& views);
// After a tool cleaned the working image: shown, then on Yes to MsgKey::KeepCleanedPicture it
// becomes the clean copy. The caller redraws either way.
void AskToKeepWorkingPicture(State& state, Host& host, Views& views);

// Table and text output. In normal mode the export text is rebuilt and becomes the text output
// window's text; in every mode the table is told to show the store again.
void RefreshTable(State& state, Views& views);
// What the table shows: chart values or picture positions, X on the step while step-X is on.
TableOptions TableOptionsOf(const State& state);
// The text output window's text, edits included, to the clipboard; then MsgKey::DataCopied.
void CopyExportText(State& state, Host& host);
// The text output window's text to a text file; the dialog's second type, CSV (or a name
// ending ".csv"), writes the curves' points as BuildCsvText does instead.
void SaveTextOutput(State& state, Host& host);
// The curves' points as CSV (BuildCsvText) into a ".csv" file beside the picture; a cancelled
// dialog writes nothing, a failed write throws FileError and leaves the old file.
void SaveCsvExport(State& state, Host& host);
// Asks for a ".txt" file beside the picture and writes `text` and one CR LF into it; a
// cancelled dialog writes nothing.
void SaveExportText(State& state, Host& host, const QString& text);

// The picture on the clipboard for the paste window's preview; without one,
// MsgKey::NoClipboardPicture.
std::optional<QImage> ClipboardPreview(const State& state, Host& host);
// The picture the paste window previewed becomes the picture, with every curve emptied and
// the scale 1:1 (the clipboard may hold something else by the time the user says so). A null
// picture (nothing was on the clipboard) only shows MsgKey::NoClipboardPicture and changes nothing.
void PastePicture(State& state, Host& host, Views& views, QImage picture);

// True when the main window may close. With auto-save on the settings are written first,
// whatever the answer; a failed write is reported and the question is still asked.
bool CloseQuery(State& state, Host& host, Views& views);

// Enter in the polar maximum field: that value first, then RefreshAll (which reads every axis
// field, so a bad cartesian field still stops the refresh).
void ApplyPolarMax(State& state, Views& views);

// One pixel step of the point selected for nudging, its selection circle following and the
// magnifier centred on it. Its values lag until FinishNudge.
void NudgeSelectedPoint(State& state, Views& views, int dx, int dy);
// Ends the nudge: the selection is dropped, the picture redrawn and the values recomputed.
void FinishNudge(State& state, Views& views);

} // namespace lineora
