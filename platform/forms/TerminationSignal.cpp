#include "platform/forms/TerminationSignal.h"

#include <QSocketNotifier>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace forms {

namespace {

// The signal handler can reach nothing but a plain value; it is the pipe's
// writing end of the one TerminationSignal there is.
volatile std::sig_atomic_t writeEnd = -1;

extern "C" void onTerminate(int)
{
    const int saved = errno;
    const char byte = 1;
    if (writeEnd >= 0) {
        const ssize_t written = ::write(writeEnd, &byte, 1); // a full pipe already holds the news
        (void)written;
    }
    errno = saved;
}

} // namespace

TerminationSignal::TerminationSignal(QObject* parent) : QObject(parent)
{
    Q_ASSERT_X(writeEnd < 0, "TerminationSignal", "one at a time");
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    writeEnd = pipe_[1];
    notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignal::drain);

    struct sigaction action = {};
    action.sa_handler = onTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, &previous_);
}

TerminationSignal::~TerminationSignal()
{
    if (pipe_[0] < 0)
        return;
    ::sigaction(SIGTERM, &previous_, nullptr);
    writeEnd = -1;
    delete notifier_;
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

void TerminationSignal::drain()
{
    char bytes[16];
    bool any = false;
    while (::read(pipe_[0], bytes, sizeof bytes) > 0)
        any = true;
    if (any)
        emit received();
}

} // namespace forms
