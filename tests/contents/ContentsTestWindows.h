#pragma once

// Reaching the three tables of contents by bank number, for the contents tests.

#include "contents/frmContents.h"
#include "contents/frmContentsBank.h"
#include "platform/forms/App.h"

namespace contentstest {

inline contents::ContentsWindow& contentsWindow(int bank)
{
    using forms::form;
    if (bank == 1)
        return form<contents::frmContents>();
    if (bank == 2)
        return form<contents::frmContents2>();
    return form<contents::frmContents3>();
}

inline forms::Qv3dLabel* chapterButton(int bank, int number)
{
    if (bank == 1)
        return forms::form<contents::frmContents>().cmd(number);
    return static_cast<contents::frmContentsBank&>(contentsWindow(bank)).cmd(number);
}

inline forms::TextBox* pressedTitleBox(int bank)
{
    if (bank == 1)
        return forms::form<contents::frmContents>().txtK;
    return static_cast<contents::frmContentsBank&>(contentsWindow(bank)).txtK;
}

inline forms::Qv3dLabel* entireTestButton(int bank)
{
    if (bank == 1)
        return forms::form<contents::frmContents>().cmdAll;
    return static_cast<contents::frmContentsBank&>(contentsWindow(bank)).cmdAll;
}

// The field of the titles row behind chapter button `number` of a bank.
inline QString titleColumn(int bank, int number)
{
    const char* prefix = bank == 1 ? "title" : bank == 2 ? "titlea" : "tb3";
    return QString::fromLatin1(prefix) + QString::number(number);
}

} // namespace contentstest
