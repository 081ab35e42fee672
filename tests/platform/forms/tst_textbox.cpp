#include "platform/core/RuntimeError.h"
#include "platform/forms/TextBox.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

using forms::TextBox;

Q_DECLARE_METATYPE(TextBox::Lines)

// A shown, active window with two boxes, for keys, focus and shortcuts.
class Window {
public:
    explicit Window(TextBox::Lines lines = TextBox::SingleLine)
        : first(new TextBox(&widget, lines)), second(new TextBox(&widget))
    {
        widget.resize(300, 200);
        first->setGeometry(0, 0, 200, 80);
        second->setGeometry(0, 100, 200, 30);
        widget.show();
        widget.activateWindow();
    }
    bool ready() { return QTest::qWaitForWindowActive(&widget); }

    QWidget widget;
    TextBox* first;
    TextBox* second;
};

class TextBoxTest : public QObject {
    Q_OBJECT

private slots:
    void offScreenTextReachesTheEditorWhenNeeded_data();
    void offScreenTextReachesTheEditorWhenNeeded();
    void changeRunsForCodeAndTyping_data();
    void changeRunsForCodeAndTyping();
    void keyPressReplacesOrSwallows_data();
    void keyPressReplacesOrSwallows();
    void keyPressStepThatClosesTheBox();
    void lockedBoxTakesKeyStepsButNoEdits();
    void boundValueFlags_data();
    void boundValueFlags();
    void selection_data();
    void selection();
    void selectionRefusesNegativeValues();
    void focusStepsFollowTheFocus();
    void menuShortcutsWinOverTheBox();
    void clickRuns();
};

void TextBoxTest::changeRunsForCodeAndTyping_data()
{
    QTest::addColumn<TextBox::Lines>("lines");
    QTest::newRow("single line") << TextBox::SingleLine;
    QTest::newRow("multi line") << TextBox::MultiLine;
}

void TextBoxTest::changeRunsForCodeAndTyping()
{
    QFETCH(TextBox::Lines, lines);
    Window window(lines);
    QVERIFY(window.ready());
    TextBox& box = *window.first;
    QSignalSpy change(&box, &TextBox::change);

    box.setText(QStringLiteral("Pump"));
    QCOMPARE(change.count(), 1);
    box.setText(QStringLiteral("Pump")); // the same text is no change
    QCOMPARE(change.count(), 1);

    box.setFocus();
    box.setSelStart(4);
    QTest::keyClicks(box.editor(), QStringLiteral("er"));
    QCOMPARE(box.text(), QStringLiteral("Pumper"));
    QCOMPARE(change.count(), 3); // one per typed character

    box.setText(QString());
    QCOMPARE(change.count(), 4);
    QCOMPARE(box.text(), QString());
}

void TextBoxTest::keyPressReplacesOrSwallows_data()
{
    QTest::addColumn<TextBox::Lines>("lines");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QList<int>>("seen");

    QTest::newRow("untouched") << TextBox::SingleLine << "ab" << 0 << 0 << "ab" << QList<int>{'a', 'b'};
    QTest::newRow("upper-cased") << TextBox::SingleLine << "abc" << int('b') << int('B') << "aBc"
                                 << QList<int>{'a', 'b', 'c'};
    QTest::newRow("swallowed") << TextBox::SingleLine << "a1b" << int('1') << 0 << "ab"
                               << QList<int>{'a', '1', 'b'};
    QTest::newRow("becomes Enter in a multi-line box") << TextBox::MultiLine << "a;b" << int(';') << 13
                                                       << "a\nb" << QList<int>{'a', ';', 'b'};
    QTest::newRow("becomes Backspace") << TextBox::SingleLine << "ab#" << int('#') << 8 << "a"
                                       << QList<int>{'a', 'b', '#'};
}

void TextBoxTest::keyPressReplacesOrSwallows()
{
    QFETCH(TextBox::Lines, lines);
    QFETCH(QString, typed);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, expected);
    QFETCH(QList<int>, seen);

    Window window(lines);
    QVERIFY(window.ready());
    TextBox& box = *window.first;
    QList<int> keys;
    connect(&box, &TextBox::keyPress, &box, [&](int& keyAscii) {
        keys << keyAscii;
        if (from != 0 && keyAscii == from)
            keyAscii = to;
    });
    box.setFocus();
    QTest::keyClicks(box.editor(), typed);
    QCOMPARE(box.text(), expected);
    QCOMPARE(keys, seen); // the replacement is typed, not offered to the step again
}

