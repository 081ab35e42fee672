#include "controls/base/ControlWindow.h"

#include "controls/base/ControlAccessible.h"
#include "controls/base/HostedControl.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

namespace controls {

ControlWindow::ControlWindow(HostedControl& control, QWidget* parent) : QWidget(parent), control_(control)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (const auto text = control_.accessibleText()) {
        spokenText_ = text->text;
        spokenCaret_ = text->caret;
    }
    addAccessibleWindow(this);
}

ControlWindow::~ControlWindow()
{
    removeAccessibleWindow(this);
}

void ControlWindow::announceText()
{
    const auto text = control_.accessibleText();
    if (!text)
        return;
    if (text->text != spokenText_) {
        QAccessibleTextUpdateEvent event(this, 0, spokenText_, text->text);
        event.setCursorPosition(text->caret);
        spokenText_ = text->text;
        spokenCaret_ = text->caret;
        announce(event);
    } else if (text->caret != spokenCaret_) {
        // The caret moved to another field: the reader says where it is.
        QAccessibleTextCursorEvent event(this, text->caret);
        spokenCaret_ = text->caret;
        announce(event);
    }
}

bool ControlWindow::event(QEvent* event)
{
    // A key the control passes to its window must not be taken by a
    // shortcut of the container first.
    if (event->type() == QEvent::ShortcutOverride && control_.preTranslateKey(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void ControlWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    control_.onDraw(painter, rect(), event->rect());
}

void ControlWindow::keyPressEvent(QKeyEvent* event)
{
    if (control_.preTranslateKey(*event))
        QWidget::keyPressEvent(event);
    else
        control_.onKeyDown(*event);
}

void ControlWindow::keyReleaseEvent(QKeyEvent* event)
{
    if (control_.preTranslateKey(*event))
        QWidget::keyReleaseEvent(event);
    else
        control_.onKeyUp(*event);
}

void ControlWindow::mousePressEvent(QMouseEvent* event) { control_.onMousePress(*event); }
void ControlWindow::mouseReleaseEvent(QMouseEvent* event) { control_.onMouseRelease(*event); }

void ControlWindow::mouseMoveEvent(QMouseEvent* event)
{
    control_.onSetCursor();
    control_.onMouseMove(*event);
}

void ControlWindow::enterEvent(QEnterEvent* event)
{
    control_.onSetCursor();
    QWidget::enterEvent(event);
}

void ControlWindow::focusInEvent(QFocusEvent* event)
{
    control_.onFocusIn(*event);
    QWidget::focusInEvent(event);
}

void ControlWindow::focusOutEvent(QFocusEvent* event)
{
    control_.onFocusOut(*event);
    QWidget::focusOutEvent(event);
}

} // namespace controls
