#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace tsubura {

class ScaledForm;

// One level's column of the hub, top to bottom. All of it sits on one carrier widget, so
// scrolling moves the carrier only.
struct LevelColumn {
    QWidget *carrier = nullptr;
    QLabel *number = nullptr;        // Label1
    QLabel *title = nullptr;         // Label3, clicking it starts the level
    QPushButton *start = nullptr;    // Command4
    QLineEdit *overuse = nullptr;    // Text1, over the start button
    QLabel *todayHeader = nullptr;   // Label9
    QLabel *totalHeader = nullptr;   // Label10
    QLabel *todayLine = nullptr;     // Label14
    QLabel *totalLine = nullptr;     // Label15
    QLabel *recentLine = nullptr;    // Label8
    QLabel *targetLine = nullptr;    // Label7
    QListWidget *list = nullptr;     // List5
};

inline constexpr int kColumnWidth = 3456;
inline constexpr int kColumnTop = 2160;  // of the column area
inline constexpr int kColumnHeight = 8820;  // down to the scroll bar

// Builds the column of `level` inside `area`, a child of `form` (names `Label1_<level>` and so on),
// placed at `left` within the area.
LevelColumn buildLevelColumn(ScaledForm &form, QWidget *area, int level, const QString &levelName, int left);

}  // namespace tsubura
