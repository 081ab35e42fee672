// The index that answers searches of the question table's long texts: it
// finds exactly what the dialect's LIKE "*text*" finds, stays in step with
// every store, and is built only when the engine is asked to, on a file that
// can be written.

#include "DataFixture.h"
#include "support/WriteProtection.h"

#include "platform/data/Connection.h"
#include "platform/data/Engine.h"
#include "platform/data/QueryTranslator.h"
#include "platform/data/Quoting.h"
#include "platform/data/Recordset.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

namespace {

const QStringList longTexts = {"Question", "A", "B", "C", "D", "Memo"};

QString searchQuery(const QString& keyword, const QStringList& fields = longTexts)
{
    QStringList terms;
    for (const QString& field : fields)
        terms.append("[" + field + "] LIKE " + data::likeContains(keyword));
    return "SELECT * FROM Table1 WHERE " + terms.join(" OR ");
}

QList<qint64> keysOf(const QString& path, const QString& source)
{
    data::Recordset set;
    set.open(data::Connection::open(path), source);
    QList<qint64> keys;
    for (; !set.eof(); set.moveNext())
        keys.append(set.currentKey());
    return keys;
}

bool usesIndex(const QString& path, const QString& source)
{
    return data::translateRecordSource(source, *data::Connection::open(path)).keysetSql.contains("table1_search");
}

QByteArray digest(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// Characters that make matching hard: pattern characters of both dialects,
// quotes, letters in both cases, letters beyond ASCII that fold (some onto
// look-alikes of ASCII letters: the Kelvin sign, the long s, the dotted I),
// and a NUL, at which a tokenizer might stop reading.
const QString alphabet = QStringLiteral("aAbBkKsS %_*?#[]!-\"'\\\u212A\u017F\u0130\u00E9\u00C9\u00DF");

QString randomText(QRandomGenerator& random, int length, bool withNul)
{
    QString text;
    for (int i = 0; i < length; ++i) {
        if (withNul && random.bounded(20) == 0)
            text += QChar(0);
        else
            text += alphabet.at(random.bounded(alphabet.size()));
    }
    return text;
}

} // namespace

class TestSearchIndex : public QObject {
    Q_OBJECT

private slots:
    // The same rows in two files, one with the index: every keyword finds
    // the same rows in both, and the indexed file answers from its index
    // wherever the keyword allows it.
    void indexFindsWhatTheScanFinds()
    {
        QRandomGenerator random(20240612);
        datatest::FixtureDatabase scanned(QStringLiteral("scanned.mdb"));
        datatest::FixtureDatabase indexed(QStringLiteral("indexed.mdb"));
        for (int row = 0; row < 400; ++row) {
            QStringList values;
            for (int field = 0; field < longTexts.size(); ++field) {
                if (random.bounded(6) == 0) {
                    values.append("NULL");
                    continue;
                }
                const QString text = randomText(random, int(random.bounded(1, 14)), true);
                // A NUL cannot be written inside a literal; char(0) joins the pieces.
                QStringList pieces;
                for (const QString& piece : text.split(QChar(0)))
                    pieces.append(datatest::FixtureDatabase::quote(piece));
                values.append(pieces.join(" || char(0) || "));
            }
            const QString sql = QStringLiteral("INSERT INTO table1 (Call, Chapter, %1) VALUES (%2, 'Mixed', %3)")
                                    .arg(longTexts.join(", "))
                                    .arg(row)
                                    .arg(values.join(", "));
            scanned.execute(sql);
            indexed.execute(sql);
        }
        data::Engine engine;
        data::Database bank = engine.openDatabase(indexed.path());
        QVERIFY(bank.indexLongTexts("Table1"));

        int answeredByIndex = 0;
        int withHits = 0;
        for (int round = 0; round < 400; ++round) {
            const QString keyword = randomText(random, int(random.bounded(1, 5)), false);
            QStringList fields = longTexts;
            if (round % 3 == 0)
                fields = {longTexts.at(int(random.bounded(longTexts.size())))};
            const QString source = searchQuery(keyword, fields);
            const QList<qint64> expected = keysOf(scanned.path(), source);
            QCOMPARE(keysOf(indexed.path(), source), expected);
            QVERIFY(!usesIndex(scanned.path(), source));
            if (usesIndex(indexed.path(), source))
                ++answeredByIndex;
            if (!expected.isEmpty())
                ++withHits;
        }
        // Enough of the keywords were answered from the index, and found something.
        QVERIFY2(answeredByIndex > 40, qPrintable(QString::number(answeredByIndex)));
        QVERIFY2(withHits > 40, qPrintable(QString::number(withHits)));
    }

