#pragma once

#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <string>

namespace lineora::test {

// The bytes of a file; empty when it cannot be read.
inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// The message of the E that `call` throws, or a text saying that it threw none.
template <class E, class F> std::string ErrorOf(F&& call) {
    try {
        call();
    } catch (const E& error) {
        return error.what();
    }
    return "<nothing thrown>";
}

// Passes when `text` holds `part`, and shows both when it does not.
inline ::testing::AssertionResult Mentions(const std::string& text, const std::string& part) {
    if (text.find(part) != std::string::npos) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << '"' << text << "\" lacks \"" << part << '"';
}

inline ::testing::AssertionResult Mentions(const char* text, const char* part) {
    return Mentions(std::string(text), std::string(part));
}

inline ::testing::AssertionResult Mentions(const QString& text, const QString& part) {
    return Mentions(text.toStdString(), part.toStdString());
}

} // namespace lineora::test
