#pragma once

#include "core/common/IniFile.h"

#include <QString>
#include <QStringList>

namespace lineora {

// The pictures and graph data files last opened or saved, newest first, for File -> Recent.
struct RecentFiles {
    static constexpr int kCapacity = 8;
    QStringList Paths; // absolute, at most kCapacity, no file twice
};

// The section of lineora3.Ini that holds the list, keys File1 .. File8. The program's other
// sections never name it, so the list leaves every other key where it was.
inline constexpr const char* kRecentSection = "Recent";

// Two names of one file compare equal: links and "." or ".." resolved where the file exists,
// the absolute clean path where it does not.
bool SameFile(const QString& first, const QString& second);

// `path` becomes the newest entry; an older entry of the same file leaves, the oldest falls
// off beyond the capacity. An empty path, or one holding a line end (which the INI file cannot
// keep), changes nothing.
void AddRecentFile(RecentFiles& recent, const QString& path);
// Every entry naming that file leaves the list.
void RemoveRecentFile(RecentFiles& recent, const QString& path);

// The list as the section holds it: File1 first. An empty key, a relative path, a name with a
// control character or a second
// name of a file already listed is skipped, and nothing beyond File8 is read.
RecentFiles ReadRecentFiles(const IniFile& ini);
// Writes all eight keys (the unused ones empty), so a shorter list leaves no stale entry.
void WriteRecentFiles(const RecentFiles& recent, IniFile& ini);

} // namespace lineora
