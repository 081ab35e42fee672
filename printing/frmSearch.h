#pragma once

#include "platform/forms/CommandButton.h"
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "platform/forms/ListBox.h"
#include "platform/forms/Menu.h"
#include "platform/forms/ReSize.h"
#include "platform/forms/TextBox.h"
#include "printing/TermPrintouts.h"

#include <memory>

class XP_ProgressBar;

namespace appearance {
class SkinBackground;
}

namespace data {
class Connection;
}

namespace printing {

// "Dodu Rerarer Terminology": the terminology library. Every term in a
// sorted list; typing finds the first term that begins with the typed text,
// and a clicked or found term shows its definition. Opened from the question
// window's "Terms" key it looks up the word the user selected (handed over
// on the clipboard). Its File menu prints the glossary and the two tests.
// It only reads the library.
//
// Its code: the design (frmSearch.cpp), loading and activation with the
// clipboard lookup (frmSearch_activate.cpp), looking terms up and finding as
// the user types (frmSearch_lookup.cpp), the menus and the printouts
// (frmSearch_menus.cpp).
class frmSearch : public forms::Form {
    Q_OBJECT
public:
    frmSearch();
    ~frmSearch() override;

    forms::TextBox* txtMeaning; // hidden: the definition of the last lookup, "" when it found none
    forms::TextBox* txtChapter; // hidden: its chapter
    // hidden: the lookup marker; "Cat" makes an activation leave the labels
    // alone, any other text makes it look up the clipboard's text.
    forms::TextBox* txtClip;
    forms::TextBox* Text1;    // where the user types a term
    forms::ListBox* List1;    // every term, sorted
    forms::Label* lblWord;    // the term last looked up
    forms::Label* lblDef;     // its definition
    forms::Label* lblChapter; // its chapter; never shown
    forms::CommandButton* cmdGet;
    forms::CommandButton* cmdCancel;
    forms::Label* FXLabel1; // the window's title
    appearance::SkinBackground* FXImage1;
    XP_ProgressBar* ProgressBar1; // shown while a printout reads the library
    forms::ReSize* ReSize1;

    forms::Menu* mnuFile;
    forms::Menu* mnuPrintGlossary;
    forms::Menu* mnuPrintRandom;
    forms::Menu* mnuJeopardy;
    forms::Menu* mnuShoPackage;
    forms::Menu* mnuEnd;
    forms::Menu* mnuHelp;
    forms::Menu* mnuContents;
    forms::Menu* mnuAbout;

    // The label colours for a light and a dark skin.
    void BlackType();
    void WhiteType();

    void cmdGet_Click();
    // Shows the window to browse: the marker is written after the showing,
    // so it governs the later activations, and no lookup is made.
    void showToBrowse();
    void cmdCancel_Click();
    void List1_Click();
    void Text1_Change();
    void Text1_KeyPress(int& keyAscii);

    void mnuPrintGlossary_Click();
    void mnuPrintRandom_Click();
    void mnuJeopardy_Click();
    void mnuShoPackage_Click();
    void mnuEnd_Click();
    void mnuContents_Click();
    void mnuAbout_Click();

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    // The question database, opened on first use; throws when it cannot be.
    data::Connection& bank();
    // Shows `term` and what the library holds for it (empty texts when it
    // holds nothing); true when it found the term.
    bool showLookup(const QString& term);
    void lookUpClipboard();
    // The list entry spelled exactly as `typed`; -1 when there is none.
    int exactEntry(const QString& typed) const;
    // Reads the rows, composes the printout and shows it in the preview.
    void printTerms(TermPrintout printout, int count);
    void showProgress(double percent);

    std::shared_ptr<data::Connection> bank_;
};

} // namespace printing
