#include "platform/forms/ReSize.h"

#include <QEvent>
#include <QGroupBox>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace forms {

namespace {

// Edges are rounded, not sizes, so neighbours that touch at the design size
// still touch, and the design size gives back the design exactly.
QRect scaled(const QRectF& place, double x, double y)
{
    const int left = int(std::lround(place.left() * x));
    const int top = int(std::lround(place.top() * y));
    const int right = int(std::lround((place.left() + place.width()) * x));
    const int bottom = int(std::lround((place.top() + place.height()) * y));
    return {left, top, right - left, bottom - top};
}

} // namespace

ReSize::ReSize(QWidget& canvas, const QSize& designSize)
    : QObject(&canvas), canvas_(canvas), design_(designSize), canvasFontPoints_(canvas.font().pointSizeF())
{
    for (QObject* child : canvas.children()) {
        if (auto* widget = qobject_cast<QWidget*>(child); widget && !widget->isWindow())
            track(*widget);
    }
    canvas.installEventFilter(this);
    rescale();
}

double ReSize::fontScale() const
{
    return std::min(scaleX_, scaleY_);
}

void ReSize::track(QWidget& widget)
{
    Control control{&widget, {}, {}, 0.0};
    readBack(control);
    // A font of the control's own grows by itself; the others take the canvas's.
    if (widget.testAttribute(Qt::WA_SetFont) && widget.font().pointSizeF() > 0)
        control.fontPoints = widget.font().pointSizeF() / fontScale();
    widget.installEventFilter(this);
    controls_.push_back(control);
    // A frame's controls grow with it, in their places inside it; the inner
    // parts of other controls are their own business.
    if (qobject_cast<QGroupBox*>(&widget)) {
        for (QObject* child : widget.children()) {
            if (auto* inner = qobject_cast<QWidget*>(child); inner && !inner->isWindow())
                track(*inner);
        }
    }
}

void ReSize::readBack(Control& control)
{
    const QRect now = control.widget->geometry();
    control.applied = now;
    control.place = QRectF(now.x() / scaleX_, now.y() / scaleY_, now.width() / scaleX_, now.height() / scaleY_);
}

bool ReSize::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &canvas_) {
        if (event->type() == QEvent::Resize) {
            rescale();
        } else if (event->type() == QEvent::ChildAdded) {
            auto* widget = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child());
            if (widget && !widget->isWindow())
                track(*widget);
        } else if (event->type() == QEvent::ChildRemoved) {
            QObject* child = static_cast<QChildEvent*>(event)->child();
            std::erase_if(controls_, [child](const Control& control) { return control.widget == child; });
        }
        return QObject::eventFilter(watched, event);
    }
    // A control that code moves or sizes keeps that as its place from now on.
    if (!applying_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        for (Control& control : controls_) {
            if (control.widget == watched && control.widget->geometry() != control.applied)
                readBack(control);
        }
    }
    return QObject::eventFilter(watched, event);
}

void ReSize::rescale()
{
    if (design_.isEmpty())
        return;
    const double x = std::max(1.0, double(canvas_.width()) / design_.width());
    const double y = std::max(1.0, double(canvas_.height()) / design_.height());
    if (x == scaleX_ && y == scaleY_)
        return;
    // A hidden control hears of its moves only when shown; it is read here.
    std::erase_if(controls_, [](const Control& control) { return control.widget.isNull(); });
    for (Control& control : controls_) {
        if (control.widget->geometry() != control.applied)
            readBack(control);
    }
    scaleX_ = x;
    scaleY_ = y;
    applying_ = true;
    if (canvasFontPoints_ > 0) {
        QFont font = canvas_.font();
        font.setPointSizeF(canvasFontPoints_ * fontScale());
        canvas_.setFont(font);
    }
    for (Control& control : controls_)
        apply(control);
    applying_ = false;
}

void ReSize::apply(Control& control) const
{
    control.applied = scaled(control.place, scaleX_, scaleY_);
    control.widget->setGeometry(control.applied);
    if (control.fontPoints > 0) {
        QFont font = control.widget->font();
        font.setPointSizeF(control.fontPoints * fontScale());
        control.widget->setFont(font);
    }
}

} // namespace forms
