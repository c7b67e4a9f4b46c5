#pragma once

#include <QList>
#include <QString>
#include <QTimer>
#include <array>

#include "exercise/card_generator.h"
#include "exercise/card_parameters.h"
#include "platform/scaled_form.h"

class QLabel;
class QFrame;

namespace tsubura {

struct SharedState;
struct Platform;
class Navigator;
class SoundCues;

// The number at the start of a typed answer: leading spaces skipped, a sign and a decimal point
// allowed, 0 when there is none.
double leadingNumber(const QString &text);

// The exercise window: flashes dot cards, takes the typed counts, keeps the clock and the lamps,
// and hands the finished run to recording.
class MainFrm : public ScaledForm {
    Q_OBJECT

public:
    MainFrm(SharedState &state, Platform &platform, Navigator &navigator, SoundCues &sounds,
            QWidget *parent = nullptr);

    // The activation order: settings, cards per exercise, clock, first card.
    void activate();

    void 初期設定();
    void レベル別設定();
    void スタート();
    void 問題作成表示();
    void 判定();
    void 判定後処理();
    void command4();        // make a card while the cover is on
    void command5();        // next card
    void command6();        // see again
    void commandkakunin();  // confirm after a wrong answer
    void endOfExercise();

    void timer1Fired();
    void timer2Fired();
    void sTimer1Tick();
    void sTimer2Tick();

    // One typed character (or space / backspace) as the key table handles it.
    void handleKey(int key, const QString &text);

    const QString &typedAnswer() const { return typed_; }
    const Card &card() const { return card_; }
    bool covered() const;

    QTimer Timer1;
    QTimer Timer2;
    QTimer sTimer1;
    QTimer sTimer2;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLabel *label(QWidget *parent, const QString &name, const QString &text, int left, int top, int width,
                  int height, double points, bool bold = false);
    double clockSeconds() const;
    int minutesSinceLogin() const;
    void showTyped();
    void colourPanels(unsigned value);
    void clearLastRun();
    void uncoverAndFlash();
    void startAwaitedFlash();

    SharedState &state_;
    Platform &platform_;
    Navigator &navigator_;
    SoundCues &sounds_;

    QString typed_;
    Card card_;
    CardParameters params_;

    QWidget *sPicture1_ = nullptr;
    QWidget *sPicture2_ = nullptr;
    QLabel *lblsss1_ = nullptr;
    QLabel *lblsss2_ = nullptr;
    QLabel *sLabel2_ = nullptr;
    QLabel *sLabel7_ = nullptr;
    QLabel *sLabel14_ = nullptr;
    QLabel *sLabel8_ = nullptr;
    QLabel *sLabel9_ = nullptr;
    QLabel *sLabel10_ = nullptr;
    QLabel *sLabel11_ = nullptr;
    QLabel *sLabel12_ = nullptr;
    QLabel *sLabel13_ = nullptr;
    QWidget *sShape5_ = nullptr;
    QWidget *sShape4_ = nullptr;
    QWidget *sShape3_ = nullptr;
    QWidget *sShape2_ = nullptr;
    QWidget *sShape7_ = nullptr;
    std::array<QWidget *, 40> lamps_{};  // entries 10..39
    QWidget *picture2_ = nullptr;
    QWidget *picture3_ = nullptr;
    QWidget *picture1_ = nullptr;
    QList<QWidget *> shape1_;  // entries 1..109 at index entry - 1
    QList<QWidget *> shape2_;  // entries 1..30
    QLabel *inputLabel_ = nullptr;
    QLabel *label1_ = nullptr;
    QLabel *label4_ = nullptr;
    QLabel *label3_ = nullptr;

    bool uncoveredPainted_ = false;  // the card panel has painted since the cover came off
    bool flashAwaitsPaint_ = false;  // Timer1 waits for the uncovered frame
};

}  // namespace tsubura
