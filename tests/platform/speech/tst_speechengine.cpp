#include "platform/speech/BookmarkTags.h"
#include "platform/speech/SpeechEngine.h"
#include "platform/speech/SpeechPlayer.h"

#include <QSignalSpy>
#include <QTest>

using speech::Pace;
using speech::SpeechEngine;
using speech::Utterance;

Q_DECLARE_METATYPE(speech::Utterance)

// The engine on espeak-ng and the player that times the marks. Only the
// program's engine talks to espeak-ng here: the library is one per process.
class SpeechEngineTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void synthesisFindsEveryMark_data();
    void synthesisFindsEveryMark();
    void requestIsAnsweredLaterNeverInsideTheCall_data();
    void requestIsAnsweredLaterNeverInsideTheCall();
    void playerDeliversMarksInOrderThenFinishes_data();
    void playerDeliversMarksInOrderThenFinishes();
    void stoppedPlayerDeliversNothingMore();
    void markHandlerThatStopsEndsTheDelivery();
    void pausedPlayerHoldsItsMarks();

private:
    Utterance prepared(SpeechEngine& engine, const QString& text);
};

void SpeechEngineTest::initTestCase()
{
    qRegisterMetaType<Utterance>();
    if (!SpeechEngine::forApplication().synthesizerAvailable())
        QSKIP("espeak-ng and its data are not installed");
}

void SpeechEngineTest::init()
{
    SpeechEngine& engine = SpeechEngine::forApplication();
    engine.setPace(Pace::Speaking);
    engine.setAudioOutput(false); // marks keep their times; nothing is heard in a test run
}

Utterance SpeechEngineTest::prepared(SpeechEngine& engine, const QString& text)
{
    QSignalSpy results(&engine, &SpeechEngine::prepared);
    const quint64 ticket = engine.prepare(speech::parseBookmarkTags(text), speech::VoiceSettings{});
    while (results.isEmpty() || results.last().at(0).value<quint64>() != ticket) {
        if (!results.wait(10000))
            return {};
    }
    return results.last().at(1).value<Utterance>();
}

void SpeechEngineTest::synthesisFindsEveryMark_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("marks");
    QTest::newRow("verdict") << R"(Correct. \mrk=5\)" << QList<int>{5};
    // espeak-ng on its own drops a mark that follows a sentence inside a text.
    QTest::newRow("marks between sentences") << R"(Hello there. \mrk=1\ The answer is B. \mrk=2\)"
                                             << QList<int>{1, 2};
    QTest::newRow("closing tag alone") << R"(\mrk=1\)" << QList<int>{1};
    QTest::newRow("markup in the words") << R"(Heat <and> smoke & fire\mrk=3\)" << QList<int>{3};
    QTest::newRow("no tag") << "Incorrect" << QList<int>{};
}

void SpeechEngineTest::synthesisFindsEveryMark()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, marks);
    const Utterance utterance = prepared(SpeechEngine::forApplication(), text);

    QList<int> numbers;
    int previous = 0;
    for (const speech::TimedMark& mark : utterance.marks) {
        numbers.append(mark.number);
        QVERIFY(mark.atMs >= previous);
        QVERIFY(mark.atMs <= utterance.durationMs);
        previous = mark.atMs;
    }
    QCOMPARE(numbers, marks);
    const bool hasWords = speech::parseBookmarkTags(text).plainText.trimmed().size() > 0;
    QCOMPARE(!utterance.pcm.isEmpty(), hasWords);
    if (hasWords) {
        QVERIFY(utterance.durationMs > 0);
        // The speech lasts as long as its sound: 16-bit samples at the engine's rate.
        QCOMPARE(utterance.durationMs, int(utterance.pcm.size() / 2 * 1000 / utterance.sampleRate));
    }
}

void SpeechEngineTest::requestIsAnsweredLaterNeverInsideTheCall_data()
{
    QTest::addColumn<Pace>("pace");
    QTest::newRow("speaking") << Pace::Speaking;
    QTest::newRow("instant") << Pace::Instant;
}

