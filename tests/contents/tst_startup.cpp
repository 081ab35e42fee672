#include "support/ProgramFixture.h"
#include "support/TestContainer.h"
#include "support/WriteProtection.h"

#include "contents/StartUp.h"
#include "contents/frmContents.h"
#include "contents/frmSplash.h"
#include "controls/dateinput/QvindatClasses.h"
#include "platform/com/ClassStore.h"
#include "platform/forms/Timer.h"
#include "platform/media/WavePlayer.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QtTest>

using contents::frmContents;
using contents::frmSplash;

namespace {

QByteArray fileHash(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// What the damaged cases do to the sample database before the start.
void damage(const QString& path, const QString& how)
{
    QFile file(path);
    if (how == QLatin1String("missing")) {
        file.remove();
    } else if (how == QLatin1String("text file")) {
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("Chapter 1: Fire Behavior\nThis is not a question database.\n");
    } else if (how == QLatin1String("truncated")) {
        QVERIFY(file.open(QIODevice::ReadWrite));
        file.resize(file.size() / 3);
    } else if (how == QLatin1String("scrambled pages")) {
        QVERIFY(file.open(QIODevice::ReadWrite));
        const qint64 size = file.size();
        for (qint64 at = 4096; at < size; at += 8192) {
            file.seek(at);
            file.write(QByteArray(512, '\x5a'));
        }
    }
}

} // namespace

class tst_StartUp : public QObject {
    Q_OBJECT

private slots:
    void startsOnTheSplashThenTheTableOfContents()
    {
        testsupport::ProgramFixture program;
        QVERIFY(contents::startUp(program.app));
        frmSplash& splash = program.app.form<frmSplash>();
        QCOMPARE(program.app.activeForm(), &splash);
        QVERIFY(splash.isVisible());

        splash.Timer1->fire();
        QCOMPARE(program.app.activeForm(), &program.app.form<frmContents>());
        QVERIFY(program.app.form<frmContents>().isVisible());
        QVERIFY2(program.boxes.ok(), qPrintable(program.boxes.problems()));
    }

    void unusableDatabaseIsReportedAndLeftAlone_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("missing") << "missing";
        QTest::newRow("not a database") << "text file";
        QTest::newRow("truncated") << "truncated";
        QTest::newRow("damaged pages") << "scrambled pages";
    }
    void unusableDatabaseIsReportedAndLeftAlone()
    {
        QFETCH(QString, how);
        testsupport::ProgramFixture program;
        damage(program.databasePath(), how);
        const QByteArray before = fileHash(program.databasePath());

        program.boxes.answer(forms::vbOK);
        QVERIFY(!contents::startUp(program.app));

        QCOMPARE(program.boxes.shown().size(), 1);
        const forms::ShownBox& box = program.boxes.shown().first();
        QCOMPARE(box.title, QStringLiteral("Brisolt Software"));
        QCOMPARE(box.icon, int(forms::vbCritical));
        QVERIFY2(box.text.contains(QStringLiteral("qbk54.mdb")), qPrintable(box.text));
        QVERIFY(!program.app.isLoaded<frmContents>());
        QVERIFY(!program.app.isLoaded<frmSplash>());
        QCOMPARE(fileHash(program.databasePath()), before);
        QCOMPARE(QFile::exists(program.databasePath()), how != QLatin1String("missing"));
    }

