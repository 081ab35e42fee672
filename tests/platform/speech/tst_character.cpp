#include "SpeechFixture.h"

#include "platform/core/RuntimeError.h"
#include "platform/speech/CharacterControl.h"
#include "platform/speech/CharacterWindow.h"
#include "platform/speech/SpeechEngine.h"

#include <QSignalSpy>
#include <QTest>
#include <QThread>

using speech::Character;
using speech::CharacterControl;
using speech::Pace;
using speech::SpeechEngine;

// A loaded character as the windows use it: queued requests, bookmarks on
// the UI thread, stops, the balloon and the record of requests.
class CharacterTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void marksArriveInOrderOnTheUiThread_data();
    void marksArriveInOrderOnTheUiThread();
    void withoutEspeakMarksStillComeAtASpeakingPace();
    void stopDiscardsPendingMarks_data();
    void stopDiscardsPendingMarks();
    void stopInsideABookmarkDropsTheRestOfTheChain();
    void stopAllEmptiesTheQueue();
    void requestsPlayInTheOrderGiven();
    void showHideAndMoveWaitBehindSpeech();
    void pauseHoldsTheSpeechUntilAskedAgain();
    void gestures_data();
    void gestures();
    void unknownGestureIsRefused();
    void balloonStyleBitZeroPutsTheBalloonUp_data();
    void balloonStyleBitZeroPutsTheBalloonUp();
    void twoControlsHaveIndependentCharacters();
    void requestLogKeepsWhatWasAsked();

private:
    speechtest::CharacterFolder folder_;
};

void CharacterTest::init()
{
    SpeechEngine& engine = SpeechEngine::forApplication();
    engine.setPace(Pace::Instant);
    engine.setAudioOutput(false);
}

void CharacterTest::marksArriveInOrderOnTheUiThread_data()
{
    QTest::addColumn<Pace>("pace");
    QTest::newRow("instant") << Pace::Instant;
    QTest::newRow("speaking pace without audio") << Pace::Speaking;
}

void CharacterTest::marksArriveInOrderOnTheUiThread()
{
    QFETCH(Pace, pace);
    SpeechEngine::forApplication().setPace(pace);
    CharacterControl control;
    Character& merlin = control.load(QStringLiteral("merlin"), folder_.characterFile());

    QList<int> reached;
    bool onUiThread = true;
    connect(&merlin, &Character::bookmark, this, [&](int number) {
        reached.append(number);
        onUiThread = onUiThread && QThread::currentThread() == thread();
    });
    QSignalSpy fromControl(&control, &CharacterControl::bookmark);
    QSignalSpy done(&merlin, &Character::requestDone);

    merlin.speak(QStringLiteral("Yes. "));
    const int last = merlin.speak(QStringLiteral(R"(Go.\mrk=3\ Now.\mrk=4\)"));
    QVERIFY(reached.isEmpty()); // speak returns before anything is spoken
    while (done.isEmpty() || done.last().at(0).toInt() != last)
        QVERIFY(done.wait(10000));

    QCOMPARE(reached, (QList<int>{3, 4}));
    QVERIFY(onUiThread);
    QCOMPARE(fromControl.count(), 2); // the control reports its characters' bookmarks too
    QVERIFY(!merlin.isBusy());
}

void CharacterTest::withoutEspeakMarksStillComeAtASpeakingPace()
{
    // Missing speech components never stop a chain that waits for a mark.
    SpeechEngine silent(SpeechEngine::Synthesis::Off);
    QVERIFY(!silent.synthesizerAvailable());
    CharacterControl control(silent);
    Character& merlin = control.load(QStringLiteral("merlin"), folder_.characterFile());
    QSignalSpy marks(&merlin, &Character::bookmark);
    QSignalSpy done(&merlin, &Character::requestDone);
    merlin.speak(QStringLiteral(R"(Correct. \mrk=5\)"));
    merlin.speak(QStringLiteral(R"(Last.\mrk=6\)"));
    QCOMPARE(marks.count(), 0);
    while (done.count() < 2)
        QVERIFY(done.wait(10000));
    QCOMPARE(marks.count(), 2);
    QCOMPARE(marks.at(0).at(0).toInt(), 5);
    QCOMPARE(marks.at(1).at(0).toInt(), 6);
}

