#include "support/ProgramFixture.h"

#include "contents/frmContents.h"
#include "helpmenu/HelpBinding.h"
#include "platform/help/HelpFile.h"
#include "platform/help/HelpViewer.h"

#include <QAction>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QtTest>

using helpmenu::helpViewer;

class tst_Help : public QObject {
    Q_OBJECT

private slots:
    void helpFileSitsInTheProgramFolder_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("folder") << "/opt/drillbook" << "/opt/drillbook/TARNIV.HLP";
        QTest::newRow("root") << "/" << "/TARNIV.HLP";
        QTest::newRow("trailing separator") << "/opt/drillbook/" << "/opt/drillbook/TARNIV.HLP";
        QTest::newRow("drive root") << "C:\\" << "C:\\TARNIV.HLP";
        QTest::newRow("blank after the separator") << "/media/usb/ " << "/media/usb/ TARNIV.HLP";
        QTest::newRow("blank inside the name") << "/home/pat/fire study" << "/home/pat/fire study/TARNIV.HLP";
    }
    void helpFileSitsInTheProgramFolder()
    {
        QFETCH(QString, folder);
        QFETCH(QString, expected);
        QCOMPARE(helpmenu::helpFilePath(folder), expected);
    }

    void initHelpBindsTheProgramsHelpFile()
    {
        testsupport::ProgramFixture program;
        QCOMPARE(helpmenu::boundHelpFile(), QString());
        QWidget owner;
        helpmenu::InitHelp(&owner);
        QCOMPARE(helpmenu::boundHelpFile(), program.folder.path() + QStringLiteral("/TARNIV.HLP"));
        QCOMPARE(helpmenu::boundHelpWindow(), &owner);
        QVERIFY(QFileInfo::exists(helpmenu::boundHelpFile()));
    }

    void tableOfContentsBindsHelpWhenItLoads()
    {
        testsupport::ProgramFixture program;
        contents::frmContents& home = program.app.form<contents::frmContents>();
        QCOMPARE(helpmenu::boundHelpWindow(), &home);
        QCOMPARE(helpmenu::boundHelpFile(), program.folder.path() + QStringLiteral("/TARNIV.HLP"));
    }

    void aNewRunStartsUnbound()
    {
        {
            testsupport::ProgramFixture first;
            QWidget owner;
            helpmenu::InitHelp(&owner);
            QVERIFY(helpmenu::ShowHelpContents());
        }
        testsupport::ProgramFixture second;
        QCOMPARE(helpmenu::boundHelpFile(), QString());
        QCOMPARE(helpViewer(), nullptr);
    }

    void contentsOpenAtTheIndex()
    {
        testsupport::ProgramFixture program;
        QWidget owner;
        helpmenu::InitHelp(&owner);
        QVERIFY(helpmenu::ShowHelpContents());
        help::HelpViewer* viewer = helpViewer();
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->currentTopic(), QStringLiteral("index"));
        QCOMPARE(viewer->windowTitle(), QStringLiteral("drillbook Help"));
        QVERIFY(viewer->browser()->toPlainText().contains(QStringLiteral("The five answer modes")));

        // Asking again after wandering off comes back to the index, in the same window.
        viewer->followLink(QUrl(QStringLiteral("#scoring")));
        QCOMPARE(viewer->currentTopic(), QStringLiteral("scoring"));
        QVERIFY(helpmenu::ShowHelpContents());
        QCOMPARE(helpViewer(), viewer);
        QCOMPARE(viewer->currentTopic(), QStringLiteral("index"));
        QVERIFY(!viewer->backAction()->isEnabled());
        QVERIFY2(program.boxes.ok(), qPrintable(program.boxes.problems()));
    }

    void linksLeadBetweenPages()
    {
        testsupport::ProgramFixture program;
        QVERIFY(helpmenu::ShowHelpContents());
        help::HelpViewer& viewer = *helpViewer();

        viewer.followLink(QUrl(QStringLiteral("#answer-modes")));
        QCOMPARE(viewer.currentTopic(), QStringLiteral("answer-modes"));
        QVERIFY(viewer.windowTitle().endsWith(QStringLiteral("The five answer modes")));
        viewer.followLink(QUrl(QStringLiteral("#reading-mode")));
        QCOMPARE(viewer.currentTopic(), QStringLiteral("reading-mode"));

        // A link to no page leaves the page as it is.
        viewer.followLink(QUrl(QStringLiteral("#no-such-page")));
        QCOMPARE(viewer.currentTopic(), QStringLiteral("reading-mode"));

        viewer.goBack();
        QCOMPARE(viewer.currentTopic(), QStringLiteral("answer-modes"));
        viewer.contentsAction()->trigger();
        QCOMPARE(viewer.currentTopic(), QStringLiteral("index"));
        viewer.goBack();
        QCOMPARE(viewer.currentTopic(), QStringLiteral("answer-modes"));
        viewer.goBack();
        viewer.goBack();
        QCOMPARE(viewer.currentTopic(), QStringLiteral("index"));
        QVERIFY(!viewer.backAction()->isEnabled());
    }

    void helpFileHoldsTheChaptersTheCandidateNeeds_data()
    {
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QStringList>("mentions");
        QTest::newRow("index") << "index" << QStringList{QStringLiteral("Choose a topic")};
        QTest::newRow("answer modes") << "answer-modes"
                                      << QStringList{QStringLiteral("Use Answer Button"), QStringLiteral("Bypass Answer Button"),
                                                     QStringLiteral("Turbo Answer"),
                                                     QStringLiteral("Don't Tell Me How I'm Doing"),
                                                     QStringLiteral("Flash Card Mode")};
        QTest::newRow("reading mode") << "reading-mode"
                                      << QStringList{QStringLiteral("Nuvaa Reads Test And Gives You Time To Answer")};
        QTest::newRow("drill sets") << "review-sets"
                                    << QStringList{QStringLiteral("Drill Questions Saved In Elephant Mode"),
                                                   QStringLiteral("Display All Incorrectly Answered Questions")};
        QTest::newRow("starting") << "starting" << QStringList{QStringLiteral("The Entire Test")};
        QTest::newRow("printing") << "printing" << QStringList{QStringLiteral("answer sheet"), QStringLiteral("flash cards")};
        QTest::newRow("terminology") << "terminology" << QStringList{QStringLiteral("Terminology")};
        QTest::newRow("banks") << "banks" << QStringList{QStringLiteral("Show Chapter Palette")};
    }
    void helpFileHoldsTheChaptersTheCandidateNeeds()
    {
        QFETCH(QString, topic);
        QFETCH(QStringList, mentions);
        testsupport::ProgramFixture program;
        help::HelpFile file;
        QVERIFY2(file.load(program.folder.path() + QStringLiteral("/TARNIV.HLP")), qPrintable(file.errorString()));
        const help::HelpTopic* page = file.topic(topic);
        QVERIFY2(page, qPrintable(topic));
        QTextDocument text;
        text.setHtml(page->html);
        for (const QString& mention : mentions)
            QVERIFY2(text.toPlainText().contains(mention), qPrintable(mention));
    }

    void everyLinkOfTheHelpFileFindsItsPage()
    {
        testsupport::ProgramFixture program;
        help::HelpFile file;
        QVERIFY(file.load(program.folder.path() + QStringLiteral("/TARNIV.HLP")));
        static const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
        QStringList linkedFromIndex;
        for (const help::HelpTopic& page : file.topics()) {
            auto links = link.globalMatch(page.html);
            while (links.hasNext()) {
                const QString target = links.next().captured(1);
                QVERIFY2(target.startsWith(QLatin1Char('#')), qPrintable(page.id + QStringLiteral(": ") + target));
                QVERIFY2(file.topic(target.mid(1)), qPrintable(page.id + QStringLiteral(" links to ") + target));
                if (page.id == QLatin1String("index"))
                    linkedFromIndex << target.mid(1);
            }
        }
        // The contents reach every page.
        for (const help::HelpTopic& page : file.topics()) {
            if (page.id != QLatin1String("index"))
                QVERIFY2(linkedFromIndex.contains(page.id), qPrintable(page.id));
        }
    }

    void unreadableHelpFileIsReportedByTheViewer_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("no contents page") << QByteArray("<html><body><h1 id=\"start\">Start</h1><p>Hello</p></body></html>");
        QTest::newRow("not a document") << QByteArrayLiteral("\x00\x01\x02\x03 plain bytes");
    }
    void unreadableHelpFileIsReportedByTheViewer()
    {
        QFETCH(QByteArray, content);
        testsupport::ProgramFixture program;
        const QString path = program.folder.path() + QStringLiteral("/TARNIV.HLP");
        QVERIFY(QFile::remove(path));
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        QWidget owner;
        helpmenu::InitHelp(&owner);
        QVERIFY(!helpmenu::ShowHelpContents());
        help::HelpViewer* viewer = helpViewer();
        QVERIFY(viewer && viewer->isVisible());
        QCOMPARE(viewer->currentTopic(), QString());
        QVERIFY(viewer->browser()->toPlainText().contains(QStringLiteral("TARNIV.HLP")));
        QVERIFY(!viewer->contentsAction()->isEnabled());
        // The program itself shows no box.
        QVERIFY2(program.boxes.ok(), qPrintable(program.boxes.problems()));
    }
};

QTEST_MAIN(tst_Help)
#include "tst_help.moc"
