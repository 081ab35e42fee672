#pragma once

#include "platform/forms/Appearance.h"

#include <QComboBox>

namespace forms {

// A drop-down list, with an edit field (DropDownCombo) or without one
// (DropDownList). click() runs when the chosen item changes, change() when
// the edit field's text changes.
class ComboBox : public QComboBox, public Appearance<ComboBox> {
    Q_OBJECT
public:
    enum Style { DropDownCombo = 0, DropDownList = 2 };

    explicit ComboBox(QWidget* parent = nullptr, Style style = DropDownCombo);

    void addItem(const QString& text, int index = -1); // throws 5 for an index past the end
    void removeItem(int index);                        // throws 5 outside 0..listCount-1
    int listCount() const { return count(); }
    QString list(int index) const; // "" outside the list
    int listIndex() const { return currentIndex(); }
    void setListIndex(int index); // throws 380 outside -1..listCount-1
    QString text() const { return currentText(); }
    void setText(const QString& text);

signals:
    void click();
    void change();
};

} // namespace forms
