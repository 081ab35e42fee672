#include "support/FileQuery.h"
#include "support/ProgramFixture.h"

#include "platform/data/DataControl.h"
#include "platform/data/Quoting.h"
#include "questiondb/Cursors.h"

#include <QtTest>

using testsupport::queryColumn;
using testsupport::queryValue;

// The bundled sample is what a candidate studies on the first evening: it
// must be complete, consistent with the program's tables and its files.
class tst_SampleBank : public QObject {
    Q_OBJECT

    QString db() const { return program->databasePath(); }
    int count(const QString& sql) const { return queryValue(db(), sql).toInt(); }

private slots:
    void initTestCase() { program = std::make_unique<testsupport::ProgramFixture>(); }
    void cleanupTestCase() { program.reset(); }

    void everyTableIsThere_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("minimumRows");
        QTest::addColumn<int>("maximumRows");
        QTest::newRow("questions") << "table1" << 300 << 100000;
        QTest::newRow("chapter titles") << "Table3" << 1 << 1;
        QTest::newRow("chapter list") << "Table4" << 20 << 100;
        QTest::newRow("users") << "Table5" << 3 << 3;
        QTest::newRow("print settings") << "Table6" << 1 << 1;
        QTest::newRow("terminology") << "Table7" << 60 << 1000;
        QTest::newRow("result history") << "Table8" << 0 << 0;
        QTest::newRow("settings") << "Table11" << 1 << 1;
        QTest::newRow("saved session") << "Table12" << 0 << 0;
        QTest::newRow("flags") << "Table13" << 1 << 1;
    }
    void everyTableIsThere()
    {
        QFETCH(QString, table);
        QFETCH(int, minimumRows);
        QFETCH(int, maximumRows);
        const int rows = count(QStringLiteral("SELECT count(*) FROM %1").arg(table));
        QVERIFY2(rows >= minimumRows && rows <= maximumRows, qPrintable(QString::number(rows)));
    }

    void bankOneChaptersAreStudyable()
    {
        for (int slot = 1; slot <= 20; ++slot) {
            const QString title = queryValue(db(), QStringLiteral("SELECT title%1 FROM Table3").arg(slot)).toString();
            QVERIFY2(!title.isEmpty(), qPrintable(QString::number(slot)));
            const QString chapter = QStringLiteral("Chapter = %1").arg(data::sqlText(title));
            for (const char* level : {"1", "2"}) {
                const int questions =
                    count(QStringLiteral("SELECT count(*) FROM table1 WHERE %1 AND FF = '%2'").arg(chapter, level));
                QVERIFY2(questions >= 4, qPrintable(title));
            }
            QVERIFY2(count(QStringLiteral("SELECT count(*) FROM table1 WHERE %1").arg(chapter)) >= 10, qPrintable(title));
            QCOMPARE(count(QStringLiteral("SELECT count(*) FROM Table4 WHERE %1").arg(chapter)), 1);
        }
    }

    void questionsAreWellFormed()
    {
        QCOMPARE(count("SELECT count(*) FROM table1 WHERE Answer NOT IN ('A','B','C','D')"), 0);
        QCOMPARE(count("SELECT count(*) FROM table1 WHERE FF NOT IN ('1','2')"), 0);
        QCOMPARE(count("SELECT count(*) FROM table1 WHERE trim(Question) = '' OR trim(A) = '' OR trim(B) = ''"
                       " OR trim(C) = '' OR trim(D) = ''"),
                 0);
        // Database numbers run 1..n; chapter numbers 1..n within each chapter.
        QCOMPARE(count("SELECT count(DISTINCT \"Call\") FROM table1"), count("SELECT count(*) FROM table1"));
        QCOMPARE(count("SELECT count(*) FROM (SELECT Chapter, max(CAST(QNUM AS INTEGER)) m, count(*) n"
                       " FROM table1 GROUP BY Chapter) WHERE m <> n"),
                 0);
        QVERIFY(count("SELECT count(*) FROM table1 WHERE D = 'All of the above.' AND Answer = 'D'") > 0);
    }

    void defaultRows()
    {
        QCOMPARE(queryValue(db(), "SELECT headertitle FROM Table6").toString(), QStringLiteral("Enter A Test Title Here!"));
        QCOMPARE(queryValue(db(), "SELECT State FROM Table11").toString(), QStringLiteral("Use"));
        QCOMPARE(queryValue(db(), "SELECT skin FROM Table11").toString(), QStringLiteral("Water"));
        QCOMPARE(queryValue(db(), "SELECT AgentInstall FROM Table13").toString(), QStringLiteral("No"));
        QCOMPARE(count("SELECT count(*) FROM Table5 WHERE last = 'O''Brien'"), 1);
    }

    void everyPictureNamedIsInTheFolder()
    {
        const QStringList names = queryColumn(db(), "SELECT DISTINCT d_strip1 FROM table1 WHERE d_strip1 <> ''");
        QVERIFY(!names.isEmpty());
        for (const QString& name : names)
            QVERIFY2(QFile::exists(program->app.file(QStringLiteral("\\pictures\\") + name)), qPrintable(name));
        QVERIFY(QFile::exists(program->app.file(QStringLiteral("\\pictures\\blank.jpg"))));
        QCOMPARE(count("SELECT count(*) FROM table1 WHERE (d_strip1 <> '') <> (picbox = '2')"), 0);
    }

    // A question with a video offers "Show Video"; its file must be there to play.
    void everyVideoNamedIsInTheFolder()
    {
        const QStringList names = queryColumn(db(), "SELECT DISTINCT Video FROM table1 WHERE Video <> ''");
        QVERIFY(!names.isEmpty());
        for (const QString& name : names)
            QVERIFY2(QFileInfo(program->app.file(QStringLiteral("\\Video\\") + name)).size() > 0, qPrintable(name));
    }

    void skinPicturesAndSoundAreThere_data()
    {
        QTest::addColumn<QString>("file");
        for (const char* name : {"sk_blue", "sk_leather", "sk_electric", "sk_paper", "sk_sand", "sk_beach",
                                 "sk_water", "sk_marble", "sk_parch", "sk_yellow", "sk_smoke", "sk_blkpaper",
                                 "sk_blubrick", "sk_nan5", "sk_nantucket2", "sk_nantucket3", "sk_wtbrick", "beach",
                                 "whitebrick", "blue", "bluebrick", "leather", "dune1", "marble", "paper2", "parch1",
                                 "rock", "sand", "smoke", "water", "nan2", "nan5"})
            QTest::newRow(name) << QStringLiteral("\\images\\%1.jpg").arg(QLatin1String(name));
        QTest::newRow("start-up sound") << "\\sound2.wav";
    }
    void skinPicturesAndSoundAreThere()
    {
        QFETCH(QString, file);
        QVERIFY2(QFileInfo(program->app.file(file)).size() > 0, qPrintable(file));
    }

    // A chapter title with a quote opens like any other.
    void chapterWithAQuoteOpens()
    {
        data::DataControl cursor;
        cursor.setDatabaseName(db());
        cursor.setRecordSource(QStringLiteral("SELECT * FROM table1 where Chapter=") +
                               data::sqlText(QStringLiteral("Captain's Duties")));
        cursor.refresh();
        auto& set = cursor.recordset();
        set.moveLast();
        QCOMPARE(set.recordCount(), 8);
        set.moveFirst();
        QCOMPARE(set.field(QStringLiteral("chapter")).value().toString(), QStringLiteral("Captain's Duties"));
    }

private:
    std::unique_ptr<testsupport::ProgramFixture> program;
};

QTEST_MAIN(tst_SampleBank)
#include "tst_samplebank.moc"
