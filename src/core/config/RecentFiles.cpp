#include "core/config/RecentFiles.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace lineora {

namespace {

QString RecentKey(int number) {
    return QStringLiteral("File%1").arg(number);
}

QString ComparableName(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace

bool SameFile(const QString& first, const QString& second) {
    return ComparableName(first) == ComparableName(second);
}

void AddRecentFile(RecentFiles& recent, const QString& path) {
    // A line end in a name would split its INI line in two.
    if (path.isEmpty() || path.contains(QLatin1Char('\n')) || path.contains(QLatin1Char('\r'))) {
        return;
    }
    RemoveRecentFile(recent, path);
    recent.Paths.prepend(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    while (recent.Paths.size() > RecentFiles::kCapacity) {
        recent.Paths.removeLast();
    }
}

void RemoveRecentFile(RecentFiles& recent, const QString& path) {
    const QString name = ComparableName(path);
    recent.Paths.removeIf([&name](const QString& entry) { return ComparableName(entry) == name; });
}

RecentFiles ReadRecentFiles(const IniFile& ini) {
    const QString section = QString::fromLatin1(kRecentSection);
    RecentFiles recent;
    for (int number = 1; number <= RecentFiles::kCapacity; ++number) {
        const QString path = ini.Value(section, RecentKey(number)).trimmed();
        const bool control =
            std::any_of(path.cbegin(), path.cend(), [](QChar c) { return c.unicode() < 0x20; });
        if (path.isEmpty() || control || QDir::isRelativePath(path)) {
            continue;
        }
        const bool listed =
            std::any_of(recent.Paths.cbegin(), recent.Paths.cend(),
                        [&path](const QString& entry) { return SameFile(entry, path); });
        if (!listed) {
            recent.Paths.append(QDir::cleanPath(path));
        }
    }
    return recent;
}

void WriteRecentFiles(const RecentFiles& recent, IniFile& ini) {
    const QString section = QString::fromLatin1(kRecentSection);
    for (int number = 1; number <= RecentFiles::kCapacity; ++number) {
        const auto index = static_cast<qsizetype>(number - 1);
        ini.SetValue(section, RecentKey(number),
                     index < recent.Paths.size() ? recent.Paths[index] : QString());
    }
}

} // namespace lineora
