#include "shell/start_up.h"

#include "shell/program_definition.h"
#include "shell/shared_state.h"
#include "sound/sound_configuration.h"
#include "store/level_criteria.h"

namespace tsubura {

QString programDirOf(const QString &executableFolder) {
    QString dir = executableFolder;
    if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    return dir;
}

void setDataFolders(AppFolders &folders) {
    QString programFolder = folders.programDir;
    while (programFolder.endsWith(QLatin1Char('/'))) programFolder.chop(1);
    folders.programFolderName = programFolder.mid(programFolder.lastIndexOf(QLatin1Char('/')) + 1);
    folders.programDataDir = folders.dataRoot + folders.programFolderName + QLatin1Char('/');
    folders.soundDir = folders.dataRoot + kSoundFolderName + QLatin1Char('/');
}

std::optional<StartUpError> resolveFolders(SharedState &state, const QString &programDir) {
    state.folders.programDir = programDir;
    if (auto error = readPathFile(state)) return error;
    setDataFolders(state.folders);
    return readCommonDataFile(state);
}

std::optional<StartUpError> runStartUp(SharedState &state, const QString &programDir) {
    if (auto error = resolveFolders(state, programDir)) return error;
    defineProgram(state);
    const AppFolders &folders = state.folders;

    if (auto error = loadCriteria(folders.programDataDir + kCriteriaFileName, state.criteria))
        return StartUpError{error->path, error->message};
    return loadSoundConfiguration(state);
}

}  // namespace tsubura
