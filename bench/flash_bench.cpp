// How long a flashed card really stays on screen: the exercise window offscreen, the real event
// loop and a steady clock. For each flash time it runs the next-card action over and over and takes
// (a) the latency from the request to the uncovered frame in the window's backing store and
// (b) the time from that frame to the covered frame, against the flash time.
//
// A frame counts as painted only when the paint has reached the backing store: the times are taken
// when the synchronous uncover (and cover) returns, and each is checked twice, by the paint events of
// the card panel and cover, and by reading a shown dot's pixel back from the backing store.
//
// Usage: flash_bench [flashes per flash time, default 50]
#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

#include "idle_navigator.h"
#include "exercise/card_parameters.h"
#include "exercise/windows/MainFrm.h"
#include "platform/clock.h"
#include "platform/fonts.h"
#include "platform/qt_services.h"
#include "platform/random_source.h"
#include "platform/services.h"
#include "platform/sound_player.h"
#include "shell/shared_state.h"
#include "sound/sound_cues.h"

namespace tsubura {
namespace {

using SteadyClock = std::chrono::steady_clock;

double msBetween(SteadyClock::time_point from, SteadyClock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Counts the paint events of the card panel while uncovered and of the cover.
class PaintWatch : public QObject {
public:
    PaintWatch(QWidget *cardPanel, QWidget *cover) : cardPanel_(cardPanel), cover_(cover) {
        cardPanel_->installEventFilter(this);
        cover_->installEventFilter(this);
    }
    int uncoveredPaints = 0;
    int coverPaints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint) {
            if (watched == cardPanel_ && cover_->isHidden()) ++uncoveredPaints;
            if (watched == cover_) ++coverPaints;
        }
        return false;
    }

private:
    QWidget *cardPanel_;
    QWidget *cover_;
};

struct Samples {
    int flashMs = 0;
    std::vector<double> latencyMs;
    std::vector<double> paintedMs;
    int unverified = 0;  // transitions without a paint event or with the wrong pixel in the backing store
};

// Drives one exercise window through `flashes` cards of one level.
class FlashRun {
public:
    FlashRun(int level, int flashes) : flashes_(flashes) {
        state_->currentLevel = level;
        state_->levelNames[std::size_t(level)] = QStringLiteral("bench");
        state_->programTitle = QStringLiteral("ツブラ");
        // Generous criteria: the time limit (five times minTime) outlasts the run.
        state_->criteria[std::size_t(level)].minTime = 60 + flashes;
        state_->criteria[std::size_t(level)].targetTime = 2 * (60 + flashes);
        samples_.flashMs = cardParametersFor(level)->flashMs;
    }

    Samples run() {
        MainFrm form(*state_, platform_, navigator_, sounds_);
        form_ = &form;
        form.show();
        while (!form.windowHandle() || !form.windowHandle()->isExposed()) QApplication::processEvents();
        PaintWatch watch(form.findChild<QWidget *>(QStringLiteral("Picture2")),
                         form.findChild<QWidget *>(QStringLiteral("Picture1")));
        watch_ = &watch;
        // Connected after the window's own handler, so this runs once the cover is painted.
        QObject::connect(&form.Timer1, &QTimer::timeout, &form, [this] { covered(); });
        form.activate();  // the first card is the warm-up
        QApplication::exec();
        form.sTimer1.stop();
        return samples_;
    }

private:
    void nextCard() {
        const int paintsBefore = watch_->uncoveredPaints;
        const SteadyClock::time_point requested = SteadyClock::now();
        form_->command5();
        uncoveredAt_ = SteadyClock::now();
        samples_.latencyMs.push_back(msBetween(requested, uncoveredAt_));
        probe_ = probePoint();
        if (watch_->uncoveredPaints == paintsBefore || !probeIsRed()) ++samples_.unverified;
        coverPaintsBefore_ = watch_->coverPaints;
        measuring_ = true;
    }

