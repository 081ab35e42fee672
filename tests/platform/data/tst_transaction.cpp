// Several stores made as one (the Transaction guard), and the two cursor
// operations the saved session stores with: removing a set's rows and copying
// a set's rows into another table in the set's order.

#include "DataFixture.h"
#include "support/ErrorOf.h"

#include "platform/data/Connection.h"
#include "platform/data/Recordset.h"
#include "platform/data/Transaction.h"

#include <QtTest>

#include <stdexcept>

namespace {

using Copied = data::Recordset::CopiedColumn;

std::unique_ptr<data::Recordset> open(const datatest::FixtureDatabase& bank, const QString& source)
{
    auto set = std::make_unique<data::Recordset>();
    set->open(data::Connection::open(bank.path()), source);
    return set;
}

QStringList column(const datatest::FixtureDatabase& bank, const QString& sql)
{
    QStringList values;
    for (const QVariantList& row : bank.rows(sql))
        values.append(row.first().isNull() ? QStringLiteral("<null>") : row.first().toString());
    return values;
}

} // namespace

class TestTransaction : public QObject {
    Q_OBJECT

private slots:
    // Stores through two cursors inside one transaction reach the file
    // together at the commit; a reader beside it sees the old rows until then.
    // Without the commit (a failure on the way) none of them does.
    void storesReachTheFileTogetherOrNotAtAll_data()
    {
        QTest::addColumn<bool>("commit");
        QTest::newRow("committed") << true;
        QTest::newRow("failed on the way") << false;
    }
    void storesReachTheFileTogetherOrNotAtAll()
    {
        QFETCH(bool, commit);
        datatest::FixtureDatabase bank;
        for (int call = 1; call <= 3; ++call)
            bank.addQuestion(call, "Hose");
        bank.execute("INSERT INTO Table12 (Call, QNUM) VALUES (90, 'old')");
        auto questions = open(bank, "SELECT * FROM table1 ORDER BY Call DESC");
        auto session = open(bank, "Table12");
        try {
            data::Transaction saving(*session);
            session->removeAll();
            questions->copyRowsInto("Table12", {{"Call", std::nullopt}, {"QNUM", std::nullopt}});
            questions->moveFirst();
            questions->edit();
            questions->field("Memo").setValue("changed");
            questions->update(); // an ordinary store joins the transaction
            QCOMPARE(column(bank, "SELECT Call FROM Table12"), QStringList{"90"});
            if (!commit)
                throw std::runtime_error("failure on the way");
            saving.commit();
        } catch (const std::runtime_error&) {
        }
        if (commit) {
            QCOMPARE(column(bank, "SELECT Call FROM Table12 ORDER BY rowid"), (QStringList{"3", "2", "1"}));
            QCOMPARE(column(bank, "SELECT Memo FROM table1 WHERE Call = 3"), QStringList{"changed"});
        } else {
            QCOMPARE(column(bank, "SELECT Call FROM Table12 ORDER BY rowid"), QStringList{"90"});
            QCOMPARE(column(bank, "SELECT Memo FROM table1 WHERE Call = 3"), QStringList{"<null>"});
        }
        // The file takes stores of its own again.
        questions->moveLast();
        questions->edit();
        questions->field("Memo").setValue("later");
        questions->update();
        QCOMPARE(column(bank, "SELECT Memo FROM table1 WHERE Call = 1"), QStringList{"later"});
    }

