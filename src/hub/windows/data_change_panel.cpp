#include "hub/windows/data_change_panel.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/fonts.h"
#include "platform/scaled_form.h"

namespace tsubura {

DataChangePanel buildDataChangePanel(ScaledForm &form) {
    DataChangePanel d;
    auto *frame = new QFrame(&form);
    frame->setFrameShape(QFrame::Box);
    frame->setLineWidth(2);
    d.panel = frame;
    d.panel->setObjectName(QStringLiteral("Picture8"));
    setColours(d.panel, QColor(255, 255, 224));
    form.place(d.panel, 8880, 1320, 6360, 2760);

    const auto caption = [&](const QString &name, const QString &text, int top) {
        auto *l = new QLabel(text, d.panel);
        l->setObjectName(name);
        l->setFont(designFont(kPGothic, true));
        form.place(l, 240, top, 5880, 360, 11);
    };
    caption(QStringLiteral("Label19"), QStringLiteral("データ変更パスワード"), 120);
    d.password = new QLineEdit(d.panel);
    d.password->setObjectName(QStringLiteral("Text2"));
    d.password->setEchoMode(QLineEdit::Password);
    form.place(d.password, 240, 540, 3600, 420, 12);
    caption(QStringLiteral("Label20"), QStringLiteral("KeyPassの場所"), 1080);

    const QString texts[2] = {QStringLiteral("データ変更"), QStringLiteral("合格タイムデータ変更")};
    const int lefts[2] = {240, 2400};
    const int widths[2] = {2040, 3720};
    for (int i = 0; i < 2; ++i) {
        d.tools[i] = new QPushButton(texts[i], d.panel);
        d.tools[i]->setObjectName(QStringLiteral("Command9_%1").arg(i));
        d.tools[i]->setFont(designFont(kPGothic));
        form.place(d.tools[i], lefts[i], 1620, widths[i], 480, 11);
    }
    d.back = new QPushButton(QStringLiteral("戻る"), d.panel);
    d.back->setObjectName(QStringLiteral("Command10"));
    d.back->setFont(designFont(kPGothic));
    form.place(d.back, 4440, 2220, 1680, 420, 11);

    d.panel->hide();
    return d;
}

}  // namespace tsubura
