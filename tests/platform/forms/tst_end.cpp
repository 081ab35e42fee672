#include "support/FileQuery.h"
#include "support/ProgramFixture.h"

#include "platform/forms/WindowKit.h"
#include "questiondb/Cursors.h"

#include <QProcess>
#include <QtTest>

using forms::form;

namespace {

// A window with a cursor on the users and a box bound to the last name, and
// a second cursor the tests open themselves.
class UsersForm : public forms::Form {
public:
    UsersForm()
    {
        static const forms::CursorDesign<UsersForm> cursors[] = {
            {&UsersForm::Data1, "Data1", "Access 2000;"},
            {&UsersForm::Data2, "Data2", "Access 2000;"},
        };
        forms::buildCursors(*this, cursors);
        static const forms::HiddenBoxDesign<UsersForm> boxes[] = {
            {&UsersForm::txtLast, "txtLast", "", &UsersForm::Data1, "last"},
            {&UsersForm::txtSession, "txtSession", "", &UsersForm::Data2, "Session"},
        };
        forms::buildHiddenBoxes(*this, boxes);
    }
    data::DataControl* Data1;
    data::DataControl* Data2;
    forms::TextBox* txtLast;
    forms::TextBox* txtSession;

protected:
    void Form_Load() override { questiondb::openCursor(*Data1, QStringLiteral("Table5")); }
};

} // namespace

// Ending the program keeps what the candidate did on the row on screen (an
// answer's marks), but a row still being entered is only kept by its Save.
class tst_End : public QObject {
    Q_OBJECT

private slots:
    void endStoresEditsOfExistingRows()
    {
        testsupport::ProgramFixture program;
        auto& users = form<UsersForm>();
        const QString first = users.txtLast->text();
        users.txtLast->setText(QStringLiteral("Delgado-Ruiz"));
        program.app.end();
        QVERIFY(program.app.ended());
        QCOMPARE(testsupport::queryValue(program.databasePath(), "SELECT last FROM Table5 WHERE rowid = 1").toString(),
                 QStringLiteral("Delgado-Ruiz"));
        QVERIFY(first != QLatin1String("Delgado-Ruiz"));
    }

    void endDropsARowBeingAdded()
    {
        testsupport::ProgramFixture program;
        auto& users = form<UsersForm>();
        const int before = testsupport::queryValue(program.databasePath(), "SELECT count(*) FROM Table5").toInt();
        users.Data1->recordset().addNew();
        users.txtLast->setText(QStringLiteral("Halfway"));
        program.app.end();
        QCOMPARE(testsupport::queryValue(program.databasePath(), "SELECT count(*) FROM Table5").toInt(), before);
    }

    // A store that fails while the window goes is reported, not passed over.
    void failedStoreOnUnloadIsReported()
    {
        testsupport::ProgramFixture program;
        auto& users = form<UsersForm>();
        testsupport::executeSql(program.databasePath(), "INSERT INTO Table8 (Session) VALUES (1)");
        questiondb::openCursor(*users.Data2, QStringLiteral("Table8"));
        users.txtSession->setText(QStringLiteral("not a number"));
        program.boxes.answer(forms::vbOK);
        QVERIFY(users.Unload());
        QCOMPARE(program.boxes.shown().size(), 1);
        QCOMPARE(program.boxes.shown().first().title, QStringLiteral("Brisolt Software"));
        QVERIFY(program.boxes.shown().first().text.startsWith(QStringLiteral("The changes on this window could not be saved.")));
        QCOMPARE(testsupport::queryValue(program.databasePath(), "SELECT Session FROM Table8").toInt(), 1);
    }

    // What the session manager asks for before the session ends: the same
    // stores as End, and the program goes on.
    void storingForTheSessionKeepsTheProgramRunning()
    {
        testsupport::ProgramFixture program;
        auto& users = form<UsersForm>();
        users.txtLast->setText(QStringLiteral("Nakamura"));
        program.app.storePendingEdits();
        QVERIFY(!program.app.ended());
        QCOMPARE(testsupport::queryValue(program.databasePath(), "SELECT last FROM Table5 WHERE rowid = 1").toString(),
                 QStringLiteral("Nakamura"));
        QVERIFY(!users.txtLast->dataChanged());
    }

    // Logging out, shutting down or a kill end the program by SIGTERM: it
    // ends in order, keeping the pick of the question on screen, also while
    // a box shown before the program's loop runs waits for its answer.
    void terminationEndsInOrder_data()
    {
        QTest::addColumn<QStringList>("mode");
        QTest::newRow("in the program's loop") << QStringList();
        QTest::newRow("while a box of the start is open") << QStringList{QStringLiteral("box")};
    }
    void terminationEndsInOrder()
    {
        QFETCH(QStringList, mode);
        const QString helper = QCoreApplication::applicationDirPath() + "/helper_marks_window";
        QVERIFY2(QFileInfo::exists(helper), qPrintable(helper));
        testsupport::ProgramFixture program;
        QProcess running;
        running.start(helper, QStringList{program.folder.path(), QStringLiteral("T")} + mode);
        QVERIFY(running.waitForStarted());
        QByteArray said;
        while (!said.contains("ready\n")) {
            QVERIFY2(running.waitForReadyRead(30000), running.readAllStandardError().constData());
            said += running.readAllStandardOutput();
        }
        running.terminate(); // SIGTERM
        QVERIFY(running.waitForFinished(30000));
        QCOMPARE(running.exitStatus(), QProcess::NormalExit);
        QCOMPARE(running.exitCode(), 0);
        QCOMPARE(testsupport::queryValue(program.databasePath(), "SELECT Snoop FROM table1 ORDER BY rowid LIMIT 1").toString(),
                 QStringLiteral("T"));
    }

    void unloadStoresARowBeingAdded()
    {
        testsupport::ProgramFixture program;
        auto& users = form<UsersForm>();
        users.Data1->recordset().addNew();
        users.txtLast->setText(QStringLiteral("Okafor"));
        QVERIFY(users.Unload());
        QCOMPARE(testsupport::queryValue(program.databasePath(), "SELECT count(*) FROM Table5 WHERE last = 'Okafor'").toInt(), 1);
    }
};

QTEST_MAIN(tst_End)
#include "tst_end.moc"
