#include "support/FileQuery.h"
#include "support/ProgramFixture.h"
#include "support/SampleChapters.h"

#include "PaletteTestSupport.h"
#include "contents/ChapterButtons.h"
#include "platform/data/Quoting.h"

#include <QRegularExpression>
#include <QtTest>

using editing::frmQ;
using testsupport::executeSql;
using testsupport::queryValue;

using namespace palettetest;
using namespace testsupport::sample;

namespace {

QString confirmation(const QString& title)
{
    return QStringLiteral("Are you sure you would like to delete this chapter ") + title +
           QStringLiteral(" and all of its questions???\nWARNING!!! This procedure is irreversible!!!");
}

using Button = QPair<int, int>; // bank, number

} // namespace

// Removing a chapter from the palette, and removing only a button's caption.
class tst_ChapterRemoval : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::ProgramFixture> fixture;

    QString db() const { return fixture->databasePath(); }

    void putOnButton(const Button& button, const QString& title)
    {
        executeSql(db(), QStringLiteral("UPDATE Table3 SET %1 = %2").arg(titleColumn(button.first, button.second),
                                                                           data::sqlText(title)));
    }

    // Everything of the bank a removal may touch, to compare before and after.
    struct Bank {
        QStringList list;
        QList<QVariantList> titles;
        QStringList chapters; // "title: count" of every chapter of table1
        bool operator==(const Bank&) const = default;
    };
    Bank bank() const
    {
        const testsupport::RawDatabase raw(db());
        return {storedList(db()), raw.rows("SELECT * FROM Table3"),
                testsupport::queryColumn(db(), "SELECT Chapter || ': ' || count(*) FROM table1 GROUP BY Chapter ORDER BY Chapter")};
    }

    // The palette shown, with the bank of `inFront` as the table of contents
    // activated last, and `title` chosen in its list.
    frmQ& paletteOn(const QString& title, int inFront = 2)
    {
        contentsWindow(inFront).Show();
        frmQ& q = palette();
        q.Show();
        choose(q, title);
        return q;
    }

