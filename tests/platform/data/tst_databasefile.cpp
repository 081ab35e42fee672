// The database file: missing, not a database, empty, truncated or damaged
// files give a clear error and are left byte for byte as they were; a file
// that is only read stays as it was; and a writer killed at an arbitrary
// moment loses no store it acknowledged.

#include "DataFixture.h"
#include "support/KilledRun.h"
#include "support/StoreWriterRows.h"

#include "platform/data/Connection.h"
#include "platform/data/DataControl.h"
#include "platform/data/Engine.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QRandomGenerator>
#include <QtTest>

#include <sqlite3.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// A bank of some pages, so that damage can hit table pages.
void fillBank(const datatest::FixtureDatabase& bank)
{
    QString sql = "BEGIN;";
    for (int call = 1; call <= 300; ++call)
        sql += QStringLiteral("INSERT INTO table1 (Call, Chapter, Question) VALUES (%1, 'Hose', '%2');")
                   .arg(call)
                   .arg(QString(200, QLatin1Char('a' + call % 26)));
    bank.execute(sql + "COMMIT;");
}

} // namespace

class TestDatabaseFile : public QObject {
    Q_OBJECT

private slots:
    void missingFileIsNeverCreated()
    {
        const testsupport::ProgramFolder folder(false);
        const QString path = folder.databasePath();
        data::DataControl control;
        control.setDatabaseName(path);
        control.setRecordSource("Table1");
        try {
            control.refresh();
            QFAIL("a missing file opened");
        } catch (const platform::RuntimeError& error) {
            QCOMPARE(error.number(), 3024);
            QCOMPARE(error.description(), QString("Could not find file '%1'.").arg(path));
        }
        QCOMPARE(data::Connection::checkFile(path).value_or(QString()), QString("Could not find file '%1'.").arg(path));
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, data::Engine().openDatabase(path));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void unusableFileIsLeftUntouched_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QList<int>>("errors");
        QTest::newRow("text file") << "text" << QList<int>{3343};
        QTest::newRow("empty file") << "empty" << QList<int>{3343};
        QTest::newRow("truncated database") << "truncated" << QList<int>{3343, 3049};
    }

    void unusableFileIsLeftUntouched()
    {
        QFETCH(QString, damage);
        QFETCH(QList<int>, errors);
        datatest::FixtureDatabase bank;
        fillBank(bank);
        QByteArray bytes;
        if (damage == "text")
            bytes = QByteArray("Question bank\r\nThis is not a database at all.\r\n").repeated(200);
        else if (damage == "truncated")
            bytes = readAll(bank.path()).left(readAll(bank.path()).size() / 2);
        writeAll(bank.path(), bytes);

        data::DataControl control;
        control.setDatabaseName(bank.path());
        control.setRecordSource("Table1");
        try {
            control.refresh();
            QFAIL("an unusable file opened");
        } catch (const platform::RuntimeError& error) {
            QVERIFY2(errors.contains(error.number()), qPrintable(error.description()));
            QVERIFY(error.description().contains(bank.path()));
        }
        const std::optional<QString> problem = data::Connection::checkFile(bank.path());
        QVERIFY(problem.has_value());
        QVERIFY(problem->contains(bank.path()));
        QCOMPARE(readAll(bank.path()), bytes);
        QCOMPARE(QDir(bank.folder()).entryList(QDir::Files | QDir::Hidden), QStringList("qbk54.mdb"));
    }

    void damagedPagesAreFoundAtStart()
    {
        datatest::FixtureDatabase bank;
        fillBank(bank);
        QCOMPARE(data::Connection::checkFile(bank.path()), std::nullopt);

        QByteArray bytes = readAll(bank.path());
        const qsizetype pageSize = 4096;
        for (qsizetype at = 2 * pageSize; at + 64 < bytes.size(); at += pageSize)
            bytes.replace(at + 8, 48, QByteArray(48, '\xEE'));
        writeAll(bank.path(), bytes);

        const std::optional<QString> problem = data::Connection::checkFile(bank.path());
        QVERIFY(problem.has_value());
        QCOMPARE(*problem, QString("The database '%1' is damaged and cannot be read.").arg(bank.path()));
        QCOMPARE(readAll(bank.path()), bytes);
    }

    // A killed writer cannot show every unlucky moment, so the settings that
    // make stores atomic and durable are checked as well, also for a file
    // that arrives in another journal mode.
    void storesUseARollbackJournalWithFullSyncs_data()
    {
        QTest::addColumn<QString>("modeBefore");
        QTest::newRow("rollback journal") << "delete";
        QTest::newRow("write-ahead log") << "wal";
    }

    void storesUseARollbackJournalWithFullSyncs()
    {
        QFETCH(QString, modeBefore);
        datatest::FixtureDatabase bank;
        bank.addQuestion(1, "Hose");
        QCOMPARE(bank.scalar("PRAGMA journal_mode=" + modeBefore).toString(), modeBefore);
        {
            data::DataControl control;
            datatest::FakeBox memo("Memo");
            control.bind(&memo);
            control.setDatabaseName(bank.path());
            control.setRecordSource("Table1");
            control.refresh();
            memo.type("kept");
            control.updateRecord();

            sqlite3* handle = data::Connection::open(bank.path())->handle();
            sqlite3_stmt* stmt = nullptr;
            sqlite3_prepare_v2(handle, "SELECT * FROM pragma_journal_mode, pragma_synchronous", -1, &stmt, nullptr);
            QCOMPARE(sqlite3_step(stmt), SQLITE_ROW);
            const QString mode = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
            const int synchronous = sqlite3_column_int(stmt, 1);
            sqlite3_finalize(stmt);
            QCOMPARE(mode, QString("delete"));
            QCOMPARE(synchronous, 2); // FULL
            control.close();
        }
        QCOMPARE(bank.scalar("SELECT Memo FROM table1").toString(), QString("kept"));
        QCOMPARE(QDir(bank.folder()).entryList(QDir::Files | QDir::Hidden), QStringList("qbk54.mdb"));
    }

    // Opening, checking and reading write nothing, whatever journal mode the
    // file arrives in: a bank the user only studies from stays as it was.
    void readingLeavesTheFileUntouched_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("rollback journal") << "delete";
        QTest::newRow("write-ahead log") << "wal";
    }

    void readingLeavesTheFileUntouched()
    {
        QFETCH(QString, mode);
        datatest::FixtureDatabase bank;
        fillBank(bank);
        QCOMPARE(bank.scalar("PRAGMA journal_mode=" + mode).toString(), mode);
        const QByteArray before = QCryptographicHash::hash(readAll(bank.path()), QCryptographicHash::Sha256);
        {
            QCOMPARE(data::Connection::checkFile(bank.path()), std::nullopt);
            QCOMPARE(data::Connection::checkWritable(bank.path()), std::nullopt);
            data::DataControl control;
            datatest::FakeBox question("Question");
            control.bind(&question);
            control.setDatabaseName(bank.path());
            control.setRecordSource("SELECT * FROM table1 WHERE Chapter = 'Hose' ORDER BY Call");
            control.refresh();
            data::Recordset& set = control.recordset();
            int rows = 0;
            for (; !set.eof(); set.moveNext())
                rows += question.text.isEmpty() ? 0 : 1;
            QCOMPARE(rows, 300);
            set.findFirst("Call = 150");
            QVERIFY(!set.noMatch());
            control.close();
        }
        QCOMPARE(QCryptographicHash::hash(readAll(bank.path()), QCryptographicHash::Sha256), before);
        QCOMPARE(QDir(bank.folder()).entryList(QDir::Files | QDir::Hidden), QStringList("qbk54.mdb"));
    }

    // A writer is killed again and again, before a random write or sync of
    // the file, while it updates rows, leaves changed rows behind and adds
    // rows. After each kill the file must be sound, every acknowledged store
    // must be there and no row may be half written; and most kills must have
    // left the file half changed, for the journal to mend, for the run to
    // have shown anything. A file written without its journal is damaged
    // within a few such kills.
    void killedWriterLosesNoAcknowledgedStore()
    {
        const QString helper = QCoreApplication::applicationDirPath() + "/helper_store_writer";
        QVERIFY2(QFileInfo::exists(helper), qPrintable(helper));
        constexpr int Rounds = 100;
        constexpr int StoresPerRange = 6; // the kills fall within the first stores of a run
        constexpr quint32 Seed = 20240611;
        QRandomGenerator random(Seed);

        datatest::FixtureDatabase bank;
        for (int call = 1; call <= storewriter::AnchorRows; ++call)
            bank.addQuestion(call, "Anchor");
        bank.execute(QStringLiteral("UPDATE table1 SET QNUM = '0', Question = %1, Memo = %2")
                         .arg(datatest::FixtureDatabase::quote(storewriter::questionFor(0)),
                              datatest::FixtureDatabase::quote(storewriter::memoFor(0))));
        QHash<qint64, qint64> anchorSequence; // the anchor's key: the sequence it holds
        for (const QVariantList& row : bank.rows("SELECT ID FROM table1"))
            anchorSequence.insert(row.first().toLongLong(), 0);
        const qint64 lastAnchor = bank.scalar("SELECT max(ID) FROM table1").toLongLong();

        // A run on a copy says how many writes the first stores take.
        const QString copy = bank.path() + ".writes";
        QVERIFY(QFile::copy(bank.path(), copy));
        QString problem;
        const long long writes = testsupport::writesUntilAcked(helper, {copy, "1"}, StoresPerRange, &problem);
        QVERIFY2(writes > 0, qPrintable(problem));

        int mendedByJournal = 0;
        QHash<QByteArray, int> ackedByKind;
        qint64 next = 1;
        for (int round = 0; round < Rounds; ++round) {
            const QString where = QStringLiteral("round %1 (seed %2)").arg(round).arg(Seed);
            const testsupport::KilledRun run =
                testsupport::runToWrite(helper, {bank.path(), QString::number(next)}, 1 + random.bounded(writes));
            QVERIFY2(run.problem.isEmpty(), qPrintable(run.problem));
            const QByteArray asKilled = testsupport::fileDigest(bank.path());

            // Only whole lines were said; a store begun and not acknowledged
            // was cut off by the kill.
            struct Store {
                qint64 sequence = 0;
                QByteArray kind;
                qint64 key = 0;
            };
            std::optional<Store> inFlight;
            QHash<qint64, qint64> added; // sequence: key
            for (const QByteArray& line : run.lines) {
                const QList<QByteArray> words = line.split(' ');
                if (words.first() == "begin") {
                    inFlight = Store{words.at(1).toLongLong(), words.at(2), words.at(3).toLongLong()};
                    next = inFlight->sequence + 1;
                } else if (words.first() == "acked") {
                    QVERIFY2(inFlight && inFlight->sequence == words.at(1).toLongLong(), line.constData());
                    ++ackedByKind[inFlight->kind];
                    if (inFlight->kind == "add")
                        added.insert(inFlight->sequence, words.at(2).toLongLong());
                    else
                        anchorSequence[inFlight->key] = inFlight->sequence;
                    inFlight.reset();
                }
            }

            const std::optional<QString> damage = data::Connection::checkFile(bank.path());
            QVERIFY2(!damage, qPrintable(damage.value_or(QString()) + ", " + where));
            const QString integrity = bank.scalar("PRAGMA integrity_check").toString();
            QVERIFY2(integrity == "ok", qPrintable(integrity + ", " + where));
            if (testsupport::fileDigest(bank.path()) != asKilled)
                ++mendedByJournal;
            for (const QVariantList& row : bank.rows("SELECT ID, Call, QNUM, Question, Memo FROM table1")) {
                const qint64 key = row.at(0).toLongLong();
                const qint64 sequence = row.at(2).toLongLong();
                const QString what = QStringLiteral("row %1 with store %2, %3").arg(key).arg(sequence).arg(where);
                QVERIFY2(row.at(3).toString() == storewriter::questionFor(sequence)
                             && row.at(4).toString() == storewriter::memoFor(sequence),
                         qPrintable("half-written " + what));
                const bool cutOff = inFlight && inFlight->sequence == sequence;
                if (key <= lastAnchor) {
                    QVERIFY2(sequence == anchorSequence.value(key) || (cutOff && inFlight->key == key),
                             qPrintable(QStringLiteral("lost store %1 on ").arg(anchorSequence.value(key)) + what));
                    anchorSequence[key] = sequence;
                } else {
                    QVERIFY2(row.at(1).toLongLong() == sequence && (added.value(sequence) == key || cutOff),
                             qPrintable("stray " + what));
                    added.remove(sequence);
                }
            }
            QVERIFY2(added.isEmpty(), qPrintable(QStringLiteral("lost added row %1, ").arg(added.keys().value(0)) + where));
            // Rows added are checked once; the file stays small.
            bank.execute(QStringLiteral("DELETE FROM table1 WHERE ID > %1").arg(lastAnchor));
        }
        QVERIFY2(ackedByKind.value("update") > 0 && ackedByKind.value("leave") > 0 && ackedByKind.value("add") > 0,
                 "every kind of store was acknowledged");
        QVERIFY2(mendedByJournal >= Rounds / 2,
                 qPrintable(QStringLiteral("only %1 of %2 kills left a store half written").arg(mendedByJournal).arg(Rounds)));
        qDebug("%d of %d kills left a store half written; stores acknowledged: %d updates, %d rows left, %d additions",
               mendedByJournal, Rounds, ackedByKind.value("update"), ackedByKind.value("leave"), ackedByKind.value("add"));
    }
};

QTEST_GUILESS_MAIN(TestDatabaseFile)
#include "tst_databasefile.moc"
