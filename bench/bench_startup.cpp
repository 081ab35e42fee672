// The program's start up to its main table of contents, beside the start of a
// bare Qt program in the same process:
//   StartUp_Program - the program on a fresh copy of the sample program
//                     folder: the App made, the start-up step run (database
//                     check, splash shown and painted), the splash's hand-over
//                     fired at once instead of after its fixed wait, events
//                     processed until the main table of contents is shown,
//                     painted and the program's active window;
//   StartUp_BareQt  - a window with a label shown and events processed until
//                     it is painted.
// Laying out the folder and tearing the program down are left out of the
// timing. Both run in one warm process: what a process pays once (fonts,
// style, platform plugin) falls into the first runs, which the library drops
// while it sizes a case; a run of one iteration each (the smoke test) shows
// the cold start instead.
//
// What a user waits for is the cold start of a new process, so two more
// cases time that, from the process's start to its first window mapped on
// the X display, watched from outside:
//   StartUp_ProgramProcess - the program's executable started on a fresh
//                            copy of its folder (the splash is its first window);
//   StartUp_BareQtProcess  - a bare Qt program showing one window with a label.
// They need an X display (DISPLAY) and are left out without one.
// DRILLBOOK_BENCH_PROGRAM_FOLDER names another build's program folder to
// start instead of this build's, to compare two builds on one machine.
//
// The in-process windows need a GUI: without a platform given, that part of
// the run is headless.

#include "BareWindow.h"
#include "FirstWindow.h"
#include "support/ProgramFolder.h"

#include "contents/StartUp.h"
#include "contents/frmContents.h"
#include "contents/frmSplash.h"
#include "platform/com/ClassStore.h"
#include "platform/forms/App.h"
#include "platform/forms/Application.h"
#include "platform/forms/ScriptedDialogs.h"
#include "platform/forms/Timer.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QWidget>
#include <QWindow>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace {

using contents::frmContents;
using contents::frmSplash;

// Longer than any start could take; a start that never gets there is a fault, not a figure.
constexpr int kPatienceMs = 10000;

// The running program, its boxes scripted so none can wait for a user.
struct Program {
    explicit Program(const QString& folder) : app(folder), boxes(app.dialogs()) {}

    forms::App app;
    forms::ScriptedDialogs boxes;
};

bool painted(const QWidget& window)
{
    return window.isVisible() && window.windowHandle() && window.windowHandle()->isExposed();
}

// Processes events until `done`; false when it never came.
bool processEventsUntil(const std::function<bool()>& done)
{
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > kPatienceMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// Lets the event loop destroy what was deleted later, as it would after a window closes.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// ---- StartUp ------------------------------------------------------------------

// The program's start, timed from the App's making to its home window being
// active; empty when it got there, otherwise what went wrong.
QString startProgram(std::optional<Program>& program, const QString& folder)
{
    program.emplace(folder);
    if (!contents::startUp(program->app))
        return QStringLiteral("the program did not start");
    // The splash is on screen for its whole wait; its picture is painted before the hand-over.
    frmSplash& splash = program->app.form<frmSplash>();
    if (!processEventsUntil([&] { return painted(splash); }))
        return QStringLiteral("the splash was never shown");
    splash.Timer1->fire();
    frmContents& home = program->app.form<frmContents>();
    if (!processEventsUntil([&] { return painted(home) && program->app.activeForm() == &home; }))
        return QStringLiteral("the table of contents never became the active window");
    return {};
}

// Timing may be paused and resumed only while no error is set, so a failure
// is reported once the iteration's untimed work is done.
void StartUp_Program(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        // A fresh copy each time, so every start opens a database file no earlier start has touched.
        auto folder = std::make_unique<testsupport::ProgramFolder>();
        std::optional<Program> program;
        QString problem = folder->isValid() ? QString() : QStringLiteral("could not lay out the program folder");
        state.ResumeTiming();

        if (problem.isEmpty())
            problem = startProgram(program, folder->path());

        state.PauseTiming();
        if (problem.isEmpty() && !program->boxes.ok())
            problem = program->boxes.problems();
        program.reset();
        settle();
        folder.reset();
        state.ResumeTiming();
        if (!problem.isEmpty()) {
            state.SkipWithError(qPrintable(problem));
            break;
        }
    }
}

void StartUp_BareQt(benchmark::State& state)
{
    for (auto _ : state) {
        auto window = std::make_unique<QWidget>();
        benchsupport::fillBareWindow(*window);
        window->show();
        const bool arrived = processEventsUntil([&] { return painted(*window); });

        state.PauseTiming();
        window.reset();
        settle();
        state.ResumeTiming();
        if (!arrived) {
            state.SkipWithError("the window was never shown");
            break;
        }
    }
}

