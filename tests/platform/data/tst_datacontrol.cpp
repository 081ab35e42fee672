// The data control and its bound boxes: what the boxes show, when a changed
// box reaches the file (only when the cursor leaves the row, after the
// validation event), dropping by the event, UpdateRecord, unloading, boxes
// bound to fields the source lacks, number fields, and failing files.

#include "DataFixture.h"
#include "support/WriteProtection.h"
#include "support/ErrorOf.h"

#include "platform/data/Connection.h"
#include "platform/data/DataControl.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

#include <functional>
#include <optional>

#include <sqlite3.h>

using datatest::FakeBox;

using testsupport::errorOf;

namespace {

// Makes the bank refuse stores until lifted: its file or folder read-only,
// the disk full (the file may not grow), or the file held by another program
// in the middle of a store of its own.
class Refusal {
public:
    Refusal(const QString& how, const datatest::FixtureDatabase& bank) : how_(how)
    {
        if (how == QLatin1String("read-only file")) {
            protection_.emplace(bank.path());
        } else if (how == QLatin1String("read-only folder")) {
            protection_.emplace(bank.folder());
        } else if (how == QLatin1String("disk full")) {
            connection_ = data::Connection::open(bank.path());
            sqlite3_exec(connection_->handle(), "PRAGMA max_page_count = 1", nullptr, nullptr, nullptr);
        } else {
            sqlite3_open_v2(bank.path().toUtf8().constData(), &otherProgram_, SQLITE_OPEN_READWRITE, nullptr);
            sqlite3_exec(otherProgram_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        }
    }
    ~Refusal() { lift(); }
    Refusal(const Refusal&) = delete;
    Refusal& operator=(const Refusal&) = delete;

    void lift()
    {
        protection_.reset();
        if (connection_)
            sqlite3_exec(connection_->handle(), "PRAGMA max_page_count = 1073741823", nullptr, nullptr, nullptr);
        connection_.reset();
        if (otherProgram_) {
            sqlite3_exec(otherProgram_, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(otherProgram_);
            otherProgram_ = nullptr;
        }
    }

private:
    QString how_;
    std::optional<testsupport::WriteProtection> protection_;
    std::shared_ptr<data::Connection> connection_;
    sqlite3* otherProgram_ = nullptr;
};

} // namespace

class TestDataControl : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<datatest::FixtureDatabase> bank_;
    std::unique_ptr<data::DataControl> control_;
    std::unique_ptr<FakeBox> question_;
    std::unique_ptr<FakeBox> call_;
    std::unique_ptr<FakeBox> snoop_;
    std::unique_ptr<FakeBox> clone_;
    QList<int> actions_;

    QString snoopInFile(int call) const
    {
        return bank_->scalar(QStringLiteral("SELECT Snoop FROM table1 WHERE Call = %1").arg(call)).toString();
    }

    void openOn(const QString& source)
    {
        control_->setDatabaseName(bank_->path());
        control_->setRecordSource(source);
        control_->refresh();
    }

private slots:
    void init()
    {
        bank_ = std::make_unique<datatest::FixtureDatabase>();
        for (int call = 1; call <= 3; ++call)
            bank_->addQuestion(call, "Ladders");
        bank_->execute("UPDATE table1 SET Snoop = 'A'");
        control_ = std::make_unique<data::DataControl>();
        control_->setConnect("Access");
        question_ = std::make_unique<FakeBox>("Question");
        call_ = std::make_unique<FakeBox>("call");
        snoop_ = std::make_unique<FakeBox>("Snoop");
        clone_ = std::make_unique<FakeBox>("Clone");
        for (FakeBox* box : {question_.get(), call_.get(), snoop_.get(), clone_.get()})
            control_->bind(box);
        actions_.clear();
        connect(control_.get(), &data::DataControl::validate, this, [this](int action, bool&) { actions_.append(action); });
    }

    void cleanup()
    {
        control_.reset();
        bank_.reset();
    }

    void refreshShowsTheFirstRow()
    {
        QSignalSpy repositions(control_.get(), &data::DataControl::reposition);
        openOn("Table1");
        QCOMPARE(repositions.count(), 1);
        QCOMPARE(question_->text, QString("Question 1"));
        QCOMPARE(call_->text, QString("1"));
        QCOMPARE(clone_->text, QString());
        QVERIFY(!snoop_->dataChanged());
    }

    void emptyResultShowsEmptyBoxes()
    {
        openOn("Table1");
        openOn("SELECT * FROM table1 where Chapter='Hose'");
        QVERIFY(control_->recordset().eof());
        QCOMPARE(question_->text, QString());
        QCOMPARE(call_->text, QString());
    }

