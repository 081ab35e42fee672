// Loading the print settings row, the skin, and the steps that change the
// settings: fonts, colours and the page border. Each change is stored in the
// row as soon as it is made.

#include "printing/frmPackage.h"

#include "appearance/CurrentSkin.h"
#include "appearance/SkinTable.h"
#include "platform/core/RuntimeError.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"
#include "platform/print/PrintControl.h"
#include "printing/PreviewDocument.h"
#include "printing/PrintSettings.h"
#include "questiondb/Cursors.h"

#include <array>

namespace printing {

using forms::bestEffort;

namespace {

// The border names in the list's order; a name's place is its frame style.
constexpr std::array<QLatin1StringView, 6> borders{QLatin1StringView("No Border"), QLatin1StringView("Bottom"),
                                                   QLatin1StringView("Top"),       QLatin1StringView("Top And Bottom"),
                                                   QLatin1StringView("Box"),       QLatin1StringView("Columns")};

// A size as the row keeps it: the text of a single-precision number.
QString sizeText(double size)
{
    return QString::number(static_cast<float>(size), 'g', 7);
}

void setLabelColours(frmPackage& window, int colour)
{
    for (forms::Label* label : {window.Label1, window.Label2, window.Label3, window.Label4, window.Label5,
                                window.Label6, window.Label7, window.Label8})
        label->setForeColor(colour);
}

} // namespace

// A row value that is no number leaves its swatch or the document's setting
// as it was; the build tells the user about it.
void frmPackage::Form_Load()
{
    bestEffort({
        [&] { questiondb::openCursor(*Data1, QStringLiteral("Table6")); },
        [&] { showSwatch(*colorbox, *txtColor); },
        [&] { showSwatch(*colorbox2, *txtColor2); },
        [&] { printDocument().setBodyFontName(txtFont->text()); },
        [&] {
            bool number = false;
            const float size = txtSize->text().trimmed().toFloat(&number);
            if (number)
                printDocument().setBodyFontSize(size);
        },
    });
    for (QLatin1StringView border : borders)
        List1->addItem(QString(border));
}

// A name that is no skin leaves the window as it looks now.
void frmPackage::Form_Activate()
{
    const appearance::Skin* skin = appearance::paintCurrentSkin(*FXImage1);
    if (!skin)
        return;
    bestEffort({[&] {
        if (skin->labelColor == appearance::whiteColor)
            WhiteType();
        else
            BlackType();
    }});
}

void frmPackage::BlackType()
{
    setLabelColours(*this, 0);
}

void frmPackage::WhiteType()
{
    setLabelColours(*this, appearance::whiteColor);
}

// The row is written whole, so a box changed by a step that then stops half
// way is stored all the same. A file that refuses is told once per change;
// the boxes keep the values and the next change (or leaving) stores them.
void frmPackage::storeSettings()
{
    if (storing_ || !Data1->hasRecordset())
        return;
    storing_ = true;
    try {
        Data1->updateRecord();
    } catch (const platform::RuntimeError& error) {
        forms::msgBox(QStringLiteral("The print settings could not be saved: %1").arg(error.description()),
                      forms::vbOKOnly | forms::vbExclamation, QStringLiteral("Not So Fast!"));
    }
    storing_ = false;
}

void frmPackage::showSwatch(forms::Label& swatch, const forms::TextBox& colour)
{
    bool number = false;
    const qint64 value = colour.text().trimmed().toLongLong(&number);
    if (number)
        swatch.setBackColor(int(value));
}

PrintSettings frmPackage::settings() const
{
    PrintSettings row;
    row.font = txtFont->text();
    row.size = txtSize->text();
    row.color = txtColor->text();
    row.headerFont = txtHeaderfont->text();
    row.headerSize = txtHeaderSize->text();
    row.headerColor = txtColor2->text();
    row.headerTitle = txtHeaderTitle->text();
    return row;
}

// ---- Fonts and colours ----------------------------------------------------------------------
// A cancelled dialog changes nothing. A chosen font or colour goes into its
// boxes (and so into the row) and onto the document at once.

namespace {

using NameSetter = void (print::Composer::*)(const QString&);
using SizeSetter = void (print::Composer::*)(double);
using ColourSetter = void (print::Composer::*)(qint64);

void takeFont(const QString& title, forms::TextBox& name, forms::TextBox& size, NameSetter setName, SizeSetter setSize)
{
    const std::optional<forms::FontChoice> font = forms::fontDialog(title);
    if (!font)
        return;
    print::PrintControl& document = printDocument();
    name.setText(font->name);
    (document.*setName)(font->name);
    size.setText(sizeText(font->size));
    (document.*setSize)(font->size);
}

// A failure ends the step quietly.
void takeColour(forms::TextBox& box, forms::Label& swatch, ColourSetter setColour)
{
    forms::leaveOnError([&] {
        const std::optional<int> colour = forms::colorDialog(box.text().toInt());
        if (!colour)
            return;
        box.setText(QString::number(*colour));
        (printDocument().*setColour)(*colour);
        swatch.setBackColor(*colour);
    });
}

} // namespace

void frmPackage::cmdFont_Click()
{
    takeFont(QStringLiteral("Change Font Name"), *txtFont, *txtSize, &print::Composer::setBodyFontName,
             &print::Composer::setBodyFontSize);
}

void frmPackage::cmdHeaderFont_Click()
{
    takeFont(QStringLiteral("Change Title Font"), *txtHeaderfont, *txtHeaderSize, &print::Composer::setHeaderFontName,
             &print::Composer::setHeaderFontSize);
}

void frmPackage::Command6_Click()
{
    takeColour(*txtColor, *colorbox, &print::Composer::setBodyTextColor);
}

void frmPackage::cmdHeaderColor_Click()
{
    takeColour(*txtColor2, *colorbox2, &print::Composer::setHeaderTextColor);
}

void frmPackage::colorbox_Click()
{
    Command6_Click();
}

void frmPackage::colorbox2_Click()
{
    cmdHeaderColor_Click();
}

// ---- The page border -----------------------------------------------------------------------

// The border stays on the document until another is picked or a product
// sets one; it is not stored.
void frmPackage::List1_Click()
{
    const QString picked = List1->text();
    for (int style = 0; style < int(borders.size()); ++style) {
        if (picked == borders[size_t(style)]) {
            printDocument().setPageFrame(style);
            return;
        }
    }
}

// The settings are in the row already; leaving stores nothing more.
void frmPackage::cmdCancel_Click()
{
    Unload();
}

} // namespace printing
