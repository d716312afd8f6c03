#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <stdexcept>

namespace lineora {

// Exit statuses of the commands that run without a window.
inline constexpr int kExitDone = 0;
inline constexpr int kExitBadFile = 1;
inline constexpr int kExitBadArguments = 2;

// Wrong arguments: the text says which, the caller adds the pointer to --help.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const QString& what) : std::runtime_error(what.toStdString()) {}
};

struct ParsedArguments {
    bool Help = false;
    QMap<QString, QString> Options; // "--name" -> value
    QStringList Flags;              // the switches given, each once
    QStringList Files;
};

// Options as "--name value" or "--name=value" ("-o value" too), files in order, "--" ends the
// options. Only the names in `valueOptions` and the switches in `flagOptions` (which take no
// value) are known; a number such as "-3" is a file argument, so that a negative angle reads
// as one.
ParsedArguments ParseArguments(const QStringList& arguments, const QStringList& valueOptions,
                               const QStringList& flagOptions = {});

// The file arguments when there are exactly `count`, else a UsageError naming `what`.
const QStringList& ExpectFiles(const ParsedArguments& parsed, int count, const QString& what);

} // namespace lineora
