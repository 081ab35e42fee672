#pragma once

// What the store writer (helper_store_writer) puts into a row for one of its
// stores, so that the durability test can tell a whole row from one half
// written: the sequence number in QNUM, and a question and a memo that are
// made from it alone. The memo's length runs from 3 to 11 kB, so that a row
// spills onto overflow pages and a store writes several pages.

#include <QString>

namespace storewriter {

// Rows the test lays out before the first writer starts; updates and
// changed rows left behind go to these, additions come after them.
inline constexpr int AnchorRows = 12;

inline QString questionFor(qint64 sequence)
{
    return QStringLiteral("Stored question %1").arg(sequence);
}

inline QString memoFor(qint64 sequence)
{
    const int length = 3000 + int((sequence * 7919) % 8001);
    QString memo = QStringLiteral("memo %1:").arg(sequence);
    const QString word = QStringLiteral(" %1-").arg(sequence % 997) + QChar(u'a' + int(sequence % 26));
    while (memo.size() < length)
        memo += word;
    memo.truncate(length);
    return memo + QStringLiteral(":end %1").arg(sequence);
}

} // namespace storewriter
