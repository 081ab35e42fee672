#include "support/ProgramFixture.h"

#include "contents/StartUp.h"
#include "contents/frmContents.h"
#include "contents/frmSplash.h"
#include "platform/forms/ImageBox.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/Timer.h"
#include "platform/forms/Twips.h"
#include "platform/media/WavePlayer.h"
#include "widgets/XPStyle.h"

#include <QApplication>
#include <QStyle>
#include <QtTest>

using contents::frmContents;
using contents::frmSplash;

namespace {

// A start on a screen of a chosen size: the splash measures this one.
template <int Width, int Height>
class SplashOn : public frmSplash {
protected:
    QSize screenSize() const override { return {Width, Height}; }
};

frmSplash& startSplashOn(forms::App& app, const QSize& screen)
{
    if (screen == QSize(1024, 768))
        return app.form<SplashOn<1024, 768>>();
    if (screen == QSize(800, 600))
        return app.form<SplashOn<800, 600>>();
    if (screen == QSize(1280, 1024))
        return app.form<SplashOn<1280, 1024>>();
    if (screen == QSize(768, 1024))
        return app.form<SplashOn<768, 1024>>();
    if (screen == QSize(1024, 600))
        return app.form<SplashOn<1024, 600>>();
    qFatal("no splash for this screen");
}

} // namespace

class tst_Splash : public QObject {
    Q_OBJECT

private slots:
    void handsOverToTheTableOfContentsOnce()
    {
        testsupport::ProgramFixture program;
        QVERIFY(contents::startUp(program.app));
        frmSplash& splash = program.app.form<frmSplash>();
        QCOMPARE(program.app.activeForm(), &splash);
        QVERIFY(splash.isVisible());
        QCOMPARE(splash.Timer1->interval(), 12500);
        QVERIFY(splash.Timer1->isRunning());

        QPointer<frmSplash> gone(&splash);
        splash.Timer1->fire();

        frmContents& contents = program.app.form<frmContents>();
        QCOMPARE(program.app.activeForm(), &contents);
        QVERIFY(contents.isVisible());
        QVERIFY(!program.app.isLoaded<frmSplash>());
        QTRY_VERIFY(gone.isNull()); // destroyed once control is back in the event loop
        QVERIFY2(program.boxes.ok(), qPrintable(program.boxes.problems()));
    }

