#include "platform/core/RuntimeError.h"
#include "platform/forms/CheckBox.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Frame.h"
#include "platform/forms/OptionButton.h"
#include "platform/forms/TextBox.h"

#include <QSignalSpy>
#include <QTest>
#include <QWidget>

using namespace forms;

// Three options on the window and two more in a frame: two groups.
struct OptionWindow {
    OptionWindow()
        : a(new OptionButton(&widget, QStringLiteral("Level &1"))),
          b(new OptionButton(&widget, QStringLiteral("Level &2"))),
          c(new OptionButton(&widget, QStringLiteral("Both"))),
          frame(new Frame(&widget, QStringLiteral("Side"))),
          front(new OptionButton(frame, QStringLiteral("Front"))),
          back(new OptionButton(frame, QStringLiteral("Back")))
    {
        b->move(0, 30);
        c->move(0, 60);
        frame->setGeometry(150, 0, 140, 100);
        front->move(10, 20);
        back->move(10, 50);
        widget.resize(300, 120);
    }
    QWidget widget;
    OptionButton* a;
    OptionButton* b;
    OptionButton* c;
    Frame* frame;
    OptionButton* front;
    OptionButton* back;
};

class ButtonsTest : public QObject {
    Q_OBJECT

private slots:
    void optionClickRunsOnceWhenSetByCode();
    void optionsExcludeEachOtherWithinTheirParent();
    void optionClearedByCodeRunsNothing();
    void optionSelectedByTheUser();
    void checkBoxValues_data();
    void checkBoxValues();
    void checkBoxUserClickToggles();
    void checkBoxRefusesOtherValues();
    void defaultAndCancelButtonsTakeEnterAndEscape();
    void hiddenDefaultButtonDoesNothing();
    void buttonKeyPressCanSwallow();
};

void ButtonsTest::optionClickRunsOnceWhenSetByCode()
{
    OptionWindow window;
    QSignalSpy clicks(window.b, &OptionButton::click);
    window.b->setValue(true);
    QCOMPARE(clicks.count(), 1);
    QVERIFY(window.b->value());
    window.b->setValue(true); // already selected: no second click
    QCOMPARE(clicks.count(), 1);
}

void ButtonsTest::optionsExcludeEachOtherWithinTheirParent()
{
    OptionWindow window;
    QStringList steps;
    for (auto* option : {window.a, window.b, window.c, window.front, window.back})
        connect(option, &OptionButton::click, option, [&steps, option] { steps << option->caption(); });

    window.a->setValue(true);
    window.front->setValue(true);
    QVERIFY(window.a->value()); // the frame's group leaves the window's alone
    QVERIFY(window.front->value());

    window.c->setValue(true);
    QVERIFY(!window.a->value());
    QVERIFY(!window.b->value());
    QVERIFY(window.c->value());
    QVERIFY(window.front->value());

    window.back->setValue(true);
    QVERIFY(!window.front->value());
    QVERIFY(window.c->value());

    // Only the option that became selected ran its step.
    QCOMPARE(steps, QStringList({"Level &1", "Front", "Both", "Back"}));
}

void ButtonsTest::optionClearedByCodeRunsNothing()
{
    OptionWindow window;
    window.a->setValue(true);
    QSignalSpy clicks(window.a, &OptionButton::click);
    window.a->setValue(false);
    QVERIFY(!window.a->value());
    QVERIFY(!window.b->value() && !window.c->value()); // the group has no choice now
    QCOMPARE(clicks.count(), 0);

    window.b->setValue(true); // the group still excludes afterwards
    window.c->setValue(true);
    QVERIFY(!window.b->value());
}

void ButtonsTest::optionSelectedByTheUser()
{
    OptionWindow window;
    window.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window.widget));
    window.a->setValue(true);
    QSignalSpy aClicks(window.a, &OptionButton::click);
    QSignalSpy bClicks(window.b, &OptionButton::click);
    bool aClearedFirst = false;
    connect(window.b, &OptionButton::click, window.b, [&] { aClearedFirst = !window.a->value(); });

    QTest::mouseClick(window.b, Qt::LeftButton, {}, QPoint(5, window.b->height() / 2));
    QVERIFY(window.b->value());
    QCOMPARE(bClicks.count(), 1);
    QVERIFY(aClearedFirst); // the step sees the group's new state
    QCOMPARE(aClicks.count(), 0);

    QTest::mouseClick(window.b, Qt::LeftButton, {}, QPoint(5, window.b->height() / 2));
    QCOMPARE(bClicks.count(), 1); // selecting the selected option runs nothing
}

