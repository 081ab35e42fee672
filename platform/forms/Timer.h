#pragma once

#include <QObject>
#include <QTimer>

namespace forms {

// A window's timer: runs its timer() step every interval milliseconds while
// enabled and the interval is above 0. A step that is still running (one that
// processes events, for instance) is not entered again by the next tick.
// Tests call fire() to run the step at once instead of waiting.
class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* parent = nullptr, int interval = 0, bool enabled = true);

    int interval() const { return interval_; }
    void setInterval(int milliseconds); // restarts the count; throws 380 below 0
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    // Whether ticks are coming: enabled with an interval above 0.
    bool isRunning() const { return clock_.isActive(); }

    void fire();

signals:
    void timer();

private:
    void restart();

    QTimer clock_;
    int interval_ = 0;
    bool enabled_ = true;
    bool inStep_ = false;
};

} // namespace forms
