#include "KilledRun.h"

#include "ProgramFolder.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

namespace testsupport {

KilledRun runAndKill(const QString& helper, const QStringList& arguments, int delayMs)
{
    KilledRun run;
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(helper, arguments);
    if (!process.waitForStarted()) {
        run.problem = helper + QStringLiteral(" did not start");
        return run;
    }
    QByteArray output;
    while (!output.contains("ready\n")) {
        if (!process.waitForReadyRead(30000)) {
            run.problem = QString::fromLocal8Bit(process.readAllStandardError());
            process.kill();
            process.waitForFinished();
            return run;
        }
        output += process.readAllStandardOutput();
    }
    QThread::msleep(ulong(delayMs));
    process.kill();
    process.waitForFinished();
    if (process.exitStatus() != QProcess::CrashExit)
        run.problem = QStringLiteral("ended on its own: ") + QString::fromLocal8Bit(process.readAllStandardError());
    output += process.readAllStandardOutput();
    run.lines = output.left(output.lastIndexOf('\n')).split('\n');
    return run;
}

KilledRun runToWrite(const QString& helper, const QStringList& arguments, long long write)
{
    KilledRun run;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DRILLBOOK_HELPER_KILL_AT"), QString::number(write));
    process.setProcessEnvironment(environment);
    process.start(helper, arguments);
    if (!process.waitForStarted()) {
        run.problem = helper + QStringLiteral(" did not start");
        return run;
    }
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        run.problem = QStringLiteral("not killed at write %1 within a minute").arg(write);
        return run;
    }
    if (process.exitStatus() != QProcess::CrashExit)
        run.problem = QStringLiteral("ended on its own before write %1: ").arg(write)
                      + QString::fromLocal8Bit(process.readAllStandardError());
    const QByteArray output = process.readAllStandardOutput();
    run.lines = output.left(output.lastIndexOf('\n')).split('\n');
    return run;
}

long long writesUntilAcked(const QString& helper, const QStringList& arguments, int operations, QString* problem)
{
    QProcess process;
    process.start(helper, arguments);
    QByteArray output;
    long long writes = 0;
    for (int acked = 0; acked < operations;) {
        if (!process.waitForReadyRead(60000)) {
            *problem = QStringLiteral("%1 acknowledged %2 of %3 operations: ").arg(helper).arg(acked).arg(operations)
                       + QString::fromLocal8Bit(process.readAllStandardError());
            writes = 0;
            break;
        }
        output += process.readAllStandardOutput();
        for (qsizetype end = output.indexOf('\n'); end >= 0; end = output.indexOf('\n')) {
            const QByteArray line = output.left(end);
            output.remove(0, end + 1);
            if (line.startsWith("acked ") && acked < operations) {
                ++acked;
                writes = line.mid(line.lastIndexOf(' ') + 1).toLongLong();
            }
        }
    }
    process.kill();
    process.waitForFinished();
    return writes;
}

long long writesUntilAckedOnCopy(const QString& helper, const QString& database, const QStringList& arguments,
                                 int operations, QString* problem)
{
    ProgramFolder copy;
    if (!copy.replaceDatabase(database)) {
        *problem = QStringLiteral("%1 could not be copied").arg(database);
        return 0;
    }
    return writesUntilAcked(helper, QStringList{copy.path()} + arguments, operations, problem);
}

QByteArray fileDigest(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result();
}

} // namespace testsupport
