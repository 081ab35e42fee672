// Calling a control's members by name and by id, the errors a member raises,
// and the events it fires through its connection point.
#include "platform/com/Registration.h"
#include "support/TestContainer.h"
#include "support/testcontrol/TestClasses.h"

#include <QTest>

Q_DECLARE_METATYPE(com::Variant)

using namespace com;
using testsupport::TestContainer;

class tst_Dispatch : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanupTestCase();
    void namesMatchWithoutRegardToCase_data();
    void namesMatchWithoutRegardToCase();
    void readsAndWritesByNameAndById();
    void refusedValuesLeaveThePropertyAsItWas_data();
    void refusedValuesLeaveThePropertyAsItWas();
    void aFailingMemberIsReportedNotThrown();
    void eventsReachEverySinkAndWriteBack();
    void aSinkMayDetachWhileAnEventIsFired();

private:
    std::unique_ptr<TestContainer> container_;
    Ptr<Dispatch> counter_;
};

void tst_Dispatch::init()
{
    counter_.reset();
    container_.reset(); // one container at a time: each redirects the store while it lives
    container_ = std::make_unique<TestContainer>();
    QCOMPARE(registerLibrary(QStringLiteral(DRILLBOOK_TEST_CONTROL)), kOk);
    counter_ = container_->create(testcontrol::counterClass, testcontrol::counterEvents);
    QVERIFY(counter_);
}

void tst_Dispatch::cleanupTestCase()
{
    counter_.reset();
    container_.reset();
}

void tst_Dispatch::namesMatchWithoutRegardToCase_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("id");
    QTest::addColumn<Result>("expected");

    QTest::newRow("as declared") << "Value" << testcontrol::dispValue << kOk;
    QTest::newRow("lower case") << "caption" << testcontrol::dispCaption << kOk;
    QTest::newRow("upper case") << "STEP" << testcontrol::dispStep << kOk;
    QTest::newRow("unknown") << "Values" << int(kDispIdUnknown) << kUnknownName;
    QTest::newRow("empty") << "" << int(kDispIdUnknown) << kUnknownName;
}

void tst_Dispatch::namesMatchWithoutRegardToCase()
{
    QFETCH(QString, name);
    QFETCH(int, id);
    QFETCH(Result, expected);

    DispId found = 12345;
    QCOMPARE(counter_->idOfName(name, &found), expected);
    QCOMPARE(found, id);
}

void tst_Dispatch::readsAndWritesByNameAndById()
{
    QCOMPARE(putProperty(counter_.get(), QStringLiteral("caption"), Variant::string(QStringLiteral("Lead 1"))), kOk);
    Variant value;
    QCOMPARE(counter_->invoke(testcontrol::dispCaption, InvokeKind::Get, {}, &value, nullptr), kOk);
    QCOMPARE(value, Variant::string(QStringLiteral("Lead 1")));

    // A value of another kind is converted as the member's type asks.
    Variant text = Variant::string(QStringLiteral(" 42 "));
    QCOMPARE(counter_->invoke(testcontrol::dispValue, InvokeKind::Put, std::span<Variant>(&text, 1), nullptr, nullptr),
             kOk);
    QCOMPARE(getProperty(counter_.get(), QStringLiteral("VALUE"), &value), kOk);
    QCOMPARE(value, Variant::i2(42));

    QCOMPARE(counter_->invoke(77, InvokeKind::Get, {}, &value, nullptr), kMemberNotFound);
    // A method is no property.
    QCOMPARE(putProperty(counter_.get(), QStringLiteral("Step"), Variant::i2(1)), kMemberNotFound);
}

void tst_Dispatch::refusedValuesLeaveThePropertyAsItWas_data()
{
    QTest::addColumn<Variant>("value");
    QTest::addColumn<Result>("expected");
    QTest::addColumn<Result>("errorCode");

    QTest::newRow("above the range") << Variant::i2(101) << kException << automationError(380);
    QTest::newRow("below the range") << Variant::i4(-1) << kException << automationError(380);
    QTest::newRow("beyond 16 bits") << Variant::i4(40000) << kOverflow << kOverflow;
    QTest::newRow("not a number") << Variant::string(QStringLiteral("ten")) << kTypeMismatch << kTypeMismatch;
}

