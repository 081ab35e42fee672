#include "support/FileQuery.h"
#include "support/QuestionWindowFixture.h"

#include "platform/forms/Hourglass.h"
#include "questionwindow/frmMain.h"

#include <QFile>
#include <QtTest>

using forms::form;
using questionwindow::frmMain;
using testsupport::executeSql;
using testsupport::queryValue;

// The memories kept in the question records and the ways out of the window,
// checked in the file itself.
class tst_Memory : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::QuestionWindowFixture> fixture;

    QString db() const { return fixture->databasePath(); }
    int count(const QString& where) const
    {
        return fixture->storedNumber(QStringLiteral("SELECT count(*) FROM table1 WHERE ") + where);
    }

    QString panel(frmMain& w) const { return w.Status->panel(QStringLiteral("Chapter"))->text(); }

    // Some answered, some never answered, drill marks and picks in two chapters.
    void markSomeRecords()
    {
        executeSql(db(), "UPDATE table1 SET x = 'Y', Elephant = 'X', Snoop = 'B' "
                         "WHERE Chapter IN ('Fire Behavior', 'Ventilation') AND QNUM IN ('1', '3', '5')");
        executeSql(db(), "UPDATE table1 SET x = 'N', Snoop = 'A' WHERE Chapter = 'Fire Behavior' AND QNUM = '2'");
    }

