#include "support/FullDisk.h"
#include "support/ProgramFixture.h"

#include "platform/print/Poppler.h"
#include "platform/print/SampleDocuments.h"

#include "platform/forms/Captions.h"
#include "platform/forms/FlatButton.h"
#include "platform/print/PrintControl.h"
#include "platform/print/SavedTestFile.h"
#include "printing/PreviewDocument.h"
#include "printing/frmPrint.h"
#include "printing/frmSearch.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using printing::frmPrint;

namespace {

const QString exitPrompt = QStringLiteral("Save File Before Exit??");

// A printed test of `questions` questions in the one print document, shown
// in the preview as a product shows it.
frmPrint& showTest(int questions, printing::Return back = printing::Return::toCaller)
{
    print::PrintControl& document = printing::printDocument();
    document.startDocument();
    printtest::composeTest(document, questions);
    document.endDocument();
    printing::showDocument(printing::constructedTestPackage, back);
    return forms::form<frmPrint>();
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The mouse moving over a control with no button held, as the window system
// reports it to a control that tracks the mouse.
void moveOver(QWidget* control)
{
    const QPointF at(2, 2);
    QMouseEvent move(QEvent::MouseMove, at, control->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(control, &move);
}

} // namespace

class FrmPrintTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void savedTestComesBackWithIdenticalPages();
    void cancelledDialogChangesNothing_data();
    void cancelledDialogChangesNothing();
    void failuresAreToldAndChangeNothing_data();
    void failuresAreToldAndChangeNothing();
    void exitAsksBeforeAnUnsavedDocumentIsLost_data();
    void exitAsksBeforeAnUnsavedDocumentIsLost();
    void aDocumentStillInItsFileIsNotAskedFor_data();
    void aDocumentStillInItsFileIsNotAskedFor();
    void savedTestGetsItsExtension_data();
    void savedTestGetsItsExtension();
    void printsTheChosenCopiesOnceEach_data();
    void printsTheChosenCopiesOnceEach();
    void cancelledPrintDialogPrintsNothing();
    void refusedWriteKeepsTheEarlierFile_data();
    void refusedWriteKeepsTheEarlierFile();
    void everyProductSaysWhereLeavingReturns();
    void buttonLooksFollowTheMouse();
    void accessKeysPressTheButtons_data();
    void accessKeysPressTheButtons();
    void screenReaderPressesTheButtons_data();
    void screenReaderPressesTheButtons();
    void leavingATerminologyPrintoutGoesBack();

private:
    std::unique_ptr<testsupport::ProgramFixture> program_;
    std::unique_ptr<QTemporaryDir> dir_;
    QString file(const QString& name) const { return dir_->filePath(name); }
    forms::ScriptedDialogs& boxes() { return program_->boxes; }
    void checkBoxes() { QVERIFY2(boxes().ok(), qPrintable(boxes().problems())); }
};

void FrmPrintTest::init()
{
    program_ = std::make_unique<testsupport::ProgramFixture>();
    dir_ = std::make_unique<QTemporaryDir>();
}

void FrmPrintTest::cleanup()
{
    program_.reset();
    dir_.reset();
}

// A test saved from the preview and opened again shows exactly the pages it
// was saved with, under the saved-test caption, and counts as saved.
void FrmPrintTest::savedTestComesBackWithIdenticalPages()
{
    frmPrint& w = showTest(40);
    const print::Document saved = w.VSPrinter1->document();
    QVERIFY(saved.pages.size() > 1);
    QCOMPARE(w.SavedMarker, QStringLiteral("No"));

    boxes().chooseFile(file(QStringLiteral("test.qfx")));
    w.butSave_Click();
    QCOMPARE(w.SavedMarker, QStringLiteral("Yes"));

    showTest(2);
    QVERIFY(w.VSPrinter1->document() != saved);
    QCOMPARE(w.SavedMarker, QStringLiteral("No"));
    boxes().chooseFile(file(QStringLiteral("test.qfx")));
    w.cmdOpen_Click();
    checkBoxes();
    QVERIFY(w.VSPrinter1->document() == saved);
    QCOMPARE(w.FXLabel1->caption(), QStringLiteral("Saved Test"));
    QCOMPARE(w.SavedMarker, QStringLiteral("Yes"));
    // The save dialog proposed the file chosen before, and asked before replacing one.
    QCOMPARE(boxes().shown().at(0).defaultText, QString());
    QCOMPARE(boxes().shown().at(1).defaultText, file(QStringLiteral("test.qfx")));
}

// Cancel in the save or open dialog touches neither the last file nor the
// document shown, and does not count as a save.
void FrmPrintTest::cancelledDialogChangesNothing_data()
{
    QTest::addColumn<bool>("save");
    QTest::newRow("save") << true;
    QTest::newRow("open") << false;
}

void FrmPrintTest::cancelledDialogChangesNothing()
{
    QFETCH(bool, save);
    frmPrint& w = showTest(3);
    const QString last = file(QStringLiteral("last.qfx"));
    boxes().chooseFile(last);
    w.butSave_Click();
    const QByteArray lastBytes = contentsOf(last);

    showTest(25);
    const print::Document shown = w.VSPrinter1->document();
    boxes().cancelFileDialog();
    if (save)
        w.butSave_Click();
    else
        w.cmdOpen_Click();
    checkBoxes();
    QCOMPARE(contentsOf(last), lastBytes);
    QVERIFY(w.VSPrinter1->document() == shown);
    QCOMPARE(w.FXLabel1->caption(), QString(printing::constructedTestPackage));
    QCOMPARE(w.SavedMarker, QStringLiteral("No"));
}

// A file that cannot be written or read is told with its name, and the
// preview keeps its document and counts it as unsaved.
void FrmPrintTest::failuresAreToldAndChangeNothing_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // written first, for an open
    QTest::newRow("save into a missing folder") << true << QStringLiteral("missing/test.qfx") << QByteArray();
    QTest::newRow("open a missing file") << false << QStringLiteral("gone.qfx") << QByteArray();
    QTest::newRow("open a foreign file") << false << QStringLiteral("notes.qfx") << QByteArray("just some notes\n");
    QByteArray cut = print::savedTestBytes(printtest::mixedDocument());
    cut.chop(cut.size() / 2);
    QTest::newRow("open a file cut short") << false << QStringLiteral("cut.qfx") << cut;
}

