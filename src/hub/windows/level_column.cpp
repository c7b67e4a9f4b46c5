#include "hub/windows/level_column.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "platform/fonts.h"
#include "platform/scaled_form.h"

namespace tsubura {
namespace {

constexpr int kNumberWidth = kColumnWidth / 5;  // 20% of the column, the title the rest
constexpr int kHalf = kColumnWidth / 2;

QLabel *columnLabel(ScaledForm &form, QWidget *carrier, const QString &name, int level, QRect design, double points,
                    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto *l = new QLabel(carrier);
    l->setObjectName(QStringLiteral("%1_%2").arg(name).arg(level));
    l->setFont(designFont(kPGothic));
    l->setAlignment(alignment);
    form.place(l, design.left(), design.top(), design.width(), design.height(), points);
    return l;
}

}  // namespace

LevelColumn buildLevelColumn(ScaledForm &form, QWidget *area, int level, const QString &levelName, int left) {
    LevelColumn c;
    c.carrier = new QWidget(area);
    c.carrier->setObjectName(QStringLiteral("Column_%1").arg(level));
    form.place(c.carrier, left, 0, kColumnWidth, kColumnHeight);

    c.number = columnLabel(form, c.carrier, QStringLiteral("Label1"), level, {0, 0, kNumberWidth, 480}, 16,
                           Qt::AlignCenter);
    c.number->setFont(designFont(kGothic, true));
    setColours(c.number, QColor(0, 96, 96), Qt::white);
    c.title = columnLabel(form, c.carrier, QStringLiteral("Label3"), level,
                          {kNumberWidth, 0, kColumnWidth - kNumberWidth, 480}, 13, Qt::AlignCenter);
    c.title->setFont(designFont(kPGothic, true));
    setColours(c.title, QColor(0, 128, 128), QColor(255, 255, 0));
    c.title->setCursor(Qt::PointingHandCursor);

    c.start = new QPushButton(c.carrier);
    c.start->setObjectName(QStringLiteral("Command4_%1").arg(level));
    c.start->setFont(designFont(kPGothic, true));
    c.start->setToolTip(QStringLiteral("クリックしてスタートします。番号を押してもよろしい"));
    form.place(c.start, 0, 540, kColumnWidth, 600, 15);

    c.overuse = new QLineEdit(c.carrier);
    c.overuse->setObjectName(QStringLiteral("Text1_%1").arg(level));
    c.overuse->setReadOnly(true);
    c.overuse->setFocusPolicy(Qt::NoFocus);
    c.overuse->setAlignment(Qt::AlignCenter);
    c.overuse->setFont(designFont(kGothic, true));
    setColours(c.overuse, QColor(255, 255, 192), QColor(220, 0, 0));
    form.place(c.overuse, 0, 540, kColumnWidth, 600, 15);
    c.overuse->hide();

    c.todayHeader = columnLabel(form, c.carrier, QStringLiteral("Label9"), level, {0, 1200, kHalf, 270}, 9,
                                Qt::AlignCenter);
    c.totalHeader = columnLabel(form, c.carrier, QStringLiteral("Label10"), level, {kHalf, 1200, kHalf, 270}, 9,
                                Qt::AlignCenter);
    c.todayLine = columnLabel(form, c.carrier, QStringLiteral("Label14"), level, {0, 1470, kHalf, 300}, 10.5,
                              Qt::AlignCenter);
    c.totalLine = columnLabel(form, c.carrier, QStringLiteral("Label15"), level, {kHalf, 1470, kHalf, 300}, 10.5,
                              Qt::AlignCenter);
    c.recentLine = columnLabel(form, c.carrier, QStringLiteral("Label8"), level, {0, 1800, kColumnWidth, 300}, 9.75);
    c.targetLine = columnLabel(form, c.carrier, QStringLiteral("Label7"), level, {0, 2130, kColumnWidth, 300}, 9.75);

    c.list = new QListWidget(c.carrier);
    c.list->setObjectName(QStringLiteral("List5_%1").arg(level));
    c.list->setFont(designFont(kGothic));
    c.list->setFocusPolicy(Qt::NoFocus);
    c.list->setUniformItemSizes(true);  // one font, one line each: lays out 2000 lines at once
    c.list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    form.place(c.list, 0, 2490, kColumnWidth, kColumnHeight - 2490, 10);

    c.title->setText(levelName);
    c.title->setToolTip(levelName);
    c.start->setText(QStringLiteral("ｽﾀｰﾄ(&%1)").arg(level));
    c.todayHeader->setText(QString::number(level));
    c.totalHeader->setText(QString::number(level));
    c.number->setText(QString::number(level));
    return c;
}

}  // namespace tsubura
