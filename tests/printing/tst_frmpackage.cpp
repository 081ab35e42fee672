#include "support/FileQuery.h"
#include "support/QuestionWindowFixture.h"
#include "support/SampleChapters.h"
#include "support/TestContainer.h"

#include "platform/data/Recordset.h"
#include "platform/forms/Hourglass.h"
#include "platform/forms/Menu.h"
#include "platform/forms/ToolButton.h"
#include "platform/forms/Toolbar.h"
#include "platform/hosting/ControlHost.h"
#include "platform/hosting/ControlLibraries.h"
#include "platform/print/Composer.h"
#include "platform/print/PrintControl.h"
#include "printing/PreviewDocument.h"
#include "printing/PrintSettings.h"
#include "printing/TestPackage.h"
#include "printing/frmPackage.h"
#include "printing/frmPrint.h"
#include "questionsets/SetLoading.h"
#include "questionwindow/frmMain.h"
#include "widgets/XP_ProgressBar.h"

#include <QAccessible>
#include <QTemporaryDir>
#include <QtTest>

using printing::frmPackage;
using printing::frmPrint;
using questionwindow::frmMain;

namespace {

const QString chapter = testsupport::sample::hose;

// The chapter's questions as the file holds them, read past the program.
std::vector<printing::PrintedQuestion> questionsInFile(const QString& database, const QString& chapterTitle)
{
    testsupport::RawDatabase db(database);
    std::vector<printing::PrintedQuestion> questions;
    const QString sql = QStringLiteral("SELECT ID, Question, A, B, C, D, Answer, Memo, Chapter FROM table1 "
                                       "WHERE Chapter = '%1' ORDER BY rowid")
                            .arg(QString(chapterTitle).replace(QLatin1Char('\''), QStringLiteral("''")));
    for (const QVariantList& row : db.rows(sql)) {
        printing::PrintedQuestion q;
        q.id = row[0].toLongLong();
        q.question = row[1].toString();
        q.a = row[2].toString();
        q.b = row[3].toString();
        q.c = row[4].toString();
        q.d = row[5].toString();
        q.answer = row[6].toString();
        q.notes = row[7].toString();
        q.chapter = row[8].toString();
        questions.push_back(q);
    }
    return questions;
}

QStringList headersOf(const print::Document& document)
{
    QStringList headers;
    for (const print::Page& page : document.pages)
        headers << page.header;
    return headers;
}

// A click as the user makes it: the button's state changes and its step runs.
void press(QAbstractButton* button) { button->QAbstractButton::click(); }
void press(hosting::ControlHost* option)
{
    QVERIFY2(option->controlWindow(), qPrintable(option->problem()));
    QTest::mouseClick(option->controlWindow(), Qt::LeftButton);
}

QString storedSetting(const QString& database, const QString& field)
{
    return testsupport::queryValue(database, QStringLiteral("SELECT %1 FROM Table6").arg(field)).toString();
}

} // namespace

class FrmPackageTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyChangeReachesTheRowAtOnce_data();
    void everyChangeReachesTheRowAtOnce();
    void cancelledDialogsChangeNothing();
    void choicesClearWhatTheyCannotGoWith_data();
    void choicesClearWhatTheyCannotGoWith();
    void buildShowsThePackageInThePreview();
    void emptySetMarkerKeepsTheWholePackage();
    void standaloneProductsReachThePreview_data();
    void standaloneProductsReachThePreview();
    void emptySetIsRefused();
    void settingsThatAreNoNumbersStillPrint_data();
    void settingsThatAreNoNumbersStillPrint();
    void borderStaysOnTheDocument();
    void progressBarFollowsTheSetOnlyWhileShown();
    void questionWindowReachesPrinting();
    void choicesShowTheirCaptionsWhole();

private:
    // The registration store the title's option buttons come from.
    std::unique_ptr<testsupport::TestContainer> store_;
    std::unique_ptr<testsupport::QuestionWindowFixture> program_;
    forms::ScriptedDialogs& boxes() { return program_->boxes; }
    QString database() const { return program_->databasePath(); }
    void checkBoxes() { QVERIFY2(boxes().ok(), qPrintable(boxes().problems())); }
};

void FrmPackageTest::init()
{
    store_ = std::make_unique<testsupport::TestContainer>();
    QVERIFY(hosting::registerControlLibraries(QFileInfo(QStringLiteral(DRILLBOOK_QV3DOPT)).absolutePath(),
                                              {QStringLiteral("QV3DOPT.so")})
                .isEmpty());
    program_ = std::make_unique<testsupport::QuestionWindowFixture>();
}