void FrmPrintTest::failuresAreToldAndChangeNothing()
{
    QFETCH(bool, save);
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    if (!bytes.isEmpty()) {
        QFile out(file(name));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    frmPrint& w = showTest(5);
    const print::Document shown = w.VSPrinter1->document();
    boxes().chooseFile(file(name)).answer(forms::vbOK);
    if (save)
        w.butSave_Click();
    else
        w.cmdOpen_Click();
    checkBoxes();
    QCOMPARE(boxes().shown().size(), 2);
    QVERIFY2(boxes().shown().at(1).text.contains(name.section(QLatin1Char('/'), -1)),
             qPrintable(boxes().shown().at(1).text));
    QVERIFY(w.VSPrinter1->document() == shown);
    QCOMPARE(w.FXLabel1->caption(), QString(printing::constructedTestPackage));
    QCOMPARE(w.SavedMarker, QStringLiteral("No"));
    QVERIFY(w.isVisible());
}

// Exit leaves at once after a save or an open; otherwise it asks. Yes saves
// and stays; only a save that reached the file lets the next Exit leave
// without asking.
void FrmPrintTest::exitAsksBeforeAnUnsavedDocumentIsLost_data()
{
    QTest::addColumn<QString>("before"); // "", "save", "open"
    QTest::addColumn<int>("answer");     // to the prompt; 0: no prompt expected
    QTest::addColumn<QString>("chosen"); // the file the Yes save chooses; "" cancels
    QTest::addColumn<bool>("unloaded");
    QTest::addColumn<bool>("asksAgain");

    QTest::newRow("no leaves") << "" << int(forms::vbNo) << "" << true << false;
    QTest::newRow("cancel stays unsaved") << "" << int(forms::vbCancel) << "" << false << true;
    QTest::newRow("yes saves and stays") << "" << int(forms::vbYes) << "kept.qfx" << false << false;
    QTest::newRow("yes, save cancelled") << "" << int(forms::vbYes) << "" << false << true;
    QTest::newRow("yes, save failed") << "" << int(forms::vbYes) << "missing/kept.qfx" << false << true;
    QTest::newRow("after a save") << "save" << 0 << "" << true << false;
    QTest::newRow("after an open") << "open" << 0 << "" << true << false;
}

void FrmPrintTest::exitAsksBeforeAnUnsavedDocumentIsLost()
{
    QFETCH(QString, before);
    QFETCH(int, answer);
    QFETCH(QString, chosen);
    QFETCH(bool, unloaded);
    QFETCH(bool, asksAgain);

    const QString earlier = file(QStringLiteral("earlier.qfx"));
    print::saveSavedTest(earlier, printtest::mixedDocument());
    frmPrint& w = showTest(4);
    if (!before.isEmpty()) {
        boxes().chooseFile(before == QLatin1String("save") ? file(QStringLiteral("saved.qfx")) : earlier);
        before == QLatin1String("save") ? w.butSave_Click() : w.cmdOpen_Click();
    }
    if (answer != 0)
        boxes().answer(answer);
    if (answer == forms::vbYes) {
        if (chosen.isEmpty())
            boxes().cancelFileDialog();
        else
            boxes().chooseFile(file(chosen));
        if (chosen.contains(QLatin1Char('/')))
            boxes().answer(forms::vbOK); // the failure is told
    }
    w.cmdExit_Click();
    checkBoxes();
    if (answer != 0) {
        const forms::ShownBox prompt = boxes().shown().at(before.isEmpty() ? 0 : 1);
        QCOMPARE(prompt.text, exitPrompt);
        // Escape on the prompt gives Cancel, never the Yes that saves.
        QCOMPARE(forms::Dialogs::cancelAnswer(prompt.buttons), int(forms::vbCancel));
    }
    QCOMPARE(program_->app.isLoaded<frmPrint>(), !unloaded);
    if (unloaded)
        return;

    // The second Exit: asked again, and No leaves; or it leaves at once.
    const qsizetype shown = boxes().shown().size();
    if (asksAgain)
        boxes().answer(forms::vbNo);
    w.cmdExit_Click();
    checkBoxes();
    QCOMPARE(boxes().shown().size(), shown + (asksAgain ? 1 : 0));
    QVERIFY(!program_->app.isLoaded<frmPrint>());
}

// A saved test opened by the program's Open, or a document saved or opened
// here and come back to from another window, is still in its file: Exit
// leaves without asking. A new product shown after a save is not.
void FrmPrintTest::aDocumentStillInItsFileIsNotAskedFor_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("asks");
    QTest::newRow("program's open") << "program open" << false;
    QTest::newRow("open, away and back") << "product,open,away" << false;
    QTest::newRow("save, away and back") << "product,save,away" << false;
    QTest::newRow("save, then a new product") << "product,save,product" << true;
    QTest::newRow("a product, away and back") << "product,away" << true;
}

