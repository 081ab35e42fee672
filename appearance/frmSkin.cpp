#include "appearance/frmSkin.h"

#include "appearance/SkinBackground.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/ImageBox.h"
#include "platform/forms/ListBox.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/WindowKit.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace appearance {

frmSkin::frmSkin()
{
    forms::shapeWindow(*this, {"frmSkin", "Change Interface Skin", QSize(520, 380), forms::Start::CentredOnScreen});

    using Self = frmSkin;
    static const forms::CursorDesign<Self> cursors[] = {{&Self::Data1, "Data1", "Access"}};
    forms::buildCursors(*this, cursors);
    static const forms::HiddenBoxDesign<Self> hidden[] = {{&Self::txtSkin, "txtSkin", "", &Self::Data1, "skin"}};
    forms::buildHiddenBoxes(*this, hidden);

    // The background fills the window; list, preview and button lie on it.
    QWidget* front = appearance::layOverSkinBackground(*this, FXImage1);
    auto* column = new QVBoxLayout(front);
    column->setContentsMargins(14, 14, 14, 14);
    column->setSpacing(12);
    auto* row = new QHBoxLayout;
    row->setSpacing(14);

    List1 = new forms::ListBox(front);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(QStringLiteral("Skins"));
    List1->setFixedWidth(150);
    connect(List1, &forms::ListBox::click, this, &frmSkin::List1_Click);
    row->addWidget(List1);

    fxSkin = new forms::ImageBox(front);
    fxSkin->setObjectName(QStringLiteral("fxSkin"));
    fxSkin->setAccessibleName(QStringLiteral("Preview"));
    fxSkin->setStretch(true);
    fxSkin->setFrameShape(QFrame::Box);
    fxSkin->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    row->addWidget(fxSkin, 1);
    column->addLayout(row, 1);

    static const forms::ButtonDesign<Self> buttons[] = {
        {&Self::Command1, "Command1", "E&xit", {}, &Self::Command1_Click},
    };
    forms::buildButtons(*this, *front, buttons);
    Command1->setMinimumSize(110, 32);
    column->addWidget(Command1, 0, Qt::AlignRight);
}

} // namespace appearance
