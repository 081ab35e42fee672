#include "platform/forms/Label.h"

#include "platform/forms/Captions.h"

#include <QMouseEvent>

namespace forms {

Label::Label(QWidget* parent, const QString& caption) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setCaption(caption);
}

void Label::setCaption(const QString& caption)
{
    setText(caption);
    applyCaptionAccessibleName(*this, caption);
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit click();
}

void Label::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLabel::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit dblClick();
}

} // namespace forms
