#include "support/FileQuery.h"
#include "support/KilledRun.h"
#include "support/PaintedProgress.h"
#include "support/QuestionWindowFixture.h"
#include "support/SampleChapters.h"

#include "editing/BlockPass.h"
#include "platform/data/Quoting.h"
#include "questionsets/SetLoading.h"
#include "questionwindow/frmMain.h"
#include "settings/Markers.h"
#include "widgets/XP_ProgressBar.h"

#include <QRandomGenerator>
#include <QtTest>

#include <memory>
#include <optional>

using questionwindow::frmMain;
using testsupport::executeSql;
using testsupport::queryColumn;
using testsupport::queryValue;

using namespace testsupport::sample;

namespace {

const QString confirmText = QStringLiteral(
    "This utility will change the title of all the questions in this chapter to a different chapter title. This "
    "procedure can not be undone. Are you sure you want to do this?");
const QString titlePrompt = QStringLiteral("Enter Your New Title For This Chapter.");
const QString doneText = QStringLiteral("You now need to edit the table of contents button caption to reflect the "
                                        "changes you have made to this chapter.\nDo this on the Table Of Contents "
                                        "Page under the Options menu.");
const QString grown = QStringLiteral("Grown Chapter");

enum class Menu { Relabel, Calls, ChapterNumbers };

// Every question's key and one field, in key order: the whole bank as the
// file holds it.
QStringList bankColumn(const QString& database, const QString& field)
{
    return queryColumn(database, "SELECT ID || ':' || ifnull(\"" + field + "\", '<null>') FROM table1 ORDER BY ID");
}

} // namespace

Q_DECLARE_METATYPE(Menu)

// Giving a chapter a new title and numbering the questions of the set shown,
// on a copy of the sample bank.
class tst_Relabel : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::QuestionWindowFixture> fixture;

    QString db() const { return fixture->databasePath(); }
    QString chapterOf(int id) const
    {
        return queryValue(db(), "SELECT Chapter FROM table1 WHERE ID=" + QString::number(id)).toString();
    }
    QStringList idsOf(const QString& chapter) const
    {
        return queryColumn(db(), "SELECT ID FROM table1 WHERE Chapter=" + data::sqlText(chapter) + " ORDER BY ID");
    }

    // `rows` more questions at the end of the bank, in one chapter of their
    // own, with every other database number after the bank's largest, so
    // that a pass has numbers to change.
    void growBank(int rows)
    {
        executeSql(db(), QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                        "INSERT INTO table1 (Call, QNUM, Chapter, FF, Question, A, B, C, D, Answer, "
                                        "picbox) SELECT (SELECT max(Call) FROM table1) + 2 * i, i, %2, '1', "
                                        "'Grown question ' || i || '?', 'a', 'b', 'c', 'd', 'A', '1' FROM n")
                             .arg(rows)
                             .arg(data::sqlText(grown)));
    }

    frmMain& openWholeBank()
    {
        auto& w = fixture->loadSet(QStringLiteral("table1 "));
        w.questionSet().setMarker(markers::wholeBank);
        return w;
    }

    static void run(frmMain& w, Menu menu)
    {
        switch (menu) {
        case Menu::Relabel:
            w.mnuRelabel_Click();
            break;
        case Menu::Calls:
            w.mnuRenumber_Click();
            break;
        case Menu::ChapterNumbers:
            w.mnuReNumChap_Click();
            break;
        }
    }

    static QStringList countFrom1(int count)
    {
        QStringList numbers;
        for (int i = 1; i <= count; ++i)
            numbers << QString::number(i);
        return numbers;
    }

