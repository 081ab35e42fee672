#include "support/FileQuery.h"
#include "support/QuestionWindowFixture.h"
#include "support/SampleChapters.h"

#include "appearance/SkinBackground.h"
#include "appearance/SkinTable.h"
#include "appearance/frmSkin.h"
#include "contents/frmContents.h"
#include "contents/frmContentsBank.h"
#include "platform/forms/ListBox.h"
#include "platform/forms/TextBox.h"
#include "printing/frmPrint.h"
#include "questionsets/frmSelect.h"
#include "questionwindow/frmMain.h"

#include <QtTest>

using appearance::findSkin;
using appearance::frmSkin;
using contents::frmContents;
using contents::frmContents2;
using contents::frmContents3;
using forms::form;
using questionwindow::frmMain;
using testsupport::executeSql;
using testsupport::queryValue;

// The skin chooser: what it previews, that a pick is stored the moment it is
// clicked, and that every window paints the pick when it is next active.
class tst_SkinChooser : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::QuestionWindowFixture> fixture;

    QString images(const QString& name) const { return fixture->app.file(QStringLiteral("\\images\\") + name); }
    QString stored(const char* table) const
    {
        return queryValue(fixture->databasePath(), QStringLiteral("SELECT skin FROM %1").arg(QLatin1String(table)))
            .toString();
    }
    // Both rows, before anything of the program has read them.
    void storeBeforeStart(const QString& settings, const QString& chooser) const
    {
        executeSql(fixture->databasePath(), QStringLiteral("UPDATE Table11 SET skin = '%1'").arg(settings));
        executeSql(fixture->databasePath(), QStringLiteral("UPDATE Table13 SET skin = '%1'").arg(chooser));
    }
    static void click(frmSkin& chooser, const QString& name)
    {
        const int row = appearance::skinNames().indexOf(name);
        QVERIFY2(row >= 0, qPrintable(name));
        chooser.List1->setListIndex(row);
    }
    static QStringList contentsBoxes()
    {
        return {form<frmContents>().txtSkin->text(), form<frmContents2>().txtSkin->text(),
                form<frmContents3>().txtSkin->text()};
    }
    void verifyNoBoxes() const { QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems())); }

