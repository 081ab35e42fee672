#include "support/FileQuery.h"
#include "support/QuestionWindowFixture.h"
#include "support/SampleChapters.h"

#include "platform/data/Quoting.h"
#include "questionsets/SetLoading.h"
#include "questionwindow/frmMain.h"

#include <QtTest>

using questionwindow::frmMain;
using namespace questionsets;

using namespace testsupport::sample;

// "Display Level 1 Questions Only" and "Display Level 2 Questions Only",
// chosen from the question window's menu, on a copy of the sample bank.
class tst_LevelSets : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::QuestionWindowFixture> fixture;

    static void choose(frmMain& w, const QString& level) { (level == "1" ? w.mnuFF1 : w.mnuFF2)->trigger(); }

private slots:
    void init() { fixture = std::make_unique<testsupport::QuestionWindowFixture>(); }
    void cleanup() { fixture.reset(); }

    // The level of the chapter on screen, or of the whole bank while the
    // whole bank is shown; the marker stays, the filter becomes the level,
    // and the count and the last question are those of the level's set.
    void levelOfTheSetShown_data()
    {
        QTest::addColumn<QString>("marker");
        QTest::addColumn<QString>("onChapter"); // the record on screen
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("condition");
        QTest::newRow("chapter, level 1") << hose << hose << "1" << "FF='1' AND Chapter='Fire Hose'";
        QTest::newRow("chapter, level 2") << hose << hose << "2" << "FF='2' AND Chapter='Fire Hose'";
        QTest::newRow("title with a quote")
            << captains << captains << "2" << "FF='2' AND Chapter='Captain''s Duties'";
        QTest::newRow("whole bank, level 1") << "Snore" << captains << "1" << "FF='1'";
        QTest::newRow("whole bank, level 2") << "Snore" << hose << "2" << "FF='2'";
        // A review set names no chapter: the record on screen does.
        QTest::newRow("after a review") << "Sneeze" << captains << "1" << "FF='1' AND Chapter='Captain''s Duties'";
    }
    void levelOfTheSetShown()
    {
        QFETCH(QString, marker);
        QFETCH(QString, onChapter);
        QFETCH(QString, level);
        QFETCH(QString, condition);
        auto& w = fixture->openCountedSet(QStringLiteral("table1 "));
        w.questionSet().setMarker(marker);
        auto& records = w.Data1->recordset();
        while (w.txtChapter->text() != onChapter)
            records.moveNext();

        choose(w, level);
        fixture->verifyNoBoxes();
        fixture->verifySetIs(w, condition);
        QCOMPARE(w.txtRoute->text(), level);
        QCOMPARE(w.txtQ->text(), marker);
        QCOMPARE(fixture->setCaptionOf(w), QStringLiteral("Level %1 Questions Displayed").arg(level));
        for (const QString& shown : fixture->setColumn(w, "FF"))
            QCOMPARE(shown, level);
    }

    // One level after the other: each takes the chapter anew, not the
    // level set shown before.
    void secondLevelAfterTheFirst()
    {
        auto& w = fixture->openChapter(captains);
        w.mnuFF1->trigger();
        w.mnuFF2->trigger();
        fixture->verifyNoBoxes();
        fixture->verifySetIs(w, "FF='2' AND Chapter='Captain''s Duties'");
        QCOMPARE(w.txtRoute->text(), QStringLiteral("2"));
    }

    // No question of that level: the user is told and the question window
    // closes, taking the level filter with it.
    void levelTheChapterLacks_data()
    {
        QTest::addColumn<QString>("chapter");
        QTest::addColumn<QString>("level");
        QTest::newRow("level 2 of a level 1 chapter") << hose << "2";
        QTest::newRow("level 1 of a level 2 chapter") << captains << "1";
        QTest::newRow("empty set shown") << "No Such Chapter" << "1";
    }
    void levelTheChapterLacks()
    {
        QFETCH(QString, chapter);
        QFETCH(QString, level);
        const QString other = level == "1" ? "2" : "1";
        testsupport::executeSql(fixture->databasePath(),
                                "UPDATE table1 SET FF='" + other + "' WHERE Chapter=" + data::sqlText(chapter));
        auto& w = fixture->openChapter(chapter);
        fixture->boxes.answer(forms::vbOK);
        choose(w, level);
        fixture->verifyNoBoxes();
        const auto& box = fixture->boxes.shown().last();
        QCOMPARE(box.text, QStringLiteral("You have no questions in this section marked for Level %1. "
                                          "Please choose a new chapter!.")
                               .arg(level));
        QCOMPARE(box.title, QStringLiteral("Brisolt Speaks"));
        QCOMPARE(box.buttons, int(forms::vbOKOnly));
        QCOMPARE(box.icon, int(forms::vbQuestion));
        QVERIFY(!fixture->app.isLoaded<frmMain>());
        QCOMPARE(forms::form<frmMain>().txtRoute->text(), QStringLiteral("txtRoute"));
    }
};

QTEST_MAIN(tst_LevelSets)
#include "tst_levelsets.moc"
