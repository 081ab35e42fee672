#include "support/ProgramFixture.h"

#include "appearance/SkinBackground.h"
#include "contents/frmContents.h"
#include "helpmenu/frmBrowser.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Label.h"
#include "platform/forms/TextBox.h"

#include <QDesktopServices>
#include <QTabWidget>
#include <QUrl>
#include <QtTest>

using helpmenu::frmBrowser;
using contents::frmContents;

namespace {

// Stands in for the system's browser: remembers what it was asked to open.
struct RecordingOpener {
    QStringList opened;
    int answer = 42;
    frmBrowser::Opener function()
    {
        return [this](const QString& address) {
            opened << address;
            return answer;
        };
    }
};

// Takes the desktop's part for some schemes while it lives: what would be
// opened is recorded instead.
class DesktopHandlers : public QObject {
    Q_OBJECT
public:
    explicit DesktopHandlers(const QStringList& schemes) : schemes_(schemes)
    {
        for (const QString& scheme : schemes_)
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~DesktopHandlers() override
    {
        for (const QString& scheme : schemes_)
            QDesktopServices::unsetUrlHandler(scheme);
    }
    QStringList opened;

public slots:
    void open(const QUrl& url) { opened << url.toString(); }

private:
    QStringList schemes_;
};

} // namespace

class tst_Browser : public QObject {
    Q_OBJECT

private slots:
    void designValuesUntilATabIsChosen()
    {
        testsupport::ProgramFixture program;
        frmBrowser& browser = program.app.form<frmBrowser>();
        browser.Show();
        QCOMPARE(browser.caption(), QStringLiteral("Connect To Brisolt On The Internet"));
        QCOMPARE(browser.txtWeb->text(), frmBrowser::mainSiteAddress);
        QCOMPARE(browser.Command1->caption(), QStringLiteral("Connect To Brisolt On The Internet"));
        QCOMPARE(browser.Command2->caption(), QStringLiteral("E&xit"));
        QCOMPARE(browser.SSTab1->count(), 4);
        QCOMPARE(browser.SSTab1->tabText(0), QStringLiteral("Brisolt Website"));
        QCOMPARE(browser.SSTab1->tabText(1), QStringLiteral("Demo Library"));
        QCOMPARE(browser.SSTab1->tabText(2), QStringLiteral("Tech Support"));
        QCOMPARE(browser.SSTab1->tabText(3), QStringLiteral("Contact Brisolt"));
    }

    void eachTabSetsAddressAndButton_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("button");
        QTest::newRow("website") << 3 << 0 << frmBrowser::mainSiteAddress << "Connect To Brislot's Main Website";
        QTest::newRow("demo library") << 0 << 1 << frmBrowser::downloadLibraryAddress
                                      << "Connect To Brislot's Free Demo Download Library";
        QTest::newRow("tech support") << 0 << 2 << frmBrowser::troubleShootingAddress
                                      << "Connect To Brislot's Trouble Shooting Page";
        QTest::newRow("contact") << 1 << 3 << frmBrowser::contactAddress << "Brisolt Software's Contact Page";
    }
    void eachTabSetsAddressAndButton()
    {
        QFETCH(int, from);
        QFETCH(int, tab);
        QFETCH(QString, address);
        QFETCH(QString, button);
        testsupport::ProgramFixture program;
        frmBrowser& browser = program.app.form<frmBrowser>();
        browser.Show();
        browser.SSTab1->setCurrentIndex(from);
        browser.txtWeb->setText(QStringLiteral("typed over"));
        browser.SSTab1->setCurrentIndex(tab);
        QCOMPARE(browser.txtWeb->text(), address);
        QCOMPARE(browser.Command1->caption(), button);
        QVERIFY(address.startsWith(QStringLiteral("https://drillbook.example/")));
    }

    void supportTabNamesTheSupportPage()
    {
        testsupport::ProgramFixture program;
        frmBrowser& browser = program.app.form<frmBrowser>();
        QCOMPARE(browser.lblSupportAddress->caption(), frmBrowser::supportAddress);
        QVERIFY(browser.SSTab1->widget(2)->isAncestorOf(browser.lblSupportAddress));
    }

