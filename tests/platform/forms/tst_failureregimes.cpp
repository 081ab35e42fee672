#include "platform/core/Errors.h"
#include "platform/core/Fault.h"
#include "platform/forms/Application.h"
#include "platform/forms/FailureRegimes.h"
#include "platform/forms/ScriptedDialogs.h"
#include "support/FailOnFault.h"

#include <QEvent>
#include <QTest>

#include <new>
#include <stdexcept>

using namespace forms;

namespace {
[[noreturn]] void noCurrentRecord()
{
    throw platform::errors::noCurrentRecord();
}

// The failures a statement can end with: an error the program raises, and
// programming faults of several kinds.
[[noreturn]] void fail(const QString& kind)
{
    if (kind == QLatin1String("runtime"))
        noCurrentRecord();
    if (kind == QLatin1String("logic"))
        throw std::logic_error("index past the end");
    if (kind == QLatin1String("bad_alloc"))
        throw std::bad_alloc();
    throw 42;
}

// What reached the fault hook while it lived.
struct FaultLog {
    QStringList places;
    QStringList texts;
    platform::ScopedFaultHandler handler{[this](const QString& where, const QString& what) {
        places << where;
        texts << what;
    }};
};

// An object whose user event ends with the failure named.
class Thrower : public QObject {
    Q_OBJECT
public:
    explicit Thrower(const QString& kind) : kind_(kind) {}
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User)
            fail(kind_);
        return QObject::event(event);
    }

private:
    QString kind_;
};
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

    void bestEffortReportsOnlyFaults_data() { failures(); }
    void bestEffortReportsOnlyFaults();
    void leaveOnErrorReportsOnlyFaults_data() { failures(); }
    void leaveOnErrorReportsOnlyFaults();
    void testOrReportsOnlyFaults_data() { failures(); }
    void testOrReportsOnlyFaults();

    void escapedFailuresReachTheUser_data();
    void escapedFailuresReachTheUser();
    void theProgramShowsFaultsInABox();
    void faultsFailTheRunningTestUnderTheGuard();

private:
    static void failures();
};

void FailureRegimesTest::bestEffortSkipsAFailingStatementAndGoesOn()
{
    const FaultLog faults;
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
    QCOMPARE(faults.texts, QStringList({"not a number"}));
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

void FailureRegimesTest::failures()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("number");      // what the regime hands on
    QTest::addColumn<QString>("fault");   // what reaches the hook; empty for none
    QTest::newRow("an expected error is skipped silently") << "runtime" << 3021 << QString();
    QTest::newRow("a logic error is a fault") << "logic" << 0 << "index past the end";
    QTest::newRow("running out of memory is a fault") << "bad_alloc" << 0 << "std::bad_alloc";
    QTest::newRow("a thrown non-exception is a fault") << "int" << 0 << "an exception of unknown type";
}

void FailureRegimesTest::bestEffortReportsOnlyFaults()
{
    QFETCH(QString, kind);
    QFETCH(int, number);
    QFETCH(QString, fault);
    const FaultLog faults;
    QStringList ran;
    const Failures failures = bestEffort({
        [&] { ran << "before"; },
        [&] { fail(kind); },
        [&] { ran << "after"; },
    });
    QCOMPARE(ran, QStringList({"before", "after"}));
    QCOMPARE(failures.count, 1);
    QCOMPARE(failures.lastNumber, number);
    QCOMPARE(faults.texts, fault.isEmpty() ? QStringList() : QStringList({fault}));
    if (!fault.isEmpty()) {
        QCOMPARE(failures.lastDescription, fault);
        // The place is the step that ran the statements, not the regime.
        QVERIFY2(faults.places.first().startsWith(QLatin1String("tst_failureregimes.cpp:")),
                 qPrintable(faults.places.first()));
    }
}

void FailureRegimesTest::leaveOnErrorReportsOnlyFaults()
{
    QFETCH(QString, kind);
    QFETCH(int, number);
    QFETCH(QString, fault);
    const FaultLog faults;
    QStringList ran;
    int reported = -1;
    const bool completed = leaveOnError([&] {
        ran << "before";
        fail(kind);
    }, &reported);
    ran << "next statement";
    QVERIFY(!completed);
    QCOMPARE(ran, QStringList({"before", "next statement"}));
    QCOMPARE(reported, number);
    QCOMPARE(faults.texts, fault.isEmpty() ? QStringList() : QStringList({fault}));
}

void FailureRegimesTest::testOrReportsOnlyFaults()
{
    QFETCH(QString, kind);
    QFETCH(QString, fault);
    const FaultLog faults;
    QVERIFY(testOr(true, [&]() -> bool { fail(kind); }));
    QVERIFY(!testOr(false, [&]() -> bool { fail(kind); }));
    const QStringList expected = fault.isEmpty() ? QStringList() : QStringList({fault, fault});
    QCOMPARE(faults.texts, expected);
}

void FailureRegimesTest::escapedFailuresReachTheUser_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("box");   // the message box shown; empty for none
    QTest::addColumn<QString>("fault"); // what reaches the hook; empty for none
    QTest::newRow("an error is shown with its number")
        << "runtime" << "Run-time error '3021':\n\nNo current record." << QString();
    QTest::newRow("a logic error is a fault") << "logic" << QString() << "index past the end";
    QTest::newRow("a thrown non-exception is a fault") << "int" << QString() << "an exception of unknown type";
}

void FailureRegimesTest::escapedFailuresReachTheUser()
{
    QFETCH(QString, kind);
    QFETCH(QString, box);
    QFETCH(QString, fault);
    ScriptedDialogs boxes;
    if (!box.isEmpty())
        boxes.answer(vbOK);
    const FaultLog faults;
    Thrower receiver(kind);
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&receiver, &event);

    QVERIFY2(boxes.ok(), qPrintable(boxes.problems()));
    QCOMPARE(boxes.shown().size(), box.isEmpty() ? 0 : 1);
    if (!box.isEmpty())
        QCOMPARE(boxes.shown().first().text, box);
    QCOMPARE(faults.texts, fault.isEmpty() ? QStringList() : QStringList({fault}));
    if (!fault.isEmpty())
        QVERIFY2(faults.places.first().contains(QLatin1String("Thrower")), qPrintable(faults.places.first()));
}

void FailureRegimesTest::theProgramShowsFaultsInABox()
{
    // With no handler of the test's own, the Application's handler is the one in place.
    ScriptedDialogs boxes;
    boxes.answer(vbOK);
    bestEffort({[] { throw std::logic_error("index past the end"); }});
    QVERIFY2(boxes.ok(), qPrintable(boxes.problems()));
    QCOMPARE(boxes.shown().size(), 1);
    const ShownBox shown = boxes.shown().first();
    QVERIFY2(shown.text.startsWith(QLatin1String("Internal error in tst_failureregimes.cpp:")), qPrintable(shown.text));
    QVERIFY2(shown.text.endsWith(QLatin1String("\n\nindex past the end")), qPrintable(shown.text));
    QCOMPARE(shown.icon, vbCritical);
}

void FailureRegimesTest::faultsFailTheRunningTestUnderTheGuard()
{
    const testsupport::FailOnFault guard;
    QEXPECT_FAIL("", "the guard turns the fault into this test's failure", Continue);
    leaveOnError([] { throw std::logic_error("index past the end"); });
}

// The program's own application object, so that its event path is the one under test.
int main(int argc, char* argv[])
{
    forms::Application application(argc, argv);
    FailureRegimesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_failureregimes.moc"
