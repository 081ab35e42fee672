#include "QuestionWindowFixture.h"

#include "FileQuery.h"

#include "platform/data/Quoting.h"
#include "platform/speech/CharacterFile.h"
#include "questionsets/SetLoading.h"
#include "questionwindow/frmMain.h"
#include "settings/Markers.h"

#include <QFile>
#include <QtTest>

#include <algorithm>

namespace testsupport {

using questionwindow::frmMain;

frmMain& QuestionWindowFixture::loadSet(const QString& recordSource)
{
    auto& window = forms::form<frmMain>();
    window.questionSet().setQuery(recordSource);
    return window;
}

frmMain& QuestionWindowFixture::showChapter(const QString& chapter)
{
    auto& window = loadSet(questionsets::chapterQuery(chapter));
    window.Show();
    return window;
}

frmMain& QuestionWindowFixture::openCountedSet(const QString& recordSource)
{
    auto& window = loadSet(recordSource);
    window.questionSet().countStep();
    window.questionSet().markStep();
    return window;
}

frmMain& QuestionWindowFixture::openChapter(const QString& chapter)
{
    auto& window = loadSet(questionsets::chapterQuery(chapter));
    window.questionSet().setMarker(chapter);
    window.questionSet().setCaption(chapter);
    window.questionSet().countStep();
    window.questionSet().markStep();
    return window;
}

frmMain& QuestionWindowFixture::showChapterForEditing(const QString& chapter, bool unlocked)
{
    frmMain& w = openChapter(chapter);
    w.Show();
    if (!QTest::qWaitForWindowActive(&w))
        qWarning("the question window is not active");
    if (unlocked)
        w.mnuUnlock->trigger();
    return w;
}

void QuestionWindowFixture::moveTo(frmMain& window, int index)
{
    auto& records = window.Data1->recordset();
    records.moveFirst();
    for (int i = 0; i < index; ++i)
        records.moveNext();
}

QStringList QuestionWindowFixture::setColumn(frmMain& window, const QString& field)
{
    QStringList values;
    if (!window.Data1->hasRecordset() || window.Data1->recordset().recordCount() == 0)
        return values;
    auto& records = window.Data1->recordset();
    const int current = records.absolutePosition();
    for (records.moveFirst(); !records.eof(); records.moveNext())
        values.append(records.field(field).value().toString());
    moveTo(window, std::max(current, 0));
    return values;
}

QString QuestionWindowFixture::setCaptionOf(frmMain& window)
{
    return window.Status->panel(markers::chapterPanel)->text();
}

void QuestionWindowFixture::verifySetIs(frmMain& window, const QString& condition) const
{
    const QStringList expected =
        queryColumn(databasePath(), QStringLiteral("SELECT ID FROM table1 WHERE %1 ORDER BY rowid").arg(condition));
    // What the window shows before anything moves through the set.
    const QString shownId = window.txtReturn->text();
    if (!expected.isEmpty()) {
        QCOMPARE(window.txtQuestion2->text(), window.txtQuestion->text());
        QCOMPARE(window.txtAnswer2->text(), window.txtAnswer->text());
    }
    QCOMPARE(window.txtCount->text(), QString::number(expected.size()));
    const QString mark = window.txtMark->text();

    QCOMPARE(setColumn(window, QStringLiteral("ID")), expected);
    const QStringList calls = setColumn(window, QStringLiteral("Call"));
    QCOMPARE(mark, calls.isEmpty() ? QString() : calls.last());
    QCOMPARE(shownId, expected.isEmpty() ? QString() : expected.first());
}

QStringList QuestionWindowFixture::setCalls(frmMain& window)
{
    return setColumn(window, QStringLiteral("Call"));
}

void QuestionWindowFixture::verifyNoBoxes() const
{
    QVERIFY2(boxes.ok(), qPrintable(boxes.problems()));
}

int QuestionWindowFixture::storedNumber(const QString& sql) const
{
    return queryValue(databasePath(), sql).toInt();
}

QStringList QuestionWindowFixture::callsOf(const QString& chapter) const
{
    return queryColumn(databasePath(), QStringLiteral("SELECT Call FROM table1 WHERE Chapter=%1 ORDER BY rowid")
                                           .arg(data::sqlText(chapter)));
}

void QuestionWindowFixture::storeSetting(const QString& field, const QString& value)
{
    executeSql(databasePath(), QStringLiteral("UPDATE Table11 SET \"%1\" = '%2'").arg(field, value));
}

void QuestionWindowFixture::withCharacter()
{
    speech::writeCharacterFile(folder.path() + QStringLiteral("/tamsel.acs"), speech::nuviaCharacter());
}

void QuestionWindowFixture::withoutCharacter()
{
    QFile::remove(folder.path() + QStringLiteral("/tamsel.acs"));
}

} // namespace testsupport
