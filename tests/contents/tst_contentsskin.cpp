#include "support/FileQuery.h"
#include "support/ProgramFixture.h"

#include "ContentsTestWindows.h"
#include "appearance/SkinBackground.h"
#include "appearance/SkinTable.h"
#include "questionwindow/frmMain.h"

#include <QtTest>

using appearance::findSkin;
using contents::frmContents;
using contents::frmContents2;
using contents::frmContents3;
using contents::frmContentsBank;
using contentstest::chapterButton;
using contentstest::contentsWindow;
using contentstest::titleColumn;
using forms::form;
using forms::Qv3dLabel;
using testsupport::executeSql;

namespace {

constexpr int white = 0xFFFFFF;

// Activates a contents window again, as coming back to it from another does.
void reactivate(int bank)
{
    contentsWindow(bank == 1 ? 2 : 1).Show();
    contentsWindow(bank).Show();
}

void setSkinName(int bank, const QString& name)
{
    if (bank == 1)
        form<frmContents>().txtSkin->setText(name);
    else
        static_cast<frmContentsBank&>(contentsWindow(bank)).txtSkin->setText(name);
}

appearance::SkinBackground* background(int bank)
{
    if (bank == 1)
        return form<frmContents>().fxBack;
    return static_cast<frmContentsBank&>(contentsWindow(bank)).fxBack;
}

std::vector<Qv3dLabel*> labelButtons(int bank)
{
    if (bank == 1)
        return form<frmContents>().labelButtons();
    return static_cast<frmContentsBank&>(contentsWindow(bank)).labelButtons();
}

Qv3dLabel* exitButton(int bank) { return labelButtons(bank).back(); }

} // namespace

// The skin table, and how the tables of contents paint it each time they
// become active: background, button texture, caption colours, two-line
// captions, and the route marker written whatever the pictures do.
class tst_ContentsSkin : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::ProgramFixture> fixture;

    QString file(const QString& relative) const { return fixture->app.file(relative); }

