#include "support/FileQuery.h"
#include "support/QuestionWindowFixture.h"

#include "platform/data/Connection.h"
#include "questionwindow/frmMain.h"

#include <QElapsedTimer>
#include <QtTest>

#include <sqlite3.h>

using questionwindow::frmMain;
using testsupport::queryValue;

namespace {

// Another program in the middle of a store of its own on the bank.
class OtherProgramStoring {
public:
    explicit OtherProgramStoring(const QString& path)
    {
        sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    }
    ~OtherProgramStoring() { done(); }
    OtherProgramStoring(const OtherProgramStoring&) = delete;
    OtherProgramStoring& operator=(const OtherProgramStoring&) = delete;

    void done()
    {
        if (!db_)
            return;
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db_);
        db_ = nullptr;
    }

private:
    sqlite3* db_ = nullptr;
};

} // namespace

// A store the question bank refuses while the candidate moves through the
// questions: told once, with the error's number and text; the window moves on
// without freezing, and the marks are kept until the bank takes them again.
class tst_RefusedStores : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::QuestionWindowFixture> fixture;

    QString snoopOf(const QString& call) const
    {
        return queryValue(fixture->databasePath(), QStringLiteral("SELECT Snoop FROM table1 WHERE Call = %1").arg(call))
            .toString();
    }

    // The pick the candidate made on the question on screen, then "Next".
    void pickAndMoveOn(frmMain& w, const QString& letter)
    {
        w.txtSnoop->setText(letter);
        w.cmdNext_Click();
    }

    // The one box shown so far told of the failure with these buttons and error.
    void verifyToldOnce(int buttons, const QString& error) const
    {
        QCOMPARE(fixture->boxes.shown().size(), 1);
        const forms::ShownBox& box = fixture->boxes.shown().first();
        QCOMPARE(box.title, QStringLiteral("Brisolt Software"));
        QCOMPARE(box.buttons, buttons);
        QCOMPARE(box.icon, int(forms::vbExclamation));
        QVERIFY2(box.text.contains(error), qPrintable(box.text));
    }

private slots:
    void init() { fixture = std::make_unique<testsupport::QuestionWindowFixture>(); }
    void cleanup() { fixture.reset(); }

    void bankInUseIsToldOnceAndThePicksAreKept()
    {
        const QStringList calls = fixture->callsOf(QStringLiteral("Fire Behavior"));
        auto& w = fixture->showChapter(QStringLiteral("Fire Behavior"));
        auto other = std::make_unique<OtherProgramStoring>(fixture->databasePath());

        fixture->boxes.answer(forms::vbCancel);
        QElapsedTimer waited;
        waited.start();
        pickAndMoveOn(w, QStringLiteral("C"));
        QVERIFY2(waited.elapsed() < 1500, qPrintable(QString("the window froze for %1 ms").arg(waited.elapsed())));
        QCOMPARE(w.txtCall->text(), calls.at(1));
        verifyToldOnce(forms::vbRetryCancel, QStringLiteral("Error 3260: Could not update; currently locked."));
        QVERIFY(fixture->boxes.shown().first().text.contains(QStringLiteral("in use by another program")));

        // Still refused: the candidate is not told again.
        pickAndMoveOn(w, QStringLiteral("D"));
        QCOMPARE(w.txtCall->text(), calls.at(2));
        QCOMPARE(fixture->boxes.shown().size(), 1);
        QCOMPARE(snoopOf(calls.at(0)), QString());

        // Back on a kept question, its pick shows.
        w.cmdFirst_Click();
        QCOMPARE(w.txtSnoop->text(), QStringLiteral("C"));

        other->done();
        w.cmdNext_Click();
        QCOMPARE(snoopOf(calls.at(0)), QStringLiteral("C"));
        QCOMPARE(snoopOf(calls.at(1)), QStringLiteral("D"));
        fixture->verifyNoBoxes();
    }

    void retryWhileStillInUseAsksAgain()
    {
        const QStringList calls = fixture->callsOf(QStringLiteral("Fire Behavior"));
        auto& w = fixture->showChapter(QStringLiteral("Fire Behavior"));
        OtherProgramStoring other(fixture->databasePath());
        fixture->boxes.answer(forms::vbRetry).answer(forms::vbCancel);
        pickAndMoveOn(w, QStringLiteral("B"));
        QCOMPARE(fixture->boxes.shown().size(), 2);
        QCOMPARE(w.txtCall->text(), calls.at(1));
        fixture->verifyNoBoxes();
    }

    void fullDiskIsToldWithTheError()
    {
        const QStringList calls = fixture->callsOf(QStringLiteral("Fire Behavior"));
        auto& w = fixture->showChapter(QStringLiteral("Fire Behavior"));
        // The bank may not grow by a page: a long note cannot be stored.
        const auto connection = data::Connection::open(fixture->databasePath());
        sqlite3_exec(connection->handle(), "PRAGMA max_page_count = 1", nullptr, nullptr, nullptr);
        const QString note = QStringLiteral("Ventilation notes for the evening. ").repeated(400);
        w.txtNotes->setText(note);

        fixture->boxes.answer(forms::vbOK);
        w.cmdNext_Click();
        QCOMPARE(w.txtCall->text(), calls.at(1));
        verifyToldOnce(forms::vbOKOnly, QStringLiteral("Error 3026: Not enough space on disk."));

        sqlite3_exec(connection->handle(), "PRAGMA max_page_count = 1073741823", nullptr, nullptr, nullptr);
        w.cmdNext_Click();
        QCOMPARE(queryValue(fixture->databasePath(), QStringLiteral("SELECT Memo FROM table1 WHERE Call = %1").arg(calls.at(0)))
                     .toString(),
                 note);
        fixture->verifyNoBoxes();
    }

    // Picks the bank never took are not dropped in silence when the window goes.
    void closingWithPicksStillRefusedSaysSo()
    {
        auto& w = fixture->showChapter(QStringLiteral("Fire Behavior"));
        OtherProgramStoring other(fixture->databasePath());
        fixture->boxes.answer(forms::vbCancel).answer(forms::vbOK);
        pickAndMoveOn(w, QStringLiteral("A"));
        w.cmdExit_Click();
        QCOMPARE(fixture->boxes.shown().size(), 2);
        QVERIFY(fixture->boxes.shown().last().text.startsWith(QStringLiteral("The changes on this window could not be saved.")));
        fixture->verifyNoBoxes();
    }
};

QTEST_MAIN(tst_RefusedStores)
#include "tst_refusedstores.moc"
