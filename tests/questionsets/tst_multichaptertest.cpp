#include "support/FileQuery.h"
#include "support/ProgramFolder.h"
#include "support/SampleChapters.h"
#include "support/SetRows.h"

#include "platform/data/DataControl.h"
#include "platform/data/Quoting.h"
#include "questionsets/MultiChapterTest.h"

#include <QtTest>

#include <cmath>
#include <map>
#include <set>

using namespace questionsets;

Q_DECLARE_METATYPE(questionsets::Level)

using namespace testsupport::sample;

namespace {
using Row = testsupport::SetRow;
} // namespace

// The rules of a random test over several chapters: the query text, what it
// selects from a real question database, how evenly it draws, and the caption.
class tst_MultiChapterTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::ProgramFolder> folder;

    QString database() const { return folder->databasePath(); }

    QList<Row> run(const QString& source) const { return testsupport::rowsOfSource(database(), source); }

    int storedIn(const QStringList& chapters, const QString& level = {}) const
    {
        return testsupport::storedIn(database(), chapters, level);
    }

    // How many rows a record source gives.
    int countOf(const QString& source) const
    {
        data::DataControl cursor;
        cursor.setDatabaseName(database());
        cursor.setRecordSource(source);
        cursor.refresh();
        auto& records = cursor.recordset();
        if (records.recordCount() == 0)
            return 0;
        records.moveLast();
        return records.recordCount();
    }

    QStringList allTitles() const
    {
        return testsupport::queryColumn(database(), QStringLiteral("SELECT Chapter FROM Table4 ORDER BY rowid"));
    }