void CharacterTest::stopDiscardsPendingMarks_data()
{
    QTest::addColumn<Pace>("pace");
    QTest::addColumn<int>("quietMs"); // longer than the marks would take to come
    QTest::newRow("instant") << Pace::Instant << 200;
    QTest::newRow("speaking pace without audio") << Pace::Speaking << 1500;
}

void CharacterTest::stopDiscardsPendingMarks()
{
    QFETCH(Pace, pace);
    QFETCH(int, quietMs);
    SpeechEngine::forApplication().setPace(pace);
    CharacterControl control;
    Character& merlin = control.load(QStringLiteral("merlin"), folder_.characterFile());
    QSignalSpy marks(&merlin, &Character::bookmark);
    QSignalSpy done(&merlin, &Character::requestDone);

    merlin.speak(QStringLiteral(R"(Which tool forces a door?\mrk=1\)"));
    merlin.speak(QStringLiteral(R"(A. The halligan bar.\mrk=2\)"));
    merlin.stop();
    QVERIFY(!merlin.isBusy());
    QVERIFY(!marks.wait(quietMs));
    QCOMPARE(done.count(), 0);

    // The character is not stuck: the next request is spoken.
    merlin.speak(QStringLiteral(R"(Correct.\mrk=6\)"));
    QVERIFY(marks.wait(10000));
    QCOMPARE(marks.first().at(0).toInt(), 6);
}

void CharacterTest::stopInsideABookmarkDropsTheRestOfTheChain()
{
    // A verdict stops the character from inside the bookmark handler and
    // speaks anew; nothing of the interrupted reading may follow.
    CharacterControl control;
    Character& merlin = control.load(QStringLiteral("merlin"), folder_.characterFile());
    QList<int> reached;
    connect(&merlin, &Character::bookmark, this, [&](int number) {
        reached.append(number);
        if (number == 1) {
            merlin.stop();
            merlin.speak(QStringLiteral(R"(Correct. \mrk=5\)"));
        }
    });
    merlin.speak(QStringLiteral(R"(Question\mrk=1\ answers\mrk=2\)"));
    merlin.speak(QStringLiteral(R"(More\mrk=3\)"));
    QSignalSpy marks(&merlin, &Character::bookmark);
    QVERIFY(marks.wait());
    QVERIFY(marks.wait());
    QVERIFY(!marks.wait(200));
    QCOMPARE(reached, (QList<int>{1, 5}));
}

void CharacterTest::stopAllEmptiesTheQueue()
{
    CharacterControl control;
    Character& reader = control.load(QStringLiteral("merlin"), folder_.characterFile());
    QSignalSpy marks(&reader, &Character::bookmark);
    reader.show();
    reader.speak(QStringLiteral(R"(First text\mrk=1\)"));
    reader.speak(QStringLiteral(R"(Second text\mrk=2\)"));
    reader.hide();
    reader.stopAll();
    QVERIFY(!reader.isBusy());
    QVERIFY(!marks.wait(200));
    QVERIFY(reader.visible()); // the queued hide went with the rest
}

void CharacterTest::requestsPlayInTheOrderGiven()
{
    CharacterControl control;
    Character& merlin = control.load(QStringLiteral("merlin"), folder_.characterFile());
    QSignalSpy done(&merlin, &Character::requestDone);
    QList<int> ids;
    ids << merlin.speak(QStringLiteral("Q "));
    ids << merlin.play(QStringLiteral("Pleased"));
    ids << merlin.speak(QStringLiteral("A. one "));
    ids << merlin.moveTo(500, 300);
    ids << merlin.speak(QStringLiteral(R"(D. four \mrk=2\)"));
    while (done.count() < ids.size())
        QVERIFY(done.wait());
    QList<int> order;
    for (const QList<QVariant>& signal : std::as_const(done))
        order.append(signal.at(0).toInt());
    QCOMPARE(order, ids);
}