    void changedBoxIsStoredWhenTheCursorLeaves_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("startRow"); // moves from the first row before typing
        QTest::newRow("move first") << 1 << 1;
        QTest::newRow("move previous") << 2 << 1;
        QTest::newRow("move next") << 3 << 0;
        QTest::newRow("move last") << 4 << 0;
        QTest::newRow("add new") << 5 << 0;
        QTest::newRow("find") << 8 << 0;
        QTest::newRow("refresh") << 10 << 0;
        QTest::newRow("unload") << 11 << 0;
    }

    void changedBoxIsStoredWhenTheCursorLeaves()
    {
        QFETCH(int, action);
        QFETCH(int, startRow);
        openOn("Table1");
        for (int i = 0; i < startRow; ++i)
            control_->recordset().moveNext();
        const int row = startRow + 1;

        snoop_->type("C");
        QCOMPARE(snoopInFile(row), QString("A"));
        data::Recordset& set = control_->recordset();
        switch (action) {
        case 1: set.moveFirst(); break;
        case 2: set.movePrevious(); break;
        case 3: set.moveNext(); break;
        case 4: set.moveLast(); break;
        case 5: set.addNew(); break;
        case 8: set.findFirst("ID= 3"); break;
        case 10: control_->refresh(); break;
        case 11: control_->close(); break;
        }
        QCOMPARE(actions_, QList<int>{action});
        QCOMPARE(snoopInFile(row), QString("C"));
        QVERIFY(!snoop_->dataChanged());
    }

    void validateCanDropTheChanges()
    {
        openOn("Table1");
        connect(control_.get(), &data::DataControl::validate, this, [](int, bool& save) { save = false; });
        snoop_->type("D");
        control_->recordset().moveNext();
        control_->recordset().movePrevious();
        QCOMPARE(snoopInFile(1), QString("A"));
        QCOMPARE(snoop_->text, QString("A"));
    }

    void unchangedBoxesRaiseNoValidation()
    {
        openOn("Table1");
        control_->recordset().moveNext();
        control_->recordset().moveLast();
        QVERIFY(actions_.isEmpty());
    }

    void movesOnTheRecordsetShowTheNewRow()
    {
        openOn("Table1");
        QSignalSpy repositions(control_.get(), &data::DataControl::reposition);
        control_->recordset().moveNext();
        QCOMPARE(repositions.count(), 1);
        QCOMPARE(call_->text, QString("2"));
        control_->recordset().moveNext();
        control_->recordset().moveNext();
        QCOMPARE(repositions.count(), 3);
        QVERIFY(control_->recordset().eof());
        QCOMPARE(call_->text, QString());
    }

    void updateRecordStoresAtOnce()
    {
        openOn("Table1");
        snoop_->type("B");
        question_->type("Reworded");
        control_->updateRecord();
        QCOMPARE(snoopInFile(1), QString("B"));
        QCOMPARE(bank_->scalar("SELECT Question FROM table1 WHERE Call = 1").toString(), QString("Reworded"));
        QVERIFY(actions_.isEmpty());
        QVERIFY(!snoop_->dataChanged());
        control_->recordset().moveNext();
        QVERIFY(actions_.isEmpty());
    }

    void updateRecordLeavesUntouchedNullsAlone()
    {
        openOn("Table1");
        control_->updateRecord();
        QVERIFY(bank_->scalar("SELECT Memo IS NULL AND Video IS NULL FROM table1 WHERE Call = 1").toBool());
    }

    void editThenUpdateStoresChangedBoxes()
    {
        openOn("Table1");
        snoop_->type("D");
        data::Recordset& set = control_->recordset();
        set.edit();
        set.update();
        QCOMPARE(snoopInFile(1), QString("D"));
        set.moveNext();
        set.movePrevious();
        QCOMPARE(snoop_->text, QString("D"));
        QVERIFY(actions_.isEmpty());
    }

    void fieldWrittenByCodeWinsOverABox()
    {
        openOn("Table1");
        snoop_->type("D");
        data::Recordset& set = control_->recordset();
        set.edit();
        set.field("Snoop").setValue("E");
        set.update();
        QCOMPARE(snoopInFile(1), QString("E"));
    }

    void newRowThroughBoxes()
    {
        openOn("Table1");
        data::Recordset& set = control_->recordset();
        set.moveLast();
        QSignalSpy repositions(control_.get(), &data::DataControl::reposition);
        set.addNew();
        QCOMPARE(repositions.count(), 1);
        QCOMPARE(question_->text, QString());
        QCOMPARE(call_->text, QString());
        call_->type("4");
        question_->type("How long is a roof ladder?");
        control_->updateRecord();
        QCOMPARE(call_->text, QString("3"));
        set.moveNext();
        QCOMPARE(call_->text, QString("4"));
        QCOMPARE(bank_->scalar("SELECT typeof(Call) FROM table1 WHERE Question = 'How long is a roof ladder?'").toString(),
                 QString("integer"));
        QCOMPARE(bank_->scalar("SELECT ID FROM table1 WHERE Call = 4").toInt(), 4);
    }

