#include "support/FileQuery.h"
#include "support/QuestionWindowFixture.h"
#include "support/SampleChapters.h"

#include "platform/data/Quoting.h"
#include "platform/forms/Hourglass.h"
#include "questionsets/SetLoading.h"
#include "questionwindow/frmMain.h"

#include <QtTest>

using questionwindow::frmMain;
using namespace questionsets;

using namespace testsupport::sample;

namespace {
const QString brilliant =
    QStringLiteral("You Are Simply Brilliant! \nGuess What? You have no questions answered incorrectly!");

enum Review { Drill, ChapterWrong, AllWrong };

} // namespace

Q_DECLARE_METATYPE(Review)

// The drill set and the two reviews of wrongly answered questions, chosen
// from the question window's menu, on a copy of the sample bank whose
// records remember some answers.
class tst_ReviewSets : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::QuestionWindowFixture> fixture;


    static void choose(frmMain& w, Review review)
    {
        switch (review) {
        case Drill: w.mnuElephant1->trigger(); break;
        case ChapterWrong: w.mnuX->trigger(); break;
        case AllWrong: w.mnuX2->trigger(); break;
        }
    }

    // Wrong answers and drill marks over both levels and three chapters,
    // beside right answers and cleared marks that no review shows.
    void rememberAnswers()
    {
        const auto mark = [&](const QString& chapter, const QString& number, const QString& set) {
            testsupport::executeSql(fixture->databasePath(), "UPDATE table1 SET " + set + " WHERE Chapter="
                                                                 + data::sqlText(chapter) + " AND QNUM='" + number + "'");
        };
        mark(hose, "2", "x='Y', Elephant='X'");  // level 1
        mark(hose, "3", "x='N'");
        mark(hose, "14", "x='Y', Elephant=' '"); // level 2
        mark(captains, "3", "x='Y'");             // level 1
        mark(captains, "6", "x='Y', Elephant='X'"); // level 2
        mark("Ventilation", "1", "x='Y', Elephant='X'");
        mark("Water Supply", "10", "Elephant='X'");
    }