void tst_Dispatch::refusedValuesLeaveThePropertyAsItWas()
{
    QFETCH(Variant, value);
    QFETCH(Result, expected);
    QFETCH(Result, errorCode);

    QCOMPARE(putProperty(counter_.get(), QStringLiteral("Value"), Variant::i2(12)), kOk);
    ErrorInfo info;
    QCOMPARE(putProperty(counter_.get(), QStringLiteral("Value"), value, &info), expected);
    QCOMPARE(info.code, errorCode);
    if (expected == kException) {
        QCOMPARE(info.code, com::result(0x800A017C));
        QCOMPARE(info.description, QStringLiteral("Invalid property value"));
        QCOMPARE(info.helpContext, -1);
    }
    Variant now;
    QCOMPARE(getProperty(counter_.get(), QStringLiteral("Value"), &now), kOk);
    QCOMPARE(now, Variant::i2(12));
}

void tst_Dispatch::aFailingMemberIsReportedNotThrown()
{
    ErrorInfo info;
    QCOMPARE(callMethod(counter_.get(), QStringLiteral("Fail"), {}, nullptr, &info), kFailed);
    QCOMPARE(info.description, QStringLiteral("the counter failed"));
    // The object is still whole.
    QCOMPARE(putProperty(counter_.get(), QStringLiteral("Value"), Variant::i2(3)), kOk);
    QCOMPARE(callMethod(counter_.get(), QStringLiteral("Step"), {}), kBadArgumentCount);
}

void tst_Dispatch::eventsReachEverySinkAndWriteBack()
{
    // A second sink on the same object sees the same events.
    int secondSink = 0;
    auto second = EventSink::attach(counter_.get(), testcontrol::counterEvents,
                                    [&](DispId, std::span<Variant>) { ++secondSink; });
    QVERIFY(second);
    Result outcome = kOk;
    QVERIFY(!EventSink::attach(counter_.get(), Dispatch::iid, {}, &outcome));
    QCOMPARE(outcome, kNoConnection);

    Variant by = Variant::i2(5);
    QCOMPARE(callMethod(counter_.get(), QStringLiteral("Step"), std::span<Variant>(&by, 1)), kOk);
    QCOMPARE(container_->count(testcontrol::eventChanged), 1);
    QCOMPARE(container_->events().front().args.front(), Variant::i2(5));
    QCOMPARE(secondSink, 1);

    // The container rewrites the by-reference value; the control takes it.
    container_->onEvent = [](DispId, std::span<Variant> args) { args[0] = Variant::i2(70); };
    QCOMPARE(callMethod(counter_.get(), QStringLiteral("Step"), std::span<Variant>(&by, 1)), kOk);
    Variant now;
    QCOMPARE(getProperty(counter_.get(), QStringLiteral("Value"), &now), kOk);
    QCOMPARE(now, Variant::i2(70));

    // A detached sink hears nothing more.
    second->detach();
    container_->onEvent = nullptr;
    QCOMPARE(callMethod(counter_.get(), QStringLiteral("Step"), std::span<Variant>(&by, 1)), kOk);
    QCOMPARE(container_->count(testcontrol::eventChanged), 3);
    QCOMPARE(secondSink, 2);
}

void tst_Dispatch::aSinkMayDetachWhileAnEventIsFired()
{
    Ptr<EventSink> self;
    int heard = 0;
    self = EventSink::attach(counter_.get(), testcontrol::counterEvents, [&](DispId, std::span<Variant>) {
        ++heard;
        self->detach();
        self.reset(); // the last reference the test holds goes mid-event
    });
    QVERIFY(self);
    Variant by = Variant::i2(1);
    QCOMPARE(callMethod(counter_.get(), QStringLiteral("Step"), std::span<Variant>(&by, 1)), kOk);
    QCOMPARE(callMethod(counter_.get(), QStringLiteral("Step"), std::span<Variant>(&by, 1)), kOk);
    QCOMPARE(heard, 1);
    QCOMPARE(container_->count(testcontrol::eventChanged), 2);
}

QTEST_GUILESS_MAIN(tst_Dispatch)
#include "tst_dispatch.moc"
