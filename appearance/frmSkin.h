#pragma once

#include "platform/forms/Form.h"

namespace appearance {
class SkinBackground;
}
namespace data {
class DataControl;
}
namespace forms {
class CommandButton;
class ImageBox;
class ListBox;
class TextBox;
} // namespace forms

namespace appearance {

// "Change Interface Skin": the user picks one of the offered skins, sees its
// picture and background at once, and the pick is stored at once, so every
// window of the program paints it the next time it becomes active.
class frmSkin : public forms::Form {
    Q_OBJECT
public:
    frmSkin();

    data::DataControl* Data1;             // Table13: the flags row, with the chooser's own copy of the pick
    forms::TextBox* txtSkin;              // Table13.skin: the name picked last in the chooser
    forms::ListBox* List1;                // the offered skins, in the table's order
    forms::ImageBox* fxSkin;              // the picked skin's own picture
    appearance::SkinBackground* FXImage1; // the chooser's background
    forms::CommandButton* Command1;       // "E&xit"

    void List1_Click();
    void Command1_Click();

protected:
    void Form_Load() override;

private:
    // Stores the name in both rows and hands it to the tables of contents;
    // a row that cannot be written is reported.
    void storePick(const QString& name);
};

} // namespace appearance
