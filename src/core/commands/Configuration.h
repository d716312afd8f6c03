#pragma once

#include "core/commands/State.h"
#include "core/commands/Views.h"
#include "core/common/Host.h"
#include "core/config/ConfigFile.h"

#include <QString>

namespace lineora {

// lineora3.Ini beside the program.
QString ConfigFilePath(const QString& appDir);

// Reads the configuration of `appDir` once at start and applies every value, the axis values
// computed from their fields included. A missing file gives the first-run defaults; a file that
// cannot be read or parsed is named with the reason through `host`, then the defaults apply and
// the file stays as it is. Keys whose values cannot be used are named together in one message;
// they keep their defaults (a field its text, with no value computed from it) and everything
// else applies. The language is not applied here: the start-up applies it right afterwards.
// The recent files come from their own section (RecentFiles.h), unusable entries skipped.
void LoadConfig(State& state, Views& views, Host& host, const QString& appDir);

// Writes the configuration into state.Main.AppDir, with the windows' current placements.
// Keys the file holds besides ours stay in it; the recent files follow in their own section. A
// failed write throws FileError naming the file and the reason; the old file then stays whole.
void WriteConfig(State& state, Views& views);

// The values as the state holds them, and the state set from values in the order of the
// file's keys (radio groups, click effects, reference points, as LoadConfig applies them).
ConfigValues CollectConfigValues(const State& state);
void ApplyConfigValues(State& state, Views& views, const ConfigValues& values);

} // namespace lineora
