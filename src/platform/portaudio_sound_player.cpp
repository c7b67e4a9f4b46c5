#include "platform/portaudio_sound_player.h"

#include <QFile>
#include <fcntl.h>
#include <portaudio.h>
#include <sndfile.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace tsubura {

namespace {

constexpr sf_count_t kChunkFrames = 1024;

// Keeps the backends' start-up chatter (ALSA, JACK) out of the program's standard error.
class StderrSilencer {
public:
    StderrSilencer() {
        std::fflush(stderr);
        saved_ = ::dup(STDERR_FILENO);
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved_ >= 0 && null >= 0) ::dup2(null, STDERR_FILENO);
        if (null >= 0) ::close(null);
    }
    ~StderrSilencer() {
        std::fflush(stderr);
        if (saved_ < 0) return;
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
    }
    StderrSilencer(const StderrSilencer &) = delete;
    StderrSilencer &operator=(const StderrSilencer &) = delete;

private:
    int saved_ = -1;
};

struct SndFileCloser {
    void operator()(SNDFILE *file) const { sf_close(file); }
};

SoundResult failure(int code, const QString &path, const char *text) {
    return {false, code, path + QStringLiteral(": ") + QString::fromLocal8Bit(text)};
}

SoundResult audioFailure(PaError error, const QString &path) {
    return failure(int(error), path, Pa_GetErrorText(error));
}

}  // namespace

PortAudioSoundPlayer::~PortAudioSoundPlayer() {
    if (initialised_) Pa_Terminate();
}

int PortAudioSoundPlayer::initialise() {
    if (initialised_) return paNoError;
    PaError error;
    {
        StderrSilencer silencer;
        error = Pa_Initialize();
    }
    // A failed start is tried again at the next sound; it may be a passing condition.
    initialised_ = error == paNoError;
    return error;
}

SoundResult PortAudioSoundPlayer::play(const QString &wavePath) {
    SF_INFO info{};
    const QByteArray encoded = QFile::encodeName(wavePath);
    std::unique_ptr<SNDFILE, SndFileCloser> file(sf_open(encoded.constData(), SFM_READ, &info));
    if (!file) {
        const int code = sf_error(nullptr);
        return failure(code != 0 ? code : SF_ERR_SYSTEM, wavePath, sf_strerror(nullptr));
    }
    if (info.channels < 1 || info.samplerate < 1) return failure(SF_ERR_MALFORMED_FILE, wavePath, "no sound data");

    if (const PaError error = initialise(); error != paNoError) return audioFailure(error, wavePath);

    PaStream *stream = nullptr;
    PaError error;
    {
        StderrSilencer silencer;
        error = Pa_OpenDefaultStream(&stream, 0, info.channels, paFloat32, double(info.samplerate),
                                     paFramesPerBufferUnspecified, nullptr, nullptr);
    }
    if (error != paNoError) return audioFailure(error, wavePath);

    error = Pa_StartStream(stream);
    std::vector<float> buffer(std::size_t(kChunkFrames) * std::size_t(info.channels));
    while (error == paNoError) {
        const sf_count_t frames = sf_readf_float(file.get(), buffer.data(), kChunkFrames);
        if (frames <= 0) break;
        error = Pa_WriteStream(stream, buffer.data(), static_cast<unsigned long>(frames));
        // A late chunk leaves a short gap in the sound; playback goes on.
        if (error == paOutputUnderflowed) error = paNoError;
    }
    // Stopping waits until the queued samples have played.
    const PaError stopError = Pa_IsStreamActive(stream) == 1 ? Pa_StopStream(stream) : paNoError;
    const PaError closeError = Pa_CloseStream(stream);
    if (error == paNoError) error = stopError != paNoError ? stopError : closeError;
    if (error != paNoError) return audioFailure(error, wavePath);
    return {};
}

}  // namespace tsubura
