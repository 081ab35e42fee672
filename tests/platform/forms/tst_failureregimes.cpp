#include "platform/core/RuntimeError.h"
#include "platform/forms/FailureRegimes.h"

#include <QTest>

#include <stdexcept>

using namespace forms;

namespace {
[[noreturn]] void noCurrentRecord()
{
    throw platform::RuntimeError(3021, QStringLiteral("No current record."));
}
} // namespace

class FailureRegimesTest : public QObject {
    Q_OBJECT

private slots:
    void bestEffortSkipsAFailingStatementAndGoesOn();
    void bestEffortWithoutFailures();
    void leaveOnErrorStopsAtTheFirstFailure();
    void leaveOnErrorCompletes();
    void failingTestRunsTheBranchItGuards_data();
    void failingTestRunsTheBranchItGuards();
    void otherExceptionsPassThrough();
};

void FailureRegimesTest::bestEffortSkipsAFailingStatementAndGoesOn()
{
    QStringList ran;
    const Failures failures = bestEffort({
        [&] { ran << "1"; },
        [&] { noCurrentRecord(); ran << "never"; },
        [&] { ran << "3"; },
        [&] { throw std::runtime_error("not a number"); },
        [&] { ran << "5"; },
    });
    QCOMPARE(ran, QStringList({"1", "3", "5"}));
    QVERIFY(failures);
    QCOMPARE(failures.count, 2);
    QCOMPARE(failures.lastNumber, 0); // the last failure carried no number
    QCOMPARE(failures.lastDescription, QStringLiteral("not a number"));
}

void FailureRegimesTest::bestEffortWithoutFailures()
{
    int ran = 0;
    const Failures failures = bestEffort({[&] { ++ran; }, [&] { ++ran; }});
    QCOMPARE(ran, 2);
    QVERIFY(!failures);
    QCOMPARE(failures.lastNumber, 0);
}

void FailureRegimesTest::leaveOnErrorStopsAtTheFirstFailure()
{
    QStringList ran;
    int number = -1;
    const bool completed = leaveOnError([&] {
        ran << "open dialog";
        noCurrentRecord();
        ran << "load file";
    }, &number);
    QVERIFY(!completed);
    QCOMPARE(ran, QStringList({"open dialog"}));
    QCOMPARE(number, 3021);
}

void FailureRegimesTest::leaveOnErrorCompletes()
{
    int number = -1;
    QVERIFY(leaveOnError([] {}, &number));
    QCOMPARE(number, 0);
    QVERIFY(!leaveOnError([] { throw std::out_of_range("index"); }));
}

void FailureRegimesTest::failingTestRunsTheBranchItGuards_data()
{
    QTest::addColumn<bool>("fails");
    QTest::addColumn<bool>("value");
    QTest::addColumn<bool>("onFailure");
    QTest::addColumn<bool>("expected");
    QTest::newRow("true test") << false << true << true << true;
    QTest::newRow("false test") << false << false << true << false;
    QTest::newRow("failing test runs the branch") << true << false << true << true;
    QTest::newRow("failing test, branch skipped") << true << true << false << false;
}

void FailureRegimesTest::failingTestRunsTheBranchItGuards()
{
    QFETCH(bool, fails);
    QFETCH(bool, value);
    QFETCH(bool, onFailure);
    QFETCH(bool, expected);
    const bool result = testOr(onFailure, [&] {
        if (fails)
            noCurrentRecord();
        return value;
    });
    QCOMPARE(result, expected);
}

void FailureRegimesTest::otherExceptionsPassThrough()
{
    // Only errors the program raises are steps' failures; anything else is a bug.
    bool reached = false;
    QVERIFY_THROWS_EXCEPTION(int, bestEffort({[] { throw 42; }, [&] { reached = true; }}));
    QVERIFY(!reached);
}

QTEST_MAIN(FailureRegimesTest)
#include "tst_failureregimes.moc"