private slots:
    void init() { fixture = std::make_unique<testsupport::QuestionWindowFixture>(); }
    void cleanup() { fixture.reset(); }

    // The chooser opens on the pick it stored itself, not on the settings
    // row's, with its own background and nothing selected.
    void opensOnTheStoredPick_data()
    {
        QTest::addColumn<QString>("chooserSkin");
        QTest::addColumn<QString>("preview"); // "" none
        QTest::newRow("Rock takes black paper") << "Rock" << "sk_blkpaper.jpg";
        QTest::newRow("Dune takes Nantucket 3") << "Dune" << "sk_nantucket3.jpg";
        QTest::newRow("letter case differs") << "rock" << "";
        QTest::newRow("the question window's own") << "Electric" << "";
        QTest::newRow("empty") << "" << "";
    }
    void opensOnTheStoredPick()
    {
        QFETCH(QString, chooserSkin);
        QFETCH(QString, preview);
        storeBeforeStart(QStringLiteral("Water"), chooserSkin);
        auto& chooser = form<frmSkin>();
        chooser.Show();
        QCOMPARE(chooser.txtSkin->text(), chooserSkin);
        QCOMPARE(chooser.List1->listIndex(), -1);
        QCOMPARE(chooser.List1->listCount(), 15);
        for (int row = 0; row < 15; ++row)
            QCOMPARE(chooser.List1->list(row), appearance::skinNames().at(row));
        QCOMPARE(chooser.fxSkin->picturePath(), preview.isEmpty() ? QString() : images(preview));
        QCOMPARE(chooser.fxSkin->hasPicture(), !preview.isEmpty());
        QCOMPARE(chooser.FXImage1->picturePath(), images(QStringLiteral("paper2.jpg")));
        QVERIFY(chooser.FXImage1->hasPicture());
        verifyNoBoxes();
    }

    // Each offered skin: its picture and its background on show, and the
    // name in both rows of the file and in the three tables of contents at
    // once, before any Exit.
    void eachSkinPreviewsAndIsStoredAtOnce_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("preview");
        QTest::addColumn<QString>("background");
        QTest::newRow("Water") << "Water" << "sk_water.jpg" << "water.jpg";
        QTest::newRow("Leather") << "Leather" << "sk_leather.jpg" << "leather.jpg";
        QTest::newRow("Paper") << "Paper" << "sk_paper.jpg" << "paper2.jpg";
        QTest::newRow("Rock") << "Rock" << "sk_blkpaper.jpg" << "rock.jpg";
        QTest::newRow("Blue") << "Blue" << "sk_blue.jpg" << "blue.jpg";
        QTest::newRow("Parchment") << "Parchment" << "sk_parch.jpg" << "Parch1.jpg";
        QTest::newRow("Smoke") << "Smoke" << "sk_smoke.jpg" << "smoke.jpg";
        QTest::newRow("Blue Brick") << "Blue Brick" << "sk_blubrick.jpg" << "bluebrick.jpg";
        QTest::newRow("White Brick") << "White Brick" << "sk_wtbrick.jpg" << "whitebrick.jpg";
        QTest::newRow("Marble") << "Marble" << "sk_marble.jpg" << "marble.jpg";
        QTest::newRow("Sand") << "Sand" << "sk_sand.jpg" << "sand.jpg";
        QTest::newRow("Beach") << "Beach" << "sk_beach.jpg" << "beach.jpg";
        QTest::newRow("Nantucket") << "Nantucket" << "sk_nan5.jpg" << "nan5.jpg";
        QTest::newRow("Nantucket 2") << "Nantucket 2" << "sk_nantucket2.jpg" << "nan2.jpg";
        QTest::newRow("Dune") << "Dune" << "sk_nantucket3.jpg" << "dune1.jpg";
    }
    void eachSkinPreviewsAndIsStoredAtOnce()
    {
        QFETCH(QString, name);
        QFETCH(QString, preview);
        QFETCH(QString, background);
        // Start from another skin, so the click is what changes every value.
        storeBeforeStart(name == QLatin1String("Sand") ? QStringLiteral("Marble") : QStringLiteral("Sand"),
                         name == QLatin1String("Sand") ? QStringLiteral("Marble") : QStringLiteral("Sand"));
        auto& chooser = form<frmSkin>();
        chooser.Show();
        click(chooser, name);
        QCOMPARE(chooser.fxSkin->picturePath(), images(preview));
        QVERIFY(chooser.fxSkin->hasPicture());
        QCOMPARE(QFileInfo(chooser.FXImage1->picturePath()), QFileInfo(images(background)));
        QVERIFY(chooser.FXImage1->hasPicture());
        QCOMPARE(stored("Table11"), name);
        QCOMPARE(stored("Table13"), name);
        QCOMPARE(contentsBoxes(), QStringList({name, name, name}));
        QVERIFY(chooser.isVisible());
        verifyNoBoxes();
    }

    // However the chooser is left, the file holds the last skin clicked.
    void theLastClickIsKept_data()
    {
        QTest::addColumn<bool>("byExit");
        QTest::newRow("E&xit") << true;
        QTest::newRow("the window's close box") << false;
    }
    void theLastClickIsKept()
    {
        QFETCH(bool, byExit);
        auto& chooser = form<frmSkin>();
        chooser.Show();
        for (const char* name : {"Beach", "Blue", "Smoke"})
            click(chooser, QString::fromLatin1(name));
        if (byExit)
            chooser.Command1->click();
        else
            chooser.close();
        QVERIFY(!fixture->app.isLoaded<frmSkin>());
        QCOMPARE(stored("Table11"), QStringLiteral("Smoke"));
        QCOMPARE(stored("Table13"), QStringLiteral("Smoke"));
        QCOMPARE(contentsBoxes(), QStringList({"Smoke", "Smoke", "Smoke"}));
        // The next opening previews it.
        auto& again = form<frmSkin>();
        again.Show();
        QCOMPARE(again.fxSkin->picturePath(), images(QStringLiteral("sk_smoke.jpg")));
        verifyNoBoxes();
    }

    // Exit with no click hands over what the chooser showed: its own stored pick.
    void exitWithoutAClickHandsOverTheShownPick()
    {
        storeBeforeStart(QStringLiteral("Water"), QStringLiteral("Marble"));
        auto& chooser = form<frmSkin>();
        chooser.Show();
        chooser.Command1->click();
        QCOMPARE(stored("Table11"), QStringLiteral("Marble"));
        QCOMPARE(contentsBoxes(), QStringList({"Marble", "Marble", "Marble"}));
        verifyNoBoxes();
    }

    // A row the file refuses to take is reported, and nothing is handed
    // over as if it had been stored.
    void aRefusedStoreIsReported_data()
    {
        QTest::addColumn<QString>("refusingTable");
        QTest::newRow("the chooser's row") << "Table13";
        QTest::newRow("the settings row") << "Table11";
    }
    void aRefusedStoreIsReported()
    {
        QFETCH(QString, refusingTable);
        storeBeforeStart(QStringLiteral("Water"), QStringLiteral("Water"));
        auto& chooser = form<frmSkin>();
        chooser.Show();
        executeSql(fixture->databasePath(),
                   QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON %1 BEGIN SELECT RAISE(ABORT, 'refused'); END")
                       .arg(refusingTable));
        fixture->boxes.answer(forms::vbOK);
        click(chooser, QStringLiteral("Beach"));
        QCOMPARE(fixture->boxes.shown().size(), 1);
        QVERIFY(fixture->boxes.shown().first().text.startsWith(QStringLiteral("The skin could not be saved.")));
        QCOMPARE(fixture->boxes.shown().first().icon, int(forms::vbExclamation));
        QCOMPARE(stored("Table11"), QStringLiteral("Water"));
        if (refusingTable == QLatin1String("Table13"))
            QCOMPARE(form<frmContents>().txtSkin->text(), QStringLiteral("Water"));
        verifyNoBoxes();
    }

    // Every window that shows the skin paints the pick when it is next
    // active: the three tables of contents, the question window, the
    // multi-chapter window and the print preview, each opened before the
    // pick with the old skin on show.
    void everyWindowPaintsThePickAtItsNextActivation_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString& name : appearance::skinNames())
            QTest::newRow(qPrintable(name)) << name;
    }
    void everyWindowPaintsThePickAtItsNextActivation()
    {
        QFETCH(QString, name);
        const QString before = name == QLatin1String("Water") ? QStringLiteral("Paper") : QStringLiteral("Water");
        storeBeforeStart(before, before);
        const appearance::Skin* skin = findSkin(name);
        QVERIFY(skin);
        const QString background = fixture->app.file(skin->windowBackground);

        auto& contents = form<frmContents>();
        contents.Show();
        form<frmContents2>().Show();
        form<frmContents3>().Show();
        frmMain& question = fixture->showChapter(testsupport::sample::hose);
        question.mnuMultiple->trigger();
        auto& select = form<questionsets::frmSelect>();
        QVERIFY(select.isVisible());
        auto& preview = form<printing::frmPrint>();
        preview.Show();
        QVERIFY(preview.FXImage1->picturePath() != background || name == before);

        // Opened from the question window's menu, as the user would.
        question.Show();
        question.mnuSkin->trigger();
        auto& chooser = form<frmSkin>();
        QVERIFY(chooser.isVisible());
        click(chooser, name);
        chooser.Command1->click();

        struct Painted {
            const char* window;
            forms::Form* form;
            std::function<QString()> picture;
            QString expected;
        };
        const Painted windows[] = {
            {"bank 1", &contents, [&] { return contents.fxBack->picturePath(); }, background},
            {"bank 2", &form<frmContents2>(), [] { return form<frmContents2>().fxBack->picturePath(); }, background},
            {"bank 3", &form<frmContents3>(), [] { return form<frmContents3>().fxBack->picturePath(); }, background},
            {"question window", &question, [&] { return question.skin->picturePath(); },
             fixture->app.file(skin->skinPicture)},
            {"multi-chapter window", &select, [&] { return select.fxBack->picturePath(); }, background},
            {"print preview", &preview, [&] { return preview.FXImage1->picturePath(); }, background},
        };
        for (const Painted& window : windows) {
            window.form->Show();
            QCOMPARE(forms::App::current().activeForm(), window.form);
            QVERIFY2(QFileInfo(window.picture()) == QFileInfo(window.expected),
                     qPrintable(QStringLiteral("%1 shows %2").arg(QLatin1String(window.window), window.picture())));
        }
        verifyNoBoxes();
    }

    // Every table of contents offers the chooser, as the question window does.
    void everyWindowOpensTheChooser_data()
    {
        QTest::addColumn<int>("bank");
        QTest::newRow("bank 1") << 1;
        QTest::newRow("bank 2") << 2;
        QTest::newRow("bank 3") << 3;
    }
    void everyWindowOpensTheChooser()
    {
        QFETCH(int, bank);
        contents::ContentsWindow& window = bank == 1   ? static_cast<contents::ContentsWindow&>(form<frmContents>())
                                           : bank == 2 ? static_cast<contents::ContentsWindow&>(form<frmContents2>())
                                                       : static_cast<contents::ContentsWindow&>(form<frmContents3>());
        window.Show();
        window.mnuSkins->trigger();
        QVERIFY(fixture->app.isLoaded<frmSkin>());
        QVERIFY(form<frmSkin>().isVisible());
        QCOMPARE(forms::App::current().activeForm(), &form<frmSkin>());
        verifyNoBoxes();
    }
};

QTEST_MAIN(tst_SkinChooser)
#include "tst_skinchooser.moc"
