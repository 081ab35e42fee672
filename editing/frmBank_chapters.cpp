// The hub's load and activation steps, the bank options that fill the
// chapter list, and the chapter click that proposes the copy's question
// number.
#include "editing/frmBank.h"

#include "appearance/CurrentSkin.h"
#include "appearance/SkinTable.h"
#include "editing/ChapterCount.h"
#include "editing/ContentsCalls.h"
#include "editing/NewRecordNumbers.h"
#include "editing/QuestionWindowCalls.h"
#include "platform/data/Quoting.h"
#include "platform/forms/Appearance.h"
#include "platform/forms/FailureRegimes.h"
#include "platform/forms/Frame.h"
#include "platform/forms/Label.h"
#include "questiondb/Cursors.h"
#include "questionsets/QuestionSet.h"
#include "settings/Markers.h"

namespace editing {

// The hub's cursor holds no question until a chapter is picked.
void frmBank::Form_Load()
{
    forms::bestEffort({
        [&] { questiondb::openCursor(*Data1, QString()); },
        [&] { listBanks({1}); },
    });
}

void frmBank::listBanks(std::initializer_list<int> banks)
{
    for (int bank : banks) {
        for (const QString& caption : chapterCaptions(bank)) {
            if (!caption.isEmpty())
                List1->addItem(caption);
        }
    }
}

// The copy boxes follow the question the question window shows now; the
// chapter, its number, the list and the picture tick stay as the user left them.
void frmBank::Form_Activate()
{
    txtLook->setText(markers::hubIdle);
    // The captions lie on the skin's picture: they take its label colour,
    // so they read on the dark skins too.
    if (const appearance::Skin* skin = appearance::paintCurrentSkin(*FXImage1)) {
        for (forms::Label* label : findChildren<forms::Label*>())
            label->setForeColor(skin->labelColor);
        for (forms::Frame* frame : findChildren<forms::Frame*>())
            forms::setForeColorOf(*frame, skin->labelColor);
        chkPic->setForeColor(skin->labelColor);
    }
    const ShownQuestion question = shownQuestion();
    txtQuestion->setText(question.texts.question);
    txtA->setText(question.texts.a);
    txtB->setText(question.texts.b);
    txtC->setText(question.texts.c);
    txtD->setText(question.texts.d);
    txtAnswer->setText(question.texts.answer);
    // The whole picture, made small enough for the box and kept in its
    // proportions, rather than its top-left corner at full size.
    if (!question.picture.isNull())
        pic1->showDrawnPicture(question.picture.scaled(pic1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    else
        pic1->clearPicture();
    txtNotes->setText(question.texts.notes);
    txtLevel->setText(question.texts.level);
    txtPicture->setText(question.texts.picture);
    txtVideo->setText(question.texts.video);
}

// A click on the option already chosen lists its bank again, once.
void frmBank::optTestBank1_Click()
{
    List1->clear();
    listBanks({1});
}

void frmBank::optTestBank2_Click()
{
    List1->clear();
    listBanks({2});
}

void frmBank::optTestBank3_Click()
{
    List1->clear();
    listBanks({3});
}

// A title that two banks share is listed twice.
void frmBank::optBoth_Click()
{
    List1->clear();
    listBanks({1, 2, 3});
}

// The chapter's query waits in the question window's cursor, unrefreshed,
// for a set emptied there to take it up. The proposed number follows the
// chapter's last numbered question in stored order: a chapter ending with 7
// after an earlier 12 goes on with 8, one without numbers starts at 1.
void frmBank::List1_Click()
{
    txtLook->setText(markers::hubTransport);
    txtChapter->setText(List1->text());
    const QString chapterQuery =
        QStringLiteral("SELECT * FROM table1 where  Chapter = %1").arg(data::sqlText(txtChapter->text()));
    forms::leaveOnError([&] {
        questionsets::questionWindow().set.cursor().setRecordSource(chapterQuery);
        Data1->setRecordSource(chapterQuery);
        Data1->refresh();
        txtNumber->setText(nextQuestionNumber(lastNumberedQuestion(Data1->recordset(), *txtCheckQuestionNum)));
        txtNumber->setFocus();
    });
}

} // namespace editing
