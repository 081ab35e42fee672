#include "support/ErrorOf.h"
#include "support/MarkingTool.h"

#include "platform/core/Errors.h"
#include "platform/core/Shell.h"

#include <QTemporaryDir>
#include <QtTest>

class tst_Shell : public QObject {
    Q_OBJECT

private slots:
    void programPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("program");
        QTest::newRow("old name") << "/opt/db/TruVoice.exe" << "/opt/db/TruVoice";
        QTest::newRow("ending in capitals") << "/opt/db/SETUP.EXE" << "/opt/db/SETUP";
        QTest::newRow("no ending") << "/opt/db/systeminfo" << "/opt/db/systeminfo";
        QTest::newRow("ending inside the name") << "/opt/db/a.exe.txt" << "/opt/db/a.exe.txt";
        QTest::newRow("only the ending is dropped") << "/opt/db.exe/MSagent.exe" << "/opt/db.exe/MSagent";
    }
    void programPath()
    {
        QFETCH(QString, path);
        QFETCH(QString, program);
        QCOMPARE(platform::programPath(path), program);
    }

    void startsWithoutWaiting()
    {
        QTemporaryDir folder;
        QVERIFY(!testsupport::writeMarkingTool(folder.path(), QStringLiteral("Setup"), QStringLiteral("ran")).isEmpty());
        const qint64 id = platform::shell(folder.filePath(QStringLiteral("Setup.exe")));
        QVERIFY(id > 0);
        QTRY_VERIFY(QFile::exists(folder.filePath(QStringLiteral("ran"))));
    }

    void refusesWhatCannotRun_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("number");
        QTest::newRow("missing") << "missing" << 53;
        QTest::newRow("not runnable") << "not runnable" << 5;
        QTest::newRow("a folder") << "folder" << 5;
    }
    void refusesWhatCannotRun()
    {
        QFETCH(QString, state);
        QFETCH(int, number);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Setup"));
        if (state == QLatin1String("not runnable")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("#!/bin/sh\n");
        } else if (state == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        }
        QCOMPARE(testsupport::errorOf([&] { platform::shell(path + QStringLiteral(".exe")); }), number);
        try {
            platform::shell(path);
            QFAIL("the program started");
        } catch (const platform::RuntimeError& error) {
            QVERIFY2(error.description().contains(path), qPrintable(error.description()));
        }
    }
};

QTEST_MAIN(tst_Shell)
#include "tst_shell.moc"
