// What the question window asks of the tables of contents
// (questionwindow/ContentsCalls.h).

#include "questionwindow/ContentsCalls.h"

#include "contents/frmContents.h"
#include "contents/frmContentsBank.h"
#include "platform/forms/App.h"
#include "settings/Markers.h"

std::optional<QString> questionwindow::routedChapter(const QString& route)
{
    using forms::form;
    if (route == markers::mainContentsRoute)
        return form<contents::frmContents>().txtK->text();
    if (route == markers::bank2Route)
        return form<contents::frmContents2>().txtK->text();
    if (route == markers::bank3Route)
        return form<contents::frmContents3>().txtK->text();
    return std::nullopt;
}
