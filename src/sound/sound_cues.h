#pragma once

#include <QString>
#include <optional>

#include "platform/services.h"
#include "platform/sound_player.h"

namespace tsubura {

struct SharedState;
class RandomSource;

// The program's sounds: a random file of a configured event, or a fixed file, played to its end.
// The answer sounds count consecutive failures; the fourth in a row shows "音声エラー" and ends
// the program. Every command is kept in mciCommand, mciReply and mciResult for diagnosis.
class SoundCues {
public:
    SoundCues(SharedState &state, Platform &platform);

    void playCorrect();        // event 2, counted
    void playWrong();          // event 4, counted; also O.K. with no name chosen
    void playPersonalBest();   // event 8
    void playNoRecord();       // event 10
    void playWarning();        // 警告1.wav
    void playOverallBest();    // 最高1.wav
    void playLevelCleared();   // 合格.wav

private:
    // Plays a random file of the event; an event without a closed list is silent (nothing).
    std::optional<SoundResult> playEvent(int event);
    SoundResult playFile(const QString &fileName);
    void countAnswerSound(const std::optional<SoundResult> &result);

    SharedState &state_;
    Platform &platform_;
};

}  // namespace tsubura
