#include "questionsets/MultiChapterTest.h"

#include "platform/data/Quoting.h"
#include "settings/Markers.h"

namespace questionsets {

using data::sqlText;

Level chosenLevel(bool levelOne, bool levelTwo)
{
    if (levelOne)
        return Level::One;
    if (levelTwo)
        return Level::Two;
    return Level::Both;
}

QString multiChapterCondition(const QStringList& chapters, Level level)
{
    if (chapters.isEmpty())
        return QStringLiteral("False");
    QString anyChapter = QStringLiteral("chapter=") + sqlText(chapters.first());
    for (qsizetype i = 1; i < chapters.size(); ++i)
        anyChapter += QStringLiteral(" or chapter=") + sqlText(chapters.at(i));
    if (level == Level::Both)
        return anyChapter;

    const QString levelValue = sqlText(level == Level::One ? markers::levelOne : markers::levelTwo);
    if (chapters.size() == 1)
        return QStringLiteral("FF = ") + levelValue + QStringLiteral("  And ") + anyChapter;
    // The level binds every chapter: (FF = '1')  And (c1 or c2 ...).
    const qsizetype depth = chapters.size();
    return QString(depth, QLatin1Char('(')) + QStringLiteral("FF = ") + levelValue + QStringLiteral(")  And (")
           + anyChapter + QString(depth, QLatin1Char(')'));
}

QString multiChapterTestQuery(int count, const QStringList& chapters, Level level)
{
    return QStringLiteral("SELECT Top ") + QString::number(count) + QStringLiteral("  * FROM Table1 where ")
           + multiChapterCondition(chapters, level) + QStringLiteral(" ORDER BY Rnd(id);");
}

QString multiChapterProbeQuery(const QStringList& chapters, Level level)
{
    return QStringLiteral("SELECT Top 1 ID FROM Table1 where ") + multiChapterCondition(chapters, level);
}

QString multiChapterCaption(int chapters, Level level, const QString& title)
{
    if (chapters != maxTestChapters || level == Level::Both)
        return QStringLiteral("Random Test - Multiple Chapters");
    if (title == untitledTest)
        return QStringLiteral("Custom Test Multiple Chapters");
    return title;
}

} // namespace questionsets
