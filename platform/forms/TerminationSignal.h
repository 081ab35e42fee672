#pragma once

#include <QObject>

#include <csignal>

class QSocketNotifier;

namespace forms {

// SIGTERM (the session ending, the system shutting down, a kill) as an event
// of the event loop: the handler only writes a byte into a pipe, and the
// notifier on its other end raises received() where any work may be done.
// One at a time; the previous handler comes back when it goes.
class TerminationSignal : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignal(QObject* parent = nullptr);
    ~TerminationSignal() override;
    TerminationSignal(const TerminationSignal&) = delete;
    TerminationSignal& operator=(const TerminationSignal&) = delete;

signals:
    void received();

private:
    void drain();

    int pipe_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
    struct sigaction previous_ = {};
};

} // namespace forms
