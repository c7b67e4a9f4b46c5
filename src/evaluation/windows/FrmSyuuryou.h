#pragma once

#include <QTimer>

#include "platform/scaled_form.h"

class QLabel;
class QPushButton;

namespace tsubura {

struct SharedState;
struct Platform;
class Navigator;
class SoundCues;

// The judgement screen after a recorded run: time, points, records and the level's clear, with
// their fanfares; then "メニューへ" back to the hub or "もう一度" on the same level.
class FrmSyuuryou : public ScaledForm {
    Q_OBJECT

public:
    FrmSyuuryou(SharedState &state, Platform &platform, Navigator &navigator, SoundCues &sounds,
                QWidget *parent = nullptr);

    // Runs once per exercise, after the window is shown.
    void activate();

    void timer1Fired();
    void command4Clicked();  // メニューへ
    void command5Clicked();  // もう一度

    QTimer Timer1;

private:
    QLabel *label(const QString &name, int left, int top, int width, double points, bool bold = false);
    bool levelIsCleared() const;
    bool goalLevelCanBeCleared() const;
    void playOutcome();

    SharedState &state_;
    Platform &platform_;
    Navigator &navigator_;
    SoundCues &sounds_;

    QLabel *Label15;
    QLabel *Label16;
    QLabel *Label17;
    QLabel *Label18;
    QLabel *Label19;
    QLabel *Label13;
    QLabel *Label14;
    QLabel *Label20;
    QLabel *Label2;
    QWidget *Picture1;
    QLabel *Label1;
    QPushButton *Command4;
    QPushButton *Command5;
};

}  // namespace tsubura
