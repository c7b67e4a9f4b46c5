#include "sound/sound_cues.h"

#include "platform/random_source.h"
#include "shell/shared_state.h"
#include "sound/sound_configuration.h"

namespace tsubura {

namespace {
constexpr std::int16_t kSilentFailures = 3;
const QString kWaveExtension = QStringLiteral(".wav");
}  // namespace

SoundCues::SoundCues(SharedState &state, Platform &platform) : state_(state), platform_(platform) {}

void SoundCues::playCorrect() { countAnswerSound(playEvent(kCorrectSound)); }
void SoundCues::playWrong() { countAnswerSound(playEvent(kWrongSound)); }
void SoundCues::playPersonalBest() { playEvent(kPersonalBestSound); }
void SoundCues::playNoRecord() { playEvent(kNoRecordSound); }
void SoundCues::playWarning() { playFile(QStringLiteral("警告1.wav")); }
void SoundCues::playOverallBest() { playFile(QStringLiteral("最高1.wav")); }
void SoundCues::playLevelCleared() { playFile(QStringLiteral("合格.wav")); }

std::optional<SoundResult> SoundCues::playEvent(int event) {
    const std::optional<int> count = soundFileCount(state_, event);
    // Without a closed list no choice can be made; the event stays silent and is not counted.
    if (!count) return std::nullopt;
    int slot = int(platform_.random.next() * *count + 1);
    if (slot > *count) slot = *count;  // guards against rounding at r just below 1
    return playFile(state_.soundTable[std::size_t(event)][std::size_t(slot)] + kWaveExtension);
}

SoundResult SoundCues::playFile(const QString &fileName) {
    // The player gets the path itself, so spaces in the sound folder need no quoting.
    const QString path = state_.folders.soundDir + fileName;
    state_.mciCommand = QStringLiteral("play ") + path + QStringLiteral(" wait");
    const SoundResult result = platform_.sound.play(path);
    state_.mciResult = QString::number(result.ok ? 0 : result.code);
    state_.mciReply = result.ok ? QString() : result.text;
    return result;
}

void SoundCues::countAnswerSound(const std::optional<SoundResult> &result) {
    if (!result) return;
    if (result->ok) {
        state_.soundFailures = 0;
        return;
    }
    if (state_.soundFailures < kSilentFailures) {
        ++state_.soundFailures;
        return;
    }
    reportAndEnd(platform_, QStringLiteral("音声がでません。先生を呼びなさい。\r\n") + result->text,
                 QStringLiteral("音声エラー"));
}

}  // namespace tsubura
