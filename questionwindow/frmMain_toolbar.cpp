// The question window's toolbar: a key runs the menu step it stands for.

#include "questionwindow/frmMain.h"

#include "helpmenu/HelpBinding.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"
#include "printing/PreviewDocument.h"
#include "printing/QuestionSetPrint.h"
#include "settings/Markers.h"

#include <QApplication>
#include <QTextEdit>

namespace questionwindow {

namespace {

// The rich-text box that has the focus in the active window, if any: the
// formatting keys act on nothing else.
QTextEdit* focusedRichText()
{
    QWidget* focused = QApplication::focusWidget();
    if (!focused || focused->window() != QApplication::activeWindow())
        return nullptr;
    auto* box = qobject_cast<QTextEdit*>(focused);
    return box && box->acceptRichText() ? box : nullptr;
}

// Turns one character style of the selection over, and says whether the
// selection now carries it.
bool toggleStyle(QTextEdit& box, const QString& key)
{
    const QTextCharFormat now = box.textCursor().charFormat();
    QTextCharFormat change;
    if (key == QLatin1String("Bold"))
        change.setFontWeight(now.fontWeight() > QFont::Normal ? QFont::Normal : QFont::Bold);
    else if (key == QLatin1String("Italic"))
        change.setFontItalic(!now.fontItalic());
    else
        change.setFontUnderline(!now.fontUnderline());
    box.textCursor().mergeCharFormat(change);
    box.mergeCurrentCharFormat(change);
    const QTextCharFormat after = box.textCursor().charFormat();
    if (key == QLatin1String("Bold"))
        return after.fontWeight() > QFont::Normal;
    if (key == QLatin1String("Italic"))
        return after.fontItalic();
    return after.fontUnderline();
}

} // namespace

// A step that fails ends there; the toolbar itself goes on.
void frmMain::tbToolBar_ButtonClick(const QString& key)
{
    using forms::bestEffort;
    if (key == QLatin1String("New")) {
        // A new start of the score board; the wrong-answer list and the
        // counted-once flag stay as they are.
        const QString zero = QStringLiteral("0");
        bestEffort({
            [&] { txtIncorrect->setText(zero); },
            [&] { txtCorrect->setText(zero); },
            [&] { txtCount->setText(zero); },
            [&] { txtScore->setText(zero); },
            [&] { txtTotal->setText(zero); },
            [&] { cmdFirst_Click(); },
        });
    } else if (key == QLatin1String("Help")) {
        bestEffort({[] { helpmenu::ShowHelpContents(); }});
    } else if (key == QLatin1String("Notes")) {
        bestEffort({[&] { mnuAddNotes_Click(); }});
    } else if (key == QLatin1String("Bold") || key == QLatin1String("Italic") || key == QLatin1String("Underline")) {
        if (QTextEdit* box = focusedRichText()) {
            const bool styled = toggleStyle(*box, key);
            bestEffort({[&] { tbToolBar->button(key)->setValue(styled ? 1 : 0); }});
        }
    } else if (key == QLatin1String("Align Left") || key == QLatin1String("Center")
               || key == QLatin1String("Align Right")) {
        if (QTextEdit* box = focusedRichText()) {
            box->setAlignment(key == QLatin1String("Align Left") ? Qt::AlignLeft
                              : key == QLatin1String("Center")   ? Qt::AlignHCenter
                                                                 : Qt::AlignRight);
        }
        // The lock keys run crosswise: "Lock" shows while locked and unlocks.
    } else if (key == QLatin1String("Unlock")) {
        bestEffort({
            [&] { tbToolBar->button(QStringLiteral("Lock"))->setVisible(true); },
            [&] { tbToolBar->button(QStringLiteral("Unlock"))->setVisible(false); },
            [&] { mnuLock_Click(); },
        });
    } else if (key == QLatin1String("Lock")) {
        if (txtQ->text() == markers::wholeBank) {
            forms::msgBox(QStringLiteral("Sorry, you can not unlock questions whicle taking the entire test.  Go to "
                                         "the Table Of Contents Window and select a specific chapter in order to "
                                         "unlock the questions."),
                          forms::vbOKOnly | forms::vbCritical, QStringLiteral("Brisolt Speaks"));
            return;
        }
        bestEffort({
            [&] { tbToolBar->button(QStringLiteral("Lock"))->setVisible(false); },
            [&] { tbToolBar->button(QStringLiteral("Unlock"))->setVisible(true); },
            [&] { mnuUnlock_Click(); },
        });
    } else if (key == QLatin1String("Open")) {
        bestEffort({[&] { printing::openSavedTest(); }});
    } else if (key == QLatin1String("Save")) {
        bestEffort({[&] { mnuBuild_Click(); }});
    } else if (key == QLatin1String("Print")) {
        bestEffort({[&] { printing::printQuestionSetTest(); }});
    } else if (key == QLatin1String("Cut")) {
        bestEffort({[&] { mnuCut_Click(); }});
    } else if (key == QLatin1String("Copy")) {
        bestEffort({[&] { mnuCopy_Click(); }});
    } else if (key == QLatin1String("Paste")) {
        bestEffort({[&] { mnuPaste_Click(); }});
    } else if (key == QLatin1String("Find")) {
        bestEffort({[&] { mnuKwed_Click(); }});
    } else if (key == QLatin1String("Camera")) {
        bestEffort({[&] { mnuAddPic_Click(); }});
    } else if (key == QLatin1String("Fonts")) {
        bestEffort({[&] { showThesaurus(); }});
    } else if (key == QLatin1String("Spell Check")) {
        spellCheckSet();
    } else if (key == QLatin1String("Terms")) {
        bestEffort({[&] { lookUpSelectedTerm(); }});
    }
}

} // namespace questionwindow
