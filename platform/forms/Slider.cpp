#include "platform/forms/Slider.h"

namespace forms {

Slider::Slider(QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    setTracking(false); // dragging reports the value once, when let go
    setTickPosition(QSlider::TicksBelow);
    connect(this, &QAbstractSlider::valueChanged, this, &Slider::change);
}

} // namespace forms
