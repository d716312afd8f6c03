#pragma once

// How gtest shows Qt values in a failure: without these it prints a QString as a list of
// two-byte objects and a QImage as raw bytes. Every test file gets this header through the
// test targets' forced include, so all of them print a type alike.

#include <QByteArray>
#include <QImage>
#include <QMetaEnum>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <ostream>

namespace lineora::test {

// Quotes and escapes the first `shown` bytes; bytes from 0x80 up pass through when they are
// UTF-8 text.
inline void PrintEscaped(const QByteArray& bytes, qsizetype shown, bool utf8, std::ostream* os) {
    constexpr char kHex[] = "0123456789abcdef";
    *os << '"';
    for (const char c : bytes.first(std::min(bytes.size(), shown))) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            *os << '\\' << c;
        } else if (c == '\t' || c == '\r' || c == '\n') {
            *os << '\\' << (c == '\t' ? 't' : c == '\r' ? 'r' : 'n');
        } else if (byte >= 0x20 && byte != 0x7f && (byte < 0x80 || utf8)) {
            *os << c;
        } else {
            *os << "\\x" << kHex[byte >> 4] << kHex[byte & 15];
        }
    }
    *os << '"';
    if (bytes.size() > shown) {
        *os << "... (" << bytes.size() << " bytes)";
    }
}

} // namespace lineora::test

inline void PrintTo(const QString& text, std::ostream* os) {
    const QByteArray utf8 = text.toUtf8();
    lineora::test::PrintEscaped(utf8, utf8.size(), true, os);
}

inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    lineora::test::PrintEscaped(bytes, 200, false, os);
}

// Size, format and an FNV-1a hash of the pixels (not of the padding after each line), so two
// pictures that differ show different hashes.
inline void PrintTo(const QImage& image, std::ostream* os) {
    std::uint32_t hash = 2166136261u;
    const qsizetype lineBytes = (qsizetype{image.width()} * image.depth() + 7) / 8;
    for (int y = 0; y < image.height(); ++y) {
        for (const uchar byte : QByteArrayView(image.constScanLine(y), lineBytes)) {
            hash = (hash ^ byte) * 16777619u;
        }
    }
    *os << "QImage(" << image.width() << "x" << image.height() << ", "
        << QMetaEnum::fromType<QImage::Format>().valueToKey(image.format()) << ", hash " << std::hex
        << hash << std::dec << ")";
}

#include "core/commands/ToolModes.h"

namespace lineora {

// Tool modes and cursors by name, so a failed comparison says which two differ.
inline void PrintTo(Tool tool, std::ostream* os) {
    static constexpr const char* kNames[] = {"None",      "SetPoint", "ZeroPoint", "XMaxPoint",
                                             "YMaxPoint", "Zone",     "Eraser",    "PickColor",
                                             "Pan",       nullptr,    "Zoom",      "ThreeClick"};
    const auto value = static_cast<std::int32_t>(tool);
    const bool named = value >= 0 && value < std::ssize(kNames) && kNames[value] != nullptr;
    *os << "Tool::" << (named ? kNames[value] : "?") << " (" << value << ")";
}

inline void PrintTo(CursorId cursor, std::ostream* os) {
    static constexpr const char* kNames[] = {
        "Arrow",     "Diag",      "Vert",      "Handle", "Circle",   "Strela",
        "PanHand",   "Eraser",    "Pipette",   "Movi",   "Zoom",     "ZeroPoint",
        "XMaxPoint", "YMaxPoint", "ZoneBrush", "Test",   "MovePoint"};
    const auto value = static_cast<std::int32_t>(cursor);
    const bool named = value >= 0 && value < std::ssize(kNames);
    *os << "CursorId::" << (named ? kNames[value] : "?") << " (" << value << ")";
}

} // namespace lineora
