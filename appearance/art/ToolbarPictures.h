#pragma once

#include <QIcon>
#include <QList>

namespace art {

// The question window's toolbar pictures: simple line drawings of our own,
// drawn on a 24 x 24 grid and scaled to `size` pixels. The list is in the
// order of the toolbar's 1-based picture numbers: new, open, save, print,
// cut, copy, paste, find, camera, spell check, notes, terms, unlock, lock,
// help, thesaurus, bold, italic, underline, align left, centre, align right.
QList<QIcon> toolbarPictures(int size);

} // namespace art
