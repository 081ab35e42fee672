#include "platform/forms/ListBox.h"

#include "platform/core/Errors.h"
#include "platform/forms/MouseArgs.h"
#include "platform/forms/Qv3dLabel.h"
#include "platform/forms/TextItemSizes.h"
#include "platform/forms/TitleDrop.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>

namespace forms {

ListBox::ListBox(QWidget* parent) : QListWidget(parent), sizes_(new TextItemSizes(this))
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    // A list filled again with the titles it held is laid out without
    // measuring each title again.
    setItemDelegate(sizes_);
    // listIndex follows the selection, not Qt's current row: a list that
    // receives the focus by Tab gets a current row but nothing is selected.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        const int now = listIndex();
        if (now == lastIndex_)
            return;
        lastIndex_ = now;
        if (!quiet_)
            emit click();
    });
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { emit dblClick(); });
}

int ListBox::listIndex() const
{
    const auto selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

int ListBox::sortedRowFor(const QString& text) const
{
    // After the last item that sorts before or equal to the text, so equal
    // texts stay in the order they were added.
    int low = 0;
    int high = count();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (QString::compare(item(middle)->text(), text, Qt::CaseInsensitive) <= 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

void ListBox::addItem(const QString& text, int index)
{
    if (index < -1 || index > count())
        throw platform::errors::invalidProcedureCall();
    const int row = index >= 0 ? index : (sorted_ ? sortedRowFor(text) : count());
    quiet_ = true;
    insertItem(row, text);
    lastIndex_ = listIndex();
    quiet_ = false;
    newIndex_ = row;
}

void ListBox::removeItem(int index)
{
    if (index < 0 || index >= count())
        throw platform::errors::invalidProcedureCall();
    const bool removesSelection = listIndex() == index;
    quiet_ = true;
    delete takeItem(index);
    if (removesSelection)
        clearSelection(); // Qt would select a neighbour; the list has no choice now
    lastIndex_ = listIndex();
    quiet_ = false;
}

void ListBox::clear()
{
    quiet_ = true;
    QListWidget::clear();
    lastIndex_ = -1;
    quiet_ = false;
    newIndex_ = -1;
}

QString ListBox::list(int index) const
{
    const QListWidgetItem* entry = (index >= 0 && index < count()) ? item(index) : nullptr;
    return entry ? entry->text() : QString();
}

void ListBox::setList(int index, const QString& text)
{
    if (index < 0 || index >= count())
        throw platform::errors::invalidPropertyValue();
    item(index)->setText(text);
}

void ListBox::setListIndex(int index)
{
    if (index < -1 || index >= count())
        throw platform::errors::invalidPropertyValue();
    if (index == -1) {
        clearSelection();
        return;
    }
    setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    scrollToItem(item(index));
}

QString ListBox::text() const
{
    const int index = listIndex();
    return index >= 0 ? item(index)->text() : QString();
}

void ListBox::setSorted(bool sorted)
{
    sorted_ = sorted;
    if (!sorted || count() < 2)
        return;
    const QString selected = text();
    QStringList texts;
    for (int i = 0; i < count(); ++i)
        texts << item(i)->text();
    std::stable_sort(texts.begin(), texts.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    const int wasSelected = listIndex();
    quiet_ = true;
    QListWidget::clear();
    addItems(texts);
    if (wasSelected >= 0)
        setCurrentRow(int(texts.indexOf(selected)), QItemSelectionModel::ClearAndSelect);
    lastIndex_ = listIndex();
    quiet_ = false;
}

// The program's lists hold chapter titles, so an entry travels the way a
// chapter button takes a title.
void ListBox::drag()
{
    if (count() == 0)
        return;
    auto* carrier = new QDrag(this);
    carrier->setMimeData(Qv3dLabel::titleMimeData(text()));
    if (!dragIcon_.isNull()) {
        carrier->setPixmap(dragIcon_);
        carrier->setHotSpot(QPoint(dragIcon_.width() / 2, dragIcon_.height() / 2));
    }
    // The drop's step may unload the window: nothing of this list is touched
    // after the drag.
    carrier->exec(Qt::MoveAction);
}

void ListBox::setAcceptsEntryDrops(bool on)
{
    acceptsEntryDrops_ = on;
    setAcceptDrops(on);
    viewport()->setAcceptDrops(on);
}

void ListBox::dragEnterEvent(QDragEnterEvent* event)
{
    answerTitleDrag(*event, acceptsEntryDrops_);
}

void ListBox::dragMoveEvent(QDragMoveEvent* event)
{
    answerTitleDrag(*event, acceptsEntryDrops_);
}

void ListBox::dropEvent(QDropEvent* event)
{
    if (const std::optional<QString> source = takeDroppedTitle(*event, acceptsEntryDrops_))
        emit dragDrop(*source);
}

void ListBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::StyleChange)
        sizes_->forget();
    QListWidget::changeEvent(event);
}

void ListBox::mousePressEvent(QMouseEvent* event)
{
    QPointer<ListBox> alive(this);
    QListWidget::mousePressEvent(event); // selects first, as the steps expect
    if (!alive)
        return;
    const MouseArgs args = mouseArgsOf(*event);
    emit mouseDown(args.button, args.shift, args.x, args.y);
}

} // namespace forms
