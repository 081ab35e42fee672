#include "support/FileQuery.h"
#include "support/QuestionWindowFixture.h"

#include "contents/frmContents.h"
#include "platform/forms/Panel.h"
#include "platform/forms/Twips.h"
#include "questionwindow/frmMain.h"
#include "widgets/XP_ProgressBar.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QRegularExpression>
#include <QtTest>

using contents::frmContents;
using forms::form;
using questionwindow::frmMain;
using testsupport::executeSql;
using testsupport::queryValue;

// View options, widths, the notes palette, the stop watch, the clock, the
// status bar, the menu bar and the toolbar of the question window.
class tst_View : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::QuestionWindowFixture> fixture;

    struct ViewItem {
        forms::Menu* item;
        QList<QWidget*> elements;
        void (frmMain::*step)();
    };

    static QList<ViewItem> viewItems(frmMain& w)
    {
        return {
            {w.mnuChap, {w.Label1, w.Label2, w.txtChapter, w.txtNum}, &frmMain::mnuChap_Click},
            {w.mnuData, {w.Label3, w.txtCall}, &frmMain::mnuData_Click},
            {w.mnuUser1, {w.Label4, w.txtUser}, &frmMain::mnuUser1_Click},
            {w.mnuLevel, {w.Label5, w.txtLevel}, &frmMain::mnuLevel_Click},
            {w.mnuScore,
             {w.Label6, w.Label7, w.Label8, w.Label9, w.Label10, w.txtCorrect, w.txtIncorrect, w.txtTotal, w.txtScore,
              w.txtCount},
             &frmMain::mnuScore_Click},
            {w.mnuProgress, {w.ProgressBar1}, &frmMain::mnuProgress_Click},
            {w.mnuTool, {w.tbToolBar}, &frmMain::mnuTool_Click},
            {w.mnuStatus, {w.Status}, &frmMain::mnuStatus_Click},
        };
    }

    static int widthOf(const QWidget* box) { return box->width(); }

