#include "support/FileQuery.h"
#include "support/MarkingTool.h"
#include "support/ProgramFixture.h"

#include "contents/frmContents.h"
#include "platform/data/DataControl.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Menu.h"
#include "platform/forms/OptionButton.h"
#include "platform/forms/TextBox.h"
#include "questionwindow/frmLoadNuvia.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtTest>

#include <memory>

using questionwindow::frmLoadNuvia;
using questionwindow::SystemChoice;

Q_DECLARE_METATYPE(SystemChoice)

namespace {

const QString restart = QStringLiteral("Please Restart This Program - Thank You!");
const QString chooseFirst = QStringLiteral("You must first choose your operating system");

} // namespace

class tst_SpeechInstaller : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::ProgramFixture> program;

    // The setup programs of the test's folder: each leaves "<name>.started".
    void writeInstallers(const QStringList& names)
    {
        for (const QString& name : names)
            QVERIFY(!testsupport::writeMarkingTool(program->folder.path(), name, name + QStringLiteral(".started"))
                         .isEmpty());
    }
    bool started(const QString& name) const
    {
        return QFile::exists(program->folder.filePath(name + QStringLiteral(".started")));
    }
    QString storedFlag() const
    {
        return testsupport::queryValue(program->databasePath(), QStringLiteral("SELECT AgentInstall FROM Table13"))
            .toString();
    }
    frmLoadNuvia& openInstaller(SystemChoice choice)
    {
        frmLoadNuvia& installer = program->app.form<frmLoadNuvia>();
        installer.Show();
        // The user clicks the option's round mark.
        forms::OptionButton* option = choice == SystemChoice::WindowsXP      ? installer.Option1
                                      : choice == SystemChoice::OlderWindows ? installer.Option2
                                                                             : nullptr;
        if (option) {
            QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
            [&] { QVERIFY(option->value()); }();
        }
        return installer;
    }

