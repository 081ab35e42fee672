// The database file: missing, not a database, empty, truncated or damaged
// files give a clear error and are left byte for byte as they were; and a
// writer killed at an arbitrary moment loses no store it acknowledged.

#include "DataFixture.h"

#include "platform/data/Connection.h"
#include "platform/data/DataControl.h"
#include "platform/data/Engine.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
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
            const auto connection = data::Connection::open(bank.path());
            sqlite3_stmt* stmt = nullptr;
            sqlite3_prepare_v2(connection->handle(), "SELECT * FROM pragma_journal_mode, pragma_synchronous", -1, &stmt, nullptr);
            QCOMPARE(sqlite3_step(stmt), SQLITE_ROW);
            const QString mode = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
            const int synchronous = sqlite3_column_int(stmt, 1);
            sqlite3_finalize(stmt);
            QCOMPARE(mode, QString("delete"));
            QCOMPARE(synchronous, 2); // FULL
        }
        QCOMPARE(QDir(bank.folder()).entryList(QDir::Files | QDir::Hidden), QStringList("qbk54.mdb"));
    }

    void killedWriterLosesNoAcknowledgedStore()
    {
        const QString helper = QCoreApplication::applicationDirPath() + "/helper_store_writer";
        QVERIFY2(QFileInfo::exists(helper), qPrintable(helper));
        datatest::FixtureDatabase bank;
        bank.addQuestion(0, "Anchor");

        constexpr int Rounds = 5;
        int killedInsideAStore = 0; // a journal was left for the next open to roll back
        for (int round = 0; round < Rounds; ++round) {
            // Each round numbers its stores apart from the rounds before.
            const qint64 first = round * 100000 + 1;
            QProcess writer;
            writer.start(helper, {bank.path(), QString::number(first)});
            QVERIFY(writer.waitForStarted());
            QByteArray output;
            qint64 roundLast = 0;
            while (roundLast < first + 150) {
                QVERIFY2(writer.waitForReadyRead(30000), writer.readAllStandardError().constData());
                output += writer.readAllStandardOutput();
                const qsizetype end = output.lastIndexOf('\n');
                if (end > 0)
                    roundLast = output.left(end).split('\n').last().toLongLong();
            }
            writer.kill();
            QVERIFY(writer.waitForFinished());
            QCOMPARE(writer.exitStatus(), QProcess::CrashExit);
            output += writer.readAllStandardOutput();
            if (QFileInfo::exists(bank.path() + "-journal"))
                ++killedInsideAStore;

            // Only whole lines were acknowledged.
            const QList<QByteArray> lines = output.left(output.lastIndexOf('\n')).split('\n');
            QList<qint64> acknowledged;
            for (const QByteArray& line : lines)
                acknowledged.append(line.toLongLong());
            const qint64 lastAcknowledged = acknowledged.last();

            QCOMPARE(data::Connection::checkFile(bank.path()), std::nullopt);
            QCOMPARE(bank.scalar("PRAGMA integrity_check").toString(), QString("ok"));
            const auto stored = bank.rows("SELECT Call FROM table1");
            QSet<qint64> calls;
            for (const QVariantList& row : stored)
                calls.insert(row.first().toLongLong());
            for (qint64 sequence : acknowledged)
                QVERIFY2(calls.contains(sequence), qPrintable(QString("store %1 was lost").arg(sequence)));
            QVERIFY(bank.scalar("SELECT Memo FROM table1 WHERE Call = 0").toLongLong() >= lastAcknowledged);
        }
        qDebug("killed inside a store in %d of %d rounds", killedInsideAStore, Rounds);
    }
};

QTEST_GUILESS_MAIN(TestDatabaseFile)
#include "tst_databasefile.moc"
