#include "support/FileQuery.h"
#include "support/QuestionWindowFixture.h"
#include "support/SampleChapters.h"
#include "support/TestContainer.h"
#include "support/WriteProtection.h"

#include "appearance/art/PreviewPicture.h"
#include "editing/frmStrips.h"
#include "platform/com/Dispatch.h"
#include "platform/hosting/ControlHost.h"
#include "platform/hosting/ControlLibraries.h"
#include "platform/media/MediaPlayer.h"
#include "questionwindow/frmMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using editing::frmStrips;
using questionwindow::frmMain;
using testsupport::executeSql;
using testsupport::queryValue;

namespace {

// The captain's chapter: its third question has a picture, the others none;
// none has a video.
constexpr int withPicture = 2;
constexpr int lastQuestion = 7;

enum class Opening { PictureItem, VideoItem, CameraKey };
enum class Change { PickPicture, PickVideo, DeleteImage, DeleteVideo };

bool samePicture(const QPixmap& shown, const QImage& expected)
{
    return !shown.isNull()
           && shown.toImage().convertToFormat(QImage::Format_RGB32) == expected.convertToFormat(QImage::Format_RGB32);
}

bool writePicture(const QString& path, const QColor& color)
{
    QImage image(24, 16, QImage::Format_RGB32);
    image.fill(color);
    return image.save(path, "JPG");
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

Q_DECLARE_METATYPE(Opening)
Q_DECLARE_METATYPE(Change)

// "Edit Screen Images" beside the question window: what the question
// record keeps of a picture or video chosen there, what both windows show,
// and how a choice that cannot be kept leaves everything as it was.
class tst_Strips : public QObject {
    Q_OBJECT

    // The option button "Lead 1" comes from its control library, as in the
    // program folder.
    std::unique_ptr<testsupport::TestContainer> container;
    std::unique_ptr<testsupport::QuestionWindowFixture> fixture;

    QString pictures() const { return fixture->folder.filePath(QStringLiteral("pictures")); }
    QString videos() const { return fixture->folder.filePath(QStringLiteral("Video")); }

    // Moves with the window's own buttons, whose record display loads the
    // question's picture.
    static void moveTo(frmMain& w, int index)
    {
        w.cmdFirst_Click();
        for (int i = 0; i < index; ++i)
            w.cmdNext_Click();
    }

    // The captain's chapter on the question window, standing on a question.
    frmMain& captainsAt(int index)
    {
        frmMain& w = fixture->showChapter(testsupport::sample::captains);
        moveTo(w, index);
        return w;
    }

    frmStrips& open(frmMain& w, Opening how = Opening::PictureItem)
    {
        switch (how) {
        case Opening::PictureItem:
            emit w.mnuAddPicture->click();
            break;
        case Opening::VideoItem:
            emit w.mnuAddVideo->click();
            break;
        case Opening::CameraKey:
            w.tbToolBar_ButtonClick(QStringLiteral("Camera"));
            break;
        }
        return forms::form<frmStrips>();
    }

    static void pick(forms::FileListBox& list, const QString& name)
    {
        for (int i = 0; i < list.listCount(); ++i) {
            if (list.list(i) == name) {
                list.setListIndex(i);
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("%1 is not listed").arg(name)));
    }

    QString stored(const QString& call, const QString& field) const
    {
        return queryValue(fixture->databasePath(),
                          QStringLiteral("SELECT %1 FROM table1 WHERE Call = %2").arg(field, call))
            .toString();
    }

    // The one box shown so far says this.
    void verifyToldOnce(const QString& words) const
    {
        QCOMPARE(fixture->boxes.shown().size(), 1);
        const QString text = fixture->boxes.shown().first().text;
        QVERIFY2(text.contains(words), qPrintable(text));
        fixture->verifyNoBoxes();
    }

private slots:
    void init()
    {
        container = std::make_unique<testsupport::TestContainer>();
        QVERIFY(hosting::registerControlLibraries(QFileInfo(QStringLiteral(DRILLBOOK_QV3DOPT)).absolutePath())
                    .isEmpty());
        fixture = std::make_unique<testsupport::QuestionWindowFixture>();
        QVERIFY(writeFile(QDir(videos()).filePath(QStringLiteral("drill.mpg")), "a clip"));
        QVERIFY(writeFile(QDir(videos()).filePath(QStringLiteral("Pump.WMV")), "a clip"));
    }
    void cleanup()
    {
        fixture.reset();
        container.reset();
    }

    // ---- Opening ----------------------------------------------------------

    // The option button sits among the window's labels, boxes and buttons:
    // a click selects it and the window goes on.
    void theLeadOptionTakesAClick()
    {
        frmStrips& s = open(captainsAt(0), Opening::CameraKey);
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QVERIFY2(s.optLead1->controlWindow(), qPrintable(s.optLead1->problem()));
        QTest::mouseClick(s.optLead1->controlWindow(), Qt::LeftButton, {}, QPoint(8, s.optLead1->height() / 2));
        com::Variant value;
        QCOMPARE(com::getProperty(s.optLead1->object(), QStringLiteral("Value"), &value), com::kOk);
        bool selected = false;
        QCOMPARE(value.toBool(&selected), com::kOk);
        QVERIFY(selected);
        QVERIFY(s.isVisible());
        fixture->verifyNoBoxes();
    }

    void opensOnTheTabOfItsWay_data()
    {
        QTest::addColumn<Opening>("how");
        QTest::addColumn<int>("tab");
        QTest::newRow("Add Picture To Question") << Opening::PictureItem << 0;
        QTest::newRow("Add Video To Question") << Opening::VideoItem << 1;
        QTest::newRow("toolbar Camera") << Opening::CameraKey << 0;
    }
    void opensOnTheTabOfItsWay()
    {
        QFETCH(Opening, how);
        QFETCH(int, tab);
        frmMain& w = captainsAt(withPicture);
        frmStrips& s = open(w, how);
        QVERIFY(s.isVisible());
        QCOMPARE(forms::App::current().activeForm(), &s);
        QCOMPARE(s.SSTab2->tab(), tab);

        // Its activation took over the question shown and the two folders.
        QVERIFY(QDir(s.Dir1->path()) == QDir(pictures()));
        QVERIFY(QDir(s.File1->path()) == QDir(pictures()));
        QVERIFY(QDir(s.File2->path()) == QDir(videos()));
        QVERIFY(s.File1->findItems(QStringLiteral("hydrant.jpg"), Qt::MatchExactly).size() == 1);
        // The sample's own clips and the two written above.
        QCOMPARE(s.File2->listCount(), 4);
        QVERIFY(s.File2->findItems(QStringLiteral("drill.mpg"), Qt::MatchExactly).size() == 1);
        QCOMPARE(s.txtFile1->text(), QStringLiteral("truss.jpg"));
        QCOMPARE(s.txtFileName2->text(), w.txtVideo->text());
        QCOMPARE(s.txtFile4->text(), QString());
        QVERIFY(samePicture(s.Image1->picture(), w.FXImage1->picture().toImage()));
        fixture->verifyNoBoxes();
    }

    // A question without a picture leaves the preview as the last one showed it.
    void previewKeepsItsPictureOnAQuestionWithoutOne()
    {
        frmMain& w = captainsAt(0);
        frmStrips& s = open(w);
        QVERIFY(samePicture(s.Image1->picture(), art::emptyPreviewPicture()));

        w.Show();
        moveTo(w, withPicture);
        s.Show();
        const QImage truss = w.FXImage1->picture().toImage();
        QVERIFY(samePicture(s.Image1->picture(), truss));

        w.Show();
        moveTo(w, withPicture + 1);
        s.Show();
        QCOMPARE(s.txtFile1->text(), QString());
        QVERIFY(samePicture(s.Image1->picture(), truss));
    }

    // ---- Choosing a picture ----------------------------------------------------

    void choosingAPictureStoresItOnTheQuestionShown_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("first question") << 0;
        QTest::newRow("question with a picture") << withPicture;
        QTest::newRow("last question") << lastQuestion;
    }
    void choosingAPictureStoresItOnTheQuestionShown()
    {
        QFETCH(int, index);
        frmMain& w = captainsAt(index);
        const QString call = w.txtCall->text();
        frmStrips& s = open(w);
        pick(*s.File1, QStringLiteral("hydrant.jpg"));

        QCOMPARE(stored(call, QStringLiteral("d_strip1")), QStringLiteral("hydrant.jpg"));
        QCOMPARE(stored(call, QStringLiteral("picbox")), QStringLiteral("2"));
        QCOMPARE(w.txtCall->text(), call);
        QCOMPARE(w.txtFile1->text(), QStringLiteral("hydrant.jpg"));
        QCOMPARE(s.txtFile1->text(), QStringLiteral("hydrant.jpg"));
        QCOMPARE(QFileInfo(s.txtFileName->text()), QFileInfo(QDir(pictures()).filePath(QStringLiteral("hydrant.jpg"))));
        QCOMPARE(QFileInfo(w.FXImage1->picturePath()), QFileInfo(s.txtFileName->text()));
        QVERIFY(w.FXImage1->hasPicture());
        QVERIFY(samePicture(s.Image1->picture(), w.FXImage1->picture().toImage()));
        // The copies reading aloud uses follow the record as any move leaves them.
        QCOMPARE(w.txtQuestion2->text(), w.txtQuestion->text());
        fixture->verifyNoBoxes();
    }

    // A picture from another folder is brought into the picture folder under
    // a name no other picture there has, and the lists go back to that folder.
    void aPictureFromElsewhereIsCopiedUnderAFreeName()
    {
        QTemporaryDir camera;
        const QString source = camera.filePath(QStringLiteral("hydrant.jpg"));
        QVERIFY(writePicture(source, Qt::blue));
        QFile bankOwn(QDir(pictures()).filePath(QStringLiteral("hydrant.jpg")));
        QVERIFY(bankOwn.open(QIODevice::ReadOnly));
        const QByteArray bankBytes = bankOwn.readAll();
        bankOwn.close();

        frmMain& w = captainsAt(0);
        const QString call = w.txtCall->text();
        frmStrips& s = open(w);
        s.Dir1->setPath(camera.path());
        QVERIFY(QDir(s.File1->path()) == QDir(camera.path()));
        pick(*s.File1, QStringLiteral("hydrant.jpg"));

        const QString copy = QStringLiteral("hydrant (2).jpg");
        QCOMPARE(stored(call, QStringLiteral("d_strip1")), copy);
        QVERIFY(QDir(s.Dir1->path()) == QDir(pictures()));
        QVERIFY(s.File1->findItems(copy, Qt::MatchExactly).size() == 1);
        QVERIFY(bankOwn.open(QIODevice::ReadOnly));
        QCOMPARE(bankOwn.readAll(), bankBytes);
        QImage copied(QDir(pictures()).filePath(copy));
        QVERIFY(!copied.isNull());
        QVERIFY(qBlue(copied.pixel(3, 3)) > 200);
        QCOMPARE(QFileInfo(w.FXImage1->picturePath()), QFileInfo(QDir(pictures()).filePath(copy)));
        fixture->verifyNoBoxes();
    }

    void aPictureThatCannotBeBroughtInIsRefused()
    {
        QTemporaryDir camera;
        QVERIFY(writePicture(camera.filePath(QStringLiteral("ladder.jpg")), Qt::green));
        frmMain& w = captainsAt(0);
        const QString call = w.txtCall->text();
        frmStrips& s = open(w);
        s.Dir1->setPath(camera.path());
        const QStringList before = QDir(pictures()).entryList(QDir::Files);
        fixture->boxes.answer(forms::vbOK);
        {
            testsupport::WriteProtection closed(pictures());
            pick(*s.File1, QStringLiteral("ladder.jpg"));
        }
        verifyToldOnce(QStringLiteral("could not be copied"));
        QCOMPARE(stored(call, QStringLiteral("d_strip1")), QString());
        QCOMPARE(w.txtFile1->text(), QString());
        QCOMPARE(s.txtFile1->text(), QString());
        QCOMPARE(QDir(pictures()).entryList(QDir::Files), before);
    }

    void aFileThatIsNoPictureIsRefused()
    {
        QVERIFY(writeFile(QDir(pictures()).filePath(QStringLiteral("notes.jpg")), "Bring the halligan."));
        frmMain& w = captainsAt(withPicture);
        const QString call = w.txtCall->text();
        frmStrips& s = open(w);
        const QPixmap preview = s.Image1->picture();
        fixture->boxes.answer(forms::vbOK);
        pick(*s.File1, QStringLiteral("notes.jpg"));

        verifyToldOnce(QStringLiteral("\"notes.jpg\" is not a picture"));
        QCOMPARE(stored(call, QStringLiteral("d_strip1")), QStringLiteral("truss.jpg"));
        QCOMPARE(w.txtFile1->text(), QStringLiteral("truss.jpg"));
        QCOMPARE(s.txtFile1->text(), QStringLiteral("truss.jpg"));
        QVERIFY(samePicture(s.Image1->picture(), preview.toImage()));
    }

    // ---- Choosing a video and "&OK" -------------------------------------------------

    // On the set's first question, where the question window stands again
    // when it is back in front.
    void choosingAVideoStoresItAndOkOffersIt()
    {
        frmMain& w = captainsAt(0);
        const QString call = w.txtCall->text();
        frmStrips& s = open(w, Opening::VideoItem);
        QVERIFY(w.cmdShowVideo->isHidden());
        pick(*s.File2, QStringLiteral("drill.mpg"));

        QCOMPARE(stored(call, QStringLiteral("Video")), QStringLiteral("drill.mpg"));
        QCOMPARE(w.txtCall->text(), call);
        QCOMPARE(s.txtFile4->text(), QStringLiteral("drill.mpg"));
        const QFileInfo clip(QDir(videos()).filePath(QStringLiteral("drill.mpg")));
        QCOMPARE(QFileInfo(s.txtFileName2->text()), clip);
        // The player gets the video just chosen, not the one the record had.
        QCOMPARE(QFileInfo(w.txtVideo->text()), clip);
        QCOMPARE(w.Video->fileName(), w.txtVideo->text());

        s.Command1_Click();
        QVERIFY(!w.cmdShowVideo->isHidden());
        QVERIFY(!forms::App::current().isLoaded<frmStrips>());
        fixture->verifyNoBoxes();
    }

    void okWithoutAChoiceLeavesShowVideoAsItWas()
    {
        frmMain& w = captainsAt(1);
        frmStrips& s = open(w, Opening::VideoItem);
        s.Command1_Click();
        QVERIFY(w.cmdShowVideo->isHidden());
        QVERIFY(!forms::App::current().isLoaded<frmStrips>());
    }

    // ---- The two delete commands -----------------------------------------------------

    void deleteImageAsksFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("deleted");
        QTest::newRow("Yes") << int(forms::vbYes) << true;
        QTest::newRow("No") << int(forms::vbNo) << false;
        QTest::newRow("Cancel") << int(forms::vbCancel) << false;
    }
    void deleteImageAsksFirst()
    {
        QFETCH(int, answer);
        QFETCH(bool, deleted);
        frmMain& w = captainsAt(withPicture);
        w.cmdShow_Click();
        const QString call = w.txtCall->text();
        frmStrips& s = open(w);
        fixture->boxes.answer(answer);
        s.Command4_Click();

        QCOMPARE(fixture->boxes.shown().size(), 1);
        const forms::ShownBox& box = fixture->boxes.shown().first();
        QCOMPARE(box.text, QStringLiteral("Do You Really Want To Delete This Image?"));
        QCOMPARE(box.title, QStringLiteral("Brisolt"));
        QCOMPARE(box.buttons, int(forms::vbYesNoCancel));
        fixture->verifyNoBoxes();

        QCOMPARE(w.txtCall->text(), call);
        QCOMPARE(stored(call, QStringLiteral("d_strip1")), deleted ? QString() : QStringLiteral("truss.jpg"));
        QCOMPARE(stored(call, QStringLiteral("picbox")), deleted ? QStringLiteral("1") : QStringLiteral("2"));
        QCOMPARE(w.FXImage1->isHidden(), deleted);
        QCOMPARE(QFileInfo(s.Image1->picturePath()) == QFileInfo(QDir(pictures()).filePath(QStringLiteral("blank.jpg"))),
                 deleted);
        // The window's own picture boxes keep their texts.
        QCOMPARE(s.txtFile1->text(), QStringLiteral("truss.jpg"));
        // A deleted picture is offered no more, also once this window is
        // closed and the question window is active again.
        for (int back = 0; back < 2; ++back) {
            if (back) {
                s.Command1_Click();
                w.Show();
            }
            QVERIFY(w.cmdShow->isHidden());
            QCOMPARE(w.cmdHide->isHidden(), deleted);
        }
    }