private slots:
    void init()
    {
        program = std::make_unique<testsupport::ProgramFixture>();
        program->app.form<contents::frmContents>();
    }
    void cleanup()
    {
        QVERIFY2(program->boxes.ok(), qPrintable(program->boxes.problems()));
        program.reset();
    }

    void speechInstallers_data()
    {
        QTest::addColumn<SystemChoice>("choice");
        QTest::addColumn<QStringList>("installers");
        QTest::newRow("none") << SystemChoice::None << QStringList();
        QTest::newRow("Windows XP") << SystemChoice::WindowsXP
                                    << QStringList({QStringLiteral("\\TruVoice.exe"), QStringLiteral("\\SPchapi.exe")});
        QTest::newRow("older Windows") << SystemChoice::OlderWindows
                                       << QStringList({QStringLiteral("\\TruVoice.exe"), QStringLiteral("\\MSagent.exe")});
    }
    void speechInstallers()
    {
        QFETCH(SystemChoice, choice);
        QFETCH(QStringList, installers);
        QCOMPARE(questionwindow::speechInstallers(choice), installers);
    }

    void opensWithNoChoice()
    {
        frmLoadNuvia& installer = openInstaller(SystemChoice::None);
        QCOMPARE(installer.windowTitle(), QStringLiteral("Install Agent Files"));
        QVERIFY(!installer.Option1->value());
        QVERIFY(!installer.Option2->value());
        QCOMPARE(installer.Option2->caption(), QStringLiteral("Windows 95, 98, NT, 2000,98 SE, Windows ME"));
        QVERIFY(installer.Text1->text().startsWith(
            QStringLiteral("In order for Nuvia the animated agent to work properly on \r\n")));
        QVERIFY(installer.Text1->text().endsWith(QStringLiteral("restart the software.\r\n")));
        QCOMPARE(installer.Text1->text().count(QStringLiteral("\r\n")), 6);
        // All six lines are seen at once, with no scroll bar beside them.
        auto* box = qobject_cast<QPlainTextEdit*>(installer.Text1->editor());
        QVERIFY(box);
        QVERIFY(QTest::qWaitForWindowExposed(&installer));
        QVERIFY(!box->verticalScrollBar()->isVisible());
        QTextCursor lastLine = box->document()->find(QStringLiteral("restart the software."));
        QVERIFY(!lastLine.isNull());
        QVERIFY(box->cursorRect(lastLine).bottom() < box->viewport()->height());
    }

    void withoutAChoiceNothingHappens()
    {
        writeInstallers({QStringLiteral("TruVoice"), QStringLiteral("SPchapi"), QStringLiteral("MSagent")});
        program->boxes.answer(forms::vbOK);
        frmLoadNuvia& installer = openInstaller(SystemChoice::None);
        QTest::mouseClick(installer.Command1, Qt::LeftButton);
        QCOMPARE(program->boxes.shown().size(), 1);
        QCOMPARE(program->boxes.shown().first().text, chooseFirst);
        QCOMPARE(program->boxes.shown().first().title, QStringLiteral("Brisolt Speaks"));
        QCOMPARE(program->boxes.shown().first().icon, int(forms::vbCritical));
        QVERIFY(program->app.isLoaded<frmLoadNuvia>());
        QVERIFY(installer.isVisible());
        QCOMPARE(storedFlag(), QStringLiteral("No"));
    }

    void install_data()
    {
        QTest::addColumn<SystemChoice>("choice");
        QTest::addColumn<QString>("flagBefore");
        QTest::addColumn<QStringList>("startedPrograms");
        QTest::addColumn<QString>("notStarted");
        QTest::newRow("Windows XP") << SystemChoice::WindowsXP << "No"
                                    << QStringList({QStringLiteral("TruVoice"), QStringLiteral("SPchapi")})
                                    << "MSagent";
        QTest::newRow("older Windows") << SystemChoice::OlderWindows << "No"
                                       << QStringList({QStringLiteral("TruVoice"), QStringLiteral("MSagent")})
                                       << "SPchapi";
        QTest::newRow("again, after an install") << SystemChoice::WindowsXP << "Yes"
                                                 << QStringList({QStringLiteral("TruVoice"), QStringLiteral("SPchapi")})
                                                 << "MSagent";
    }
    // Both programs start, the flag is stored at once, the window goes and
    // the user is asked to restart; the next opening has no choice made.
    void install()
    {
        QFETCH(SystemChoice, choice);
        QFETCH(QString, flagBefore);
        QFETCH(QStringList, startedPrograms);
        QFETCH(QString, notStarted);
        testsupport::executeSql(program->databasePath(),
                                QStringLiteral("UPDATE Table13 SET AgentInstall='%1'").arg(flagBefore));
        program->app.form<contents::frmContents>().Data3->refresh();
        writeInstallers({QStringLiteral("TruVoice"), QStringLiteral("SPchapi"), QStringLiteral("MSagent")});
        program->boxes.answer(forms::vbOK);

        frmLoadNuvia& installer = openInstaller(choice);
        QTest::mouseClick(installer.Command1, Qt::LeftButton);

        QCOMPARE(storedFlag(), QStringLiteral("Yes"));
        QCOMPARE(program->app.form<contents::frmContents>().txtAgentInstall->text(), QStringLiteral("Yes"));
        QVERIFY(!program->app.isLoaded<frmLoadNuvia>());
        QCOMPARE(program->boxes.shown().size(), 1);
        QCOMPARE(program->boxes.shown().first().text, restart);
        QCOMPARE(program->boxes.shown().first().title, QStringLiteral("Brisolt Speaks"));
        for (const QString& name : startedPrograms)
            QTRY_VERIFY2(started(name), qPrintable(name));
        QVERIFY(!started(notStarted));

        QCoreApplication::processEvents();
        frmLoadNuvia& fresh = openInstaller(SystemChoice::None);
        QVERIFY(!fresh.Option1->value());
        QVERIFY(!fresh.Option2->value());
    }

    void unstartableInstaller_data()
    {
        QTest::addColumn<SystemChoice>("choice");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("broken");   // the program that cannot start
        QTest::addColumn<QString>("state");    // "missing", "not runnable", "folder"
        QTest::addColumn<QString>("firstRuns"); // started before the failure, or ""
        QTest::newRow("first missing") << SystemChoice::WindowsXP << QStringList({QStringLiteral("SPchapi")})
                                       << "TruVoice" << "missing" << "";
        QTest::newRow("second missing") << SystemChoice::WindowsXP << QStringList({QStringLiteral("TruVoice")})
                                        << "SPchapi" << "missing" << "TruVoice";
        QTest::newRow("second of the older choice missing")
            << SystemChoice::OlderWindows << QStringList({QStringLiteral("TruVoice"), QStringLiteral("SPchapi")})
            << "MSagent" << "missing" << "TruVoice";
        QTest::newRow("first not runnable") << SystemChoice::OlderWindows
                                            << QStringList({QStringLiteral("MSagent")}) << "TruVoice"
                                            << "not runnable" << "";
        QTest::newRow("second a folder") << SystemChoice::WindowsXP << QStringList({QStringLiteral("TruVoice")})
                                         << "SPchapi" << "folder" << "TruVoice";
    }
    // The step ends at the program that cannot start, with a message naming
    // it; the flag stays "No" and the window stays for another try.
    void unstartableInstaller()
    {
        QFETCH(SystemChoice, choice);
        QFETCH(QStringList, present);
        QFETCH(QString, broken);
        QFETCH(QString, state);
        QFETCH(QString, firstRuns);
        writeInstallers(present);
        const QString brokenPath = program->folder.filePath(broken);
        if (state == QLatin1String("not runnable")) {
            QFile file(brokenPath);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("#!/bin/sh\n");
        } else if (state == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(brokenPath));
        }
        program->boxes.answer(forms::vbOK);

        frmLoadNuvia& installer = openInstaller(choice);
        QTest::mouseClick(installer.Command1, Qt::LeftButton);

        QCOMPARE(program->boxes.shown().size(), 1);
        const forms::ShownBox& box = program->boxes.shown().first();
        QVERIFY2(box.text.contains(brokenPath), qPrintable(box.text));
        QCOMPARE(box.icon, int(forms::vbCritical));
        QCOMPARE(storedFlag(), QStringLiteral("No"));
        QCOMPARE(program->app.form<contents::frmContents>().txtAgentInstall->text(), QStringLiteral("No"));
        QVERIFY(program->app.isLoaded<frmLoadNuvia>());
        if (!firstRuns.isEmpty())
            QTRY_VERIFY(started(firstRuns));
        else
            QVERIFY(!started(present.first()));
    }

    // The table of contents' File menu offers the installer whatever the flag holds.
    void theFileMenuOpensTheInstaller_data()
    {
        QTest::addColumn<QString>("flag");
        QTest::newRow("not installed") << "No";
        QTest::newRow("installed") << "Yes";
    }
    void theFileMenuOpensTheInstaller()
    {
        QFETCH(QString, flag);
        auto& contentsWindow = program->app.form<contents::frmContents>();
        contentsWindow.txtAgentInstall->setText(flag);
        emit contentsWindow.mnuLoadNuvia->click();
        QVERIFY(program->app.isLoaded<frmLoadNuvia>());
        QVERIFY(program->app.form<frmLoadNuvia>().isVisible());
    }
};

QTEST_MAIN(tst_SpeechInstaller)
#include "tst_speechinstaller.moc"
