#include "core/commands/Commands.h"

#include "core/commands/PhotometryCommands.h"
#include "core/common/MessageKeys.h"
#include "core/common/Messages.h"
#include "core/curves/CsvExport.h"
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

const QString kTxtFilter = QStringLiteral("Txt File (*.txt)");
const QString kCsvFilter = QStringLiteral("CSV File (*.csv)");

// Desktop file dialogs do not add the extension the filter names.
QString WithSuffix(const QString& path, const QString& suffix) {
    return QFileInfo(path).suffix().isEmpty() ? path + suffix : path;
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
    QString chosen;
    const QString path = host.SaveFileNameOfType(
        kTxtFilter + QStringLiteral(";;") + kCsvFilter, state.Pics.PictureDir,
        state.Pics.PictureBaseName + QStringLiteral(".txt"), chosen);
    if (path.isEmpty()) {
        return;
    }
    if (chosen == kCsvFilter ||
        QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0) {
        WriteTextFile(WithSuffix(path, QStringLiteral(".csv")), BuildCsvText(state.Store));
        return;
    }
    WriteTextFile(WithSuffix(path, QStringLiteral(".txt")),
                  state.Output.ExportText + QStringLiteral("\r\n"));
}

void SaveExportText(State& state, Host& host, const QString& text) {
    const QString path = host.SaveFileName(kTxtFilter, state.Pics.PictureDir,
                                           state.Pics.PictureBaseName + QStringLiteral(".txt"));
    if (!path.isEmpty()) {
        WriteTextFile(WithSuffix(path, QStringLiteral(".txt")), text + QStringLiteral("\r\n"));
    }
}

void SaveCsvExport(State& state, Host& host) {
    const QString path = host.SaveFileName(kCsvFilter, state.Pics.PictureDir,
                                           state.Pics.PictureBaseName + QStringLiteral(".csv"));
    if (!path.isEmpty()) {
        WriteTextFile(WithSuffix(path, QStringLiteral(".csv")), BuildCsvText(state.Store));
    }
}

} // namespace lineora
