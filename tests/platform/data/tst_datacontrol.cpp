// The data control and its bound boxes: what the boxes show, when a changed
// box reaches the file (only when the cursor leaves the row, after the
// validation event), dropping by the event, UpdateRecord, unloading, boxes
// bound to fields the source lacks, number fields, and failing files.

#include "DataFixture.h"
#include "support/ErrorOf.h"

#include "platform/data/DataControl.h"

#include <QSignalSpy>
#include <QtTest>

#include <functional>

using datatest::FakeBox;

using testsupport::errorOf;

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
