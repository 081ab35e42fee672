#include "support/FileQuery.h"
#include "support/ProgramFixture.h"

#include "ContentsTestWindows.h"
#include "contents/ChapterButtons.h"
#include "editing/frmQ.h"
#include "platform/data/Quoting.h"
#include "platform/forms/Hourglass.h"
#include "questionwindow/frmLoadNuvia.h"
#include "questionwindow/frmMain.h"

#include <QtTest>

using contents::frmContents;
using contentstest::chapterButton;
using contentstest::contentsWindow;
using contentstest::pressedTitleBox;
using forms::form;
using questionwindow::frmMain;
using testsupport::executeSql;
using testsupport::queryValue;

// A chapter button hands its chapter to the question window: the set, its
// count, the set marker, the status panel, and the question window's own
// activation on the new set.
class tst_ChapterHandOver : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::ProgramFixture> fixture;

    QString db() const { return fixture->databasePath(); }

    QString chapterValue(const QString& sql, const QString& title)
    {
        return queryValue(db(), sql.arg(data::sqlText(title))).toString();
    }
    QString firstCall(const QString& title)
    {
        return chapterValue("SELECT Call FROM table1 WHERE Chapter=%1 ORDER BY rowid LIMIT 1", title);
    }
    QString lastCall(const QString& title)
    {
        return chapterValue("SELECT Call FROM table1 WHERE Chapter=%1 ORDER BY rowid DESC LIMIT 1", title);
    }
    QString questionCount(const QString& title) { return chapterValue("SELECT count(*) FROM table1 WHERE Chapter=%1", title); }

    // Shows a contents window and presses one of its chapter buttons with the mouse.
    void clickChapter(int bank, int number)
    {
        contentsWindow(bank).Show();
        QTest::mouseClick(chapterButton(bank, number), Qt::LeftButton);
    }