void FrmPackageTest::cleanup()
{
    program_.reset();
    store_.reset();
}

// Every choice's caption is read whole beside its box, none cut at the edge
// of the control or of the frame around it.
void FrmPackageTest::choicesShowTheirCaptionsWhole()
{
    printing::frmPackage& w = forms::form<printing::frmPackage>();
    w.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QList<QAbstractButton*> choices = {w.opt1, w.opt2, w.opt3, w.opt4, w.chk1, w.chk2, w.chk3, w.chkResults,
                                             w.optside1, w.optside2};
    for (QAbstractButton* choice : choices) {
        QVERIFY2(choice->sizeHint().width() <= choice->width(), qPrintable(choice->text()));
        QWidget* frame = choice->parentWidget();
        QVERIFY2(choice->geometry().right() < frame->width() - 2, qPrintable(choice->text()));
    }
}

// Each way of changing a setting stores it in the file before the step
// returns, so a program that is killed (or ends without unloading the
// window) keeps it.
void FrmPackageTest::everyChangeReachesTheRowAtOnce_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("stored");
    QTest::newRow("body font") << "font" << "font" << "DejaVu Serif";
    QTest::newRow("body size") << "font" << "size" << "10.5";
    QTest::newRow("title font") << "title font" << "headerfont" << "DejaVu Serif";
    QTest::newRow("title size") << "title font" << "headersize" << "10.5";
    QTest::newRow("body colour") << "colour" << "color" << "255";
    QTest::newRow("swatch") << "swatch" << "color" << "255";
    QTest::newRow("swatch pressed by a screen reader") << "swatch by reader" << "color" << "255";
    QTest::newRow("title colour") << "title colour" << "headercolor" << "255";
    QTest::newRow("title swatch") << "title swatch" << "headercolor" << "255";
    QTest::newRow("custom title typed") << "custom title" << "headertitle" << "Station 9 Drill";
    QTest::newRow("custom title left empty") << "empty title" << "headertitle" << "";
    QTest::newRow("default title") << "default title" << "headertitle" << "Enter A Test Title Here!";
}

void FrmPackageTest::everyChangeReachesTheRowAtOnce()
{
    QFETCH(QString, change);
    QFETCH(QString, field);
    QFETCH(QString, stored);
    testsupport::executeSql(database(), QStringLiteral("UPDATE Table6 SET headertitle = 'Old Title'"));
    frmPackage& w = forms::form<frmPackage>();
    w.Show();
    const forms::FontChoice font{QStringLiteral("DejaVu Serif"), 10.5};
    if (change == QLatin1String("font")) {
        boxes().chooseFont(font);
        w.cmdFont_Click();
    } else if (change == QLatin1String("title font")) {
        boxes().chooseFont(font);
        w.cmdHeaderFont_Click();
    } else if (change == QLatin1String("colour")) {
        boxes().chooseColor(255);
        w.Command6_Click();
    } else if (change == QLatin1String("swatch")) {
        boxes().chooseColor(255);
        emit w.colorbox->click();
    } else if (change == QLatin1String("title colour")) {
        boxes().chooseColor(255);
        w.cmdHeaderColor_Click();
    } else if (change == QLatin1String("swatch by reader")) {
        boxes().chooseColor(255);
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(w.colorbox);
        QVERIFY(reader && reader->actionInterface());
        QCOMPARE(reader->role(), QAccessible::Button);
        reader->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::processEvents();
    } else if (change == QLatin1String("title swatch")) {
        boxes().chooseColor(255);
        emit w.colorbox2->click();
    } else if (change == QLatin1String("custom title")) {
        press(w.optCustom);
        QVERIFY(w.txtHeaderTitle->isEnabled());
        QTest::keyClicks(w.txtHeaderTitle->editor(), stored);
    } else if (change == QLatin1String("empty title")) {
        press(w.optCustom);
    } else {
        press(w.optDefault);
        QVERIFY(!w.txtHeaderTitle->isEnabled());
    }
    checkBoxes();
    // Read through a connection of its own while the window still holds the
    // row: nothing waits in the boxes for the window to unload.
    QCOMPARE(storedSetting(database(), field), stored);
}

