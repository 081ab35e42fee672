#pragma once

#include <QHash>
#include <QStyledItemDelegate>

namespace forms {

// Measures a list's items as the style does, and keeps the size of each
// plain-text item per text and font: laying a text out is most of what a
// list of a thousand titles costs each time it is laid out, and a list
// filled again with the same titles would measure every one of them anew.
// Items with a picture, a check box, a font or a size of their own, and
// wrapped texts, are measured every time.
class TextItemSizes : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The kept sizes no longer hold once the list's style changes.
    void forget() { sizes_.clear(); }

private:
    mutable QHash<QString, QSize> sizes_; // by font, then text
};

} // namespace forms
