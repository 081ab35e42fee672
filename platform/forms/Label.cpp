#include "platform/forms/Label.h"

#include "platform/forms/Captions.h"
#include "platform/forms/LabelAccessible.h"

#include <QMetaMethod>
#include <QMouseEvent>

namespace forms {

Label::Label(QWidget* parent, const QString& caption) : QLabel(parent)
{
    installLabelAccessibility();
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setCaption(caption);
}

// A label the window named for its role ("Term", "Definition") shows a
// text that changes; that text is its description, kept in step with it, so
// a screen reader hears the meaning and not only the role.
void Label::setCaption(const QString& caption)
{
    setText(caption);
    if (!applyCaptionAccessibleName(*this, caption) && accessibleDescription() != caption)
        setAccessibleDescription(caption);
}

bool Label::isClickable() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&Label::click));
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