    // A candidate can study from a bank that cannot be written, but is told
    // at once that the answers will not be kept.
    void readOnlyDatabaseIsReportedAndTheProgramStarts_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::newRow("read-only file") << false;
        QTest::newRow("read-only folder") << true;
    }
    void readOnlyDatabaseIsReportedAndTheProgramStarts()
    {
        QFETCH(bool, folder);
        testsupport::ProgramFixture program;
        const QByteArray before = fileHash(program.databasePath());
        const testsupport::WriteProtection protection(folder ? program.folder.path() : program.databasePath());

        program.boxes.answer(forms::vbOK);
        QVERIFY(contents::startUp(program.app));

        QCOMPARE(program.boxes.shown().size(), 1);
        const forms::ShownBox& box = program.boxes.shown().first();
        QCOMPARE(box.title, QStringLiteral("Brisolt Software"));
        QCOMPARE(box.icon, int(forms::vbExclamation));
        QVERIFY2(box.text.contains(QStringLiteral("qbk54.mdb")), qPrintable(box.text));
        QVERIFY2(box.text.contains(QStringLiteral("cannot be written")), qPrintable(box.text));
        QVERIFY2(box.text.contains(QStringLiteral("are not kept")), qPrintable(box.text));
        QVERIFY(program.app.form<frmSplash>().isVisible());
        program.app.form<frmSplash>().Timer1->fire();
        QVERIFY(program.app.form<frmContents>().isVisible());
        QVERIFY2(program.boxes.ok(), qPrintable(program.boxes.problems()));
        QCOMPARE(fileHash(program.databasePath()), before);
    }

    // A logout (the program ended by SIGTERM) while that box waits for its
    // answer closes the box and ends the start there: no window opens.
    void endingWhileTheStartUpBoxIsOpenOpensNoWindow()
    {
        testsupport::ProgramFixture program;
        const testsupport::WriteProtection protection(program.databasePath());
        program.app.dialogs().setScripted(false);
        QTimer::singleShot(0, &program.app, [&] { program.app.end(); });
        // Should the box stay open, it is closed here so the test goes on to fail.
        bool stayedOpen = false;
        QTimer::singleShot(20000, &program.app, [&] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                stayedOpen = true;
                box->close();
            }
        });

        QVERIFY(contents::startUp(program.app));

        QVERIFY(!stayedOpen);
        QVERIFY(program.app.ended());
        QVERIFY(!program.app.isLoaded<frmSplash>());
        QVERIFY(!program.app.isLoaded<frmContents>());
    }

    // The control libraries of the program folder are registered once the
    // splash is on screen, before any other window; one that is missing or
    // broken is named in the log and the program starts all the same.
    void registersTheControlLibraries_data()
    {
        QTest::addColumn<QString>("library"); // what lies in the folder as QVINDAT.so
        QTest::newRow("present") << "QVINDAT.so";
        QTest::newRow("missing") << "";
        QTest::newRow("broken") << "broken";
    }
    void registersTheControlLibraries()
    {
        QFETCH(QString, library);
        const testsupport::TestContainer store;
        testsupport::ProgramFixture program;
        const QDir built = QFileInfo(QStringLiteral(DRILLBOOK_QVINDAT)).absoluteDir();
        const QDir folder(program.folder.path());
        if (library == QLatin1String("broken")) {
            QFile file(folder.filePath(QStringLiteral("QVINDAT.so")));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(4096, '\x7f'));
        } else if (!library.isEmpty()) {
            for (const QString& name : {QStringLiteral("QVINDAT.so"), QStringLiteral("QVRUN32.so")})
                QVERIFY(QFile::copy(built.filePath(name), folder.filePath(name)));
        } else {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("QVINDAT.so is not in the program folder")));
        }
        if (library == QLatin1String("broken"))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("QVINDAT.so could not be registered")));

        QVERIFY(contents::startUp(program.app));
        frmSplash& splash = program.app.form<frmSplash>();
        QVERIFY(splash.isVisible());
        // The splash is shown first; the libraries follow once it is on screen.
        QVERIFY(!com::ClassStore(store.storePath()).find(qvindat::controlClass));
        QTRY_VERIFY(!splash.Wav1->fileName().isEmpty());

        const auto record = com::ClassStore(store.storePath()).find(qvindat::controlClass);
        QCOMPARE(record.has_value(), library == QLatin1String("QVINDAT.so"));
        QVERIFY2(program.boxes.ok(), qPrintable(program.boxes.problems()));
    }
};

QTEST_MAIN(tst_StartUp)
#include "tst_startup.moc"
