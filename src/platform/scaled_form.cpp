#include "platform/scaled_form.h"

#include <QPalette>
#include <QResizeEvent>
#include <cmath>

namespace tsubura {

ScaledForm::ScaledForm(int designWidth, int designHeight, QWidget *parent)
    : QWidget(parent), designWidth_(designWidth), designHeight_(designHeight), scale_(1.0 / 15.0) {
    resize(int(std::lround(designWidth_ * scale_)), int(std::lround(designHeight_ * scale_)));
}

QRect ScaledForm::scaled(const QRect &d) const {
    const auto px = [this](int units) { return int(std::lround(units * scale_)); };
    const int left = px(d.left()), top = px(d.top());
    return {left, top, std::max(1, px(d.left() + d.width()) - left), std::max(1, px(d.top() + d.height()) - top)};
}

void ScaledForm::apply(const Placement &p) const {
    if (!p.design.isNull()) p.widget->setGeometry(scaled(p.design));
    if (p.fontPoints > 0) {
        QFont font = p.widget->font();
        // A point is 20 design units.
        font.setPixelSize(std::max(1, int(std::lround(p.fontPoints * 20 * scale_))));
        p.widget->setFont(font);
    }
}

void ScaledForm::place(QWidget *child, int left, int top, int width, int height, double fontPoints) {
    placements_.append({child, QRect(left, top, width, height), fontPoints});
    apply(placements_.last());
}

void ScaledForm::setDesignWidth(QWidget *child, int width) {
    for (Placement &p : placements_) {
        if (p.widget == child && !p.design.isNull()) {
            p.design.setWidth(width);
            apply(p);
            return;
        }
    }
}

void ScaledForm::setDesignLeft(QWidget *child, int left) {
    for (Placement &p : placements_) {
        if (p.widget == child && !p.design.isNull()) {
            p.design.moveLeft(left);
            apply(p);
            return;
        }
    }
}

void ScaledForm::setFontPoints(QWidget *child, double fontPoints) {
    for (Placement &p : placements_) {
        if (p.widget == child) {
            p.fontPoints = fontPoints;
            apply(p);
            return;
        }
    }
    placements_.append({child, QRect(), fontPoints});
    apply(placements_.last());
}

void ScaledForm::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    scale_ = std::min(double(width()) / designWidth_, double(height()) / designHeight_);
    for (const Placement &p : placements_) apply(p);
}

void setColours(QWidget *widget, const QColor &background, const QColor &text) {
    QPalette palette = widget->palette();
    if (background.isValid()) {
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::Base, background);
        palette.setColor(QPalette::Button, background);
        widget->setAutoFillBackground(true);
    }
    if (text.isValid()) {
        palette.setColor(QPalette::WindowText, text);
        palette.setColor(QPalette::Text, text);
        palette.setColor(QPalette::ButtonText, text);
    }
    widget->setPalette(palette);
}

QColor colourFromValue(unsigned value) { return QColor(int(value & 0xff), int((value >> 8) & 0xff), int((value >> 16) & 0xff)); }

}  // namespace tsubura