// ---- A new process ----------------------------------------------------------

// A fresh program folder with the program itself in it: the sample, and
// beside it the executable and its libraries as the build laid them out.
QString layOutRunnableFolder(testsupport::ProgramFolder& folder)
{
    if (!folder.isValid())
        return QStringLiteral("could not lay out the program folder");
    // Another build's folder may be named, to set two builds side by side in one run.
    const QString other = qEnvironmentVariable("DRILLBOOK_BENCH_PROGRAM_FOLDER");
    const QDir built(other.isEmpty() ? QStringLiteral(DRILLBOOK_PROGRAM_FOLDER) : other);
    QStringList files = built.entryList({QStringLiteral("*.so")}, QDir::Files);
    files << QStringLiteral("drillbook");
    for (const QString& name : files) {
        QFile::remove(folder.filePath(name));
        if (!QFile::copy(built.filePath(name), folder.filePath(name)))
            return QStringLiteral("could not copy %1 into the program folder").arg(name);
    }
    QFile::setPermissions(folder.filePath(QStringLiteral("drillbook")),
                          QFile::permissions(built.filePath(QStringLiteral("drillbook"))));
    return {};
}

// The figure is the watch's, so the bench's own set-up and the process's end are left out.
void timeNewProcess(benchmark::State& state, benchsupport::FirstWindowWatch& watch, const QString& program,
                    const QString& folder)
{
    QString problem;
    const std::optional<double> ms = watch.timeToFirstWindow(program, folder, kPatienceMs, problem);
    if (!ms) {
        state.SkipWithError(qPrintable(problem));
        return;
    }
    state.SetIterationTime(*ms / 1000.0);
}

// One folder for the whole case, as a candidate's folder stays where it is
// from one evening to the next: only the first start registers the control
// libraries anew. Its class store is its own, never the user's.
void StartUp_ProgramProcess(benchmark::State& state, benchsupport::FirstWindowWatch* watch)
{
    testsupport::ProgramFolder folder;
    const QString problem = layOutRunnableFolder(folder);
    if (!problem.isEmpty()) {
        state.SkipWithError(qPrintable(problem));
        return;
    }
    const QByteArray store = QFile::encodeName(folder.filePath(QStringLiteral("classes.ini")));
    const QByteArray userStore = qgetenv(com::ClassStore::pathVariable);
    qputenv(com::ClassStore::pathVariable, store);
    for (auto _ : state) {
        timeNewProcess(state, *watch, folder.filePath(QStringLiteral("drillbook")), folder.path());
        if (state.error_occurred())
            break;
    }
    if (userStore.isNull())
        qunsetenv(com::ClassStore::pathVariable);
    else
        qputenv(com::ClassStore::pathVariable, userStore);
}

void StartUp_BareQtProcess(benchmark::State& state, benchsupport::FirstWindowWatch* watch)
{
    for (auto _ : state) {
        timeNewProcess(state, *watch, QStringLiteral(DRILLBOOK_BARE_WINDOW), QDir::tempPath());
        if (state.error_occurred())
            break;
    }
}

} // namespace

// A start is tens of milliseconds; wall time, since the window system's part runs outside this thread's CPU time too.
BENCHMARK(StartUp_Program)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(StartUp_BareQt)->Unit(benchmark::kMillisecond)->UseRealTime();

namespace {

// The report the command line asks for, remembering whether a case failed:
// a start that no longer gets through fails the run (and its smoke test),
// not only its line of the report.
class FailureAwareReporter : public benchmark::BenchmarkReporter {
public:
    explicit FailureAwareReporter(benchmark::BenchmarkReporter& shown) : shown_(shown) {}

    bool ReportContext(const Context& context) override { return shown_.ReportContext(context); }
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            failed_ = failed_ || run.error_occurred;
        shown_.ReportRuns(runs);
    }
    void Finalize() override { shown_.Finalize(); }

    bool failed() const { return failed_; }

private:
    benchmark::BenchmarkReporter& shown_;
    bool failed_ = false;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program's own application object, as its start makes it.
    forms::Application application(argc, argv);
    // The new-process cases need a display to watch; they are named only
    // where there is one. One connection serves the whole run: a display
    // whose last client leaves resets itself and refuses the next for a while.
    benchsupport::FirstWindowWatch watch;
    if (watch.connected()) {
        benchmark::RegisterBenchmark("StartUp_ProgramProcess", StartUp_ProgramProcess, &watch)
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime();
        benchmark::RegisterBenchmark("StartUp_BareQtProcess", StartUp_BareQtProcess, &watch)
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime();
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    FailureAwareReporter reporter(*benchmark::CreateDefaultDisplayReporter());
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.failed() ? 1 : 0;
}