    // Without a question, on the last one too: the move forward reaches the
    // end and the move back returns.
    void deleteVideoAsksNothing()
    {
        const QString lastCall = fixture->callsOf(testsupport::sample::captains).at(lastQuestion);
        executeSql(fixture->databasePath(), QStringLiteral("UPDATE table1 SET Video = 'drill.mpg' WHERE Call = %1").arg(lastCall));
        frmMain& w = captainsAt(lastQuestion);
        QCOMPARE(w.txtVideo1->text(), QStringLiteral("drill.mpg"));
        frmStrips& s = open(w, Opening::VideoItem);
        QVERIFY(!s.txtFileName2->text().isEmpty());
        QVERIFY(!w.cmdShowVideo->isHidden());
        s.Command12_Click();

        fixture->verifyNoBoxes();
        QCOMPARE(fixture->boxes.shown().size(), 0);
        QCOMPARE(stored(lastCall, QStringLiteral("Video")), QString());
        QCOMPARE(w.txtCall->text(), lastCall);
        QCOMPARE(w.txtVideo1->text(), QString());
        QCOMPARE(s.txtFile4->text(), QString());
        QCOMPARE(s.txtFileName2->text(), QString());
        QCOMPARE(w.txtVideo->text(), QString());
        QCOMPARE(w.Video->fileName(), QString());
        s.Command1_Click();
        w.Show();
        QVERIFY(w.cmdShowVideo->isHidden());
        QVERIFY(w.cmdHideVideo->isHidden());
    }

