#include "FirstWindow.h"

#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace benchsupport {

namespace {

using Clock = std::chrono::steady_clock;

// How long one wait for the display lasts before the process is looked at.
constexpr auto pollInterval = std::chrono::microseconds(2000);

// The window's process id as the toolkit stamped it, or 0.
std::uint32_t pidOf(xcb_connection_t* c, xcb_get_property_cookie_t cookie)
{
    xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr);
    std::uint32_t pid = 0;
    if (reply && reply->format == 32 && xcb_get_property_value_length(reply) >= 4)
        std::memcpy(&pid, xcb_get_property_value(reply), sizeof pid);
    free(reply);
    return pid;
}

// The child's environment: ours, with the window system named, since a
// headless bench would otherwise hand its offscreen choice down.
std::vector<std::string> childEnvironment()
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0)
            env.emplace_back(*e);
    env.emplace_back("QT_QPA_PLATFORM=xcb");
    return env;
}

// Ends the process and waits for it; a process that will not end is killed.
void endProcess(pid_t pid)
{
    kill(pid, SIGTERM);
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (Clock::now() < deadline) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

} // namespace

struct FirstWindowWatch::Display {
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
    xcb_atom_t pidAtom = 0;

    // Whether `window` was made by process `pid`.
    bool belongsTo(xcb_window_t window, pid_t pid) const
    {
        const auto cookie = xcb_get_property(connection, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1);
        return pidOf(connection, cookie) == static_cast<std::uint32_t>(pid);
    }

    // Waits up to `wait` for a top-level window of `pid` to be mapped. The
    // display tells of each mapping as it happens, so the watch adds no load
    // to the server the program is talking to.
    bool waitForMappedWindow(pid_t pid, std::chrono::microseconds wait) const
    {
        pollfd fd{xcb_get_file_descriptor(connection), POLLIN, 0};
        ::poll(&fd, 1, int(std::max<std::int64_t>(1, wait.count() / 1000)));
        bool mapped = false;
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                mapped = mapped || (map->event == root && belongsTo(map->window, pid));
            }
            free(event);
        }
        return mapped;
    }

    // Forgets the mappings of earlier processes.
    void drain() const
    {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection))
            free(event);
    }
};

FirstWindowWatch::FirstWindowWatch() : display_(new Display)
{
    display_->connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(display_->connection))
        return;
    display_->root = xcb_setup_roots_iterator(xcb_get_setup(display_->connection)).data->root;
    const char name[] = "_NET_WM_PID";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        display_->connection, xcb_intern_atom(display_->connection, 0, sizeof name - 1, name), nullptr);
    if (atom)
        display_->pidAtom = atom->atom;
    free(atom);
    // Told of every window mapped on the screen, rather than asking.
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(display_->connection, display_->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(display_->connection);
}

FirstWindowWatch::~FirstWindowWatch()
{
    xcb_disconnect(display_->connection);
    delete display_;
}

bool FirstWindowWatch::connected() const
{
    return !xcb_connection_has_error(display_->connection) && display_->pidAtom != 0;
}

std::optional<double> FirstWindowWatch::timeToFirstWindow(const QString& program, const QString& folder,
                                                          int patienceMs, QString& problem)
{
    if (!connected()) {
        problem = QStringLiteral("no X display to watch");
        return std::nullopt;
    }
    std::string path = program.toStdString();
    std::vector<char*> argv{path.data(), nullptr};
    std::vector<std::string> env = childEnvironment();
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string dir = folder.toStdString();
    posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());

    display_->drain();
    const Clock::time_point started = Clock::now();
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed) {
        problem = QStringLiteral("could not start %1: %2").arg(program, QString::fromLocal8Bit(strerror(failed)));
        return std::nullopt;
    }

    std::optional<double> ms;
    const auto deadline = started + std::chrono::milliseconds(patienceMs);
    while (Clock::now() < deadline) {
        if (display_->waitForMappedWindow(pid, pollInterval)) {
            ms = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
            break;
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            problem = QStringLiteral("%1 ended before it showed a window").arg(program);
            return std::nullopt;
        }
    }
    endProcess(pid);
    if (!ms)
        problem = QStringLiteral("%1 showed no window within %2 ms").arg(program).arg(patienceMs);
    return ms;
}

} // namespace benchsupport