void CharacterTest::showHideAndMoveWaitBehindSpeech()
{
    CharacterControl control;
    Character& merlin = control.load(QStringLiteral("merlin"), folder_.characterFile());
    QVERIFY(!merlin.visible()); // loaded hidden

    // On an idle character a request plays at once.
    merlin.moveTo(690, 410);
    merlin.show();
    QCOMPARE(merlin.position(), QPoint(690, 410));
    QVERIFY(merlin.visible());

    QSignalSpy done(&merlin, &Character::requestDone);
    merlin.speak(QStringLiteral(R"(That was the last question.\mrk=6\)"));
    merlin.moveTo(535, 410);
    const int hidden = merlin.hide();
    QVERIFY(merlin.visible());
    QCOMPARE(merlin.position(), QPoint(690, 410));
    while (done.isEmpty() || done.last().at(0).toInt() != hidden)
        QVERIFY(done.wait());
    QVERIFY(!merlin.visible());
    QCOMPARE(merlin.position(), QPoint(535, 410));
}

void CharacterTest::pauseHoldsTheSpeechUntilAskedAgain()
{
    CharacterControl control;
    Character& reader = control.load(QStringLiteral("merlin"), folder_.characterFile());
    QSignalSpy marks(&reader, &Character::bookmark);
    reader.speak(QStringLiteral(R"(Copied text\mrk=1\)"));
    reader.pause();
    QVERIFY(reader.isPaused());
    reader.speak(QStringLiteral(R"(More copied text\mrk=2\)")); // queues while paused
    QVERIFY(!marks.wait(200));

    reader.pause();
    QVERIFY(!reader.isPaused());
    QVERIFY(marks.wait());
    if (marks.count() < 2)
        QVERIFY(marks.wait());
    QCOMPARE(marks.at(0).at(0).toInt(), 1);
    QCOMPARE(marks.at(1).at(0).toInt(), 2);

    // An idle character has nothing to pause: the next reading is not held.
    QVERIFY(!reader.isBusy());
    reader.pause();
    QVERIFY(!reader.isPaused());

    // Stop ends a pause as well.
    reader.speak(QStringLiteral(R"(Third\mrk=3\)"));
    reader.pause();
    QVERIFY(reader.isPaused());
    reader.stop();
    QVERIFY(!reader.isPaused());
    reader.speak(QStringLiteral(R"(Fourth\mrk=4\)"));
    QVERIFY(marks.wait());
    QCOMPARE(marks.last().at(0).toInt(), 4);
}

void CharacterTest::gestures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<speech::Gesture>("gesture");
    QTest::newRow("Pleased") << "Pleased" << speech::Gesture::Pleased;
    QTest::newRow("Decline") << "Decline" << speech::Gesture::Decline;
    QTest::newRow("any letter case") << "pleased" << speech::Gesture::Pleased;
}

void CharacterTest::gestures()
{
    QFETCH(QString, name);
    QFETCH(speech::Gesture, gesture);
    CharacterControl control;
    Character& merlin = control.load(QStringLiteral("merlin"), folder_.characterFile());
    merlin.show();
    QSignalSpy done(&merlin, &Character::requestDone);
    const int id = merlin.play(name);
    QCOMPARE(merlin.window().pose().gesture, gesture); // the pose is struck at once
    QVERIFY(done.wait(10000));
    QCOMPARE(done.first().at(0).toInt(), id);
    QCOMPARE(merlin.window().pose().gesture, speech::Gesture::None);
}

void CharacterTest::unknownGestureIsRefused()
{
    CharacterControl control;
    Character& merlin = control.load(QStringLiteral("merlin"), folder_.characterFile());
    try {
        merlin.play(QStringLiteral("Dance"));
        QFAIL("an unknown gesture was accepted");
    } catch (const platform::RuntimeError& error) {
        QCOMPARE(error.number(), 5);
    }
    QVERIFY(!merlin.isBusy());
}