    // The copy keeps the set's order, takes each column from the set's field
    // of that name (any case), writes Null where the set has no such field
    // and the fixed values where given; the cursor stays where it was.
    void copyKeepsOrderAndFields()
    {
        datatest::FixtureDatabase bank;
        bank.addQuestion(1, "Hose", "12", "1", "First?", "Y", "X");
        bank.addQuestion(2, "Hose", "7", "2", "Second?", "N", " ");
        bank.addQuestion(3, "Ladders", "9", "1", "Third?", "N", " ");
        auto set = open(bank, "SELECT Call, QNUM, x FROM table1 WHERE Chapter = 'Hose' ORDER BY Call DESC");
        set->moveLast();
        set->copyRowsInto("Table12", {{"Call", std::nullopt},
                                      {"QNUM", std::nullopt},
                                      {"X", std::nullopt},
                                      {"Question", std::nullopt}, // not selected by the set
                                      {"Clone", QVariant("CloneItBaby")},
                                      {"Right", QVariant(3)}});
        QCOMPARE(bank.rows("SELECT Call, QNUM, X, Question, Clone, \"Right\" FROM Table12 ORDER BY rowid"),
                 (QList<QVariantList>{{qlonglong(2), "7", "N", QVariant(), "CloneItBaby", "3"},
                                      {qlonglong(1), "12", "Y", QVariant(), "CloneItBaby", "3"}}));
        QCOMPARE(set->field("Call").value().toInt(), 1);
        QCOMPARE(testsupport::errorOf([&] { set->copyRowsInto("Table99", {}); }), 3078);
        QCOMPARE(testsupport::errorOf([&] { set->copyRowsInto("Table12", {{"Nonsense", std::nullopt}}); }), 3265);
    }

    // Removing takes what the set's query lists when the removal runs, rows
    // another program added since the open included, and nothing else.
    void removeAllTakesTheRowsListedNow()
    {
        datatest::FixtureDatabase bank;
        for (int call = 1; call <= 4; ++call)
            bank.addQuestion(call, call % 2 ? "Hose" : "Ladders");
        auto hoses = open(bank, "SELECT * FROM table1 WHERE Chapter = 'Hose'");
        bank.addQuestion(5, "Hose");
        hoses->removeAll();
        QCOMPARE(column(bank, "SELECT Call FROM table1 ORDER BY Call"), (QStringList{"2", "4"}));
        QCOMPARE(hoses->recordCount(), 0);
        QVERIFY(hoses->eof());
    }

    // Whatever shape the record source has, removing takes exactly its rows:
    // a condition with texts bound as parameters (also beside one in the
    // order), letter case as the column compares it, a TOP that keeps the
    // rest of the condition's rows, an order alone, and the whole table.
    void removeAllTakesExactlyTheSetsRows_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("condition") << "SELECT * FROM table1 WHERE Chapter = 'Hose'" << QStringList{"2", "4", "6"};
        QTest::newRow("other letter case") << "SELECT * FROM table1 WHERE Chapter = 'HOSE'" << QStringList{"2", "4", "6"};
        QTest::newRow("apostrophe") << "SELECT * FROM table1 WHERE Chapter = 'Ladder''s'" << QStringList{"1", "3", "5"};
        QTest::newRow("double-quoted text") << "SELECT * FROM table1 WHERE Chapter = \"Hose\"" << QStringList{"2", "4", "6"};
        QTest::newRow("condition and order")
            << "SELECT * FROM table1 WHERE Chapter = \"Hose\" ORDER BY Call DESC" << QStringList{"2", "4", "6"};
        QTest::newRow("text in the order too")
            << "SELECT * FROM table1 WHERE Chapter = \"Ladder's\" ORDER BY Chapter = \"Hose\", Call"
            << QStringList{"1", "3", "5"};
        QTest::newRow("two conditions")
            << "SELECT * FROM table1 WHERE Chapter = 'Hose' AND Call > 2" << QStringList{"1", "2", "4", "6"};
        QTest::newRow("top of a condition")
            << "SELECT TOP 2 * FROM table1 WHERE Chapter = 'Hose' ORDER BY Call DESC" << QStringList{"1", "2", "4", "6"};
        QTest::newRow("order alone") << "SELECT * FROM table1 ORDER BY Call DESC" << QStringList{};
        QTest::newRow("whole table") << "table1" << QStringList{};
    }
    void removeAllTakesExactlyTheSetsRows()
    {
        QFETCH(QString, source);
        QFETCH(QStringList, left);
        datatest::FixtureDatabase bank;
        for (int call = 1; call <= 6; ++call)
            bank.addQuestion(call, call % 2 ? "Hose" : "Ladder's");
        auto set = open(bank, source);
        set->removeAll();
        QCOMPARE(column(bank, "SELECT Call FROM table1 ORDER BY Call"), left);
        QCOMPARE(set->recordCount(), 0);
        QVERIFY(set->eof());
    }
};

QTEST_GUILESS_MAIN(TestTransaction)
#include "tst_transaction.moc"
