#pragma once

#include <QString>

#include <memory>

namespace lineora {

// An INI text in memory. Section and key names compare without case (files written by other
// INI writers differ in case) and keep their blanks; values are UTF-8 text. Sections and
// keys are written back in the order they were first added, one "key=value" line each.
class IniFile {
public:
    IniFile();
    ~IniFile();
    IniFile(IniFile&&) noexcept;
    IniFile& operator=(IniFile&&) noexcept;

    // Reads a file; a missing or unreadable one throws FileError.
    static IniFile Load(const QString& path);
    static IniFile Parse(const QByteArray& text);

    bool Has(const QString& section, const QString& key) const;
    QString Value(const QString& section, const QString& key,
                  const QString& defaultValue = QString()) const;
    void SetValue(const QString& section, const QString& key, const QString& value);
    // Every key of a section, in file order.
    QStringList Keys(const QString& section) const;

    QByteArray Serialize() const;

private:
    struct Data;
    std::unique_ptr<Data> data_;
};

} // namespace lineora