void ButtonsTest::checkBoxValues_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("clicks");
    QTest::newRow("check") << 0 << 1 << 1;
    QTest::newRow("uncheck") << 1 << 0 << 1;
    QTest::newRow("gray") << 0 << 2 << 1;
    QTest::newRow("gray to checked") << 2 << 1 << 1;
    QTest::newRow("same value") << 1 << 1 << 0;
}

void ButtonsTest::checkBoxValues()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, clicks);
    CheckBox box(nullptr, QStringLiteral("Answers"));
    box.setValue(from);
    QSignalSpy spy(&box, &CheckBox::click);
    box.setValue(to);
    QCOMPARE(box.value(), to);
    QCOMPARE(spy.count(), clicks); // code changes run the step like the user's
}

void ButtonsTest::checkBoxUserClickToggles()
{
    QWidget widget;
    auto* box = new CheckBox(&widget, QStringLiteral("Results"));
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    box->setValue(CheckBox::Grayed);
    QSignalSpy clicks(box, &CheckBox::click);
    const QPoint inside(5, box->height() / 2);
    QTest::mouseClick(box, Qt::LeftButton, {}, inside);
    QCOMPARE(box->value(), 1);
    QTest::mouseClick(box, Qt::LeftButton, {}, inside);
    QCOMPARE(box->value(), 0);
    QTest::mouseClick(box, Qt::LeftButton, {}, inside);
    QCOMPARE(box->value(), 1); // a click never grays
    QCOMPARE(clicks.count(), 3);
}

void ButtonsTest::checkBoxRefusesOtherValues()
{
    CheckBox box;
    box.setValue(1);
    try {
        box.setValue(3);
        QFAIL("value 3 was taken");
    } catch (const platform::RuntimeError& error) {
        QCOMPARE(error.number(), 380);
    }
    QCOMPARE(box.value(), 1);
}

void ButtonsTest::defaultAndCancelButtonsTakeEnterAndEscape()
{
    QWidget widget;
    auto* box = new TextBox(&widget);
    auto* ok = new CommandButton(&widget, QStringLiteral("&Create"));
    auto* cancel = new CommandButton(&widget, QStringLiteral("Cancel"));
    ok->move(0, 40);
    cancel->move(100, 40);
    ok->setDefault(true);
    cancel->setCancel(true);
    widget.show();
    widget.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&widget));
    QSignalSpy okClicks(ok, &CommandButton::click);
    QSignalSpy cancelClicks(cancel, &CommandButton::click);

    box->setFocus();
    QTest::keyClick(box->editor(), Qt::Key_Return);
    QCOMPARE(okClicks.count(), 1);
    QTest::keyClick(box->editor(), Qt::Key_Escape);
    QCOMPARE(cancelClicks.count(), 1);

    ok->setDefault(false);
    QTest::keyClick(box->editor(), Qt::Key_Return);
    QCOMPARE(okClicks.count(), 1);
}

void ButtonsTest::hiddenDefaultButtonDoesNothing()
{
    QWidget widget;
    auto* box = new TextBox(&widget);
    auto* ok = new CommandButton(&widget, QStringLiteral("OK"));
    ok->setDefault(true);
    ok->setVisible(false);
    widget.show();
    widget.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&widget));
    QSignalSpy clicks(ok, &CommandButton::click);
    box->setFocus();
    QTest::keyClick(box->editor(), Qt::Key_Return);
    QCOMPARE(clicks.count(), 0);
}

void ButtonsTest::buttonKeyPressCanSwallow()
{
    QWidget widget;
    auto* button = new CommandButton(&widget, QStringLiteral(">Next>"));
    widget.show();
    widget.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&widget));
    QList<int> keys;
    connect(button, &CommandButton::keyPress, button, [&](int& keyAscii) {
        keys << keyAscii;
        keyAscii = 0; // the step took the key
    });
    QSignalSpy clicks(button, &CommandButton::click);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_B);
    QTest::keyClick(button, Qt::Key_Space); // swallowed: no press
    QCOMPARE(keys, QList<int>({'b', ' '}));
    QCOMPARE(clicks.count(), 0);
}

QTEST_MAIN(ButtonsTest)
#include "tst_buttons.moc"