    // ---- Changes that cannot be kept ------------------------------------------------

    // The bank refuses the store: the user is told, and the record, the
    // question window's boxes and this window stay as they were - also after
    // the question window moves on, which stores what its boxes hold.
    void aRefusedStoreIsToldAndPutsEverythingBack_data()
    {
        QTest::addColumn<Change>("change");
        QTest::newRow("picture chosen") << Change::PickPicture;
        QTest::newRow("video chosen") << Change::PickVideo;
        QTest::newRow("Delete Image") << Change::DeleteImage;
        QTest::newRow("Delete Video") << Change::DeleteVideo;
    }
    void aRefusedStoreIsToldAndPutsEverythingBack()
    {
        QFETCH(Change, change);
        const QString call = fixture->callsOf(testsupport::sample::captains).at(withPicture);
        executeSql(fixture->databasePath(), QStringLiteral("UPDATE table1 SET Video = 'drill.mpg' WHERE Call = %1").arg(call));
        frmMain& w = captainsAt(withPicture);
        w.cmdShow_Click();
        frmStrips& s = open(w);
        const QString fullVideoPath = w.txtVideo->text();
        executeSql(fixture->databasePath(),
                   QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON table1 "
                                  "BEGIN SELECT RAISE(ABORT, 'the bank is closed for changes'); END"));