private slots:
    void init()
    {
        fixture = std::make_unique<testsupport::ProgramFixture>();
        // Test bank 1 opens its chapters once the speech components are in.
        executeSql(db(), "UPDATE Table13 SET AgentInstall='Yes'");
    }
    void cleanup() { fixture.reset(); }

    void opensTheChapter_data()
    {
        QTest::addColumn<int>("bank");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("title");
        QTest::newRow("bank 1") << 1 << 3 << "Fire Behavior";
        QTest::newRow("bank 1, last button") << 1 << 20 << "Fire Prevention and Public Education";
        QTest::newRow("bank II, a title with a quote") << 2 << 1 << "Captain's Duties";
        QTest::newRow("bank III") << 3 << 2 << "Rapid Intervention and Mayday";
    }
    void opensTheChapter()
    {
        QFETCH(int, bank);
        QFETCH(int, number);
        QFETCH(QString, title);
        QCOMPARE(chapterButton(bank, number)->caption(), title);

        clickChapter(bank, number);

        auto& w = form<frmMain>();
        QCOMPARE(w.Data1->recordSource(), QStringLiteral("SELECT * FROM table1 where Chapter=") + data::sqlText(title));
        QCOMPARE(w.txtCount->text(), questionCount(title));
        QCOMPARE(w.txtQ->text(), title);
        QCOMPARE(w.Status->panel(QStringLiteral("Chapter"))->text(), title);
        QCOMPARE(pressedTitleBox(bank)->text(), title);
        QCOMPARE(w.txtChapter->text(), title);
        QCOMPARE(w.txtCall->text(), firstCall(title));
        // The question window was shown on the new set: its activation ran on it.
        QVERIFY(w.isVisible());
        QCOMPARE(fixture->app.activeForm(), &w);
        QCOMPARE(w.txtMark->text(), lastCall(title));
        QCOMPARE(w.txtContentsRoute->text(), QString::number(bank));
        QVERIFY(!forms::hourglassShown());
        QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems()));
        // The contents window stays open behind the question window.
        QVERIFY(contentsWindow(bank).isVisible());
    }

    // One chapter after another: count and last-question mark follow the new
    // set, never the one shown before it.
    void theNextChapterReplacesCountAndMark()
    {
        clickChapter(1, 12); // Fire Streams, 21 questions
        clickChapter(1, 9);  // Ventilation, 14 questions
        auto& w = form<frmMain>();
        QCOMPARE(w.txtCount->text(), questionCount(QStringLiteral("Ventilation")));
        QCOMPARE(w.txtMark->text(), lastCall(QStringLiteral("Ventilation")));
        QCOMPARE(w.txtQ->text(), QStringLiteral("Ventilation"));
    }

    // The question window's activation copies the pressed title of the
    // contents window activated last; a button pressed on another window
    // (behind it, or from an assistive tool) still names its own chapter.
    void markerAndPanelNameThePressedChapter_data()
    {
        QTest::addColumn<int>("activatedLast");
        QTest::addColumn<int>("bank");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("title");
        QTest::newRow("bank II after the main window") << 1 << 2 << 1 << "Captain's Duties";
        QTest::newRow("main after bank III") << 3 << 1 << 12 << "Fire Streams";
        QTest::newRow("bank III after bank II") << 2 << 3 << 2 << "Rapid Intervention and Mayday";
    }
    void markerAndPanelNameThePressedChapter()
    {
        QFETCH(int, activatedLast);
        QFETCH(int, bank);
        QFETCH(int, number);
        QFETCH(QString, title);
        // Every window has another pressed title of its own.
        clickChapter(1, 3); // Fire Behavior
        clickChapter(2, 3); // Wildland Fire Fighting
        clickChapter(3, 1); // Incident Command System
        contentsWindow(bank).Show();
        contentsWindow(activatedLast).Show();

        chapterButton(bank, number)->press();

        auto& w = form<frmMain>();
        QCOMPARE(w.txtQ->text(), title);
        QCOMPARE(w.Status->panel(QStringLiteral("Chapter"))->text(), title);
        QCOMPARE(w.Data1->recordSource(), QStringLiteral("SELECT * FROM table1 where Chapter=") + data::sqlText(title));
        // Count and mark were taken on the new set, before and in the activation.
        QCOMPARE(w.txtCount->text(), questionCount(title));
        QCOMPARE(w.txtMark->text(), lastCall(title));
        QCOMPARE(fixture->app.activeForm(), &w);
    }

    // A first question number that is not a number does not keep the count
    // of the set shown before.
    void countsAChapterWhoseFirstNumberIsNotNumeric()
    {
        executeSql(db(), "UPDATE table1 SET QNUM = 'A-1' WHERE rowid = (SELECT min(rowid) FROM table1 "
                         "WHERE Chapter = 'Ground Ladders')");
        clickChapter(1, 12);
        clickChapter(1, 7);
        QCOMPARE(form<frmMain>().txtCount->text(), questionCount(QStringLiteral("Ground Ladders")));
    }

    // A chapter without questions: the count is 0 and the question window
    // offers at once to add one; declining unloads it.
    void emptyChapterDeclinedUnloadsTheQuestionWindow_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("No") << int(forms::vbNo);
        QTest::newRow("Cancel") << int(forms::vbCancel);
    }
    void emptyChapterDeclinedUnloadsTheQuestionWindow()
    {
        QFETCH(int, answer);
        executeSql(db(), "UPDATE Table3 SET titlea4 = 'Hydraulics'");
        clickChapter(1, 5); // a set with questions is shown before
        const QPointer<frmMain> shownBefore = &form<frmMain>();
        fixture->boxes.answer(answer);
        clickChapter(2, 4);
        QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems()));
        QCOMPARE(fixture->boxes.shown().value(0).text, QStringLiteral("No Records, Add Some?"));
        QVERIFY(!forms::hourglassShown());
        QCOMPARE(fixture->app.activeForm(), &contentsWindow(2));
        // The window was unloaded; the bank window's activation, back in
        // front, loaded a fresh one hidden when it wrote the route marker.
        QVERIFY(&form<frmMain>() != shownBefore.data());
        QVERIFY(!form<frmMain>().isVisible());
        QCOMPARE(form<frmMain>().txtCount->text(), QStringLiteral("0"));
        QCOMPARE(form<frmMain>().txtContentsRoute->text(), QStringLiteral("2"));
    }

    void emptyChapterAcceptedStartsAQuestionInIt()
    {
        executeSql(db(), "UPDATE Table3 SET titlea4 = 'Hydraulics'");
        clickChapter(1, 5);
        fixture->boxes.answer(forms::vbYes);
        clickChapter(2, 4);
        QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems()));
        auto& w = form<frmMain>();
        QCOMPARE(w.txtCount->text(), QStringLiteral("0"));
        QCOMPARE(w.txtQ->text(), QStringLiteral("Hydraulics"));
        QCOMPARE(w.txtChapter->text(), QStringLiteral("Hydraulics"));
        QCOMPARE(w.Data1->recordset().editMode(), int(data::Recordset::EditAdd));
    }

    void buttonWithoutTitleAsksForOne_data()
    {
        QTest::addColumn<int>("bank");
        QTest::addColumn<int>("number");
        QTest::newRow("bank 1") << 1 << 6;
        QTest::newRow("bank II") << 2 << 4;
        QTest::newRow("bank III") << 3 << 21;
    }
    void buttonWithoutTitleAsksForOne()
    {
        QFETCH(int, bank);
        QFETCH(int, number);
        executeSql(db(), "UPDATE Table3 SET title6 = ''");
        auto& w = form<frmMain>();
        const QString source = w.Data1->recordSource();
        fixture->boxes.answer(forms::vbOK);
        clickChapter(bank, number);

        QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems()));
        const forms::ShownBox box = fixture->boxes.shown().value(0);
        QCOMPARE(box.title, QStringLiteral("Not So Fast!"));
        QCOMPARE(box.text, QStringLiteral("You Must First Choose A Chapter Title For This Question Bank.\n"
                                          "You Can Edit Chapter Titles By Clicking On Options, Then Click Show "
                                          "Chapter Palette.\nOkay?"));
        QCOMPARE(box.buttons, int(forms::vbOKOnly));
        QCOMPARE(box.icon, int(forms::vbExclamation));
        QVERIFY(!w.isVisible());
        QCOMPARE(w.Data1->recordSource(), source);
        // The chapter palette opens, to give the button a title.
        QCOMPARE(fixture->app.activeForm(), &form<editing::frmQ>());
        QVERIFY(form<editing::frmQ>().isVisible());
        QVERIFY(!forms::hourglassShown());
    }

    // Test bank 1 waits on the speech components: while the flag reads
    // exactly "No", every bank-1 button, an empty one too, opens only the
    // installer; the other banks never look at the flag.
    void bankOneWaitsOnTheSpeechComponents_data()
    {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<int>("bank");
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("installer");
        QTest::newRow("No") << "No" << 1 << 3 << true;
        QTest::newRow("No, empty button") << "No" << 1 << 20 << true;
        QTest::newRow("no in lower case") << "no" << 1 << 3 << false;
        QTest::newRow("Yes") << "Yes" << 1 << 3 << false;
        QTest::newRow("empty") << "" << 1 << 3 << false;
        QTest::newRow("No, bank II") << "No" << 2 << 1 << false;
        QTest::newRow("No, bank III") << "No" << 3 << 1 << false;
    }
    void bankOneWaitsOnTheSpeechComponents()
    {
        QFETCH(QString, flag);
        QFETCH(int, bank);
        QFETCH(int, number);
        QFETCH(bool, installer);
        if (number == 20)
            executeSql(db(), "UPDATE Table3 SET title20=''");
        form<frmContents>().txtAgentInstall->setText(flag);
        const QString title = chapterButton(bank, number)->caption();
        QVERIFY(installer || !title.isEmpty());
        clickChapter(bank, number);
        QCOMPARE(fixture->app.isLoaded<questionwindow::frmLoadNuvia>(), installer);
        if (installer) {
            QVERIFY(form<questionwindow::frmLoadNuvia>().isVisible());
            QVERIFY(!fixture->app.isLoaded<frmMain>() || !form<frmMain>().isVisible());
            QVERIFY(fixture->boxes.shown().isEmpty());
        } else {
            QCOMPARE(form<frmMain>().txtQ->text(), title);
            QVERIFY(form<frmMain>().isVisible());
        }
    }

    // Pressed, a button records its title; the user's banks move the caption
    // one blank to the right until the button is released.
    void pressedLook_data()
    {
        QTest::addColumn<int>("bank");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("heldCaption");
        QTest::newRow("bank 1") << 1 << 3 << "Fire Behavior";
        QTest::newRow("bank II") << 2 << 1 << " Captain's Duties";
        QTest::newRow("bank III") << 3 << 1 << " Incident Command System";
    }
    void pressedLook()
    {
        QFETCH(int, bank);
        QFETCH(int, number);
        QFETCH(QString, heldCaption);
        contentsWindow(bank).Show();
        forms::Qv3dLabel* button = chapterButton(bank, number);
        const QString title = button->caption();

        QTest::mousePress(button, Qt::RightButton);
        QCOMPARE(button->caption(), heldCaption);
        QCOMPARE(button->bevelStyleInner(), 0);
        QCOMPARE(pressedTitleBox(bank)->text(), title);

        QTest::mouseRelease(button, Qt::RightButton);
        QCOMPARE(button->caption(), title);
        QCOMPARE(button->bevelStyleInner(), 1);
        // Only a look: the title is no edit waiting to be stored.
        QVERIFY(!button->dataChanged());
        QVERIFY(!fixture->app.isLoaded<frmMain>() || !form<frmMain>().isVisible());
    }

    // Space on the focused button opens its chapter as a click does.
    void keyboardOpensTheChapter()
    {
        contentsWindow(2).Show();
        forms::Qv3dLabel* button = chapterButton(2, 2);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
        QCOMPARE(form<frmMain>().txtQ->text(), QStringLiteral("Apparatus Driver/Operator"));
        QCOMPARE(pressedTitleBox(2)->text(), QStringLiteral("Apparatus Driver/Operator"));
        QCOMPARE(chapterButton(2, 2)->caption(), QStringLiteral("Apparatus Driver/Operator"));
    }

    void unreadableQuestionsAreReported()
    {
        contentsWindow(1).Show();
        executeSql(db(), "ALTER TABLE table1 RENAME TO lost_questions");
        fixture->boxes.answer(forms::vbOK);
        chapterButton(1, 3)->press();
        QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems()));
        QCOMPARE(fixture->boxes.shown().value(0).title, QStringLiteral("Brisolt Software"));
        QVERIFY(!form<frmMain>().isVisible());
        QVERIFY(!forms::hourglassShown());
    }
};

QTEST_MAIN(tst_ChapterHandOver)
#include "tst_chapterhandover.moc"
