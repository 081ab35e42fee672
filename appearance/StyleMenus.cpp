#include "appearance/StyleMenus.h"

#include "appearance/QuestionStyle.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"
#include "platform/forms/TextBox.h"
#include "settings/Settings.h"

#include <optional>

namespace appearance {

namespace {

settings::ScreenFont currentScreenFont()
{
    QStringList fields;
    for (int index = 0; index < 4; ++index)
        fields.append(settings::screenStyleField(index));
    return storedScreenFont(fields);
}

// The font the user accepts, or none when the dialog was cancelled. The
// dialog opens on the font the question window has now and comes back until
// the choice names a face.
std::optional<forms::FontChoice> chooseScreenFont()
{
    const settings::ScreenFont now = currentScreenFont();
    const forms::FontChoice initial{now.name, now.size, now.bold, now.italic};
    for (;;) {
        std::optional<forms::FontChoice> chosen = forms::fontDialog(QStringLiteral("Change Screen Fonts"), initial);
        if (!chosen || !chosen->name.isEmpty())
            return chosen;
        forms::msgBox(QStringLiteral("Please Choose A Font Name Before Closing."), forms::vbExclamation,
                      QStringLiteral("Brisolt Software"));
    }
}

using ShowColor = void (*)(int);
using SaveColor = void (*)(int);

void changeColor(int field, ShowColor show, SaveColor save)
{
    forms::leaveOnError([&] {
        const int now = storedColor(settings::screenStyleField(field));
        const std::optional<int> chosen = forms::colorDialog(now);
        if (!chosen)
            return;
        show(*chosen);
        save(*chosen);
    });
}

} // namespace

void changeScreenFonts()
{
    const std::optional<forms::FontChoice> chosen = chooseScreenFont();
    if (!chosen)
        return;
    showScreenFont({chosen->name, chosen->bold, chosen->italic, chosen->size});
    settings::saveScreenFont(chosen->name, chosen->bold, chosen->italic, chosen->size);
}

// Stored first, then shown: the question window, when this loads it, takes
// the stored style itself.
void resetScreenFonts()
{
    settings::resetScreenFonts();
    showScreenFont(settings::defaultScreenFont());
}

void changeFontColor()
{
    changeColor(4, &showFontColor, &settings::saveFontColor);
}

void changeCanvasColor()
{
    changeColor(5, &showCanvasColor, &settings::saveCanvasColor);
}

} // namespace appearance
