#include "support/FileQuery.h"
#include "support/KilledRun.h"
#include "support/QuestionWindowFixture.h"
#include "support/SampleChapters.h"

#include "platform/data/Quoting.h"
#include "questionsets/SetLoading.h"
#include "questionwindow/frmMain.h"

#include <QRandomGenerator>
#include <QtTest>

#include <optional>

using questionwindow::frmMain;
using testsupport::executeSql;
using testsupport::queryColumn;
using testsupport::queryValue;

using namespace testsupport::sample;

namespace {

const QString confirmText = QStringLiteral("By clicking this option you will erase your last session and replace it "
                                           "with your current session.  Are you sure this is what you really want to "
                                           "do??");
const QString saved = QStringLiteral("Session Has Been Saved");
const QString loaded = QStringLiteral("Last Save Session Loaded");

} // namespace

// Saving the question window's set with its score board, and loading it
// again, on a copy of the sample bank.
class tst_SavedSession : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::QuestionWindowFixture> fixture;

    QString db() const { return fixture->databasePath(); }

    // A saved session of rows with these question numbers; database numbers
    // 701, 702, ... and the counters 3 right, 2 wrong, score 60 and `total`.
    void plantSession(const QStringList& numbers, const QString& total = QStringLiteral("5"))
    {
        for (int i = 0; i < numbers.size(); ++i)
            executeSql(db(), QStringLiteral("INSERT INTO Table12 (Call, QNUM, Chapter, Question, Answer, X, Elephant, Clone, "
                                            "\"Right\", Wrong, Score, Total) VALUES (%1, %2, 'Saved Chapter', 'Saved %1?', "
                                            "'B', 'N', ' ', 'CloneItBaby', '3', '2', '60', %3)")
                                 .arg(701 + i)
                                 .arg(data::sqlText(numbers.at(i)), data::sqlText(total)));
    }
    QStringList savedCalls() const { return queryColumn(db(), "SELECT Call FROM Table12 ORDER BY rowid"); }
    QStringList savedColumn(const QString& column) const
    {
        return queryColumn(db(), "SELECT \"" + column + "\" FROM Table12 ORDER BY rowid");
    }

    static QStringList callsOf(frmMain& w) { return testsupport::QuestionWindowFixture::setCalls(w); }
    static QString caption(frmMain& w) { return w.Status->panel("Chapter")->text(); }
    static void setBoard(frmMain& w, const QString& right, const QString& wrong, const QString& score, const QString& total)
    {
        w.txtCorrect->setText(right);
        w.txtIncorrect->setText(wrong);
        w.txtScore->setText(score);
        w.txtTotal->setText(total);
    }
    static QStringList board(frmMain& w)
    {
        return {w.txtCorrect->text(), w.txtIncorrect->text(), w.txtScore->text(), w.txtTotal->text()};
    }

