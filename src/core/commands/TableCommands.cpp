#include "core/commands/Commands.h"

#include "core/commands/PhotometryCommands.h"
#include "core/common/MessageKeys.h"
#include "core/common/Messages.h"
#include "core/curves/Export.h"
#include "core/curves/TextFile.h"

#include <QFileInfo>

namespace lineora {

namespace {

// The text output window hands out its lines joined by CR LF; an editor may have left lone
// line feeds in it.
QString TextOutputForExport(const TextOutput& output) {
    return WithCrLf(output.MemoText);
}

} // namespace

void RefreshTable(State& state, Views& views) {
    // The special modes fill the text output with their own tables.
    if (state.Main.SpecialMode == 0) {
        state.Output.ExportText = BuildExportText(state.Store, state.Setup.ExportFormat,
                                                  state.Setup.Separator, state.Output.Pieces);
        state.Output.MemoText = state.Output.ExportText;
    }
    try {
        RefreshPhotometryTable(state);
    } catch (...) {
        // The table shows the new values, the text output keeps its last table.
        views.TableChanged();
        throw;
    }
    views.TableChanged();
}

TableOptions TableOptionsOf(const State& state) {
    return {state.Setup.DataPoint, state.Main.StepXOn, state.Setup.StepX};
}

void CopyExportText(State& state, Host& host) {
    state.Output.ExportText = TextOutputForExport(state.Output);
    host.PutClipboardText(state.Output.ExportText);
    host.ShowMessage(LoadMessage(state.Messages, MsgKey::DataCopied));
}

void SaveTextOutput(State& state, Host& host) {
    state.Output.ExportText = TextOutputForExport(state.Output);
    SaveExportText(state, host, state.Output.ExportText);
}

void SaveExportText(State& state, Host& host, const QString& text) {
    QString path = host.SaveFileName(QStringLiteral("Txt File (*.txt)"), state.Pics.PictureDir,
                                     state.Pics.PictureBaseName + QStringLiteral(".txt"));
    if (path.isEmpty()) {
        return;
    }
    // Desktop file dialogs do not add the extension the filter names.
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".txt");
    }
    WriteTextFile(path, text + QStringLiteral("\r\n"));
}

} // namespace lineora
