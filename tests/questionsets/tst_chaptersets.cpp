#include "support/FileQuery.h"
#include "support/QuestionWindowFixture.h"
#include "support/SampleChapters.h"

#include "platform/data/Quoting.h"
#include "platform/forms/Hourglass.h"
#include "questionsets/SetLoading.h"
#include "questionwindow/frmMain.h"

#include <QtTest>

#include <algorithm>
#include <map>
#include <set>

using questionwindow::frmMain;
using testsupport::queryColumn;
using testsupport::queryValue;
using namespace questionsets;

using namespace testsupport::sample;

namespace {
const QString inputTitle = QStringLiteral("Enter Number Of Questions You Would Like Included In This Test.");

struct Row {
    int id = 0;
    QString call;
    QString chapter;
    QString level;
};
} // namespace

// The question window's menus that reload the current chapter or the whole
// question table, on a copy of the sample bank.
class tst_ChapterSets : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::QuestionWindowFixture> fixture;

    QString database() const { return fixture->databasePath(); }

    int chapterSize(const QString& chapter, const QString& level = {})
    {
        QString sql = "SELECT count(*) FROM table1 WHERE Chapter=" + data::sqlText(chapter);
        if (!level.isEmpty())
            sql += " AND FF=" + data::sqlText(level);
        return fixture->storedNumber(sql);
    }
    QList<int> storedIds(const QString& chapter)
    {
        QList<int> ids;
        for (const QString& id :
             queryColumn(database(), "SELECT ID FROM table1 WHERE Chapter=" + data::sqlText(chapter) + " ORDER BY ID"))
            ids.append(id.toInt());
        return ids;
    }

    // The set's records from first to last; the first is current afterwards.
    QList<Row> rowsOf(frmMain& w)
    {
        QList<Row> rows;
        if (!w.Data1->hasRecordset() || w.Data1->recordset().recordCount() == 0)
            return rows;
        auto& records = w.Data1->recordset();
        records.moveFirst();
        while (!records.eof()) {
            rows.append({records.field("ID").value().toInt(), w.txtCall->text(), w.txtChapter->text(),
                         w.txtLevel->text()});
            records.moveNext();
        }
        records.moveFirst();
        return rows;
    }

    static QString caption(frmMain& w) { return w.Status->panel("Chapter")->text(); }

    void verifyBookkeeping(frmMain& w, const QList<Row>& rows)
    {
        QCOMPARE(w.txtCount->text(), QString::number(rows.size()));
        QCOMPARE(w.txtMark->text(), rows.isEmpty() ? QString() : rows.last().call);
        if (!rows.isEmpty())
            QCOMPARE(w.txtCall->text(), rows.first().call); // on the first record
    }

