#include "contents/ChapterButtons.h"

#include "contents/ButtonLook.h"
#include "contents/ChapterHandOver.h"
#include "contents/frmContents.h"
#include "editing/frmQ.h"
#include "platform/core/RuntimeError.h"
#include "platform/data/DataControl.h"
#include "platform/forms/App.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Qv3dLabel.h"
#include "platform/forms/TextBox.h"
#include "questionwindow/frmLoadNuvia.h"

namespace contents {

using forms::Qv3dLabel;

QString titleField(int bank, int number)
{
    const char* prefix = bank == 1 ? "title" : bank == 2 ? "titlea" : "tb3";
    return QString::fromLatin1(prefix) + QString::number(number);
}

ChapterButtons::ChapterButtons(QWidget* canvas, int bank, int count, data::DataControl& titles, forms::TextBox& txtK)
    : QObject(canvas), bank_(bank), titles_(titles), txtK_(txtK)
{
    buttons_.reserve(count);
    for (int number = 1; number <= count; ++number) {
        auto* button = new Qv3dLabel(canvas);
        button->setObjectName(QStringLiteral("cmd%1").arg(number));
        // The caption is the button's name; an empty chapter still says which one it is.
        button->setAccessibleDescription(QStringLiteral("Chapter button %1").arg(number));
        button->setDataField(titleField(bank, number));
        titles.bind(button);
        // Only the user's own banks take titles dragged from the chapter palette;
        // the titles of test bank 1 are fixed.
        button->setAcceptsTitleDrops(bank != 1);

        connect(button, &Qv3dLabel::mouseDown, this, [this, number](int, int, int, int) { cmd_MouseDown(number); });
        connect(button, &Qv3dLabel::mouseUp, this, [this, number](int, int, int, int) { cmd_MouseUp(number); });
        connect(button, &Qv3dLabel::click, this, [this, number] { cmd_Click(number); });
        connect(button, &Qv3dLabel::dragDrop, this,
                [this, number](const QString& title) { cmd_DragDrop(number, title); });
        buttons_.push_back(button);
    }
}

Qv3dLabel* ChapterButtons::button(int number) const
{
    Q_ASSERT(number >= 1 && number <= count());
    return buttons_.at(std::size_t(number - 1));
}

// The pressed title goes to txtK before anything changes the caption. The
// user's banks show the press by moving the caption one blank to the right.
void ChapterButtons::cmd_MouseDown(int number)
{
    Qv3dLabel* pressed = button(number);
    txtK_.setText(pressed->caption());
    pressedWasChanged_ = pressed->dataChanged();
    pressed->setBevelStyleInner(Qv3dLabel::BevelNone);
    if (bank_ != 1)
        pressed->setCaption(QLatin1Char(' ') + pressed->caption());
}

// Back to the title; the pressed look was no edit of it, so the title is not
// stored again because of it.
void ChapterButtons::cmd_MouseUp(int number)
{
    Qv3dLabel* pressed = button(number);
    pressed->setBevelStyleInner(Qv3dLabel::BevelRaised);
    pressed->setCaption(txtK_.text());
    pressed->setDataChanged(pressedWasChanged_);
}

void ChapterButtons::cmd_Click(int number)
{
    // Test bank 1 offers the speech components' installer instead of the
    // chapter while frmContents.txtAgentInstall reads exactly "No".
    if (bank_ == 1 && forms::form<frmContents>().txtAgentInstall->text() == QLatin1String("No")) {
        forms::form<questionwindow::frmLoadNuvia>().Show();
        return;
    }
    const QString title = button(number)->caption();
    if (title.isEmpty()) {
        forms::msgBox(QStringLiteral("You Must First Choose A Chapter Title For This Question Bank.\n"
                                     "You Can Edit Chapter Titles By Clicking On Options, Then Click Show Chapter "
                                     "Palette.\nOkay?"),
                      forms::vbOKOnly | forms::vbExclamation, QStringLiteral("Not So Fast!"));
        forms::form<editing::frmQ>().Show();
        return;
    }
    openChapter(title);
}

// A title dropped on a button of the user's banks becomes its caption and is
// stored at once, so it survives the window's next re-reading of the titles
// and an end of the program. Test bank 1 takes no drops at all.
void ChapterButtons::cmd_DragDrop(int number, const QString& title)
{
    if (bank_ == 1 || title.isEmpty())
        return;
    Qv3dLabel* target = button(number);
    target->setCaption(title);
    target->setMultiLine(needsTwoLines(title));
    try {
        storeTitle({number}, title);
    } catch (const platform::RuntimeError& error) {
        forms::msgBox(QStringLiteral("The chapter title could not be stored.\n\n%1").arg(error.description()),
                      forms::vbOKOnly | forms::vbExclamation, QStringLiteral("Brisolt Software"));
    }
}

void ChapterButtons::storeTitle(const std::vector<int>& numbers, const QString& title)
{
    data::Recordset& row = titles_.recordset();
    try {
        row.edit();
        for (const int number : numbers)
            row.field(titleField(bank_, number)).setValue(title);
        row.update();
    } catch (const platform::RuntimeError&) {
        if (row.editMode() != data::Recordset::EditNone)
            row.cancelUpdate();
        throw;
    }
}

int ChapterButtons::clearStoredTitle(const QString& title)
{
    data::Recordset& row = titles_.recordset();
    std::vector<int> carrying;
    for (int number = 1; number <= count(); ++number) {
        if (row.field(titleField(bank_, number)).value().toString() == title)
            carrying.push_back(number);
    }
    if (!carrying.empty())
        storeTitle(carrying, QStringLiteral(""));
    return int(carrying.size());
}

} // namespace contents
