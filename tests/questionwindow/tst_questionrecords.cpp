#include "editing/EditStates.h"
#include "support/FileQuery.h"
#include "support/QuestionWindowFixture.h"
#include "support/SampleChapters.h"
#include "support/WriteProtection.h"

#include "contents/frmContents.h"
#include "platform/data/Quoting.h"
#include "questionwindow/frmMain.h"
#include "settings/Markers.h"

#include <QtTest>

using forms::form;
using questionwindow::frmMain;
using testsupport::executeSql;
using testsupport::heldForChange;
using testsupport::movesFree;
using testsupport::queryValue;
namespace sample = testsupport::sample;

namespace {

// The change is stored: the window moves freely and offers New and Delete again.
bool changeFinished(const frmMain& w)
{
    return movesFree(w) && w.cmdNew->isEnabled() && w.cmdDelete->isEnabled() && !w.cmdSave->isEnabled();
}

} // namespace

// New, Save and Delete on the question window, and the first question a set
// that a deletion emptied is offered.
class tst_QuestionRecords : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::QuestionWindowFixture> fixture;

    QString db() const { return fixture->databasePath(); }
    int bankLargestCall() const { return fixture->storedNumber(QStringLiteral("SELECT MAX(Call) FROM table1")); }
    int questionsOf(const QString& chapter) const
    {
        return fixture->storedNumber(
            QStringLiteral("SELECT COUNT(*) FROM table1 WHERE Chapter = %1").arg(data::sqlText(chapter)));
    }
    // The stored question with this database number, as "chapter|qnum|level|picbox|question".
    QString storedQuestion(const QString& call) const
    {
        return queryValue(db(), QStringLiteral("SELECT Chapter || '|' || QNUM || '|' || FF || '|' || picbox || '|' || "
                                               "Question FROM table1 WHERE Call = %1")
                                    .arg(call))
            .toString();
    }

    frmMain& unlockedChapter(const QString& chapter)
    {
        auto& w = fixture->openChapter(chapter);
        w.Show();
        w.mnuUnlock->trigger();
        return w;
    }