void FrmPrintTest::aDocumentStillInItsFileIsNotAskedFor()
{
    QFETCH(QString, steps);
    QFETCH(bool, asks);
    const QString earlier = file(QStringLiteral("earlier.qfx"));
    print::saveSavedTest(earlier, printtest::mixedDocument());
    for (const QString& step : steps.split(QLatin1Char(','))) {
        frmPrint& w = forms::form<frmPrint>();
        if (step == QLatin1String("product")) {
            showTest(3);
        } else if (step == QLatin1String("program open")) {
            boxes().chooseFile(earlier);
            printing::openSavedTest();
            QVERIFY(w.isVisible());
        } else if (step == QLatin1String("open")) {
            boxes().chooseFile(earlier);
            w.cmdOpen_Click();
        } else if (step == QLatin1String("save")) {
            boxes().chooseFile(file(QStringLiteral("saved.qfx")));
            w.butSave_Click();
        } else {
            forms::form<printing::frmSearch>().Show();
            w.Show();
        }
    }
    checkBoxes();
    const qsizetype shown = boxes().shown().size();
    if (asks)
        boxes().answer(forms::vbNo);
    forms::form<frmPrint>().cmdExit_Click();
    checkBoxes();
    QCOMPARE(boxes().shown().size(), shown + (asks ? 1 : 0));
    QVERIFY(!program_->app.isLoaded<frmPrint>());
}

