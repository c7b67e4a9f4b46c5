#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QtEndian>
#include <cmath>
#include <numbers>
#include <cstdio>
#include <fcntl.h>
#include <portaudio.h>
#include <unistd.h>

#include "platform/portaudio_sound_player.h"
#include "test_support.h"

namespace tsubura {
namespace {

// A 16-bit mono PCM wave file of a 440 Hz tone.
QByteArray toneWave(int sampleRate, int milliseconds) {
    const int samples = sampleRate * milliseconds / 1000;
    QByteArray data;
    for (int i = 0; i < samples; ++i) {
        const auto value = qint16(8000 * std::sin(2 * std::numbers::pi * 440 * i / sampleRate));
        const quint16 le = qToLittleEndian(quint16(value));
        data.append(reinterpret_cast<const char *>(&le), 2);
    }
    auto u32 = [](quint32 v) {
        v = qToLittleEndian(v);
        return QByteArray(reinterpret_cast<const char *>(&v), 4);
    };
    auto u16 = [](quint16 v) {
        v = qToLittleEndian(v);
        return QByteArray(reinterpret_cast<const char *>(&v), 2);
    };
    QByteArray wave = "RIFF" + u32(quint32(36 + data.size())) + "WAVEfmt " + u32(16) + u16(1) + u16(1) +
                      u32(quint32(sampleRate)) + u32(quint32(sampleRate * 2)) + u16(2) + u16(16) + "data" +
                      u32(quint32(data.size()));
    return wave + data;
}

// Sends standard error into a file while it lives, so a test can read what was written there.
class StderrCapture {
public:
    explicit StderrCapture(const QString &path) {
        std::fflush(stderr);
        saved_ = ::dup(STDERR_FILENO);
        const int file = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(file, STDERR_FILENO);
        ::close(file);
    }
    ~StderrCapture() {
        std::fflush(stderr);
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
    }

private:
    int saved_ = -1;
};

// Points ALSA's default device at the null plugin, so the real backend has an output on a
// machine without a sound card; HOME is put back afterwards.
class NullAlsaHome {
public:
    NullAlsaHome() : oldHome_(qgetenv("HOME")) {
        home_.writeBytes(QStringLiteral(".asoundrc"), "pcm.!default { type null }\n");
        qputenv("HOME", QFile::encodeName(home_.path()));
    }
    ~NullAlsaHome() { qputenv("HOME", oldHome_); }

private:
    test::TempDir home_;
    QByteArray oldHome_;
};

bool haveDefaultOutput() {
    StderrCapture quiet(QStringLiteral("/dev/null"));
    if (Pa_Initialize() != paNoError) return false;
    const bool found = Pa_GetDefaultOutputDevice() != paNoDevice;
    Pa_Terminate();
    return found;
}

TEST(PortAudioSoundPlayer, PlaysAWaveFileToItsEndWithoutChatter) {
    NullAlsaHome home;
    if (!haveDefaultOutput()) GTEST_SKIP() << "PortAudio finds no output device, even with the ALSA null device";
    test::TempDir dir;
    dir.writeBytes(QStringLiteral("音 フォルダ/maru1.wav"), toneWave(22050, 100));

    PortAudioSoundPlayer player;
    SoundResult result;
    QElapsedTimer timer;
    {
        StderrCapture capture(dir.file(QStringLiteral("stderr.txt")));
        timer.start();
        result = player.play(dir.file(QStringLiteral("音 フォルダ/maru1.wav")));
    }
    const qint64 firstMs = timer.elapsed();
    EXPECT_TRUE(result.ok) << result.text.toStdString();
    EXPECT_EQ(dir.readBytes(QStringLiteral("stderr.txt")), QByteArray());

    timer.restart();
    result = player.play(dir.file(QStringLiteral("音 フォルダ/maru1.wav")));  // PortAudio stays initialised
    EXPECT_TRUE(result.ok) << result.text.toStdString();
    RecordProperty("first_play_ms", int(firstMs));
    RecordProperty("second_play_ms", int(timer.elapsed()));
}

TEST(PortAudioSoundPlayer, UnreadableFilesFailWithATextNamingTheFile) {
    test::TempDir dir;
    dir.writeBytes(QStringLiteral("batu1.wav"), "not a wave file at all");
    PortAudioSoundPlayer player;
    for (const QString &name : {QStringLiteral("missing.wav"), QStringLiteral("batu1.wav")}) {
        const SoundResult result = player.play(dir.file(name));
        EXPECT_FALSE(result.ok) << name.toStdString();
        EXPECT_NE(result.code, 0) << name.toStdString();
        EXPECT_TRUE(result.text.startsWith(dir.file(name) + QStringLiteral(": "))) << result.text.toStdString();
        EXPECT_GT(result.text.size(), dir.file(name).size() + 2) << "the problem itself is named";
    }
}

}  // namespace
}  // namespace tsubura