private slots:
    void init() { fixture = std::make_unique<testsupport::QuestionWindowFixture>(); }
    void cleanup() { fixture.reset(); }

    // The database number is one above the bank's largest, wherever in the
    // bank that is; the question number follows the chapter's last stored
    // question, not its largest.
    void newQuestionTakesFreshNumbers_data()
    {
        QTest::addColumn<QString>("chapter");
        QTest::newRow("Fire Hose") << sample::hose;
        QTest::newRow("a title with a quote") << sample::captains;
    }
    void newQuestionTakesFreshNumbers()
    {
        QFETCH(QString, chapter);
        const QString title = data::sqlText(chapter);
        executeSql(db(), QStringLiteral("UPDATE table1 SET Call = 90000 WHERE ID = (SELECT MIN(ID) FROM table1 WHERE "
                                        "Chapter = %1)")
                             .arg(data::sqlText(sample::ladders)));
        executeSql(db(), QStringLiteral("UPDATE table1 SET QNUM = '12' WHERE ID = (SELECT MIN(ID) FROM table1 WHERE "
                                        "Chapter = %1)")
                             .arg(title));
        executeSql(db(), QStringLiteral("UPDATE table1 SET QNUM = '7' WHERE ID = (SELECT MAX(ID) FROM table1 WHERE "
                                        "Chapter = %1)")
                             .arg(title));
        auto& w = unlockedChapter(chapter);
        const int before = questionsOf(chapter);

        w.cmdNew->click();
        QCOMPARE(w.txtCall->text(), QStringLiteral("90001"));
        QCOMPARE(w.txtNum->text(), QStringLiteral("8"));
        QCOMPARE(w.txtChapter->text(), chapter);
        QCOMPARE(w.txtLevel->text(), QStringLiteral("1"));
        QCOMPARE(w.txtPicBox->text(), QStringLiteral("New"));
        QCOMPARE(w.txtNew->text(), QStringLiteral("New"));
        QVERIFY(!w.txtAnswer->isHidden());
        QVERIFY(w.txtQuestion->text().isEmpty());
        QVERIFY(heldForChange(w));
        QCOMPARE(questionsOf(chapter), before); // stored only by Save

        const QString question = QStringLiteral("Which coupling is on the hydrant end?");
        w.txtQuestion->setText(question);
        w.txtA->setText(QStringLiteral("Female"));
        w.txtAnswer->setText(QStringLiteral("A"));
        w.cmdSave->click();
        QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems()));
        QCOMPARE(storedQuestion(QStringLiteral("90001")), chapter + QStringLiteral("|8|1|New|") + question);
        QCOMPARE(fixture->storedNumber(QStringLiteral("SELECT COUNT(*) FROM table1 WHERE Call = 90001")), 1);
        // The window shows the question it stored, free to move on.
        QCOMPARE(w.txtCall->text(), QStringLiteral("90001"));
        QCOMPARE(w.txtCount->text(), QString::number(before + 1));
        QCOMPARE(w.txtMark->text(), QStringLiteral("90001")); // now the set's last question
        QCOMPARE(w.txtQuestion2->text(), question);
        QCOMPARE(w.txtAnswer2->text(), QStringLiteral("A"));
        QCOMPARE(w.txtNew->text(), QStringLiteral("Old"));
        QVERIFY(changeFinished(w));
    }

    // A set marker that names no chapter never becomes one: the question
    // joins the chapter of the question shown.
    void newQuestionJoinsTheShownChapter_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("whole bank") << "Snore";
        QTest::newRow("drill set") << "Sneeze";
        QTest::newRow("unlocked by the database number") << "double click";
    }
    void newQuestionJoinsTheShownChapter()
    {
        QFETCH(QString, way);
        auto& w = fixture->openChapter(sample::ladders);
        w.Show();
        if (way == QLatin1String("double click")) {
            emit w.txtCall->dblClick();
        } else {
            w.txtQ->setText(way);
            w.mnuUnlock->trigger();
        }
        const QString marker = w.txtQ->text();
        const int next = bankLargestCall() + 1;
        w.cmdNew->click();
        QCOMPARE(w.txtChapter->text(), sample::ladders);
        w.txtQuestion->setText(QStringLiteral("How far from the wall is the foot of a ladder set?"));
        w.cmdSave->click();
        QVERIFY(storedQuestion(QString::number(next)).startsWith(sample::ladders + QLatin1Char('|')));
        QCOMPARE(fixture->storedNumber(
                     QStringLiteral("SELECT COUNT(*) FROM table1 WHERE Chapter = %1").arg(data::sqlText(marker))),
                 0);
    }

    void saveOfAChangedQuestionStaysOnIt()
    {
        auto& w = unlockedChapter(sample::hose);
        w.cmdNext->click();
        w.cmdNext->click();
        const QString call = w.txtCall->text();
        w.txtNotes->setText(QStringLiteral("Drain and roll after use."));
        w.LockStuff();
        w.cmdSave->click();
        QCOMPARE(w.txtCall->text(), call);
        QCOMPARE(queryValue(db(), QStringLiteral("SELECT Memo FROM table1 WHERE Call = %1").arg(call)).toString(),
                 QStringLiteral("Drain and roll after use."));
        QCOMPARE(w.txtNotes2->text(), QStringLiteral("Drain and roll after use."));
        QVERIFY(changeFinished(w));
        QVERIFY(fixture->boxes.ok());
    }

    // A bank that cannot be written: the user is told, and the question
    // stays as typed, still being changed, until a later Save stores it.
    void failedSaveIsToldAndKeepsTheQuestion()
    {
        auto& w = unlockedChapter(sample::hose);
        const QString call = QString::number(bankLargestCall() + 1);
        w.cmdNew->click();
        w.txtQuestion->setText(QStringLiteral("What is a hose bridge for?"));
        {
            const testsupport::WriteProtection readOnly(fixture->folder.path());
            fixture->boxes.answer(forms::vbOK);
            w.cmdSave->click();
        }
        QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems()));
        const forms::ShownBox told = fixture->boxes.shown().value(0);
        QVERIFY2(told.text.startsWith(QStringLiteral("The question could not be saved.")), qPrintable(told.text));
        QCOMPARE(told.icon, int(forms::vbExclamation));
        QVERIFY(storedQuestion(call).isEmpty());
        QVERIFY(heldForChange(w));
        QCOMPARE(w.txtNew->text(), QStringLiteral("New"));
        QCOMPARE(w.txtPicBox->text(), QStringLiteral("New"));
        QCOMPARE(w.txtQuestion->text(), QStringLiteral("What is a hose bridge for?"));

        w.cmdSave->click();
        QCOMPARE(storedQuestion(call), sample::hose + QStringLiteral("|") + w.txtNum->text()
                                           + QStringLiteral("|1|New|What is a hose bridge for?"));
        QCOMPARE(w.txtCall->text(), call);
        QVERIFY(changeFinished(w));
    }

    void deleteDeclinedKeepsTheQuestion_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("No") << int(forms::vbNo);
        QTest::newRow("Cancel") << int(forms::vbCancel);
    }
    void deleteDeclinedKeepsTheQuestion()
    {
        QFETCH(int, answer);
        auto& w = unlockedChapter(sample::hose);
        const int before = questionsOf(sample::hose);
        const QString call = w.txtCall->text();
        fixture->boxes.answer(answer);
        w.cmdDelete->click();
        QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems()));
        const forms::ShownBox asked = fixture->boxes.shown().value(0);
        QCOMPARE(asked.text, QStringLiteral("Do You Really Want To Delete This Question?"));
        QCOMPARE(asked.title, QStringLiteral("Brisolt"));
        QCOMPARE(asked.buttons, int(forms::vbYesNoCancel));
        QCOMPARE(questionsOf(sample::hose), before);
        QCOMPARE(w.txtCall->text(), call);
    }

    // The question before takes the deleted one's place; after the first,
    // the one that followed it. No "No Records" while questions remain.
    void deleteShowsANeighbour_data()
    {
        QTest::addColumn<int>("deleted"); // index in the set; -1 the last
        QTest::addColumn<int>("shown");   // index of the one shown after, in the set before
        QTest::newRow("first") << 0 << 1;
        QTest::newRow("third") << 2 << 1;
        QTest::newRow("last") << -1 << -2;
    }
    void deleteShowsANeighbour()
    {
        QFETCH(int, deleted);
        QFETCH(int, shown);
        auto& w = unlockedChapter(sample::captains);
        const QStringList calls = fixture->callsOf(sample::captains);
        QVERIFY(calls.size() >= 4);
        const int at = deleted < 0 ? calls.size() + deleted : deleted;
        testsupport::QuestionWindowFixture::moveTo(w, at);
        fixture->boxes.answer(forms::vbYes);
        w.cmdDelete->click();
        QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems()));
        QCOMPARE(fixture->boxes.shown().size(), 1);
        QStringList left = calls;
        left.removeAt(at);
        QCOMPARE(fixture->callsOf(sample::captains), left);
        QCOMPARE(w.txtCall->text(), calls.at(shown < 0 ? calls.size() + shown : shown));
        QCOMPARE(w.txtCount->text(), QString::number(left.size()));
        QCOMPARE(w.txtMark->text(), left.last());
    }

    // The chapter's last question deleted: a first one is offered, in the
    // same chapter, and stored by Save.
    void emptiedChapterOffersAFirstQuestion()
    {
        const QString solo = QStringLiteral("Officer's Solo Drill");
        executeSql(db(), QStringLiteral("UPDATE table1 SET Chapter = %1 WHERE ID = (SELECT MAX(ID) FROM table1 WHERE "
                                        "Chapter = %2)")
                             .arg(data::sqlText(solo), data::sqlText(sample::hose)));
        auto& w = unlockedChapter(solo);
        const QString call = QString::number(bankLargestCall() + 1);
        fixture->boxes.answer(forms::vbYes).answer(forms::vbYes);
        w.cmdDelete->click();
        QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems()));
        const forms::ShownBox offer = fixture->boxes.shown().value(1);
        QCOMPARE(offer.text, QStringLiteral("No Records, Add Some?"));
        QCOMPARE(offer.title, QStringLiteral("Brisolt Speaks"));
        QCOMPARE(offer.buttons, int(forms::vbYesNoCancel));
        QCOMPARE(w.txtChapter->text(), solo);
        QCOMPARE(w.txtNum->text(), QStringLiteral("1"));
        QCOMPARE(w.txtCall->text(), call);
        QVERIFY(heldForChange(w));
        QVERIFY(w.mnuLock->enabled() && !w.mnuUnlock->enabled());
        for (forms::TextBox* box : {w.txtQuestion, w.txtAnswer, w.txtCall, w.txtA, w.txtB, w.txtC, w.txtD, w.txtNum})
            QVERIFY(!box->locked());

        w.txtQuestion->setText(QStringLiteral("Who leads the drill?"));
        w.cmdSave->click();
        QCOMPARE(storedQuestion(call), solo + QStringLiteral("|1|1|New|Who leads the drill?"));
        QCOMPARE(w.txtCall->text(), call);
        QVERIFY(changeFinished(w));
    }

    void emptiedChapterDeclinedClosesTheWindow()
    {
        const QString solo = QStringLiteral("Solo Drill");
        executeSql(db(), QStringLiteral("UPDATE table1 SET Chapter = %1 WHERE ID = (SELECT MAX(ID) FROM table1 WHERE "
                                        "Chapter = %2)")
                             .arg(data::sqlText(solo), data::sqlText(sample::hose)));
        unlockedChapter(solo);
        const int bank = fixture->storedNumber(QStringLiteral("SELECT COUNT(*) FROM table1"));
        fixture->boxes.answer(forms::vbYes).answer(forms::vbNo);
        form<frmMain>().cmdDelete->click();
        QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems()));
        QVERIFY(!fixture->app.isLoaded<frmMain>());
        QCOMPARE(fixture->storedNumber(QStringLiteral("SELECT COUNT(*) FROM table1")), bank - 1);
    }

    // Questions are only added within a chapter: an emptied whole bank is
    // refused and stays empty.
    void emptiedWholeBankIsRefused()
    {
        executeSql(db(), QStringLiteral("DELETE FROM table1 WHERE ID <> (SELECT MIN(ID) FROM table1)"));
        auto& w = fixture->openCountedSet(QStringLiteral("table1 "));
        w.txtQ->setText(markers::wholeBank);
        w.Show();
        w.mnuUnlock->trigger();
        fixture->boxes.answer(forms::vbYes).answer(forms::vbYes).answer(forms::vbOK);
        w.cmdDelete->click();
        QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems()));
        const forms::ShownBox refusal = fixture->boxes.shown().value(2);
        QCOMPARE(refusal.text, QStringLiteral("Can Not Unlock Database When Viewing In All Calls Mode. Please Edit "
                                              "Database Under Each Individual Chapter Type, Okay?"));
        QCOMPARE(refusal.title, QStringLiteral("Brisolt Quizforge 97"));
        QCOMPARE(w.Data1->recordset().editMode(), int(data::Recordset::EditNone));
        QCOMPARE(fixture->storedNumber(QStringLiteral("SELECT COUNT(*) FROM table1")), 0);
    }

    // Coming back from another window finds the question left, and a new
    // question still open.
    void returningWindowKeepsItsQuestion()
    {
        auto& w = unlockedChapter(sample::hose);
        w.cmdNext->click();
        w.cmdNext->click();
        const QString call = w.txtCall->text();
        form<contents::frmContents>().Show();
        w.Show();
        QCOMPARE(w.txtCall->text(), call);
        QCOMPARE(w.txtMark->text(), fixture->callsOf(sample::hose).last());

        const QString next = QString::number(bankLargestCall() + 1);
        w.cmdNew->click();
        w.txtQuestion->setText(QStringLiteral("What does a hose jacket stop?"));
        form<contents::frmContents>().Show();
        w.Show();
        QCOMPARE(w.txtQuestion->text(), QStringLiteral("What does a hose jacket stop?"));
        QVERIFY(heldForChange(w));
        w.cmdSave->click();
        QVERIFY(storedQuestion(next).endsWith(QStringLiteral("|What does a hose jacket stop?")));
        QVERIFY(fixture->boxes.ok());
    }
};

QTEST_MAIN(tst_QuestionRecords)
#include "tst_questionrecords.moc"