// Cancel in a font or colour dialog leaves the boxes, the row and the
// document's settings as they were.
void FrmPackageTest::cancelledDialogsChangeNothing()
{
    frmPackage& w = forms::form<frmPackage>();
    const printing::PrintSettings before = w.settings();
    boxes().cancelFontDialog().cancelFontDialog().cancelColorDialog().cancelColorDialog();
    w.cmdFont_Click();
    w.cmdHeaderFont_Click();
    w.Command6_Click();
    w.cmdHeaderColor_Click();
    checkBoxes();
    const printing::PrintSettings after = w.settings();
    QCOMPARE(after.font, before.font);
    QCOMPARE(after.size, before.size);
    QCOMPARE(after.color, before.color);
    QCOMPARE(after.headerFont, before.headerFont);
    QCOMPARE(after.headerSize, before.headerSize);
    QCOMPARE(after.headerColor, before.headerColor);
    QCOMPARE(storedSetting(database(), QStringLiteral("font")), before.font);
    QCOMPARE(storedSetting(database(), QStringLiteral("color")), before.color);
}

// The choices as the user leaves them after a click, starting from a state;
// each letter string lists what is chosen: 1-4 the test variants, a/b/c the
// three lists, r the results, s/t the two flash-card sides.
void FrmPackageTest::choicesClearWhatTheyCannotGoWith_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("click");
    QTest::addColumn<QString>("after");
    QTest::newRow("a list, then the results") << "a" << "r" << "";
    QTest::newRow("the results, then a list") << "r" << "b" << "";
    QTest::newRow("the results, then a variant") << "r" << "2" << "";
    QTest::newRow("a variant, then the results") << "3" << "r" << "r";
    QTest::newRow("everything, then a side") << "2abc" << "s" << "s";
    QTest::newRow("a side, then a list") << "t" << "c" << "c";
    QTest::newRow("a side, then a variant") << "s" << "4" << "4";
    QTest::newRow("a variant goes with every list") << "1ab" << "c" << "1abc";
    QTest::newRow("another variant replaces the first") << "1a" << "2" << "2a";
}

void FrmPackageTest::choicesClearWhatTheyCannotGoWith()
{
    QFETCH(QString, before);
    QFETCH(QString, click);
    QFETCH(QString, after);
    frmPackage& w = forms::form<frmPackage>();
    QVERIFY(!w.Command5->isEnabled());
    const auto options = [&](QChar c) -> forms::OptionButton* {
        switch (c.toLatin1()) {
        case '1': return w.opt1;
        case '2': return w.opt2;
        case '3': return w.opt3;
        case '4': return w.opt4;
        case 's': return w.optside1;
        case 't': return w.optside2;
        default: return nullptr;
        }
    };
    const auto checks = [&](QChar c) -> forms::CheckBox* {
        switch (c.toLatin1()) {
        case 'a': return w.chk1;
        case 'b': return w.chk2;
        case 'c': return w.chk3;
        case 'r': return w.chkResults;
        default: return nullptr;
        }
    };
    const auto choose = [&](QChar c) {
        if (forms::OptionButton* option = options(c))
            press(option);
        else
            press(checks(c));
    };
    for (QChar c : before)
        choose(c);
    choose(click[0]);
    QString chosen;
    for (QChar c : QStringLiteral("1234abcrst")) {
        const bool on = options(c) ? options(c)->value() : checks(c)->value() == forms::CheckBox::Checked;
        if (on)
            chosen += c;
    }
    QCOMPARE(chosen, after);
    QVERIFY(w.Command5->isEnabled());
}

// The build composes the chosen products of the question window's set with
// the row's settings, shows them under the package caption, and leaves the
// set on its first record.
void FrmPackageTest::buildShowsThePackageInThePreview()
{
    frmMain& main = program_->openChapter(chapter);
    testsupport::QuestionWindowFixture::moveTo(main, 3);
    frmPackage& w = forms::form<frmPackage>();
    w.Show();
    press(w.opt2);
    press(w.chk1);
    press(w.chk2);
    press(w.chk3);
    QTest::mouseClick(w.Command5, Qt::LeftButton);
    checkBoxes();

    frmPrint& preview = forms::form<frmPrint>();
    QVERIFY(preview.isVisible());
    QCOMPARE(preview.FXLabel1->caption(), QStringLiteral("Constructed Test Package"));
    QVERIFY(!forms::hourglassShown());
    QCOMPARE(main.Data1->recordset().absolutePosition(), 0);

    print::Composer expected;
    printing::PackageChoices choices;
    choices.test = printing::TestVariant::withAnswers;
    choices.answerList = choices.answerSheet = choices.correctionKey = true;
    const auto questions = questionsInFile(database(), chapter);
    QVERIFY(questions.size() > 10);
    printing::composeTestPackage(expected, questions, printing::PrintSettings{}, choices,
                                 {chapter, QString(), chapter});
    const print::Document& shown = preview.VSPrinter1->document();
    QCOMPARE(int(shown.pages.size()), int(expected.document().pages.size()));
    QVERIFY(shown == expected.document());
    const QStringList headers = headersOf(shown);
    QCOMPARE(headers.first(), chapter);
    QVERIFY(headers.contains(QStringLiteral("These Are The Answers For:  ") + chapter));
    QCOMPARE(headers.last(), QStringLiteral("Test") + QString(16, u' ') + QString(22, u' ') + QStringLiteral("Class:")
                                 + QString(19, u' ') + QStringLiteral("Date: "));
}

