#include "support/FileQuery.h"
#include "support/QuestionWindowFixture.h"

#include "contents/frmContents.h"
#include "contents/frmContentsBank.h"
#include "platform/media/MediaPlayer.h"
#include "platform/speech/CharacterControl.h"
#include "platform/speech/SpeechEngine.h"
#include "questionsets/SetLoading.h"
#include "questionwindow/frmMain.h"

#include <QtTest>

using contents::frmContents;
using contents::frmContents2;
using contents::frmContents3;
using forms::form;
using questionsets::chapterQuery;
using questionwindow::frmMain;
using testsupport::executeSql;
using testsupport::queryValue;

// The activation step of the question window, run by showing the window on
// a set that the test loads into Data1 first, as a contents window does.
class tst_Activation : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::QuestionWindowFixture> fixture;

    QString db() const { return fixture->databasePath(); }

private slots:
    void initTestCase() { speech::SpeechEngine::forApplication().setPace(speech::Pace::Instant); }
    void init() { fixture = std::make_unique<testsupport::QuestionWindowFixture>(); }
    void cleanup() { fixture.reset(); }

    // The last record is marked where it lies: the window stays on the
    // record it shows, the first of a new set or the one the user left.
    void marksTheLastRecordAndStaysOnTheShownOne()
    {
        auto& w = fixture->loadSet(chapterQuery(QStringLiteral("Fire Behavior")));
        w.cmdNext_Click();
        w.Show();
        const QStringList calls = fixture->callsOf(QStringLiteral("Fire Behavior"));
        QCOMPARE(w.txtMark->text(), calls.last());
        QCOMPARE(w.txtCall->text(), calls.at(1));
        QCOMPARE(w.txtQuestion2->text(), w.txtQuestion->text());
        QCOMPARE(w.txtA2->text(), w.txtA->text());
        QVERIFY(!w.txtTimeMe->text().isEmpty());
        QVERIFY(!w.cmdAdd->isHidden());
        QVERIFY(w.mnuPictures->visible());
        QVERIFY(w.tbToolBar->button(QStringLiteral("Camera"))->visible());
        QCOMPARE(w.cmdShowNotes->isHidden(), w.txtNotes->text().isEmpty());
        QVERIFY(fixture->boxes.ok());
    }

    // The stored mode word replays its menu item's step on every activation.
    void replaysTheStoredAnswerMode_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("panel");
        QTest::newRow("Use") << "Use" << "U" << "Using Answer Button";
        QTest::newRow("Bypass") << "Bypass" << "DU" << "Bypassing Answer Button";
        QTest::newRow("Turbo") << "Turbo" << "S" << "Turbo Answer";
        QTest::newRow("Dont") << "Dont" << "D" << "Hiding Score";
        QTest::newRow("Flash") << "Flash" << "F" << "Flash Card Mode";
        QTest::newRow("use: no such word") << "use" << "txtBe" << "";
        QTest::newRow("empty") << "" << "txtBe" << "";
    }
    void replaysTheStoredAnswerMode()
    {
        QFETCH(QString, word);
        QFETCH(QString, code);
        QFETCH(QString, panel);
        fixture->storeSetting(QStringLiteral("State"), word);
        auto& w = fixture->loadSet(chapterQuery(QStringLiteral("Fire Behavior")));
        w.Show();
        QCOMPARE(w.txtBe->text(), code);
        QCOMPARE(w.Status->panel(QStringLiteral("State"))->text(), panel);
    }

    // The read-aloud mode has no code of its own: the activation starts it
    // again each time through its menu item, also while the mode has taken
    // that item off the menu.
    void readAloudModeRunsItsMenuItemOnEveryActivation()
    {
        fixture->storeSetting(QStringLiteral("State"), QStringLiteral("Nuvia"));
        auto& w = fixture->loadSet(chapterQuery(QStringLiteral("Fire Behavior")));
        // Stands for the mode's step as the window kit wires a step to its
        // item; like the mode, it takes its own item off the menu.
        QStringList started;
        QObject::connect(w.mnuReadNuvia, &forms::Menu::click, &w, [&] {
            started << w.txtCall->text();
            w.mnuReadNuvia->setEnabled(false);
        });
        const QString first = fixture->callsOf(QStringLiteral("Fire Behavior")).first();
        w.Show();
        QCOMPARE(started, QStringList{first});
        QCOMPARE(w.txtBe->text(), QStringLiteral("txtBe")); // no code of its own
        w.mnuReadNuvia->trigger(); // the user cannot choose it now
        QCOMPARE(started.size(), 1);

        w.cmdNext_Click();
        const QString second = w.txtCall->text();
        form<frmContents>().Show();
        w.Show();
        // Back on the record the user left, the mode starts again there.
        QCOMPARE(started, (QStringList{first, second}));
    }

    // The question window's own skin column, compared exactly.
    void appliesTheSkin_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<int>("labels");
        QTest::newRow("Water: dark") << "Water" << "sk_water.jpg" << 16777215;
        QTest::newRow("Paper: light") << "Paper" << "sk_paper.jpg" << 0;
        QTest::newRow("Rock takes black paper") << "Rock" << "sk_blkpaper.jpg" << 16777215;
        QTest::newRow("Dune takes Nantucket 3") << "Dune" << "sk_nantucket3.jpg" << 0;
        QTest::newRow("Electric, unknown to the chooser") << "Electric" << "sk_electric.jpg" << 16777215;
        QTest::newRow("Nantucket 2") << "Nantucket 2" << "sk_nantucket2.jpg" << 0;
        QTest::newRow("White Brick") << "White Brick" << "sk_wtbrick.jpg" << 0;
    }
    void appliesTheSkin()
    {
        QFETCH(QString, skin);
        QFETCH(QString, picture);
        QFETCH(int, labels);
        fixture->storeSetting(QStringLiteral("skin"), skin);
        auto& w = fixture->loadSet(chapterQuery(QStringLiteral("Fire Behavior")));
        w.Show();
        QCOMPARE(w.skin->picturePath(), fixture->folder.path() + QStringLiteral("/images/") + picture);
        QVERIFY(w.skin->hasPicture());
        for (forms::Label* label : {w.Label1, w.Label5, w.Label10})
            QCOMPARE(label->foreColor(), labels);
    }

    void unknownSkinLeavesPictureAndLabels_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::newRow("not in the table") << "Granite";
        QTest::newRow("empty") << "";
        QTest::newRow("letter case differs") << "water";
    }
    void unknownSkinLeavesPictureAndLabels()
    {
        QFETCH(QString, skin);
        auto& w = fixture->loadSet(chapterQuery(QStringLiteral("Fire Behavior")));
        w.Show(); // the sample's own skin, Water
        const QString before = w.skin->picturePath();
        w.NoColor();
        form<frmContents>().txtSkin->setText(skin);
        form<frmContents>().Show();
        w.Show();
        QCOMPARE(w.skin->picturePath(), before);
        QCOMPARE(w.Label1->foreColor(), 0);
    }

    // txtQ takes the chapter title of the contents window the route names.
    void routesTheChapterTitle_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("expected");
        QTest::newRow("bank 1") << "1" << "From bank 1";
        QTest::newRow("bank 2") << "2" << "From bank 2";
        QTest::newRow("bank 3") << "3" << "From bank 3";
        QTest::newRow("empty route") << "" << "kept";
        QTest::newRow("unknown route") << "4" << "kept";
    }
    void routesTheChapterTitle()
    {
        QFETCH(QString, route);
        QFETCH(QString, expected);
        form<frmContents>().txtK->setText(QStringLiteral("From bank 1"));
        form<frmContents2>().txtK->setText(QStringLiteral("From bank 2"));
        form<frmContents3>().txtK->setText(QStringLiteral("From bank 3"));
        auto& w = fixture->loadSet(chapterQuery(QStringLiteral("Fire Behavior")));
        w.txtQ->setText(QStringLiteral("kept"));
        w.txtContentsRoute->setText(route);
        w.Show();
        QCOMPARE(w.txtQ->text(), expected);
    }

    void emptySetYesPreparesANewQuestion()
    {
        form<frmContents>().txtK->setText(QStringLiteral("Hydraulics"));
        auto& w = fixture->loadSet(chapterQuery(QStringLiteral("Hydraulics")));
        w.txtContentsRoute->setText(QStringLiteral("1"));
        fixture->boxes.answer(forms::vbYes);
        w.Show();
        QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems()));
        const forms::ShownBox prompt = fixture->boxes.shown().value(0);
        QCOMPARE(prompt.text, QStringLiteral("No Records, Add Some?"));
        QCOMPARE(prompt.title, QStringLiteral("Brisolt Software"));
        QCOMPARE(prompt.buttons, int(forms::vbYesNoCancel));
        QCOMPARE(prompt.icon, 0);

        const int lastCall = queryValue(db(), "SELECT Call FROM table1 ORDER BY rowid DESC LIMIT 1").toInt();
        QCOMPARE(w.Data1->recordset().editMode(), int(data::Recordset::EditAdd));
        QCOMPARE(w.txtChapter->text(), QStringLiteral("Hydraulics"));
        QCOMPARE(w.txtQ->text(), QStringLiteral("Hydraulics"));
        QCOMPARE(w.txtNum->text(), QStringLiteral("1"));
        QCOMPARE(w.txtLevel->text(), QStringLiteral("1"));
        QCOMPARE(w.txtCall->text(), QString::number(lastCall + 1));
        QCOMPARE(w.txtNew->text(), QStringLiteral("New"));
        QCOMPARE(w.txtPicBox->text(), QStringLiteral("New"));
        for (forms::CommandButton* off : {w.cmdDelete, w.cmdNew, w.cmdFirst, w.cmdPrevious, w.cmdNext, w.cmdLast, w.cmdExit})
            QVERIFY2(!off->isEnabled(), qPrintable(off->objectName()));
        QVERIFY(w.cmdSave->isEnabled());
        for (forms::TextBox* open : {w.txtQuestion, w.txtAnswer, w.txtCall, w.txtA, w.txtD, w.txtLevel, w.txtNum})
            QVERIFY2(!open->locked(), qPrintable(open->objectName()));
        QVERIFY(!w.txtAnswer->isHidden());
        QVERIFY(!w.cmdShowNotes->isHidden());
        QVERIFY(w.mnuLock->enabled());
        QVERIFY(!w.mnuUnlock->enabled());
        // Nothing is stored before "Save".
        QCOMPARE(queryValue(db(), "SELECT count(*) FROM table1 WHERE Chapter='Hydraulics'").toInt(), 0);
    }

    void emptySetDeclinedUnloadsTheWindow_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("No") << int(forms::vbNo);
        QTest::newRow("Cancel") << int(forms::vbCancel);
    }
    void emptySetDeclinedUnloadsTheWindow()
    {
        QFETCH(int, answer);
        const int rows = queryValue(db(), "SELECT count(*) FROM table1").toInt();
        auto& w = fixture->loadSet(chapterQuery(QStringLiteral("Hydraulics")));
        w.txtCorrect->setText(QStringLiteral("3"));
        fixture->boxes.answer(answer);
        w.Show();
        QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems()));
        QVERIFY(!fixture->app.isLoaded<frmMain>());
        QCOMPARE(queryValue(db(), "SELECT count(*) FROM table1").toInt(), rows);
        // The next touch loads the window afresh.
        QCOMPARE(form<frmMain>().txtCorrect->text(), QStringLiteral("0"));
    }

    // A set whose first record has no chapter counts as empty.
    void recordWithoutChapterTriggersThePrompt()
    {
        executeSql(db(), "UPDATE table1 SET Chapter = NULL WHERE ID = 5");
        auto& w = fixture->loadSet(QStringLiteral("SELECT * FROM table1 WHERE ID = 5"));
        fixture->boxes.answer(forms::vbNo);
        w.Show();
        QCOMPARE(fixture->boxes.shown().size(), 1);
        QVERIFY(!fixture->app.isLoaded<frmMain>());
    }

    // While the whole bank is shown a new question would belong to no
    // chapter: the refusal stands alone and no record is started.
    void emptySetYesWhileTheWholeBankIsShownIsRefused()
    {
        fixture->withCharacter();
        form<frmContents>().txtK->setText(QStringLiteral("Snore"));
        auto& w = fixture->loadSet(QStringLiteral("SELECT * FROM table1 WHERE False"));
        w.txtContentsRoute->setText(QStringLiteral("1"));
        fixture->boxes.answer(forms::vbYes).answer(forms::vbOK);
        w.Show();
        QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems()));
        QCOMPARE(fixture->boxes.shown().value(1).text,
                 QStringLiteral("Can Not Unlock Database When Viewing In All Calls Mode. Please Edit Database Under "
                                "Each Individual Chapter Type, Okay Chief!"));
        QVERIFY(w.txtNew->text().isEmpty());
        QCOMPARE(w.Data1->recordset().editMode(), int(data::Recordset::EditNone));
        QVERIFY(w.cmdNext->isEnabled());
        QVERIFY(w.txtQuestion->locked());
        QVERIFY(!w.mnuLock->enabled());
        QVERIFY(w.mnuUnlock->enabled());

        // The whole bank is shown from its first question, with its own
        // count and last number, so its last question is known as such.
        QCOMPARE(w.txtCount->text(), QString::number(fixture->storedNumber("SELECT count(*) FROM table1")));
        QCOMPARE(w.txtCall->text(), queryValue(db(), "SELECT Call FROM table1 ORDER BY rowid LIMIT 1").toString());
        QCOMPARE(w.txtMark->text(), queryValue(db(), "SELECT Call FROM table1 ORDER BY rowid DESC LIMIT 1").toString());
        w.cmdLast_Click();
        w.mnuBypass_Click();
        w.Agent1->requests().clear();
        w.optA->setValue(true);
        QVERIFY(w.Agent1->requests().spokenTexts().contains(QStringLiteral("That was the last question.\\mrk=6\\")));
    }

    // The activation's record display: picture buttons follow only a record
    // that names a picture; a record without a video only closes the frame.
    void pictureButtonsFollowOnlyARecordWithAPicture()
    {
        auto& w = fixture->loadSet(QStringLiteral("SELECT * FROM table1 WHERE ID = 8")); // scba.jpg
        w.Show();
        QVERIFY(!w.cmdShow->isHidden());
        QVERIFY(w.cmdHide->isHidden());
        QVERIFY(w.FXImage1->isHidden());
        QCOMPARE(w.txtFileName->text(), fixture->folder.path() + QStringLiteral("/pictures/scba.jpg"));
        QVERIFY(w.FXImage1->hasPicture());

        w.cmdShow_Click();
        form<frmContents>().Show();
        fixture->loadSet(QStringLiteral("SELECT * FROM table1 WHERE ID = 1")); // no picture
        w.Show();
        QVERIFY(!w.FXImage1->isHidden());
        QVERIFY(!w.cmdHide->isHidden());
        QVERIFY(w.cmdShow->isHidden());
    }

    void videoButtonFollowsTheRecord()
    {
        executeSql(db(), "UPDATE table1 SET Video = 'nozzle.mp4' WHERE ID = 2");
        auto& w = fixture->loadSet(QStringLiteral("SELECT * FROM table1 WHERE ID = 2"));
        w.Show();
        QVERIFY(!w.cmdShowVideo->isHidden());
        QCOMPARE(w.Video->fileName(), fixture->folder.path() + QStringLiteral("/Video/nozzle.mp4"));
        w.cmdShowVideo_Click();
        QVERIFY(!w.fraVideo->isHidden());

        form<frmContents>().Show();
        fixture->loadSet(QStringLiteral("SELECT * FROM table1 WHERE ID = 3"));
        w.Show();
        QVERIFY(w.fraVideo->isHidden());
        QVERIFY(!w.cmdHideVideo->isHidden()); // kept as the previous record left it
    }
};

QTEST_MAIN(tst_Activation)
#include "tst_activation.moc"