private slots:
    void init() { fixture = std::make_unique<testsupport::ProgramFixture>(); }
    void cleanup()
    {
        QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems()));
        fixture.reset();
    }

    // After Yes: no button of any bank carries the title, in the file and
    // on screen; its questions and every list row of it are gone; the other
    // chapters are as they were.
    void removesEveryCaptionQuestionAndListRow_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QList<Button>>("alsoOn");
        QTest::addColumn<int>("inFront");
        QTest::addColumn<int>("listRows");
        QTest::newRow("apostrophe, on three banks") << captains << QList<Button>{{1, 5}, {2, 9}, {3, 21}} << 2 << 2;
        QTest::newRow("bank 1 title, bank II in front") << hose << QList<Button>{} << 2 << 1;
        QTest::newRow("twice in one bank") << ladders << QList<Button>{{3, 4}, {3, 6}} << 1 << 3;
        QTest::newRow("on no button") << "Pump Operations" << QList<Button>{} << 3 << 1;
    }
    void removesEveryCaptionQuestionAndListRow()
    {
        QFETCH(QString, title);
        QFETCH(QList<Button>, alsoOn);
        QFETCH(int, inFront);
        QFETCH(int, listRows);
        for (const Button& button : alsoOn)
            putOnButton(button, title);
        const int stored = int(storedList(db()).count(title));
        for (int i = stored; i < listRows; ++i)
            executeSql(db(), "INSERT INTO Table4 (Chapter) VALUES (" + data::sqlText(title) + ")");
        if (questionsOf(db(), title) == 0)
            executeSql(db(), "INSERT INTO table1 (Call, QNUM, Chapter, Question) SELECT Call + 5000, QNUM, " +
                                 data::sqlText(title) + ", Question FROM table1 WHERE Chapter = 'Fire Streams'");
        QVERIFY(questionsOf(db(), title) > 0);
        Bank before = bank();
        frmQ& q = paletteOn(title, inFront);

        fixture->boxes.answer(forms::vbYes);
        q.cmdDelete_Click();

        QCOMPARE(fixture->boxes.shown().size(), 1);
        const forms::ShownBox& asked = fixture->boxes.shown().first();
        QCOMPARE(asked.text, confirmation(title));
        QCOMPARE(asked.title, QStringLiteral("Brisolt Speaks"));
        QCOMPARE(asked.buttons, int(forms::vbYesNoCancel));
        QCOMPARE(asked.icon, int(forms::vbCritical));
        QCOMPARE(asked.defaultButton, 1);

        QCOMPARE(buttonsCarrying(db(), title), QStringList());
        for (int b = 1; b <= 3; ++b) {
            for (forms::Qv3dLabel* button : contentsWindow(b).chapters->all())
                QVERIFY2(button->caption() != title, qPrintable(QStringLiteral("bank %1 still shows it").arg(b)));
        }
        QCOMPARE(questionsOf(db(), title), 0);
        QVERIFY(!storedList(db()).contains(title));
        QVERIFY(!listed(q).contains(title));
        QCOMPARE(listed(q), storedList(db()));

        // Nothing else changed.
        before.list.removeAll(title);
        before.chapters = before.chapters.filter(QRegularExpression("^(?!" + QRegularExpression::escape(title) + ": )"));
        const Bank after = bank();
        QCOMPARE(after.list, before.list);
        QCOMPARE(after.chapters, before.chapters);

        QVERIFY(q.isVisible());
        QVERIFY(q.txtChapter->text().isEmpty());
        QVERIFY(!q.cmdDelete->isEnabled());
    }

    // No or Cancel: the palette is back and nothing changed.
    void declinedRemovalChangesNothing_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("No") << int(forms::vbNo);
        QTest::newRow("Cancel") << int(forms::vbCancel);
    }
    void declinedRemovalChangesNothing()
    {
        QFETCH(int, answer);
        const Bank before = bank();
        frmQ& q = paletteOn(captains);
        fixture->boxes.answer(answer);
        q.cmdDelete_Click();
        QCOMPARE(fixture->boxes.shown().size(), 1);
        QCOMPARE(bank(), before);
        QVERIFY(q.isVisible());
        QCOMPARE(q.txtChapter->text(), captains);
    }

    // Only a title of the chapter list names a chapter: no question is
    // asked and nothing changes for an empty box (a drop on the book right
    // after loading), a title typed but not stored, or one that differs
    // from a listed title in letter case.
    void refusesATitleThatIsNotListed_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("typed");
        QTest::newRow("empty box, drop on the book") << "" << false;
        QTest::newRow("typed, not stored") << "Pump Operations" << true;
        QTest::newRow("other letter case") << "fire hose" << true;
    }
    void refusesATitleThatIsNotListed()
    {
        QFETCH(QString, title);
        QFETCH(bool, typed);
        contentsWindow(2).Show();
        const Bank before = bank();
        frmQ& q = palette();
        q.Show();
        if (typed) {
            q.cmdNew_Click();
            typeTitle(q, title);
        }
        fixture->boxes.answer(forms::vbOK);
        q.Image1_DragDrop(QString());

        QCOMPARE(fixture->boxes.shown().size(), 1);
        QCOMPARE(fixture->boxes.shown().first().title, QStringLiteral("Brisolt Speaks"));
        QVERIFY(!fixture->boxes.shown().first().text.startsWith(QStringLiteral("Are you sure")));
        QCOMPARE(bank(), before);
        QVERIFY(q.isVisible());
    }

    // A drop on the book removes the chosen chapter even while "&Delete" is
    // disabled.
    void dropOnTheBookRemovesTheChapter()
    {
        frmQ& q = paletteOn(captains);
        q.cmdDelete->setEnabled(false);
        fixture->boxes.answer(forms::vbYes);
        q.Image1_DragDrop(QStringLiteral("anything"));
        QCOMPARE(questionsOf(db(), captains), 0);
        QVERIFY(!storedList(db()).contains(captains));
    }

    // Escape presses "&Delete" while it is enabled, and only then.
    void escapeStartsTheRemoval_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::newRow("Delete enabled") << true;
        QTest::newRow("Delete disabled") << false;
    }
    void escapeStartsTheRemoval()
    {
        QFETCH(bool, enabled);
        frmQ& q = paletteOn(captains);
        QVERIFY(QTest::qWaitForWindowActive(&q));
        q.cmdDelete->setEnabled(enabled);
        const Bank before = bank();
        if (enabled)
            fixture->boxes.answer(forms::vbNo);
        QTest::keyClick(q.lstA, Qt::Key_Escape);
        QCOMPARE(fixture->boxes.shown().size(), enabled ? 1 : 0);
        if (enabled)
            QCOMPARE(fixture->boxes.shown().first().text, confirmation(captains));
        QCOMPARE(bank(), before);
    }

    // The file refuses part of the removal: nothing of it is stored, the
    // windows show the titles they had, and the user is told.
    void failedRemovalChangesNothing()
    {
        putOnButton({3, 7}, captains);
        executeSql(db(), "CREATE TRIGGER keep_list BEFORE DELETE ON Table4 BEGIN SELECT RAISE(ABORT, 'kept'); END");
        const Bank before = bank();
        frmQ& q = paletteOn(captains);
        fixture->boxes.answer(forms::vbYes).answer(forms::vbOK);
        q.cmdDelete_Click();

        QCOMPARE(fixture->boxes.shown().size(), 2);
        QVERIFY(fixture->boxes.shown().at(1).text.startsWith(QStringLiteral("The chapter could not be deleted")));
        QCOMPARE(bank(), before);
        QCOMPARE(contentsWindow(2).cmd(1)->caption(), captains);
        QCOMPARE(contentsWindow(3).cmd(7)->caption(), captains);
        QCOMPARE(listed(q), before.list);
        QVERIFY(q.isVisible());

        // Once the file lets it, the same removal goes through.
        executeSql(db(), "DROP TRIGGER keep_list");
        choose(q, captains);
        fixture->boxes.answer(forms::vbYes);
        q.cmdDelete_Click();
        QCOMPARE(buttonsCarrying(db(), captains), QStringList());
        QCOMPARE(questionsOf(db(), captains), 0);
    }

    // Another program in the middle of writing to the bank, so that it cannot
    // even be read (the third bank window, not loaded yet, reads it as the
    // removal starts): nothing of the chapter changes, and the removal says
    // so itself, offering Retry, which tries again at once. Once the bank is
    // free, the removal goes through.
    void removalWhileTheBankIsInUse()
    {
        const Bank before = bank();
        frmQ& q = paletteOn(captains);
        {
            testsupport::RawDatabase other(db(), testsupport::RawDatabase::Access::ReadWrite);
            other.execute(QStringLiteral("BEGIN EXCLUSIVE"));
            fixture->boxes.answer(forms::vbYes).answer(forms::vbRetry).answer(forms::vbCancel);
            q.cmdDelete_Click();
            QCOMPARE(fixture->boxes.shown().size(), 3);
            for (int i : {1, 2}) {
                const forms::ShownBox& box = fixture->boxes.shown().at(i);
                QCOMPARE(box.title, QStringLiteral("Brisolt Software"));
                QCOMPARE(box.buttons, int(forms::vbRetryCancel));
                QCOMPARE(box.icon, int(forms::vbExclamation));
                QVERIFY2(box.text.startsWith(QStringLiteral("The chapter could not be deleted"))
                             && box.text.contains(QStringLiteral("in use by another program"))
                             && box.text.contains(QStringLiteral("Error 3260: Could not update; currently locked.")),
                         qPrintable(box.text));
            }
            QVERIFY(q.isVisible());
            QCOMPARE(listed(q), before.list);
            other.execute(QStringLiteral("ROLLBACK"));
        }
        QCOMPARE(bank(), before);

        choose(q, captains);
        fixture->boxes.answer(forms::vbYes);
        q.cmdDelete_Click();
        QCOMPARE(questionsOf(db(), captains), 0);
        QVERIFY(!storedList(db()).contains(captains));
    }

    // ---- Caption removal -------------------------------------------------------------------

    // Only in the user's bank in front, only when the list's own title was
    // dragged: every button there that carries it loses it; questions and
    // list stay.
    void wasteBasketClearsCaptionsOfTheBankInFront_data()
    {
        QTest::addColumn<QString>("locate");
        QTest::addColumn<bool>("ownTitle");
        QTest::addColumn<QStringList>("carryingAfter");
        QTest::addColumn<QString>("message");
        const QStringList all{"2/1", "2/8", "3/2"};
        QTest::newRow("bank II") << "2" << true << QStringList{"3/2"} << "";
        QTest::newRow("bank III") << "3" << true << QStringList{"2/1", "2/8"} << "";
        QTest::newRow("bank 1 refuses") << "1" << true << all
                                        << "Can not delete captions from Main Table of Contents window.";
        QTest::newRow("other drag") << "2" << false << all << "";
        QTest::newRow("no bank yet") << "txtLocate" << true << all << "";
    }
    void wasteBasketClearsCaptionsOfTheBankInFront()
    {
        QFETCH(QString, locate);
        QFETCH(bool, ownTitle);
        QFETCH(QStringList, carryingAfter);
        QFETCH(QString, message);
        putOnButton({2, 8}, captains);
        putOnButton({3, 2}, captains);
        frmQ& q = paletteOn(captains);
        q.txtLocate->setText(locate);
        const QStringList list = storedList(db());
        const int questions = questionsOf(db(), captains);
        if (!message.isEmpty())
            fixture->boxes.answer(forms::vbOK);

        q.Waste_DragDrop(ownTitle ? captains : QStringLiteral("Fire Hose"));

        QCOMPARE(fixture->boxes.shown().isEmpty() ? QString() : fixture->boxes.shown().first().text, message);
        QCOMPARE(buttonsCarrying(db(), captains), carryingAfter);
        for (const QString& button : QStringList{"2/1", "2/8", "3/2"}) {
            const QStringList parts = button.split('/');
            const bool carries = contentsWindow(parts[0].toInt()).cmd(parts[1].toInt())->caption() == captains;
            QCOMPARE(carries, carryingAfter.contains(button));
        }
        QCOMPARE(storedList(db()), list);
        QCOMPARE(questionsOf(db(), captains), questions);
        QCOMPARE(q.txtChapter->text(), captains);
        QVERIFY(q.isVisible());
    }
};

QTEST_MAIN(tst_ChapterRemoval)
#include "tst_chapterremoval.moc"
