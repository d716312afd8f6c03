// Feeds arbitrary bytes to the lineora3.Ini reader as startup reads it. A damaged file must end
// in FileError; the values read must come back unchanged after being written, as the
// auto-save and the next start do.
#include "core/common/Errors.h"
#include "core/config/ConfigFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    lineora::ConfigValues values;
    try {
        values = lineora::ReadConfigValues(lineora::ParseConfigText(bytes));
    } catch (const lineora::FileError&) {
        return 0;
    }
    // The reference points are written only while SaveScalaKoord is on.
    if (!values.SaveScalaKoord) {
        return 0;
    }
    const QByteArray written = lineora::WriteConfigValues(values).Serialize();
    if (lineora::ReadConfigValues(lineora::ParseConfigText(written)) != values) {
        std::abort();
    }
    return 0;
}
