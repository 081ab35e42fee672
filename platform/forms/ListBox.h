#pragma once

#include "platform/forms/Appearance.h"

#include <QListWidget>

namespace forms {

// A list of texts. listIndex is the selected row (-1 for none); click() runs
// whenever it changes, by the user or by code. A sorted list keeps its items
// in alphabetical order regardless of letter case.
class ListBox : public QListWidget, public Appearance<ListBox> {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    // index -1 appends (or places by sort order in a sorted list).
    void addItem(const QString& text, int index = -1); // throws 5 for an index past the end
    void removeItem(int index);                        // throws 5 outside 0..listCount-1
    void clear();

    int listCount() const { return count(); }
    // The item's text; "" for an index outside the list.
    QString list(int index) const;
    void setList(int index, const QString& text);
    int listIndex() const;
    void setListIndex(int index); // throws 380 outside -1..listCount-1
    // The selected item's text, "" with no selection.
    QString text() const;
    // The row where the last added item went.
    int newIndex() const { return newIndex_; }

    bool sorted() const { return sorted_; }
    void setSorted(bool sorted);

signals:
    void click();
    void dblClick();
    // button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt;
    // position in twips from the list's corner.
    void mouseDown(int button, int shift, int x, int y);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    int sortedRowFor(const QString& text) const;

    bool sorted_ = false;
    bool quiet_ = false; // adding or removing moves no selection the user made
    int lastIndex_ = -1;
    int newIndex_ = -1;
};

} // namespace forms
