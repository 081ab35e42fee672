#include "support/FileQuery.h"
#include "support/ProgramFixture.h"

#include "contents/frmContents.h"
#include "contents/frmContentsBank.h"
#include "questionwindow/frmMain.h"
#include "settings/Settings.h"

#include <QtTest>

using contents::frmContents;
using contents::frmContents2;
using contents::frmContents3;
using forms::form;
using testsupport::queryValue;

class tst_SettingsStore : public QObject {
    Q_OBJECT

    QString stored(const QString& table, const QString& field)
    {
        return queryValue(fixture->databasePath(), QStringLiteral("SELECT \"%1\" FROM %2").arg(field, table)).toString();
    }

    // Font name, bold, italic, size, font colour, canvas colour.
    QStringList storedTextStyle()
    {
        QStringList style;
        for (const char* field : {"fontmain", "fontbold", "fontItal", "fontsize", "fontcolor", "backcolor"})
            style << stored("Table11", QString::fromLatin1(field));
        return style;
    }
    // The reset's font with the colours of storeAStyleOfTheUsersOwn.
    const QStringList resetStyle = {"MS Sans Serif", "False", "False", "8", "255", "65535"};
    void storeAStyleOfTheUsersOwn()
    {
        settings::saveFontColor(255);
        settings::saveCanvasColor(65535);
        settings::saveScreenFont(QStringLiteral("DejaVu Serif"), true, true, 14);
    }

private slots:
    void init() { fixture = std::make_unique<testsupport::ProgramFixture>(); }
    void cleanup() { fixture.reset(); }

    void loadReplacesPlaceholdersWithStoredValues()
    {
        auto& contents = form<frmContents>();
        QCOMPARE(contents.txtSkin->text(), stored("Table11", "skin"));
        QCOMPARE(contents.txtState->text(), stored("Table11", "State"));
        QCOMPARE(contents.txtShowImages->text(), stored("Table11", "Images"));
        QCOMPARE(contents.txtBalloon->text(), stored("Table11", "balloon"));
        QCOMPARE(contents.txtFont[0]->text(), stored("Table11", "fontmain"));
        QCOMPARE(contents.txtFont[5]->text(), stored("Table11", "backcolor"));
        QCOMPARE(contents.txtAgentInstall->text(), stored("Table13", "AgentInstall"));
        QCOMPARE(contents.txtVoice->text(), QStringLiteral("Mary"));
    }