// A name typed without an extension is saved with ".qfx", so Open, which
// lists only those, finds it; a name with an extension is kept.
void FrmPrintTest::savedTestGetsItsExtension_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("bare name") << "midterm" << "midterm.qfx";
    QTest::newRow("with the extension") << "final.qfx" << "final.qfx";
    QTest::newRow("another extension") << "notes.txt" << "notes.txt";
}

void FrmPrintTest::savedTestGetsItsExtension()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    frmPrint& w = showTest(3);
    boxes().chooseFile(file(typed));
    w.butSave_Click();
    checkBoxes();
    QVERIFY(QFile::exists(file(written)));
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{written});
    QCOMPARE(w.lastFileName, file(written));
}

// Each copy is the whole of the chosen pages, printed once: the printer is
// never also told to make copies of its own.
void FrmPrintTest::printsTheChosenCopiesOnceEach_data()
{
    QTest::addColumn<int>("copies");
    QTest::addColumn<int>("fromPage");
    QTest::addColumn<int>("toPage");
    // The pages each copy holds, first to last; 0 as the last is the test's
    // own last page, whose number follows from the fonts the page is set in.
    QTest::addColumn<int>("firstPrinted");
    QTest::addColumn<int>("lastPrinted");
    QTest::newRow("one copy") << 1 << 0 << 0 << 1 << 0;
    QTest::newRow("three copies") << 3 << 0 << 0 << 1 << 0;
    QTest::newRow("two copies of page 2") << 2 << 2 << 2 << 2 << 2;
    QTest::newRow("pages 2 to 4") << 1 << 2 << 4 << 2 << 4;
    QTest::newRow("a range past the end") << 1 << 5 << 20 << 5 << 0;
}

void FrmPrintTest::printsTheChosenCopiesOnceEach()
{
    QFETCH(int, copies);
    QFETCH(int, fromPage);
    QFETCH(int, toPage);
    QFETCH(int, firstPrinted);
    QFETCH(int, lastPrinted);
    frmPrint& w = showTest(40);
    const int pages = w.VSPrinter1->pageCount();
    QVERIFY2(pages > 5 && pages < 20, qPrintable(QStringLiteral("a 40-question test of %1 pages").arg(pages)));
    const int pagesPrinted = copies * ((lastPrinted ? lastPrinted : pages) - firstPrinted + 1);
    const QString pdf = file(QStringLiteral("printed.pdf"));
    boxes().choosePrinting({copies, fromPage, toPage, pdf});
    w.cmdPrint_Click();
    checkBoxes();
    QCOMPARE(printtest::pdfPages(pdf), pagesPrinted);
    QVERIFY(!w.VSPrinter1->screenPreview());
}

// Cancel prints nothing and says nothing; a printer that cannot start is told.
void FrmPrintTest::cancelledPrintDialogPrintsNothing()
{
    frmPrint& w = showTest(3);
    boxes().cancelPrintDialog();
    w.cmdPrint_Click();
    checkBoxes();
    QCOMPARE(boxes().shown().size(), 1);
    QVERIFY(w.VSPrinter1->screenPreview());

    boxes().choosePrinting({1, 0, 0, file(QStringLiteral("missing/printed.pdf"))}).answer(forms::vbOK);
    w.cmdPrint_Click();
    checkBoxes();
    QVERIFY2(boxes().shown().last().text.startsWith(QLatin1String("The test was not printed.")),
             qPrintable(boxes().shown().last().text));
}

