#pragma once

#include "core/commands/State.h"
#include "core/commands/UndoHistory.h"
#include "core/commands/Views.h"
#include "core/common/Host.h"

#include <QLatin1String>
#include <QRegion>
#include <QString>

#include <functional>
#include <optional>

namespace lineora {

// Undo and redo work at the level of user actions: whatever a window event does, the work is
// compared after it with the last step, so every command is covered without knowing of undo.

// The work as it stands, sharing with `previous` every part that did not change. A picture
// that was detached without a pixel changing goes back to sharing the previous image, so the
// state never holds a needless copy.
UndoSnapshot CaptureWork(State& state, const UndoSnapshot* previous);

// Puts the snapshot's work back (points, calibration, axis texts, value settings, mode,
// bright lines, picture) without drawing or computing anything.
void RestoreWork(State& state, Views& views, const UndoSnapshot& work);
// RestoreWork, then the redraw and the refresh that follow every change of the work.
void ApplyWork(State& state, Views& views, const UndoSnapshot& work);
// Where the marks of the points differ between the state and `work`, when that is all the
// picture would show differently after restoring it and few marks differ; else nothing, and
// the whole picture is drawn again.
std::optional<QRegion> MarksOnlyDamage(const State& state, const UndoSnapshot& work);

// What a user action is to the history: a press opens a step its drag and release join.
enum class StepJoin { None, OpenForDrag, JoinDrag };

// Runs one user action behind the error boundary and records its change as one step (the
// outermost action only). Returns whether it ran to its end.
bool RunUserAction(State& state, Host& host, const std::function<void()>& action,
                   StepJoin join = StepJoin::None);
// Records whatever changed since the last step as a step of its own.
void RecordUserAction(State& state, StepJoin join = StepJoin::None);
// A command names its step (MsgKey); without a name the change describes itself.
void NameUserAction(State& state, QLatin1String key);

void UndoWork(State& state, Views& views);
void RedoWork(State& state, Views& views);

// The history starts again from the work now (a picture or graph data file opened).
void StartNewWork(State& state);
// The work now is what the files hold.
void MarkWorkSaved(State& state);
bool WorkUnsaved(const State& state);

// Before work is thrown away: with unsaved work, asks to save it. Save runs the graph data
// save and goes on only when it saved; Discard goes on; Cancel does not. True: go on.
bool ConfirmUnsavedWork(State& state, Host& host, Views& views);

// The name a change gives itself when its command gave none.
QString DescribeChange(const UndoSnapshot& before, const UndoSnapshot& after,
                       const MessageCatalog& messages);

// The Edit menu's texts: "Undo Add point", "Redo Rotation", the bare verb when empty.
QString UndoMenuText(const State& state);
QString RedoMenuText(const State& state);

} // namespace lineora
