#include "questionsets/SetLoading.h"

#include "platform/data/Quoting.h"
#include "questionsets/Markers.h"
#include "questionwindow/frmMain.h"

namespace questionsets {

using data::sqlText;

namespace {

bool hasRecords(frmMain& window)
{
    return window.Data1->hasRecordset() && window.Data1->recordset().recordCount() > 0;
}

QString levelText(Level level) { return level == Level::One ? markers::levelOne : markers::levelTwo; }

} // namespace

void setCaption(frmMain& window, const QString& caption)
{
    window.Status->panel(markers::chapterPanel)->setText(caption);
}

void setMarker(frmMain& window, const QString& marker) { window.txtQ->setText(marker); }

// The pick, the verdict and the counted-once flag belong to the question
// they were given on: whatever set comes next starts on a question not yet
// answered, whose answer counts.
void setQuery(frmMain& window, const QString& recordSource)
{
    window.Data1->setRecordSource(recordSource);
    window.Data1->refresh();
    window.startFreshQuestion();
}

void randomRequery(frmMain& window, const QString& randomQuery) { setQuery(window, randomQuery); }

// An empty set has no last record to move to; its count is simply 0.
void countStep(frmMain& window)
{
    if (!hasRecords(window)) {
        window.txtCount->setText(QStringLiteral("0"));
        return;
    }
    auto& records = window.Data1->recordset();
    records.moveLast();
    window.txtCount->setText(QString::number(records.recordCount()));
    records.moveFirst();
}

// An empty set has no last question; the empty mark matches its empty
// database number.
void markStep(frmMain& window)
{
    if (!hasRecords(window)) {
        window.txtMark->setText(QString());
        return;
    }
    auto& records = window.Data1->recordset();
    records.moveLast();
    window.txtMark->setText(window.txtCall->text());
    records.moveFirst();
}

void countInPlace(frmMain& window)
{
    const int count = hasRecords(window) ? window.Data1->recordset().recordCount() : 0;
    window.txtCount->setText(QString::number(count));
}

void markInPlace(frmMain& window)
{
    if (!hasRecords(window)) {
        window.txtMark->setText(QString());
        return;
    }
    const data::Recordset& records = window.Data1->recordset();
    const QVariant last = records.valueAt(records.recordCount() - 1, QStringLiteral("Call"));
    window.txtMark->setText(last.isNull() ? QString() : last.toString());
}

bool emptySetTest(const frmMain& window) { return window.txtChapter->text().isEmpty(); }

void settleNewSet(frmMain& window)
{
    countStep(window);
    markStep(window);
    window.recordDisplay();
}

QString chapterQuery(const QString& title) { return QStringLiteral("SELECT * FROM table1 where Chapter=") + sqlText(title); }

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
