#include "platform/forms/Timer.h"

#include "platform/core/Errors.h"

#include <QPointer>

namespace forms {

Timer::Timer(QObject* parent, int interval, bool enabled) : QObject(parent), interval_(interval), enabled_(enabled)
{
    if (interval < 0)
        throw platform::errors::invalidPropertyValue();
    connect(&clock_, &QTimer::timeout, this, &Timer::fire);
    restart();
}

void Timer::setInterval(int milliseconds)
{
    if (milliseconds < 0)
        throw platform::errors::invalidPropertyValue();
    interval_ = milliseconds;
    restart();
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    restart();
}

void Timer::restart()
{
    if (enabled_ && interval_ > 0)
        clock_.start(interval_);
    else
        clock_.stop();
}

void Timer::fire()
{
    if (inStep_)
        return;
    inStep_ = true;
    QPointer<Timer> alive(this);
    emit timer();
    if (alive)
        inStep_ = false;
}

} // namespace forms