    void newRowIsStoredWhenTheCursorLeaves()
    {
        openOn("Table1");
        control_->recordset().addNew();
        call_->type("9");
        control_->recordset().moveFirst();
        QCOMPARE(actions_, QList<int>{1});
        QCOMPARE(bank_->scalar("SELECT count(*) FROM table1 WHERE Call = 9").toInt(), 1);
        QCOMPARE(call_->text, QString("1"));
    }

    void untouchedNewRowIsNotStored()
    {
        openOn("Table1");
        control_->recordset().addNew();
        control_->recordset().moveFirst();
        QCOMPARE(bank_->scalar("SELECT count(*) FROM table1").toInt(), 3);
    }

    void deleteDropsChangesOfTheRow()
    {
        openOn("Table1");
        snoop_->type("Z");
        control_->recordset().deleteRow();
        QCOMPARE(actions_, QList<int>{7});
        QCOMPARE(bank_->scalar("SELECT count(*) FROM table1").toInt(), 2);
        QCOMPARE(bank_->scalar("SELECT count(*) FROM table1 WHERE Snoop = 'Z'").toInt(), 0);
        control_->recordset().moveNext();
        QCOMPARE(call_->text, QString("2"));
    }

    void boxOfAFieldTheSourceLacks()
    {
        bank_->execute("INSERT INTO Table12 (Call, QNUM, Clone) VALUES (5, '1', 'CloneItBaby'), (6, '2', 'CloneItBaby')");
        openOn("Table12");
        QCOMPARE(snoop_->text, QString());
        QCOMPARE(clone_->text, QString("CloneItBaby"));
        snoop_->type("B");
        control_->recordset().moveNext();
        control_->updateRecord();
        QCOMPARE(call_->text, QString("6"));
        QCOMPARE(bank_->scalar("SELECT count(*) FROM table1 WHERE Snoop = 'B'").toInt(), 0);
    }

    void textIntoANumberBox()
    {
        openOn("Table1");
        call_->type(" 42 ");
        control_->recordset().moveNext();
        QCOMPARE(bank_->scalar("SELECT Call FROM table1 WHERE Question = 'Question 1'").toLongLong(), 42LL);
        call_->type("forty");
        QCOMPARE(errorOf([&] { control_->recordset().moveNext(); }), 3421);
        QCOMPARE(control_->recordset().absolutePosition(), 1);
        call_->type("");
        control_->recordset().moveNext();
        QVERIFY(bank_->scalar("SELECT Call IS NULL FROM table1 WHERE Question = 'Question 2'").toBool());
    }

    void rowRemovedByAnotherCursorDropsTheChange()
    {
        openOn("Table1");
        snoop_->type("Q");
        bank_->execute("DELETE FROM table1 WHERE Call = 1");
        control_->recordset().moveNext();
        QCOMPARE(call_->text, QString("2"));
        QCOMPARE(bank_->scalar("SELECT count(*) FROM table1 WHERE Snoop = 'Q'").toInt(), 0);
    }

    void withoutARecordset()
    {
        QCOMPARE(errorOf([&] { control_->recordset(); }), 91);
        QCOMPARE(errorOf([&] { control_->updateRecord(); }), 91);
        control_->close();
        openOn("SELECT * FROM table1 where Chapter='Hose'");
        QCOMPARE(errorOf([&] { control_->updateRecord(); }), 3021);
    }

