#include "cli/CommandLineArgs.h"

namespace lineora {

namespace {

bool IsNumber(const QString& text) {
    bool ok = false;
    text.toDouble(&ok);
    return ok;
}

} // namespace

ParsedArguments ParseArguments(const QStringList& arguments, const QStringList& valueOptions,
                               const QStringList& flagOptions) {
    ParsedArguments parsed;
    bool optionsEnd = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!optionsEnd && argument == QLatin1String("--")) {
            optionsEnd = true;
            continue;
        }
        if (optionsEnd || !argument.startsWith(QLatin1Char('-')) ||
            argument == QLatin1String("-") || IsNumber(argument)) {
            parsed.Files.append(argument);
            continue;
        }
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            parsed.Help = true;
            continue;
        }
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? argument : argument.left(equals);
        if (flagOptions.contains(name)) {
            if (equals >= 0) {
                throw UsageError(QStringLiteral("%1 takes no value").arg(name));
            }
            if (!parsed.Flags.contains(name)) {
                parsed.Flags.append(name);
            }
            continue;
        }
        if (!valueOptions.contains(name)) {
            throw UsageError(QStringLiteral("unknown option \"%1\"").arg(argument));
        }
        if (equals >= 0) {
            parsed.Options.insert(name, argument.mid(equals + 1));
        } else if (i + 1 < arguments.size()) {
            parsed.Options.insert(name, arguments[++i]);
        } else {
            throw UsageError(QStringLiteral("%1 needs a value").arg(name));
        }
    }
    return parsed;
}

const QStringList& ExpectFiles(const ParsedArguments& parsed, int count, const QString& what) {
    if (parsed.Files.size() != count) {
        throw UsageError(QStringLiteral("expected %1, got %2 file argument(s)")
                             .arg(what)
                             .arg(parsed.Files.size()));
    }
    return parsed.Files;
}

} // namespace lineora
