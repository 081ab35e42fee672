// The design of " BrisoltThesaurus": the word box with "Check word:" beside
// it, the thesaurus below them and "Replace".

#include "editing/frmThesaurus.h"

#include "platform/forms/App.h"
#include "platform/forms/Twips.h"
#include "platform/forms/WindowKit.h"
#include "platform/spell/Dictionary.h"
#include "platform/thesaurus/ThesaurusControl.h"

namespace editing {

namespace {

// The client area of the design, in twips.
constexpr int designWidth = 7200;
constexpr int designHeight = 5520;

const QString tahoma = QStringLiteral("Tahoma");

} // namespace

frmThesaurus::frmThesaurus()
{
    const QSize design = forms::rectFromTwips(0, 0, designWidth, designHeight).size();
    forms::shapeWindow(*this, {"frmThesaurus", " BrisoltThesaurus", design, forms::Start::CentredOnScreen, true});
    QWidget& canvas = *forms::makeScrollingCanvas(*this, design);

    FXImage1 = new forms::ImageBox(&canvas);
    FXImage1->setObjectName(QStringLiteral("FXImage1"));
    FXImage1->setStretch(true);
    FXImage1->setPicture(forms::App::current().file(QStringLiteral("\\images\\paper2.jpg")));
    forms::coverCanvas(canvas, *FXImage1);

    using W = frmThesaurus;
    static const forms::ButtonDesign<W, forms::Label> labels[] = {
        {&W::Label1, "Label1", "Easily integrate vsThesaurus and look up synonyms to any word.", {120, 120, 6960, 255}},
    };
    forms::buildButtons(*this, canvas, labels);

    static const forms::BoxDesign<W> boxes[] = {
        {&W::TextBox, "TextBox", "Word", {1680, 480, 5400, 315}},
    };
    forms::buildBoxes(*this, canvas, boxes);
    TextBox->setText(QStringLiteral("Hello"));

    static const forms::ButtonDesign<W> buttons[] = {
        {&W::cmdCheckword, "cmdCheckword", "Check word:", {120, 450, 1455, 375}, &W::cmdCheckword_Click},
        {&W::Command1, "Command1", "Replace", {5580, 5010, 1500, 375}, &W::Command1_Click},
    };
    forms::buildButtons(*this, canvas, buttons);

    VSThesaurus1 = new thesaurus::ThesaurusControl(&canvas, forms::App::current().path());
    VSThesaurus1->setObjectName(QStringLiteral("VSThesaurus1"));
    forms::setGeometryTwips(*VSThesaurus1, 120, 930, 6960, 3960);
    connect(VSThesaurus1, &thesaurus::ThesaurusControl::wordChosen, this, &W::VSThesaurus1_WordChosen);
    VSThesaurus1->setStemmer([this](const QString& word) { return stemsOf(word); });

    static const forms::HiddenBoxDesign<W> hidden[] = {
        {&W::txtClip, "txtClip", "Text1"},
    };
    forms::buildHiddenBoxes(*this, hidden);

    for (QWidget* control : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(cmdCheckword)})
        forms::setFontNameOf(*control, tahoma);
    TextBox->setFontName(tahoma);

    forms::setTabOrder(*this, {"TextBox", "cmdCheckword", "VSThesaurus1", "Command1"});
}

frmThesaurus::~frmThesaurus() = default;

} // namespace editing
