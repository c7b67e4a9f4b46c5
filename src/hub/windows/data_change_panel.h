#pragma once

class QLineEdit;
class QPushButton;
class QWidget;

namespace tsubura {

class ScaledForm;

// The teacher's way in: a password box and the two tool buttons, on a panel over the hub.
struct DataChangePanel {
    QWidget *panel = nullptr;        // Picture8
    QLineEdit *password = nullptr;   // Text2
    QPushButton *tools[2] = {};      // Command9_0 "データ変更", Command9_1 "合格タイムデータ変更"
    QPushButton *back = nullptr;     // Command10 "戻る"
};

// Built hidden.
DataChangePanel buildDataChangePanel(ScaledForm &form);

}  // namespace tsubura
