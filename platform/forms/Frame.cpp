#include "platform/forms/Frame.h"

#include "platform/forms/Captions.h"

#include <QMouseEvent>

namespace forms {

Frame::Frame(QWidget* parent, const QString& caption) : QGroupBox(parent)
{
    setCaption(caption);
}

void Frame::setCaption(const QString& caption)
{
    setTitle(caption);
    applyCaptionAccessibleName(*this, caption);
}

void Frame::mouseMoveEvent(QMouseEvent* event)
{
    QGroupBox::mouseMoveEvent(event);
    emit mouseMove(mouseArgsOf(*event));
}

} // namespace forms