private slots:
    void init() { fixture = std::make_unique<testsupport::QuestionWindowFixture>(); }
    void cleanup() { fixture.reset(); }

    void orderAndRandomizeAlternate()
    {
        auto& w = fixture->openChapter(hose);
        // The window starts with "Order Questions" unavailable.
        QVERIFY(!w.mnuOrder->enabled());
        QVERIFY(w.mnuRand->enabled());

        w.mnuRand_Click();
        QVERIFY(!forms::hourglassShown());
        QVERIFY(!w.mnuRand->enabled());
        QVERIFY(w.mnuOrder->enabled());
        QCOMPARE(caption(w), QStringLiteral("Questions Have Been Randomized"));
        QCOMPARE(w.txtQ->text(), hose); // the marker stays
        QList<Row> rows = rowsOf(w);
        std::multiset<int> drawn;
        for (const Row& row : rows) {
            QCOMPARE(row.chapter, hose);
            drawn.insert(row.id);
        }
        const QList<int> ids = storedIds(hose);
        QCOMPARE(drawn, std::multiset<int>(ids.begin(), ids.end()));
        verifyBookkeeping(w, rows);

        w.mnuOrder_Click();
        QVERIFY(w.mnuRand->enabled());
        QVERIFY(!w.mnuOrder->enabled());
        QCOMPARE(caption(w), QStringLiteral("Questions Ordered"));
        rows = rowsOf(w);
        QList<int> ordered;
        for (const Row& row : rows)
            ordered.append(row.id);
        QCOMPARE(ordered, ids);
        verifyBookkeeping(w, rows);
        fixture->verifyNoBoxes();
    }

    // "Randomize Questions" draws every order of the set equally often.
    // Over 600 draws of a chapter of three questions each of the six orders
    // should come about 100 times; a chi-square above 20.5 (5 degrees of
    // freedom) happens to a fair draw once in a thousand. The engine's
    // generator is seeded, so the draws repeat from run to run.
    void randomizeDrawsEveryOrderAlike()
    {
        const QString knots = QStringLiteral("Knots Review");
        for (int n = 1; n <= 3; ++n)
            testsupport::executeSql(database(), QStringLiteral("INSERT INTO table1 (Call, QNUM, Chapter, FF, Question, "
                                                               "Answer) VALUES (%1, '%2', %3, '1', 'Knot %2?', 'A')")
                                                    .arg(900 + n)
                                                    .arg(n)
                                                    .arg(data::sqlText(knots)));
        const QList<int> ids = storedIds(knots);
        testsupport::seedDatabaseRandom(20240601);
        auto& w = fixture->openChapter(knots);
        constexpr int draws = 600;
        std::map<QList<int>, int> seen;
        for (int draw = 0; draw < draws; ++draw) {
            w.mnuRand_Click();
            QList<int> order;
            for (const Row& row : rowsOf(w))
                order.append(row.id);
            QList<int> sorted = order;
            std::sort(sorted.begin(), sorted.end());
            QCOMPARE(sorted, ids); // the whole chapter, each question once
            ++seen[order];
        }
        QCOMPARE(int(seen.size()), 6);
        const double expected = draws / 6.0;
        double chiSquare = 0;
        QStringList counts;
        for (const auto& [order, count] : seen) {
            chiSquare += (count - expected) * (count - expected) / expected;
            counts << QString::number(count);
        }
        QVERIFY2(chiSquare < 20.5, qPrintable(QStringLiteral("orders drawn %1 times").arg(counts.join(", "))));
    }

    void wholeTableVariants()
    {
        auto& w = fixture->openChapter(hose);
        w.questionSet().setMarker("Snore");
        const int all = fixture->storedNumber("SELECT count(*) FROM table1");

        w.mnuRand_Click();
        QList<Row> rows = rowsOf(w);
        QCOMPARE(rows.size(), all);
        verifyBookkeeping(w, rows);

        w.mnuOrder_Click();
        rows = rowsOf(w);
        QCOMPARE(rows.size(), all);
        QCOMPARE(rows.first().id, fixture->storedNumber("SELECT min(ID) FROM table1"));
        verifyBookkeeping(w, rows);
        // The ordered whole-table list names no picture file or video.
        QVERIFY(w.txtFile1->text().isEmpty());
        QVERIFY(w.txtVideo1->text().isEmpty());
        QCOMPARE(w.txtQ->text(), QStringLiteral("Snore"));
    }

    // A marker that names no chapter ("Sneeze" after the drill set) gives an
    // empty set; the bookkeeping says so instead of failing.
    void markerNamingNoChapter_data()
    {
        QTest::addColumn<int>("menu");
        QTest::newRow("Order Questions") << 0;
        QTest::newRow("Randomize Questions") << 1;
        QTest::newRow("Reset To Display Both Levels") << 2;
    }
    void markerNamingNoChapter()
    {
        QFETCH(int, menu);
        auto& w = fixture->openChapter(hose);
        w.questionSet().setMarker("Sneeze");
        switch (menu) {
        case 0: w.mnuOrder_Click(); break;
        case 1: w.mnuRand_Click(); break;
        case 2: w.mnuReset_Click(); break;
        }
        QVERIFY(w.questionSet().emptySetTest());
        if (menu != 2)
            QCOMPARE(w.txtCount->text(), QStringLiteral("0"));
        QCOMPARE(w.txtMark->text(), QString());
        QVERIFY(!forms::hourglassShown());
        fixture->verifyNoBoxes();
    }

    void randomTestFromCurrentChapter_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("level"); // empty: both
        QTest::newRow("both levels") << "" << "";
        QTest::newRow("level 1") << "1" << "1";
        QTest::newRow("level 2") << "2" << "2";
        QTest::newRow("design text: both") << "txtRoute" << "";
    }
    void randomTestFromCurrentChapter()
    {
        QFETCH(QString, route);
        QFETCH(QString, level);
        auto& w = fixture->openChapter(hose);
        w.txtRoute->setText(route);
        fixture->boxes.answer(QStringLiteral("5"));
        w.mnuCurrent_Click();
        fixture->verifyNoBoxes();
        const auto& box = fixture->boxes.shown().last();
        QCOMPARE(box.text, QStringLiteral("Enter Number Of Questions"));
        QCOMPARE(box.title, inputTitle);

        const QList<Row> rows = rowsOf(w);
        QCOMPARE(rows.size(), 5);
        for (const Row& row : rows) {
            QCOMPARE(row.chapter, hose);
            if (!level.isEmpty())
                QCOMPARE(row.level, level);
        }
        QCOMPARE(w.txtQ->text(), hose);
        QCOMPARE(caption(w), QStringLiteral("Random Test - Current Chapter"));
        verifyBookkeeping(w, rows);
    }

    // A count larger than the set draws every question of it, however many
    // digits the number has.
    void randomTestLargerThanTheSet_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("wholeBank");
        QTest::newRow("500, current chapter") << "500" << false;
        QTest::newRow("2147483648, current chapter") << "2147483648" << false;
        QTest::newRow("20 digits, current chapter") << "99999999999999999999" << false;
        QTest::newRow("20 digits, entire bank") << "99999999999999999999" << true;
        QTest::newRow("leading zeros, entire bank") << "000099999999999999999999" << true;
    }
    void randomTestLargerThanTheSet()
    {
        QFETCH(QString, typed);
        QFETCH(bool, wholeBank);
        auto& w = fixture->openChapter(captains);
        fixture->boxes.answer(typed);
        if (wholeBank)
            w.mnuEntire_Click();
        else
            w.mnuCurrent_Click();
        fixture->verifyNoBoxes();
        QCOMPARE(fixture->boxes.shown().size(), 1); // the prompt alone: no refusal
        const QList<Row> rows = rowsOf(w);
        QCOMPARE(rows.size(), wholeBank ? fixture->storedNumber("SELECT count(*) FROM table1") : chapterSize(captains));
        QCOMPARE(w.txtQ->text(), wholeBank ? QStringLiteral("Snore") : captains);
        verifyBookkeeping(w, rows);
    }

    // A level the chapter does not hold: the draw is empty, and the marker
    // becomes the empty chapter of the empty set.
    void randomTestOfALevelTheChapterLacks()
    {
        testsupport::executeSql(database(), "UPDATE table1 SET FF='1' WHERE Chapter='Fire Hose'");
        auto& w = fixture->openChapter(hose);
        w.txtRoute->setText("2");
        fixture->boxes.answer(QStringLiteral("5"));
        w.mnuCurrent_Click();
        QVERIFY(w.questionSet().emptySetTest());
        QCOMPARE(w.txtQ->text(), QString());
        QCOMPARE(w.txtCount->text(), QStringLiteral("0"));
        QCOMPARE(w.txtMark->text(), QString());
    }

    // "" (also Cancel) and "0" cancel quietly; any other answer that is not
    // a positive whole number is refused with a message. Either way the set
    // and its bookkeeping stay.
    void countPromptRefusals_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("refused");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("letters") << "abc" << true;
        QTest::newRow("negative") << "-3" << true;
        QTest::newRow("fraction") << "2.5" << true;
        QTest::newRow("blank before 0") << " 0" << true;
        QTest::newRow("00") << "00" << true;
        QTest::newRow("query text") << "5 * FROM table1;" << true;
    }
    void countPromptRefusals()
    {
        QFETCH(QString, typed);
        QFETCH(bool, refused);
        for (int menu = 0; menu < 2; ++menu) {
            auto& w = fixture->openChapter(hose);
            w.questionSet().setCaption("before");
            const QList<Row> before = rowsOf(w);
            const QString count = w.txtCount->text();
            const QString mark = w.txtMark->text();
            const int shownBefore = fixture->boxes.shown().size();
            fixture->boxes.answer(typed);
            if (refused)
                fixture->boxes.answer(forms::vbOK);
            if (menu == 0)
                w.mnuCurrent_Click();
            else
                w.mnuEntire_Click();
            fixture->verifyNoBoxes();
            const auto& shown = fixture->boxes.shown();
            QCOMPARE(shown.size() - shownBefore, refused ? 2 : 1);
            if (refused) {
                QCOMPARE(shown.last().kind, forms::ShownBox::Kind::Message);
                QCOMPARE(shown.last().title, QStringLiteral("Brisolt Speaks"));
                QCOMPARE(shown.last().icon, int(forms::vbExclamation));
                QVERIFY(shown.last().text.contains("whole number"));
            }
            QList<int> ids, idsBefore;
            for (const Row& row : rowsOf(w))
                ids.append(row.id);
            for (const Row& row : before)
                idsBefore.append(row.id);
            QCOMPARE(ids, idsBefore);
            QCOMPARE(w.txtCount->text(), count);
            QCOMPARE(w.txtMark->text(), mark);
            QCOMPARE(w.txtQ->text(), hose);
            // The chapter test names itself before it asks; the bank test
            // changes nothing when cancelled.
            QCOMPARE(caption(w), menu == 0 ? QStringLiteral("Random Test - Current Chapter") : QStringLiteral("before"));
        }
    }

    void randomTestFromEntireBank_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("level");
        QTest::newRow("both levels") << "" << "";
        QTest::newRow("level 1") << "1" << "1";
        QTest::newRow("level 2") << "2" << "2";
    }
    void randomTestFromEntireBank()
    {
        QFETCH(QString, route);
        QFETCH(QString, level);
        auto& w = fixture->openChapter(hose);
        w.txtRoute->setText(route);
        fixture->boxes.answer(QStringLiteral("25"));
        w.mnuEntire_Click();
        fixture->verifyNoBoxes();
        const QList<Row> rows = rowsOf(w);
        QCOMPARE(rows.size(), 25);
        std::set<QString> chapters;
        for (const Row& row : rows) {
            chapters.insert(row.chapter);
            if (!level.isEmpty())
                QCOMPARE(row.level, level);
        }
        QVERIFY(chapters.size() > 1);
        QCOMPARE(w.txtQ->text(), QStringLiteral("Snore"));
        QCOMPARE(caption(w), QStringLiteral("All Questions Randomized"));
        verifyBookkeeping(w, rows);
    }

    void resetToBothLevels()
    {
        auto& w = fixture->openChapter(captains);
        w.txtRoute->setText("1");
        w.questionSet().setQuery("SELECT * FROM table1 where FF = '1' And Chapter = " + data::sqlText(captains));
        w.mnuReset_Click();
        QCOMPARE(w.txtRoute->text(), QString());
        const QList<Row> rows = rowsOf(w);
        QCOMPARE(rows.size(), chapterSize(captains));
        QCOMPARE(w.txtMark->text(), rows.last().call);
        QCOMPARE(caption(w), QStringLiteral("Levels Have Been Reset"));

        // After a random test from the whole bank: the whole table again.
        fixture->boxes.answer(QStringLiteral("5"));
        w.mnuEntire_Click();
        w.mnuReset_Click();
        QCOMPARE(rowsOf(w).size(), fixture->storedNumber("SELECT count(*) FROM table1"));
        QCOMPARE(w.txtCall->text(), queryValue(database(), "SELECT Call FROM table1 ORDER BY ID LIMIT 1").toString());
    }

    void resetChapterReloadsTheCurrentRecordsChapter()
    {
        auto& w = fixture->openChapter(hose);
        w.questionSet().setQuery("table1 ");
        // Stand on a record of the chapter with the quote.
        auto& records = w.Data1->recordset();
        while (w.txtChapter->text() != captains)
            records.moveNext();
        w.questionSet().setMarker("Sneeze");
        w.txtRoute->setText("2");
        const QString count = w.txtCount->text();
        w.mnuResetChapter_Click();
        const QList<Row> rows = rowsOf(w);
        QCOMPARE(rows.size(), chapterSize(captains));
        for (const Row& row : rows)
            QCOMPARE(row.chapter, captains);
        QCOMPARE(w.txtMark->text(), rows.last().call);
        QCOMPARE(w.txtCount->text(), count); // no count step
        QCOMPARE(w.txtQ->text(), QStringLiteral("Sneeze"));
        QCOMPARE(w.txtRoute->text(), QStringLiteral("2"));
        QCOMPARE(caption(w), QStringLiteral("Chapter Has Been Reset"));
    }

    void resetDatabase()
    {
        auto& w = fixture->openChapter(hose);
        w.txtRoute->setText("1");
        const QString mark = w.txtMark->text();
        w.mnuResetDatabase_Click();
        QCOMPARE(rowsOf(w).size(), fixture->storedNumber("SELECT count(*) FROM table1"));
        QCOMPARE(w.Data1->databaseName(), database());
        QCOMPARE(w.txtQ->text(), hose);
        QCOMPARE(w.txtRoute->text(), QStringLiteral("1"));
        QCOMPARE(w.txtMark->text(), mark);
        QCOMPARE(caption(w), QStringLiteral("Questions Reset"));
        // "Order Questions" after it orders the marker's chapter again.
        w.mnuRand_Click();
        w.mnuOrder_Click();
        QCOMPARE(rowsOf(w).size(), chapterSize(hose));
    }

    // A title with a quote works in every chapter query of these menus.
    void chapterWithAQuote()
    {
        auto& w = fixture->openChapter(captains);
        const int size = chapterSize(captains);
        QCOMPARE(w.txtCount->text(), QString::number(size));

        w.mnuRand_Click();
        QCOMPARE(rowsOf(w).size(), size);
        w.mnuOrder_Click();
        QCOMPARE(rowsOf(w).size(), size);
        w.mnuReset_Click();
        QCOMPARE(rowsOf(w).size(), size);
        w.mnuResetChapter_Click();
        QCOMPARE(rowsOf(w).size(), size);
        fixture->boxes.answer(QStringLiteral("3"));
        w.mnuCurrent_Click();
        const QList<Row> rows = rowsOf(w);
        QCOMPARE(rows.size(), 3);
        for (const Row& row : rows)
            QCOMPARE(row.chapter, captains);
        QCOMPARE(w.txtQ->text(), captains);
        fixture->verifyNoBoxes();
    }
};

QTEST_MAIN(tst_ChapterSets)
#include "tst_chaptersets.moc"
