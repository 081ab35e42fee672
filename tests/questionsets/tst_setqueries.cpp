#include "support/QuestionWindowFixture.h"
#include "support/SampleChapters.h"

#include "platform/data/DataControl.h"
#include "platform/data/Quoting.h"
#include "questionsets/CountPrompt.h"
#include "questionsets/SetLoading.h"

#include <QtTest>

#include <climits>
#include <functional>
#include <set>

using namespace questionsets;

Q_DECLARE_METATYPE(questionsets::Level)

using namespace testsupport::sample;

// The query texts of the set menus, and what each one selects when the
// question database runs it.
class tst_SetQueries : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::QuestionWindowFixture> fixture;

    // The rows a record source gives, as (ID, Chapter, FF) read through a
    // data control, as the question window would.
    struct Row {
        int id;
        QString chapter;
        QString level;
    };
    QList<Row> run(const QString& source)
    {
        data::DataControl cursor;
        cursor.setDatabaseName(fixture->databasePath());
        cursor.setRecordSource(source);
        cursor.refresh();
        QList<Row> rows;
        auto& records = cursor.recordset();
        if (records.recordCount() == 0)
            return rows;
        records.moveFirst();
        while (!records.eof()) {
            rows.append({records.field(QStringLiteral("ID")).value().toInt(),
                         records.field(QStringLiteral("Chapter")).value().toString(),
                         records.field(QStringLiteral("FF")).value().toString()});
            records.moveNext();
        }
        return rows;
    }

