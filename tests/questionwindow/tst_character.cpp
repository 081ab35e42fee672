#include "support/FileQuery.h"
#include "support/QuestionWindowFixture.h"

#include "contents/frmContents.h"
#include "platform/media/MediaPlayer.h"
#include "platform/speech/CharacterControl.h"
#include "platform/speech/SpeechEngine.h"
#include "questionsets/SetLoading.h"
#include "questionwindow/frmMain.h"

#include <QtTest>

using forms::form;
using questionwindow::frmMain;
using testsupport::queryValue;

namespace {

// Ten questions without pictures or videos, in stored order.
const QString tenQuestions = QStringLiteral(
    "SELECT * FROM table1 WHERE Chapter = 'Emergency Medical Care Basics' AND Call <= 293");
// Its first two records have pictures, its third a video.
const QString ladders = QStringLiteral("Ground Ladders");

bool shown(const QWidget* control) { return !control->isHidden(); }

// The character's texts since the log was last read.
QStringList takeSpoken(frmMain& w)
{
    const QStringList texts = w.Agent1->requests().spokenTexts();
    w.Agent1->requests().clear();
    return texts;
}

// Lets the character deliver the marks of what it was asked to say.
void turnEventLoop()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

} // namespace

// The speaking character's readings in the question window: the
// presentation, the read-aloud cycle with its answer pause, Stop, and the
// character's menu. The character speaks at the instant pace, so every tag
// of a request arrives on the next turn of the event loop; the answer pause
// is ended by firing its timer.
class tst_Character : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::QuestionWindowFixture> fixture;

    QString setting(const QString& field) const
    {
        return queryValue(fixture->databasePath(), QStringLiteral("SELECT \"%1\" FROM Table11").arg(field))
            .toString();
    }

    frmMain& openSet(const QString& recordSource)
    {
        fixture->withCharacter();
        auto& w = fixture->openCountedSet(recordSource);
        w.mnuUse_Click();
        w.Agent1->requests().clear();
        return w;
    }

    // Every record of the set as the character reads it.
    struct Record {
        QString question, a, b, c, d, letter;
        QString correct() const
        {
            const QString texts[] = {a, b, c, d};
            const int at = QStringLiteral("ABCD").indexOf(letter);
            return letter.size() == 1 && at >= 0 ? texts[at] : QString();
        }
    };
    static QList<Record> records(frmMain& w)
    {
        using F = testsupport::QuestionWindowFixture;
        const QStringList q = F::setColumn(w, "Question"), a = F::setColumn(w, "A"), b = F::setColumn(w, "B"),
                          c = F::setColumn(w, "C"), d = F::setColumn(w, "D"), l = F::setColumn(w, "Answer");
        QList<Record> all;
        for (int i = 0; i < q.size(); ++i)
            all.append({q[i], a[i], b[i], c[i], d[i], l[i]});
        return all;
    }