private slots:
    void init() { fixture = std::make_unique<testsupport::QuestionWindowFixture>(); }
    void cleanup() { fixture.reset(); }

    void reviews_data()
    {
        QTest::addColumn<Review>("review");
        QTest::addColumn<QString>("marker");   // the set shown before
        QTest::addColumn<QString>("onChapter"); // the record on screen
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QString>("newMarker");
        QTest::addColumn<QString>("newCaption");
        const QString drill = "Elephant Questions";
        const QString byChapter = "Incorrectly Answered Questions";
        const QString all = "All Incorrectly Answered Questions";
        QTest::newRow("drill, both levels") << Drill << hose << hose << "" << "Elephant='X'" << "Sneeze" << drill;
        QTest::newRow("drill, design text: both levels")
            << Drill << hose << hose << "txtRoute" << "Elephant='X'" << "Sneeze" << drill;
        QTest::newRow("drill, level 1") << Drill << hose << hose << "1" << "Elephant='X' AND FF='1'" << "Sneeze" << drill;
        QTest::newRow("drill, level 2") << Drill << hose << hose << "2" << "Elephant='X' AND FF='2'" << "Sneeze" << drill;
        QTest::newRow("chapter, both levels")
            << ChapterWrong << hose << hose << "" << "x='Y' AND Chapter='Fire Hose'" << "YAYAYA" << byChapter;
        QTest::newRow("chapter, level 2")
            << ChapterWrong << hose << hose << "2" << "x='Y' AND Chapter='Fire Hose' AND FF='2'" << "YAYAYA" << byChapter;
        QTest::newRow("chapter with a quote")
            << ChapterWrong << captains << captains << "" << "x='Y' AND Chapter='Captain''s Duties'" << "YAYAYA"
            << byChapter;
        QTest::newRow("chapter of the record on screen in the whole bank")
            << ChapterWrong << "Snore" << captains << "1" << "x='Y' AND Chapter='Captain''s Duties' AND FF='1'"
            << "YAYAYA" << byChapter;
        QTest::newRow("all, both levels") << AllWrong << hose << hose << "" << "x='Y'" << "Sneeze" << all;
        QTest::newRow("all, level 1") << AllWrong << "Snore" << captains << "1" << "x='Y' AND FF='1'" << "Sneeze" << all;
        QTest::newRow("all, level 2") << AllWrong << hose << hose << "2" << "x='Y' AND FF='2'" << "Sneeze" << all;
    }
    void reviews()
    {
        QFETCH(Review, review);
        QFETCH(QString, marker);
        QFETCH(QString, onChapter);
        QFETCH(QString, route);
        QFETCH(QString, condition);
        QFETCH(QString, newMarker);
        QFETCH(QString, newCaption);
        rememberAnswers();
        auto& w = fixture->openCountedSet(QStringLiteral("table1 "));
        w.questionSet().setMarker(marker);
        w.txtRoute->setText(route);
        auto& records = w.Data1->recordset();
        while (w.txtChapter->text() != onChapter)
            records.moveNext();

        choose(w, review);
        fixture->verifyNoBoxes();
        QVERIFY(!forms::hourglassShown());
        QVERIFY(fixture->storedNumber("SELECT count(*) FROM table1 WHERE " + condition) > 0);
        fixture->verifySetIs(w, condition);
        QCOMPARE(w.txtQ->text(), newMarker);
        QCOMPARE(fixture->setCaptionOf(w), newCaption);
        QCOMPARE(w.txtRoute->text(), route);
    }

    // Nothing to review: the same words from all three, under their own
    // titles, and the question window closes.
    void nothingToReview_data()
    {
        QTest::addColumn<Review>("review");
        QTest::addColumn<QString>("route");
        QTest::addColumn<bool>("marked"); // the bank remembers answers
        QTest::addColumn<QString>("title");
        QTest::newRow("drill, nothing marked") << Drill << "" << false << "Brisolt Software";
        QTest::newRow("chapter, nothing marked") << ChapterWrong << "" << false << "Brisolt";
        QTest::newRow("all, nothing marked") << AllWrong << "" << false << "Brisolt Software";
        // Marks of the other level do not count.
        QTest::newRow("drill, marks of level 1 only") << Drill << "2" << true << "Brisolt Software";
        QTest::newRow("chapter, marks of level 2 only") << ChapterWrong << "1" << true << "Brisolt";
        QTest::newRow("all, marks of level 1 only") << AllWrong << "2" << true << "Brisolt Software";
    }
    void nothingToReview()
    {
        QFETCH(Review, review);
        QFETCH(QString, route);
        QFETCH(bool, marked);
        QFETCH(QString, title);
        const QString chapter = "Ventilation";
        if (marked) {
            // Only Ventilation's level 1 question keeps its marks; for the
            // chapter review that question becomes level 2.
            rememberAnswers();
            testsupport::executeSql(fixture->databasePath(),
                                    "UPDATE table1 SET x=NULL, Elephant=NULL WHERE FF='2' OR Chapter<>'Ventilation'");
            if (review == ChapterWrong)
                testsupport::executeSql(fixture->databasePath(), "UPDATE table1 SET FF='2' WHERE Chapter='Ventilation'");
        }
        auto& w = fixture->showChapter(chapter);
        w.txtRoute->setText(route);
        fixture->boxes.answer(forms::vbOK);
        choose(w, review);
        fixture->verifyNoBoxes();
        const auto& box = fixture->boxes.shown().last();
        QCOMPARE(box.text, brilliant);
        QCOMPARE(box.title, title);
        QCOMPARE(box.buttons, int(forms::vbOKOnly));
        QCOMPARE(box.icon, int(forms::vbExclamation));
        QVERIFY(!forms::hourglassShown());
        QVERIFY(!fixture->app.isLoaded<frmMain>());
    }

    // A question answered wrongly a moment ago is in the reviews at once:
    // its marks reach the record before the review reads the table.
    void aWrongAnswerJustGivenIsReviewed_data()
    {
        QTest::addColumn<Review>("review");
        QTest::newRow("drill") << Drill;
        QTest::newRow("chapter") << ChapterWrong;
        QTest::newRow("all") << AllWrong;
    }
    void aWrongAnswerJustGivenIsReviewed()
    {
        QFETCH(Review, review);
        auto& w = fixture->openChapter(hose);
        w.mnuUse_Click();
        fixture->moveTo(w, 4);
        const QString id = w.txtReturn->text();
        // The first letter that is not the correct one.
        (w.txtAnswer->text() == QLatin1String("A") ? w.optB : w.optA)->setValue(true);
        w.cmdAnswer_Click();
        QCOMPARE(w.txtX->text(), QStringLiteral("Y"));
        choose(w, review);
        fixture->verifyNoBoxes();
        QCOMPARE(fixture->setColumn(w, "ID"), QStringList{id});
        QCOMPARE(w.txtCount->text(), QStringLiteral("1"));
    }
};

QTEST_MAIN(tst_ReviewSets)
#include "tst_reviewsets.moc"
