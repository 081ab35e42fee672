#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace testsupport {

// One run of a helper program that a kill test stops at a chosen moment: the
// helper is started with `arguments`, runs `delayMs` after it writes its
// "ready" line, and is killed. `lines` holds the whole lines it wrote to its
// standard output (a line the kill cut short is left out); `problem`, when
// not empty, says why the run proves nothing: the helper did not start, did
// not get ready, or ended on its own.
struct KilledRun {
    QList<QByteArray> lines;
    QString problem;
};

KilledRun runAndKill(const QString& helper, const QStringList& arguments, int delayMs);

} // namespace testsupport