        switch (change) {
        case Change::PickPicture:
            fixture->boxes.answer(forms::vbOK);
            pick(*s.File1, QStringLiteral("hydrant.jpg"));
            break;
        case Change::PickVideo:
            fixture->boxes.answer(forms::vbOK);
            pick(*s.File2, QStringLiteral("Pump.WMV"));
            break;
        case Change::DeleteImage:
            fixture->boxes.answer(forms::vbYes).answer(forms::vbOK);
            s.Command4_Click();
            break;
        case Change::DeleteVideo:
            fixture->boxes.answer(forms::vbOK);
            s.Command12_Click();
            break;
        }
        const QString told = fixture->boxes.shown().last().text;
        QVERIFY2(told.contains(QStringLiteral("could not be stored")) && told.contains(QStringLiteral("Error 3022")),
                 qPrintable(told));
        fixture->verifyNoBoxes();

        QCOMPARE(w.txtCall->text(), call);
        QCOMPARE(w.txtFile1->text(), QStringLiteral("truss.jpg"));
        QCOMPARE(w.txtPicBox->text(), QStringLiteral("2"));
        QCOMPARE(w.txtVideo1->text(), QStringLiteral("drill.mpg"));
        QCOMPARE(w.txtVideo->text(), fullVideoPath);
        QCOMPARE(w.Video->fileName(), fullVideoPath);
        QVERIFY(!w.FXImage1->isHidden());
        QVERIFY(QFileInfo(w.FXImage1->picturePath()).fileName() == QStringLiteral("truss.jpg"));
        QCOMPARE(s.txtFile1->text(), QStringLiteral("truss.jpg"));
        QCOMPARE(s.txtFile4->text(), QString());

