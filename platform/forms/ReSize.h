#pragma once

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QRectF>
#include <QSize>

#include <vector>

class QWidget;

namespace forms {

// The resizing control of a window's canvas: the controls on the canvas grow
// with it, each place, size and font in proportion to the canvas's design
// size, and the controls inside a frame with the frame. At the design size
// and below (where the canvas scrolls) every control has its design place and
// font. Places and sizes follow the canvas's width
// and height on their own; fonts follow the smaller of the two, so a caption
// still fits its button.
//
// It takes the design from the controls as they stand when it is made; a
// control placed or added later by code is taken at its new place, read back
// to the design size.
class ReSize : public QObject {
    Q_OBJECT
public:
    ReSize(QWidget& canvas, const QSize& designSize);

    QSize designSize() const { return design_; }
    double horizontalScale() const { return scaleX_; }
    double verticalScale() const { return scaleY_; }
    double fontScale() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Control {
        QPointer<QWidget> widget;
        QRectF place;      // at the design size
        QRect applied;     // what this control set last, so its own moves are not read back
        double fontPoints; // the control's own font at the design size; 0 when it takes the canvas's
    };

    void track(QWidget& widget);
    void readBack(Control& control);
    void rescale();
    void apply(Control& control) const;

    QWidget& canvas_;
    QSize design_;
    double canvasFontPoints_;
    double scaleX_ = 1.0;
    double scaleY_ = 1.0;
    std::vector<Control> controls_;
    bool applying_ = false;
};

} // namespace forms
