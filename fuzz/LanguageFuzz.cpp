// Feeds arbitrary bytes to the language-file reader: the INI parse, the message texts taken
// from its "Misc" section, and the per-window lookups the translation makes.
#include "core/common/Errors.h"
#include "core/common/IniFile.h"
#include "core/common/Messages.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const lineora::IniFile file = lineora::IniFile::Parse(bytes);
        lineora::MessageCatalog catalog;
        lineora::ApplyMessages(file, catalog);
        for (auto it = catalog.Texts.cbegin(); it != catalog.Texts.cend(); ++it) {
            (void)lineora::LoadMessage(catalog, it.key());
        }
        for (const QString& window : {QStringLiteral("FormLineora"), QStringLiteral("FormSetup")}) {
            for (const QString& key : file.Keys(window)) {
                (void)file.Value(window, key);
            }
        }
    } catch (const lineora::FileError&) {
    }
    return 0;
}
