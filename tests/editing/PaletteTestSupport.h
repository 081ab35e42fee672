#pragma once

// What the chapter palette's tests share: the palette of the running
// program, the titles of the chapter list and of the chapter buttons as the
// file holds them, and typing into the palette's title box.

#include "support/FileQuery.h"

#include "contents/ContentsTestWindows.h"
#include "editing/frmQ.h"
#include "platform/forms/App.h"

#include <QCoreApplication>
#include <QTest>

namespace palettetest {

inline editing::frmQ& palette() { return forms::form<editing::frmQ>(); }

using contentstest::contentsWindow;
using contentstest::titleColumn;

// The chapter list, in the order the file keeps it.
inline QStringList storedList(const QString& db)
{
    return testsupport::queryColumn(db, QStringLiteral("SELECT Chapter FROM Table4 ORDER BY rowid"));
}

inline QStringList listed(const editing::frmQ& window)
{
    QStringList titles;
    for (int i = 0; i < window.lstA->listCount(); ++i)
        titles << window.lstA->list(i);
    return titles;
}

inline QString storedCaption(const QString& db, int bank, int number)
{
    return testsupport::queryValue(db, QStringLiteral("SELECT %1 FROM Table3").arg(titleColumn(bank, number))).toString();
}

// Every button of the three banks whose stored title is `title`, as "bank/number".
inline QStringList buttonsCarrying(const QString& db, const QString& title)
{
    QStringList found;
    for (int bank = 1; bank <= 3; ++bank) {
        for (int number = 1; number <= (bank == 1 ? 20 : 21); ++number) {
            if (storedCaption(db, bank, number) == title)
                found << QStringLiteral("%1/%2").arg(bank).arg(number);
        }
    }
    return found;
}

inline int questionsOf(const QString& db, const QString& title)
{
    return testsupport::queryValue(db, QStringLiteral("SELECT count(*) FROM table1 WHERE Chapter = '%1'")
                                           .arg(QString(title).replace(QLatin1Char('\''), QLatin1String("''"))))
        .toInt();
}

// Types into the title box as the user does, one key at a time.
inline void typeTitle(editing::frmQ& window, const QString& title)
{
    QTest::keyClicks(window.txtChapter->editor(), title);
}

// Picks a title in the list as a click does.
inline void choose(editing::frmQ& window, const QString& title)
{
    const int index = int(listed(window).indexOf(title));
    QVERIFY2(index >= 0, qPrintable(title));
    window.lstA->setListIndex(index);
}

// Lets the program destroy what it unloaded, as its event loop would.
inline void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace palettetest
