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

// One run of a helper that kills itself just before its `write`-th write or
// sync of a database file (see HelperFaults.h), so that the kill falls
// inside a store however fast the machine is. `problem` says why the run
// proves nothing: the helper did not start, or ended in another way.
KilledRun runToWrite(const QString& helper, const QStringList& arguments, long long write);

// How many writes and syncs of database files the helper makes until it has
// acknowledged `operations` operations: the range a test picks its kills
// from. The helper ends each "acked" line with the count so far (see
// HelperFaults.h); 0 with `problem` set when the count was not reached.
long long writesUntilAcked(const QString& helper, const QStringList& arguments, int operations, QString* problem);

// The same for a helper that works on a program folder (its first argument,
// before `arguments`), counted in a fresh folder with a copy of `database`,
// so that the bank the test kills the helper on stays as it was.
long long writesUntilAckedOnCopy(const QString& helper, const QString& database, const QStringList& arguments,
                                 int operations, QString* problem);

// A digest of the file's bytes: a kill test compares the file as the kill
// left it with the file after a connection that may write rolled back what
// the kill left half done, to count the kills only the journal mended.
QByteArray fileDigest(const QString& path);

} // namespace testsupport
