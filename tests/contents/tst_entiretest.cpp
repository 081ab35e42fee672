#include "support/FileQuery.h"
#include "support/ProgramFixture.h"

#include "ContentsTestWindows.h"
#include "platform/forms/Hourglass.h"
#include "questionwindow/frmMain.h"

#include <QtTest>

using contentstest::chapterButton;
using contentstest::contentsWindow;
using contentstest::entireTestButton;
using contentstest::pressedTitleBox;
using forms::form;
using questionwindow::frmMain;
using testsupport::queryColumn;
using testsupport::queryValue;

// "The Entire Test" of each table of contents hands the whole question table
// to the question window.
class tst_EntireTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::ProgramFixture> fixture;

    QString db() const { return fixture->databasePath(); }

private slots:
    void init()
    {
        fixture = std::make_unique<testsupport::ProgramFixture>();
        // Test bank 1 opens its chapters once the speech components are in.
        testsupport::executeSql(db(), "UPDATE Table13 SET AgentInstall='Yes'");
    }
    void cleanup() { fixture.reset(); }

    void opensEveryQuestionInStoredOrder_data()
    {
        QTest::addColumn<int>("bank");
        QTest::newRow("bank 1") << 1;
        QTest::newRow("bank II") << 2;
        QTest::newRow("bank III") << 3;
    }
    void opensEveryQuestionInStoredOrder()
    {
        QFETCH(int, bank);
        // A chapter first, so nothing of the whole table is left over from the load.
        contentsWindow(1).Show();
        chapterButton(1, 3)->press();
        contentsWindow(bank).Show();
        QTest::mouseClick(entireTestButton(bank), Qt::LeftButton);

        auto& w = form<frmMain>();
        QCOMPARE(w.Data1->recordSource(), QStringLiteral("table1 "));
        QCOMPARE(pressedTitleBox(bank)->text(), QStringLiteral("Snore"));
        QCOMPARE(w.txtQ->text(), QStringLiteral("Snore"));
        QCOMPARE(w.txtCount->text(), queryValue(db(), "SELECT count(*) FROM table1").toString());
        QVERIFY(w.mnuRenumber->enabled());
        QVERIFY(!w.mnuReNumChap->enabled());
        QCOMPARE(fixture->app.activeForm(), &w);
        QCOMPARE(w.txtMark->text(), queryValue(db(), "SELECT Call FROM table1 ORDER BY rowid DESC LIMIT 1").toString());
        QVERIFY(!forms::hourglassShown());
        // A loader that writes no caption leaves the panel as it was.
        QCOMPARE(w.Status->panel(QStringLiteral("Chapter"))->text(), QStringLiteral("Fire Behavior"));

        QStringList shown;
        auto& records = w.Data1->recordset();
        for (records.moveFirst(); !records.eof(); records.moveNext())
            shown << records.field(QStringLiteral("ID")).value().toString();
        QCOMPARE(shown, queryColumn(db(), "SELECT ID FROM table1 ORDER BY rowid"));
    }

    // The whole table is "Snore" even when another contents window, with a
    // chapter pressed, was activated last.
    void markedWholeBankWhicheverWindowWasActivatedLast()
    {
        contentsWindow(3).Show();
        contentsWindow(1).Show();
        chapterButton(1, 3)->press(); // Fire Behavior
        contentsWindow(1).Show();
        entireTestButton(3)->press();
        QCOMPARE(form<frmMain>().txtQ->text(), QStringLiteral("Snore"));
        QCOMPARE(form<frmMain>().Data1->recordSource(), QStringLiteral("table1 "));
    }

    // With no question at all the count is 0 and the question window offers
    // to add one; declined, it goes away and the contents window is in front.
    void emptyQuestionTable()
    {
        testsupport::executeSql(db(), "DELETE FROM table1");
        contentsWindow(2).Show();
        fixture->boxes.answer(forms::vbNo);
        entireTestButton(2)->press();
        QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems()));
        QCOMPARE(fixture->boxes.shown().value(0).text, QStringLiteral("No Records, Add Some?"));
        QCOMPARE(fixture->app.activeForm(), &contentsWindow(2));
        QVERIFY(!form<frmMain>().isVisible());
        QVERIFY(!forms::hourglassShown());
    }

    // The held-down look restores the fixed caption; the button still opens
    // the whole table when pressed from the keyboard.
    void keyboardOpensTheWholeTable()
    {
        contentsWindow(3).Show();
        forms::Qv3dLabel* button = entireTestButton(3);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        QCOMPARE(form<frmMain>().txtQ->text(), QStringLiteral("Snore"));
        QCOMPARE(button->caption(), QStringLiteral("The Entire Test"));
    }
};

QTEST_MAIN(tst_EntireTest)
#include "tst_entiretest.moc"
