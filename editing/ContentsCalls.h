#pragma once

#include <QString>
#include <QStringList>

// Calls the editing windows make up into the tables of contents, which lie
// above them: declared here so editing names no table of contents, defined
// with the tables (contents/CallsFromEditing.cpp). Banks are numbered 1 to 3;
// touching a bank's table of contents loads it, hidden, so its chapter
// buttons carry the stored titles.
namespace editing {

// The captions of a bank's chapter buttons in button order, the empty ones
// included.
QStringList chapterCaptions(int bank);

// Opens the chapter as its chapter button does, the title recorded as the
// one pressed in the main table of contents.
void openChapterFromPalette(const QString& title);

// Loads the bank's table of contents when it is not loaded yet.
void loadBank(int bank);

// Clears, in the bank's titles row, every chapter button whose stored title
// is `title` exactly, in one store that joins a transaction the caller holds;
// returns how many. With `readUnread`, a titles row the window could not read
// when it was loaded (the file held by another program) is read first.
int clearBankTitle(int bank, const QString& title, bool readUnread);

// The bank's table of contents shows what its titles row holds now; a read
// that fails leaves it as it was.
void readBankTitlesAgain(int bank);

} // namespace editing