    void titlePictureIsPlacedForTheKnownScreens_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QString>("sizeText");
        QTest::addColumn<bool>("contentsLoaded");
        QTest::addColumn<int>("leftTwips");
        QTest::newRow("1024 x 768") << QSize(1024, 768) << " 1024 x 768" << true << 3000;
        QTest::newRow("800 x 600") << QSize(800, 600) << " 800 x 600" << true << 2160;
        QTest::newRow("1280 x 1024") << QSize(1280, 1024) << " 1280 x 1024" << false << 3000;
        QTest::newRow("768 x 1024, turned") << QSize(768, 1024) << " 768 x 1024" << false << 3000;
        QTest::newRow("1024 x 600") << QSize(1024, 600) << " 1024 x 600" << false << 3000;
    }
    void titlePictureIsPlacedForTheKnownScreens()
    {
        QFETCH(QSize, screen);
        QFETCH(QString, sizeText);
        QFETCH(bool, contentsLoaded);
        QFETCH(int, leftTwips);
        testsupport::ProgramFixture program;

        frmSplash& splash = startSplashOn(program.app, screen);
        QCOMPARE(splash.txtRes->text(), sizeText);
        // The rest of the load step waits for the picture to be on screen.
        QVERIFY(!program.app.isLoaded<frmContents>());
        QVERIFY(splash.Wav1->fileName().isEmpty());
        splash.Show();
        QTRY_VERIFY(!splash.Wav1->fileName().isEmpty());
        // Only the two known screens touch the table of contents during the load step.
        QCOMPARE(program.app.isLoaded<frmContents>(), contentsLoaded);

        const forms::ImageBox& title = *program.app.form<frmContents>().FXImage1;
        QCOMPARE(forms::toTwips(title.x()), leftTwips);
        QCOMPARE(forms::toTwips(title.y()), 240);
        QVERIFY2(program.boxes.ok(), qPrintable(program.boxes.problems()));
    }

    // A hand-over that comes before the picture was ever painted still
    // places the title and starts the sound first, and only once.
    void aHandOverBeforeThePictureIsShownFinishesTheLoadFirst()
    {
        testsupport::ProgramFixture program;
        frmSplash& splash = startSplashOn(program.app, QSize(800, 600));
        QVERIFY(!program.app.isLoaded<frmContents>());
        splash.Timer1->fire();

        frmContents& contents = program.app.form<frmContents>();
        QCOMPARE(program.app.activeForm(), &contents);
        QCOMPARE(forms::toTwips(contents.FXImage1->x()), 2160);
        QCOMPARE(forms::toTwips(contents.FXImage1->y()), 240);
        QVERIFY(!splash.Wav1->fileName().isEmpty());
        QVERIFY2(program.boxes.ok(), qPrintable(program.boxes.problems()));
    }

    void screenSizeTextOfThisScreen()
    {
        testsupport::ProgramFixture program;
        const frmSplash& splash = program.app.form<frmSplash>();
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        QCOMPARE(splash.txtRes->text(), QStringLiteral(" %1 x %2").arg(screen.width()).arg(screen.height()));
        QVERIFY(!splash.txtRes->isVisible());
    }

    void startUpSoundNeverStopsTheStart_data()
    {
        QTest::addColumn<QString>("sound");
        QTest::newRow("sample sound") << "sample";
        QTest::newRow("missing") << "missing";
        QTest::newRow("not a wave file") << "text";
        QTest::newRow("a folder of that name") << "folder";
    }
    void startUpSoundNeverStopsTheStart()
    {
        QFETCH(QString, sound);
        testsupport::ProgramFixture program;
        const QString path = program.folder.path() + QStringLiteral("/sound2.wav");
        if (sound != QLatin1String("sample"))
            QVERIFY(QFile::remove(path));
        if (sound == QLatin1String("text")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("RIFF? no, just words\n");
        } else if (sound == QLatin1String("folder")) {
            QVERIFY(QDir(program.folder.path()).mkdir(QStringLiteral("sound2.wav")));
        }

        QVERIFY(contents::startUp(program.app));
        frmSplash& splash = program.app.form<frmSplash>();
        QTRY_VERIFY(!splash.Wav1->fileName().isEmpty());
        QCOMPARE(QFileInfo(splash.Wav1->fileName()).absoluteFilePath(), QFileInfo(path).absoluteFilePath());
        QCOMPARE(splash.Wav1->hasPlayableFile(), sound == QLatin1String("sample") || sound == QLatin1String("text"));

        splash.Timer1->fire();
        QCOMPARE(program.app.activeForm(), &program.app.form<frmContents>());
        QVERIFY2(program.boxes.ok(), qPrintable(program.boxes.problems()));
    }

    void styleControlKeepsItsSizeAndAppliesTheLook_data()
    {
        QTest::addColumn<QSize>("offered");
        QTest::newRow("larger") << QSize(300, 200);
        QTest::newRow("smaller") << QSize(10, 10);
        QTest::newRow("empty") << QSize(0, 0);
    }
    void styleControlKeepsItsSizeAndAppliesTheLook()
    {
        QFETCH(QSize, offered);
        testsupport::ProgramFixture program;
        XPStyle& style = *program.app.form<frmSplash>().XPStyle1;
        style.resize(offered);
        QCOMPARE(forms::toTwips(style.width()), 810);
        QCOMPARE(forms::toTwips(style.height()), 810);
        QCOMPARE(style.appliedStyle().toLower(), QStringLiteral("fusion"));
        QCOMPARE(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
    }

    void startUpPictureIsDrawn()
    {
        testsupport::ProgramFixture program;
        const frmSplash& splash = program.app.form<frmSplash>();
        QVERIFY(splash.FXImage1->hasPicture());
        // It covers the whole client area.
        QVERIFY(splash.FXImage1->width() >= splash.centralWidget()->width());
        QVERIFY(splash.FXImage1->height() >= splash.centralWidget()->height());
        QCOMPARE(splash.caption(), QStringLiteral("Form1"));
        QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    }
};

QTEST_MAIN(tst_Splash)
#include "tst_splash.moc"
