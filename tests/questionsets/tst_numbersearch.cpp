#include "support/FileQuery.h"
#include "support/QuestionWindowFixture.h"
#include "support/SampleChapters.h"

#include "platform/data/Quoting.h"
#include "questionsets/SetLoading.h"
#include "questionwindow/frmMain.h"

#include <QtTest>

using questionwindow::frmMain;
using testsupport::queryValue;
using namespace questionsets;

using namespace testsupport::sample;

namespace {
const QString prompt = QStringLiteral("Enter Database Question Number.");
const QString promptTitle = QStringLiteral("Search Question Banks For Quention Number");
const QString notFound =
    QStringLiteral("This Question Number Does Not Appear In Your Database.\nWould You Like To Search Again?");
const QString searchTitle = QStringLiteral("Brisolt Speaks ");

enum Search { ChapterNumber, DatabaseNumber };

QString captionOf(Search search)
{
    return search == ChapterNumber ? QStringLiteral("Question Number Search") : QStringLiteral("Database Number Search");
}

} // namespace

Q_DECLARE_METATYPE(Search)

// The two number searches of the question window, chosen from its menu, on
// a copy of the sample bank.
class tst_NumberSearch : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::QuestionWindowFixture> fixture;


    static void choose(frmMain& w, Search search)
    {
        (search == ChapterNumber ? w.mnuChapterNumSearch : w.mnuDatabaseNum)->trigger();
    }

    // The whole bank, standing on the first record of `chapter`: the
    // search's chapter is the record's, not the marker's.
    frmMain& standOn(const QString& chapter)
    {
        auto& w = fixture->openCountedSet(QStringLiteral("table1 "));
        w.questionSet().setMarker(QStringLiteral("Snore"));
        auto& records = w.Data1->recordset();
        while (w.txtChapter->text() != chapter)
            records.moveNext();
        return w;
    }

    void verifyPrompt(int index)
    {
        const auto& box = fixture->boxes.shown().at(index);
        QCOMPARE(box.kind, forms::ShownBox::Kind::Input);
        QCOMPARE(box.text, prompt);
        QCOMPARE(box.title, promptTitle);
    }