private slots:
    void init() { fixture = std::make_unique<testsupport::QuestionWindowFixture>(); }
    void cleanup() { fixture.reset(); }

    // The set shown replaces the saved session, in the set's order (here a
    // random one), with the marks of the record on screen and the counters
    // on every row; the window then stands on the set's first record.
    void saveReplacesTheSession()
    {
        plantSession({"1", "2", "3"});
        auto& w = fixture->openChapter(hose);
        w.mnuRand_Click();
        const QStringList order = callsOf(w);
        QCOMPARE(order.size(), fixture->storedNumber("SELECT count(*) FROM table1 WHERE Chapter = 'Fire Hose'"));
        testsupport::QuestionWindowFixture::moveTo(w, 4);
        const QString marked = w.txtCall->text();
        w.txtX->setText(QStringLiteral("Y")); // a mark not stored yet
        setBoard(w, "3", "1", "75", "4");
        w.cmdShow->setVisible(true);

        fixture->boxes.answer(forms::vbYes);
        w.mnuSaveThisSession_Click();
        fixture->verifyNoBoxes();
        const auto& box = fixture->boxes.shown().first();
        QCOMPARE(box.text, confirmText);
        QCOMPARE(box.title, QStringLiteral("Brisolt Speaks"));
        QCOMPARE(box.buttons, int(forms::vbYesNo));
        QCOMPARE(box.icon, int(forms::vbCritical));

        QCOMPARE(savedCalls(), order);
        const int rows = order.size();
        QCOMPARE(savedColumn("Clone"), QStringList(rows, "CloneItBaby"));
        QCOMPARE(savedColumn("Right"), QStringList(rows, "3"));
        QCOMPARE(savedColumn("Wrong"), QStringList(rows, "1"));
        QCOMPARE(savedColumn("Score"), QStringList(rows, "75"));
        QCOMPARE(savedColumn("Total"), QStringList(rows, "4"));
        QCOMPARE(queryValue(db(), "SELECT X FROM Table12 WHERE Call = " + marked).toString(), QStringLiteral("Y"));
        // Every kept field is the question's own.
        for (const char* field : {"Answer", "QNUM", "Question", "A", "B", "C", "D", "E", "Chapter", "Memo", "Page", "FF", "Elephant"}) {
            const QString differing = QStringLiteral("SELECT count(*) FROM Table12 s JOIN table1 q ON q.Call = s.Call "
                                                     "WHERE s.\"%1\" IS NOT q.\"%1\"").arg(QLatin1String(field));
            QVERIFY2(queryValue(db(), differing).toInt() == 0, field);
        }
        QCOMPARE(w.txtCall->text(), order.first());
        QCOMPARE(caption(w), saved);
        QVERIFY(w.cmdShow->isHidden() && w.cmdHide->isHidden());
        QCOMPARE(board(w), (QStringList{"3", "1", "75", "4"}));
    }

    // Declining leaves the session as it was and claims nothing.
    void declineKeepsTheSession()
    {
        plantSession({"1", "2", "3"});
        auto& w = fixture->openChapter(hose);
        fixture->boxes.answer(forms::vbNo);
        w.mnuSaveThisSession_Click();
        fixture->verifyNoBoxes();
        QCOMPARE(savedCalls(), (QStringList{"701", "702", "703"}));
        QCOMPARE(caption(w), hose);
    }

    // An empty set saved leaves an empty session; saving twice keeps the second.
    void emptySetAndSecondSave()
    {
        plantSession({"1", "2"});
        auto& w = fixture->loadSet(questionsets::chapterQuery(QStringLiteral("No Such Chapter")));
        fixture->boxes.answer(forms::vbYes);
        w.mnuSaveThisSession_Click();
        QCOMPARE(savedCalls(), QStringList());
        QCOMPARE(caption(w), saved);

        fixture->openChapter(QStringLiteral("Captain's Duties"));
        fixture->boxes.answer(forms::vbYes);
        w.mnuSaveThisSession_Click();
        fixture->openChapter(hose);
        fixture->boxes.answer(forms::vbYes);
        w.mnuSaveThisSession_Click();
        fixture->verifyNoBoxes();
        QCOMPARE(savedCalls(), fixture->callsOf(hose));
    }

    // A save that fails part way, while removing the old rows or while
    // writing the new ones, leaves the earlier session whole, says so, and
    // does not claim to have saved; loading then restores the earlier one.
    void failedSaveKeepsTheEarlierSession_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::newRow("removing") << "BEFORE DELETE ON Table12 WHEN old.Call = 702";
        QTest::newRow("writing") << "BEFORE INSERT ON Table12 WHEN new.QNUM = '10'";
    }
    void failedSaveKeepsTheEarlierSession()
    {
        QFETCH(QString, trigger);
        plantSession({"1", "2", "3"});
        executeSql(db(), "CREATE TRIGGER refuse " + trigger + " BEGIN SELECT RAISE(ABORT, 'the disk is failing'); END");
        auto& w = fixture->openChapter(hose);
        fixture->boxes.answer(forms::vbYes).answer(forms::vbOK);
        w.mnuSaveThisSession_Click();
        fixture->verifyNoBoxes();
        const auto& report = fixture->boxes.shown().at(1);
        QVERIFY2(report.text.startsWith("The session was not saved: ")
                     && report.text.endsWith("Your last saved session is unchanged."),
                 qPrintable(report.text));
        QCOMPARE(savedCalls(), (QStringList{"701", "702", "703"}));
        QCOMPARE(caption(w), hose);

        w.mnuLastSession_Click();
        fixture->verifyNoBoxes();
        QCOMPARE(callsOf(w), (QStringList{"701", "702", "703"}));
    }

    // The load shows the saved rows, restores the score board and moves on
    // to the first row whose question number is the saved total, compared
    // as text; without such a row it stops on the last row.
    void loadResumes_data()
    {
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<QString>("total");
        QTest::addColumn<int>("shown"); // index of the row shown
        const QStringList ten = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
        QTest::newRow("nothing answered") << ten << "0" << 0;
        QTest::newRow("five answered") << ten << "5" << 4;
        QTest::newRow("exact text") << QStringList{" 7", "07", "7", "7"} << "7" << 2;
        QTest::newRow("no such number") << QStringList{"12", "7", "3"} << "5" << 2;
        QTest::newRow("one row") << QStringList{"3"} << "9" << 0;
    }
    void loadResumes()
    {
        QFETCH(QStringList, numbers);
        QFETCH(QString, total);
        QFETCH(int, shown);
        plantSession(numbers, total);
        auto& w = fixture->openChapter(hose);
        w.cmdShow->setVisible(true); // as a record with a picture leaves it
        w.cmdShowVideo->setVisible(true);
        setBoard(w, "9", "9", "50", "18");
        w.mnuLastSession_Click();
        fixture->verifyNoBoxes();

        QCOMPARE(caption(w), loaded);
        QCOMPARE(w.Data1->recordset().absolutePosition(), shown);
        QCOMPARE(w.txtNum->text(), numbers.at(shown));
        QCOMPARE(board(w), (QStringList{"3", "2", "60", total}));
        QCOMPARE(w.txtCount->text(), QString::number(numbers.size()));
        QCOMPARE(w.txtMark->text(), QString::number(700 + numbers.size()));
        QCOMPARE(w.txtQ->text(), hose);
        QCOMPARE(w.txtClone->text(), QStringLiteral("Cloning"));
        QVERIFY(!w.mnuLastSession->enabled() && !w.mnuPictures->enabled() && !w.mnuRecord->enabled());
        QVERIFY(w.cmdAdd->isHidden() && w.cmdReturn->isHidden());
        QVERIFY(w.cmdShow->isHidden() && w.cmdHide->isHidden() && w.cmdShowVideo->isHidden());
        for (forms::TextBox* box : {w.txtReturn, w.txtSnoop, w.txtPicBox, w.txtFile1, w.txtVideo1})
            QCOMPARE(box->text(), QString());
        QCOMPARE(callsOf(w).size(), numbers.size());
    }

    // Nothing saved yet: the user is told, and the set shown stays.
    void loadWithoutSessionKeepsTheSet()
    {
        auto& w = fixture->openChapter(hose);
        testsupport::QuestionWindowFixture::moveTo(w, 3);
        const QString onScreen = w.txtCall->text();
        fixture->boxes.answer(forms::vbOK);
        w.mnuLastSession_Click();
        fixture->verifyNoBoxes();
        QCOMPARE(fixture->boxes.shown().first().text,
                 QStringLiteral("There is no saved session to load yet. Use \"Save This Session\" first."));
        QCOMPARE(callsOf(w), fixture->callsOf(hose));
        QCOMPARE(w.txtCall->text(), onScreen);
        QCOMPARE(caption(w), hose);
        QVERIFY(w.mnuLastSession->enabled());
        QVERIFY(w.txtClone->text() != QStringLiteral("Cloning"));
    }

    // While the loaded session is shown, saving asks nothing and stores the
    // score board only: the answers given meanwhile are in its rows already.
    void saveWhileSessionShownStoresCounters()
    {
        plantSession({"1", "2", "3"}, "0");
        auto& w = fixture->openChapter(hose);
        w.mnuLastSession_Click();
        w.txtX->setText(QStringLiteral("Y")); // an answer on the first saved row
        testsupport::QuestionWindowFixture::moveTo(w, 1);
        setBoard(w, "4", "2", "67", "6");
        w.mnuSaveThisSession_Click();
        fixture->verifyNoBoxes();
        QCOMPARE(fixture->boxes.shown().size(), 0);
        QCOMPARE(caption(w), saved);
        QCOMPARE(savedCalls(), (QStringList{"701", "702", "703"}));
        QCOMPARE(savedColumn("X"), (QStringList{"Y", "N", "N"}));
        const QVariantList first = testsupport::RawDatabase(db()).rows("SELECT \"Right\", Wrong, Score, Total FROM Table12 ORDER BY rowid").first();
        QCOMPARE(first, (QVariantList{"4", "2", "67", "6"}));
    }

    // Once another set is shown, saving saves that set: its counters never
    // land beside the questions of the session loaded before.
    void saveAfterLeavingTheSessionReplacesIt()
    {
        plantSession({"1", "2", "3"});
        auto& w = fixture->openChapter(hose);
        w.mnuLastSession_Click();
        fixture->openChapter(QStringLiteral("Captain's Duties"));
        fixture->boxes.answer(forms::vbYes);
        w.mnuSaveThisSession_Click();
        fixture->verifyNoBoxes();
        QCOMPARE(fixture->boxes.shown().first().text, confirmText);
        QCOMPARE(savedCalls(), fixture->callsOf(QStringLiteral("Captain's Duties")));
    }

    // The saving program is killed again and again, before a random write or
    // sync of the bank. After each kill the saved session is exactly one
    // save's set, whole and in order with that save's counters on every row:
    // the last acknowledged one, or the one cut off by the kill. Most kills
    // must leave a save half written, for the journal to mend, for the run to
    // show anything.
    void killedSaveLeavesOneWholeSession()
    {
        const QString helper = QCoreApplication::applicationDirPath() + "/helper_session_saver";
        QVERIFY2(QFileInfo::exists(helper), qPrintable(helper));
        constexpr int Rounds = 40;
        constexpr int SavesPerRange = 4; // the kills fall within the first saves of a run
        constexpr quint32 Seed = 20240613;
        QRandomGenerator random(Seed);
        const QHash<QString, QStringList> calls = {{"Fire Hose", fixture->callsOf(hose)},
                                                   {"Forcible Entry", fixture->callsOf("Forcible Entry")}};
        QVERIFY(calls["Fire Hose"].size() != calls["Forcible Entry"].size());

        // A run on a copy of the bank says how many writes the first saves take.
        QString problem;
        const long long writes = testsupport::writesUntilAckedOnCopy(helper, db(), {"1"}, SavesPerRange, &problem);
        QVERIFY2(writes > 0, qPrintable(problem));

        int mendedByJournal = 0;
        int acked = 0;
        // The save the file must hold: the last acknowledged one, or one cut
        // off by an earlier kill that had reached the file all the same.
        std::optional<qint64> inFile;
        qint64 next = 1;
        for (int round = 0; round < Rounds; ++round) {
            const QString where = QStringLiteral("round %1 (seed %2)").arg(round).arg(Seed);
            const testsupport::KilledRun run =
                testsupport::runToWrite(helper, {fixture->folder.path(), QString::number(next)}, 1 + random.bounded(writes));
            QVERIFY2(run.problem.isEmpty(), qPrintable(run.problem));
            const QByteArray asKilled = testsupport::fileDigest(db());

            std::optional<std::pair<qint64, QString>> inFlight;
            QHash<qint64, QString> chapterOf;
            for (const QByteArray& line : run.lines) {
                const QList<QByteArray> words = line.split(' ');
                if (words.first() == "begin") {
                    inFlight = {words.at(1).toLongLong(), QString::fromLatin1(line.mid(line.indexOf(' ', 6) + 1))};
                    chapterOf.insert(inFlight->first, inFlight->second);
                    next = inFlight->first + 1;
                } else if (words.first() == "acked") {
                    QVERIFY2(inFlight && inFlight->first == words.at(1).toLongLong(), line.constData());
                    inFile = inFlight->first;
                    ++acked;
                    inFlight.reset();
                }
            }

            // A connection that may write rolls back what the killed save left half done.
            const auto integrity = testsupport::RawDatabase(db(), testsupport::RawDatabase::Access::ReadWrite).rows("PRAGMA integrity_check");
            QVERIFY2(integrity.first().first().toString() == "ok",
                     qPrintable(integrity.first().first().toString() + ", " + where));
            if (testsupport::fileDigest(db()) != asKilled)
                ++mendedByJournal;
            const QStringList rights = queryColumn(db(), "SELECT DISTINCT \"Right\" FROM Table12");
            if (!inFile && rights.isEmpty())
                continue; // killed before the first save was stored
            QVERIFY2(rights.size() == 1, qPrintable("counters of several saves, " + where));
            const qint64 sequence = rights.first().toLongLong();
            QVERIFY2(sequence == inFile.value_or(-1) || (inFlight && sequence == inFlight->first),
                     qPrintable(QStringLiteral("session of save %1, expected %2, ").arg(sequence).arg(inFile.value_or(-1)) + where));
            inFile = sequence;
            const QString chapter = sequence % 2 ? "Fire Hose" : "Forcible Entry";
            QVERIFY2(savedCalls() == calls.value(chapter), qPrintable("rows of save " + QString::number(sequence) + ", " + where));
            QCOMPARE(queryColumn(db(), "SELECT DISTINCT Clone FROM Table12"), QStringList{"CloneItBaby"});
        }
        QVERIFY2(acked > 0, "some save was acknowledged");
        QVERIFY2(mendedByJournal >= Rounds / 2,
                 qPrintable(QStringLiteral("only %1 of %2 kills left a save half written").arg(mendedByJournal).arg(Rounds)));
        qDebug("%d of %d kills left a save half written; %d saves acknowledged", mendedByJournal, Rounds, acked);
    }

    // The menu items run the steps.
    void menuItemsRunTheSteps()
    {
        plantSession({"1", "2"});
        auto& w = fixture->openChapter(hose);
        fixture->boxes.answer(forms::vbNo);
        w.mnuSaveThisSession->click();
        w.mnuLastSession->click();
        fixture->verifyNoBoxes();
        QCOMPARE(caption(w), loaded);
        QCOMPARE(callsOf(w), (QStringList{"701", "702"}));
    }
};

QTEST_MAIN(tst_SavedSession)
#include "tst_savedsession.moc"