// The cards, the results, the quick report and the album are built from
// the same window and shown in the same preview, each as a document of its
// own.
void FrmPackageTest::standaloneProductsReachThePreview_data()
{
    QTest::addColumn<QString>("product");
    QTest::newRow("cards, side one") << "optside1";
    QTest::newRow("cards, side two") << "optside2";
    QTest::newRow("test results") << "chkResults";
    QTest::newRow("quick report") << "Command1";
    QTest::newRow("picture album") << "cmdPicture2";
}

void FrmPackageTest::standaloneProductsReachThePreview()
{
    QFETCH(QString, product);
    frmMain& main = program_->openChapter(chapter);
    frmPackage& w = forms::form<frmPackage>();
    w.Show();
    const int questions = int(questionsInFile(database(), chapter).size());
    if (product == QLatin1String("optside1"))
        press(w.optside1);
    else if (product == QLatin1String("optside2"))
        press(w.optside2);
    else if (product == QLatin1String("chkResults"))
        press(w.chkResults);
    if (product == QLatin1String("Command1")) {
        boxes().answer(forms::vbNo);
        QTest::mouseClick(w.Command1, Qt::LeftButton);
    } else if (product == QLatin1String("cmdPicture2")) {
        QTest::mouseClick(w.cmdPicture2, Qt::LeftButton);
    } else {
        QTest::mouseClick(w.Command5, Qt::LeftButton);
    }
    checkBoxes();

    frmPrint& preview = forms::form<frmPrint>();
    QVERIFY(preview.isVisible());
    QCOMPARE(preview.FXLabel1->caption(), QStringLiteral("Constructed Test Package"));
    QVERIFY(!forms::hourglassShown());
    QCOMPARE(main.Data1->recordset().absolutePosition(), 0);
    const int pages = int(preview.VSPrinter1->document().pages.size());
    QVERIFY(pages > 0);
    // Cards and album: four questions to a page.
    if (product.startsWith(QLatin1String("optside")) || product == QLatin1String("cmdPicture2"))
        QCOMPARE(pages, (questions + 3) / 4);
}

// With no set marker the package is still one document: the test, then the
// list, nothing started afresh half way.
void FrmPackageTest::emptySetMarkerKeepsTheWholePackage()
{
    frmMain& main = program_->loadSet(questionsets::chapterQuery(chapter));
    main.txtQ->setText(QString());
    frmPackage& w = forms::form<frmPackage>();
    press(w.opt1);
    press(w.chk1);
    w.Command5_Click();
    checkBoxes();
    const QStringList headers = headersOf(printing::printDocument().document());
    QVERIFY(headers.size() >= 2);
    QCOMPARE(headers.first(), chapter);
    QCOMPARE(headers.last(), QStringLiteral("These Are The Answers For:  ") + chapter);
    QCOMPARE(int(headers.count(chapter)), int(headers.size()) - 1);
}

// A set without questions is refused with its message; the preview is not
// shown and the pointer is back.
void FrmPackageTest::emptySetIsRefused()
{
    program_->loadSet(QStringLiteral("SELECT * FROM table1 WHERE Chapter = 'No Such Chapter'"));
    frmPackage& w = forms::form<frmPackage>();
    press(w.opt1);
    boxes().answer(forms::vbOK);
    w.Command5_Click();
    checkBoxes();
    QCOMPARE(boxes().shown().last().text, printing::emptySetRefusal());
    QCOMPARE(boxes().shown().last().title, QStringLiteral("Brisolt Speaks"));
    QVERIFY(!forms::App::current().isLoaded<frmPrint>() || !forms::form<frmPrint>().isVisible());
    QVERIFY(!forms::hourglassShown());
}

