#include "support/QuestionWindowFixture.h"

#include "platform/speech/CharacterControl.h"
#include "platform/speech/SpeechEngine.h"
#include "questionwindow/frmMain.h"

#include <QtTest>

using questionwindow::frmMain;

// Closing the question window with its close box while the character is
// still speaking a verdict: the verdict's bookmark must not carry the closed
// window on to its next question (or show its last-question notice).
class tst_CloseBox : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { speech::SpeechEngine::forApplication().setPace(speech::Pace::Instant); }

    void closingSilencesTheCharacter()
    {
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
        w.close();
        QVERIFY(!program.app.isLoaded<frmMain>());
        // The window is destroyed only once control is back in the event
        // loop; by then the character has been told to stop and hide.
        QCOMPARE(w.Agent1->requests().lines().mid(before), (QStringList{"stop", "hide"}));
        QTest::qWait(100);
        QCOMPARE(marks.count(), 0);
        program.verifyNoBoxes();
    }
};

QTEST_MAIN(tst_CloseBox)
#include "tst_closebox.moc"
