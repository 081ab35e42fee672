#include "support/FileQuery.h"
#include "support/QuestionWindowFixture.h"

#include "platform/forms/Appearance.h"
#include "platform/media/MediaPlayer.h"
#include "questionwindow/frmMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using forms::form;
using questionwindow::frmMain;
using testsupport::executeSql;
using testsupport::queryValue;

// The load step of the question window on a copy of the sample bank. Stored
// settings are written into the file before anything loads, so the contents
// window reads them as a candidate's settings row.
class tst_Load : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::QuestionWindowFixture> fixture;

    static QList<QWidget*> styledBoxes(frmMain& w)
    {
        return {w.txtQuestion, w.txtA, w.txtB, w.txtC, w.txtD, w.txtNotes};
    }

private slots:
    void init() { fixture = std::make_unique<testsupport::QuestionWindowFixture>(); }
    void cleanup() { fixture.reset(); }

    void startsOnTheWholeTableLockedAndCountingTheFirstAnswer()
    {
        auto& w = form<frmMain>();
        QVERIFY(!w.isVisible());
        QCOMPARE(w.txtCall->text(), QStringLiteral("1"));
        QCOMPARE(w.txtChapter->text(),
                 queryValue(fixture->databasePath(), "SELECT Chapter FROM table1 ORDER BY rowid LIMIT 1").toString());
        QCOMPARE(w.txtQuestion2->text(), w.txtQuestion->text());
        QCOMPARE(w.txtAlreadyAnswered->text(), QStringLiteral("1"));
        QVERIFY(!w.mnuLock->enabled());
        QVERIFY(w.mnuUnlock->enabled());
        QVERIFY(!w.mnuUse->enabled());
        QVERIFY(!w.mnuOrder->enabled());
        QVERIFY(!w.mnuUseNuvia->visible());
        QVERIFY(w.mnuHideNuvia->visible());
        for (const char* key : {"Bold", "Italic", "Underline", "Align Left", "Center", "Align Right"})
            QVERIFY2(!w.tbToolBar->button(QString::fromLatin1(key))->enabled(), key);
        QVERIFY(w.txtQuestion->locked());
        for (forms::TextBox* counter : {w.txtCorrect, w.txtIncorrect, w.txtTotal, w.txtScore})
            QCOMPARE(counter->text(), QStringLiteral("0"));
        QVERIFY(w.txtQuestionNumbers->text().isEmpty());
        QVERIFY(w.Data2->hasRecordset());
        QVERIFY(w.Data3->hasRecordset());
        QVERIFY(w.Data4->hasRecordset());
        QVERIFY(w.Data5->hasRecordset());
        QVERIFY(!w.Data6->hasRecordset());
        QVERIFY(fixture->boxes.ok());
    }

    // The balloon and picture items offer the opposite of the stored choice;
    // only the exact "yes" and "no" count.
    void storedOptionsChooseTheItemsOnOffer_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("firstShown");
        QTest::addColumn<bool>("secondShown");
        QTest::newRow("balloon yes") << "balloon" << "yes" << false << true;
        QTest::newRow("balloon no") << "balloon" << "no" << true << false;
        QTest::newRow("balloon Yes: neither branch") << "balloon" << "Yes" << true << true;
        QTest::newRow("balloon empty") << "balloon" << "" << true << true;
        QTest::newRow("images yes") << "Images" << "yes" << false << true;
        QTest::newRow("images no") << "Images" << "no" << true << false;
        QTest::newRow("images NO: neither branch") << "Images" << "NO" << true << true;
        QTest::newRow("images empty") << "Images" << "" << true << true;
    }
    void storedOptionsChooseTheItemsOnOffer()
    {
        QFETCH(QString, field);
        QFETCH(QString, stored);
        QFETCH(bool, firstShown);
        QFETCH(bool, secondShown);
        fixture->storeSetting(field, stored);
        auto& w = form<frmMain>();
        if (field == QLatin1String("balloon")) {
            QCOMPARE(w.mnuShowBalloon->visible(), firstShown);
            QCOMPARE(w.mnuHideBalloon->visible(), secondShown);
        } else {
            QCOMPARE(w.mnuImagesShow[0]->visible(), firstShown);
            QCOMPARE(w.mnuImagesShow[1]->visible(), secondShown);
        }
    }

    // Each text-style value converts on its own: one that does not leaves
    // its property as designed while the others still apply.
    void fontSizeConvertsOnItsOwn_data()
    {
        QTest::addColumn<QString>("size");
        QTest::addColumn<bool>("applied");
        QTest::newRow("10.5") << "10.5" << true;
        QTest::newRow("14") << "14" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("a word") << "large" << false;
    }
    void fontSizeConvertsOnItsOwn()
    {
        QFETCH(QString, size);
        QFETCH(bool, applied);
        fixture->storeSetting("fontsize", size);
        fixture->storeSetting("fontbold", "True");
        fixture->storeSetting("fontcolor", "255");
        auto& w = form<frmMain>();
        for (QWidget* box : styledBoxes(w)) {
            const auto* text = static_cast<forms::TextBox*>(box);
            if (applied)
                QCOMPARE(text->fontSize(), size.toDouble());
            else
                QCOMPARE(text->fontSize(), w.txtCall->fontSize()); // the window's design size
            QVERIFY(text->fontBold());
            QCOMPARE(text->foreColor(), 255);
        }
    }

    void colourValuesReachBoxesOptionsAndLabels()
    {
        fixture->storeSetting("fontcolor", "255");
        fixture->storeSetting("backcolor", "12632256");
        auto& w = form<frmMain>();
        for (QWidget* box : styledBoxes(w)) {
            QCOMPARE(forms::foreColorOf(*box), 255);
            QCOMPARE(forms::backColorOf(*box), 12632256);
        }
        for (forms::OptionButton* option : {w.optA, w.optB, w.optC, w.optD}) {
            QCOMPARE(option->foreColor(), 255);
            QCOMPARE(option->backColor(), 12632256);
        }
        for (int index = 0; index < 4; ++index)
            QCOMPARE(w.lblA[index]->foreColor(), 255);
        QCOMPARE(w.back->backColor(), 12632256);
    }

    void boldAcceptsTrueFalseAndNumbersOnly_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("bold");
        QTest::newRow("True") << "True" << true;
        QTest::newRow("true") << "true" << true;
        QTest::newRow("-1") << "-1" << true;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("False") << "False" << false;
        QTest::newRow("yes keeps the design") << "yes" << false;
    }
    void boldAcceptsTrueFalseAndNumbersOnly()
    {
        QFETCH(QString, stored);
        QFETCH(bool, bold);
        fixture->storeSetting("fontbold", stored);
        auto& w = form<frmMain>();
        QCOMPARE(w.txtQuestion->fontBold(), bold);
        QCOMPARE(w.txtNotes->fontBold(), bold);
    }

    // A stored font name is taken as it stands; an empty one keeps the
    // design's font, which the boxes the settings do not style still show.
    void emptyFontNameKeepsTheDesignedFont_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("applied");
        QTest::newRow("a name") << "Courier" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blanks") << "   " << false;
    }
    void emptyFontNameKeepsTheDesignedFont()
    {
        QFETCH(QString, stored);
        QFETCH(bool, applied);
        fixture->storeSetting("fontmain", stored);
        fixture->storeSetting("fontsize", "13");
        auto& w = form<frmMain>();
        const QString designed = w.txtCall->fontName();
        QVERIFY(designed != QLatin1String("Courier"));
        for (QWidget* box : styledBoxes(w)) {
            const auto* text = static_cast<forms::TextBox*>(box);
            QCOMPARE(text->fontName(), applied ? stored : designed);
            QCOMPARE(text->fontSize(), 13.0); // the other values still apply
        }
    }

    // The first row's video path lies under the program folder, wherever
    // the program was started from.
    void firstRowVideo_data()
    {
        QTest::addColumn<QString>("video");
        QTest::newRow("no video") << "";
        QTest::newRow("a video") << "hose_roll.mp4";
    }
    void firstRowVideo()
    {
        QFETCH(QString, video);
        executeSql(fixture->databasePath(),
                   QStringLiteral("UPDATE table1 SET Video = '%1' WHERE ID = 1").arg(video));
        QTemporaryDir elsewhere;
        const QString started = QDir::currentPath();
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        auto& w = form<frmMain>();
        QVERIFY(QDir::setCurrent(started));
        const QString expected = fixture->folder.path() + QStringLiteral("/Video") +
                                 (video.isEmpty() ? QString() : QStringLiteral("/") + video);
        QCOMPARE(w.txtVideo->text(), expected);
        QCOMPARE(w.Video->fileName(), expected);
        QVERIFY(!w.Video->isPlaying());
        if (!video.isEmpty()) {
            // Unlike a move's record display, the load offers no video: the
            // window is not shown yet.
            QVERIFY(w.cmdShowVideo->isHidden());
            QVERIFY(w.cmdHideVideo->isHidden());
            QVERIFY(w.fraVideo->isHidden());
        }
    }

    void missingDatabaseStillLoadsWithEmptyBoxes()
    {
        QVERIFY(QFile::remove(fixture->databasePath()));
        auto& w = form<frmMain>();
        QVERIFY(!w.Data1->hasRecordset());
        for (forms::TextBox* bound : {w.txtChapter, w.txtQuestion, w.txtA, w.txtCall, w.txtNotes})
            QVERIFY(bound->text().isEmpty());
        QCOMPARE(w.txtAlreadyAnswered->text(), QStringLiteral("1"));
        QVERIFY(!w.mnuLock->enabled());
    }
};

QTEST_MAIN(tst_Load)
#include "tst_load.moc"