    // A store the file refuses while the cursor leaves a row is told once per
    // run of failures; the move goes on, the changes are kept, shown again on
    // the row, and stored with the first store the file takes again.
    void refusedStoreKeepsTheChangesAndMovesOn_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("error");
        QTest::newRow("read-only file") << "read-only file" << 3027;
        QTest::newRow("read-only folder") << "read-only folder" << 3027;
        QTest::newRow("disk full") << "disk full" << 3026;
        QTest::newRow("in use by another program") << "in use by another program" << 3260;
    }

    void refusedStoreKeepsTheChangesAndMovesOn()
    {
        QFETCH(QString, how);
        QFETCH(int, error);
        QList<data::StoreFailure> failures;
        connect(control_.get(), &data::DataControl::storeFailed, this,
                [&](data::StoreFailure& failure) { failures.append(failure); });
        const QString longQuestion = QString("A question long enough to need pages of its own. ").repeated(300);
        std::optional<Refusal> refusal;
        if (how == "read-only file")
            refusal.emplace(how, *bank_); // a file is opened read-only or not at all
        openOn("Table1");
        if (!refusal)
            refusal.emplace(how, *bank_);

        snoop_->type("B");
        question_->type(longQuestion);
        QElapsedTimer waited;
        waited.start();
        control_->recordset().moveNext();
        QVERIFY2(waited.elapsed() < 1500, qPrintable(QString("the move waited %1 ms").arg(waited.elapsed())));
        QCOMPARE(call_->text, QString("2"));
        QCOMPARE(failures.size(), 1);
        QCOMPARE(failures[0].number, error);
        QVERIFY(!failures[0].description.isEmpty());
        QVERIFY(failures[0].firstInARow);
        QVERIFY(failures[0].keptForLater);
        QCOMPARE(control_->unstoredRows(), 1);

        // Still refused: the move tries once more and does not wait again.
        snoop_->type("C");
        waited.restart();
        control_->recordset().moveNext();
        QVERIFY2(waited.elapsed() < 200, qPrintable(QString("the move waited %1 ms").arg(waited.elapsed())));
        QCOMPARE(call_->text, QString("3"));
        QCOMPARE(failures.size(), 2);
        QVERIFY(!failures[1].firstInARow);
        QCOMPARE(control_->unstoredRows(), 2);

        // Back on the first row, the boxes hold what could not be stored.
        control_->recordset().moveFirst();
        QCOMPARE(snoop_->text, QString("B"));
        QCOMPARE(question_->text, longQuestion);
        QVERIFY(snoop_->dataChanged());
        QCOMPARE(snoopInFile(1), QString("A"));
        QCOMPARE(snoopInFile(2), QString("A"));

        // A file that was read-only when opened is written once it may be.
        refusal->lift();
        control_->recordset().moveNext();
        QCOMPARE(failures.size(), 3); // the first row failed once more before the lift
        QCOMPARE(control_->unstoredRows(), 0);
        QCOMPARE(snoopInFile(1), QString("B"));
        QCOMPARE(snoopInFile(2), QString("C"));
        QCOMPARE(bank_->scalar("SELECT Question FROM table1 WHERE Call = 1").toString(), longQuestion);

        // Stores go through again: the next failure is news once more. A file
        // opened for writing stays writable for the program, whatever its
        // permissions become.
        if (how == "read-only file")
            return;
        refusal.emplace(how, *bank_);
        snoop_->type("D");
        question_->type(longQuestion + "again");
        control_->recordset().moveNext();
        QCOMPARE(failures.size(), 4);
        QVERIFY(failures[3].firstInARow);
    }

    // Asked to, the control tries the store again at once.
    void retriedStoreGoesThrough()
    {
        openOn("Table1");
        auto refusal = std::make_unique<Refusal>("in use by another program", *bank_);
        int failures = 0;
        connect(control_.get(), &data::DataControl::storeFailed, this, [&](data::StoreFailure& failure) {
            ++failures;
            refusal.reset(); // the other program is done
            failure.retry = true;
        });
        snoop_->type("B");
        control_->recordset().moveNext();
        QCOMPARE(failures, 1);
        QCOMPARE(control_->unstoredRows(), 0);
        QCOMPARE(snoopInFile(1), QString("B"));
    }

    // Closing with changes the file still refuses is an error, not silence.
    void closingWithRefusedChangesFails()
    {
        openOn("Table1");
        Refusal refusal("in use by another program", *bank_);
        snoop_->type("B");
        control_->recordset().moveNext();
        QCOMPARE(errorOf([&] { control_->close(); }), 3260);
        refusal.lift();
        control_->close();
        QCOMPARE(snoopInFile(1), QString("B"));
    }

    void failingFileLeavesNoRecordset_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("error");
        QTest::newRow("missing file") << "missing.mdb" << "Table1" << 3024;
        QTest::newRow("missing table") << "" << "Table99" << 3078;
        QTest::newRow("bad query") << "" << "SELECT * FROM table1 where" << 3075;
    }

    void failingFileLeavesNoRecordset()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, source);
        QFETCH(int, error);
        openOn("Table1");
        QCOMPARE(question_->text, QString("Question 1"));
        const QString path = fileName.isEmpty() ? bank_->path() : bank_->folder() + "/" + fileName;
        control_->setDatabaseName(path);
        control_->setRecordSource(source);
        QCOMPARE(errorOf([&] { control_->refresh(); }), error);
        QVERIFY(!control_->hasRecordset());
        QCOMPARE(errorOf([&] { control_->recordset(); }), 91);
        QCOMPARE(question_->text, QString());
        QVERIFY(QFileInfo::exists(bank_->path()));
        if (!fileName.isEmpty())
            QVERIFY(!QFileInfo::exists(path));
    }
};

QTEST_GUILESS_MAIN(TestDataControl)
#include "tst_datacontrol.moc"
