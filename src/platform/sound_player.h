#pragma once

#include <QString>
#include <QStringList>
#include <deque>

namespace tsubura {

// The outcome of playing one file: success, or a failure with a text that says why.
struct SoundResult {
    bool ok = true;
    int code = 0;
    QString text;
};

// Synchronous playback: play() returns when the sound has ended.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual SoundResult play(const QString &wavePath) = 0;
};

// A player for tests: records every path and answers as the test tells it (success by default).
class RecordingSoundPlayer : public SoundPlayer {
public:
    SoundResult play(const QString &wavePath) override {
        played.append(wavePath);
        if (answers.empty()) return {};
        SoundResult result = answers.front();
        answers.pop_front();
        return result;
    }
    QStringList played;
    std::deque<SoundResult> answers;
};

}  // namespace tsubura
