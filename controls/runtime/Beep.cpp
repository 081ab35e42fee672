#include "controls/runtime/Beep.h"

#include <QApplication>

namespace qvrun {

namespace {

std::function<void()>& beepHandler()
{
    static std::function<void()> handler;
    return handler;
}

} // namespace

void messageBeep()
{
    if (beepHandler())
        beepHandler()();
    else
        QApplication::beep();
}

void setBeepHandler(std::function<void()> handler)
{
    beepHandler() = std::move(handler);
}

} // namespace qvrun
