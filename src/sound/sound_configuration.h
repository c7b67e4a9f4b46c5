#pragma once

#include <QString>
#include <optional>

#include "shell/settings_files.h"

namespace tsubura {

struct SharedState;

inline const QString kSoundFolderName = QStringLiteral("音フォルダ");
inline const QString kSoundConfigurationFileName = QStringLiteral("新音ファイル.txt");

// Event indices of the sound table whose sounds are played.
enum SoundEvent {
    kCorrectSound = 2,
    kWrongSound = 4,
    kPersonalBestSound = 8,
    kNoRecordSound = 10,
};

// The fixed event names of slots 0, event 1 to 10.
QString soundEventName(int event);

// Reads soundDir + "新音ファイル.txt" into the sound table: each list is an event name, up to
// 20 file names (without ".wav") and "*"; items outside a list that name no event are skipped.
std::optional<StartUpError> loadSoundConfiguration(SharedState &state);

// The number of files of a closed list, or nothing when the event has no closed list.
std::optional<int> soundFileCount(const SharedState &state, int event);

}  // namespace tsubura