private slots:
    void init() { fixture = std::make_unique<testsupport::QuestionWindowFixture>(); }
    void cleanup() { fixture.reset(); }

    void viewItemPressedTwiceRestoresItsRow_data()
    {
        QTest::addColumn<int>("row");
        const char* names[] = {"Chapter Name And Question #", "Database Number", "User", "Level", "Score",
                               "Progress Bar", "Tool Bar", "Status Bar"};
        for (int row = 0; row < 8; ++row)
            QTest::newRow(names[row]) << row;
    }
    void viewItemPressedTwiceRestoresItsRow()
    {
        QFETCH(int, row);
        auto& w = form<frmMain>();
        const ViewItem view = viewItems(w).at(row);
        view.elements.first()->setVisible(false); // each element is inverted on its own
        (w.*view.step)();
        QVERIFY(!view.item->checked());
        QVERIFY(!view.elements.first()->isHidden());
        for (int i = 1; i < view.elements.size(); ++i)
            QVERIFY(view.elements.at(i)->isHidden());
        (w.*view.step)();
        QVERIFY(view.item->checked());
        QVERIFY(view.elements.first()->isHidden());
        for (int i = 1; i < view.elements.size(); ++i)
            QVERIFY(!view.elements.at(i)->isHidden());
    }

    void allAfterOneItemInvertsEverything()
    {
        auto& w = form<frmMain>();
        w.mnuData_Click();
        w.mnuAll_Click();
        for (const ViewItem& view : viewItems(w)) {
            const bool data = view.item == w.mnuData;
            QCOMPARE(view.item->checked(), data);
            for (QWidget* element : view.elements)
                QCOMPARE(element->isHidden(), !data);
        }
        QVERIFY(!w.mnuAll->checked());
    }

    // What a mode hid comes back with "All".
    void allShowsWhatAnotherStepHid()
    {
        auto& w = form<frmMain>();
        for (forms::TextBox* score : {w.txtCorrect, w.txtIncorrect, w.txtTotal, w.txtScore})
            score->setVisible(false);
        w.mnuAll_Click();
        for (forms::TextBox* score : {w.txtCorrect, w.txtIncorrect, w.txtTotal, w.txtScore})
            QVERIFY(!score->isHidden());
        QVERIFY(w.Label9->isHidden());
        QVERIFY(w.txtCount->isHidden());
    }

    void ctrlATogglesAllWhereverTheFocusIs()
    {
        auto& w = fixture->showChapter(QStringLiteral("Fire Behavior"));
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.txtQuestion->setFocus();
        QTRY_VERIFY(w.txtQuestion->editor()->hasFocus());
        QTest::keyClick(w.txtQuestion->editor(), Qt::Key_A, Qt::ControlModifier);
        QVERIFY(!w.mnuAll->checked());
        QVERIFY(w.Label1->isHidden());
        w.cmdNext->setFocus();
        QTest::keyClick(w.cmdNext, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(w.mnuAll->checked());
        QVERIFY(!w.Label1->isHidden());
    }

    void widthsFollowTheScreenSize_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("openQuestion");
        QTest::addColumn<int>("openAnswers");
        QTest::addColumn<int>("closedQuestion");
        QTest::addColumn<int>("closedAnswers");
        QTest::newRow("1024 x 768") << " 1024 x 768" << 10600 << 9800 << 14250 << 13500;
        QTest::newRow("800 x 600") << " 800 x 600" << 8185 << 7695 << 11100 << 10455;
        // The canvas keeps the 1024 x 768 layout on every other screen.
        QTest::newRow("another size takes the 1024 widths") << " 1280 x 1024" << 10600 << 9800 << 14250 << 13500;
        QTest::newRow("without the leading blank") << "1024 x 768" << 10600 << 9800 << 14250 << 13500;
    }
    void widthsFollowTheScreenSize()
    {
        QFETCH(QString, screen);
        QFETCH(int, openQuestion);
        QFETCH(int, openAnswers);
        QFETCH(int, closedQuestion);
        QFETCH(int, closedAnswers);
        auto& w = form<frmMain>();
        form<frmContents>().txtRes->setText(screen);
        w.txtQuestion->resize(300, w.txtQuestion->height());
        for (forms::TextBox* answer : {w.txtA, w.txtB, w.txtC, w.txtD})
            answer->resize(280, answer->height());
        const auto expect = [](int twips, int unchanged) { return twips ? forms::toPixels(twips) : unchanged; };
        w.size1();
        QCOMPARE(widthOf(w.txtQuestion), expect(openQuestion, 300));
        for (forms::TextBox* answer : {w.txtA, w.txtB, w.txtC, w.txtD})
            QCOMPARE(widthOf(answer), expect(openAnswers, 280));
        w.size2();
        QCOMPARE(widthOf(w.txtQuestion), expect(closedQuestion, 300));
        for (forms::TextBox* answer : {w.txtA, w.txtB, w.txtC, w.txtD})
            QCOMPARE(widthOf(answer), expect(closedAnswers, 280));
    }

    // Whatever the screen, the open palette lies beside the question and
    // the answers, never over them.
    void notesPaletteCoversNothing_data()
    {
        QTest::addColumn<QString>("screen");
        for (const char* screen : {" 1024 x 768", " 800 x 600", " 1920 x 1080", " 1280 x 1024", " 1366 x 768",
                                   " 2560 x 1440", " 640 x 480", " 1024 x 600", "1024 x 768", ""})
            QTest::newRow(*screen ? screen : "no size yet") << QString::fromLatin1(screen);
    }
    void notesPaletteCoversNothing()
    {
        QFETCH(QString, screen);
        auto& w = fixture->showChapter(QStringLiteral("Fire Behavior"));
        form<frmContents>().txtRes->setText(screen);
        const QList<forms::TextBox*> boxes = {w.txtQuestion, w.txtA, w.txtB, w.txtC, w.txtD};
        for (int round = 0; round < 2; ++round) {
            if (round == 0)
                w.mnuAddNotes_Click();
            else
                w.cmdShowNotes_Click();
            QVERIFY(!w.fraNotes->isHidden());
            for (forms::TextBox* box : boxes) {
                QCOMPARE(box->parentWidget(), w.fraNotes->parentWidget());
                QVERIFY2(!box->geometry().intersects(w.fraNotes->geometry()),
                         qPrintable(QStringLiteral("%1 reaches %2 pixels under the palette")
                                        .arg(box->objectName())
                                        .arg(box->geometry().right() - w.fraNotes->geometry().left() + 1)));
            }
            w.cmdNotes_Click();
            QVERIFY(w.fraNotes->isHidden());
            // Closed, the question takes the room back.
            QCOMPARE(widthOf(w.txtQuestion), forms::toPixels(screen == QLatin1String(" 800 x 600") ? 11100 : 14250));
        }
    }

    void notesPaletteOpensNarrowAndClosesWide()
    {
        form<frmContents>().txtRes->setText(QStringLiteral(" 1024 x 768"));
        auto& w = fixture->showChapter(QStringLiteral("Fire Behavior"));
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.cmdNext->setFocus();
        QTRY_VERIFY(w.cmdNext->hasFocus());
        w.mnuAddNotes_Click();
        QVERIFY(!w.fraNotes->isHidden());
        QVERIFY(!w.cmdNotes->isHidden());
        QVERIFY(!w.mnuAddNotes->enabled());
        QCOMPARE(widthOf(w.txtQuestion), forms::toPixels(10600));
        QVERIFY(w.cmdNext->hasFocus()); // locked notes are for reading
        // The palette lies beside the narrowed question and answers.
        QVERIFY(w.fraNotes->geometry().left() > w.txtQuestion->geometry().right());
        QVERIFY(w.fraNotes->geometry().left() > w.txtA->geometry().right());

        w.cmdNotes_Click();
        QVERIFY(w.fraNotes->isHidden());
        QVERIFY(w.mnuAddNotes->enabled());
        QCOMPARE(widthOf(w.txtQuestion), forms::toPixels(14250));

        w.txtNotes->setLocked(false);
        w.cmdShowNotes_Click();
        QVERIFY(!w.fraNotes->isHidden());
        QTRY_VERIFY(w.txtNotes->editor()->hasFocus());
        w.cmdShowNotes_Click();
        QVERIFY(w.fraNotes->isHidden());
        QVERIFY(w.cmdNotes->isHidden());
        QVERIFY(w.mnuAddNotes->enabled());
    }

    // Only "Tool Bar" in the View menu shows and hides the toolbar; a right
    // click on the bars offers no menu of its own that would hide it behind
    // the tick's back.
    void rightClickOnTheBarsOffersNoMenu_data()
    {
        QTest::addColumn<QString>("bar");
        QTest::newRow("menu bar") << "menu bar";
        QTest::newRow("toolbar") << "toolbar";
    }
    void rightClickOnTheBarsOffersNoMenu()
    {
        QFETCH(QString, bar);
        auto& w = fixture->showChapter(QStringLiteral("Fire Behavior"));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QWidget* target = bar == QLatin1String("toolbar") ? static_cast<QWidget*>(w.tbToolBar) : w.menuBar();
        // Through the window, as the window system delivers a right click.
        const QPoint place = target->mapTo(&w, QPoint(target->width() - 4, target->height() / 2));
        QTest::mouseClick(w.windowHandle(), Qt::RightButton, {}, place);
        QWidget* popup = QApplication::activePopupWidget();
        if (popup)
            popup->close();
        QVERIFY2(!popup, "a menu of the bars opened");
        QVERIFY(!w.tbToolBar->isHidden());
        QVERIFY(w.mnuTool->checked());
        w.mnuTool_Click();
        QVERIFY(w.tbToolBar->isHidden());
        QVERIFY(!w.mnuTool->checked());
    }

    void stopWatch()
    {
        auto& w = form<frmMain>();
        forms::Panel* watch = w.Status->panel(QStringLiteral("Watch"));
        watch->setText(QStringLiteral("untouched"));
        w.mnuStart_Click(1); // stopped: nothing happens
        QCOMPARE(watch->text(), QStringLiteral("untouched"));

        w.mnuStart_Click(0);
        const QRegularExpression elapsed(QStringLiteral("^\\d\\d:[0-5]\\d:[0-5]\\d$"));
        QVERIFY(elapsed.match(watch->text()).hasMatch());
        QCOMPARE(w.txtTime->text(), watch->text());
        w.mnuStart_Click(0); // a new start while running
        w.mnuStart_Click(1);
        const QString last = watch->text();
        QVERIFY(elapsed.match(last).hasMatch());
        QTest::qWait(50);
        QCOMPARE(watch->text(), last); // the last time stays
    }

    // The clock's date never reaches a stored history row.
    void clockWritesTheTimePanelAndAnUnboundDate()
    {
        executeSql(fixture->databasePath(),
                   "INSERT INTO Table8 (Session, \"User\", Score, \"Date\") VALUES (1, 'Okafor', '80', '3/1/2004')");
        auto& w = form<frmMain>();
        w.Timer2->fire();
        forms::Panel* time = w.Status->panel(QStringLiteral("Time"));
        QVERIFY(!time->text().isEmpty());
        QCOMPARE(w.txtDate->text(), QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
        QVERIFY(w.Timer2->enabled());
        QCOMPARE(w.Timer2->interval(), 500);
        QVERIFY(w.Unload());
        QCOMPARE(queryValue(fixture->databasePath(), "SELECT \"Date\" FROM Table8").toString(),
                 QStringLiteral("3/1/2004"));
    }

    void labelColoursForDarkAndLightSkins()
    {
        auto& w = form<frmMain>();
        w.Color();
        for (forms::Label* label : {w.Label1, w.Label2, w.Label3, w.Label4, w.Label5, w.Label6, w.Label7, w.Label8,
                                    w.Label9, w.Label10})
            QCOMPARE(label->foreColor(), 16777215);
        w.NoColor();
        for (forms::Label* label : {w.Label1, w.Label10})
            QCOMPARE(label->foreColor(), 0);
    }

    void statusBarPanels()
    {
        auto& w = form<frmMain>();
        QCOMPARE(w.Status->panelCount(), 5);
        const char* keys[] = {"Chapter", "", "Watch", "Time", "State"};
        const char* tips[] = {"Chapter Title", "", "Stop Watch", "Current System Time", "Use Answer Button"};
        for (int index = 1; index <= 5; ++index) {
            QCOMPARE(w.Status->panel(index)->key(), QString::fromLatin1(keys[index - 1]));
            QCOMPARE(w.Status->panel(index)->toolTipText(), QString::fromLatin1(tips[index - 1]));
        }
        QCOMPARE(w.Status->panel(2)->text(), QStringLiteral("Brisolt Software"));
        QVERIFY(w.Status->panel(QStringLiteral("State"))->text().isEmpty());
    }

    // A click on the mode panel returns to the answer-button mode; the
    // other panels do nothing.
    void statusPanelClick_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("code");
        for (int index = 1; index <= 4; ++index)
            QTest::newRow(qPrintable(QStringLiteral("panel %1").arg(index))) << index << "S";
        QTest::newRow("the mode panel") << 5 << "U";
    }
    void statusPanelClick()
    {
        QFETCH(int, index);
        QFETCH(QString, code);
        auto& w = fixture->showChapter(QStringLiteral("Fire Behavior"));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.txtBe->setText(QStringLiteral("S"));
        QTest::mouseClick(w.Status->panel(index)->label(), Qt::LeftButton);
        QCOMPARE(w.txtBe->text(), code);
    }

    void menuBarAsDesigned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("checked");
        QTest::newRow("Build") << "mnuBuild" << "Build Test Package" << QKeySequence("Ctrl+B") << true << true << false;
        QTest::newRow("Cut") << "mnuCut" << "Cut" << QKeySequence("Ctrl+X") << true << true << false;
        QTest::newRow("Renumber") << "mnuRenumber" << "Re-Number Database Number" << QKeySequence() << false << true
                                  << false;
        QTest::newRow("All") << "mnuAll" << "All" << QKeySequence("Ctrl+A") << true << true << true;
        QTest::newRow("Add picture") << "mnuAddPicture" << "Add Picture To Question" << QKeySequence("Ctrl+Z") << true
                                     << true << false;
        QTest::newRow("Add video") << "mnuAddVideo" << "Add Video To Question" << QKeySequence("Ctrl+M") << true
                                   << true << false;
        QTest::newRow("Unlock") << "mnuUnlock" << "Unlock Questions" << QKeySequence("Ctrl+U") << true << true
                                << false;
        QTest::newRow("Notes palette") << "mnuAddNotes" << "View Notes Palette" << QKeySequence("Ctrl+N") << true
                                       << true << false;
        QTest::newRow("Randomize") << "mnuRand" << "Randomize Questions" << QKeySequence("Ctrl+R") << true << true
                                   << false;
        QTest::newRow("Tells") << "mnuNuviaTells" << "Nuvia Tells You If You Were Correct If Visible"
                               << QKeySequence() << true << true << true;
        QTest::newRow("Act") << "mnuNuviaAct" << "Nuvia Act" << QKeySequence() << true << false << false;
        QTest::newRow("Read-aloud") << "mnuReadNuvia" << "Nuvaa Reads Test And Gives You Time To Answer"
                                    << QKeySequence() << true << true << false;
        QTest::newRow("Snoop on exit") << "mnuRecord" << "Clear Snoop Memory On Exit" << QKeySequence() << true << true
                                       << false;
    }
    void menuBarAsDesigned()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, keys);
        QFETCH(bool, enabled);
        QFETCH(bool, visible);
        QFETCH(bool, checked);
        auto& w = form<frmMain>();
        auto* item = w.findChild<forms::Menu*>(name);
        QVERIFY(item);
        QCOMPARE(item->caption(), caption);
        QCOMPARE(item->shortcut(), keys);
        QCOMPARE(item->enabled(), enabled);
        QCOMPARE(item->visible(), visible);
        QCOMPARE(item->checked(), checked);
    }

    void menuTitlesInOrder()
    {
        auto& w = form<frmMain>();
        QStringList titles;
        for (QAction* action : w.menuBar()->actions())
            titles << action->text();
        QCOMPARE(titles, QStringList({"&File", "&Edit", "&View", "&Options", "&Images", "&Questions", "&Nuvia", "&Help"}));
        QCOMPARE(w.mnuStart[0]->caption(), QStringLiteral("Start Stop Watch"));
        QCOMPARE(w.mnuStart[1]->caption(), QStringLiteral("Stop Stop Watch"));
        QCOMPARE(w.mnuImagesShow[1]->caption(), QStringLiteral("Don't Show Images In Presentation Mode"));
    }

    void toolbarKeys()
    {
        auto& w = form<frmMain>();
        const struct {
            const char* key;
            const char* tip;
            bool visible;
        } keys[] = {
            {"New", "New Test - Clears Score Box", true}, {"Open", "Open Saved Test To Print", true},
            {"Save", "Build Test Package", true},         {"Print", "Print Current Test Without Answers", true},
            {"Cut", "Cut", true},                         {"Copy", "Copy", true},
            {"Paste", "Paste", true},                     {"Find", "Search Database For Keywords", true},
            {"Camera", "Add Pictures Or Video To Questions", true},
            {"Spell Check", "Enable Automatic Spell Checker", true},
            {"Help", "Help", true},                       {"Notes", "Shows Notes", true},
            {"Terms", "Terminology Lookup", true},        {"Unlock", "Lock Questions", false},
            {"Lock", "Unlock Questions", true},           {"Fonts", "Thesaurus", true},
            {"Bold", "Bold", false},                      {"Italic", "Italic", false},
            {"Underline", "Underline", false},            {"Align Left", "Align Left", false},
            {"Center", "Center", false},                  {"Align Right", "Align Right", false},
        };
        int previous = 0;
        for (const auto& key : keys) {
            forms::ToolButton* button = w.tbToolBar->button(QString::fromLatin1(key.key));
            QVERIFY2(button->index() > previous, key.key); // toolbar order
            previous = button->index();
            QCOMPARE(button->toolTipText(), QString::fromLatin1(key.tip));
            QCOMPARE(button->visible(), key.visible);
        }
        QCOMPARE(w.tbToolBar->button(QStringLiteral("Center"))->style(), forms::ToolButton::ButtonGroup);
    }

    // A screen reader names what it reads.
    void controlsHaveAccessibleNames()
    {
        auto& w = form<frmMain>();
        QCOMPARE(w.txtQuestion->accessibleName(), QStringLiteral("Question"));
        QCOMPARE(w.txtB->accessibleName(), QStringLiteral("Answer B"));
        QCOMPARE(w.optC->accessibleName(), QStringLiteral("Choose answer C"));
        QCOMPARE(w.cmdNext->accessibleName(), QStringLiteral("Next question"));
        QCOMPARE(w.txtScore->accessibleName(), QStringLiteral("Score"));
        for (QWidget* control : w.findChildren<QWidget*>()) {
            if (qobject_cast<forms::CommandButton*>(control) || qobject_cast<forms::TextBox*>(control) ||
                qobject_cast<forms::OptionButton*>(control))
                QVERIFY2(!control->accessibleName().isEmpty() || control->isHidden(), qPrintable(control->objectName()));
        }
    }
};

QTEST_MAIN(tst_View)
#include "tst_view.moc"
