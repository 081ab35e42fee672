#include "support/ProgramFixture.h"
#include "support/WriteProtection.h"

#include "contents/StartUp.h"
#include "contents/frmContents.h"
#include "contents/frmSplash.h"
#include "platform/forms/Timer.h"

#include <QCryptographicHash>
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
};

QTEST_MAIN(tst_StartUp)
#include "tst_startup.moc"