    void emptyAddressIsRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("cleared") << "";
        QTest::newRow("blanks") << "   ";
        QTest::newRow("bare prefix") << "http://www.";
        QTest::newRow("bare prefix with blanks") << "  http://www.  ";
    }
    void emptyAddressIsRefused()
    {
        QFETCH(QString, typed);
        testsupport::ProgramFixture program;
        RecordingOpener opener;
        frmBrowser& browser = program.app.form<frmBrowser>();
        browser.setOpener(opener.function());
        browser.Show();
        browser.txtWeb->setText(typed);
        program.boxes.answer(forms::vbOK);
        QTest::mouseClick(browser.Command1, Qt::LeftButton);

        QVERIFY(opener.opened.isEmpty());
        QCOMPARE(program.boxes.shown().size(), 1);
        const forms::ShownBox& box = program.boxes.shown().first();
        QCOMPARE(box.title, QStringLiteral("Missing Data"));
        QCOMPARE(box.text, QStringLiteral("You don't have a web address entered for this entry"));
        QCOMPARE(box.icon, int(forms::vbCritical));
        QCOMPARE(box.buttons, int(forms::vbOKOnly));
        QVERIFY2(program.boxes.ok(), qPrintable(program.boxes.problems()));
    }

    void addressIsHandedOverTrimmedAndAsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("handed");
        QTest::newRow("a tab's page") << frmBrowser::contactAddress << frmBrowser::contactAddress;
        QTest::newRow("blanks around") << "  https://drillbook.example/faq  " << "https://drillbook.example/faq";
        QTest::newRow("no scheme") << "drillbook.example/news" << "drillbook.example/news";
        QTest::newRow("more than the bare prefix") << "http://www.drillbook.example" << "http://www.drillbook.example";
    }
    void addressIsHandedOverTrimmedAndAsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QString, handed);
        testsupport::ProgramFixture program;
        RecordingOpener opener;
        frmBrowser& browser = program.app.form<frmBrowser>();
        browser.setOpener(opener.function());
        browser.Show();
        browser.txtWeb->setText(typed);
        QTest::mouseClick(browser.Command1, Qt::LeftButton);
        QCOMPARE(opener.opened, QStringList{handed});
        QVERIFY2(program.boxes.ok(), qPrintable(program.boxes.problems()));
    }

    void refusedRequestIsReported_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("middle");
        QTest::newRow("nothing associated") << 31
                                            << " could not find a file association for https://drillbook.example/ on your "
                                               "system. You should check that your browseris correctly installed and "
                                               "associated with this type of file.";
        QTest::newRow("other failure") << 2
                                       << " had a problem running your web browser.You should check that your browser is "
                                          "correctly installed.(Error2)";
        QTest::newRow("code 32 is no success") << 32
                                               << " had a problem running your web browser.You should check that your "
                                                  "browser is correctly installed.(Error32)";
    }
    void refusedRequestIsReported()
    {
        QFETCH(int, result);
        QFETCH(QString, middle);
        testsupport::ProgramFixture program;
        RecordingOpener opener;
        opener.answer = result;
        frmBrowser& browser = program.app.form<frmBrowser>();
        browser.setOpener(opener.function());
        browser.Show();
        program.boxes.answer(forms::vbOK);
        QVERIFY(!browser.ShellToBrowser(&browser, frmBrowser::mainSiteAddress, 0));

        QCOMPARE(program.boxes.shown().size(), 1);
        const forms::ShownBox& box = program.boxes.shown().first();
        QCOMPARE(box.title, QStringLiteral("Browser Unavailable"));
        QCOMPARE(box.text, program.app.dialogs().applicationTitle() + middle);
        QCOMPARE(box.icon, int(forms::vbExclamation));
        QVERIFY(program.app.isLoaded<frmBrowser>());
        QCOMPARE(browser.txtWeb->text(), frmBrowser::mainSiteAddress);
        QVERIFY2(program.boxes.ok(), qPrintable(program.boxes.problems()));
    }

    // The system's browser opens web addresses only. One typed without a
    // scheme is handed over as typed and answered as having no browser, also
    // where a URL parser reads a scheme into it and the desktop has a handler
    // for that "scheme".
    void onlyWebAddressesReachTheBrowser_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("opened");
        QTest::newRow("web address") << "https://drillbook.example/news" << true;
        QTest::newRow("host and path") << "drillbook.example/news" << false;
        QTest::newRow("host and port") << "www.drillbook.example:8080/news" << false;
        QTest::newRow("local server") << "localhost:3000" << false;
        QTest::newRow("no host after the scheme") << "https:news" << false;
        QTest::newRow("a file") << "file:///etc/hostname" << false;
    }
    void onlyWebAddressesReachTheBrowser()
    {
        QFETCH(QString, typed);
        QFETCH(bool, opened);
        // Stands in for every handler the desktop could offer, so nothing is launched.
        DesktopHandlers handlers({"https", "http", "file", "www.drillbook.example", "localhost", "drillbook.example"});

        testsupport::ProgramFixture program;
        frmBrowser& browser = program.app.form<frmBrowser>();
        browser.Show();
        browser.txtWeb->setText(typed);
        if (!opened)
            program.boxes.answer(forms::vbOK);
        QTest::mouseClick(browser.Command1, Qt::LeftButton);

        QVERIFY2(program.boxes.ok(), qPrintable(program.boxes.problems()));
        QCOMPARE(handlers.opened, opened ? QStringList{typed} : QStringList{});
        QCOMPARE(program.boxes.shown().size(), opened ? 0 : 1);
        if (!opened) {
            const forms::ShownBox& box = program.boxes.shown().first();
            QCOMPARE(box.title, QStringLiteral("Browser Unavailable"));
            QCOMPARE(box.text, program.app.dialogs().applicationTitle() + " could not find a file association for "
                                   + typed
                                   + " on your system. You should check that your browseris correctly installed "
                                     "and associated with this type of file.");
        }
        QCOMPARE(browser.txtWeb->text(), typed);
    }

    void acceptedRequestSaysNothing()
    {
        testsupport::ProgramFixture program;
        RecordingOpener opener;
        opener.answer = 33;
        frmBrowser& browser = program.app.form<frmBrowser>();
        browser.setOpener(opener.function());
        QVERIFY(browser.ShellToBrowser(&browser, frmBrowser::contactAddress, 0));
        QVERIFY(program.boxes.shown().isEmpty());
    }

    void backgroundFollowsTheSkin_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::addColumn<QString>("picture"); // "" keeps the one shown before
        QTest::newRow("Nantucket 2") << "Nantucket 2" << "nan2.jpg";
        QTest::newRow("Nantucket") << "Nantucket" << "nan5.jpg";
        QTest::newRow("Parchment") << "Parchment" << "parch1.jpg";
        QTest::newRow("Dune") << "Dune" << "dune1.jpg";
        QTest::newRow("White Brick") << "White Brick" << "whitebrick.jpg";
        QTest::newRow("letter case counts") << "water" << "";
        QTest::newRow("blank counts") << "Water " << "";
        QTest::newRow("unknown") << "Electric" << "";
    }
    void backgroundFollowsTheSkin()
    {
        QFETCH(QString, skin);
        QFETCH(QString, picture);
        testsupport::ProgramFixture program;
        frmContents& contents = program.app.form<frmContents>();
        frmBrowser& browser = program.app.form<frmBrowser>();
        contents.txtSkin->setText(QStringLiteral("Paper"));
        browser.Show();
        QVERIFY(browser.FXImage1->picturePath().endsWith(QStringLiteral("paper2.jpg")));

        contents.txtSkin->setText(skin);
        contents.Show();
        browser.Show(); // activated again
        const QString expected = picture.isEmpty() ? QStringLiteral("paper2.jpg") : picture;
        QVERIFY2(browser.FXImage1->picturePath().endsWith(expected), qPrintable(browser.FXImage1->picturePath()));
        QVERIFY(browser.FXImage1->hasPicture());
    }

    void allFifteenSkinsHaveABackgroundFile()
    {
        testsupport::ProgramFixture program;
        const QStringList skins = {"Beach", "White Brick", "Blue",  "Blue Brick", "Leather",
                                   "Dune",  "Marble",      "Paper", "Parchment",  "Rock",
                                   "Sand",  "Smoke",       "Water", "Nantucket 2", "Nantucket"};
        for (const QString& skin : skins) {
            const QString file = frmBrowser::backgroundOfSkin(skin);
            QVERIFY2(!file.isEmpty(), qPrintable(skin));
            QVERIFY2(QFileInfo(program.app.file(file)).isFile(), qPrintable(file));
        }
    }

    void exitUnloadsAndTheNextShowStartsFromTheDesign()
    {
        testsupport::ProgramFixture program;
        frmBrowser& browser = program.app.form<frmBrowser>();
        browser.Show();
        browser.SSTab1->setCurrentIndex(2);
        QTest::mouseClick(browser.Command2, Qt::LeftButton);
        QVERIFY(!program.app.isLoaded<frmBrowser>());

        frmBrowser& again = program.app.form<frmBrowser>();
        QCOMPARE(again.txtWeb->text(), frmBrowser::mainSiteAddress);
        QCOMPARE(again.Command1->caption(), QStringLiteral("Connect To Brisolt On The Internet"));
        QCOMPARE(again.SSTab1->currentIndex(), 0);
    }
};

QTEST_MAIN(tst_Browser)
#include "tst_browser.moc"
