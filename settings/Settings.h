#pragma once

#include <QString>

namespace settings {

// The settings face: the one way the windows read and write what the user
// chose. The values live in the hidden boxes of the main table of contents,
// bound to its settings rows, so this face is defined beside that window
// (contents/SettingsStore.cpp); no other window reads those boxes.
//
// Readers give the stored text as it stands (any text, not only the ones
// named here); the first touch loads the main table of contents, whose load
// may fail, as reading its box would.

// Loads the main table of contents that holds the values, as the first
// reader would; its load may fail, and the window is there all the same.
void openStore();

QString skinName();
// "Use", "Bypass", "Turbo", "Dont", "Nuvia", "Flash" or another text.
QString answerModeWord();
// The screen-size text, " 1024 x 768".
QString screenSize();
// "yes", "no" or another text (which chooses neither).
QString balloon();
QString showImages();
// The question window's style fields: 0 font name, 1 bold, 2 italic, 3 size
// ("True"/"False", points), 4 font colour, 5 canvas colour (RGB numbers).
QString screenStyleField(int index);

// Writers: each sets the hidden box of the main table of contents and saves
// its row at once, so nothing a user chose waits in a box.

// The answer-mode word: "Use", "Bypass", "Turbo", "Dont", "Nuvia", "Flash".
void saveAnswerMode(const QString& word);

// The skin: into the main window's box and the two bank windows' boxes (which
// loads them), then the settings row is saved and the flags row re-read.
void saveSkin(const QString& skinName);

// The speaking character's presentation pictures and balloon: "yes" / "no",
// saved by editing the settings row's record set.
void saveShowImages(const QString& yesNo);
void saveBalloon(const QString& yesNo);

// The question window's text style.
struct ScreenFont {
    QString name;
    bool bold;
    bool italic;
    double size; // points
};
// What "Reset Screen Fonts" goes back to: MS Sans Serif, regular, 8 points.
ScreenFont defaultScreenFont();
void saveScreenFont(const QString& name, bool bold, bool italic, double size);
// Stores the default screen font; the colours stay as they are.
void resetScreenFonts();
void saveFontColor(int rgb);
void saveCanvasColor(int rgb);

// The speech components are installed.
void saveAgentInstalled();

} // namespace settings