// Printing to a PDF, or saving the test, over an earlier file on a disk that
// refuses the write: the earlier file keeps its bytes, the box says what was
// not done, naming the file and the reason, and a refused save does not
// count as saved. Once there is room, the same step goes through.
void FrmPrintTest::refusedWriteKeepsTheEarlierFile_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<bool>("fullFilesystem");
    QTest::addColumn<QString>("reason");
    const QString noSpace = QStringLiteral("No space left on device");
    QTest::newRow("print, full file system") << false << true << noSpace;
    QTest::newRow("print, file size limit") << false << false << QStringLiteral("the file ends early");
    QTest::newRow("save, full file system") << true << true << noSpace;
    QTest::newRow("save, file size limit") << true << false << QStringLiteral("File too large");
}

void FrmPrintTest::refusedWriteKeepsTheEarlierFile()
{
    QFETCH(bool, save);
    QFETCH(bool, fullFilesystem);
    QFETCH(QString, reason);
    testsupport::RefusingDisk disk(fullFilesystem, 1024);
    if (!disk.ready())
        QSKIP(qPrintable(disk.whyNot()));
    const QString path = disk.filePath(save ? QStringLiteral("earlier.qfx") : QStringLiteral("earlier.pdf"));
    // The dialog chooses the earlier file; a refused write is told in a box.
    const auto writeThroughTheWindow = [&](frmPrint& w, bool refused) {
        if (save)
            boxes().chooseFile(path);
        else
            boxes().choosePrinting({1, 0, 0, path});
        if (refused)
            boxes().answer(forms::vbOK);
        save ? w.butSave_Click() : w.cmdPrint_Click();
    };
    writeThroughTheWindow(showTest(1), false);
    checkBoxes();
    const QByteArray before = contentsOf(path);
    QVERIFY(!before.isEmpty());

    frmPrint& w = showTest(20);
    QVERIFY(disk.refuse(save ? 16 : before.size() / 2));
    writeThroughTheWindow(w, true);
    QVERIFY(disk.allow());
    checkBoxes();
    const QString told = boxes().shown().last().text;
    const QLatin1String notDone = save ? QLatin1String("The test was not saved.")
                                       : QLatin1String("The test was not printed.");
    QVERIFY2(told.startsWith(notDone) && told.contains(path) && told.contains(reason), qPrintable(told));
    QCOMPARE(contentsOf(path), before);
    QCOMPARE(w.SavedMarker, QStringLiteral("No"));

    writeThroughTheWindow(w, false);
    checkBoxes();
    QVERIFY(contentsOf(path) != before);
    if (save)
        QCOMPARE(w.SavedMarker, QStringLiteral("Yes"));
    else
        QCOMPARE(printtest::pdfPages(path), w.VSPrinter1->pageCount());
}

// A terminology printout returns to its window; whatever comes after it
// clears the route, so a test package shown later returns nowhere.
void FrmPrintTest::everyProductSaysWhereLeavingReturns()
{
    frmPrint& w = showTest(2, printing::Return::toTerminology);
    QCOMPARE(w.txtRoute->text(), QStringLiteral("Terms"));
    showTest(2);
    QCOMPARE(w.txtRoute->text(), QString());
}