private slots:
    void init() { fixture = std::make_unique<testsupport::QuestionWindowFixture>(); }
    void cleanup() { fixture.reset(); }

    void clearMemoryMarksTheWholeSetRight()
    {
        markSomeRecords();
        auto& w = fixture->showChapter(QStringLiteral("Fire Behavior"));
        w.cmdNext_Click();
        w.mnuClear_Click();
        QCOMPARE(count("Chapter = 'Fire Behavior' AND (x IS NULL OR x <> 'N')"), 0);
        QCOMPARE(count("Chapter = 'Ventilation' AND x = 'Y'"), 3);
        QCOMPARE(count("Elephant = 'X'"), 6);
        QCOMPARE(count("Snoop = 'B'"), 6);
        QCOMPARE(w.txtCount->text(), QString::number(count("Chapter = 'Fire Behavior'")));
        QCOMPARE(panel(w), QStringLiteral("Memory Cleared"));
        QCOMPARE(w.txtNum->text(), QStringLiteral("1"));
        QVERIFY(fixture->boxes.ok());
    }

    void clearElephantMemoryAnsweredYesClearsTheWholeTable()
    {
        markSomeRecords();
        auto& w = fixture->showChapter(QStringLiteral("Fire Behavior"));
        fixture->boxes.answer(forms::vbYes);
        w.mnuMemory_Click();
        const forms::ShownBox box = fixture->boxes.shown().value(0);
        QCOMPARE(box.title, QStringLiteral("Brisolt Software"));
        QCOMPARE(box.buttons, int(forms::vbYesNo));
        QCOMPARE(box.icon, int(forms::vbCritical));
        QVERIFY(box.text.startsWith(QStringLiteral("This utility will clear all 'Drill Mode' memory records.  By")));
        QCOMPARE(count("Elephant = 'X'"), 0);
        QCOMPARE(count("Elephant = ' '"), 6);
        QCOMPARE(count("x = 'Y'"), 6);
        QCOMPARE(count("Snoop = 'B'"), 6);
        const int all = count("1");
        QCOMPARE(w.txtCount->text(), QString::number(all));
        QCOMPARE(w.txtCall->text(), QStringLiteral("1")); // the whole table from its first record
        QCOMPARE(w.txtMark->text(), queryValue(db(), "SELECT Call FROM table1 ORDER BY rowid DESC LIMIT 1").toString());
        QCOMPARE(panel(w), QStringLiteral("Elephant Memory Cleared"));
        QVERIFY(!forms::hourglassShown());
    }

    void clearElephantMemoryAnsweredNoChangesNothing()
    {
        markSomeRecords();
        auto& w = fixture->showChapter(QStringLiteral("Fire Behavior"));
        w.Status->panel(QStringLiteral("Chapter"))->setText(QStringLiteral("Fire Behavior"));
        const QString countBefore = w.txtCount->text();
        fixture->boxes.answer(forms::vbNo);
        w.mnuMemory_Click();
        QCOMPARE(count("Elephant = 'X'"), 6);
        QCOMPARE(panel(w), QStringLiteral("Fire Behavior"));
        QCOMPARE(w.txtChapter->text(), QStringLiteral("Fire Behavior"));
        QCOMPARE(w.txtCount->text(), countBefore);
    }

    void clearSnoopEmptiesThePicksOfTheSet()
    {
        markSomeRecords();
        auto& w = fixture->showChapter(QStringLiteral("Fire Behavior"));
        w.cmdLast_Click();
        w.cmdSnoop_Click();
        QCOMPARE(count("Chapter = 'Fire Behavior' AND Snoop <> ''"), 0);
        QCOMPARE(count("Chapter = 'Ventilation' AND Snoop = 'B'"), 3);
        QCOMPARE(count("x = 'Y'"), 6);
        QCOMPARE(w.txtNum->text(), QStringLiteral("1"));
        QVERIFY(!forms::hourglassShown());
        QVERIFY(fixture->boxes.ok());
    }

    void snoopOnExitTickWarnsOnlyWhenTicked()
    {
        auto& w = fixture->showChapter(QStringLiteral("Fire Behavior"));
        fixture->boxes.answer(forms::vbOK);
        w.mnuRecord_Click();
        QVERIFY(w.mnuRecord->checked());
        QCOMPARE(panel(w), QStringLiteral("Snoop Will Clear On Exit"));
        const forms::ShownBox box = fixture->boxes.shown().value(0);
        QCOMPARE(box.title, QStringLiteral("Brisolt Speaks"));
        QCOMPARE(box.icon, int(forms::vbExclamation));
        QVERIFY(box.text.startsWith(QStringLiteral("By Checking this item you will be ensuring")));

        w.Status->panel(QStringLiteral("Chapter"))->setText(QStringLiteral("kept"));
        w.mnuRecord_Click();
        QVERIFY(!w.mnuRecord->checked());
        QCOMPARE(panel(w), QStringLiteral("kept"));
        QCOMPARE(fixture->boxes.shown().size(), 1);
    }

    void exitWithTheTickClearsThePicksOfTheSet()
    {
        markSomeRecords();
        auto& w = fixture->showChapter(QStringLiteral("Fire Behavior"));
        fixture->boxes.answer(forms::vbOK);
        w.mnuRecord_Click();
        w.cmdExit_Click();
        QVERIFY(!fixture->app.isLoaded<frmMain>());
        QCOMPARE(count("Chapter = 'Fire Behavior' AND Snoop <> ''"), 0);
        QCOMPARE(count("Chapter = 'Ventilation' AND Snoop = 'B'"), 3);
        QVERIFY(!forms::hourglassShown());
    }

    // Without the tick the picks stay, and the marks of the question on
    // screen are stored as the window closes.
    void exitWithoutTheTickKeepsPicksAndStoresTheRecordOnScreen()
    {
        markSomeRecords();
        auto& w = fixture->showChapter(QStringLiteral("Fire Behavior"));
        w.cmdNext_Click();
        w.cmdNext_Click(); // QNUM 3
        const QString call = w.txtCall->text();
        w.txtSnoop->setText(QStringLiteral("C"));
        w.txtX->setText(QStringLiteral("N"));
        w.cmdExit_Click();
        QVERIFY(!fixture->app.isLoaded<frmMain>());
        QCOMPARE(queryValue(db(), QStringLiteral("SELECT Snoop || x FROM table1 WHERE Call = ") + call).toString(),
                 QStringLiteral("CN"));
        QCOMPARE(count("Chapter = 'Fire Behavior' AND Snoop = 'B'"), 2);
    }

    void exitAndOpenAgainStartsFromTheDesign()
    {
        auto& w = fixture->showChapter(QStringLiteral("Fire Behavior"));
        w.txtCorrect->setText(QStringLiteral("3"));
        w.txtIncorrect->setText(QStringLiteral("1"));
        w.txtScore->setText(QStringLiteral("75"));
        w.txtQuestionNumbers->setText(QStringLiteral(" 4"));
        w.txtUser->setText(QStringLiteral("Okafor"));
        w.txtAlreadyAnswered->setText(QStringLiteral("2"));
        w.cmdExit_Click();
        auto& again = fixture->showChapter(QStringLiteral("Fire Behavior"));
        QCOMPARE(again.txtCorrect->text(), QStringLiteral("0"));
        QCOMPARE(again.txtIncorrect->text(), QStringLiteral("0"));
        QCOMPARE(again.txtScore->text(), QStringLiteral("0"));
        QVERIFY(again.txtQuestionNumbers->text().isEmpty());
        QVERIFY(again.txtUser->text().isEmpty());
        QCOMPARE(again.txtAlreadyAnswered->text(), QStringLiteral("1"));
        QVERIFY(!again.mnuRecord->checked());
    }

    // The program's end keeps the marks of the question on screen.
    void endStoresTheMarksOfTheRecordOnScreen()
    {
        auto& w = fixture->showChapter(QStringLiteral("Fire Behavior"));
        const QString call = w.txtCall->text();
        w.txtSnoop->setText(QStringLiteral("D"));
        w.txtX->setText(QStringLiteral("Y"));
        w.txtElephant->setText(QStringLiteral("X"));
        w.mnuEnd_Click();
        QVERIFY(fixture->app.ended());
        QCOMPARE(queryValue(db(), QStringLiteral("SELECT Snoop || x || Elephant FROM table1 WHERE Call = ") + call)
                     .toString(),
                 QStringLiteral("DYX"));
    }

    // Walks over an empty set, or without any database, find nothing to do.
    void walksOverNothing_data()
    {
        QTest::addColumn<bool>("withDatabase");
        QTest::newRow("empty set") << true;
        QTest::newRow("no database") << false;
    }
    void walksOverNothing()
    {
        QFETCH(bool, withDatabase);
        if (!withDatabase)
            QVERIFY(QFile::remove(db()));
        auto& w = form<frmMain>();
        if (withDatabase)
            fixture->loadSet(QStringLiteral("SELECT * FROM table1 WHERE False"));
        w.mnuClear_Click();
        QCOMPARE(w.txtCount->text(), QStringLiteral("0"));
        w.cmdSnoop_Click();
        QVERIFY(!forms::hourglassShown());
        fixture->boxes.answer(forms::vbOK);
        w.mnuRecord_Click();
        w.cmdExit_Click();
        QVERIFY(!fixture->app.isLoaded<frmMain>());
        QVERIFY(!forms::hourglassShown());
    }
};

QTEST_MAIN(tst_Memory)
#include "tst_memory.moc"
