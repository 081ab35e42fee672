#include "support/QuestionWindowFixture.h"

#include "platform/speech/CharacterControl.h"
#include "platform/speech/SpeechEngine.h"
#include "questionwindow/frmMain.h"

#include <QtTest>

using questionwindow::frmMain;

// Leaving the question window by its close box or its Exit button while the
// character is still speaking a verdict: the verdict's bookmark must not
// carry the closed window on to its next question (or show its last-question
// notice).
class tst_CloseBox : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { speech::SpeechEngine::forApplication().setPace(speech::Pace::Instant); }

    void closingSilencesTheCharacter_data()
    {
        QTest::addColumn<bool>("exitButton");
        QTest::newRow("close box") << false;
        QTest::newRow("Exit button") << true;
    }
    void closingSilencesTheCharacter()
    {
        QFETCH(bool, exitButton);
        testsupport::QuestionWindowFixture program;
        program.withCharacter();
        frmMain& w = program.showChapter(QStringLiteral("Fire Behavior"));
        w.mnuBypass_Click();
        QVERIFY(w.character());
        QSignalSpy marks(w.Agent1, &speech::CharacterControl::bookmark);
        w.optB->setValue(true); // a Bypass verdict ending in a bookmark
        QVERIFY2(w.Agent1->requests().lines().join(QLatin1Char('|')).contains(QStringLiteral("\\mrk=")),
                 qPrintable(w.Agent1->requests().lines().join(QLatin1Char('|'))));
        const int before = w.Agent1->requests().lines().size();
        if (exitButton)
            w.cmdExit_Click();
        else
            w.close();
        QVERIFY(!program.app.isLoaded<frmMain>());
        // The window is destroyed only once control is back in the event
        // loop; by then the character has been told to stop and hide, and
        // told nothing else.
        const QStringList after = w.Agent1->requests().lines().mid(before);
        QVERIFY2(after.size() >= 2, qPrintable(after.join(QLatin1Char('|'))));
        QCOMPARE(after.first(), QStringLiteral("stop"));
        QVERIFY(after.contains(QStringLiteral("hide")));
        for (const QString& line : after)
            QVERIFY2(line == QLatin1String("stop") || line == QLatin1String("hide"), qPrintable(line));
        QTest::qWait(100);
        QCOMPARE(marks.count(), 0);
        program.verifyNoBoxes();
    }
};

QTEST_MAIN(tst_CloseBox)
#include "tst_closebox.moc"