void FrmPrintTest::buttonLooksFollowTheMouse()
{
    frmPrint& w = showTest(1);
    using forms::FlatButton;
    moveOver(w.butSave);
    QCOMPARE(w.butSave->look(), int(FlatButton::Hover));
    QTest::mousePress(w.cmdOpen, Qt::LeftButton);
    QCOMPARE(w.cmdOpen->look(), int(FlatButton::Pressed));
    // Moving over a pressed button keeps it pressed.
    moveOver(w.cmdOpen);
    QCOMPARE(w.cmdOpen->look(), int(FlatButton::Pressed));
    moveOver(w.fraPrint);
    QCOMPARE(w.butSave->look(), int(FlatButton::Plain));
    QCOMPARE(w.cmdOpen->look(), int(FlatButton::Pressed));
}

// Alt with a caption's marked letter presses that button.
void FrmPrintTest::accessKeysPressTheButtons_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("boxTitle");
    QTest::newRow("save") << int(Qt::Key_S) << "&Save" << "Save As";
    QTest::newRow("open") << int(Qt::Key_O) << "&Open" << "Open";
    QTest::newRow("print") << int(Qt::Key_P) << "&Print" << "Print";
    QTest::newRow("exit") << int(Qt::Key_X) << "E&xit" << "Brisolt Quizforge";
}

void FrmPrintTest::accessKeysPressTheButtons()
{
    QFETCH(int, key);
    QFETCH(QString, caption);
    QFETCH(QString, boxTitle);
    frmPrint& w = showTest(2);
    const QStringList captions = {w.butSave->caption(), w.cmdOpen->caption(), w.cmdPrint->caption(),
                                  w.cmdExit->caption()};
    QVERIFY(captions.contains(caption));
    QVERIFY(QTest::qWaitForWindowActive(&w));
    if (key == Qt::Key_X)
        boxes().answer(forms::vbYes).cancelFileDialog();
    else if (key == Qt::Key_P)
        boxes().cancelPrintDialog();
    else
        boxes().cancelFileDialog();
    QTest::keyClick(&w, Qt::Key(key), Qt::AltModifier);
    checkBoxes();
    QVERIFY(!boxes().shown().isEmpty());
    QCOMPARE(boxes().shown().first().title, boxTitle);
}

// A screen reader presses each of the four label buttons through its
// accessible action, as a click would.
void FrmPrintTest::screenReaderPressesTheButtons_data()
{
    accessKeysPressTheButtons_data();
}

void FrmPrintTest::screenReaderPressesTheButtons()
{
    QFETCH(QString, caption);
    QFETCH(QString, boxTitle);
    frmPrint& w = showTest(2);
    forms::FlatButton* button = nullptr;
    for (forms::FlatButton* each : {w.butSave, w.cmdOpen, w.cmdPrint, w.cmdExit})
        if (each->caption() == caption)
            button = each;
    QVERIFY(button);
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(button);
    QVERIFY(reader);
    QCOMPARE(reader->role(), QAccessible::Button);
    QCOMPARE(reader->text(QAccessible::Name), forms::stripMnemonic(caption));
    QAccessibleActionInterface* actions = reader->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    if (caption == QLatin1String("E&xit"))
        boxes().answer(forms::vbCancel);
    else if (caption == QLatin1String("&Print"))
        boxes().cancelPrintDialog();
    else
        boxes().cancelFileDialog();
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    checkBoxes();
    QCOMPARE(boxes().shown().size(), 1);
    QCOMPARE(boxes().shown().first().title, boxTitle);
}

// Leaving a terminology printout goes back to the terminology window;
// leaving any other product goes nowhere of its own.
void FrmPrintTest::leavingATerminologyPrintoutGoesBack()
{
    for (const bool terms : {false, true}) {
        frmPrint& w = showTest(2, terms ? printing::Return::toTerminology : printing::Return::toCaller);
        boxes().answer(forms::vbNo);
        w.cmdExit_Click();
        checkBoxes();
        QVERIFY(!forms::App::current().isLoaded<frmPrint>());
        QCOMPARE(forms::App::current().isLoaded<printing::frmSearch>()
                     && forms::form<printing::frmSearch>().isVisible(),
                 terms);
    }
}

QTEST_MAIN(FrmPrintTest)
#include "tst_frmprint.moc"