// A size or colour in the row that is no number neither stops the build nor
// the window's loading: the package is shown, printed with the default for
// that setting, and the user is told which one.
void FrmPackageTest::settingsThatAreNoNumbersStillPrint_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("named");
    QTest::newRow("size") << "size" << "twelve" << "font size";
    QTest::newRow("colour") << "color" << "red" << "text colour";
    QTest::newRow("empty title size") << "headersize" << "" << "title size";
    QTest::newRow("title colour") << "headercolor" << "&HFF" << "title colour";
}

void FrmPackageTest::settingsThatAreNoNumbersStillPrint()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, named);
    testsupport::executeSql(database(), QStringLiteral("UPDATE Table6 SET %1 = '%2'").arg(field, value));
    program_->openChapter(chapter);
    frmPackage& w = forms::form<frmPackage>();
    w.Show();
    press(w.opt1);
    boxes().answer(forms::vbOK);
    w.Command5_Click();
    checkBoxes();
    QVERIFY(forms::form<frmPrint>().isVisible());
    QVERIFY(forms::form<frmPrint>().VSPrinter1->pageCount() > 0);
    QCOMPARE(boxes().shown().last().title, QStringLiteral("Not So Fast!"));
    QVERIFY2(boxes().shown().last().text.contains(named), qPrintable(boxes().shown().last().text));
    QVERIFY(!forms::hourglassShown());
    // The bad value stays as the user left it: the build does not rewrite it.
    QCOMPARE(storedSetting(database(), field), value);
}

// A border picked in the list stays on the document for the next product.
void FrmPackageTest::borderStaysOnTheDocument()
{
    program_->openChapter(chapter);
    frmPackage& w = forms::form<frmPackage>();
    QCOMPARE(w.List1->listCount(), 6);
    w.List1->setListIndex(5);
    QCOMPARE(printing::printDocument().pageFrame(), print::PageFrame::columns);
    press(w.opt1);
    w.Command5_Click();
    for (const print::Page& page : printing::printDocument().document().pages)
        QCOMPARE(page.frame, print::PageFrame::columns);
    w.List1->setListIndex(0);
    QCOMPARE(printing::printDocument().pageFrame(), print::PageFrame::none);
}

// Moving through the set moves the package window's bar while it is shown;
// a window that is not loaded is not loaded by a move.
void FrmPackageTest::progressBarFollowsTheSetOnlyWhileShown()
{
    frmMain& main = program_->openChapter(chapter);
    main.Data1->recordset().moveLast();
    QVERIFY(!forms::App::current().isLoaded<frmPackage>());

    frmPackage& w = forms::form<frmPackage>();
    w.Show();
    main.Data1->recordset().moveFirst();
    const int first = w.ProgressBar1->Value();
    main.Data1->recordset().moveLast();
    QCOMPARE(w.ProgressBar1->Value(), 100);
    QVERIFY(first < 100);

    w.Hide();
    main.Data1->recordset().moveFirst();
    QCOMPARE(w.ProgressBar1->Value(), 100);
}

// The menu item and the toolbar keys of the question window reach the
// package window and the preview.
void FrmPackageTest::questionWindowReachesPrinting()
{
    frmMain& main = program_->showChapter(chapter);
    main.mnuBuild->trigger();
    QVERIFY(forms::form<frmPackage>().isVisible());
    forms::form<frmPackage>().Hide();
    main.Show();
    main.tbToolBar->button(QStringLiteral("Save"))->click();
    QVERIFY(forms::form<frmPackage>().isVisible());

    main.tbToolBar->button(QStringLiteral("Print"))->click();
    frmPrint& preview = forms::form<frmPrint>();
    QVERIFY(preview.isVisible());
    QCOMPARE(preview.FXLabel1->caption(), QStringLiteral("Constructed Test Package"));
    const QStringList headers = headersOf(preview.VSPrinter1->document());
    QCOMPARE(headers.first(), chapter);

    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("test.qfx"));
    boxes().chooseFile(saved);
    preview.butSave_Click();
    const print::Document printed = preview.VSPrinter1->document();
    preview.VSPrinter1->startDocument();
    preview.VSPrinter1->endDocument();
    boxes().chooseFile(saved);
    main.tbToolBar->button(QStringLiteral("Open"))->click();
    checkBoxes();
    QCOMPARE(preview.FXLabel1->caption(), QStringLiteral("Saved Test"));
    QVERIFY(preview.VSPrinter1->document() == printed);
}

QTEST_MAIN(FrmPackageTest)
#include "tst_frmpackage.moc"
