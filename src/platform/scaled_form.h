#pragma once

#include <QFont>
#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

namespace tsubura {

// The windows are laid out in 1/1440-inch units on a design surface (15360 × 11520 for the main
// windows: 1024 × 768 pixels at 15 units a pixel). A ScaledForm places each child at its design
// rectangle and font size times one factor, min(width / designWidth, height / designHeight),
// so a window made for 1024 × 768 fills a 1920 × 1080 classroom screen proportionally.
class ScaledForm : public QWidget {
public:
    explicit ScaledForm(int designWidth = 15360, int designHeight = 11520, QWidget *parent = nullptr);

    // Places `child` (a descendant of this form) at a rectangle in design units, relative to its
    // parent; with fontPoints > 0 its font size follows the scale too.
    void place(QWidget *child, int left, int top, int width, int height, double fontPoints = 0);
    void setFontPoints(QWidget *child, double fontPoints);
    // Changes the design width of a placed child (a growing bar) without adding a placement.
    void setDesignWidth(QWidget *child, int width);
    // Moves a placed child to another design left edge (a column that scrolls).
    void setDesignLeft(QWidget *child, int left);

    // Pixels per design unit.
    double scale() const { return scale_; }
    QSize designSize() const { return {designWidth_, designHeight_}; }
    // The pixel size of a design rectangle at the current scale.
    QRect scaled(const QRect &design) const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Placement {
        QWidget *widget;
        QRect design;
        double fontPoints;
    };
    void apply(const Placement &placement) const;

    int designWidth_;
    int designHeight_;
    double scale_;
    QList<Placement> placements_;
};

// Sets a widget's background and text colours; an invalid colour leaves that one as it is.
void setColours(QWidget *widget, const QColor &background, const QColor &text = QColor());

// A colour from the 32-bit window colour value with red in the low byte.
QColor colourFromValue(unsigned value);

}  // namespace tsubura