private slots:
    void initTestCase() { speech::SpeechEngine::forApplication().setPace(speech::Pace::Instant); }
    void init() { fixture = std::make_unique<testsupport::QuestionWindowFixture>(); }
    void cleanup() { fixture.reset(); }

    // The read-aloud cycle: each question is read, tag 3 starts the pause,
    // its end tells the answer, tag 4 moves on and reads the next, through
    // the set in order. The first pause lasts 6 seconds whatever the slider
    // says; each later one the slider's value read at the end of the pause
    // before. At the set's last record the move's notice ends the cycle
    // instead of reading the last question over and over.
    void readAloudRunsThroughTheSet()
    {
        auto& w = openSet(tenQuestions);
        const QList<Record> set = records(w);
        QCOMPARE(set.size(), 10);
        const QStringList calls = testsupport::QuestionWindowFixture::setCalls(w);
        w.Slider1->setValue(3);

        w.mnuReadNuvia->trigger();
        QVERIFY(!w.Timer3->enabled()); // the pause waits for the question's reading
        QCOMPARE(setting("State"), QStringLiteral("Nuvia"));
        QCOMPARE(w.Status->panel(QStringLiteral("State"))->text(), QStringLiteral("Using Nuvia"));
        QVERIFY(!w.mnuReadNuvia->enabled());
        QVERIFY(shown(w.Slider1));
        QVERIFY(shown(w.cmdNuviaStop));
        QCOMPARE(w.txtBe->text(), QStringLiteral("U")); // answers are taken as before

        const int pauses[] = {6000, 3000, 3000, 3000, 9000, 9000, 9000, 9000, 9000, 9000};
        for (int i = 0; i < set.size(); ++i) {
            const Record& r = set[i];
            QCOMPARE(w.txtCall->text(), calls[i]);
            QTRY_VERIFY(w.Timer3->enabled()); // tag 3: the question was read
            QCOMPARE(w.Timer3->interval(), pauses[i]);
            QCOMPARE(takeSpoken(w), (QStringList{r.question + " ", "A.         " + r.a + " ", "B.          " + r.b + " ",
                                                  "C.         " + r.c + " ", "D.       " + r.d + " \\mrk=3\\"}));
            if (i == 3)
                w.Slider1->setValue(9); // during this pause: governs the next ones
            if (i == set.size() - 1)
                fixture->boxes.answer(forms::vbOK); // "This is the last question."
            w.Timer3->fire();
            QVERIFY(!w.Timer3->enabled());
            QCOMPARE(takeSpoken(w),
                     (QStringList{" The correct answer is " + r.letter + ".", r.correct() + "\\mrk=4\\"}));
            if (i + 1 < set.size())
                QTRY_COMPARE(w.txtCall->text(), calls[i + 1]); // tag 4
        }
        QTRY_VERIFY(w.mnuReadNuvia->enabled());
        turnEventLoop();
        QCOMPARE(takeSpoken(w), QStringList());
        QCOMPARE(w.txtCall->text(), calls.last());
        QVERIFY(!w.Timer3->enabled());
        QVERIFY(shown(w.cmdNuvia));
        QVERIFY(!shown(w.cmdNuviaStop));
        QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems()));
        QCOMPARE(fixture->boxes.shown().size(), 1);
        QCOMPARE(fixture->boxes.shown().constFirst().text, QStringLiteral("This is the last question."));
    }

    // Whatever ends the cycle ends it at once: nothing more is said, the
    // pause does not run on to tell an answer, the record stays.
    void readAloudEndsAtOnce_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("duringPause");
        QTest::addColumn<QString>("storedMode");
        for (bool pause : {false, true}) {
            const char* when = pause ? "during the pause" : "while reading";
            QTest::addRow("Stop, %s", when) << "Stop" << pause << "Nuvia";
            QTest::addRow("Hide Nuvia, %s", when) << "Hide" << pause << "Nuvia";
            QTest::addRow("Use Answer Button, %s", when) << "Use" << pause << "Use";
            QTest::addRow("Don't Tell Me How I'm Doing, %s", when) << "Dont" << pause << "Dont";
        }
    }
    void readAloudEndsAtOnce()
    {
        QFETCH(QString, action);
        QFETCH(bool, duringPause);
        QFETCH(QString, storedMode);
        auto& w = openSet(tenQuestions);
        const QString call = w.txtCall->text();
        w.mnuReadNuvia_Click();
        if (duringPause)
            QTRY_VERIFY(w.Timer3->enabled());
        takeSpoken(w);

        if (action == QLatin1String("Stop"))
            w.cmdNuviaStop->click();
        else if (action == QLatin1String("Hide"))
            w.mnuHideNuvia->trigger();
        else if (action == QLatin1String("Use"))
            w.mnuUse->trigger();
        else
            w.mnuTell->trigger();
        QVERIFY(!w.Timer3->enabled());
        turnEventLoop();
        QVERIFY(!w.Timer3->enabled());
        // A reading that reaches its tag after another mode was chosen
        // starts no pause.
        if (storedMode != QLatin1String("Nuvia")) {
            w.Agent1_Bookmark(3);
            QVERIFY(!w.Timer3->enabled());
        }
        QCOMPARE(takeSpoken(w), QStringList());
        QCOMPARE(w.txtCall->text(), call);
        QCOMPARE(setting("State"), storedMode);
        QVERIFY(!shown(w.cmdNuviaStop));
        // "Hide Nuvia" and the Don't-Tell mode leave the item as it was.
        const bool offered = action == QLatin1String("Stop") || action == QLatin1String("Use");
        QCOMPARE(w.mnuReadNuvia->enabled(), offered);
    }

    // An answer judged at once during the pause answers the question: the
    // pause must not tell the answer of the question shown next.
    void pickDuringThePauseEndsIt()
    {
        auto& w = openSet(tenQuestions);
        w.mnuSpeed_Click(); // picks are judged at once and move on
        w.mnuReadNuvia_Click();
        QTRY_VERIFY(w.Timer3->enabled());
        const QString first = w.txtCall->text();
        takeSpoken(w);
        w.optA->setValue(true);
        QVERIFY(w.txtCall->text() != first);
        QVERIFY(!w.Timer3->enabled());
        turnEventLoop();
        QCOMPARE(takeSpoken(w), QStringList());
    }

    // The presentation reads every record with its correct answer and goes
    // on by itself; the set's last record closes the run.
    void presentationRunsThroughTheSet()
    {
        auto& w = openSet(tenQuestions);
        const QList<Record> set = records(w);
        w.cmdReadAll->click();
        QCOMPARE(w.txtPresent->text(), QStringLiteral("Presentation"));
        QVERIFY(!shown(w.cmdNuvia));
        QVERIFY(shown(w.cmdNuviaStop));
        QTRY_VERIFY(shown(w.cmdNuvia)); // tag 6
        QVERIFY(!shown(w.cmdNuviaStop));

        QStringList expected;
        for (int i = 0; i < set.size(); ++i) {
            const Record& r = set[i];
            expected << r.question + " " << "A. " + r.a + " " << "B. " + r.b + " " << "C. " + r.c + " "
                     << "D. " + r.d + " " << " The correct answer is " + r.letter + "." << r.correct()
                     << (i + 1 < set.size() ? QStringLiteral("\\mrk=1\\")
                                            : QStringLiteral("That was the last question.\\mrk=6\\"));
        }
        QCOMPARE(w.Agent1->requests().spokenTexts(), expected);
        // Each item first silences whatever the character still had to say.
        QCOMPARE(w.Agent1->requests().lines().count(QStringLiteral("stop")), set.size());
        QCOMPARE(w.txtCall->text(), w.txtMark->text());
        QCOMPARE(w.txtPresent->text(), QStringLiteral("Presentation"));
        QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems()));
        QVERIFY(fixture->boxes.shown().isEmpty()); // the run stops before the move's notice
    }

    // In the flash-card mode the presentation tells only the question and
    // the correct answer's text.
    void flashCardPresentation()
    {
        auto& w = openSet(tenQuestions);
        const Record first = records(w).first();
        w.mnuFlash_Click();
        w.cmdReadAll_Click();
        w.cmdNuviaStop_Click(); // before tag 1 arrives
        turnEventLoop();
        QCOMPARE(w.Agent1->requests().spokenTexts(),
                 (QStringList{first.question + " ", ".", first.correct(), "\\mrk=1\\"}));
    }

    // A presentation item's video plays before the presentation goes on;
    // the picture is shown when the Images option is on.
    void presentationShowsPictureAndPlaysVideo_data()
    {
        QTest::addColumn<QString>("images");
        QTest::newRow("pictures on") << "yes";
        QTest::newRow("pictures off") << "no";
    }
    void presentationShowsPictureAndPlaysVideo()
    {
        QFETCH(QString, images);
        fixture->storeSetting(QStringLiteral("Images"), images);
        auto& w = openSet(questionsets::chapterQuery(ladders));
        form<contents::frmContents>().txtRes->setText(QStringLiteral(" 1280 x 1024"));
        const QStringList calls = testsupport::QuestionWindowFixture::setCalls(w);
        w.recordDisplay(); // as the window's activation shows the first record
        QVERIFY(shown(w.cmdShow)); // the first record has a picture

        w.cmdReadAll_Click();
        QCOMPARE(shown(w.FXImage1), images == QLatin1String("yes"));
        // Records 1 and 2 have no video: on to record 3, which has one.
        QTRY_COMPARE(w.txtCall->text(), calls[2]);
        QTRY_VERIFY(shown(w.fraVideo)); // tag 1 of record 3: its video
        w.Video->stop();
        QVERIFY(w.Agent1->requests().lines().contains(QStringLiteral("moveTo 535,410")));
        turnEventLoop();
        QCOMPARE(w.txtCall->text(), calls[2]); // waits for the video
        w.Agent1->requests().clear();

        emit w.Video->playEnded(0);
        QCOMPARE(w.txtCall->text(), calls[3]);
        QCOMPARE(w.Agent1->requests().lines().constFirst(), QStringLiteral("stop"));
        QVERIFY(w.Agent1->requests().spokenTexts().contains(w.txtQuestion->text() + " "));
        w.cmdNuviaStop_Click();
    }

    // Stopped during its video, the presentation stays stopped when the
    // video ends: the end only moves to the next record.
    void stopDuringTheVideo()
    {
        auto& w = openSet(questionsets::chapterQuery(ladders));
        const QStringList calls = testsupport::QuestionWindowFixture::setCalls(w);
        testsupport::QuestionWindowFixture::moveTo(w, 2);
        w.recordDisplay();
        w.cmdReadAll_Click();
        QTRY_VERIFY(shown(w.fraVideo));
        w.Video->stop();
        w.cmdNuviaStop->click();
        w.Agent1->requests().clear();
        emit w.Video->playEnded(0);
        QCOMPARE(w.txtCall->text(), calls[3]);
        turnEventLoop();
        QCOMPARE(w.Agent1->requests().lines(), QStringList());
        QCOMPARE(w.txtPresent->text(), QStringLiteral("Presentation"));
    }

    // Where the character stands for each reading, by the screen size.
    void readingPositions_data()
    {
        QTest::addColumn<QString>("reading");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("move");
        QTest::newRow("read button, 1024") << "button" << " 1024 x 768" << "moveTo 690,410";
        QTest::newRow("read button, 800") << "button" << " 800 x 600" << "moveTo 500,300";
        QTest::newRow("read button, 1280") << "button" << " 1280 x 1024" << "";
        QTest::newRow("presentation, 1024") << "presentation" << " 1024 x 768" << "moveTo 535,410";
        QTest::newRow("presentation, 800") << "presentation" << " 800 x 600" << "moveTo 500,300";
        QTest::newRow("presentation, 1280") << "presentation" << " 1280 x 1024" << "";
        QTest::newRow("read-aloud, 1024") << "read-aloud" << " 1024 x 768" << "moveTo 535,410";
        QTest::newRow("read-aloud, 1280") << "read-aloud" << " 1280 x 1024" << "";
    }
    void readingPositions()
    {
        QFETCH(QString, reading);
        QFETCH(QString, screen);
        QFETCH(QString, move);
        auto& w = openSet(tenQuestions);
        form<contents::frmContents>().txtRes->setText(screen);
        if (reading == QLatin1String("button"))
            w.cmdNuvia->click();
        else if (reading == QLatin1String("presentation"))
            w.cmdReadAll->click();
        else
            w.mnuReadNuvia->trigger();
        QStringList lines = w.Agent1->requests().lines();
        lines.removeAll(QStringLiteral("stop"));
        QStringList start = move.isEmpty() ? QStringList{} : QStringList{move};
        start << QStringLiteral("show");
        QCOMPARE(lines.mid(0, start.size()), start);
        w.cmdNuviaStop_Click();
    }

    // "Hide Nuvia" silences and hides the character and its buttons; "Use
    // Nuvia" gives the buttons back, and the next reading shows it again.
    void hideAndUse()
    {
        auto& w = openSet(tenQuestions);
        w.cmdNuvia->click();
        w.Agent1->requests().clear();
        w.mnuHideNuvia->trigger();
        QCOMPARE(w.Agent1->requests().lines(), (QStringList{"stop", "hide"}));
        QVERIFY(!w.character()->visible());
        for (QWidget* button : {w.cmdNuvia, w.cmdReadAll, w.cmdNuviaStop})
            QVERIFY(!shown(button));
        QVERIFY(w.mnuUseNuvia->visible());
        QVERIFY(!w.mnuHideNuvia->visible());

        w.mnuUseNuvia->trigger();
        QVERIFY(shown(w.cmdNuvia));
        QVERIFY(shown(w.cmdReadAll));
        QVERIFY(!shown(w.cmdNuviaStop));
        QVERIFY(w.mnuHideNuvia->visible());
        QVERIFY(!w.mnuUseNuvia->visible());
        QVERIFY(!w.character()->visible());
        w.cmdNuvia->click();
        QVERIFY(w.character()->visible());
        QCOMPARE(setting("State"), QStringLiteral("Use")); // none of it is stored
    }

    // The balloon and the presentation pictures are stored at once.
    void balloon_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("chooseShow");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("saved");
        QTest::newRow("show") << "no" << true << "balloonStyle 0x0220000F" << "yes";
        QTest::newRow("hide") << "yes" << false << "balloonStyle 0x0220000E" << "no";
    }
    void balloon()
    {
        QFETCH(QString, stored);
        QFETCH(bool, chooseShow);
        QFETCH(QString, style);
        QFETCH(QString, saved);
        fixture->storeSetting(QStringLiteral("balloon"), stored);
        auto& w = openSet(tenQuestions);
        QCOMPARE(w.mnuShowBalloon->visible(), chooseShow);
        (chooseShow ? w.mnuShowBalloon : w.mnuHideBalloon)->trigger();
        QCOMPARE(w.Agent1->requests().lines(), QStringList{style});
        QCOMPARE(w.character()->balloonStyle() & 1, chooseShow ? 1 : 0);
        QCOMPARE(setting("balloon"), saved);
        QCOMPARE(w.mnuShowBalloon->visible(), !chooseShow);
        QCOMPARE(w.mnuHideBalloon->visible(), chooseShow);
    }

    void images_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("saved");
        QTest::newRow("on") << "no" << "yes";
        QTest::newRow("off") << "yes" << "no";
        QTest::newRow("neither: both offered, either stores yes") << "maybe" << "yes";
    }
    void images()
    {
        QFETCH(QString, stored);
        QFETCH(QString, saved);
        fixture->storeSetting(QStringLiteral("Images"), stored);
        auto& w = openSet(tenQuestions);
        const bool both = stored != QLatin1String("yes") && stored != QLatin1String("no");
        QCOMPARE(w.mnuImagesShow[0]->visible(), stored != QLatin1String("yes"));
        QCOMPARE(w.mnuImagesShow[1]->visible(), stored != QLatin1String("no"));
        w.mnuImagesShow[both ? 1 : (saved == QLatin1String("yes") ? 0 : 1)]->trigger();
        QCOMPARE(setting("Images"), saved);
        QCOMPARE(form<contents::frmContents>().txtShowImages->text(), saved);
        QCOMPARE(w.mnuImagesShow[0]->visible(), saved == QLatin1String("no"));
        QCOMPARE(w.mnuImagesShow[1]->visible(), saved == QLatin1String("yes"));
    }

    // The verdict item toggles, and starts ticked at every load.
    void verdictItem()
    {
        auto& w = openSet(tenQuestions);
        QVERIFY(w.mnuNuviaTells->checked());
        w.mnuNuviaTells->trigger();
        QVERIFY(!w.mnuNuviaTells->checked());
        w.mnuNuviaTells->trigger();
        QVERIFY(w.mnuNuviaTells->checked());
        w.mnuNuviaTells->trigger();
        w.Unload();
        QVERIFY(form<frmMain>().mnuNuviaTells->checked());
    }

    // Without speech components the readings do nothing and leave the
    // buttons at rest; the read-aloud mode is still chosen.
    void withoutCharacter()
    {
        fixture->withoutCharacter();
        auto& w = fixture->openCountedSet(tenQuestions);
        w.cmdReadAll_Click();
        QVERIFY(shown(w.cmdNuvia));
        QVERIFY(!shown(w.cmdNuviaStop));
        w.mnuReadNuvia_Click();
        QCOMPARE(setting("State"), QStringLiteral("Nuvia"));
        QVERIFY(!shown(w.cmdNuviaStop));
        w.mnuHideBalloon_Click();
        QCOMPARE(setting("balloon"), QStringLiteral("no"));
    }

    // Through the voice itself: espeak-ng speaks the question read aloud
    // and reports tag 3 when its speech reaches it.
    void readAloudThroughTheVoice()
    {
        auto& engine = speech::SpeechEngine::forApplication();
        if (!engine.synthesizerAvailable())
            QSKIP("espeak-ng did not start");
        engine.setPace(speech::Pace::Speaking);
        auto restore = qScopeGuard([&] { engine.setPace(speech::Pace::Instant); });
        auto& w = openSet(tenQuestions);
        // A short question being edited is read as the screen shows it.
        w.txtQuestion->setText(QStringLiteral("Ready?"));
        for (forms::TextBox* answer : {w.txtA, w.txtB, w.txtC, w.txtD})
            answer->setText(QStringLiteral("yes"));
        w.mnuReadNuvia_Click();
        QCOMPARE(w.txtQuestion2->text(), QStringLiteral("Ready?"));
        QVERIFY(!w.Timer3->enabled());
        QTRY_VERIFY_WITH_TIMEOUT(w.Timer3->enabled(), 30000);
        w.cmdNuviaStop_Click();
    }
};

QTEST_MAIN(tst_Character)
#include "tst_character.moc"
