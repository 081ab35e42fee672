#include "controls/optionbutton/OptionWindowHooks.h"

#include "controls/base/Contained.h"
#include "controls/optionbutton/CQv3dOptionCtrl.h"

#include <QApplication>
#include <QFocusEvent>
#include <QWidget>

namespace qv3dopt {

OptionWindowHooks::OptionWindowHooks(CQv3dOptionCtrl& control, QWidget* window) : control_(control), window_(window)
{
    window->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &OptionWindowHooks::focusChanged);
}

bool OptionWindowHooks::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != window_)
        return false;
    if (event->type() == QEvent::FocusIn) {
        // The widget it came from is told after the event: wait for it.
        focusArriving_ = true;
        reason_ = static_cast<QFocusEvent*>(event)->reason();
    } else if (event->type() == QEvent::FocusOut) {
        focusArriving_ = false;
        controls::contained("focus", [this] { control_.onKillFocus(QApplication::focusWidget()); });
    }
    return false;
}

void OptionWindowHooks::focusChanged(QWidget* old, QWidget* now)
{
    if (!focusArriving_ || now != window_)
        return;
    focusArriving_ = false;
    controls::contained("focus", [&] { control_.onSetFocus(old, reason_); });
}

} // namespace qv3dopt
