#include "platform/forms/CommonDialogs.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/ScriptedDialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace forms;

namespace {
const QString brisoltSpeaks = QStringLiteral("Brisolt Speaks");
const QString whicleText = QStringLiteral(
    "Sorry, you can not unlock questions whicle taking the entire test.  Go to the Table Of Contents "
    "Window and select a specific chapter in order to unlock the questions.");
} // namespace

// What a real message box showed, read while it is open.
struct SeenBox {
    QString title;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QMessageBox::StandardButton> buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void scriptedAnswersAreRecordedExactly_data();
    void scriptedAnswersAreRecordedExactly();
    void unexpectedBoxGetsItsCancelAnswer_data();
    void unexpectedBoxGetsItsCancelAnswer();
    void answerThatIsNotAButtonIsUnexpected();
    void inputBoxes();
    void unusedAnswersAreReported();
    void guardRestoresTheCurrentModule();
    void guardScriptsTheProgramsModule();
    void boxWithoutTitleUsesTheProgramTitle();
    void realMessageBoxShowsExactly_data();
    void realMessageBoxShowsExactly();
    void realMessageBoxWrapsALongWord();
    void realInputBox();
    void fileFilters_data();
    void fileFilters();
    void fileAndPrinterDialogsTakeOnlyTheirAnswers();
};

void DialogsTest::scriptedAnswersAreRecordedExactly_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("defaultButton");

    QTest::newRow("refusal") << brisoltSpeaks << whicleText << (vbCritical | vbOKOnly) << int(vbOK)
                             << int(vbOKOnly) << int(vbCritical) << 1;
    QTest::newRow("no records") << "Brisolt Software" << "No Records, Add Some?" << int(vbYesNoCancel)
                                << int(vbNo) << int(vbYesNoCancel) << 0 << 1;
    QTest::newRow("keyword retry") << brisoltSpeaks << "Try again?" << (vbYesNo | vbQuestion) << int(vbYes)
                                   << int(vbYesNo) << int(vbQuestion) << 1;
    QTest::newRow("clear elephant") << "Brisolt Software" << "Clear?" << (vbYesNo | vbCritical | vbDefaultButton2)
                                    << int(vbNo) << int(vbYesNo) << int(vbCritical) << 2;
    QTest::newRow("last question") << "Brisolt Software" << "This is the last question." << int(vbExclamation)
                                   << int(vbOK) << 0 << int(vbExclamation) << 1;
    QTest::newRow("lines joined with LF") << "Not So Fast!" << "one\ntwo" << int(vbInformation) << int(vbOK)
                                          << 0 << int(vbInformation) << 1;
    QTest::newRow("retry") << "Missing Data" << "x" << int(vbRetryCancel) << int(vbRetry) << int(vbRetryCancel)
                           << 0 << 1;
    QTest::newRow("abort") << "t" << "x" << (vbAbortRetryIgnore | vbDefaultButton2) << int(vbIgnore)
                           << int(vbAbortRetryIgnore) << 0 << 2;
}

void DialogsTest::scriptedAnswersAreRecordedExactly()
{
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(int, style);
    QFETCH(int, answer);
    QFETCH(int, buttons);
    QFETCH(int, icon);
    QFETCH(int, defaultButton);

    ScriptedDialogs boxes;
    boxes.answer(answer);
    QCOMPARE(msgBox(text, style, title), answer);
    QVERIFY2(boxes.ok(), qPrintable(boxes.problems()));
    QCOMPARE(boxes.shown().size(), 1);
    const ShownBox& box = boxes.shown().first();
    QCOMPARE(box.kind, ShownBox::Kind::Message);
    QCOMPARE(box.title, title);
    QCOMPARE(box.text, text);
    QCOMPARE(box.buttons, buttons);
    QCOMPARE(box.icon, icon);
    QCOMPARE(box.defaultButton, defaultButton);
    QCOMPARE(box.answer.toInt(), answer);
}

