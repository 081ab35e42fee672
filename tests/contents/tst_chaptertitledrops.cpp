#include "support/FileQuery.h"
#include "support/ProgramFixture.h"

#include "ContentsTestWindows.h"
#include "contents/ChapterButtons.h"
#include "platform/forms/TitleDrop.h"
#include "questionwindow/frmMain.h"

#include <QDropEvent>
#include <QMimeData>
#include <QtTest>

using contents::frmContents;
using contentstest::chapterButton;
using contentstest::contentsWindow;
using contentstest::titleColumn;
using forms::form;
using forms::Qv3dLabel;
using testsupport::queryValue;

namespace {

// Drags what `mime` carries onto a button and drops it there, as the window
// system delivers it. Returns whether the button took the drop.
bool drop(Qv3dLabel* button, const QMimeData& mime)
{
    const QPoint centre = button->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(button, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent dropped(QPointF(centre), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(button, &dropped);
    return dropped.isAccepted();
}

// A chapter title dragged inside the program.
bool dropTitle(Qv3dLabel* button, const QString& title)
{
    const std::unique_ptr<QMimeData> mime(Qv3dLabel::titleMimeData(title));
    return drop(button, *mime);
}

} // namespace

// Titles dragged onto the chapter buttons: the user's banks take them and
// store them at once; test bank 1 keeps its fixed titles.
class tst_ChapterTitleDrops : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::ProgramFixture> fixture;

    QString stored(int bank, int number)
    {
        return queryValue(fixture->databasePath(), QStringLiteral("SELECT %1 FROM Table3").arg(titleColumn(bank, number)))
            .toString();
    }

private slots:
    void init() { fixture = std::make_unique<testsupport::ProgramFixture>(); }
    void cleanup() { fixture.reset(); }

    void userBanksTakeAndStoreTheTitle_data()
    {
        QTest::addColumn<int>("bank");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("twoLines");
        QTest::newRow("bank II, empty button") << 2 << 5 << "Pump Operations" << false;
        QTest::newRow("bank II, replaces a title") << 2 << 1 << "Officer's Duties" << false;
        QTest::newRow("bank III, 35 characters") << 3 << 21 << QString(35, QLatin1Char('a')) << false;
        QTest::newRow("bank III, 36 characters") << 3 << 3 << QString(36, QLatin1Char('b')) << true;
        QTest::newRow("bank II, the longest title") << 2 << 7 << QString(forms::maxTitleLength, QLatin1Char('c')) << true;
    }
    void userBanksTakeAndStoreTheTitle()
    {
        QFETCH(int, bank);
        QFETCH(int, number);
        QFETCH(QString, title);
        QFETCH(bool, twoLines);
        contentsWindow(bank).Show();
        const QString neighbour = stored(bank, number == 1 ? 2 : 1);

        QVERIFY(dropTitle(chapterButton(bank, number), title));

        QCOMPARE(chapterButton(bank, number)->caption(), title);
        QCOMPARE(chapterButton(bank, number)->multiLine(), twoLines);
        QCOMPARE(stored(bank, number), title); // in the file at once
        QCOMPARE(stored(bank, number == 1 ? 2 : 1), neighbour);

        // The next activation re-reads the titles and keeps the new one.
        contentsWindow(1).Show();
        contentsWindow(bank).Show();
        QCOMPARE(chapterButton(bank, number)->caption(), title);
    }

    // Text dragged from another program is no chapter title: however it is
    // offered, the button and the stored title stay as they were.
    void textFromOtherProgramsIsRefused_data()
    {
        QTest::addColumn<int>("bank");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("format");
        QTest::newRow("bank II, plain text") << 2 << 5 << "text/plain";
        QTest::newRow("bank II, text with a charset") << 2 << 1 << "text/plain;charset=utf-8";
        QTest::newRow("bank III, a web page's selection") << 3 << 2 << "text/html";
        QTest::newRow("bank II, the palette's own type") << 2 << 5 << Qv3dLabel::titleMimeType();
    }
    void textFromOtherProgramsIsRefused()
    {
        QFETCH(int, bank);
        QFETCH(int, number);
        QFETCH(QString, format);
        contentsWindow(bank).Show();
        const QString before = stored(bank, number);
        const QString caption = chapterButton(bank, number)->caption();
        QMimeData mime;
        const QString text = QStringLiteral("some text from a web page");
        mime.setData(format, text.toUtf8());
        if (format == QLatin1String("text/html"))
            mime.setText(text); // a browser offers the plain text beside it

        QVERIFY(!drop(chapterButton(bank, number), mime));

        QCOMPARE(chapterButton(bank, number)->caption(), caption);
        QVERIFY(!chapterButton(bank, number)->dataChanged());
        QCOMPARE(stored(bank, number), before);
        // Nor does the next activation store anything.
        contentsWindow(1).Show();
        contentsWindow(bank).Show();
        QCOMPARE(stored(bank, number), before);
        QVERIFY(fixture->boxes.shown().isEmpty());
    }

    // A title longer than any the bank holds is refused, even when this
    // program's own drag carries it.
    void overlongTitlesAreRefused_data()
    {
        QTest::addColumn<int>("length");
        QTest::newRow("one character too many") << forms::maxTitleLength + 1;
        QTest::newRow("100 000 characters") << 100000;
    }
    void overlongTitlesAreRefused()
    {
        QFETCH(int, length);
        contentsWindow(2).Show();
        const QString before = stored(2, 3);
        const QString caption = chapterButton(2, 3)->caption();

        QVERIFY(!dropTitle(chapterButton(2, 3), QString(length, QLatin1Char('x'))));

        QCOMPARE(chapterButton(2, 3)->caption(), caption);
        QCOMPARE(stored(2, 3), before);
        QVERIFY(fixture->boxes.shown().isEmpty());
    }

    // A dropped title opens its chapter like any other.
    void droppedTitleOpensItsChapter()
    {
        contentsWindow(2).Show();
        QVERIFY(dropTitle(chapterButton(2, 6), QStringLiteral("Fire Hose")));
        chapterButton(2, 6)->press();
        QCOMPARE(form<questionwindow::frmMain>().txtQ->text(), QStringLiteral("Fire Hose"));
        QCOMPARE(form<questionwindow::frmMain>().txtCount->text(),
                 queryValue(fixture->databasePath(), "SELECT count(*) FROM table1 WHERE Chapter = 'Fire Hose'").toString());
    }

    // Test bank 1 refuses every drop, whichever window was in front last.
    void bankOneRefusesDrops_data()
    {
        QTest::addColumn<int>("lastInFront");
        QTest::newRow("after bank 1") << 1;
        QTest::newRow("after bank II") << 2;
        QTest::newRow("after bank III") << 3;
    }
    void bankOneRefusesDrops()
    {
        QFETCH(int, lastInFront);
        contentsWindow(1).Show();
        contentsWindow(lastInFront).Show();
        const QString before = stored(1, 4);

        QVERIFY(!dropTitle(chapterButton(1, 4), QStringLiteral("Pump Operations")));
        form<frmContents>().chapters->cmd_DragDrop(4, QStringLiteral("Pump Operations"));

        QCOMPARE(chapterButton(1, 4)->caption(), before);
        QCOMPARE(stored(1, 4), before);
        QVERIFY(fixture->boxes.shown().isEmpty());
    }
};

QTEST_MAIN(tst_ChapterTitleDrops)
#include "tst_chaptertitledrops.moc"
