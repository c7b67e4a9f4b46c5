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

std::optional<StartUpError> runStartUp(SharedState &state, const QString &programDir) {
    AppFolders &folders = state.folders;
    folders.programDir = programDir;
    if (auto error = readPathFile(state)) return error;
    if (auto error = readCommonDataFile(state)) return error;

    QString programFolder = programDir;
    while (programFolder.endsWith(QLatin1Char('/'))) programFolder.chop(1);
    folders.programFolderName = programFolder.mid(programFolder.lastIndexOf(QLatin1Char('/')) + 1);
    folders.programDataDir = folders.dataRoot + folders.programFolderName + QLatin1Char('/');
    folders.soundDir = folders.dataRoot + kSoundFolderName + QLatin1Char('/');

    defineProgram(state);

    if (auto error = loadCriteria(folders.programDataDir + kCriteriaFileName, state.criteria))
        return StartUpError{error->path, error->message};
    return loadSoundConfiguration(state);
}

}  // namespace tsubura
