#include "support/FileQuery.h"
#include "support/PaintedProgress.h"
#include "support/QuestionWindowFixture.h"
#include "support/SampleChapters.h"

#include "platform/data/Quoting.h"
#include "platform/data/SearchIndex.h"
#include "platform/forms/Hourglass.h"
#include "questionsets/SetLoading.h"
#include "questionwindow/frmMain.h"

#include <QtTest>


using questionwindow::frmMain;
using testsupport::queryColumn;
using testsupport::queryValue;

using namespace testsupport::sample;

namespace {

const QString prompt = QStringLiteral("Enter Keyword To Search Question Banks.");
const QString promptTitle = QStringLiteral("Search Question Banks For Keywords");

// Questions whose long texts hold the characters a keyword might take as a
// pattern; each is found by its database number.
struct Planted {
    int call;
    const char* field;
    const char* text;
};
const Planted planted[] = {
    {9001, "Question", "Flow of 50% at the nozzle"},
    {9002, "Question", "Flow of 500 at the nozzle"},
    {9003, "A", "Use the a_b valve"},
    {9004, "A", "Use the axb valve"},
    {9005, "B", "Star*Rated hose"},
    {9006, "B", "StarXRated hose"},
    {9007, "C", "Open [bracket] box"},
    {9008, "D", "Path C:\\Pump\\Intake"},
    {9009, "Memo", "The \"wet\" line"},
    {9010, "Memo", "It's the captain's call"},
    {9011, "Question", "Odd q?x and q#1 marks"},
    {9012, "Question", "Qax and q11 marks"},
    {9013, "Question", "ZZQ Mixed TOKEN"},
    {9014, "Question", "Measured in \u212Aelvin"}, // the Kelvin sign, not a K
    {9015, "Question", "Fahrenheit and kelvin"},
    {9016, "Memo", "\u00C4RGER mit \u00FCbung"},
    {9017, "E", "xylophonic"}, // E is no long-text field
    {9018, "Memo", "old a_b memo"},
};

} // namespace

// The keyword search of the question window on a copy of the sample bank.
class tst_KeywordSearch : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::QuestionWindowFixture> fixture;

    QString db() const { return fixture->databasePath(); }

    void plant()
    {
        for (const Planted& row : planted)
            testsupport::executeSql(db(), QStringLiteral("INSERT INTO table1 (Call, QNUM, Chapter, FF, \"%1\") VALUES (%2, '1', %3, '1', %4)")
                                              .arg(QLatin1String(row.field))
                                              .arg(row.call)
                                              .arg(data::sqlText(QStringLiteral("Keyword Chapter")),
                                                   data::sqlText(QString::fromUtf8(row.text))));
    }

    static QStringList callsOf(frmMain& w) { return testsupport::QuestionWindowFixture::setCalls(w); }

    // What a plain substring test finds, letters compared without regard to
    // case (ASCII), in stored order: the answer for every ASCII keyword.
    QStringList substringCalls(const QString& keyword) const
    {
        QString where;
        for (const char* field : {"Question", "A", "B", "C", "D", "Memo"})
            where += QStringLiteral("%1 instr(lower(\"%2\"), lower(%3)) > 0").arg(where.isEmpty() ? "" : " OR").arg(field, data::sqlText(keyword));
        return queryColumn(db(), "SELECT Call FROM table1 WHERE" + where + " ORDER BY ID");
    }

    static QString caption(frmMain& w) { return w.Status->panel("Chapter")->text(); }

    // Searches from a chapter's set; `then` answers the boxes after the prompt.
    frmMain& search(const QString& keyword, const QList<forms::Dialogs::Answer>& then = {})
    {
        auto& w = fixture->openChapter(hose);
        fixture->boxes.answer(keyword);
        for (const auto& answer : then) {
            if (const int* button = std::get_if<int>(&answer))
                fixture->boxes.answer(*button);
            else
                fixture->boxes.answer(std::get<QString>(answer));
        }
        w.mnuKwed_Click();
        return w;
    }

