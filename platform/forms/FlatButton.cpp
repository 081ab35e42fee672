#include "platform/forms/FlatButton.h"

#include "platform/core/Errors.h"
#include "platform/forms/Captions.h"

#include <QMouseEvent>
#include <QShortcutEvent>

namespace forms {

FlatButton::FlatButton(QWidget* parent, const QString& caption) : Label(parent)
{
    setAlignment(Qt::AlignCenter);
    setMouseTracking(true);
    setLineWidth(2);
    setCursor(Qt::PointingHandCursor);
    setCaption(caption);
}

void FlatButton::setCaption(const QString& caption)
{
    caption_ = caption;
    Label::setCaption(stripMnemonic(caption));
    if (accessKeyId_ != 0) {
        releaseShortcut(accessKeyId_);
        accessKeyId_ = 0;
    }
    if (const QKeySequence key = accessKeyOf(caption); !key.isEmpty())
        accessKeyId_ = grabShortcut(key, Qt::WindowShortcut);
}

bool FlatButton::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut && static_cast<QShortcutEvent*>(event)->shortcutId() == accessKeyId_) {
        emit click();
        return true;
    }
    return Label::event(event);
}

void FlatButton::setLook(int look)
{
    if (look < Plain || look > Hover)
        throw platform::errors::invalidPropertyValue();
    look_ = look;
    switch (look) {
    case Pressed:
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        break;
    case Hover:
        setFrameStyle(QFrame::Panel | QFrame::Raised);
        break;
    default:
        setFrameStyle(QFrame::NoFrame);
        break;
    }
}

void FlatButton::mousePressEvent(QMouseEvent* event)
{
    Label::mousePressEvent(event);
    emit mouseDown(mouseArgsOf(*event));
}

// Taken here: passed on, a move over the button would reach the frame
// around it as a move over the frame.
void FlatButton::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    emit mouseMove(mouseArgsOf(*event));
}

void FlatButton::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseUp(mouseArgsOf(*event));
    Label::mouseReleaseEvent(event); // the click comes after the release, as on every button
}

} // namespace forms
