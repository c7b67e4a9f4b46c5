#pragma once

#include <QString>
#include <optional>

#include "shell/settings_files.h"
#include "shell/shared_state.h"

namespace tsubura {

struct SharedState;

// The folder of an executable as the program folder text: its path with a trailing "/".
QString programDirOf(const QString &executableFolder);

// The folders below the data root, from programDir and dataRoot.
void setDataFolders(AppFolders &folders);

// Sets the folders and reads the path file and the common data file.
std::optional<StartUpError> resolveFolders(SharedState &state, const QString &programDir);

// Fills the shared state from an installation, given its program folder (ending with "/"):
// folders, path file, common settings, program definition, criteria table, sound configuration.
// The first file that is missing or cannot be read stops it with an error naming that file.
std::optional<StartUpError> runStartUp(SharedState &state, const QString &programDir);

}  // namespace tsubura