        executeSql(fixture->databasePath(), QStringLiteral("DROP TRIGGER refuse"));
        w.cmdNext_Click();
        w.cmdPrevious_Click();
        QCOMPARE(stored(call, QStringLiteral("d_strip1")), QStringLiteral("truss.jpg"));
        QCOMPARE(stored(call, QStringLiteral("picbox")), QStringLiteral("2"));
        QCOMPARE(stored(call, QStringLiteral("Video")), QStringLiteral("drill.mpg"));
    }

    // Nothing is written where the question window has no question whose
    // picture can be kept; the user is told why.
    void aQuestionThatCannotTakeAPictureIsRefused_data()
    {
        QTest::addColumn<QString>("recordSource");
        QTest::addColumn<bool>("entering");
        QTest::addColumn<QString>("words");
        QTest::newRow("empty set") << "SELECT * FROM table1 WHERE Chapter = 'No Such Chapter'" << false
                                   << "There is no question";
        QTest::newRow("set without the picture field")
            << "SELECT id, call, qnum, chapter, question, picbox FROM table1 WHERE Call = 5" << false
            << "do not carry their pictures";
        QTest::newRow("new question being entered") << "SELECT * FROM table1 WHERE Call = 5" << true
                                                     << "Save the new question first";
    }
    void aQuestionThatCannotTakeAPictureIsRefused()
    {
        QFETCH(QString, recordSource);
        QFETCH(bool, entering);
        QFETCH(QString, words);
        frmMain& w = fixture->loadSet(recordSource);
        if (entering)
            w.Data1->recordset().addNew();
        const int rows = fixture->storedNumber(QStringLiteral("SELECT COUNT(*) FROM table1"));
        const int named = fixture->storedNumber(QStringLiteral("SELECT COUNT(*) FROM table1 WHERE d_strip1 = 'hydrant.jpg'"));
        frmStrips& s = open(w);
        fixture->boxes.answer(forms::vbOK);
        pick(*s.File1, QStringLiteral("hydrant.jpg"));

        verifyToldOnce(words);
        QCOMPARE(fixture->storedNumber(QStringLiteral("SELECT COUNT(*) FROM table1")), rows);
        QCOMPARE(fixture->storedNumber(QStringLiteral("SELECT COUNT(*) FROM table1 WHERE d_strip1 = 'hydrant.jpg'")),
                 named);
        QCOMPARE(s.txtFile1->text(), QString());
        if (entering)
            QCOMPARE(w.Data1->recordset().editMode(), int(data::Recordset::EditAdd));
    }

    // After the user left the question window, a choice here must not load
    // it again on the whole bank and change a question nobody sees.
    void aClosedQuestionWindowIsNotOpenedAgain()
    {
        frmMain& w = captainsAt(0);
        frmStrips& s = open(w);
        w.cmdExit_Click();
        QVERIFY(!forms::App::current().isLoaded<frmMain>());
        const int named = fixture->storedNumber(QStringLiteral("SELECT COUNT(*) FROM table1 WHERE d_strip1 = 'hydrant.jpg'"));
        fixture->boxes.answer(forms::vbOK);
        pick(*s.File1, QStringLiteral("hydrant.jpg"));
        verifyToldOnce(QStringLiteral("There is no question"));
        QVERIFY(!forms::App::current().isLoaded<frmMain>());
        QCOMPARE(fixture->storedNumber(QStringLiteral("SELECT COUNT(*) FROM table1 WHERE d_strip1 = 'hydrant.jpg'")),
                 named);
        s.Command1_Click();
        QVERIFY(!forms::App::current().isLoaded<frmMain>());
    }
};

QTEST_MAIN(tst_Strips)
#include "tst_strips.moc"
