#include "platform/core/RuntimeError.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/TextBox.h"

#include <QTest>
#include <QWidget>

using namespace forms;

class ControlArrayTest : public QObject {
    Q_OBJECT

private slots:
    void elementsByIndex();
    void missingAndTakenIndexes();
    void stepsReceiveTheIndex();
    void stepsCanReplaceTheKeyOfOneElement();
    void destroyedElementsLeaveTheArray();
};

void ControlArrayTest::elementsByIndex()
{
    QWidget window;
    ControlArray<TextBox> txtFont;
    for (int i = 0; i <= 5; i += 5)
        txtFont.add(i, new TextBox(&window))->setText(QString::number(i));
    QCOMPARE(txtFont[5]->text(), QStringLiteral("5"));
    QCOMPARE(txtFont.at(0)->text(), QStringLiteral("0"));
    QCOMPARE(txtFont.count(), 2);
    QCOMPARE(txtFont.lbound(), 0);
    QCOMPARE(txtFont.ubound(), 5);
    QVERIFY(!txtFont.contains(3));
}

void ControlArrayTest::missingAndTakenIndexes()
{
    QWidget window;
    ControlArray<TextBox> boxes;
    boxes.add(1, new TextBox(&window));
    try {
        boxes[2];
        QFAIL("a missing element was found");
    } catch (const platform::RuntimeError& error) {
        QCOMPARE(error.number(), 340);
        QVERIFY(error.description().contains(QLatin1String("'2'")));
    }
    try {
        boxes.add(1, new TextBox(&window));
        QFAIL("an index was taken twice");
    } catch (const platform::RuntimeError& error) {
        QCOMPARE(error.number(), 360);
    }
}

void ControlArrayTest::stepsReceiveTheIndex()
{
    QWidget window;
    ControlArray<CommandButton> cmdBank;
    cmdBank.add(1, new CommandButton(&window, QStringLiteral("Bank 1")));
    QList<int> pressed;
    cmdBank.on(&CommandButton::click, [&](int index) { pressed << index; });
    cmdBank.add(3, new CommandButton(&window, QStringLiteral("Bank 3")));

    static_cast<QAbstractButton*>(cmdBank[3])->click();
    static_cast<QAbstractButton*>(cmdBank[1])->click();
    QCOMPARE(pressed, QList<int>({3, 1}));
}

void ControlArrayTest::stepsCanReplaceTheKeyOfOneElement()
{
    QWidget window;
    ControlArray<TextBox> txtA;
    txtA.add(0, new TextBox(&window));
    txtA.add(1, new TextBox(&window))->move(0, 40);
    txtA.on(&TextBox::keyPress, [](int index, int& keyAscii) {
        if (index == 1)
            keyAscii = QChar(keyAscii).toUpper().unicode();
    });
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    for (int i : {0, 1}) {
        txtA[i]->setFocus();
        QTest::keyClicks(txtA[i]->editor(), QStringLiteral("ab"));
    }
    QCOMPARE(txtA[0]->text(), QStringLiteral("ab"));
    QCOMPARE(txtA[1]->text(), QStringLiteral("AB")); // the reference reached the box
}

void ControlArrayTest::destroyedElementsLeaveTheArray()
{
    QWidget window;
    ControlArray<TextBox> boxes;
    boxes.add(0, new TextBox(&window));
    delete boxes[0];
    QVERIFY(!boxes.contains(0));
    QCOMPARE(boxes.count(), 0);
    boxes.add(0, new TextBox(&window)); // the index can be loaded again
    boxes.add(1, new TextBox(&window));
    boxes.remove(1);
    QCOMPARE(boxes.indexes(), std::vector<int>({0}));
    QCOMPARE(window.findChildren<TextBox*>().size(), 1);
}

QTEST_MAIN(ControlArrayTest)
#include "tst_controlarray.moc"