private slots:
    void init() { fixture = std::make_unique<testsupport::QuestionWindowFixture>(); }
    void cleanup() { fixture.reset(); }

    // The chapter of the record shown takes the new title, every question of
    // it in the bank and no other question, whatever else the set holds; the
    // window comes back to the first record showing the new title, with the
    // set marker left as it was.
    void relabelRenamesTheChapterOfTheRecordShown_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<int>("shownIndex");
        QTest::addColumn<QString>("newTitle");

        QTest::newRow("chapter, quotes in both titles")
            << questionsets::chapterQuery(captains) << captains << 0 << QStringLiteral("Officer's \"Duties\"");
        // Level 2 questions of the chapter are outside the set, yet theirs.
        QTest::newRow("one level of a chapter")
            << QStringLiteral("SELECT * FROM table1 WHERE Chapter='Fire Hose' AND FF='1'") << hose << 3
            << QStringLiteral("Hose Lines");
        // The entire test holds every chapter: one is renamed, not the bank.
        QTest::newRow("entire test") << QStringLiteral("table1 ") << QString(markers::wholeBank) << -1
                                     << QStringLiteral("Ladders");
        QTest::newRow("new title in other letter case")
            << questionsets::chapterQuery(hose) << hose << 2 << QStringLiteral("FIRE HOSE");
    }
    void relabelRenamesTheChapterOfTheRecordShown()
    {
        QFETCH(QString, source);
        QFETCH(QString, marker);
        QFETCH(int, shownIndex);
        QFETCH(QString, newTitle);

        auto& w = fixture->loadSet(source);
        w.questionSet().setMarker(marker);
        const QString old = shownIndex < 0 ? ladders : w.txtChapter->text();
        if (shownIndex < 0) {
            w.Data1->recordset().findFirst("Chapter='Ground Ladders'");
            QVERIFY(!w.Data1->recordset().noMatch());
        } else {
            testsupport::QuestionWindowFixture::moveTo(w, shownIndex);
        }
        const QStringList renamed = idsOf(old);
        QVERIFY(renamed.size() > 1);
        const QStringList before = bankColumn(db(), "Chapter");

        fixture->boxes.answer(forms::vbYes);
        fixture->boxes.answer(newTitle);
        fixture->boxes.answer(forms::vbOK);
        w.mnuRelabel->click();
        fixture->verifyNoBoxes();

        const auto& shown = fixture->boxes.shown();
        QCOMPARE(shown.size(), 3);
        QCOMPARE(shown[0].text, confirmText);
        QCOMPARE(shown[0].title, QStringLiteral("Brisolt Software"));
        QCOMPARE(shown[0].buttons, int(forms::vbYesNo));
        QCOMPARE(shown[0].icon, int(forms::vbCritical));
        QCOMPARE(shown[1].kind, forms::ShownBox::Kind::Input);
        QCOMPARE(shown[1].text, titlePrompt);
        QCOMPARE(shown[1].title, QStringLiteral("Rename Question "));
        QCOMPARE(shown[1].defaultText, QString());
        QCOMPARE(shown[2].text, doneText);
        QCOMPARE(shown[2].title, QStringLiteral("Brisolt Speaks"));
        QCOMPARE(shown[2].icon, int(forms::vbInformation));

        QCOMPARE(idsOf(newTitle), renamed);
        QStringList expected = before;
        for (QString& row : expected) {
            if (renamed.contains(row.section(':', 0, 0)))
                row = row.section(':', 0, 0) + ':' + newTitle;
        }
        QCOMPARE(bankColumn(db(), "Chapter"), expected);
        QCOMPARE(w.Data1->recordset().absolutePosition(), 0);
        QCOMPARE(w.txtChapter->text(), chapterOf(w.Data1->recordset().field("ID").value().toInt()));
        QCOMPARE(w.txtQ->text(), marker);
    }

    // No at the question, Cancel (an empty title) or "0" change nothing.
    void relabelDeclined_data()
    {
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<QString>("title");
        QTest::newRow("No") << false << QString();
        QTest::newRow("cancelled") << true << QString();
        QTest::newRow("zero") << true << QStringLiteral("0");
    }
    void relabelDeclined()
    {
        QFETCH(bool, confirmed);
        QFETCH(QString, title);
        auto& w = fixture->openChapter(captains);
        const QStringList before = bankColumn(db(), "Chapter");
        fixture->boxes.answer(confirmed ? forms::vbYes : forms::vbNo);
        if (confirmed)
            fixture->boxes.answer(title);
        w.mnuRelabel_Click();
        fixture->verifyNoBoxes();
        QCOMPARE(fixture->boxes.shown().size(), confirmed ? 2 : 1);
        QCOMPARE(bankColumn(db(), "Chapter"), before);
    }

    // The numbers run 1, 2, 3, ... in the order the set shows its records,
    // into every record of the set and no other, and the window stands on
    // the first record showing 1.
    void renumberFollowsTheSetOrder_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<Menu>("menu");
        QTest::addColumn<QString>("field");
        QTest::newRow("chapter numbers of a chapter, quote in its title")
            << questionsets::chapterQuery(captains) << Menu::ChapterNumbers << "QNUM";
        QTest::newRow("chapter numbers, newest first")
            << QStringLiteral("SELECT * FROM table1 WHERE Chapter='Fire Hose' ORDER BY ID DESC") << Menu::ChapterNumbers
            << "QNUM";
        QTest::newRow("chapter numbers, random order")
            << questionsets::randomizeQuery(ladders) << Menu::ChapterNumbers << "QNUM";
        QTest::newRow("database numbers of the entire test") << QStringLiteral("table1 ") << Menu::Calls << "Call";
        QTest::newRow("database numbers, entire test newest first")
            << QStringLiteral("SELECT * FROM table1 ORDER BY ID DESC") << Menu::Calls << "Call";
    }
    void renumberFollowsTheSetOrder()
    {
        QFETCH(QString, source);
        QFETCH(Menu, menu);
        QFETCH(QString, field);
        testsupport::seedDatabaseRandom(7);
        auto& w = fixture->loadSet(source);
        const QStringList order = testsupport::QuestionWindowFixture::setColumn(w, "ID");
        testsupport::QuestionWindowFixture::moveTo(w, order.size() / 2);
        const QStringList before = bankColumn(db(), field);

        run(w, menu);
        fixture->verifyNoBoxes();

        QStringList expected = before;
        for (int i = 0; i < order.size(); ++i) {
            const int row = int(std::find_if(expected.begin(), expected.end(),
                                             [&](const QString& r) { return r.section(':', 0, 0) == order[i]; })
                                - expected.begin());
            expected[row] = order[i] + ':' + QString::number(i + 1);
        }
        QCOMPARE(bankColumn(db(), field), expected);
        QCOMPARE(testsupport::QuestionWindowFixture::setColumn(w, field), countFrom1(order.size()));
        QCOMPARE(w.Data1->recordset().absolutePosition(), 0);
        QCOMPARE((field == "Call" ? w.txtCall : w.txtNum)->text(), QStringLiteral("1"));
    }

    // Numbering a part would repeat numbers others keep: database numbers
    // over less than the whole bank, question numbers over anything but
    // one whole chapter (a part of it, or several run as one sequence).
    // Refused with a word, nothing written.
    void renumberingAPartIsRefused_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<Menu>("menu");
        QTest::addColumn<QString>("field");
        QTest::newRow("database numbers of a chapter") << questionsets::chapterQuery(hose) << Menu::Calls << "Call";
        QTest::newRow("database numbers of a random test of the bank")
            << questionsets::entireBankTestQuery(20, questionsets::Level::Both) << Menu::Calls << "Call";
        QTest::newRow("chapter numbers of the entire test") << QStringLiteral("table1 ") << Menu::ChapterNumbers << "QNUM";
        QTest::newRow("chapter numbers of two chapters")
            << QStringLiteral("SELECT * FROM table1 WHERE Chapter IN ('Fire Hose', 'Ground Ladders')")
            << Menu::ChapterNumbers << "QNUM";
        QTest::newRow("chapter numbers of one level of a chapter")
            << QStringLiteral("SELECT * FROM table1 WHERE Chapter='Fire Hose' AND FF='1'") << Menu::ChapterNumbers
            << "QNUM";
    }
    void renumberingAPartIsRefused()
    {
        QFETCH(QString, source);
        QFETCH(Menu, menu);
        QFETCH(QString, field);
        auto& w = fixture->loadSet(source);
        const QStringList before = bankColumn(db(), field);
        fixture->boxes.answer(forms::vbOK);
        run(w, menu);
        fixture->verifyNoBoxes();
        QCOMPARE(fixture->boxes.shown().size(), 1);
        QCOMPARE(fixture->boxes.shown().first().title, QStringLiteral("Brisolt Speaks"));
        QCOMPARE(bankColumn(db(), field), before);
    }

    // The counter is not a 16-bit one: a set past 32767 records is numbered
    // to its end, each number once.
    void numbersGoPast32767()
    {
        growBank(40000 - fixture->storedNumber("SELECT count(*) FROM table1"));
        auto& w = openWholeBank();
        w.mnuRenumber_Click();
        fixture->verifyNoBoxes();
        QCOMPARE(fixture->storedNumber("SELECT max(Call) FROM table1"), 40000);
        QCOMPARE(fixture->storedNumber("SELECT count(DISTINCT Call) FROM table1"), 40000);
        QCOMPARE(fixture->storedNumber("SELECT Call FROM table1 ORDER BY ID DESC LIMIT 1"), 40000);
    }

    // A change typed into the record shown is stored before the pass, and
    // the pass's own value wins in the field it numbers.
    void pendingChangesOfTheRecordShownAreKept()
    {
        auto& w = fixture->openChapter(hose);
        testsupport::QuestionWindowFixture::moveTo(w, 2);
        const QString id = w.txtReturn->text();
        w.txtQuestion->setText(QStringLiteral("Typed, not saved?"));
        w.txtQuestion->setDataChanged(true);
        w.txtNum->setText(QStringLiteral("99"));
        w.txtNum->setDataChanged(true);
        w.mnuReNumChap_Click();
        QCOMPARE(queryValue(db(), "SELECT Question FROM table1 WHERE ID=" + id).toString(), "Typed, not saved?");
        QCOMPARE(queryValue(db(), "SELECT QNUM FROM table1 WHERE ID=" + id).toString(), "3");
    }

    // A pass that fails part way - here on a row of its last block - leaves
    // every question as it was, the blocks already written included, and
    // says so.
    void failedPassLeavesTheBankAsItWas_data()
    {
        QTest::addColumn<Menu>("menu");
        QTest::addColumn<QString>("field");
        QTest::newRow("database numbers") << Menu::Calls << "Call";
        QTest::newRow("chapter numbers") << Menu::ChapterNumbers << "QNUM";
        QTest::newRow("relabel") << Menu::Relabel << "Chapter";
    }
    void failedPassLeavesTheBankAsItWas()
    {
        QFETCH(Menu, menu);
        QFETCH(QString, field);
        growBank(2 * editing::passBlockRows + 10);
        executeSql(db(), QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE OF \"%1\" ON table1 WHEN OLD.ID = (SELECT "
                                        "max(ID) FROM table1) BEGIN SELECT RAISE(ABORT, 'refused'); END")
                             .arg(field));
        const QStringList before = bankColumn(db(), field);
        auto& w = menu == Menu::Calls ? openWholeBank() : fixture->openChapter(grown);
        if (menu == Menu::Relabel) {
            fixture->boxes.answer(forms::vbYes);
            fixture->boxes.answer(QStringLiteral("Renamed"));
        }
        fixture->boxes.answer(forms::vbOK);
        run(w, menu);
        fixture->verifyNoBoxes();
        const forms::ShownBox failure = fixture->boxes.shown().last();
        QVERIFY2(failure.text.startsWith(menu == Menu::Relabel ? "The chapter title was not changed: "
                                                               : "The questions were not renumbered: "),
                 qPrintable(failure.text));
        QCOMPARE(failure.icon, int(forms::vbExclamation));
        QCOMPARE(bankColumn(db(), field), before);
        QCOMPARE(w.Data1->recordset().absolutePosition(), 0);
        QCOMPARE(w.txtChapter->text(), chapterOf(w.txtReturn->text().toInt()));
    }

    // On a long pass the progress bar moves while the pass runs and the
    // window is painted between its blocks; the bar ends where the first
    // record puts it.
    void longPassShowsProgressAndStaysPainted_data()
    {
        QTest::addColumn<Menu>("menu");
        QTest::newRow("database numbers") << Menu::Calls;
        QTest::newRow("chapter numbers") << Menu::ChapterNumbers;
        QTest::newRow("relabel") << Menu::Relabel;
    }
    void longPassShowsProgressAndStaysPainted()
    {
        QFETCH(Menu, menu);
        growBank(3 * editing::passBlockRows);
        auto& w = menu == Menu::Calls ? openWholeBank() : fixture->showChapter(grown);
        w.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCoreApplication::processEvents();

        testsupport::PaintedProgress watch(w.ProgressBar1);
        if (menu == Menu::Relabel) {
            fixture->boxes.answer(forms::vbYes);
            fixture->boxes.answer(QStringLiteral("Renamed"));
            fixture->boxes.answer(forms::vbOK);
        }
        watch.watching = true;
        run(w, menu);
        watch.watching = false;
        fixture->verifyNoBoxes();

        QVERIFY2(watch.movedForward(), qPrintable(watch.seen()));
        QCOMPARE(w.Data1->recordset().absolutePosition(), 0);
        QCOMPARE(w.ProgressBar1->Value(), 0); // the first of more than 12 000 records
    }

    // The renumbering program is killed again and again, before a random
    // write or sync of the bank. After each kill the bank's database numbers
    // are those of one whole pass - the last acknowledged one, or the one the
    // kill cut off - or, before any pass reached the file, those it had:
    // never a mixture. Most kills must leave a pass half written, for the
    // journal to mend, for the run to show anything.
    void killedRenumberingLeavesOneWholePass()
    {
        const QString helper = QCoreApplication::applicationDirPath() + "/helper_bank_renumberer";
        QVERIFY2(QFileInfo::exists(helper), qPrintable(helper));
        constexpr int Rounds = 30;
        constexpr int PassesPerRange = 3; // the kills fall within the first passes of a run
        constexpr quint32 Seed = 20261210;
        QRandomGenerator random(Seed);
        growBank(5 * editing::passBlockRows);

        // Database numbers by key order: as stored, and as passes in stored
        // order (even) and newest first (odd) leave them.
        const QStringList initial = bankColumn(db(), "Call");
        const int count = int(initial.size());
        QStringList ascending;
        QStringList descending;
        for (int i = 0; i < count; ++i) {
            const QString id = initial[i].section(':', 0, 0);
            ascending << id + ':' + QString::number(i + 1);
            descending << id + ':' + QString::number(count - i);
        }
        const auto passOf = [&](qint64 sequence) { return sequence % 2 ? descending : ascending; };

        // A run on a copy of the bank says how many writes the first passes take.
        QString problem;
        const long long writes = testsupport::writesUntilAckedOnCopy(helper, db(), {"0"}, PassesPerRange, &problem);
        QVERIFY2(writes > 0, qPrintable(problem));

        int mendedByJournal = 0;
        int acked = 0;
        std::optional<qint64> inFile; // the pass the file must hold, if any reached it
        qint64 next = 0;
        for (int round = 0; round < Rounds; ++round) {
            const QString where = QStringLiteral("round %1 (seed %2)").arg(round).arg(Seed);
            const testsupport::KilledRun run =
                testsupport::runToWrite(helper, {fixture->folder.path(), QString::number(next)}, 1 + random.bounded(writes));
            QVERIFY2(run.problem.isEmpty(), qPrintable(run.problem));
            const QByteArray asKilled = testsupport::fileDigest(db());

            std::optional<qint64> inFlight;
            for (const QByteArray& line : run.lines) {
                const QList<QByteArray> words = line.split(' ');
                if (words.first() == "begin") {
                    inFlight = words.at(1).toLongLong();
                    next = *inFlight + 1;
                } else if (words.first() == "acked") {
                    QVERIFY2(inFlight && *inFlight == words.at(1).toLongLong(), line.constData());
                    inFile = inFlight;
                    ++acked;
                    inFlight.reset();
                }
            }

            // A connection that may write rolls back what the killed pass left half done.
            const auto integrity =
                testsupport::RawDatabase(db(), testsupport::RawDatabase::Access::ReadWrite).rows("PRAGMA integrity_check");
            QVERIFY2(integrity.first().first().toString() == "ok",
                     qPrintable(integrity.first().first().toString() + ", " + where));
            if (testsupport::fileDigest(db()) != asKilled)
                ++mendedByJournal;
            const QStringList calls = bankColumn(db(), "Call");
            if (inFlight && calls == passOf(*inFlight)) {
                inFile = inFlight; // the cut-off pass had reached the file
                continue;
            }
            if (inFile)
                QVERIFY2(calls == passOf(*inFile), qPrintable("numbers of no single pass, " + where));
            else
                QVERIFY2(calls == initial, qPrintable("numbers of no single pass, " + where));
        }
        QVERIFY2(acked > 0, "some pass was acknowledged");
        QVERIFY2(mendedByJournal >= Rounds / 2,
                 qPrintable(QStringLiteral("only %1 of %2 kills left a pass half written").arg(mendedByJournal).arg(Rounds)));
        qDebug("%d of %d kills left a pass half written; %d passes acknowledged", mendedByJournal, Rounds, acked);
    }

    // The menu items run the steps, while the questions are locked too, and
    // leave no edit pending.
    void menuItemsRunTheSteps()
    {
        auto& w = fixture->openChapter(captains);
        QVERIFY(!w.mnuLock->enabled()); // locked
        w.mnuReNumChap->click();
        QCOMPARE(testsupport::QuestionWindowFixture::setColumn(w, "QNUM"), countFrom1(idsOf(captains).size()));
        QVERIFY(w.cmdNext->isEnabled());
        QVERIFY(!w.cmdSave->isEnabled());

        // Numbers that no pass has given yet, so that the pass shows.
        executeSql(db(), QStringLiteral("UPDATE table1 SET Call = 5000 - ID"));
        openWholeBank();
        w.mnuRenumber->setEnabled(true);
        w.mnuRenumber->click();
        QCOMPARE(fixture->storedNumber("SELECT count(*) FROM table1 WHERE Call = ID"),
                 fixture->storedNumber("SELECT count(*) FROM table1"));
        fixture->verifyNoBoxes();
    }
};

QTEST_MAIN(tst_Relabel)
#include "tst_relabel.moc"
