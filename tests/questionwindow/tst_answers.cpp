#include "support/FileQuery.h"
#include "support/QuestionWindowFixture.h"

#include "platform/speech/CharacterControl.h"
#include "platform/speech/SpeechEngine.h"
#include "questionsets/SetLoading.h"
#include "questionwindow/frmMain.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QtTest>

using questionwindow::frmMain;
using testsupport::queryValue;
using namespace questionsets;

namespace {
const QString safety = QStringLiteral("Firefighter Safety and Protective Equipment");
const QString letters[] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")};
constexpr int verdictGreen = 49152;
constexpr int turboGreen = 65280;
constexpr int red = 255;

enum Mode { Use, Bypass, Turbo, DontTell, Flash };

bool shown(const QWidget* control) { return !control->isHidden(); }
} // namespace

// Picking answers and the Answer step in each answer mode, on a copy of the
// sample bank: verdicts, the score board, the marks in the question records
// and the spoken verdicts.
class tst_Answers : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::QuestionWindowFixture> fixture;

    QString database() const { return fixture->databasePath(); }

    frmMain& openSet(const QString& query, Mode mode)
    {
        auto& w = fixture->openCountedSet(query);
        switch (mode) {
        case Use: w.mnuUse_Click(); break;
        case Bypass: w.mnuBypass_Click(); break;
        case Turbo: w.mnuSpeed_Click(); break;
        case DontTell: w.mnuTell_Click(); break;
        case Flash: w.mnuFlash_Click(); break;
        }
        if (w.Agent1->isLoaded(QStringLiteral("merlin")))
            w.Agent1->requests().clear();
        return w;
    }
    frmMain& openChapter(Mode mode) { return openSet(chapterQuery(safety), mode); }

    static forms::OptionButton* option(frmMain& w, const QString& letter)
    {
        forms::OptionButton* options[] = {w.optA, w.optB, w.optC, w.optD};
        for (int i = 0; i < 4; ++i) {
            if (letters[i] == letter)
                return options[i];
        }
        return nullptr;
    }
    // The user picks an answer.
    static void pick(frmMain& w, const QString& letter) { option(w, letter)->setValue(true); }
    static QString rightLetter(frmMain& w) { return w.txtAnswer->text(); }
    static QString wrongLetter(frmMain& w)
    {
        for (const QString& letter : letters) {
            if (letter != w.txtAnswer->text())
                return letter;
        }
        return {};
    }

    static QStringList board(frmMain& w)
    {
        return {w.txtCorrect->text(), w.txtIncorrect->text(), w.txtTotal->text(), w.txtScore->text()};
    }

    QString storedField(const QString& id, const QString& field)
    {
        return queryValue(database(), QStringLiteral("SELECT %1 FROM table1 WHERE ID=%2").arg(field, id)).toString();
    }