    // Every writer reaches the file before it returns: a second connection
    // sees the value at once.
    void writersStoreAtOnce_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<std::function<void()>>("write");
        QTest::newRow("answer mode") << "Table11" << "State" << "Flash"
                                     << std::function<void()>([] { settings::saveAnswerMode("Flash"); });
        QTest::newRow("read-aloud mode") << "Table11" << "State" << "Nuvia"
                                         << std::function<void()>([] { settings::saveAnswerMode("Nuvia"); });
        QTest::newRow("images") << "Table11" << "Images" << "no"
                                << std::function<void()>([] { settings::saveShowImages("no"); });
        QTest::newRow("balloon") << "Table11" << "balloon" << "no"
                                 << std::function<void()>([] { settings::saveBalloon("no"); });
        QTest::newRow("font name") << "Table11" << "fontmain" << "DejaVu Serif"
                                   << std::function<void()>([] { settings::saveScreenFont("DejaVu Serif", true, false, 12); });
        QTest::newRow("bold") << "Table11" << "fontbold" << "True"
                              << std::function<void()>([] { settings::saveScreenFont("DejaVu Serif", true, false, 12); });
        QTest::newRow("size") << "Table11" << "fontsize" << "10.5"
                              << std::function<void()>([] { settings::saveScreenFont("DejaVu Serif", false, true, 10.5); });
        QTest::newRow("font colour") << "Table11" << "fontcolor" << "255"
                                     << std::function<void()>([] { settings::saveFontColor(255); });
        QTest::newRow("canvas colour") << "Table11" << "backcolor" << "12632256"
                                       << std::function<void()>([] { settings::saveCanvasColor(12632256); });
        QTest::newRow("skin") << "Table11" << "skin" << "Marble"
                              << std::function<void()>([] { settings::saveSkin("Marble"); });
        QTest::newRow("speech installed") << "Table13" << "AgentInstall" << "Yes"
                                          << std::function<void()>([] { settings::saveAgentInstalled(); });
    }
    void writersStoreAtOnce()
    {
        QFETCH(QString, table);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        QFETCH(std::function<void()>, write);
        form<frmContents>();
        write();
        QCOMPARE(stored(table, field), expected);
        QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems()));
    }

    void resetScreenFontsKeepsColours()
    {
        storeAStyleOfTheUsersOwn();
        settings::resetScreenFonts();
        QCOMPARE(storedTextStyle(), resetStyle);
    }

    // The menu item stores the default font and shows it in the question
    // window at once, however far that window has come; colours stay.
    void resetScreenFontsMenu_data()
    {
        QTest::addColumn<int>("questionWindow"); // 0 not loaded, 1 hidden, 2 shown
        QTest::newRow("not loaded") << 0;
        QTest::newRow("hidden") << 1;
        QTest::newRow("shown") << 2;
    }
    void resetScreenFontsMenu()
    {
        QFETCH(int, questionWindow);
        storeAStyleOfTheUsersOwn();
        auto& contents = form<frmContents>(); // loaded, not shown: showing it would load the question window
        if (questionWindow > 0) {
            auto& question = form<questionwindow::frmMain>();
            QCOMPARE(question.txtA->fontName(), QStringLiteral("DejaVu Serif")); // the load took the stored style
            if (questionWindow == 2)
                question.Show();
        }
        QCOMPARE(fixture->app.isLoaded<questionwindow::frmMain>(), questionWindow > 0);

        contents.mnuResetFonts->trigger();

        QCOMPARE(storedTextStyle(), resetStyle);
        auto& question = form<questionwindow::frmMain>();
        QCOMPARE(question.isVisible(), questionWindow == 2);
        for (forms::TextBox* box :
             {question.txtQuestion, question.txtA, question.txtB, question.txtC, question.txtD, question.txtNotes}) {
            QCOMPARE(box->fontName(), QStringLiteral("MS Sans Serif"));
            QVERIFY(!box->fontBold());
            QVERIFY(!box->fontItalic());
            QCOMPARE(box->fontSize(), 8.0);
            QCOMPARE(box->foreColor(), 255);
            QCOMPARE(box->backColor(), 65535);
        }
        QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems()));
    }

    void skinReachesAllThreeContentsWindows()
    {
        QVERIFY(!fixture->app.isLoaded<frmContents2>());
        settings::saveSkin(QStringLiteral("Blue Brick"));
        QVERIFY(fixture->app.isLoaded<frmContents2>());
        QVERIFY(fixture->app.isLoaded<frmContents3>());
        QCOMPARE(form<frmContents>().txtSkin->text(), QStringLiteral("Blue Brick"));
        QCOMPARE(form<frmContents2>().txtSkin->text(), QStringLiteral("Blue Brick"));
        QCOMPARE(form<frmContents3>().txtSkin->text(), QStringLiteral("Blue Brick"));
        QCOMPARE(stored("Table11", "skin"), QStringLiteral("Blue Brick"));
    }

    void readerSeesValueBeforeItIsSaved()
    {
        auto& contents = form<frmContents>();
        const QString before = stored("Table11", "State");
        contents.txtState->setText(QStringLiteral("Turbo"));
        QCOMPARE(contents.txtState->text(), QStringLiteral("Turbo"));
        QCOMPARE(stored("Table11", "State"), before);
    }

    // The bank windows read the settings row when they load; their copy must
    // never overwrite what the main window saved since.
    void bankWindowsNeverStoreTheirStaleCopy()
    {
        form<frmContents2>();
        form<frmContents3>();
        settings::saveBalloon(QStringLiteral("no"));
        settings::saveSkin(QStringLiteral("Sand"));
        form<frmContents2>().txtBalloon->setText(QStringLiteral("yes"));
        QVERIFY(form<frmContents2>().Unload());
        fixture->app.end();
        QCOMPARE(stored("Table11", "balloon"), QStringLiteral("no"));
        QCOMPARE(stored("Table11", "skin"), QStringLiteral("Sand"));
    }

    void installedFlagSurvivesARestart()
    {
        settings::saveAgentInstalled();
        fixture->app.end();
        // A second run of the program on the same folder.
        testsupport::ProgramFolder copy(false);
        QFile::copy(fixture->databasePath(), copy.databasePath());
        fixture.reset();
        forms::App again(copy.path());
        QCOMPARE(form<frmContents>().txtAgentInstall->text(), QStringLiteral("Yes"));
    }

private:
    std::unique_ptr<testsupport::ProgramFixture> fixture;
};

QTEST_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
