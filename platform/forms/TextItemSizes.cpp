#include "platform/forms/TextItemSizes.h"

namespace forms {

namespace {

// Enough for every title a list shows in a session; a list of ever new texts
// starts again rather than growing without end.
constexpr qsizetype kMostKept = 20000;

} // namespace

QSize TextItemSizes::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const bool plainText = !(option.features & QStyleOptionViewItem::WrapText)
                           && !index.data(Qt::DecorationRole).isValid() && !index.data(Qt::CheckStateRole).isValid()
                           && !index.data(Qt::FontRole).isValid() && !index.data(Qt::SizeHintRole).isValid();
    if (!plainText)
        return QStyledItemDelegate::sizeHint(option, index);
    const QString key = option.font.key() + QChar(0) + index.data(Qt::DisplayRole).toString();
    const auto kept = sizes_.constFind(key);
    if (kept != sizes_.constEnd())
        return *kept;
    if (sizes_.size() >= kMostKept)
        sizes_.clear();
    const QSize size = QStyledItemDelegate::sizeHint(option, index);
    sizes_.insert(key, size);
    return size;
}

} // namespace forms
