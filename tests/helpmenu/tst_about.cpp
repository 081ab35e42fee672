#include "support/MarkingTool.h"
#include "support/ProgramFixture.h"

#include "helpmenu/frmAbout.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Label.h"
#include "platform/registry/Registry.h"

#include <QSettings>
#include <QtTest>

using helpmenu::frmAbout;

namespace {

// A tool that leaves a mark beside itself when it is started.
QString writeMarkingTool(const QString& folder, const QString& name)
{
    return testsupport::writeMarkingTool(folder, name, QStringLiteral("started"));
}

void writeStore(const QString& programFolder, const QString& path, const QString& toolsFolder)
{
    QSettings store(programFolder + QStringLiteral("/registry.ini"), QSettings::IniFormat);
    if (!path.isNull())
        store.setValue(frmAbout::systemInformationKey + QStringLiteral("/Path"), path);
    if (!toolsFolder.isNull())
        store.setValue(frmAbout::toolsLocationKey + QStringLiteral("/SystemInformation"), toolsFolder);
    store.sync();
}

} // namespace

class tst_About : public QObject {
    Q_OBJECT

private slots:
    void versionText_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("expected");
        QTest::newRow("1.5.61") << 1 << 5 << 61 << "Version 1.5.61";
        QTest::newRow("zeros are not padded away") << 2 << 0 << 0 << "Version 2.0.0";
        QTest::newRow("two digits") << 10 << 12 << 7 << "Version 10.12.7";
    }
    void versionText()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, revision);
        QFETCH(QString, expected);
        QCOMPARE(helpmenu::versionText(major, minor, revision), expected);
    }

    void loadShowsTitleAndThisBuildsVersion()
    {
        testsupport::ProgramFixture program;
        frmAbout& about = program.app.form<frmAbout>();
        QCOMPARE(about.lblVersion->caption(), QStringLiteral("Version " DRILLBOOK_VERSION));
        QCOMPARE(about.lblTitle->caption(), program.app.dialogs().applicationTitle());
        QCOMPARE(about.caption(), QString());
        QCOMPARE(about.cmdOK->caption(), QStringLiteral("OK"));
        QCOMPARE(about.cmdSysInfo->caption(), QStringLiteral("&System Info..."));
    }

    void okUnloadsAndTheNextShowLoadsAgain()
    {
        testsupport::ProgramFixture program;
        frmAbout& about = program.app.form<frmAbout>();
        about.Show();
        about.lblVersion->setCaption(QStringLiteral("changed"));
        QTest::mouseClick(about.cmdOK, Qt::LeftButton);
        QVERIFY(!program.app.isLoaded<frmAbout>());
        QCOMPARE(program.app.form<frmAbout>().lblVersion->caption(), QStringLiteral("Version " DRILLBOOK_VERSION));
    }

    void systemInformation_data()
    {
        QTest::addColumn<QString>("path");        // value of the first key; null: absent
        QTest::addColumn<QString>("toolsFolder"); // value of the second key; null: absent
        QTest::addColumn<QString>("toolIn");      // where the test puts the tool: "path", "tools", ""
        QTest::addColumn<bool>("started");
        QTest::newRow("no store") << QString() << QString() << "" << false;
        QTest::newRow("first key names the program") << "@tool/sysinfo-viewer" << QString() << "path" << true;
        QTest::newRow("second key names its folder") << QString() << "@tool" << "tools" << true;
        QTest::newRow("first key wins") << "@tool/sysinfo-viewer" << "@elsewhere" << "path" << true;
        QTest::newRow("second key, folder without it") << QString() << "@tool" << "" << false;
        QTest::newRow("first key, program missing") << "@tool/sysinfo-viewer" << QString() << "" << false;
        QTest::newRow("first key empty") << "" << QString() << "" << false;
        QTest::newRow("first key, folder not a program") << "@tool" << QString() << "tools" << false;
    }
    void systemInformation()
    {
        QFETCH(QString, path);
        QFETCH(QString, toolsFolder);
        QFETCH(QString, toolIn);
        QFETCH(bool, started);
        testsupport::ProgramFixture program;
        QTemporaryDir tools;
        const QString toolFolder = tools.path() + QStringLiteral("/tool");
        QDir().mkpath(toolFolder);
        const auto place = [&](QString value) {
            value.replace(QStringLiteral("@tool"), toolFolder);
            value.replace(QStringLiteral("@elsewhere"), tools.path() + QStringLiteral("/elsewhere"));
            return value;
        };
        if (toolIn == QLatin1String("path"))
            QVERIFY(!writeMarkingTool(toolFolder, QStringLiteral("sysinfo-viewer")).isEmpty());
        else if (toolIn == QLatin1String("tools"))
            QVERIFY(!writeMarkingTool(toolFolder, frmAbout::systemInformationProgram).isEmpty());
        if (!path.isNull() || !toolsFolder.isNull())
            writeStore(program.folder.path(), path.isNull() ? QString() : place(path),
                       toolsFolder.isNull() ? QString() : place(toolsFolder));

        if (!started)
            program.boxes.answer(forms::vbOK);
        frmAbout& about = program.app.form<frmAbout>();
        about.Show();
        QTest::mouseClick(about.cmdSysInfo, Qt::LeftButton);

        if (started) {
            QTRY_VERIFY(QFile::exists(toolFolder + QStringLiteral("/started")));
            QVERIFY(program.boxes.shown().isEmpty());
        } else {
            QCOMPARE(program.boxes.shown().size(), 1);
            const forms::ShownBox& box = program.boxes.shown().first();
            QCOMPARE(box.text, QStringLiteral("System Information Is Unavailable At This Time"));
            QCOMPARE(box.title, program.app.dialogs().applicationTitle());
            QCOMPARE(box.buttons, int(forms::vbOKOnly));
            QCOMPARE(box.icon, 0);
            QVERIFY(!QFile::exists(toolFolder + QStringLiteral("/started")));
        }
        // The about box stays open either way.
        QVERIFY(program.app.isLoaded<frmAbout>());
        QVERIFY2(program.boxes.ok(), qPrintable(program.boxes.problems()));
    }

    void keyValueIsClearedWhenAbsent()
    {
        testsupport::ProgramFixture program;
        writeStore(program.folder.path(), QStringLiteral("/usr/bin/viewer"), QString());
        const registry::Registry root = registry::Registry::ofProgramFolder(program.folder.path());
        frmAbout& about = program.app.form<frmAbout>();

        QString value = QStringLiteral("left over");
        QVERIFY(about.GetKeyValue(root, frmAbout::systemInformationKey, QStringLiteral("Path"), value));
        QCOMPARE(value, QStringLiteral("/usr/bin/viewer"));
        value = QStringLiteral("left over");
        QVERIFY(!about.GetKeyValue(root, frmAbout::toolsLocationKey, QStringLiteral("SystemInformation"), value));
        QCOMPARE(value, QString());
        value = QStringLiteral("left over");
        QVERIFY(!about.GetKeyValue(root, frmAbout::systemInformationKey, QStringLiteral("Folder"), value));
        QCOMPARE(value, QString());
    }
};

QTEST_MAIN(tst_About)
#include "tst_about.moc"
