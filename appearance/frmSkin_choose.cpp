// Loading the chooser on the pick stored last, a click that previews and
// stores a skin, and Exit.

#include "appearance/frmSkin.h"

#include "appearance/SkinBackground.h"
#include "appearance/SkinTable.h"
#include "platform/core/RuntimeError.h"
#include "platform/data/DataControl.h"
#include "platform/forms/App.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"
#include "platform/forms/ImageBox.h"
#include "platform/forms/ListBox.h"
#include "platform/forms/TextBox.h"
#include "questiondb/Cursors.h"
#include "settings/Settings.h"

namespace appearance {

using forms::bestEffort;

namespace {

// The chooser's own background until a skin is clicked, whatever is stored.
const QLatin1String chooserBackground("\\images\\paper2.jpg");

QString programFile(QLatin1String relative)
{
    return forms::App::current().file(relative);
}

} // namespace

// No entry is selected: the preview shows the stored pick, if it is a skin
// of the table. A row that cannot be read leaves the preview empty and the
// chooser still offers every skin.
void frmSkin::Form_Load()
{
    bestEffort({
        [&] { questiondb::openCursor(*Data1, QStringLiteral("Table13")); },
        [&] {
            for (const QString& name : skinNames())
                List1->addItem(name);
        },
        [&] {
            if (const Skin* skin = findSkin(txtSkin->text()))
                fxSkin->setPicture(programFile(skin->skinPicture));
        },
        [&] { FXImage1->setPictureFile(programFile(chooserBackground)); },
    });
}

// The preview and the background show the skin at once, and the pick is
// stored at once: the user need not find Exit for the choice to count.
void frmSkin::List1_Click()
{
    const QString name = List1->text();
    const Skin* skin = findSkin(name);
    if (!skin)
        return;
    fxSkin->setPicture(programFile(skin->skinPicture));
    FXImage1->setPictureFile(programFile(skin->windowBackground));
    storePick(name);
}

// Hands over what the chooser holds: the last pick, or the stored one when
// nothing was clicked.
void frmSkin::Command1_Click()
{
    storePick(txtSkin->text());
    Unload();
}

void frmSkin::storePick(const QString& name)
{
    try {
        txtSkin->setText(name);
        Data1->updateRecord();
        settings::saveSkin(name);
    } catch (const platform::RuntimeError& error) {
        forms::msgBox(QStringLiteral("The skin could not be saved.\n\n%1").arg(error.description()),
                      forms::vbOKOnly | forms::vbExclamation, QStringLiteral("Brisolt Software"));
    }
}

} // namespace appearance
