#include "SpeechFixture.h"

#include "platform/speech/CharacterControl.h"
#include "platform/speech/CharacterWindow.h"
#include "platform/speech/SpeechEngine.h"

#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

using speech::Character;
using speech::CharacterControl;
using speech::CharacterWindow;

// The drawn character on screen, as a user and assistive technology meet it.
class CharacterWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void accessibleNameAndBalloonText();
    void showingTheCharacterLeavesTheActiveWindowAlone();
    void balloonIsDrawnAboveTheFigureOnlyWhileUp();
    void talkingMovesTheMouth();

private:
    speechtest::CharacterFolder folder_;
};

void CharacterWindowTest::init()
{
    speech::SpeechEngine::forApplication().setPace(speech::Pace::Instant);
}

void CharacterWindowTest::accessibleNameAndBalloonText()
{
    CharacterWindow window(speech::nuviaCharacter());
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&window);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Nuvia"));
    QCOMPARE(accessible->text(QAccessible::Description), QString());

    window.setBalloonText(QStringLiteral("Which knot forms a fixed loop?"));
    QCOMPARE(accessible->text(QAccessible::Description), QStringLiteral("Which knot forms a fixed loop?"));
    window.setBalloonText(QString());
    QCOMPARE(accessible->text(QAccessible::Description), QString());
}

void CharacterWindowTest::showingTheCharacterLeavesTheActiveWindowAlone()
{
    QWidget questionWindow;
    questionWindow.show();
    questionWindow.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&questionWindow));

    CharacterControl Agent1;
    Character& merlin = Agent1.load(QStringLiteral("merlin"), folder_.characterFile());
    merlin.show();
    QVERIFY(QTest::qWaitForWindowExposed(&merlin.window()));
    QTest::qWait(50);
    QCOMPARE(QApplication::activeWindow(), &questionWindow);
}

void CharacterWindowTest::balloonIsDrawnAboveTheFigureOnlyWhileUp()
{
    CharacterWindow window(speech::nuviaCharacter());
    const auto drawnRows = [&] {
        const QImage frame = window.frame();
        int top = frame.height();
        for (int y = 0; y < frame.height() && top == frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x) {
                if (qAlpha(frame.pixel(x, y)) != 0) {
                    top = y;
                    break;
                }
            }
        }
        return top;
    };
    QVERIFY(drawnRows() >= CharacterWindow::balloonHeight); // the figure alone
    window.setBalloonText(QStringLiteral("Correct."));
    const int shortTop = drawnRows();
    QVERIFY(shortTop < CharacterWindow::balloonHeight - 20);
    // The balloon grows with its text, and a text longer than the room is cut.
    window.setBalloonText(QStringLiteral("A very long answer text that has to wrap over several lines. ").repeated(8));
    QVERIFY(drawnRows() < shortTop);
    QVERIFY(drawnRows() < 10);
    window.setBalloonText(QString());
    QVERIFY(drawnRows() >= CharacterWindow::balloonHeight);
}

void CharacterWindowTest::talkingMovesTheMouth()
{
    CharacterWindow window(speech::nuviaCharacter());
    window.setTalking(true);
    // Two successive ticks of a talking figure differ; the animation only
    // runs while the window is shown.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage before = window.frame();
    QTRY_VERIFY(window.frame() != before);
}

QTEST_MAIN(CharacterWindowTest)
#include "tst_characterwindow.moc"