void DialogsTest::unexpectedBoxGetsItsCancelAnswer_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("answer");
    QTest::newRow("OK only") << int(vbOKOnly) << int(vbOK);
    QTest::newRow("OK/Cancel") << int(vbOKCancel) << int(vbCancel);
    QTest::newRow("Yes/No/Cancel") << int(vbYesNoCancel) << int(vbCancel);
    QTest::newRow("Yes/No") << int(vbYesNo) << int(vbYes);
    QTest::newRow("Yes/No, No default") << (vbYesNo | vbDefaultButton2) << int(vbNo);
    QTest::newRow("Retry/Cancel") << int(vbRetryCancel) << int(vbCancel);
    QTest::newRow("Abort/Retry/Ignore") << int(vbAbortRetryIgnore) << int(vbAbort);
}

void DialogsTest::unexpectedBoxGetsItsCancelAnswer()
{
    QFETCH(int, style);
    QFETCH(int, answer);
    ScriptedDialogs boxes;
    QCOMPARE(msgBox(QStringLiteral("I Am Disappointed!"), style, brisoltSpeaks), answer);
    QVERIFY(!boxes.ok());
    QCOMPARE(boxes.dialogs().unexpected().size(), 1);
    QVERIFY(boxes.problems().contains(QStringLiteral("I Am Disappointed!"))); // the test can say which box
    QVERIFY(boxes.problems().contains(brisoltSpeaks));
}

void DialogsTest::answerThatIsNotAButtonIsUnexpected()
{
    ScriptedDialogs boxes;
    boxes.answer(vbYes).answer(vbOK);
    QCOMPARE(msgBox(QStringLiteral("Done."), vbOKOnly, QStringLiteral("t")), int(vbOK)); // Yes is no button here
    QCOMPARE(boxes.dialogs().pendingAnswers(), 1); // the wrong answer was spent on this box
    QVERIFY(boxes.problems().contains(QStringLiteral("scripted answer 6")));
}

void DialogsTest::inputBoxes()
{
    ScriptedDialogs boxes;
    boxes.answer(QStringLiteral("halligan")).answer(vbYes);
    const QString prompt = QStringLiteral("Enter Keyword To Search Question Banks.");
    const QString title = QStringLiteral("Search Question Banks For Keywords");
    QCOMPARE(inputBox(prompt, title), QStringLiteral("halligan"));
    // The next answer is for a message box: this input box is unexpected, gets
    // "" (as if cancelled) and leaves that answer for its box.
    QCOMPARE(inputBox(prompt, title, QStringLiteral("0")), QString());
    QCOMPARE(msgBox(QStringLiteral("Again?"), vbYesNo, title), int(vbYes));

    QCOMPARE(boxes.shown().size(), 3);
    const ShownBox& first = boxes.shown().at(0);
    QCOMPARE(first.kind, ShownBox::Kind::Input);
    QCOMPARE(first.text, prompt);
    QCOMPARE(first.title, title);
    QVERIFY(first.expected);
    QCOMPARE(boxes.shown().at(1).defaultText, QStringLiteral("0"));
    QVERIFY(!boxes.shown().at(1).expected);
    QVERIFY(boxes.shown().at(2).expected);
    QVERIFY(!boxes.ok());
}

void DialogsTest::unusedAnswersAreReported()
{
    ScriptedDialogs boxes;
    boxes.answer(vbOK).answer(QStringLiteral("word"));
    QCOMPARE(msgBox(QStringLiteral("one"), vbOKOnly, QStringLiteral("t")), int(vbOK));
    QVERIFY(!boxes.ok());
    QVERIFY(boxes.problems().contains(QStringLiteral("1 scripted answer(s) never used")));
}

void DialogsTest::guardRestoresTheCurrentModule()
{
    Dialogs program;
    Dialogs::setCurrent(&program);
    {
        ScriptedDialogs boxes;
        QVERIFY(Dialogs::current() == &boxes.dialogs());
        QVERIFY(Dialogs::current() != &program);
    }
    QVERIFY(Dialogs::current() == &program);
    QVERIFY(!program.scripted());
    Dialogs::setCurrent(nullptr);
}

void DialogsTest::guardScriptsTheProgramsModule()
{
    Dialogs program;
    program.setApplicationTitle(QStringLiteral("drillbook"));
    Dialogs::setCurrent(&program);
    {
        ScriptedDialogs boxes(program);
        boxes.answer(vbNo);
        QCOMPARE(msgBox(QStringLiteral("Quit?"), vbYesNo), int(vbNo));
        QVERIFY(boxes.ok());
        QCOMPARE(program.shown().size(), 1);
    }
    QVERIFY(!program.scripted());
    QVERIFY(program.shown().isEmpty());
    QVERIFY(Dialogs::current() == &program);
    Dialogs::setCurrent(nullptr);
    {
        Dialogs gone;
        Dialogs::setCurrent(&gone);
    }
    QCOMPARE(Dialogs::current(), nullptr); // a destroyed module is never left current
}

