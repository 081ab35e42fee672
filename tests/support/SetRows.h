#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace questionwindow {
class frmMain;
}

namespace testsupport {

// One question of a set, as the set tests compare them.
struct SetRow {
    int id = 0;
    QString call;
    QString chapter;
    QString level;
};

// The question window's set from first to last, read through its bound
// boxes; the first record is current afterwards.
QList<SetRow> rowsOf(questionwindow::frmMain& window);

// The questions a record source gives, read through a data control of its
// own, as the question window would read them (no database number).
QList<SetRow> rowsOfSource(const QString& databasePath, const QString& recordSource);

// How many stored questions belong to any of `chapters` (at `level` when it
// is not empty), counted by SQLite itself.
int storedIn(const QString& databasePath, const QStringList& chapters, const QString& level = {});

} // namespace testsupport
