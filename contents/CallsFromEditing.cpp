// The editing windows' calls into the tables of contents
// (editing/ContentsCalls.h).

#include "editing/ContentsCalls.h"

#include "contents/ChapterButtons.h"
#include "contents/ChapterHandOver.h"
#include "contents/frmContentsBank.h"
#include "platform/forms/FailureRegimes.h"
#include "platform/forms/Qv3dLabel.h"

using contents::ContentsWindow;
using contents::contentsWindow;

QStringList editing::chapterCaptions(int bank)
{
    QStringList captions;
    for (const forms::Qv3dLabel* button : contentsWindow(bank).chapters->all())
        captions.append(button->caption());
    return captions;
}

void editing::openChapterFromPalette(const QString& title)
{
    contentsWindow(1).txtK->setText(title);
    contents::openChapter(title);
}

void editing::loadBank(int bank)
{
    contentsWindow(bank);
}

int editing::clearBankTitle(int bank, const QString& title, bool readUnread)
{
    ContentsWindow& window = contentsWindow(bank);
    if (readUnread && !window.Data1->hasRecordset())
        window.Data1->refresh();
    return window.chapters->clearStoredTitle(title);
}

void editing::readBankTitlesAgain(int bank)
{
    ContentsWindow& window = contentsWindow(bank);
    forms::bestEffort({[&] { window.Data1->refresh(); }});
}