void CharacterTest::balloonStyleBitZeroPutsTheBalloonUp_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("balloon");
    QTest::newRow("balloon on") << 0x0220000F << "Is the hose charged?";
    QTest::newRow("balloon off") << 0x0220000E << "";
    QTest::newRow("only bit 0") << 0x1 << "Is the hose charged?";
    QTest::newRow("nothing set") << 0x0 << "";
}

void CharacterTest::balloonStyleBitZeroPutsTheBalloonUp()
{
    QFETCH(int, style);
    QFETCH(QString, balloon);
    CharacterControl control;
    Character& merlin = control.load(QStringLiteral("merlin"), folder_.characterFile());
    merlin.setBalloonStyle(style);
    QCOMPARE(merlin.balloonStyle(), style);
    merlin.show();

    // What the balloon shows while the speech is at its tag.
    QString shown = QStringLiteral("(no bookmark)");
    QString description;
    connect(&merlin, &Character::bookmark, this, [&] {
        shown = merlin.window().balloonText();
        description = merlin.window().accessibleDescription();
    });
    QSignalSpy done(&merlin, &Character::requestDone);
    merlin.speak(QStringLiteral(R"(Is the hose charged?\mrk=2\)"));
    QVERIFY(done.wait());
    QCOMPARE(shown, balloon); // the tag is never shown
    QCOMPARE(description, balloon);
    QCOMPARE(merlin.window().balloonText(), QString()); // down once the speech ends
}

void CharacterTest::twoControlsHaveIndependentCharacters()
{
    CharacterControl questionWindow;
    CharacterControl clipboardReader;
    Character& merlin = questionWindow.load(QStringLiteral("merlin"), folder_.characterFile());
    Character& reader = clipboardReader.load(QStringLiteral("merlin"), folder_.characterFile());
    QVERIFY(&merlin != &reader);

    QSignalSpy merlinMarks(&merlin, &Character::bookmark);
    QSignalSpy readerMarks(&reader, &Character::bookmark);
    merlin.show();
    reader.show();
    merlin.speak(QStringLiteral(R"(Question one\mrk=2\)"));
    reader.speak(QStringLiteral(R"(Copied text\mrk=1\)"));
    reader.stop();
    reader.hide();

    QVERIFY(merlinMarks.wait());
    QCOMPARE(merlinMarks.first().at(0).toInt(), 2);
    QVERIFY(!readerMarks.wait(200));
    QVERIFY(merlin.visible());
    QVERIFY(!reader.visible());
    QCOMPARE(questionWindow.requests().lines(),
             (QStringList{"show", R"(speak Question one\mrk=2\)"}));
    QCOMPARE(clipboardReader.requests().lines(),
             (QStringList{"show", R"(speak Copied text\mrk=1\)", "stop", "hide"}));
}

void CharacterTest::requestLogKeepsWhatWasAsked()
{
    CharacterControl control;
    Character& merlin = control.load(QStringLiteral("merlin"), folder_.characterFile());
    merlin.setBalloonStyle(0x0220000F);
    merlin.stop();
    merlin.moveTo(535, 410);
    merlin.show();
    merlin.speak(QStringLiteral("Q "));
    merlin.speak(QStringLiteral(R"(\mrk=1\)"));
    merlin.play(QStringLiteral("Decline"));
    merlin.pause();
    merlin.stopAll();
    merlin.setBalloonStyle(0x0220000E);
    merlin.hide();

    QCOMPARE(control.requests().lines(),
             (QStringList{"balloonStyle 0x0220000F", "stop", "moveTo 535,410", "show", "speak Q ",
                          R"(speak \mrk=1\)", "play Decline", "pause", "stopAll", "balloonStyle 0x0220000E",
                          "hide"}));
    QCOMPARE(control.requests().spokenTexts(), (QStringList{"Q ", R"(\mrk=1\)"}));
    for (const speech::LoggedRequest& entry : control.requests().entries())
        QCOMPARE(entry.character, QStringLiteral("merlin"));
}

QTEST_MAIN(CharacterTest)
#include "tst_character.moc"
