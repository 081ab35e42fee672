#pragma once

#include "platform/forms/Appearance.h"

#include <QListWidget>
#include <QPixmap>

namespace forms {

class TextItemSizes;

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

    // A manual drag of the list, started by a step (usually its mouse-down):
    // the pointer carries the drag icon and the text of the current entry
    // ("" with none) until the button is released; a list that takes drops
    // under the pointer then raises dragDrop. Nothing happens on an empty
    // list. Returns when the drag has ended; the drop's step has run by then.
    void drag();
    QPixmap dragIcon() const { return dragIcon_; }
    void setDragIcon(const QPixmap& icon) { dragIcon_ = icon; }

    // Off by default: only a list meant to take entries takes a drop, and
    // only a drag the program started (another list's entry or a chapter
    // title), never text from another application.
    bool acceptsEntryDrops() const { return acceptsEntryDrops_; }
    void setAcceptsEntryDrops(bool on);

signals:
    void click();
    void dblClick();
    // button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt;
    // position in twips from the list's corner.
    void mouseDown(int button, int shift, int x, int y);
    // A drag dropped on this list: the text the dragged list's current entry
    // had when the drag began.
    void dragDrop(const QString& sourceText);

protected:
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    int sortedRowFor(const QString& text) const;

    bool sorted_ = false;
    bool quiet_ = false; // adding or removing moves no selection the user made
    int lastIndex_ = -1;
    int newIndex_ = -1;
    QPixmap dragIcon_;
    bool acceptsEntryDrops_ = false;
    TextItemSizes* sizes_; // measures the items; owned through Qt
};

} // namespace forms