private slots:
    void init()
    {
        fixture = std::make_unique<testsupport::QuestionWindowFixture>();
        plant();
    }
    void cleanup() { fixture.reset(); }

    void keywordsAreLiteral_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QStringList>("found");    // planted questions it must find
        QTest::addColumn<QStringList>("notFound"); // planted questions it must not find
        QTest::newRow("percent") << "50%" << QStringList{"9001"} << QStringList{"9002"};
        QTest::newRow("underscore") << "a_b" << QStringList{"9003"} << QStringList{"9004"};
        QTest::newRow("star") << "star*rated" << QStringList{"9005"} << QStringList{"9006"};
        QTest::newRow("bracket") << "[bracket]" << QStringList{"9007"} << QStringList{};
        QTest::newRow("backslash") << "C:\\Pump\\" << QStringList{"9008"} << QStringList{};
        QTest::newRow("double quotes") << "\"wet\"" << QStringList{"9009"} << QStringList{};
        QTest::newRow("apostrophe") << "captain's" << QStringList{"9010"} << QStringList{};
        QTest::newRow("question mark") << "q?x" << QStringList{"9011"} << QStringList{"9012"};
        QTest::newRow("hash") << "q#1" << QStringList{"9011"} << QStringList{"9012"};
        QTest::newRow("case") << "zzq mixed token" << QStringList{"9013"} << QStringList{};
        QTest::newRow("trailing blank") << "Flow of 50 " << QStringList{} << QStringList{"9001", "9002"};
        QTest::newRow("kelvin sign is no K") << "kelvin" << QStringList{"9015"} << QStringList{"9014"};
        QTest::newRow("two letters") << "q#" << QStringList{"9011"} << QStringList{"9012"};
        QTest::newRow("one letter") << "%" << QStringList{"9001"} << QStringList{"9002"};
    }
    void keywordsAreLiteral()
    {
        QFETCH(QString, keyword);
        QFETCH(QStringList, found);
        QFETCH(QStringList, notFound);
        const QStringList expected = substringCalls(keyword);
        for (const QString& call : found)
            QVERIFY2(expected.contains(call), qPrintable(call));
        for (const QString& call : notFound)
            QVERIFY2(!expected.contains(call), qPrintable(call));
        QList<forms::Dialogs::Answer> miss;
        if (expected.isEmpty())
            miss = {int(forms::vbYes), QString()}; // the miss question, then Cancel: the empty set stays
        auto& w = search(keyword, miss);
        fixture->verifyNoBoxes();
        QCOMPARE(callsOf(w), expected);
        QCOMPARE(caption(w), QStringLiteral("Keyword Search"));
        QCOMPARE(fixture->boxes.shown().first().text, prompt);
        QCOMPARE(fixture->boxes.shown().first().title, promptTitle);
    }

    // Letters beyond ASCII match without regard to case as well.
    void lettersBeyondAsciiIgnoreCase()
    {
        auto& w = search(QStringLiteral("\u00E4rger MIT \u00DCBUNG"));
        fixture->verifyNoBoxes();
        QCOMPARE(callsOf(w), QStringList{"9016"});
    }

    // The set found is counted and its last question marked; the marker
    // names the set shown before.
    void hitsAreCountedAndMarked()
    {
        auto& w = search(QStringLiteral("NOZZLE"));
        const QStringList expected = substringCalls(QStringLiteral("nozzle"));
        QVERIFY(expected.size() >= 2);
        QCOMPARE(callsOf(w), expected);
        QCOMPARE(w.txtCount->text(), QString::number(expected.size()));
        QCOMPARE(w.txtMark->text(), expected.last());
        QCOMPARE(w.txtCall->text(), expected.first());
        QCOMPARE(w.txtQ->text(), hose);
        fixture->verifyNoBoxes();
    }

    void cancelKeepsTheSet_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("cancel") << QString();
        QTest::newRow("zero") << QStringLiteral("0");
    }
    void cancelKeepsTheSet()
    {
        QFETCH(QString, typed);
        auto& w = fixture->openChapter(hose);
        const QStringList before = callsOf(w);
        const QString count = w.txtCount->text();
        fixture->boxes.answer(typed);
        w.mnuKwed_Click();
        fixture->verifyNoBoxes();
        QCOMPARE(callsOf(w), before);
        QCOMPARE(w.txtCount->text(), count);
        QCOMPARE(caption(w), QStringLiteral("Keyword Search"));
    }

    // A word held only by a field that is not long text finds nothing; the
    // user is asked to search again, and "No" closes the question window.
    void missThenNoClosesTheWindow()
    {
        search(QStringLiteral("xylophonic"), {int(forms::vbNo)});
        fixture->verifyNoBoxes();
        const auto& miss = fixture->boxes.shown().at(1);
        QCOMPARE(miss.text, QStringLiteral("xylophonic - Does not appear anywhere in your question database. Would you "
                                           "like to search again?"));
        QCOMPARE(miss.title, QStringLiteral("Brisolt Speaks"));
        QCOMPARE(miss.buttons, int(forms::vbYesNo));
        QCOMPARE(miss.icon, int(forms::vbQuestion));
        QVERIFY(!fixture->app.isLoaded<frmMain>());
    }

    // "Yes" asks again; a hit the second time ends the search on its set.
    void missThenYesSearchesAgain()
    {
        auto& w = fixture->openChapter(hose);
        fixture->boxes.answer(QStringLiteral("no such words anywhere")).answer(forms::vbYes).answer(QStringLiteral("a_b"));
        w.mnuKwed_Click();
        fixture->verifyNoBoxes();
        QCOMPARE(fixture->boxes.shown().size(), 3);
        QCOMPARE(fixture->boxes.shown().at(2).text, prompt);
        QCOMPARE(callsOf(w), (QStringList{"9003", "9018"}));
    }

    // The toolbar key "Find" runs the same search.
    void findKeySearches()
    {
        auto& w = fixture->openChapter(hose);
        fixture->boxes.answer(QStringLiteral("star*rated"));
        w.tbToolBar->button(QStringLiteral("Find"))->click();
        fixture->verifyNoBoxes();
        QCOMPARE(callsOf(w), QStringList{"9005"});
        QCOMPARE(caption(w), QStringLiteral("Keyword Search"));
    }

    // The first search builds the bank's index; questions stored afterwards,
    // through the window or by anyone else, are found as well, and a question
    // changed or removed is no longer found by its old text.
    void indexFollowsLaterStores()
    {
        auto& w = search(QStringLiteral("a_b"));
        QCOMPARE(callsOf(w), (QStringList{"9003", "9018"}));
        QVERIFY(queryValue(db(), "SELECT count(*) FROM sqlite_master WHERE name = 'table1_search'").toInt() == 1);

        testsupport::executeSql(db(), "INSERT INTO table1 (Call, Chapter, Memo) VALUES (9100, 'Keyword Chapter', 'late a_b note')");
        testsupport::executeSql(db(), "UPDATE table1 SET Memo = 'new memo' WHERE Call = 9018");
        testsupport::executeSql(db(), "DELETE FROM table1 WHERE Call = 9100");
        testsupport::executeSql(db(), "INSERT INTO table1 (Call, Chapter, D) VALUES (9101, 'Keyword Chapter', 'then A_B')");
        // The record on screen (9003) loses the word, stored as the search moves on.
        QCOMPARE(w.txtCall->text(), QStringLiteral("9003"));
        w.txtA->setText(QStringLiteral("Use the valve"));
        fixture->boxes.answer(QStringLiteral("a_b"));
        w.mnuKwed_Click();
        fixture->verifyNoBoxes();
        QCOMPARE(callsOf(w), QStringList{"9101"});
        QCOMPARE(callsOf(w), substringCalls(QStringLiteral("a_b")));
    }

    // The first search of a large bank builds its index for a while: the busy
    // pointer shows, the window's progress bar moves and is painted as the
    // build goes on, and the search finds what it finds on a small bank.
    void firstSearchOfALargeBankShowsItsWork()
    {
        const int rows = 3 * data::searchIndexBlockRows;
        testsupport::executeSql(db(), QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                                     "INSERT INTO table1 (Call, QNUM, Chapter, FF, Question, Memo) "
                                                     "SELECT 20000 + i, i, 'Grown', '1', 'Grown question ' || i || '?', "
                                                     "CASE WHEN i % 97 = 0 THEN 'a Nozzle note ' || i END FROM n")
                                          .arg(rows));
        auto& w = fixture->showChapter(hose);
        w.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCoreApplication::processEvents();

        testsupport::PaintedProgress watch(w.ProgressBar1);
        fixture->boxes.answer(QStringLiteral("nozzle"));
        watch.watching = true;
        w.mnuKwed_Click();
        watch.watching = false;
        fixture->verifyNoBoxes();

        QVERIFY2(watch.movedForward(), qPrintable(watch.seen()));
        QCOMPARE(watch.withoutHourglass, 0);
        QVERIFY(!forms::hourglassShown());
        const QStringList expected = substringCalls(QStringLiteral("nozzle"));
        QVERIFY(expected.size() > rows / 97);
        QCOMPARE(callsOf(w), expected);
    }
};

QTEST_MAIN(tst_KeywordSearch)
#include "tst_keywordsearch.moc"
