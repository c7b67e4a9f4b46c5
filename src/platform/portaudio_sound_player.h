#pragma once

#include "platform/sound_player.h"

namespace tsubura {

// Plays a wave file through a blocking PortAudio stream on the default output device;
// libsndfile reads the file. PortAudio is initialised at the first sound and kept until the
// player goes, so each sound costs only the stream's opening.
class PortAudioSoundPlayer : public SoundPlayer {
public:
    PortAudioSoundPlayer() = default;
    ~PortAudioSoundPlayer() override;
    PortAudioSoundPlayer(const PortAudioSoundPlayer &) = delete;
    PortAudioSoundPlayer &operator=(const PortAudioSoundPlayer &) = delete;

    // Failures carry a non-zero code (libsndfile's or PortAudio's) and a text naming the file.
    SoundResult play(const QString &wavePath) override;

private:
    int initialise();

    bool initialised_ = false;
};

}  // namespace tsubura