    // Which keywords the index answers; the others scan every row.
    void indexAnswersPlainAsciiOfThreeOrMore_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("indexed");
        QTest::newRow("word") << searchQuery("smoke") << true;
        QTest::newRow("pattern characters taken literally") << searchQuery("5%_*?#[") << true;
        QTest::newRow("quotes") << searchQuery("\"a'b\"") << true;
        QTest::newRow("one field") << searchQuery("smoke", {"Memo"}) << true;
        QTest::newRow("two letters") << searchQuery("sm") << false;
        QTest::newRow("beyond ASCII") << searchQuery("\u00E9t\u00E9") << false;
        QTest::newRow("a live pattern") << "SELECT * FROM Table1 WHERE [Memo] LIKE \"*sm?ke*\"" << false;
        QTest::newRow("not anywhere") << "SELECT * FROM Table1 WHERE [Memo] LIKE \"smoke*\"" << false;
        QTest::newRow("different words") << "SELECT * FROM Table1 WHERE [A] LIKE \"*smoke*\" OR [B] LIKE \"*ladder*\"" << false;
        QTest::newRow("and another condition") << "SELECT * FROM Table1 WHERE [A] LIKE \"*smoke*\" AND FF = '1'" << false;
        QTest::newRow("a field not indexed") << searchQuery("smoke", {"Chapter"}) << false;
        QTest::newRow("ordered") << searchQuery("smoke") + " ORDER BY Call" << false;
    }
    void indexAnswersPlainAsciiOfThreeOrMore()
    {
        QFETCH(QString, source);
        QFETCH(bool, indexed);
        datatest::FixtureDatabase bank;
        QVERIFY(data::Engine().openDatabase(bank.path()).indexLongTexts("table1"));
        QCOMPARE(usesIndex(bank.path(), source), indexed);
        keysOf(bank.path(), source); // runs either way
    }

    // Stores through a cursor keep the index in step: rows added, changed
    // (only a long text, or only another field) and removed.
    void cursorStoresKeepTheIndexInStep()
    {
        datatest::FixtureDatabase bank;
        bank.addQuestion(1, "Hose", "1", "1", "smoke alarm");
        bank.addQuestion(2, "Hose", "2", "1", "ladder");
        QVERIFY(data::Engine().openDatabase(bank.path()).indexLongTexts("Table1"));
        data::Recordset set;
        set.open(data::Connection::open(bank.path()), "Table1");
        set.addNew();
        set.field("Memo").setValue("SMOKE eater");
        set.update();
        set.moveFirst();
        set.edit();
        set.field("Chapter").setValue("Smoke"); // not a long text
        set.update();
        set.moveNext();
        set.edit();
        set.field("Question").setValue("smoke ladder");
        set.update();
        const QList<qint64> found = keysOf(bank.path(), searchQuery("smoke"));
        QCOMPARE(found.size(), 3);
        set.moveFirst();
        set.deleteRow();
        QCOMPARE(keysOf(bank.path(), searchQuery("smoke")), found.mid(1));
        QVERIFY(usesIndex(bank.path(), searchQuery("smoke")));
        QCOMPARE(bank.scalar("SELECT count(*) FROM table1_search WHERE table1_search MATCH '\"smoke\"'").toInt(), 2);
    }

    // A bank that cannot be written gets no index and is searched all the
    // same; not a byte of it changes.
    void readOnlyBankIsScanned()
    {
        datatest::FixtureDatabase bank;
        bank.addQuestion(1, "Hose", "1", "1", "smoke alarm");
        const QByteArray before = digest(bank.path());
        {
            const testsupport::WriteProtection readOnly(bank.path());
            QVERIFY(!data::Engine().openDatabase(bank.path()).indexLongTexts("Table1"));
            QCOMPARE(keysOf(bank.path(), searchQuery("smoke")).size(), 1);
            QVERIFY(!usesIndex(bank.path(), searchQuery("smoke")));
        }
        QCOMPARE(digest(bank.path()), before);
    }

    // Opening a bank builds nothing; asking twice builds once.
    void builtOnlyWhenAsked()
    {
        datatest::FixtureDatabase bank;
        bank.addQuestion(1, "Hose", "1", "1", "smoke alarm");
        data::Engine engine;
        data::Database database = engine.openDatabase(bank.path());
        keysOf(bank.path(), searchQuery("smoke"));
        QCOMPARE(bank.scalar("SELECT count(*) FROM sqlite_master WHERE name LIKE 'table1_search%'").toInt(), 0);
        QVERIFY(database.indexLongTexts("Table1"));
        const QByteArray built = digest(bank.path());
        QVERIFY(database.indexLongTexts("Table1"));
        QCOMPARE(digest(bank.path()), built);
    }
};

QTEST_GUILESS_MAIN(TestSearchIndex)
#include "tst_searchindex.moc"
