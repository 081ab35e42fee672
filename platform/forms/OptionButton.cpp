#include "platform/forms/OptionButton.h"

#include "platform/forms/Captions.h"

namespace forms {

OptionButton::OptionButton(QWidget* parent, const QString& caption) : QRadioButton(parent)
{
    setCaption(caption);
    connect(this, &QAbstractButton::toggled, this, [this](bool selected) {
        if (selected)
            emit click();
    });
}

void OptionButton::setCaption(const QString& caption)
{
    setText(caption);
    applyCaptionAccessibleName(*this, caption);
}

void OptionButton::setValue(bool selected)
{
    if (selected) {
        setChecked(true);
        return;
    }
    // An exclusive group refuses to clear its selected button; the windows
    // clear a group's choice, so lift the exclusion for this one change.
    const bool exclusive = autoExclusive();
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(exclusive);
}

} // namespace forms
