#pragma once

#include <QString>

#include <optional>

namespace benchsupport {

// Watches an X display for the windows of new processes: the time from a
// process's start to the first of its top-level windows being mapped, which
// is what a user sees as the program having come up. Windows are told apart
// by the process id the toolkit stamps on them (_NET_WM_PID).
class FirstWindowWatch {
public:
    FirstWindowWatch();
    ~FirstWindowWatch();
    FirstWindowWatch(const FirstWindowWatch&) = delete;
    FirstWindowWatch& operator=(const FirstWindowWatch&) = delete;

    // Whether an X display could be reached (DISPLAY set and answering).
    bool connected() const;

    // Starts `program` in `folder` and returns the
    // milliseconds until its first window was mapped; empty, with `problem`
    // said, when it never came within the patience given. The process is
    // ended (SIGTERM, then SIGKILL) and waited for before returning; that
    // part is not in the figure.
    std::optional<double> timeToFirstWindow(const QString& program, const QString& folder, int patienceMs,
                                            QString& problem);

private:
    struct Display;
    Display* display_;
};

} // namespace benchsupport
