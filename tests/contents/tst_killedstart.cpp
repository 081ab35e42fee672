#include "support/FileQuery.h"
#include "support/KilledRun.h"
#include "support/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRandomGenerator>
#include <QtTest>

using testsupport::RawDatabase;

namespace {

// The database numbers of the bank by key order.
QStringList callsByKey(const QString& db)
{
    QStringList calls;
    for (const QVariantList& row : RawDatabase(db).rows("SELECT ID, Call FROM table1 ORDER BY ID"))
        calls << row.at(0).toString() + ':' + row.at(1).toString();
    return calls;
}

} // namespace

// The program itself, killed while it starts on a bank that a killed
// renumbering left half written: the start puts the bank back as it was
// before the cut-off pass, and a kill part way through that leaves the work
// to the next start. However often it is killed, the bank ends sound and
// holds the numbers it had before the pass.
class tst_KilledStart : public QObject {
    Q_OBJECT

private slots:
    void killedStartsLeaveTheBankBeforeThePass()
    {
        const QString program = QStringLiteral(DRILLBOOK_PROGRAM_DIR);
        const QString renumberer = QCoreApplication::applicationDirPath() + "/helper_bank_renumberer";
        QVERIFY2(QFileInfo::exists(renumberer), qPrintable(renumberer));
        constexpr int Rounds = 6;
        constexpr quint32 Seed = 20261211;
        QRandomGenerator random(Seed);

        // The program runs from a folder of its own: the executable copied
        // (the program folder is where it lives), everything else but the
        // bank shared with the build.
        testsupport::ProgramFolder folder;
        QVERIFY(folder.isValid());
        const QString db = folder.databasePath();
        QVERIFY(QFile::copy(program + "/drillbook", folder.filePath("drillbook")));
        for (const QFileInfo& entry : QDir(program).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
            if (!QFileInfo::exists(folder.filePath(entry.fileName())))
                QVERIFY(QFile::link(entry.absoluteFilePath(), folder.filePath(entry.fileName())));
        }
        RawDatabase(db, RawDatabase::Access::ReadWrite)
            .execute("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000) "
                     "INSERT INTO table1 (Call, QNUM, Chapter, FF, Question, A, B, C, D, Answer) "
                     "SELECT (SELECT max(Call) FROM table1) + 2 * i, i, 'Grown', '1', 'Grown question ' || i || '?', "
                     "'a', 'b', 'c', 'd', 'A' FROM n");
        const QStringList initial = callsByKey(db);

        // The first pass is cut off half way through its writes; putting the
        // bank back takes about as many writes as the pass made before the cut.
        QString problem;
        const long long writes = testsupport::writesUntilAckedOnCopy(renumberer, db, {"0"}, 1, &problem);
        QVERIFY2(writes > 0, qPrintable(problem));
        const testsupport::KilledRun cut = testsupport::runToWrite(renumberer, {folder.path(), "0"}, writes / 2);
        QVERIFY2(cut.problem.isEmpty(), qPrintable(cut.problem));
        QVERIFY(!cut.lines.contains("acked 0"));

        // Each start is killed at a random write while it puts the bank back;
        // the last one runs on until it is killed from outside.
        int killedAtAWrite = 0;
        for (int round = 0; round <= Rounds; ++round) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            // The libraries it registers and its settings stay in its folder.
            environment.insert("DRILLBOOK_CLASS_STORE", folder.filePath("classes.ini"));
            environment.insert("DRILLBOOK_PROFILE", folder.filePath("profile.ini"));
            if (round < Rounds) {
                environment.insert("LD_PRELOAD", QStringLiteral(DRILLBOOK_FAULTS_PRELOAD));
                environment.insert("DRILLBOOK_HELPER_KILL_AT", QString::number(1 + random.bounded(writes / 2)));
                // A sanitizer build wants its own library loaded first.
                environment.insert("ASAN_OPTIONS", environment.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
            }
            QProcess run;
            run.setProcessEnvironment(environment);
            run.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            run.start(folder.filePath("drillbook"), {});
            QVERIFY2(run.waitForStarted(), qPrintable(run.errorString()));
            const bool ended = run.waitForFinished(round < Rounds ? 5000 : 1000);
            if (ended) {
                QVERIFY2(round < Rounds && run.exitStatus() == QProcess::CrashExit,
                         qPrintable(QStringLiteral("the program ended on its own in round %1 with %2").arg(round).arg(run.exitCode())));
                ++killedAtAWrite;
            } else {
                run.kill();
                QVERIFY(run.waitForFinished());
            }
        }

        const auto integrity = RawDatabase(db, RawDatabase::Access::ReadWrite).rows("PRAGMA integrity_check");
        QCOMPARE(integrity.first().first().toString(), QStringLiteral("ok"));
        QVERIFY2(callsByKey(db) == initial, "the bank lost numbers it had before the cut-off pass");
        QVERIFY2(killedAtAWrite == Rounds,
                 qPrintable(QStringLiteral("only %1 of %2 starts were killed putting the bank back").arg(killedAtAWrite).arg(Rounds)));
    }
};

QTEST_GUILESS_MAIN(tst_KilledStart)
#include "tst_killedstart.moc"