void SpeechEngineTest::requestIsAnsweredLaterNeverInsideTheCall()
{
    QFETCH(Pace, pace);
    SpeechEngine& engine = SpeechEngine::forApplication();
    engine.setPace(pace);
    QSignalSpy results(&engine, &SpeechEngine::prepared);
    engine.prepare(speech::parseBookmarkTags(R"(Go\mrk=2\)"), speech::VoiceSettings{});
    QCOMPARE(results.count(), 0);
    QVERIFY(results.wait());
    QCOMPARE(results.last().at(1).value<Utterance>().marks.size(), 1);
}

void SpeechEngineTest::playerDeliversMarksInOrderThenFinishes_data()
{
    QTest::addColumn<Pace>("pace");
    QTest::newRow("speaking pace, no audio device") << Pace::Speaking;
    QTest::newRow("instant") << Pace::Instant;
}

void SpeechEngineTest::playerDeliversMarksInOrderThenFinishes()
{
    QFETCH(Pace, pace);
    SpeechEngine& engine = SpeechEngine::forApplication();
    engine.setPace(pace);
    const Utterance utterance = prepared(engine, R"(One.\mrk=3\ Two.\mrk=1\ Three\mrk=2\)");

    speech::SpeechPlayer player;
    QList<int> reached;
    bool onUiThread = true;
    connect(&player, &speech::SpeechPlayer::markReached, this, [&](int number) {
        reached.append(number);
        onUiThread = onUiThread && QThread::currentThread() == thread();
    });
    QSignalSpy finished(&player, &speech::SpeechPlayer::finished);
    player.play(utterance, false);
    QVERIFY(reached.isEmpty()); // never inside the call
    QVERIFY(finished.wait(10000));
    QCOMPARE(reached, (QList<int>{3, 1, 2}));
    QVERIFY(onUiThread);
    QVERIFY(!player.isPlaying());
}

void SpeechEngineTest::stoppedPlayerDeliversNothingMore()
{
    const Utterance utterance = prepared(SpeechEngine::forApplication(), R"(Stop before this.\mrk=1\)");
    speech::SpeechPlayer player;
    QSignalSpy marks(&player, &speech::SpeechPlayer::markReached);
    QSignalSpy finished(&player, &speech::SpeechPlayer::finished);
    player.play(utterance, false);
    player.stop();
    QVERIFY(!marks.wait(utterance.durationMs + 300));
    QCOMPARE(finished.count(), 0);
}

void SpeechEngineTest::markHandlerThatStopsEndsTheDelivery()
{
    SpeechEngine::forApplication().setPace(Pace::Instant);
    const Utterance utterance = prepared(SpeechEngine::forApplication(), R"(a\mrk=1\b\mrk=2\)");
    speech::SpeechPlayer player;
    QList<int> reached;
    connect(&player, &speech::SpeechPlayer::markReached, this, [&](int number) {
        reached.append(number);
        player.stop();
    });
    QSignalSpy finished(&player, &speech::SpeechPlayer::finished);
    player.play(utterance, false);
    QVERIFY(!finished.wait(200));
    QCOMPARE(reached, QList<int>{1});
}

void SpeechEngineTest::pausedPlayerHoldsItsMarks()
{
    SpeechEngine::forApplication().setPace(Pace::Instant);
    const Utterance utterance = prepared(SpeechEngine::forApplication(), R"(wait\mrk=4\)");
    speech::SpeechPlayer player;
    QSignalSpy marks(&player, &speech::SpeechPlayer::markReached);
    player.play(utterance, false);
    player.setPaused(true);
    QVERIFY(!marks.wait(200));
    player.setPaused(false);
    QVERIFY(marks.wait());
    QCOMPARE(marks.first().at(0).toInt(), 4);
}

QTEST_MAIN(SpeechEngineTest)
#include "tst_speechengine.moc"
