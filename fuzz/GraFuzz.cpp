// Feeds arbitrary bytes to the .gra reader. A damaged file must end in FileError; anything
// else (a crash, a sanitizer report, another exception) is a fault. A file that reads must
// also survive being written and read back unchanged, as Save after Open does.
#include "core/common/Errors.h"
#include "core/curves/GraFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    lineora::GraData read;
    try {
        read = lineora::ReadGraText(bytes, QStringLiteral("fuzz.gra"));
    } catch (const lineora::FileError&) {
        return 0;
    }
    QByteArray written;
    try {
        written = lineora::WriteGraText(read);
    } catch (const lineora::FileError&) {
        return 0; // a record the writer refuses is never saved
    }
    if (lineora::ReadGraText(written, QStringLiteral("fuzz.gra")) != read) {
        std::abort();
    }
    return 0;
}
