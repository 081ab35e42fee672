// The date-input control to a screen reader: its window is editable text
// whose value is the date shown, with its caret and selection, and the value
// follows every change of the date.
#include "controls/dateinput/QvindatClasses.h"
#include "platform/com/Control.h"
#include "platform/com/Registration.h"
#include "support/TestContainer.h"

#include <QAccessible>
#include <QDate>
#include <QTest>
#include <QWidget>

using namespace com;
using testsupport::TestContainer;

class tst_QvindatAccessible : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void theWindowIsEditableTextHoldingTheDate();
    void theValueFollowsTheDate_data();
    void theValueFollowsTheDate();
    void aWindowOfAnotherKindIsNotTheControls();

private:
    std::unique_ptr<TestContainer> container_;
    Ptr<Dispatch> control_;
    std::unique_ptr<QWidget> host_;
    QWidget* window_ = nullptr;
};

void tst_QvindatAccessible::init()
{
    container_ = std::make_unique<TestContainer>();
    QCOMPARE(registerLibrary(QStringLiteral(DRILLBOOK_QVINDAT)), kOk);
    control_ = container_->create(qvindat::controlClass, qvindat::eventsInterface);
    QVERIFY(control_);
    host_ = std::make_unique<QWidget>();
    host_->resize(200, 60);
    QCOMPARE(Ptr<Control>::query(control_.get())->createWindow(host_.get(), QRect(10, 10, 150, 24), &window_), kOk);
    QCOMPARE(putProperty(control_.get(), QStringLiteral("Text"), Variant::string(QStringLiteral("04/17/2001"))), kOk);
}

void tst_QvindatAccessible::cleanup()
{
    if (auto hosted = Ptr<Control>::query(control_.get()))
        hosted->destroyWindow();
    host_.reset();
    control_.reset();
    container_.reset();
}

void tst_QvindatAccessible::theWindowIsEditableTextHoldingTheDate()
{
    QAccessibleInterface* said = QAccessible::queryAccessibleInterface(window_);
    QVERIFY(said);
    QCOMPARE(said->role(), QAccessible::EditableText);
    QCOMPARE(said->text(QAccessible::Value), QStringLiteral("04/17/2001"));
    QVERIFY(said->state().editable);
    QVERIFY(said->state().focusable);

    QAccessibleTextInterface* text = said->textInterface();
    QVERIFY(text);
    QCOMPARE(text->characterCount(), 10);
    QCOMPARE(text->text(3, 5), QStringLiteral("17"));
    QCOMPARE(putProperty(control_.get(), QStringLiteral("SelStart"), Variant::i4(3)), kOk);
    QCOMPARE(putProperty(control_.get(), QStringLiteral("SelLength"), Variant::i4(2)), kOk);
    QCOMPARE(text->cursorPosition(), 3);
    int start = -1, end = -1;
    QCOMPARE(text->selectionCount(), 1);
    text->selection(0, &start, &end);
    QCOMPARE(std::pair(start, end), std::pair(3, 5));

    // Read-only, the date can still be read but not edited.
    QCOMPARE(putProperty(control_.get(), QStringLiteral("ReadOnly"), Variant::i4(-1)), kOk);
    QVERIFY(!said->state().editable);
    QVERIFY(said->state().readOnly);
}

void tst_QvindatAccessible::theValueFollowsTheDate_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("shown");

    QTest::newRow("a new text") << "Text" << 0 << "12/24/1999";
    QTest::newRow("another format") << "DateFormat" << 2 << "April 17, 2001";
    QTest::newRow("another language") << "LanguageNumber" << 8 << "04/17/2001";
}

void tst_QvindatAccessible::theValueFollowsTheDate()
{
    QFETCH(QString, property);
    QFETCH(int, value);
    QFETCH(QString, shown);

    const Variant given = property == QLatin1String("Text") ? Variant::string(shown) : Variant::i2(std::int16_t(value));
    QCOMPARE(putProperty(control_.get(), property, given), kOk);
    QAccessibleInterface* said = QAccessible::queryAccessibleInterface(window_);
    QCOMPARE(said->text(QAccessible::Value), shown);
    QCOMPARE(said->textInterface()->characterCount(), int(shown.size()));

    // The arrow keys step the date, and the reader reads the new one.
    window_->setFocus();
    QTest::keyClick(window_, Qt::Key_Up);
    Variant text;
    QCOMPARE(getProperty(control_.get(), QStringLiteral("Text"), &text), kOk);
    QString now;
    QCOMPARE(text.toText(&now), kOk);
    QVERIFY(now != shown);
    QCOMPARE(said->text(QAccessible::Value), now);
}

void tst_QvindatAccessible::aWindowOfAnotherKindIsNotTheControls()
{
    // The control library answers for its own windows alone.
    QAccessibleInterface* said = QAccessible::queryAccessibleInterface(host_.get());
    QVERIFY(said);
    QVERIFY(said->role() != QAccessible::EditableText);
}

QTEST_MAIN(tst_QvindatAccessible)
#include "tst_qvindataccessible.moc"
