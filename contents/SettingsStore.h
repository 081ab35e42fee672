#pragma once

#include <QString>

namespace contents {

// Writers of the settings store. Each sets the hidden box of the main table
// of contents and saves its row at once, so nothing a user chose waits in a
// box; readers read the boxes of frmContents directly.

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

} // namespace contents