void DialogsTest::boxWithoutTitleUsesTheProgramTitle()
{
    ScriptedDialogs boxes;
    boxes.dialogs().setApplicationTitle(QStringLiteral("drillbook"));
    boxes.answer(vbOK).answer(vbOK);
    msgBox(QStringLiteral("Done spell checking. 3 typing errors handled."));
    msgBox(QStringLiteral("empty title"), vbOKOnly, QString());
    QCOMPARE(boxes.shown().at(0).title, QStringLiteral("drillbook"));
    QCOMPARE(boxes.shown().at(1).title, QString()); // a given title is shown as given
}

void DialogsTest::realMessageBoxShowsExactly_data()
{
    using B = QMessageBox::StandardButton;
    QTest::addColumn<int>("style");
    QTest::addColumn<QList<B>>("buttons");
    QTest::addColumn<B>("defaultButton");
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::addColumn<B>("press");
    QTest::addColumn<int>("answer");

    QTest::newRow("critical OK") << (vbCritical | vbOKOnly) << QList<B>{B::Ok} << B::Ok << QMessageBox::Critical
                                 << B::Ok << int(vbOK);
    QTest::newRow("yes no cancel") << int(vbYesNoCancel) << QList<B>{B::Yes, B::No, B::Cancel} << B::Yes
                                   << QMessageBox::NoIcon << B::No << int(vbNo);
    QTest::newRow("question, No default") << (vbYesNo | vbQuestion | vbDefaultButton2) << QList<B>{B::Yes, B::No}
                                          << B::No << QMessageBox::Question << B::Yes << int(vbYes);
    QTest::newRow("exclamation OK/Cancel") << (vbOKCancel | vbExclamation) << QList<B>{B::Ok, B::Cancel} << B::Ok
                                           << QMessageBox::Warning << B::Cancel << int(vbCancel);
    QTest::newRow("information retry") << (vbRetryCancel | vbInformation) << QList<B>{B::Retry, B::Cancel}
                                       << B::Retry << QMessageBox::Information << B::Retry << int(vbRetry);
    QTest::newRow("abort retry ignore") << int(vbAbortRetryIgnore) << QList<B>{B::Abort, B::Retry, B::Ignore}
                                        << B::Abort << QMessageBox::NoIcon << B::Ignore << int(vbIgnore);
}

void DialogsTest::realMessageBoxShowsExactly()
{
    using B = QMessageBox::StandardButton;
    QFETCH(int, style);
    QFETCH(QList<B>, buttons);
    QFETCH(B, defaultButton);
    QFETCH(QMessageBox::Icon, icon);
    QFETCH(B, press);
    QFETCH(int, answer);

    const QString text = QStringLiteral("<b>Captain's</b> line one\nline two");
    SeenBox seen;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.format = box->textFormat();
        seen.icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            seen.buttons << box->standardButton(button);
        seen.defaultButton = box->standardButton(box->defaultButton());
        box->button(press)->click();
    });
    Dialogs dialogs;
    QCOMPARE(dialogs.msgBox(text, style, brisoltSpeaks), answer);
    QCOMPARE(seen.title, brisoltSpeaks);
    QCOMPARE(seen.text, text);
    QCOMPARE(seen.format, Qt::PlainText); // markup-like text shows as written
    QCOMPARE(seen.icon, icon);
    std::sort(seen.buttons.begin(), seen.buttons.end());
    std::sort(buttons.begin(), buttons.end());
    QCOMPARE(seen.buttons, buttons);
    QCOMPARE(seen.defaultButton, defaultButton);
    QVERIFY(dialogs.shown().isEmpty()); // real boxes are not recorded
}

