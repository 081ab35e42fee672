// The editing windows' calls into the tables of contents
// (editing/ContentsCalls.h).

#include "editing/ContentsCalls.h"

#include "contents/ChapterButtons.h"
#include "contents/ChapterHandOver.h"
#include "contents/frmContents.h"
#include "contents/frmContentsBank.h"
#include "platform/forms/App.h"
#include "platform/forms/FailureRegimes.h"
#include "platform/forms/Qv3dLabel.h"

namespace {

using contents::ContentsWindow;
using forms::form;

ContentsWindow& bankWindow(int bank)
{
    switch (bank) {
    case 1:
        return form<contents::frmContents>();
    case 2:
        return form<contents::frmContents2>();
    default:
        return form<contents::frmContents3>();
    }
}

} // namespace

QStringList editing::chapterCaptions(int bank)
{
    const ContentsWindow& window = bankWindow(bank);
    // The main bank has one chapter button fewer than the user's banks.
    const int count = bank == 1 ? 20 : 21;
    QStringList captions;
    for (int number = 1; number <= count; ++number)
        captions.append(window.cmd(number)->caption());
    return captions;
}

void editing::openChapterFromPalette(const QString& title)
{
    form<contents::frmContents>().txtK->setText(title);
    contents::openChapter(title);
}

void editing::loadBank(int bank)
{
    bankWindow(bank);
}

int editing::clearBankTitle(int bank, const QString& title, bool readUnread)
{
    ContentsWindow& window = bankWindow(bank);
    if (readUnread && !window.Data1->hasRecordset())
        window.Data1->refresh();
    return window.chapters->clearStoredTitle(title);
}

void editing::readBankTitlesAgain(int bank)
{
    ContentsWindow& window = bankWindow(bank);
    forms::bestEffort({[&] { window.Data1->refresh(); }});
}
