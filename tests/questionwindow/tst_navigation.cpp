#include "support/FileQuery.h"
#include "support/QuestionWindowFixture.h"

#include "platform/data/RecordsetObserver.h"
#include "platform/media/MediaPlayer.h"
#include "questionwindow/frmMain.h"
#include "widgets/XP_ProgressBar.h"

#include <QSignalSpy>
#include <QtTest>

using forms::form;
using questionwindow::frmMain;
using testsupport::executeSql;

// Moves through a chapter of the sample bank and the record display that
// ends every move.
class tst_Navigation : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::QuestionWindowFixture> fixture;

    QString db() const { return fixture->databasePath(); }

    static void runMove(frmMain& w, const QString& move)
    {
        if (move == QLatin1String("First"))
            w.cmdFirst_Click();
        else if (move == QLatin1String("Previous"))
            w.cmdPrevious_Click();
        else if (move == QLatin1String("Next"))
            w.cmdNext_Click();
        else
            w.cmdLast_Click();
    }

private slots:
    void init() { fixture = std::make_unique<testsupport::QuestionWindowFixture>(); }
    void cleanup() { fixture.reset(); }

    // Where each move lands, what becomes of the counted-once flag (found at
    // "2": the question was counted) and whether the end notice shows.
    void moves_data()
    {
        QTest::addColumn<QString>("move");
        QTest::addColumn<int>("from");   // -1: the last record
        QTest::addColumn<int>("to");     // -1: the last record
        QTest::addColumn<QString>("flag");
        QTest::addColumn<bool>("notice");
        QTest::newRow("First from the middle") << "First" << 5 << 0 << "2" << false;
        QTest::newRow("Back from the middle") << "Previous" << 5 << 4 << "2" << false;
        QTest::newRow("Back on the first stays, silently") << "Previous" << 0 << 0 << "2" << false;
        QTest::newRow("Next from the middle re-arms") << "Next" << 5 << 6 << "1" << false;
        QTest::newRow("Next on the last stays and says so") << "Next" << -1 << -1 << "1" << true;
        QTest::newRow("Last re-arms") << "Last" << 0 << -1 << "1" << false;
        QTest::newRow("Last on the last re-arms too") << "Last" << -1 << -1 << "1" << false;
    }
    void moves()
    {
        QFETCH(QString, move);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, flag);
        QFETCH(bool, notice);
        const QStringList calls = fixture->callsOf(QStringLiteral("Fire Behavior"));
        auto& w = fixture->showChapter(QStringLiteral("Fire Behavior"));
        fixture->moveTo(w, from < 0 ? int(calls.size()) - 1 : from);
        w.txtAlreadyAnswered->setText(QStringLiteral("2"));
        w.optB->setValue(true);
        w.txtAnswer->setVisible(true);
        w.txtSA->setVisible(true);
        if (notice)
            fixture->boxes.answer(forms::vbOK);

        runMove(w, move);

        QCOMPARE(w.txtCall->text(), calls.at(to < 0 ? int(calls.size()) - 1 : to));
        QCOMPARE(w.txtAlreadyAnswered->text(), flag);
        QVERIFY(!w.optB->value());
        QVERIFY(w.txtAnswer->isHidden());
        QVERIFY(w.txtSA->isHidden());
        QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems()));
        if (notice) {
            const forms::ShownBox box = fixture->boxes.shown().constLast();
            QCOMPARE(box.text, QStringLiteral("This is the last question."));
            QCOMPARE(box.title, QStringLiteral("Brisolt Software"));
            QCOMPARE(box.icon, int(forms::vbExclamation));
        }
    }

    void nextOnAnEmptySetSaysItIsTheLast()
    {
        auto& w = fixture->loadSet(QStringLiteral("SELECT * FROM table1 WHERE False"));
        fixture->boxes.answer(forms::vbOK);
        w.cmdNext_Click();
        w.cmdPrevious_Click();
        w.cmdFirst_Click();
        w.cmdLast_Click();
        QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems()));
        QCOMPARE(fixture->boxes.shown().value(0).text, QStringLiteral("This is the last question."));
        QVERIFY(w.txtChapter->text().isEmpty());
    }

    void nextPastTheEndRevealsTheScoreOnlyInDontTellMode_data()
    {
        QTest::addColumn<bool>("dontTell");
        QTest::newRow("Don't Tell Me How I'm Doing") << true;
        QTest::newRow("another mode") << false;
    }
    void nextPastTheEndRevealsTheScoreOnlyInDontTellMode()
    {
        QFETCH(bool, dontTell);
        auto& w = fixture->showChapter(QStringLiteral("Fire Behavior"));
        w.mnuTell->setEnabled(!dontTell);
        for (forms::TextBox* score : {w.txtCorrect, w.txtIncorrect, w.txtTotal, w.txtScore})
            score->setVisible(false);
        w.cmdScore->setVisible(true);
        w.cmdCheat->setVisible(false);
        w.cmdLast_Click();
        fixture->boxes.answer(forms::vbOK);
        w.cmdNext_Click();
        for (forms::TextBox* score : {w.txtCorrect, w.txtIncorrect, w.txtTotal, w.txtScore})
            QCOMPARE(score->isHidden(), !dontTell);
        QCOMPARE(w.cmdScore->isHidden(), dontTell);
        QCOMPARE(w.cmdCheat->isHidden(), !dontTell);
    }

    // "First" leaves the "Notes" button alone; the other moves show it
    // exactly when the record reached has notes.
    void notesButton_data()
    {
        QTest::addColumn<QString>("move");
        QTest::addColumn<bool>("targetHasNotes");
        QTest::addColumn<bool>("shownAfter");
        QTest::newRow("First keeps it shown") << "First" << false << true;
        QTest::newRow("Previous to a record without notes") << "Previous" << false << false;
        QTest::newRow("Next to a record without notes") << "Next" << false << false;
        QTest::newRow("Last to a record without notes") << "Last" << false << false;
        QTest::newRow("Next to a record with notes") << "Next" << true << true;
    }
    void notesButton()
    {
        QFETCH(QString, move);
        QFETCH(bool, targetHasNotes);
        QFETCH(bool, shownAfter);
        const QStringList calls = fixture->callsOf(QStringLiteral("Fire Behavior"));
        const QString target = move == QLatin1String("First")      ? calls.first()
                               : move == QLatin1String("Previous") ? calls.at(2)
                               : move == QLatin1String("Next")     ? calls.at(4)
                                                                   : calls.last();
        executeSql(db(), QStringLiteral("UPDATE table1 SET Memo = %1 WHERE Call = %2")
                             .arg(targetHasNotes ? "'a note'" : "''", target));
        auto& w = fixture->showChapter(QStringLiteral("Fire Behavior"));
        fixture->moveTo(w, 3);
        w.cmdShowNotes->setVisible(true);
        runMove(w, move);
        QCOMPARE(!w.cmdShowNotes->isHidden(), shownAfter);
    }

    // A picture the question names that is missing or damaged is told in its
    // frame, by name; once a picture loads, or a record names none, the words
    // are gone.
    void unreadablePictureIsTold_data()
    {
        QTest::addColumn<bool>("damaged");
        QTest::newRow("missing") << false;
        QTest::newRow("damaged") << true;
    }
    void unreadablePictureIsTold()
    {
        QFETCH(bool, damaged);
        auto& w = fixture->showChapter(QStringLiteral("Self-Contained Breathing Apparatus")); // pictures on 1, 2 and 5
        QFile picture(w.txtFileName->text());
        QVERIFY(picture.open(QIODevice::ReadOnly));
        const QByteArray bytes = picture.readAll();
        picture.close();
        if (damaged) {
            QVERIFY(picture.open(QIODevice::WriteOnly));
            picture.write(bytes.left(40));
            picture.close();
        } else {
            QVERIFY(picture.remove());
        }

        w.cmdShow_Click();
        QVERIFY(!w.FXImage1->isHidden());
        QVERIFY(!w.FXImage1->hasPicture());
        QCOMPARE(w.FXImage1->text(), QStringLiteral("The picture cannot be shown: the file \"scba.jpg\" is %1.")
                                         .arg(damaged ? QStringLiteral("damaged") : QStringLiteral("missing")));
        if (!qEnvironmentVariableIsEmpty("DRILLBOOK_SHOTS"))
            w.grab().save(qEnvironmentVariable("DRILLBOOK_SHOTS") + QStringLiteral("/picture-%1.png")
                                                                     .arg(QLatin1String(QTest::currentDataTag())));

        QVERIFY(picture.open(QIODevice::WriteOnly));
        picture.write(bytes);
        picture.close();
        w.cmdNext_Click();
        QVERIFY(w.FXImage1->hasPicture());
        QCOMPARE(w.FXImage1->text(), QString());
        w.cmdNext_Click(); // no picture
        QCOMPARE(w.FXImage1->text(), QString());
    }

    // A record without a picture hides it; the next picture then waits for
    // "Show Picture".
    void pictureVisibilityCarriesOverUntilARecordHasNone()
    {
        auto& w = fixture->showChapter(QStringLiteral("Self-Contained Breathing Apparatus")); // pictures on 1, 2 and 5
        QVERIFY(!w.cmdShow->isHidden());
        w.cmdShow_Click();
        QVERIFY(!w.FXImage1->isHidden());
        QVERIFY(w.FXImage1->hasPicture());

        w.cmdNext_Click(); // second record: a picture too, still shown
        QVERIFY(!w.FXImage1->isHidden());
        QVERIFY(!w.cmdHide->isHidden());
        QVERIFY(w.cmdShow->isHidden());

        w.cmdNext_Click(); // no picture
        QVERIFY(w.FXImage1->isHidden());
        QVERIFY(w.cmdShow->isHidden());
        QVERIFY(w.cmdHide->isHidden());

        w.cmdNext_Click();
        w.cmdNext_Click(); // a picture again
        QVERIFY(w.FXImage1->isHidden());
        QVERIFY(!w.cmdShow->isHidden());
        QVERIFY(w.cmdHide->isHidden());
        QCOMPARE(w.txtFileName->text(), fixture->folder.path() + QStringLiteral("/pictures/scba.jpg"));

        w.cmdShow_Click();
        w.FXImage1_Click(); // a click on the picture hides it
        QVERIFY(w.FXImage1->isHidden());
        QVERIFY(!w.cmdShow->isHidden());

        // A double click on the second picture box puts it away likewise.
        w.Picture1->setVisible(true);
        w.cmdShow->setVisible(false);
        w.cmdHide->setVisible(true);
        QTest::mouseDClick(w.Picture1, Qt::LeftButton);
        QVERIFY(w.Picture1->isHidden());
        QVERIFY(!w.cmdShow->isHidden());
        QVERIFY(w.cmdHide->isHidden());
    }

    void recordWithoutVideoHidesTheVideoControls()
    {
        const QStringList calls = fixture->callsOf(QStringLiteral("Fire Behavior"));
        executeSql(db(), QStringLiteral("UPDATE table1 SET Video = 'flashover.mp4' WHERE Call = %1").arg(calls.at(1)));
        auto& w = fixture->showChapter(QStringLiteral("Fire Behavior"));
        w.cmdNext_Click();
        QVERIFY(!w.cmdShowVideo->isHidden());
        QCOMPARE(w.txtVideo->text(), fixture->folder.path() + QStringLiteral("/Video/flashover.mp4"));
        w.cmdShowVideo_Click();
        QVERIFY(!w.fraVideo->isHidden());
        QVERIFY(!w.cmdHideVideo->isHidden());
        QVERIFY(w.cmdShowVideo->isHidden());
        w.cmdNext_Click();
        QVERIFY(w.fraVideo->isHidden());
        QVERIFY(w.cmdShowVideo->isHidden());
        QVERIFY(w.cmdHideVideo->isHidden());
        QCOMPARE(w.Video->fileName(), fixture->folder.path() + QStringLiteral("/Video"));
    }

    // "Show Video" enters the record again: back past the first record and
    // forward to it.
    void showVideoOnTheFirstRecordComesBackToIt()
    {
        const QStringList calls = fixture->callsOf(QStringLiteral("Fire Behavior"));
        executeSql(db(), QStringLiteral("UPDATE table1 SET Video = 'flashover.mp4' WHERE Call = %1").arg(calls.first()));
        auto& w = fixture->showChapter(QStringLiteral("Fire Behavior"));
        QSignalSpy moves(w.Data1, &data::DataControl::reposition);
        w.cmdShowVideo_Click();
        QCOMPARE(moves.count(), 2);
        QCOMPARE(w.txtCall->text(), calls.first());
        QVERIFY(!w.fraVideo->isHidden());
    }

    void flashCardModeHidesTheAnswersAfterEveryMove_data()
    {
        QTest::addColumn<QString>("move");
        QTest::newRow("First") << "First";
        QTest::newRow("Previous") << "Previous";
        QTest::newRow("Next") << "Next";
        QTest::newRow("Last") << "Last";
    }
    void flashCardModeHidesTheAnswersAfterEveryMove()
    {
        QFETCH(QString, move);
        auto& w = fixture->showChapter(QStringLiteral("Fire Behavior"));
        fixture->moveTo(w, 2);
        w.txtBe->setText(QStringLiteral("F"));
        for (forms::TextBox* answer : {w.txtA, w.txtB, w.txtC, w.txtD})
            answer->setVisible(true);
        runMove(w, move);
        for (forms::TextBox* answer : {w.txtA, w.txtB, w.txtC, w.txtD})
            QVERIFY(answer->isHidden());
    }

    // The record-change step: the progress bar shows the record's place in
    // the set to the nearest whole percent, a half going to the even number,
    // and the record copies follow.
    void progressAndCopiesFollowEveryMove_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("place"); // from 1
        QTest::addColumn<int>("percent");
        QTest::newRow("1st of 3: 33.3") << 3 << 1 << 33;
        QTest::newRow("2nd of 3: 66.7") << 3 << 2 << 67;
        QTest::newRow("3rd of 16: 18.75") << 16 << 3 << 19;
        QTest::newRow("1st of 16: 6.25") << 16 << 1 << 6;
        QTest::newRow("1st of 8: 12.5 goes to 12") << 8 << 1 << 12;
        QTest::newRow("3rd of 8: 37.5 goes to 38") << 8 << 3 << 38;
        QTest::newRow("7th of 8: 87.5 goes to 88") << 8 << 7 << 88;
        QTest::newRow("last of 16") << 16 << 16 << 100;
    }
    void progressAndCopiesFollowEveryMove()
    {
        QFETCH(int, rows);
        QFETCH(int, place);
        QFETCH(int, percent);
        auto& w = fixture->loadSet(QStringLiteral("SELECT Top %1 * FROM table1").arg(rows));
        QCOMPARE(w.Data1->recordset().recordCount(), rows);
        for (int i = 1; i < place; ++i)
            w.cmdNext_Click();
        QCOMPARE(w.Data1->recordset().absolutePosition(), place - 1);
        QCOMPARE(w.ProgressBar1->Value(), percent);
        for (auto [copy, bound] : {std::pair{w.txtQuestion2, w.txtQuestion}, {w.txtA2, w.txtA}, {w.txtB2, w.txtB},
                                   {w.txtC2, w.txtC}, {w.txtD2, w.txtD}, {w.txtAnswer2, w.txtAnswer},
                                   {w.txtNotes2, w.txtNotes}})
            QCOMPARE(copy->text(), bound->text());
    }

    // With no current record neither the bar nor the copies move.
    void progressAndCopiesStayWithoutACurrentRecord()
    {
        auto& w = fixture->showChapter(QStringLiteral("Fire Behavior"));
        w.cmdLast_Click();
        QCOMPARE(w.ProgressBar1->Value(), 100);
        const QString question = w.txtQuestion2->text();
        w.Data1->recordset().moveNext();
        QCOMPARE(w.txtQuestion2->text(), question);
        QCOMPARE(w.ProgressBar1->Value(), 100);
    }

    // Every way the set really leaves a record keeps what the user changed
    // in its bound boxes: the file holds it afterwards. Only leaving for a
    // bookmark would drop it, and nothing in the engine leaves a record for
    // a bookmark, so that one case is asked of the event alone.
    void validateDropsChangesOnlyForABookmark_data()
    {
        QTest::addColumn<QString>("leave");
        QTest::newRow("next") << "Next";
        QTest::newRow("previous") << "Previous";
        QTest::newRow("first") << "First";
        QTest::newRow("last") << "Last";
        QTest::newRow("find") << "find";
        QTest::newRow("refresh") << "refresh";
        QTest::newRow("unload") << "unload";
        QTest::newRow("bookmark") << "bookmark";
    }
    void validateDropsChangesOnlyForABookmark()
    {
        QFETCH(QString, leave);
        auto& w = fixture->showChapter(QStringLiteral("Fire Behavior"));
        fixture->moveTo(w, 2);
        if (leave == QLatin1String("bookmark")) {
            bool save = true;
            emit w.Data1->validate(int(data::ValidateAction::Bookmark), save);
            QVERIFY(!save);
            return;
        }
        const QString id = w.txtReturn->text();
        const QString note = QStringLiteral("Check the hose before it is charged.");
        QVERIFY(w.txtNotes->text() != note);
        w.txtNotes->setText(note);
        data::Recordset& records = w.Data1->recordset();
        if (leave == QLatin1String("find"))
            records.findFirst(QStringLiteral("Call = ") + fixture->callsOf(QStringLiteral("Fire Behavior")).first());
        else if (leave == QLatin1String("refresh"))
            w.Data1->refresh();
        else if (leave == QLatin1String("unload"))
            QVERIFY(w.Unload());
        else
            runMove(w, leave);
        QCOMPARE(testsupport::queryValue(db(), QStringLiteral("SELECT Memo FROM table1 WHERE ID = %1").arg(id)).toString(),
                 note);
    }

    // The moves and the choices work from the keyboard alone.
    void enterAndSpaceDriveTheFocusedControl()
    {
        const QStringList calls = fixture->callsOf(QStringLiteral("Fire Behavior"));
        auto& w = fixture->showChapter(QStringLiteral("Fire Behavior"));
        QTest::keyClick(w.cmdNext, Qt::Key_Return);
        QCOMPARE(w.txtCall->text(), calls.at(1));
        QTest::keyClick(w.cmdNext, Qt::Key_Space);
        QCOMPARE(w.txtCall->text(), calls.at(2));
        QTest::keyClick(w.cmdPrevious, Qt::Key_Enter);
        QCOMPARE(w.txtCall->text(), calls.at(1));
        QTest::keyClick(w.optC, Qt::Key_Space);
        QVERIFY(w.optC->value());
    }

    // Letters on a move button pick that answer; where the pick does not
    // judge by itself, the Answer step follows.
    void letterKeysOnTheMoveButtons_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<char>("key");
        QTest::addColumn<QString>("picked");
        QTest::addColumn<bool>("answered");
        QTest::newRow("b in the answer-button mode") << "U" << 'b' << "B" << true;
        QTest::newRow("C in the answer-button mode") << "U" << 'C' << "C" << true;
        QTest::newRow("a in flash-card mode") << "F" << 'a' << "A" << false;
        QTest::newRow("x does nothing") << "U" << 'x' << "" << false;
        QTest::newRow("d in turbo mode only picks") << "S" << 'd' << "D" << false;
        QTest::newRow("a in the silent mode only picks") << "D" << 'a' << "A" << false;
    }
    void letterKeysOnTheMoveButtons()
    {
        QFETCH(QString, mode);
        QFETCH(char, key);
        QFETCH(QString, picked);
        QFETCH(bool, answered);
        auto& w = fixture->showChapter(QStringLiteral("Fire Behavior"));
        w.txtBe->setText(mode);
        const QString snoopBefore = w.txtSnoop->text();
        const QString question = w.txtCall->text();
        if (mode == QLatin1String("F")) {
            for (forms::TextBox* answer : {w.txtA, w.txtB, w.txtC, w.txtD})
                answer->setVisible(false);
        }
        QTest::keyClick(w.cmdPrevious, key);
        if (picked.isEmpty()) {
            QCOMPARE(w.txtSnoop->text(), snoopBefore);
            QVERIFY(!w.optA->value() && !w.optB->value() && !w.optC->value() && !w.optD->value());
        } else if (mode == QLatin1String("U") || mode == QLatin1String("F")) {
            QCOMPARE(w.txtSnoop->text(), picked);
            QCOMPARE(w.txtCall->text(), question);
        }
        QCOMPARE(!w.txtSA->isHidden(), answered && mode == QLatin1String("U"));
        if (mode == QLatin1String("F")) {
            // The card was turned over: the correct answer's box shows.
            const int correct = QStringLiteral("ABCD").indexOf(w.txtAnswer->text());
            QVERIFY(correct >= 0);
            const forms::TextBox* boxes[] = {w.txtA, w.txtB, w.txtC, w.txtD};
            QVERIFY(!boxes[correct]->isHidden());
        }
        QVERIFY(fixture->boxes.ok());
    }
};

QTEST_MAIN(tst_Navigation)
#include "tst_navigation.moc"
