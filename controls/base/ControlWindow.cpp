#include "controls/base/ControlWindow.h"

#include "controls/base/Contained.h"
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
    if (event->type() == QEvent::ShortcutOverride) {
        bool passed = false;
        contained("key", [&] { passed = control_.preTranslateKey(*static_cast<QKeyEvent*>(event)); });
        if (passed) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

// Every handler of the control runs contained: a fault in the control's
// own code stays in the control and never ends its container.

void ControlWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    contained("paint", [&] { control_.onDraw(painter, rect(), event->rect()); });
}

bool ControlWindow::controlTakesKey(QKeyEvent& event, void (HostedControl::*handler)(QKeyEvent&))
{
    bool passed = false;
    contained("key", [&] {
        passed = control_.preTranslateKey(event);
        if (!passed)
            (control_.*handler)(event);
    });
    return !passed;
}

void ControlWindow::keyPressEvent(QKeyEvent* event)
{
    if (!controlTakesKey(*event, &HostedControl::onKeyDown))
        QWidget::keyPressEvent(event);
}

void ControlWindow::keyReleaseEvent(QKeyEvent* event)
{
    if (!controlTakesKey(*event, &HostedControl::onKeyUp))
        QWidget::keyReleaseEvent(event);
}

void ControlWindow::mousePressEvent(QMouseEvent* event)
{
    contained("mouse", [&] { control_.onMousePress(*event); });
}

void ControlWindow::mouseReleaseEvent(QMouseEvent* event)
{
    contained("mouse", [&] { control_.onMouseRelease(*event); });
}

void ControlWindow::mouseMoveEvent(QMouseEvent* event)
{
    contained("mouse", [&] {
        control_.onSetCursor();
        control_.onMouseMove(*event);
    });
}

void ControlWindow::enterEvent(QEnterEvent* event)
{
    contained("mouse", [&] { control_.onSetCursor(); });
    QWidget::enterEvent(event);
}

void ControlWindow::focusInEvent(QFocusEvent* event)
{
    contained("focus", [&] { control_.onFocusIn(*event); });
    QWidget::focusInEvent(event);
}

void ControlWindow::focusOutEvent(QFocusEvent* event)
{
    contained("focus", [&] { control_.onFocusOut(*event); });
    QWidget::focusOutEvent(event);
}

} // namespace controls