private slots:
    void init() { fixture = std::make_unique<testsupport::QuestionWindowFixture>(); }
    void cleanup() { fixture.reset(); }

    // A hit becomes the set: counted, and the found question is its marked
    // last question. The marker and the level filter stay.
    void hits_data()
    {
        QTest::addColumn<Search>("search");
        QTest::addColumn<QString>("chapter");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("condition");
        QTest::newRow("chapter number") << ChapterNumber << hose << "5" << "Chapter='Fire Hose' AND QNUM='5'";
        QTest::newRow("chapter number, title with a quote")
            << ChapterNumber << captains << "3" << "Chapter='Captain''s Duties' AND QNUM='3'";
        QTest::newRow("chapter number with blanks and a leading zero")
            << ChapterNumber << hose << " 012 " << "Chapter='Fire Hose' AND QNUM='12'";
        QTest::newRow("database number of the chapter shown") << DatabaseNumber << hose << "150" << "Call=150";
        QTest::newRow("database number of another chapter") << DatabaseNumber << captains << "200" << "Call=200";
    }
    void hits()
    {
        QFETCH(Search, search);
        QFETCH(QString, chapter);
        QFETCH(QString, typed);
        QFETCH(QString, condition);
        QCOMPARE(queryValue(fixture->databasePath(), "SELECT count(*) FROM table1 WHERE " + condition).toInt(), 1);

        auto& w = fixture->openChapter(chapter);
        w.txtRoute->setText("2");
        fixture->boxes.answer(typed);
        choose(w, search);
        fixture->verifyNoBoxes();
        QCOMPARE(fixture->boxes.shown().size(), 1);
        verifyPrompt(0);

        fixture->verifySetIs(w, condition);
        QCOMPARE(w.txtCall->text(), w.txtMark->text());
        QCOMPARE(fixture->setCaptionOf(w), captionOf(search));
        QCOMPARE(w.txtQ->text(), chapter);
        QCOMPARE(w.txtRoute->text(), QStringLiteral("2"));
    }

    // A miss says so and shows the chapter of the record the search started
    // on again, whatever set was shown; Yes asks again.
    void misses_data()
    {
        QTest::addColumn<Search>("search");
        QTest::addColumn<QString>("chapter");
        QTest::addColumn<QStringList>("typed"); // one per prompt
        QTest::addColumn<QList<int>>("again");  // one per miss
        QTest::addColumn<QString>("condition"); // the set left
        QTest::newRow("number of another chapter, No")
            << ChapterNumber << captains << QStringList{"15"} << QList<int>{forms::vbNo} << "Chapter='Captain''s Duties'";
        QTest::newRow("database number beyond the bank, No")
            << DatabaseNumber << hose << QStringList{"2147483647"} << QList<int>{forms::vbNo} << "Chapter='Fire Hose'";
        QTest::newRow("Yes, then a hit")
            << ChapterNumber << captains << QStringList{"40", "8"} << QList<int>{forms::vbYes}
            << "Chapter='Captain''s Duties' AND QNUM='8'";
        QTest::newRow("Yes twice, then a hit in another chapter")
            << DatabaseNumber << hose << QStringList{"9000", "9001", "321"} << QList<int>{forms::vbYes, forms::vbYes}
            << "Call=321";
        QTest::newRow("Yes, then Cancel")
            << DatabaseNumber << captains << QStringList{"9000", ""} << QList<int>{forms::vbYes}
            << "Chapter='Captain''s Duties'";
        QTest::newRow("Yes, then a refused entry")
            << ChapterNumber << hose << QStringList{"99", "x"} << QList<int>{forms::vbYes} << "Chapter='Fire Hose'";
    }
    void misses()
    {
        QFETCH(Search, search);
        QFETCH(QString, chapter);
        QFETCH(QStringList, typed);
        QFETCH(QList<int>, again);
        QFETCH(QString, condition);

        auto& w = standOn(chapter);
        for (int i = 0; i < typed.size(); ++i) {
            fixture->boxes.answer(typed[i]);
            if (i < again.size())
                fixture->boxes.answer(again[i]);
        }
        if (typed.last() == "x")
            fixture->boxes.answer(forms::vbOK);
        choose(w, search);
        fixture->verifyNoBoxes();

        // Prompt and not-found message in turn.
        const auto& shown = fixture->boxes.shown();
        for (int i = 0; i < again.size(); ++i) {
            verifyPrompt(2 * i);
            const auto& box = shown.at(2 * i + 1);
            QCOMPARE(box.text, notFound);
            QCOMPARE(box.title, searchTitle);
            QCOMPARE(box.buttons, int(forms::vbYesNo));
            QCOMPARE(box.icon, int(forms::vbQuestion));
        }
        fixture->verifySetIs(w, condition);
        QCOMPARE(fixture->setCaptionOf(w), captionOf(search));
        QCOMPARE(w.txtQ->text(), QStringLiteral("Snore"));
    }

    // The empty text (also Cancel) and "0" end the search quietly; any other
    // entry that is not a positive whole number is refused with a message.
    // Either way nothing reaches a query: the set and its bookkeeping stay,
    // and only the caption tells of the search.
    void entriesThatAreNoNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("refused");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("letters") << "abc" << true;
        QTest::newRow("negative") << "-1" << true;
        QTest::newRow("fraction") << "2.5" << true;
        QTest::newRow("too large") << "99999999999999999999" << true;
        QTest::newRow("query text") << "5' OR '1'='1" << true;
        QTest::newRow("statement") << "1; DELETE FROM table1" << true;
    }
    void entriesThatAreNoNumber()
    {
        QFETCH(QString, typed);
        QFETCH(bool, refused);
        const int rows = fixture->storedNumber("SELECT count(*) FROM table1");
        for (Search search : {ChapterNumber, DatabaseNumber}) {
            auto& w = fixture->openChapter(hose);
            fixture->moveTo(w, 3);
            const QString shownId = w.txtReturn->text();
            const int before = fixture->boxes.shown().size();
            fixture->boxes.answer(typed);
            if (refused)
                fixture->boxes.answer(forms::vbOK);
            choose(w, search);
            fixture->verifyNoBoxes();
            QCOMPARE(fixture->boxes.shown().size() - before, refused ? 2 : 1);
            if (refused) {
                const auto& box = fixture->boxes.shown().last();
                QCOMPARE(box.kind, forms::ShownBox::Kind::Message);
                QCOMPARE(box.icon, int(forms::vbExclamation));
                QVERIFY(box.text.contains(typed));
                QVERIFY(box.text.contains("whole number"));
            }
            QCOMPARE(w.txtReturn->text(), shownId); // still on the record shown
            fixture->moveTo(w, 0);
            fixture->verifySetIs(w, "Chapter=" + data::sqlText(hose));
            QCOMPARE(fixture->setCaptionOf(w), captionOf(search));
        }
        QCOMPARE(fixture->storedNumber("SELECT count(*) FROM table1"), rows);
    }

    // The picture buttons and the picture's file follow the found question,
    // not the question shown before the search.
    void pictureOfTheFoundQuestion()
    {
        auto& w = fixture->openChapter(hose);
        fixture->moveTo(w, 8); // a question with a picture
        QVERIFY(!w.txtFile1->text().isEmpty());
        w.cmdShow_Click();
        QVERIFY(!w.FXImage1->isHidden());

        fixture->boxes.answer(QStringLiteral("150")); // no picture
        w.mnuDatabaseNum->trigger();
        QVERIFY(w.txtFile1->text().isEmpty());
        QVERIFY(w.FXImage1->isHidden());
        QVERIFY(w.cmdShow->isHidden());
        QVERIFY(w.cmdHide->isHidden());

        fixture->boxes.answer(QStringLiteral("321")); // a picture of its own
        w.mnuDatabaseNum->trigger();
        fixture->verifyNoBoxes();
        QVERIFY(w.txtFileName->text().endsWith(QStringLiteral("/pictures/truss.jpg")));
        QVERIFY(!w.cmdShow->isHidden());
    }

    // A search that starts on an empty set has no chapter: nothing matches
    // by chapter number, the chapter '' is empty again, and the window is
    // left with an empty set counted as such.
    void searchOnAnEmptySet()
    {
        auto& w = fixture->openChapter(QStringLiteral("No Such Chapter"));
        QVERIFY(w.questionSet().emptySetTest());
        w.txtMark->setText("stale");
        fixture->boxes.answer(QStringLiteral("1")).answer(forms::vbNo);
        w.mnuChapterNumSearch->trigger();
        fixture->verifyNoBoxes();
        QVERIFY(w.questionSet().emptySetTest());
        QCOMPARE(w.txtCount->text(), QStringLiteral("0"));
        QCOMPARE(w.txtMark->text(), QString());

        // The database number finds its question all the same.
        fixture->boxes.answer(QStringLiteral("5"));
        w.mnuDatabaseNum->trigger();
        fixture->verifyNoBoxes();
        fixture->verifySetIs(w, "Call=5");
    }
};

QTEST_MAIN(tst_NumberSearch)
#include "tst_numbersearch.moc"