private slots:
    void init() { fixture = std::make_unique<testsupport::QuestionWindowFixture>(); }
    void cleanup() { fixture.reset(); }

    void texts_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("expected");
        QTest::newRow("chapter") << chapterQuery(hose) << "SELECT * FROM table1 where Chapter='Fire Hose'";
        QTest::newRow("chapter with a quote")
            << chapterQuery(captains) << "SELECT * FROM table1 where Chapter='Captain''s Duties'";
        QTest::newRow("order chapter") << orderQuery(hose) << "SELECT * FROM table1 where Chapter='Fire Hose'";
        QTest::newRow("order whole table")
            << orderQuery("Snore")
            << "SELECT id, elephant, call, question, answer,a,b,c,d, picture, memo, qnum, x, FF, picbox, snoop, A1, "
               "B1, C1, D1, page, photo, chapter FROM table1 ";
        QTest::newRow("randomize chapter")
            << randomizeQuery(hose) << "SELECT * FROM table1 where Chapter='Fire Hose'ORDER BY Rnd(id);";
        QTest::newRow("randomize whole table")
            << randomizeQuery("Snore")
            << "SELECT id, elephant, call, d_strip1, question, answer,a,b,c,d, picture, memo, qnum, x, FF, picbox, "
               "snoop, A1, B1, C1, D1, page, photo, chapter FROM table1 ORDER BY Rnd(id);";
        QTest::newRow("reset levels chapter")
            << resetLevelsQuery(hose) << "SELECT * FROM table1 where chapter='Fire Hose'";
        QTest::newRow("reset levels whole table") << resetLevelsQuery("Snore") << "table1 ";
        QTest::newRow("reset chapter")
            << resetChapterQuery(captains) << "SELECT * FROM table1 where Chapter =  'Captain''s Duties' ";
        QTest::newRow("current chapter, level 1")
            << currentChapterTestQuery(5, hose, Level::One)
            << "SELECT Top 5  * FROM table1 where FF = '1'  And chapter='Fire Hose'ORDER BY Rnd(id);";
        QTest::newRow("current chapter, level 2")
            << currentChapterTestQuery(7, hose, Level::Two)
            << "SELECT Top 7  * FROM table1 where FF = '2'  And chapter='Fire Hose'ORDER BY Rnd(id);";
        QTest::newRow("current chapter, both levels")
            << currentChapterTestQuery(3, captains, Level::Both)
            << "SELECT Top 3  * FROM table1 where chapter='Captain''s Duties' ORDER BY Rnd(id);";
        QTest::newRow("entire bank, level 1")
            << entireBankTestQuery(10, Level::One) << "SELECT Top 10  * FROM table1 where FF = '1' ORDER BY Rnd(id);";
        QTest::newRow("entire bank, level 2")
            << entireBankTestQuery(10, Level::Two) << "SELECT Top 10  * FROM table1 where FF = '2' ORDER BY Rnd(id);";
        QTest::newRow("entire bank, both levels")
            << entireBankTestQuery(12, Level::Both)
            << "SELECT TOP  12 id, call, question, snoop, d_strip1, answer,a,b,c,d,E, picture, qnum, x, picbox, memo, "
               "Elephant, FF, page, chapter FROM table1 ORDER BY Rnd(id);";
    }
    void texts()
    {
        QFETCH(QString, query);
        QFETCH(QString, expected);
        QCOMPARE(query, expected);
    }

    void levelFilter_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<Level>("expected");
        QTest::newRow("1") << "1" << Level::One;
        QTest::newRow("2") << "2" << Level::Two;
        QTest::newRow("empty") << "" << Level::Both;
        QTest::newRow("design text") << "txtRoute" << Level::Both;
        QTest::newRow("blank before") << " 1" << Level::Both;
    }
    void levelFilter()
    {
        QFETCH(QString, route);
        QFETCH(Level, expected);
        QCOMPARE(levelOf(route), expected);
    }

    // Every chapter query selects exactly its chapter's records, a title
    // with a quote included.
    void chapterQueriesSelectTheChapter_data()
    {
        QTest::addColumn<QString>("chapter");
        QTest::newRow("plain title") << hose;
        QTest::newRow("title with a quote") << captains;
    }
    void chapterQueriesSelectTheChapter()
    {
        QFETCH(QString, chapter);
        const int inChapter = fixture->storedNumber("SELECT count(*) FROM table1 WHERE Chapter=" + data::sqlText(chapter));
        QVERIFY(inChapter > 0);
        for (const QString& query : {chapterQuery(chapter), orderQuery(chapter), randomizeQuery(chapter),
                                     resetLevelsQuery(chapter), resetChapterQuery(chapter),
                                     currentChapterTestQuery(1000, chapter, Level::Both)}) {
            const QList<Row> rows = run(query);
            QCOMPARE(rows.size(), inChapter);
            for (const Row& row : rows)
                QCOMPARE(row.chapter, chapter);
        }
    }

    void orderedChapterKeepsStoredOrder()
    {
        const QList<Row> rows = run(orderQuery(hose));
        for (int i = 1; i < rows.size(); ++i)
            QVERIFY(rows[i - 1].id < rows[i].id);
    }

    void wholeTableQueries()
    {
        const int all = fixture->storedNumber("SELECT count(*) FROM table1");
        QCOMPARE(run(orderQuery("Snore")).size(), all);
        QCOMPARE(run(randomizeQuery("Snore")).size(), all);
        QCOMPARE(run(resetLevelsQuery("Snore")).size(), all);
    }

    void randomTestsKeepTheirCountAndLevel_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<int>("expectedRows");
        QTest::addColumn<QString>("chapter"); // empty: any
        QTest::addColumn<QString>("level");   // empty: any
        QTest::newRow("chapter, level 1") << currentChapterTestQuery(5, hose, Level::One) << 5 << hose << "1";
        QTest::newRow("chapter, level 2") << currentChapterTestQuery(4, hose, Level::Two) << 4 << hose << "2";
        QTest::newRow("chapter, both") << currentChapterTestQuery(9, hose, Level::Both) << 9 << hose << "";
        QTest::newRow("quoted chapter, level 1") << currentChapterTestQuery(2, captains, Level::One) << 2 << captains << "1";
        QTest::newRow("more than the chapter holds")
            << currentChapterTestQuery(500, hose, Level::Both) << 18 << hose << "";
        QTest::newRow("bank, level 1") << entireBankTestQuery(20, Level::One) << 20 << "" << "1";
        QTest::newRow("bank, level 2") << entireBankTestQuery(20, Level::Two) << 20 << "" << "2";
        QTest::newRow("bank, both") << entireBankTestQuery(30, Level::Both) << 30 << "" << "";
    }
    void randomTestsKeepTheirCountAndLevel()
    {
        QFETCH(QString, query);
        QFETCH(int, expectedRows);
        QFETCH(QString, chapter);
        QFETCH(QString, level);
        const QList<Row> rows = run(query);
        QCOMPARE(rows.size(), expectedRows);
        std::set<int> ids;
        for (const Row& row : rows) {
            ids.insert(row.id);
            if (!chapter.isEmpty())
                QCOMPARE(row.chapter, chapter);
            if (!level.isEmpty())
                QCOMPARE(row.level, level);
        }
        QCOMPARE(int(ids.size()), expectedRows);
    }

    // One run of a random query is already a random draw: repeated runs give
    // different orders, and every question of the chapter can come first.
    void randomQueryDrawsAfreshEachRun()
    {
        const QString query = randomizeQuery(hose);
        std::set<int> firsts;
        QList<int> previousOrder;
        bool orderChanged = false;
        for (int run = 0; run < 400; ++run) {
            const QList<Row> rows = this->run(query);
            QList<int> order;
            for (const Row& row : rows)
                order.append(row.id);
            if (!previousOrder.isEmpty() && order != previousOrder)
                orderChanged = true;
            previousOrder = order;
            firsts.insert(order.first());
        }
        QVERIFY(orderChanged);
        QCOMPARE(int(firsts.size()), fixture->storedNumber("SELECT count(*) FROM table1 WHERE Chapter='Fire Hose'"));
    }

    void countAnswers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("count");
        QTest::newRow("empty cancels") << "" << int(CountAnswer::Cancelled) << 0;
        QTest::newRow("0 cancels") << "0" << int(CountAnswer::Cancelled) << 0;
        QTest::newRow("5") << "5" << int(CountAnswer::Count) << 5;
        QTest::newRow("blank around 5") << " 5 " << int(CountAnswer::Count) << 5;
        QTest::newRow("blank before 0") << " 0" << int(CountAnswer::Refused) << 0;
        QTest::newRow("00") << "00" << int(CountAnswer::Refused) << 0;
        QTest::newRow("letters") << "abc" << int(CountAnswer::Refused) << 0;
        QTest::newRow("negative") << "-3" << int(CountAnswer::Refused) << 0;
        QTest::newRow("fraction") << "2.5" << int(CountAnswer::Refused) << 0;
        QTest::newRow("query text") << "5 * FROM table1;--" << int(CountAnswer::Refused) << 0;
        QTest::newRow("larger than any set") << "99999999999999999999" << int(CountAnswer::Count) << INT_MAX;
    }
    void countAnswers()
    {
        QFETCH(QString, typed);
        QFETCH(int, kind);
        QFETCH(int, count);
        const CountAnswer answer = readCountAnswer(typed);
        QCOMPARE(int(answer.kind), kind);
        QCOMPARE(answer.count, count);
    }
};

QTEST_MAIN(tst_SetQueries)
#include "tst_setqueries.moc"