private slots:
    void initTestCase() { speech::SpeechEngine::forApplication().setPace(speech::Pace::Instant); }
    void init() { fixture = std::make_unique<testsupport::QuestionWindowFixture>(); }
    void cleanup() { fixture.reset(); }

    void answerWithoutAPick()
    {
        auto& w = openChapter(Use);
        w.cmdAnswer_Click();
        QCOMPARE(w.txtSA->text(), QStringLiteral("Incorrect"));
        QCOMPARE(w.txtSA->foreColor(), red);
        QVERIFY(shown(w.txtSA));
        QVERIFY(shown(w.txtAnswer));
        QCOMPARE(board(w), (QStringList{"0", "1", "1", ""}));
        QCOMPARE(w.txtX->text(), QStringLiteral("Y"));
        QCOMPARE(w.txtElephant->text(), QStringLiteral("X"));
        QCOMPARE(w.txtQuestionNumbers->text(), " " + w.txtNum->text());
        QCOMPARE(w.txtAlreadyAnswered->text(), QStringLiteral("2"));
        fixture->verifyNoBoxes();
    }

    void secondAnswerCountsNothing()
    {
        auto& w = openChapter(Use);
        pick(w, wrongLetter(w));
        w.cmdAnswer_Click();
        w.cmdAnswer_Click();
        QCOMPARE(w.txtSA->text(), QStringLiteral("Incorrect"));
        QCOMPARE(board(w), (QStringList{"0", "1", "1", ""}));
        // The answer button's mode lists a wrong answer at every press.
        const QString number = w.txtNum->text();
        QCOMPARE(w.txtQuestionNumbers->text(), " " + number + "," + number);
    }

    void wrongThenRightInUseMode()
    {
        auto& w = openChapter(Use);
        pick(w, wrongLetter(w));
        QVERIFY(!shown(w.txtAnswer));
        w.cmdAnswer_Click();
        QCOMPARE(board(w), (QStringList{"0", "1", "1", ""}));
        QCOMPARE(w.txtX->text(), QStringLiteral("Y"));
        QCOMPARE(w.txtElephant->text(), QStringLiteral("X"));
        const QString list = w.txtQuestionNumbers->text();

        pick(w, rightLetter(w));
        w.cmdAnswer_Click();
        QCOMPARE(w.txtSA->text(), QStringLiteral("Correct"));
        QCOMPARE(w.txtSA->foreColor(), verdictGreen);
        QCOMPARE(w.txtX->text(), QStringLiteral("N"));
        QCOMPARE(w.txtElephant->text(), QStringLiteral("X")); // no answer clears the drill mark
        QCOMPARE(w.txtQuestionNumbers->text(), list);
        QCOMPARE(board(w), (QStringList{"0", "1", "1", ""}));
    }

    // A question counts once per visit: Next and Last re-arm the count,
    // First and Back do not.
    void countedOncePerVisit()
    {
        auto& w = openChapter(Use);
        pick(w, rightLetter(w));
        w.cmdAnswer_Click();
        QCOMPARE(board(w), (QStringList{"1", "0", "1", "100"}));

        w.cmdFirst_Click();
        pick(w, wrongLetter(w));
        w.cmdAnswer_Click();
        QCOMPARE(board(w), (QStringList{"1", "0", "1", "100"}));
        QCOMPARE(w.txtX->text(), QStringLiteral("Y")); // judged and marked all the same

        w.cmdNext_Click();
        pick(w, wrongLetter(w));
        w.cmdAnswer_Click();
        QCOMPARE(board(w), (QStringList{"1", "1", "2", "50"}));

        w.cmdPrevious_Click();
        pick(w, rightLetter(w));
        w.cmdAnswer_Click();
        QCOMPARE(board(w), (QStringList{"1", "1", "2", "50"}));

        w.cmdLast_Click();
        pick(w, rightLetter(w));
        w.cmdAnswer_Click();
        QCOMPARE(board(w), (QStringList{"2", "1", "3", "67"}));

        // Past the end the set stays on the last question, counted again.
        fixture->boxes.answer(forms::vbOK);
        w.cmdNext_Click();
        w.cmdAnswer_Click();
        QCOMPARE(board(w), (QStringList{"2", "2", "4", "50"}));
        fixture->verifyNoBoxes();
    }

    void marksReachTheFileWhenTheCursorLeavesTheRow()
    {
        auto& w = openChapter(Use);
        const QString id = w.txtReturn->text();
        const QString letter = wrongLetter(w);
        pick(w, letter);
        w.cmdAnswer_Click();
        QCOMPARE(storedField(id, "x"), QString());
        QCOMPARE(storedField(id, "Elephant"), QString());
        QCOMPARE(storedField(id, "Snoop"), QString());

        w.cmdNext_Click();
        QCOMPARE(storedField(id, "x"), QStringLiteral("Y"));
        QCOMPARE(storedField(id, "Elephant"), QStringLiteral("X"));
        QCOMPARE(storedField(id, "Snoop"), letter);
    }

    // Bypass: the verdict is spoken at once and its last words carry the tag
    // that moves the set on, or ends the run on the last question.
    void bypassVerdicts_data()
    {
        QTest::addColumn<bool>("right");
        QTest::addColumn<bool>("last");
        QTest::newRow("right, middle question") << true << false;
        QTest::newRow("wrong, middle question") << false << false;
        QTest::newRow("right, last question") << true << true;
        QTest::newRow("wrong, last question") << false << true;
    }
    void bypassVerdicts()
    {
        QFETCH(bool, right);
        QFETCH(bool, last);
        fixture->withCharacter();
        auto& w = openChapter(Bypass);
        if (last)
            fixture->moveTo(w, w.Data1->recordset().recordCount() - 1);
        else
            fixture->moveTo(w, 3);
        QSignalSpy marks(w.Agent1, &speech::CharacterControl::bookmark);
        const QString answer = w.txtAnswer->text();
        const QString answerText = w.Data1->recordset().field(answer).value().toString();

        pick(w, right ? rightLetter(w) : wrongLetter(w));

        QStringList expected;
        if (right) {
            expected << (last ? QStringLiteral("Correct") : QStringLiteral("Correct. \\mrk=5\\"));
        } else {
            expected << "That is incorrect. The correct Answer is " + answer + ".";
            expected << (last ? answerText : answerText + ". \\mrk=5\\");
        }
        if (last)
            expected << QStringLiteral("That was the last question.\\mrk=6\\");
        QCOMPARE(w.Agent1->requests().spokenTexts(), expected);
        QCOMPARE(w.Agent1->requests().lines().first(), QStringLiteral("stop"));

        QCOMPARE(w.txtSA->text(), right ? QStringLiteral("Correct") : QStringLiteral("Incorrect"));
        QCOMPARE(w.txtSA->foreColor(), right ? verdictGreen : red);
        QVERIFY(shown(w.txtSA));
        QVERIFY(shown(w.txtAnswer));
        QCOMPARE(board(w), right ? (QStringList{"1", "0", "1", "100"}) : (QStringList{"0", "1", "1", ""}));
        QCOMPARE(w.txtX->text(), right ? QStringLiteral("N") : QStringLiteral("Y"));
        QCOMPARE(w.txtQuestionNumbers->text(), right ? QString() : " " + w.txtNum->text());

        // The character reports the tag when its speech reaches it: tag 5
        // moves on to the next question and reads it aloud (ending in tag 2),
        // tag 6 ends the run on the last question.
        const int position = w.Data1->recordset().absolutePosition();
        const QString nextQuestion = last ? QString() : w.Data1->recordset().field("Question").value().toString();
        QTRY_VERIFY(marks.count() >= 1);
        QCOMPARE(marks.first().first().toInt(), last ? 6 : 5);
        if (last) {
            QTest::qWait(50);
            QCOMPARE(marks.count(), 1);
            QCOMPARE(w.Data1->recordset().absolutePosition(), position);
        } else {
            QTRY_COMPARE(marks.count(), 2);
            QCOMPARE(marks.at(1).first().toInt(), 2);
            QCOMPARE(w.Data1->recordset().absolutePosition(), position + 1);
            QVERIFY(w.Agent1->requests().spokenTexts().contains(w.txtQuestion->text() + QLatin1Char(' ')));
            QVERIFY(w.txtQuestion->text() != nextQuestion);
        }
        QVERIFY(shown(w.cmdNuvia));
        QVERIFY(!shown(w.cmdNuviaStop));
    }

    // Without speech components the answer modes still judge, count and mark.
    void bypassWithoutCharacter()
    {
        fixture->withoutCharacter();
        auto& w = openChapter(Bypass);
        QVERIFY(!w.Agent1->isLoaded(QStringLiteral("merlin")));
        pick(w, wrongLetter(w));
        QCOMPARE(w.txtSA->text(), QStringLiteral("Incorrect"));
        QCOMPARE(board(w), (QStringList{"0", "1", "1", ""}));
        QCOMPARE(w.txtX->text(), QStringLiteral("Y"));
        QCOMPARE(w.txtElephant->text(), QStringLiteral("X"));

        w.mnuUse_Click();
        w.cmdAnswer_Click();
        QCOMPARE(w.txtSA->text(), QStringLiteral("Incorrect"));
    }

    void answerButtonSpeaksItsVerdict_data()
    {
        QTest::addColumn<bool>("right");
        QTest::addColumn<bool>("tells");
        QTest::newRow("right") << true << true;
        QTest::newRow("wrong") << false << true;
        QTest::newRow("verdict not spoken") << false << false;
    }
    void answerButtonSpeaksItsVerdict()
    {
        QFETCH(bool, right);
        QFETCH(bool, tells);
        fixture->withCharacter();
        auto& w = openChapter(Use);
        w.mnuNuviaTells->setChecked(tells);
        w.cmdNuvia->setVisible(false);
        w.cmdNuviaStop->setVisible(true);
        const QString answer = w.txtAnswer->text();
        pick(w, right ? rightLetter(w) : wrongLetter(w));
        w.cmdAnswer_Click();
        QStringList expected;
        if (tells && right)
            expected << QStringLiteral("Correct");
        if (tells && !right)
            expected << QStringLiteral("Incorrect") << " The correct answer should have been " + answer + "."
                     << w.Data1->recordset().field(answer).value().toString();
        QCOMPARE(w.Agent1->requests().spokenTexts(), expected);
        QCOMPARE(shown(w.cmdNuvia), tells);
        QCOMPARE(shown(w.cmdNuviaStop), !tells);
    }

    // In the read-aloud mode a spoken verdict moves on and starts reading the
    // next question, after the answered one was counted and marked.
    void readAloudGoesOnWithTheNextQuestion()
    {
        auto& w = openChapter(Use);
        w.mnuReadNuvia->setEnabled(false); // the read-aloud mode is active
        QSignalSpy reading(w.mnuReadNuvia, &forms::Menu::click);
        const QString id = w.txtReturn->text();
        const QString call = w.txtCall->text();
        pick(w, rightLetter(w));
        w.cmdAnswer_Click();
        QCOMPARE(reading.count(), 1);
        QVERIFY(!w.mnuReadNuvia->enabled());
        QVERIFY(w.txtCall->text() != call);
        QCOMPARE(board(w), (QStringList{"1", "0", "1", "100"}));
        QCOMPARE(storedField(id, "x"), QStringLiteral("N"));
        // The next question waits for its own answer.
        QCOMPARE(w.txtAlreadyAnswered->text(), QStringLiteral("1"));
        QCOMPARE(w.txtX->text(), QString());

        // Without the spoken verdict the mode stays on the question.
        w.mnuNuviaTells->setChecked(false);
        const QString next = w.txtCall->text();
        w.cmdAnswer_Click();
        QCOMPARE(reading.count(), 1);
        QCOMPARE(w.txtCall->text(), next);
    }

    // Turbo shows the next question at once; its box keeps the verdict.
    void turboMovesOnAndKeepsTheVerdict_data()
    {
        QTest::addColumn<bool>("right");
        QTest::newRow("right") << true;
        QTest::newRow("wrong") << false;
    }
    void turboMovesOnAndKeepsTheVerdict()
    {
        QFETCH(bool, right);
        auto& w = openChapter(Turbo);
        const QString id = w.txtReturn->text();
        const QString call = w.txtCall->text();
        const QString letter = right ? rightLetter(w) : wrongLetter(w);
        pick(w, letter);
        QVERIFY(w.txtCall->text() != call);
        QCOMPARE(w.txtAlreadyAnswered->text(), QStringLiteral("1"));
        QVERIFY(shown(w.fraSpeed));
        QCOMPARE(w.txtSpeed->text(), right ? QStringLiteral("Correct") : QStringLiteral("Incorrect"));
        QCOMPARE(w.txtSpeed->foreColor(), right ? turboGreen : red);
        QCOMPARE(board(w), right ? (QStringList{"1", "0", "1", "100"}) : (QStringList{"0", "1", "1", ""}));
        for (forms::OptionButton* choice : {w.optA, w.optB, w.optC, w.optD})
            QVERIFY(!choice->value());
        // The answered question's marks went to the file with the move.
        QCOMPARE(storedField(id, "x"), right ? QStringLiteral("N") : QStringLiteral("Y"));
        QCOMPARE(storedField(id, "Snoop"), letter);
    }

    void dontTellMovesOnWithoutAVerdict()
    {
        auto& w = openChapter(DontTell);
        const QString call = w.txtCall->text();
        pick(w, wrongLetter(w));
        QVERIFY(w.txtCall->text() != call);
        QVERIFY(!shown(w.txtSA));
        QVERIFY(!shown(w.fraSpeed));
        QVERIFY(!shown(w.txtScore));
        QCOMPARE(board(w), (QStringList{"0", "1", "1", ""}));
    }

    // A click on an answer label picks exactly once, whether or not its
    // option was selected already: one count and one move.
    // A screen reader presses the label as a button, with the same effect.
    void labelClickPicksOnce_data()
    {
        QTest::addColumn<bool>("alreadySelected");
        QTest::addColumn<bool>("byReader");
        QTest::newRow("option not selected") << false << false;
        QTest::newRow("option selected") << true << false;
        QTest::newRow("pressed by a screen reader") << false << true;
    }
    void labelClickPicksOnce()
    {
        QFETCH(bool, alreadySelected);
        QFETCH(bool, byReader);
        auto& w = openChapter(Use);
        if (alreadySelected)
            pick(w, QStringLiteral("B"));
        w.mnuTell_Click();
        const int start = w.Data1->recordset().absolutePosition();
        if (byReader) {
            QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(w.lblA[1]);
            QVERIFY(reader && reader->actionInterface());
            QCOMPARE(reader->role(), QAccessible::Button);
            reader->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QCoreApplication::processEvents();
        } else {
            emit w.lblA[1]->click();
        }
        QCOMPARE(w.Data1->recordset().absolutePosition(), start + 1);
        QCOMPARE(w.txtTotal->text(), QStringLiteral("1"));
    }

    // The letter keys of the move buttons pick; only the modes that wait for
    // the Answer step go on to answer. In Bypass the pick's spoken verdict,
    // whose last words move the set on, is left to finish.
    void letterKeys_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("moves");
        QTest::newRow("Use Answer Button") << int(Use) << false;
        QTest::newRow("Bypass") << int(Bypass) << false;
        QTest::newRow("Turbo") << int(Turbo) << true;
        QTest::newRow("Don't Tell") << int(DontTell) << true;
    }
    void letterKeys()
    {
        QFETCH(int, mode);
        QFETCH(bool, moves);
        if (mode == Bypass)
            fixture->withCharacter();
        auto& w = openChapter(Mode(mode));
        fixture->moveTo(w, 3);
        const QString call = w.txtCall->text();
        int key = wrongLetter(w).toLower().at(0).unicode();
        w.moveButton_KeyPress(key);
        QCOMPARE(board(w), (QStringList{"0", "1", "1", ""}));
        QCOMPARE(w.txtCall->text() != call, moves);
        if (moves) {
            // The question shown now was neither judged nor counted.
            QCOMPARE(w.txtAlreadyAnswered->text(), QStringLiteral("1"));
            QCOMPARE(w.txtX->text(), QString());
        } else {
            QCOMPARE(w.txtSA->text(), QStringLiteral("Incorrect"));
        }
        if (mode == Bypass) {
            const QStringList lines = w.Agent1->requests().lines();
            QCOMPARE(lines.count(QStringLiteral("stop")), 1);
            QCOMPARE(w.Agent1->requests().spokenTexts().size(), 2);
            QVERIFY2(lines.constLast().endsWith(QStringLiteral("\\mrk=5\\")), qPrintable(lines.join(QLatin1Char('|'))));
        }
    }

    // A pick that judges by itself on the set's last question counts it
    // once, stays there with the notice, and in the Don't-Tell mode shows
    // the score at the end.
    void judgingPickOnTheLastQuestion_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("Turbo") << int(Turbo);
        QTest::newRow("Don't Tell") << int(DontTell);
    }
    void judgingPickOnTheLastQuestion()
    {
        QFETCH(int, mode);
        auto& w = openChapter(Mode(mode));
        fixture->moveTo(w, w.Data1->recordset().recordCount() - 1);
        const QString id = w.txtReturn->text();
        const QString call = w.txtCall->text();
        QCOMPARE(call, w.txtMark->text());
        fixture->boxes.answer(forms::vbOK);
        pick(w, wrongLetter(w));
        fixture->verifyNoBoxes();
        QCOMPARE(fixture->boxes.shown().constLast().text, QStringLiteral("This is the last question."));
        QCOMPARE(w.txtCall->text(), call);
        QCOMPARE(board(w), (QStringList{"0", "1", "1", ""}));
        QCOMPARE(w.txtQuestionNumbers->text(), " " + w.txtNum->text());
        QCOMPARE(storedField(id, "x"), QStringLiteral("Y"));
        QCOMPARE(storedField(id, "Elephant"), QStringLiteral("X"));
        if (mode == Turbo) {
            QVERIFY(shown(w.fraSpeed));
            QCOMPARE(w.txtSpeed->text(), QStringLiteral("Incorrect"));
        } else {
            for (forms::TextBox* score : {w.txtCorrect, w.txtIncorrect, w.txtTotal, w.txtScore})
                QVERIFY(shown(score));
            QVERIFY(!shown(w.cmdScore));
            QVERIFY(shown(w.cmdCheat));
        }
    }

    // After the counters were reset on a counted question, a pick finds no
    // answers to score: the score shows nothing and the pick goes on.
    void pickWithAnEmptyScoreBoard()
    {
        auto& w = openChapter(Use);
        pick(w, rightLetter(w));
        w.cmdAnswer_Click();
        QCOMPARE(w.txtAlreadyAnswered->text(), QStringLiteral("2"));
        // The counters start again while the question stays counted.
        for (forms::TextBox* counter : {w.txtCorrect, w.txtIncorrect, w.txtTotal, w.txtScore})
            counter->setText(QStringLiteral("0"));
        w.mnuSpeed_Click();
        const QString id = w.txtReturn->text();
        const QString call = w.txtCall->text();
        pick(w, wrongLetter(w));
        QCOMPARE(board(w), (QStringList{"0", "0", "0", ""}));
        QVERIFY(w.txtCall->text() != call);
        QCOMPARE(w.txtSpeed->text(), QStringLiteral("Incorrect"));
        QCOMPARE(storedField(id, "x"), QStringLiteral("Y"));
        QCOMPARE(storedField(id, "Elephant"), QStringLiteral("X"));
    }

    void flashCardReveal_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("textOfD");
        QTest::addColumn<QString>("revealed"); // letters of the boxes shown
        QTest::newRow("B") << "B" << "Water" << "B";
        QTest::newRow("D, All of the above.") << "D" << "All of the above." << "ABCD";
        QTest::newRow("D, All the above.") << "D" << "All the above." << "ABCD";
        QTest::newRow("D, All the above without a full stop") << "D" << "All the above" << "D";
        QTest::newRow("not a letter") << "E" << "All of the above." << "";
    }
    void flashCardReveal()
    {
        QFETCH(QString, answer);
        QFETCH(QString, textOfD);
        QFETCH(QString, revealed);
        testsupport::executeSql(database(), QStringLiteral("UPDATE table1 SET Answer='%1', D='%2' WHERE ID=5")
                                                .arg(answer, textOfD));
        auto& w = openSet(QStringLiteral("SELECT * FROM table1 where ID=5"), Flash);
        forms::TextBox* boxes[] = {w.txtA, w.txtB, w.txtC, w.txtD};
        for (forms::TextBox* box : boxes)
            QVERIFY(!shown(box));

        // A pick only remembers the letter.
        pick(w, QStringLiteral("A"));
        QCOMPARE(w.txtSnoop->text(), QStringLiteral("A"));
        QCOMPARE(board(w), (QStringList{"0", "0", "0", "0"}));

        w.cmdAnswer_Click();
        for (int i = 0; i < 4; ++i)
            QCOMPARE(shown(boxes[i]), revealed.contains(letters[i]));
        // Turning the card over gives no verdict, count or mark.
        QVERIFY(!shown(w.txtSA));
        QCOMPARE(board(w), (QStringList{"0", "0", "0", "0"}));
        QCOMPARE(w.txtX->text(), QString());
        QCOMPARE(w.txtAlreadyAnswered->text(), QStringLiteral("1"));
    }

    void revealInUseMode()
    {
        testsupport::executeSql(database(), "UPDATE table1 SET Answer='D', D='All the above.' WHERE ID=5");
        auto& w = openSet(QStringLiteral("SELECT * FROM table1 where ID=5"), Use);
        for (forms::TextBox* box : {w.txtA, w.txtB, w.txtC, w.txtD})
            box->setVisible(false);
        w.cmdAnswer_Click();
        for (forms::TextBox* box : {w.txtA, w.txtB, w.txtC, w.txtD})
            QVERIFY(shown(box));
    }

    void scorePeek_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<bool>("revealed");
        QTest::newRow("Yes") << int(forms::vbYes) << true;
        QTest::newRow("No") << int(forms::vbNo) << false;
        QTest::newRow("Cancel") << int(forms::vbCancel) << false;
    }
    void scorePeek()
    {
        QFETCH(int, choice);
        QFETCH(bool, revealed);
        auto& w = openChapter(DontTell);
        QVERIFY(shown(w.cmdScore));
        fixture->boxes.answer(choice).answer(forms::vbOK);
        w.cmdScore_Click();
        fixture->verifyNoBoxes();
        const auto& boxes = fixture->boxes.shown();
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(boxes[0].title, QStringLiteral("Brisolt Speaks"));
        QCOMPARE(boxes[0].buttons, int(forms::vbYesNoCancel));
        QCOMPARE(boxes[0].icon, 0);
        QCOMPARE(boxes[0].text,
                 QStringLiteral("Do You Really Think It Is Necessary To Cheat And Look At Your Score\n"
                                "Wouldn't It Be Better To Endure The Pressures Of The Unknown?\n"
                                "If That Is Too Much Pressure For You Then Go Ahead And Just Click Yes. If Not, "
                                "Click On No And Forge Ahead"));
        QCOMPARE(boxes[1].text, revealed ? QStringLiteral("I Am Disappointed!") : QStringLiteral("You Are Bold!"));
        QCOMPARE(boxes[1].icon, int(forms::vbExclamation));
        QCOMPARE(boxes[1].title, QStringLiteral("Brisolt Speaks"));
        for (forms::TextBox* box : {w.txtCorrect, w.txtIncorrect, w.txtTotal, w.txtScore})
            QCOMPARE(shown(box), revealed);
        QCOMPARE(shown(w.cmdScore), !revealed);
        QCOMPARE(shown(w.cmdCheat), revealed);

        w.cmdCheat_Click();
        for (forms::TextBox* box : {w.txtCorrect, w.txtIncorrect, w.txtTotal, w.txtScore})
            QVERIFY(!shown(box));
        QVERIFY(shown(w.cmdScore));
        QVERIFY(!shown(w.cmdCheat));
    }
};

QTEST_MAIN(tst_Answers)
#include "tst_answers.moc"
