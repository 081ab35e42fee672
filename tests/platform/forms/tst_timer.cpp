#include "platform/core/RuntimeError.h"
#include "platform/forms/Timer.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

using forms::Timer;

class TimerTest : public QObject {
    Q_OBJECT

private slots:
    void fireRunsTheStepAtOnce();
    void ticksRunTheStep();
    void runsOnlyWhenEnabledWithAnInterval_data();
    void runsOnlyWhenEnabledWithAnInterval();
    void stepIsNotEnteredAgainWhileItRuns();
    void stepMayDestroyItsTimer();
    void negativeIntervalIsRefused();
};

void TimerTest::fireRunsTheStepAtOnce()
{
    Timer splash(nullptr, 12500); // the splash's long wait never slows a test
    QSignalSpy steps(&splash, &Timer::timer);
    splash.fire();
    QCOMPARE(steps.count(), 1);
    splash.setEnabled(false);
    splash.fire(); // a test may run the step of a stopped timer too
    QCOMPARE(steps.count(), 2);
}

void TimerTest::ticksRunTheStep()
{
    Timer clock(nullptr, 1);
    QSignalSpy steps(&clock, &Timer::timer);
    QVERIFY(steps.wait()); // the Qt timer drives the step
    clock.setEnabled(false);
    const int seen = int(steps.count());
    QCoreApplication::processEvents();
    QCOMPARE(steps.count(), seen);
}

void TimerTest::runsOnlyWhenEnabledWithAnInterval_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("running");
    QTest::newRow("clock") << 500 << true << true;
    QTest::newRow("disabled") << 500 << false << false;
    QTest::newRow("no interval") << 0 << true << false;
}

void TimerTest::runsOnlyWhenEnabledWithAnInterval()
{
    QFETCH(int, interval);
    QFETCH(bool, enabled);
    QFETCH(bool, running);
    Timer timer(nullptr, interval, enabled);
    QCOMPARE(timer.isRunning(), running);
    QCOMPARE(timer.interval(), interval);
    QCOMPARE(timer.enabled(), enabled);

    timer.setEnabled(true);
    timer.setInterval(6000); // the answer pause's first wait
    QVERIFY(timer.isRunning());
    timer.setInterval(0);
    QVERIFY(!timer.isRunning());
    QVERIFY(timer.enabled());
}

void TimerTest::stepIsNotEnteredAgainWhileItRuns()
{
    Timer clock(nullptr, 1);
    int depth = 0;
    int deepest = 0;
    int steps = 0;
    connect(&clock, &Timer::timer, &clock, [&] {
        ++steps;
        deepest = std::max(deepest, ++depth);
        if (steps == 1)
            clock.fire(); // as a tick arriving while the step processes events
        --depth;
    });
    clock.fire();
    QCOMPARE(steps, 1);
    QCOMPARE(deepest, 1);
    clock.fire(); // once the step has returned, the next tick runs it
    QCOMPARE(steps, 2);
}

void TimerTest::stepMayDestroyItsTimer()
{
    auto* owner = new QObject;
    auto* timer = new Timer(owner, 500);
    connect(timer, &Timer::timer, timer, [owner] { delete owner; }); // the window unloads
    QPointer<Timer> watched(timer);
    timer->fire();
    QVERIFY(watched.isNull());
}

void TimerTest::negativeIntervalIsRefused()
{
    Timer timer(nullptr, 500);
    QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, timer.setInterval(-1));
    QCOMPARE(timer.interval(), 500);
    QVERIFY(timer.isRunning());
}

QTEST_MAIN(TimerTest)
#include "tst_timer.moc"