private slots:
    void init()
    {
        folder = std::make_unique<testsupport::ProgramFolder>();
        QVERIFY(folder->isValid());
    }
    void cleanup() { folder.reset(); }

    void queryTexts_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("chapters");
        QTest::addColumn<Level>("level");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one chapter, level 1")
            << 10 << QStringList{hose} << Level::One
            << "SELECT Top 10  * FROM Table1 where FF = '1'  And chapter='Fire Hose' ORDER BY Rnd(id);";
        QTest::newRow("one chapter, level 2")
            << 5 << QStringList{captains} << Level::Two
            << "SELECT Top 5  * FROM Table1 where FF = '2'  And chapter='Captain''s Duties' ORDER BY Rnd(id);";
        QTest::newRow("two chapters, level 1")
            << 20 << QStringList{hose, ladders} << Level::One
            << "SELECT Top 20  * FROM Table1 where ((FF = '1')  And (chapter='Fire Hose' or chapter='Ground Ladders')) "
               "ORDER BY Rnd(id);";
        QTest::newRow("three chapters, level 2")
            << 7 << QStringList{hose, captains, ladders} << Level::Two
            << "SELECT Top 7  * FROM Table1 where (((FF = '2')  And (chapter='Fire Hose' or chapter='Captain''s Duties' "
               "or chapter='Ground Ladders'))) ORDER BY Rnd(id);";
        QTest::newRow("one chapter, both levels")
            << 3 << QStringList{hose} << Level::Both
            << "SELECT Top 3  * FROM Table1 where chapter='Fire Hose' ORDER BY Rnd(id);";
        QTest::newRow("three chapters, both levels")
            << 50 << QStringList{hose, captains, ladders} << Level::Both
            << "SELECT Top 50  * FROM Table1 where chapter='Fire Hose' or chapter='Captain''s Duties' or "
               "chapter='Ground Ladders' ORDER BY Rnd(id);";
        QTest::newRow("no chapter") << 5 << QStringList{} << Level::Both
                                    << "SELECT Top 5  * FROM Table1 where False ORDER BY Rnd(id);";
    }
    void queryTexts()
    {
        QFETCH(int, count);
        QFETCH(QStringList, chapters);
        QFETCH(Level, level);
        QFETCH(QString, expected);
        QCOMPARE(multiChapterTestQuery(count, chapters, level), expected);
    }

    void chosenLevel_data()
    {
        QTest::addColumn<bool>("levelOne");
        QTest::addColumn<bool>("levelTwo");
        QTest::addColumn<Level>("expected");
        QTest::newRow("level 1") << true << false << Level::One;
        QTest::newRow("level 2") << false << true << Level::Two;
        QTest::newRow("neither: both levels") << false << false << Level::Both;
    }
    void chosenLevel()
    {
        QFETCH(bool, levelOne);
        QFETCH(bool, levelTwo);
        QFETCH(Level, expected);
        QCOMPARE(questionsets::chosenLevel(levelOne, levelTwo), expected);
    }

    void caption_data()
    {
        QTest::addColumn<int>("chapters");
        QTest::addColumn<Level>("level");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("expected");
        const QString plain = QStringLiteral("Random Test - Multiple Chapters");
        QTest::newRow("24 chapters, level 1, titled") << 24 << Level::One << "Station 5 Drill" << "Station 5 Drill";
        QTest::newRow("24 chapters, level 2, untitled")
            << 24 << Level::Two << "Enter Test Title Here!" << "Custom Test Multiple Chapters";
        QTest::newRow("24 chapters, level 1, second placeholder")
            << 24 << Level::One << "Enter A Test Title Here!" << "Enter A Test Title Here!";
        QTest::newRow("24 chapters, level 1, empty title") << 24 << Level::One << "" << "";
        QTest::newRow("24 chapters, both levels") << 24 << Level::Both << "Station 5 Drill" << plain;
        QTest::newRow("23 chapters, level 1") << 23 << Level::One << "Station 5 Drill" << plain;
        QTest::newRow("1 chapter, level 2") << 1 << Level::Two << "Enter Test Title Here!" << plain;
    }
    void caption()
    {
        QFETCH(int, chapters);
        QFETCH(Level, level);
        QFETCH(QString, title);
        QFETCH(QString, expected);
        QCOMPARE(multiChapterCaption(chapters, level, title), expected);
    }

    // A title is matched as it is written: quotes cannot end the text early,
    // and pattern characters of any dialect match only themselves. Every
    // title has a neighbour that a pattern reading of it would also match.
    void titlesMatchExactly_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("neighbour");
        QTest::newRow("single quote") << captains << "Captains Duties";
        QTest::newRow("two quotes") << "'Officer''s' Guide" << "Officer's Guide";
        QTest::newRow("double quote") << "The \"Big\" Fire" << "The Big Fire";
        QTest::newRow("percent") << "100% Coverage" << "1000 Coverage";
        QTest::newRow("underscore") << "Hose_Lays" << "HoseXLays";
        QTest::newRow("asterisk") << "Pump*" << "Pump Operations";
        QTest::newRow("question mark") << "Why?" << "Whys";
        QTest::newRow("hash") << "Engine #5" << "Engine 55";
        QTest::newRow("brackets") << "[Ladders]" << "L";
        QTest::newRow("backslash") << "C:\\Station\\Logs" << "C:StationLogs";
        QTest::newRow("query text") << "x' or chapter<>'" << "Fire Hose";
        QTest::newRow("comment") << "Vent -- Roof" << "Vent ";
    }
    void titlesMatchExactly()
    {
        QFETCH(QString, title);
        QFETCH(QString, neighbour);
        testsupport::RawDatabase bank(database(), testsupport::RawDatabase::Access::ReadWrite);
        const std::pair<QString, QString> added[] = {
            {title, "1"}, {title, "2"}, {title, "2"}, {neighbour, "1"}, {neighbour, "2"}};
        for (const auto& [chapter, level] : added)
            bank.execute(QStringLiteral("INSERT INTO table1 (\"Call\", QNUM, Chapter, FF) VALUES (9000, '1', %1, %2)")
                             .arg(data::sqlText(chapter), data::sqlText(level)));

        const struct {
            Level level;
            QString ff;
        } levels[] = {{Level::Both, {}}, {Level::One, "1"}, {Level::Two, "2"}};
        for (const auto& [level, ff] : levels) {
            const QList<Row> rows = run(multiChapterTestQuery(1000, {title}, level));
            QCOMPARE(rows.size(), storedIn({title}, ff));
            for (const Row& row : rows) {
                QCOMPARE(row.chapter, title);
                if (!ff.isEmpty())
                    QCOMPARE(row.level, ff);
            }
            // Among other chapters, and as the last of them.
            const QList<Row> mixed = run(multiChapterTestQuery(1000, {hose, title}, level));
            QCOMPARE(mixed.size(), storedIn({hose, title}, ff));
            for (const Row& row : mixed)
                QVERIFY2(row.chapter == title || row.chapter == hose, qPrintable(row.chapter));
        }
        QCOMPARE(countOf(multiChapterProbeQuery({title}, Level::Two)), 1);
    }

    // The full 24 chapters: the level holds for every chapter, not only for
    // the first, and every question of those chapters at that level is drawn
    // when the count asks for more than there are.
    void levelBindsEveryChapter_data()
    {
        QTest::addColumn<Level>("level");
        QTest::addColumn<QString>("ff");
        QTest::newRow("level 1") << Level::One << "1";
        QTest::newRow("level 2") << Level::Two << "2";
        QTest::newRow("both levels") << Level::Both << "";
    }
    void levelBindsEveryChapter()
    {
        QFETCH(Level, level);
        QFETCH(QString, ff);
        const QStringList chosen = allTitles().mid(1, maxTestChapters);
        QCOMPARE(chosen.size(), maxTestChapters);
        const QSet<QString> chapters(chosen.begin(), chosen.end());

        const QList<Row> rows = run(multiChapterTestQuery(5000, chosen, level));
        QCOMPARE(rows.size(), storedIn(chosen, ff));
        std::set<int> ids;
        for (const Row& row : rows) {
            QVERIFY2(chapters.contains(row.chapter), qPrintable(row.chapter));
            if (!ff.isEmpty())
                QCOMPARE(row.level, ff);
            ids.insert(row.id);
        }
        QCOMPARE(int(ids.size()), rows.size());

        QCOMPARE(run(multiChapterTestQuery(10, chosen, level)).size(), 10);
    }

    // The probe finds a question exactly when the draw would.
    void probeTellsWhetherTheDrawFindsAny()
    {
        testsupport::executeSql(database(), "UPDATE table1 SET FF='1' WHERE Chapter='Fire Hose'");
        QCOMPARE(countOf(multiChapterProbeQuery({hose}, Level::Two)), 0);
        QCOMPARE(run(multiChapterTestQuery(10, {hose}, Level::Two)).size(), 0);
        QCOMPARE(countOf(multiChapterProbeQuery({hose}, Level::One)), 1);
        QCOMPARE(countOf(multiChapterProbeQuery({hose, ladders}, Level::Two)), 1);
        QCOMPARE(countOf(multiChapterProbeQuery({"No Such Chapter"}, Level::Both)), 0);
        QCOMPARE(countOf(multiChapterProbeQuery({}, Level::Both)), 0);
    }

    // The draw is uniform: over many runs every question of the chosen
    // chapters is drawn about equally often, and every question comes first
    // about equally often. The database's random key cannot be seeded, so the
    // test draws often enough that a loose chi-square bound (far beyond
    // chance, seven standard deviations over the mean of the statistic) still
    // catches a draw that favours some questions, such as one that takes a
    // chapter at a time or keeps stored order among equal keys.
    void drawIsUniform()
    {
        const QStringList chosen{hose, captains, ladders};
        const int pool = storedIn(chosen);
        QVERIFY(pool > 30);
        constexpr int draws = 2000;
        constexpr int perDraw = 6;
        const QString query = multiChapterTestQuery(perDraw, chosen, Level::Both);

        std::map<int, int> picked;
        std::map<int, int> first;
        for (int draw = 0; draw < draws; ++draw) {
            const QList<Row> rows = run(query);
            QCOMPARE(rows.size(), perDraw);
            std::set<int> distinct;
            for (const Row& row : rows) {
                distinct.insert(row.id);
                ++picked[row.id];
            }
            QCOMPARE(int(distinct.size()), perDraw);
            ++first[rows.first().id];
        }
        QCOMPARE(int(picked.size()), pool);

        const auto chiSquare = [pool](const std::map<int, int>& counts, double expected) {
            double sum = 0;
            for (const auto& [id, observed] : counts)
                sum += (observed - expected) * (observed - expected) / expected;
            sum += (pool - int(counts.size())) * expected; // questions never seen
            return sum;
        };
        const double freedom = pool - 1;
        const double bound = freedom + 7 * std::sqrt(2 * freedom);
        const double chosenSpread = chiSquare(picked, double(draws) * perDraw / pool);
        const double firstSpread = chiSquare(first, double(draws) / pool);
        QVERIFY2(chosenSpread < bound, qPrintable(QStringLiteral("chosen: %1 >= %2").arg(chosenSpread).arg(bound)));
        QVERIFY2(firstSpread < bound, qPrintable(QStringLiteral("first: %1 >= %2").arg(firstSpread).arg(bound)));
    }
};

QTEST_MAIN(tst_MultiChapterTest)
#include "tst_multichaptertest.moc"
