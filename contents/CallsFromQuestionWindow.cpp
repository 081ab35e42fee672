// What the question window asks of the tables of contents
// (questionwindow/ContentsCalls.h).

#include "questionwindow/ContentsCalls.h"

#include "contents/frmContentsBank.h"
#include "settings/Markers.h"

std::optional<QString> questionwindow::routedChapter(const QString& route)
{
    for (int bank = 1; bank <= 3; ++bank) {
        if (route == markers::contentsRoute(bank))
            return contents::contentsWindow(bank).txtK->text();
    }
    return std::nullopt;
}
