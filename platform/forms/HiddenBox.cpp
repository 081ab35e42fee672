#include "platform/forms/HiddenBox.h"

namespace forms {

TextBox* hiddenBox(QWidget* window, const QString& name, const QString& designText)
{
    auto* box = new TextBox(window);
    box->setObjectName(name);
    box->setText(designText);
    box->setDataChanged(false);
    box->setVisible(false);
    return box;
}

} // namespace forms
