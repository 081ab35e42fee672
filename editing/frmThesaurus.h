#pragma once

#include "platform/forms/CommandButton.h"
#include "platform/forms/Form.h"
#include "platform/forms/ImageBox.h"
#include "platform/forms/Label.h"
#include "platform/forms/TextBox.h"

#include <memory>

namespace spell {
class Dictionary;
}
namespace thesaurus {
class ThesaurusControl;
}

namespace editing {

// " BrisoltThesaurus": synonyms for a word selected in one of the question
// window's edit fields. The question window's toolbar opens it on the
// selected word (through the clipboard) and names the field in txtClip;
// "Replace" writes the word box over that field's selection and closes the
// window. The window is modeless; its close box closes it without writing.
class frmThesaurus : public forms::Form {
    Q_OBJECT
public:
    frmThesaurus();
    ~frmThesaurus() override;

    forms::TextBox* TextBox;                   // the word: looked up, and written back by "Replace"
    forms::CommandButton* cmdCheckword;        // "Check word:"
    forms::CommandButton* Command1;            // "Replace"
    thesaurus::ThesaurusControl* VSThesaurus1; // meanings and synonyms of the word looked up
    // The question window's field "Replace" writes into: "Question", "A".."D"
    // or "Notes"; any other text names none.
    forms::TextBox* txtClip;
    forms::Label* Label1;
    forms::ImageBox* FXImage1; // the window's background

    void cmdCheckword_Click();
    void VSThesaurus1_WordChosen();
    void Command1_Click();
    // The word to work on: the clipboard's text, selected whole in the word
    // box, with nothing looked up yet.
    void takeClipboardWord();

protected:
    void Form_Load() override;

private:
    QStringList stemsOf(const QString& word);

    std::unique_ptr<spell::Dictionary> stemDictionary_; // opened at the first word the thesaurus lacks
};

} // namespace editing