    void covered() {
        const SteadyClock::time_point coveredAt = SteadyClock::now();
        if (measuring_) {
            samples_.paintedMs.push_back(msBetween(uncoveredAt_, coveredAt));
            if (watch_->coverPaints == coverPaintsBefore_ || (probe_ && probeIsRed())) ++samples_.unverified;
            measuring_ = false;
        }
        if (int(samples_.paintedMs.size()) >= flashes_) {
            QApplication::quit();
            return;
        }
        // Uneven pauses, so the flashes do not keep step with the one-second clock.
        const int pause = 40 + int(samples_.paintedMs.size() * 37 % 100);
        QTimer::singleShot(pause, Qt::PreciseTimer, form_, [this] { nextCard(); });
    }

    // The centre of a dot of the card not under the typed answer, or nothing (a lone dot under it).
    std::optional<QPoint> probePoint() const {
        const Card &card = form_->card();
        for (int cell : card.cells) {
            const QString name = QStringLiteral("%1_%2").arg(card.arranged ? "Shape2" : "Shape1").arg(cell);
            const QWidget *dot = form_->findChild<QWidget *>(name);
            if (!dot) continue;
            const QPoint at = dot->mapTo(form_, dot->rect().center());
            if (form_->childAt(at) == dot) return at;
        }
        return std::nullopt;
    }

    // What the window's backing store holds at the probe: red while the card shows.
    bool probeIsRed() const {
        if (!probe_) return true;
        const QImage pixel = form_->screen()->grabWindow(form_->winId(), probe_->x(), probe_->y(), 1, 1).toImage();
        return !pixel.isNull() && pixel.pixelColor(0, 0) == QColor(Qt::red);
    }

    int flashes_;
    std::unique_ptr<SharedState> state_ = std::make_unique<SharedState>();
    SystemClock clock_;
    RandomSource random_;
    QtMessageSink messages_;
    QtProgramEnd programEnd_;
    QtProgramStarter starter_;
    RecordingSoundPlayer sound_;  // silent
    EventPumpWaiter waiter_{clock_};
    Platform platform_{clock_, random_, messages_, programEnd_, starter_, sound_, waiter_};
    bench::IdleNavigator navigator_;
    SoundCues sounds_{*state_, platform_};

    MainFrm *form_ = nullptr;
    PaintWatch *watch_ = nullptr;
    Samples samples_;
    SteadyClock::time_point uncoveredAt_;
    std::optional<QPoint> probe_;
    int coverPaintsBefore_ = 0;
    bool measuring_ = false;
};

void printRow(const Samples &s) {
    const auto n = double(s.paintedMs.size());
    double sum = 0;
    double worst = 0;
    for (double d : s.paintedMs) {
        sum += d;
        worst = std::max(worst, std::abs(d - s.flashMs));
    }
    const double mean = sum / n;
    double squares = 0;
    for (double d : s.paintedMs) squares += (d - mean) * (d - mean);
    const double sd = n > 1 ? std::sqrt(squares / (n - 1)) : 0;
    double latencySum = 0;
    for (double l : s.latencyMs) latencySum += l;
    const double latencyMax = *std::max_element(s.latencyMs.begin(), s.latencyMs.end());
    std::printf("| %4d ms | %3zu | %8.3f | %+7.3f | %6.3f | %7.3f | %6.3f | %6.3f | %d |\n", s.flashMs,
                s.paintedMs.size(), mean, mean - s.flashMs, sd, worst, latencySum / double(s.latencyMs.size()),
                latencyMax, s.unverified);
}

}  // namespace
}  // namespace tsubura

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tsubura::installFontSubstitutions();
    const int flashes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;

    std::vector<tsubura::Samples> results;
    for (int level : {2, 5, 3, 4})  // 250, 300, 400 and 600 ms
        results.push_back(tsubura::FlashRun(level, flashes).run());

    std::printf("card painted: from the uncovered frame in the backing store to the covered one\n");
    std::printf("| flash | n | painted mean ms | mean error | sd | max abs error | uncover latency mean ms | max | unverified |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|\n");
    for (const tsubura::Samples &s : results) tsubura::printRow(s);
    return 0;
}
