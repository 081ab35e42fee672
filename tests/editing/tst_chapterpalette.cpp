#include "support/FileQuery.h"
#include "support/ProgramFixture.h"
#include "support/SampleChapters.h"

#include "PaletteTestSupport.h"
#include "appearance/SkinBackground.h"
#include "contents/ChapterButtons.h"
#include "questionwindow/frmMain.h"

#include <QtTest>

using editing::frmQ;
using forms::form;
using testsupport::executeSql;
using testsupport::queryValue;

using namespace palettetest;
using namespace testsupport::sample;

// The chapter palette: its list of the chapter list, adding titles, opening
// a chapter, its skin, and the hooks of the tables of contents that show,
// close and inform it.
class tst_ChapterPalette : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::ProgramFixture> fixture;

    QString db() const { return fixture->databasePath(); }

    // The palette loaded afresh, reading the file as it is now.
    frmQ& reloaded()
    {
        if (forms::App::current().isLoaded<frmQ>())
            palette().Unload();
        settle();
        return palette();
    }

private slots:
    void init() { fixture = std::make_unique<testsupport::ProgramFixture>(); }
    void cleanup()
    {
        QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems()));
        fixture.reset();
    }

    // The list is the chapter list in stored order, a title stored twice
    // listed twice; the palette floats above the other windows.
    void listsTheChapterList()
    {
        executeSql(db(), "INSERT INTO Table4 (Chapter) VALUES ('Fire Hose')");
        frmQ& q = palette();
        QCOMPARE(listed(q), storedList(db()));
        QCOMPARE(listed(q).count(hose), 2);
        QCOMPARE(q.caption(), QStringLiteral("Chapter Palette"));
        QVERIFY(q.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(q.txtChapter->locked());
        QVERIFY(q.cmdNew->isEnabled());
        QVERIFY(!q.cmdSave->isEnabled());
        QVERIFY(q.cmdDelete->isEnabled());
        QCOMPARE(q.txtLook->text(), QStringLiteral("txtLook"));
    }

    // An empty chapter list: nothing listed, nothing dragged, and the first
    // title can still be added.
    void emptyChapterList()
    {
        executeSql(db(), "DELETE FROM Table4");
        frmQ& q = reloaded();
        QCOMPARE(q.lstA->listCount(), 0);
        q.lstA_MouseDown(1, 0, 0, 0); // returns at once: nothing to drag
        q.cmdNew_Click();
        typeTitle(q, QStringLiteral("Pump Operations"));
        q.cmdSave_Click();
        QCOMPARE(storedList(db()), QStringList{"Pump Operations"});
        QCOMPARE(listed(q), QStringList{"Pump Operations"});
    }

    void clickTakesTheTitle()
    {
        frmQ& q = palette();
        q.cmdDelete->setEnabled(false);
        choose(q, captains);
        QCOMPARE(q.txtChapter->text(), captains);
        QVERIFY(q.cmdDelete->isEnabled());
    }

    // Titles are stored exactly as typed, at the end of the list, also one
    // listed already; the box goes through its two looks.
    void addsAndStoresTitles_data()
    {
        QTest::addColumn<QString>("title");
        QTest::newRow("plain") << "Pump Operations";
        QTest::newRow("apostrophe") << "Officer's Duties";
        QTest::newRow("blanks kept") << "  Aerial Ladders ";
        QTest::newRow("listed already") << "Fire Hose";
        QTest::newRow("long") << QString(60, QLatin1Char('x'));
    }
    void addsAndStoresTitles()
    {
        QFETCH(QString, title);
        frmQ& q = palette();
        q.Show();
        const QStringList before = storedList(db());

        q.cmdNew_Click();
        QVERIFY(!q.txtChapter->locked());
        QVERIFY(q.txtChapter->text().isEmpty());
        QCOMPARE(q.txtChapter->backColor(), 0xFF0000);
        QCOMPARE(q.txtChapter->foreColor(), 0xFFFFFF);
        QVERIFY(!q.cmdNew->isEnabled());
        QVERIFY(!q.cmdSave->isEnabled());
        QCOMPARE(q.txtLook->text(), QStringLiteral("New"));

        typeTitle(q, title);
        QVERIFY(q.cmdSave->isEnabled()); // the first key offers it
        q.cmdSave_Click();

        QCOMPARE(storedList(db()), before + QStringList{title});
        QCOMPARE(listed(q), before + QStringList{title});
        QCOMPARE(q.txtChapter->text(), title);
        QVERIFY(q.txtChapter->locked());
        QCOMPARE(q.txtChapter->foreColor(), 0);
        QVERIFY(q.txtChapter->backColor() != 0xFF0000);
        QVERIFY(q.cmdNew->isEnabled());
        QVERIFY(!q.cmdSave->isEnabled());
        QCOMPARE(q.txtLook->text(), QStringLiteral("Old"));
        QCOMPARE(listed(reloaded()), before + QStringList{title});
    }

    // A box with nothing in it names no chapter: refused, nothing stored,
    // and the user goes on typing the title.
    void refusesAnEmptyTitle_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("nothing") << "";
        QTest::newRow("blanks") << "   ";
    }
    void refusesAnEmptyTitle()
    {
        QFETCH(QString, typed);
        frmQ& q = palette();
        q.Show();
        const QStringList before = storedList(db());
        q.cmdNew_Click();
        typeTitle(q, typed);
        fixture->boxes.answer(forms::vbOK);
        q.cmdSave_Click();

        QCOMPARE(fixture->boxes.shown().size(), 1);
        QCOMPARE(fixture->boxes.shown().first().text, QStringLiteral("Please type the chapter title first."));
        QCOMPARE(storedList(db()), before);
        QCOMPARE(listed(q), before);
        QVERIFY(!q.txtChapter->locked());

        typeTitle(q, QStringLiteral("Pump Operations"));
        q.cmdSave_Click();
        QCOMPARE(storedList(db()), before + QStringList{typed + "Pump Operations"});
    }

    // Cancel while adding only hides the palette: shown again, the title is
    // typed and stored as if nothing had happened.
    void cancelWhileAddingKeepsTheNewTitle()
    {
        frmQ& q = palette();
        q.Show();
        const QStringList before = storedList(db());
        q.cmdNew_Click();
        q.cmdExit_Click();
        QVERIFY(!q.isVisible());
        QVERIFY(!q.txtChapter->locked());
        QVERIFY(!q.cmdNew->isEnabled());
        QCOMPARE(storedList(db()), before);

        q.Show();
        typeTitle(q, QStringLiteral("Pump Operations"));
        q.cmdSave_Click();
        QCOMPARE(storedList(db()), before + QStringList{"Pump Operations"});
    }

    // A title started and never stored leaves no row behind when the palette
    // is closed by a chapter button.
    void unloadWhileAddingStoresNothing()
    {
        frmQ& q = palette();
        q.Show();
        const QStringList before = storedList(db());
        q.cmdNew_Click();
        typeTitle(q, QStringLiteral("Half Typed"));
        q.Unload();
        settle();
        QCOMPARE(storedList(db()), before);
        QCOMPARE(listed(palette()), before);
    }

    // Enter moves on as Tab does, locked box or not; only a key typed into
    // the open box offers "&Save".
    void enterMovesOn()
    {
        frmQ& q = palette();
        q.Show();
        QVERIFY(QTest::qWaitForWindowActive(&q));
        q.txtChapter->setFocus();
        QTest::keyClick(q.txtChapter->editor(), Qt::Key_Return);
        QVERIFY(!q.cmdSave->isEnabled());
        QVERIFY(QApplication::focusWidget() != q.txtChapter->editor()); // on past the disabled "&Save"

        q.cmdNew_Click();
        typeTitle(q, QStringLiteral("Pump"));
        QTest::keyClick(q.txtChapter->editor(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(q.cmdSave));
    }

    // A double click opens the chapter as a chapter button does: set, count,
    // marker and caption name it, whichever table of contents was in front
    // last, and the palette closes.
    void doubleClickOpensTheChapter_data()
    {
        QTest::addColumn<int>("lastInFront");
        QTest::addColumn<QString>("title");
        QTest::newRow("bank 1") << 1 << hose;
        QTest::newRow("bank II, apostrophe") << 2 << captains;
        QTest::newRow("bank III") << 3 << ladders;
    }
    void doubleClickOpensTheChapter()
    {
        QFETCH(int, lastInFront);
        QFETCH(QString, title);
        contentsWindow(lastInFront).Show();
        contentsWindow(lastInFront).chapters->cmd_MouseDown(1); // that window's last pressed title
        contentsWindow(lastInFront).chapters->cmd_MouseUp(1);
        frmQ& q = palette();
        q.Show();
        choose(q, title);
        q.lstA_DblClick();
        settle();

        auto& w = form<questionwindow::frmMain>();
        QVERIFY(w.isVisible());
        QCOMPARE(w.txtQ->text(), title);
        QCOMPARE(w.Status->panel(QStringLiteral("Chapter"))->text(), title);
        QCOMPARE(w.txtChapter->text(), title);
        QCOMPARE(w.txtCount->text().toInt(), questionsOf(db(), title));
        QCOMPARE(form<contents::frmContents>().txtK->text(), title);
        QVERIFY(!forms::App::current().isLoaded<frmQ>());
    }

    // The skin of the main table of contents paints the palette; a name
    // outside the skin table leaves it as it is.
    void paintsTheSkin()
    {
        auto& settings = form<contents::frmContents>();
        settings.txtSkin->setText(QStringLiteral("Water"));
        frmQ& q = palette();
        q.Show();
        QVERIFY(q.FXImage1->picturePath().endsWith(QStringLiteral("water.jpg"), Qt::CaseInsensitive));
        q.Hide();
        settings.txtSkin->setText(QStringLiteral("Electric"));
        q.Show();
        QVERIFY(q.FXImage1->picturePath().endsWith(QStringLiteral("water.jpg"), Qt::CaseInsensitive));
    }

    // ---- The tables of contents' hooks --------------------------------------------------

    void contentsWindowsNameTheirBank()
    {
        for (const int bank : {2, 3, 1}) {
            contentsWindow(bank).Show();
            QCOMPARE(palette().txtLocate->text(), QString::number(bank));
        }
        QVERIFY(!palette().isVisible()); // loaded, hidden
    }

    void showChapterPaletteShowsIt_data()
    {
        QTest::addColumn<int>("bank");
        QTest::newRow("bank 1") << 1;
        QTest::newRow("bank II") << 2;
        QTest::newRow("bank III") << 3;
    }
    void showChapterPaletteShowsIt()
    {
        QFETCH(int, bank);
        contentsWindow(bank).Show();
        contentsWindow(bank).mnuPallete->trigger();
        QVERIFY(palette().isVisible());
        QCOMPARE(palette().txtLocate->text(), QString::number(bank));
    }

    // A button without a title says how to give it one and opens the palette;
    // a button with one opens its chapter and closes the palette.
    void chapterButtonsShowAndClose()
    {
        auto& bankII = contentsWindow(2);
        bankII.Show();
        const int empty = 10;
        QVERIFY(bankII.cmd(empty)->caption().isEmpty());
        fixture->boxes.answer(forms::vbOK);
        bankII.chapters->cmd_Click(empty);
        QCOMPARE(fixture->boxes.shown().first().title, QStringLiteral("Not So Fast!"));
        QVERIFY(palette().isVisible());

        bankII.chapters->cmd_MouseDown(1);
        bankII.chapters->cmd_MouseUp(1);
        bankII.chapters->cmd_Click(1);
        settle();
        QVERIFY(!forms::App::current().isLoaded<frmQ>());
        QCOMPARE(form<questionwindow::frmMain>().txtQ->text(), captains);
    }

    // "The Entire Test" leaves the palette open.
    void entireTestLeavesThePaletteOpen()
    {
        contentsWindow(1).Show();
        palette().Show();
        contentsWindow(1).cmdAll_Click();
        settle();
        QVERIFY(forms::App::current().isLoaded<frmQ>());
        QVERIFY(palette().isVisible());
    }
};

QTEST_MAIN(tst_ChapterPalette)
#include "tst_chapterpalette.moc"
