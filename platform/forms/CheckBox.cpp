#include "platform/forms/CheckBox.h"

#include "platform/core/Errors.h"
#include "platform/forms/Captions.h"

namespace forms {

CheckBox::CheckBox(QWidget* parent, const QString& caption) : QCheckBox(parent)
{
    setCaption(caption);
    connect(this, &QCheckBox::stateChanged, this, &CheckBox::click);
}

void CheckBox::setCaption(const QString& caption)
{
    setText(caption);
    applyCaptionAccessibleName(*this, caption);
}

int CheckBox::value() const
{
    switch (checkState()) {
    case Qt::Checked:
        return Checked;
    case Qt::PartiallyChecked:
        return Grayed;
    default:
        return Unchecked;
    }
}

void CheckBox::setValue(int value)
{
    switch (value) {
    case Unchecked:
        setCheckState(Qt::Unchecked);
        break;
    case Checked:
        setCheckState(Qt::Checked);
        break;
    case Grayed:
        setCheckState(Qt::PartiallyChecked);
        break;
    default:
        throw platform::errors::invalidPropertyValue();
    }
}

void CheckBox::nextCheckState()
{
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

} // namespace forms
