#include "core/common/Messages.h"

#include "core/common/IniFile.h"

#include <utility>

namespace lineora {

namespace {

// English texts for a run without any language file.
const std::pair<const char*, const char*> kBuiltInMessages[] = {
    {"msgMessaga1", "No tool is chosen. Choose one on the toolbar first."},
    {"msgMessaga2", "Search the marked zone for points?*|*Yes: empty the curve first; "
                    "No: add to its points; Cancel: remove the zone."},
    {"msgMessaga3", " Curve #"},
    {"msgMessaga7", "This curve already holds 999 points; no more can be added."},
    {"msgMessaga8", "The data have been copied to the clipboard."},
    {"msgMessaga10", "Digitize the chart automatically into curve #"},
    {"msgMessaga11", "The curve's points will be replaced."},
    {"msgMessaga12", "Delete all points of curve #"},
    {"msgMessaga13", "Keep the cleaned picture?"},
    {"msgMessaga14", "The clipboard holds no picture."},
    {"msgMessaga15", "Picture pasted from the clipboard"},
    {"msgMessaga16", "Save graph with picture"},
    {"msgMessaga17", "Name of the graph:"},
    {"msgMessaga18", "Save graph data"},
    {"msgMessaga19", "The graph and its picture have been saved:"},
    {"msgMessaga20", "Close Lineora?"},
    {"msgMessaga23", "The clicked pixel does not start a bright line."},
    {"msgMessaga24", "The line runs into the edge of the picture."},
    {"msgMessaga25", "Keep the rotated picture?"},
    {"msgMessaga26", "Rotate the picture so that the X axis is horizontal?"},
    {"msgTracePoints", "The number of points to find must be a whole number from 1 to 1000."},
    {"msgTraceNeighbours",
     "The number of neighbours in the second colour must be a whole number from 0 to 8."},
};

} // namespace

MessageCatalog::MessageCatalog() {
    for (const auto& [key, text] : kBuiltInMessages) {
        Texts.insert(QString::fromLatin1(key), QString::fromUtf8(text));
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