void TextBoxTest::keyPressStepThatClosesTheBox()
{
    Window window;
    QVERIFY(window.ready());
    QPointer<TextBox> box = window.first;
    connect(box, &TextBox::keyPress, box, [&](int& keyAscii) {
        keyAscii = 'Z';
        delete box.data();
    });
    box->setFocus();
    QTest::keyClick(box->editor(), Qt::Key_A); // must not touch the deleted box
    QVERIFY(box.isNull());
}

void TextBoxTest::lockedBoxTakesKeyStepsButNoEdits()
{
    Window window(TextBox::MultiLine);
    QVERIFY(window.ready());
    TextBox& box = *window.first;
    box.setText(QStringLiteral("Ladder"));
    box.setDataChanged(false);
    box.setLocked(true);
    QVERIFY(box.locked());
    int keys = 0;
    connect(&box, &TextBox::keyPress, &box, [&](int&) { ++keys; });
    QSignalSpy change(&box, &TextBox::change);

    box.setFocus();
    QTest::keyClicks(box.editor(), QStringLiteral("xy"));
    QCOMPARE(keys, 2);
    QCOMPARE(box.text(), QStringLiteral("Ladder"));
    QCOMPARE(change.count(), 0);
    QVERIFY(!box.dataChanged());

    box.setText(QStringLiteral("Hose")); // code still writes a locked box
    QCOMPARE(box.text(), QStringLiteral("Hose"));

    box.setLocked(false);
    box.setSelStart(4);
    QTest::keyClicks(box.editor(), QStringLiteral("s"));
    QCOMPARE(box.text(), QStringLiteral("Hoses"));
}

void TextBoxTest::boundValueFlags_data()
{
    QTest::addColumn<TextBox::Lines>("lines");
    QTest::newRow("single line") << TextBox::SingleLine;
    QTest::newRow("multi line") << TextBox::MultiLine;
}

void TextBoxTest::boundValueFlags()
{
    QFETCH(TextBox::Lines, lines);
    Window window(lines);
    QVERIFY(window.ready());
    TextBox& box = *window.first;
    box.setDataField(QStringLiteral("Question"));
    QCOMPARE(box.dataField(), QStringLiteral("Question"));
    QSignalSpy change(&box, &TextBox::change);

    box.showFieldValue(QStringLiteral("What is a pike pole?"));
    QCOMPARE(box.text(), QStringLiteral("What is a pike pole?"));
    QCOMPARE(box.boundValue().toString(), QStringLiteral("What is a pike pole?"));
    QVERIFY(!box.dataChanged());
    QCOMPARE(change.count(), 0);

    box.showFieldValue(QVariant()); // null shows empty
    QCOMPARE(box.text(), QString());
    QVERIFY(!box.dataChanged());

    box.showFieldValue(QStringLiteral("stored"));
    box.setText(QStringLiteral("written by code"));
    QVERIFY(box.dataChanged());
    QCOMPARE(box.boundValue().toString(), QStringLiteral("written by code"));

    box.setDataChanged(false); // the data control stored the row
    box.showFieldValue(QStringLiteral("next row"));
    QVERIFY(!box.dataChanged());
    box.setFocus();
    box.setSelStart(0);
    QTest::keyClicks(box.editor(), QStringLiteral("A "));
    QVERIFY(box.dataChanged());
    QCOMPARE(box.boundValue().toString(), QStringLiteral("A next row"));

    box.setDataChanged(false);
    box.setText(QStringLiteral("A next row")); // no change of text, nothing to store
    QVERIFY(!box.dataChanged());
}

void TextBoxTest::selection_data()
{
    QTest::addColumn<TextBox::Lines>("lines");
    QTest::newRow("single line") << TextBox::SingleLine;
    QTest::newRow("multi line") << TextBox::MultiLine;
}

void TextBoxTest::selection()
{
    QFETCH(TextBox::Lines, lines);
    TextBox box(nullptr, lines);
    box.setText(QStringLiteral("Fire hose"));
    QCOMPARE(box.selStart(), 0); // new text is shown from its start
    QCOMPARE(box.selLength(), 0);

    box.setSelStart(5);
    box.setSelLength(4);
    QCOMPARE(box.selText(), QStringLiteral("hose"));
    QCOMPARE(box.selStart(), 5);
    QCOMPARE(box.selLength(), 4);

    box.setSelStart(2); // collapses the selection
    QCOMPARE(box.selLength(), 0);

    box.setSelStart(5);
    box.setSelLength(100); // clamped to the text
    QCOMPARE(box.selLength(), 4);
    box.setSelStart(100);
    QCOMPARE(box.selStart(), 9);

    QSignalSpy change(&box, &TextBox::change);
    box.setDataChanged(false);
    box.setSelStart(5);
    box.setSelLength(4);
    box.setSelText(QStringLiteral("truck"));
    QCOMPARE(box.text(), QStringLiteral("Fire truck"));
    QVERIFY(change.count() >= 1);
    QVERIFY(box.dataChanged());
    QCOMPARE(box.selStart(), 10); // caret after the inserted text
    QCOMPARE(box.selLength(), 0);
}