private slots:
    void init() { fixture = std::make_unique<testsupport::ProgramFixture>(); }
    void cleanup() { fixture.reset(); }

    void everySkinOfTheTable_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("background");
        QTest::addColumn<QString>("texture");
        QTest::addColumn<int>("captions");
        QTest::addColumn<int>("labels");
        QTest::addColumn<QString>("picture");
        QTest::newRow("Water") << "Water" << "water.jpg" << "bluebrick.jpg" << white << white << "sk_water.jpg";
        QTest::newRow("Leather") << "Leather" << "leather.jpg" << "leather.jpg" << 0 << 0 << "sk_leather.jpg";
        QTest::newRow("Paper") << "Paper" << "paper2.jpg" << "paper2.jpg" << 0 << 0 << "sk_paper.jpg";
        QTest::newRow("Rock") << "Rock" << "rock.jpg" << "marble.jpg" << 0 << white << "sk_blkpaper.jpg";
        QTest::newRow("Blue") << "Blue" << "blue.jpg" << "Parch1.jpg" << 0 << white << "sk_blue.jpg";
        QTest::newRow("Parchment") << "Parchment" << "Parch1.jpg" << "Parch1.jpg" << 0 << 0 << "sk_parch.jpg";
        QTest::newRow("Smoke") << "Smoke" << "smoke.jpg" << "smoke.jpg" << 0 << 0 << "sk_smoke.jpg";
        QTest::newRow("Blue Brick") << "Blue Brick" << "bluebrick.jpg" << "paper2.jpg" << 0 << white << "sk_blubrick.jpg";
        QTest::newRow("White Brick") << "White Brick" << "whitebrick.jpg" << "whitebrick.jpg" << 0 << 0 << "sk_wtbrick.jpg";
        QTest::newRow("Marble") << "Marble" << "marble.jpg" << "marble.jpg" << 0 << 0 << "sk_marble.jpg";
        QTest::newRow("Sand") << "Sand" << "sand.jpg" << "sand.jpg" << 0 << 0 << "sk_sand.jpg";
        QTest::newRow("Beach") << "Beach" << "beach.jpg" << "beach.jpg" << 0 << 0 << "sk_beach.jpg";
        QTest::newRow("Nantucket") << "Nantucket" << "nan5.jpg" << "paper2.jpg" << 0 << 0 << "sk_nan5.jpg";
        QTest::newRow("Nantucket 2") << "Nantucket 2" << "nan2.jpg" << "beach.jpg" << 0 << 0 << "sk_nantucket2.jpg";
        QTest::newRow("Dune") << "Dune" << "dune1.jpg" << "paper2.jpg" << 0 << 0 << "sk_nantucket3.jpg";
    }
    void everySkinOfTheTable()
    {
        QFETCH(QString, name);
        QFETCH(QString, background);
        QFETCH(QString, texture);
        QFETCH(int, captions);
        QFETCH(int, labels);
        QFETCH(QString, picture);
        const appearance::Skin* skin = findSkin(name);
        QVERIFY(skin);
        QCOMPARE(QString(skin->name), name);
        QCOMPARE(QString(skin->windowBackground), QStringLiteral("\\images\\") + background);
        QCOMPARE(QString(skin->buttonTexture), QStringLiteral("\\images\\") + texture);
        QCOMPARE(skin->captionColor, captions);
        QCOMPARE(skin->labelColor, labels);
        QCOMPARE(QString(skin->skinPicture), QStringLiteral("\\images\\") + picture);
        // Every picture of the row is in the sample's images folder.
        for (const QString& relative : {QString(skin->windowBackground), QString(skin->buttonTexture), QString(skin->skinPicture)})
            QVERIFY2(QFile::exists(file(relative)), qPrintable(relative));
    }

    void namesOfNoSkin_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("other letter case") << "water";
        QTest::newRow("trailing blank") << "Water ";
        QTest::newRow("empty") << "";
        QTest::newRow("question window only: Electric") << "Electric";
        QTest::newRow("question window only: Yellow") << "Yellow";
        QTest::newRow("placeholder") << "txtSkin";
    }
    void namesOfNoSkin()
    {
        QFETCH(QString, name);
        QVERIFY(!findSkin(name));
    }

    void chooserOrder()
    {
        QCOMPARE(appearance::skinNames(),
                 QStringList({"Water", "Leather", "Paper", "Rock", "Blue", "Parchment", "Smoke", "Blue Brick",
                              "White Brick", "Marble", "Sand", "Beach", "Nantucket", "Nantucket 2", "Dune"}));
    }

    // Each window paints the skin its box names: background, texture on
    // every button, caption colours. The bank windows never recolour Exit.
    void windowsPaintTheSkin_data()
    {
        QTest::addColumn<int>("bank");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("displayMode");
        for (int bank = 1; bank <= 3; ++bank) {
            for (const char* name : {"Water", "Paper", "Nantucket 2", "Rock", "Dune"}) {
                QTest::addRow("bank %d, %s", bank, name)
                    << bank << QString::fromLatin1(name) << (qstrcmp(name, "Nantucket 2") == 0 ? 2 : 3);
            }
        }
    }
    void windowsPaintTheSkin()
    {
        QFETCH(int, bank);
        QFETCH(QString, name);
        QFETCH(int, displayMode);
        const appearance::Skin* skin = findSkin(name);
        const int exitColour = exitButton(bank)->captionColor();
        setSkinName(bank, name);
        reactivate(bank);

        QCOMPARE(background(bank)->picturePath(), file(skin->windowBackground));
        if (bank == 1)
            QCOMPARE(background(bank)->displayMode(), displayMode);
        const std::vector<Qv3dLabel*> buttons = labelButtons(bank);
        QCOMPARE(int(buttons.size()), bank == 1 ? 24 : 25);
        for (Qv3dLabel* button : buttons) {
            QCOMPARE(button->picturePath(), file(skin->buttonTexture));
            const int expected = (bank != 1 && button == exitButton(bank)) ? exitColour : skin->captionColor;
            QVERIFY2(button->captionColor() == expected, qPrintable(button->objectName()));
        }
    }

    // A name of no skin leaves the look of the last skin painted.
    void nameOfNoSkinChangesNothing_data()
    {
        QTest::addColumn<int>("bank");
        QTest::addColumn<QString>("name");
        QTest::newRow("main, letter case") << 1 << "water";
        QTest::newRow("main, empty") << 1 << "";
        QTest::newRow("bank II, Electric") << 2 << "Electric";
        QTest::newRow("bank III, trailing blank") << 3 << "Water ";
    }
    void nameOfNoSkinChangesNothing()
    {
        QFETCH(int, bank);
        QFETCH(QString, name);
        setSkinName(bank, QStringLiteral("Water"));
        reactivate(bank);
        setSkinName(bank, name);
        reactivate(bank);
        QCOMPARE(background(bank)->picturePath(), file(QStringLiteral("\\images\\water.jpg")));
        for (Qv3dLabel* button : labelButtons(bank))
            QCOMPARE(button->picturePath(), file(QStringLiteral("\\images\\bluebrick.jpg")));
        QCOMPARE(chapterButton(bank, 1)->captionColor(), white);
        if (bank == 1)
            QCOMPARE(background(bank)->displayMode(), 3);
        QCOMPARE(form<questionwindow::frmMain>().txtContentsRoute->text(), QString::number(bank));
    }

    void captionColourMethods_data()
    {
        QTest::addColumn<int>("bank");
        QTest::newRow("main: Exit too") << 1;
        QTest::newRow("bank II: not Exit") << 2;
        QTest::newRow("bank III: not Exit") << 3;
    }
    void captionColourMethods()
    {
        QFETCH(int, bank);
        const int exitColour = exitButton(bank)->captionColor();
        if (bank == 1)
            form<frmContents>().RedButtons();
        else
            static_cast<frmContentsBank&>(contentsWindow(bank)).RedButtons();
        for (Qv3dLabel* button : labelButtons(bank)) {
            const int expected = (bank != 1 && button == exitButton(bank)) ? exitColour : 255;
            QVERIFY2(button->captionColor() == expected, qPrintable(button->objectName()));
        }
    }

    // In the user's banks titles longer than 35 characters are set on two
    // lines, at every activation, following the title as it is stored now.
    // The main table of contents never splits its titles.
    void longTitlesTakeTwoLines_data()
    {
        QTest::addColumn<int>("bank");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("twoLines");
        for (int bank = 1; bank <= 3; ++bank) {
            QTest::addRow("bank %d, 35 characters", bank) << bank << 4 << 35 << false;
            QTest::addRow("bank %d, 36 characters", bank) << bank << 4 << 36 << (bank != 1);
        }
        QTest::newRow("bank 1, 60 characters") << 1 << 20 << 60 << false;
        QTest::newRow("bank II, no title") << 2 << 9 << 0 << false;
    }
    void longTitlesTakeTwoLines()
    {
        QFETCH(int, bank);
        QFETCH(int, number);
        QFETCH(int, length);
        QFETCH(bool, twoLines);
        const QString column = titleColumn(bank, number);
        executeSql(fixture->databasePath(),
                   QStringLiteral("UPDATE Table3 SET %1 = '%2'").arg(column, QString(length, QLatin1Char('x'))));
        reactivate(bank);
        QCOMPARE(chapterButton(bank, number)->multiLine(), twoLines);

        executeSql(fixture->databasePath(), QStringLiteral("UPDATE Table3 SET %1 = 'Short Title'").arg(column));
        reactivate(bank);
        QCOMPARE(chapterButton(bank, number)->caption(), QStringLiteral("Short Title"));
        QVERIFY(!chapterButton(bank, number)->multiLine());
    }

    // Skin pictures that cannot be read keep the window's look, and the rest
    // of the activation still runs: captions, two-line titles, route marker.
    void missingSkinPicturesStillRouteTheNextChapter_data()
    {
        QTest::addColumn<int>("bank");
        QTest::newRow("main") << 1;
        QTest::newRow("bank II") << 2;
        QTest::newRow("bank III") << 3;
    }
    void missingSkinPicturesStillRouteTheNextChapter()
    {
        QFETCH(int, bank);
        setSkinName(bank, QStringLiteral("Paper"));
        reactivate(bank);
        QVERIFY(QFile::remove(file(QStringLiteral("\\images\\water.jpg"))));
        QVERIFY(QFile::remove(file(QStringLiteral("\\images\\bluebrick.jpg"))));
        executeSql(fixture->databasePath(),
                   QStringLiteral("UPDATE Table3 SET %1 = '%2'").arg(titleColumn(bank, 2), QString(40, QLatin1Char('y'))));
        setSkinName(bank, QStringLiteral("Water"));
        contentsWindow(bank == 3 ? 2 : 3).Show(); // another route in the marker
        contentsWindow(bank).Show();

        QCOMPARE(form<questionwindow::frmMain>().txtContentsRoute->text(), QString::number(bank));
        QCOMPARE(chapterButton(bank, 2)->multiLine(), bank != 1);
        QCOMPARE(chapterButton(bank, 1)->captionColor(), white);
        QCOMPARE(background(bank)->picturePath(), file(QStringLiteral("\\images\\paper2.jpg")));
        QVERIFY(background(bank)->hasPicture());
        for (Qv3dLabel* button : labelButtons(bank))
            QCOMPARE(button->picturePath(), file(QStringLiteral("\\images\\paper2.jpg")));
        if (bank == 1)
            QVERIFY(!form<frmContents>().txtRes->text().isEmpty());
    }
};

QTEST_MAIN(tst_ContentsSkin)
#include "tst_contentsskin.moc"