// A keyword of 400 letters in the box that says it was not found: the box
// stays within the screen and its text wraps, every letter read.
void DialogsTest::realMessageBoxWrapsALongWord()
{
    const QString text = QString(400, QLatin1Char('k'))
                         + QStringLiteral(" - Does not appear anywhere in your question database. Would you like to "
                                          "search again?");
    QString shown;
    int boxWidth = 0;
    int neededWidth = 0;
    int labelWidth = 0;
    int screenWidth = 0;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (label) {
            shown = label->text();
            labelWidth = label->width();
            neededWidth = QFontMetrics(label->font())
                              .boundingRect(QRect(0, 0, label->width(), 100000), Qt::TextWordWrap, label->text())
                              .width();
        }
        boxWidth = box->width();
        screenWidth = box->screen()->availableGeometry().width();
        box->button(QMessageBox::No)->click();
    });
    Dialogs dialogs;
    QCOMPARE(dialogs.msgBox(text, vbYesNo | vbQuestion, QStringLiteral("Brisolt Speaks")), int(vbNo));
    QCOMPARE(shown.remove(QChar(0x200B)), text);
    QVERIFY2(neededWidth <= labelWidth, qPrintable(QStringLiteral("%1 needed, %2 given").arg(neededWidth).arg(labelWidth)));
    QVERIFY2(boxWidth <= screenWidth, qPrintable(QStringLiteral("%1 on %2").arg(boxWidth).arg(screenWidth)));
}

void DialogsTest::realInputBox()
{
    const QString prompt = QStringLiteral("Enter Keyword To Search Question Banks.");
    const QString title = QStringLiteral("Search Question Banks For Keywords");
    Dialogs dialogs;
    for (bool accept : {true, false}) {
        QString seenTitle;
        QString seenDefault;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            seenTitle = dialog->windowTitle();
            seenDefault = dialog->textValue();
            dialog->setTextValue(QStringLiteral("pike pole"));
            accept ? dialog->accept() : dialog->reject();
        });
        const QString answer = dialogs.inputBox(prompt, title, QStringLiteral("hose"));
        QCOMPARE(seenTitle, title);
        QCOMPARE(seenDefault, QStringLiteral("hose"));
        QCOMPARE(answer, accept ? QStringLiteral("pike pole") : QString());
    }
}

// The dialog reads the patterns from the descriptions alone, so each must
// name them exactly, whatever blanks the filter has around its parts.
void DialogsTest::fileFilters_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("expected");
    QTest::newRow("named") << "QFX Files (*.qfx)|*.qfx" << "QFX Files (*.qfx)";
    QTest::newRow("blanks around the parts") << "QFX Files (*.qfx)|*.qfx | All Files (*.*) | *.* "
                                             << "QFX Files (*.qfx);;All Files (*.*)";
    QTest::newRow("patterns not named") << "Videos|*.wmv ;*.mpg" << "Videos (*.wmv *.mpg)";
    QTest::newRow("description without patterns") << "Pictures|  |Text|*.txt" << "Text (*.txt)";
    QTest::newRow("empty") << "" << "";
}

void DialogsTest::fileFilters()
{
    QFETCH(QString, filter);
    QFETCH(QString, expected);
    QCOMPARE(qtFileFilter(filter), expected);
}

// A file dialog never takes a message box's answer or a printer dialog's,
// and the other way round: a script out of step is reported, and the
// dialog is cancelled.
void DialogsTest::fileAndPrinterDialogsTakeOnlyTheirAnswers()
{
    ScriptedDialogs boxes;
    boxes.answer(vbYes);
    QCOMPARE(fileDialog({FileRequest::Mode::Save, QStringLiteral("*.qfx|*.qfx")}), QString());
    QCOMPARE(msgBox(QStringLiteral("Save?"), vbYesNo), int(vbYes));
    boxes.chooseFile(QStringLiteral("/tmp/a.qfx"));
    QCOMPARE(msgBox(QStringLiteral("Save?"), vbYesNoCancel), int(vbCancel));
    QCOMPARE(fileDialog({}), QStringLiteral("/tmp/a.qfx"));
    boxes.cancelFileDialog();
    QCOMPARE(fileDialog({}), QString());
    QCOMPARE(boxes.shown().size(), 5);
    QCOMPARE(boxes.dialogs().unexpected().size(), 2);
    QVERIFY(boxes.problems().contains(QLatin1String("unexpected file dialog")));
    QVERIFY(boxes.problems().contains(QLatin1String("is for a file dialog")));
}

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
