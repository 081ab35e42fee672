#include "platform/forms/ComboBox.h"

#include "platform/core/Errors.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace forms {

ComboBox::ComboBox(QWidget* parent, Style style) : QComboBox(parent)
{
    setEditable(style == DropDownCombo);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            emit click();
    });
    if (lineEdit())
        connect(lineEdit(), &QLineEdit::textChanged, this, &ComboBox::change);
}

void ComboBox::addItem(const QString& text, int index)
{
    if (index < -1 || index > count())
        throw platform::errors::invalidProcedureCall();
    // Qt selects the first item added to an empty list; the windows expect
    // the list to stay unselected and the edit field to keep its text.
    const int selected = currentIndex();
    const QString edited = lineEdit() ? lineEdit()->text() : QString();
    {
        const QSignalBlocker quietList(this);
        const QSignalBlocker quietEdit(lineEdit());
        insertItem(index < 0 ? count() : index, text);
        if (selected < 0) {
            setCurrentIndex(-1);
            if (lineEdit())
                lineEdit()->setText(edited);
        }
    }
}

void ComboBox::removeItem(int index)
{
    if (index < 0 || index >= count())
        throw platform::errors::invalidProcedureCall();
    QComboBox::removeItem(index);
}

QString ComboBox::list(int index) const
{
    return (index >= 0 && index < count()) ? itemText(index) : QString();
}

void ComboBox::setListIndex(int index)
{
    if (index < -1 || index >= count())
        throw platform::errors::invalidPropertyValue();
    setCurrentIndex(index);
}

void ComboBox::setText(const QString& text)
{
    if (lineEdit()) {
        lineEdit()->setText(text);
        return;
    }
    // A list without an edit field can only show one of its items.
    const int index = findText(text, Qt::MatchFixedString);
    if (index < 0)
        throw platform::errors::invalidPropertyValue();
    setCurrentIndex(index);
}

} // namespace forms
