#include "questionsets/SetLoading.h"

#include "platform/data/Quoting.h"
#include "settings/Markers.h"

namespace questionsets {

using data::sqlText;

QString chapterQuery(const QString& title)
{
    return QStringLiteral("SELECT * FROM table1 where Chapter=") + sqlText(title);
}

QString levelText(Level level)
{
    return level == Level::One ? markers::levelOne : markers::levelTwo;
}

Level levelOf(const QString& route)
{
    if (route == markers::levelOne)
        return Level::One;
    if (route == markers::levelTwo)
        return Level::Two;
    return Level::Both;
}

QString orderQuery(const QString& marker)
{
    if (marker != markers::wholeBank)
        return chapterQuery(marker);
    return QStringLiteral("SELECT id, elephant, call, question, answer,a,b,c,d, picture, memo, qnum, x, FF, picbox, "
                          "snoop, A1, B1, C1, D1, page, photo, chapter FROM table1 ");
}

QString randomizeQuery(const QString& marker)
{
    if (marker != markers::wholeBank)
        return chapterQuery(marker) + QStringLiteral("ORDER BY Rnd(id);");
    return QStringLiteral("SELECT id, elephant, call, d_strip1, question, answer,a,b,c,d, picture, memo, qnum, x, FF, "
                          "picbox, snoop, A1, B1, C1, D1, page, photo, chapter FROM table1 ORDER BY Rnd(id);");
}

QString resetLevelsQuery(const QString& marker)
{
    if (marker != markers::wholeBank)
        return QStringLiteral("SELECT * FROM table1 where chapter=") + sqlText(marker);
    return QStringLiteral("table1 ");
}

QString resetChapterQuery(const QString& chapter)
{
    return QStringLiteral("SELECT * FROM table1 where Chapter =  ") + sqlText(chapter) + QLatin1Char(' ');
}

QString currentChapterTestQuery(int count, const QString& chapter, Level level)
{
    const QString top = QStringLiteral("SELECT Top ") + QString::number(count);
    if (level == Level::Both)
        return top + QStringLiteral("  * FROM table1 where chapter=") + sqlText(chapter)
               + QStringLiteral(" ORDER BY Rnd(id);");
    return top + QStringLiteral("  * FROM table1 where FF = '") + levelText(level) + QStringLiteral("'  And chapter=")
           + sqlText(chapter) + QStringLiteral("ORDER BY Rnd(id);");
}

QString entireBankTestQuery(int count, Level level)
{
    if (level == Level::Both)
        return QStringLiteral("SELECT TOP  ") + QString::number(count)
               + QStringLiteral(" id, call, question, snoop, d_strip1, answer,a,b,c,d,E, picture, qnum, x, picbox, "
                                "memo, Elephant, FF, page, chapter FROM table1 ORDER BY Rnd(id);");
    return QStringLiteral("SELECT Top ") + QString::number(count) + QStringLiteral("  * FROM table1 where FF = '")
           + levelText(level) + QStringLiteral("' ORDER BY Rnd(id);");
}

} // namespace questionsets