void TextBoxTest::selectionRefusesNegativeValues()
{
    TextBox box;
    box.setText(QStringLiteral("abc"));
    try {
        box.setSelStart(-1);
        QFAIL("a negative start was taken");
    } catch (const platform::RuntimeError& error) {
        QCOMPARE(error.number(), 380);
    }
    QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, box.setSelLength(-2));
}

void TextBoxTest::focusStepsFollowTheFocus()
{
    QWidget widget;
    auto* first = new TextBox(&widget);
    auto* second = new TextBox(&widget);
    second->move(0, 40);
    QStringList steps;
    connect(first, &TextBox::gotFocus, first, [&] { steps << "first got"; });
    connect(first, &TextBox::lostFocus, first, [&] { steps << "first lost"; });
    connect(second, &TextBox::gotFocus, second, [&] { steps << "second got"; });
    connect(second, &TextBox::lostFocus, second, [&] { steps << "second lost"; });

    widget.show();
    widget.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&widget));
    QCOMPARE(steps, QStringList({"first got"})); // the opening window focuses its first box

    second->setFocus();
    QCOMPARE(steps, QStringList({"first got", "first lost", "second got"}));

    // Going to another window and back is no move between controls.
    steps.clear();
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    widget.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&widget));
    QVERIFY(second->editor()->hasFocus());
    QCOMPARE(steps, QStringList());
}

void TextBoxTest::menuShortcutsWinOverTheBox()
{
    Window window;
    QVERIFY(window.ready());
    QAction all(QStringLiteral("All"), &window.widget);
    all.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    window.widget.addAction(&all);
    QSignalSpy triggered(&all, &QAction::triggered);

    window.first->setText(QStringLiteral("Nozzle"));
    window.first->setFocus();
    QTest::keyClick(window.first->editor(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(triggered.count(), 1);
    QCOMPARE(window.first->selLength(), 0); // the box did not select all

    // A Ctrl key no menu takes still reaches the box.
    window.first->setText(QStringLiteral("Nozzle hose"));
    QTest::keyClick(window.first->editor(), Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(window.first->selStart(), 7);
}

void TextBoxTest::clickRuns()
{
    Window window(TextBox::MultiLine);
    QVERIFY(window.ready());
    QSignalSpy clicks(window.first, &TextBox::click);
    auto* area = static_cast<QAbstractScrollArea*>(window.first->editor())->viewport();
    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(clicks.count(), 1);
    QTest::mouseClick(window.second->editor(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(clicks.count(), 1);
}

// Text written while a box is off screen is laid out only when the box is
// shown or its editor is used, and nothing is lost on the way.
void TextBoxTest::offScreenTextReachesTheEditorWhenNeeded_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("byShowing");
    QTest::newRow("single line, shown") << int(TextBox::SingleLine) << true;
    QTest::newRow("multi-line, shown") << int(TextBox::MultiLine) << true;
    QTest::newRow("single line, selection asked") << int(TextBox::SingleLine) << false;
    QTest::newRow("multi-line, selection asked") << int(TextBox::MultiLine) << false;
}

void TextBoxTest::offScreenTextReachesTheEditorWhenNeeded()
{
    QFETCH(int, lines);
    QFETCH(bool, byShowing);
    QWidget window;
    auto* box = new TextBox(&window, TextBox::Lines(lines));
    box->setText(QStringLiteral("first"));
    box->showFieldValue(QStringLiteral("Fire Behavior"));
    QCOMPARE(box->text(), QStringLiteral("Fire Behavior"));
    if (byShowing) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* line = qobject_cast<QLineEdit*>(box->findChild<QLineEdit*>());
        auto* plain = qobject_cast<QPlainTextEdit*>(box->findChild<QPlainTextEdit*>());
        QCOMPARE(line ? line->text() : plain->toPlainText(), QStringLiteral("Fire Behavior"));
    } else {
        box->setSelStart(5);
        box->setSelLength(3);
        QCOMPARE(box->selText(), QStringLiteral("Beh"));
        box->setSelText(QStringLiteral("Hab"));
        QCOMPARE(box->text(), QStringLiteral("Fire Habavior"));
    }
}

QTEST_MAIN(TextBoxTest)
#include "tst_textbox.moc"
