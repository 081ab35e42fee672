#include "KilledRun.h"

#include <QProcess>
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

} // namespace testsupport
