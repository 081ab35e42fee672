#pragma once

#include "platform/com/Unknown.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <span>
#include <vector>

class QWidget;

namespace com {

// The verb a container uses to show an object's property pages.
inline constexpr int kVerbProperties = -7;

// The pages that edit an object's properties, in the order a property frame
// shows them; each page is an object of its own class, made by its factory.
struct SpecifyPropertyPages : Unknown {
    static constexpr Guid iid{0xD1C4B8E0, 0x3F1A, 0x4C52, {0x8E, 0x61, 0x11, 0x0A, 0x5B, 0x27, 0x90, 0x05}};

    virtual Result pages(std::vector<Guid>* classes) = 0;

protected:
    ~SpecifyPropertyPages() = default;
};

// What a page tells the frame it shows in.
struct PageInfo {
    QString title;
    QSize size; // pixels, at the page's own font
};

// The frame's side of a page: it hears when the page's fields differ from
// the objects' values, and shows the page's messages to the user.
struct PropertyPageSite : Unknown {
    static constexpr Guid iid{0xD1C4B8E0, 0x3F1A, 0x4C52, {0x8E, 0x61, 0x11, 0x0A, 0x5B, 0x27, 0x90, 0x06}};

    // dirty: some field was changed and not yet written.
    virtual void statusChanged(bool dirty) = 0;
    // A value the objects refused, or one the page cannot take.
    virtual void showMessage(const QString& title, const QString& text) = 0;

protected:
    ~PropertyPageSite() = default;
};

// One page of a property frame. It edits the properties of every object it
// is given, by name through their dispatch: it reads them when it is
// activated and writes back only the fields the user changed.
struct PropertyPage : Unknown {
    static constexpr Guid iid{0xD1C4B8E0, 0x3F1A, 0x4C52, {0x8E, 0x61, 0x11, 0x0A, 0x5B, 0x27, 0x90, 0x07}};

    virtual Result setPageSite(PropertyPageSite* site) = 0;
    virtual Result pageInfo(PageInfo* info) = 0;
    // The objects edited; each must offer Dispatch.
    virtual Result setObjects(std::span<Unknown* const> objects) = 0;
    // Makes the page's window as a child of the parent, its fields showing
    // the objects' values; the window belongs to the page until deactivate.
    virtual Result activate(QWidget* parent, const QRect& rect, QWidget** window) = 0;
    virtual Result deactivate() = 0;
    // kOk when a field was changed and not yet written, else kFalse.
    virtual Result isPageDirty() = 0;
    // Writes every changed field to every object. kOk when all were taken;
    // kFalse when one was refused: the page showed why, and the refused
    // fields keep the user's values and stay changed.
    virtual Result apply() = 0;

protected:
    ~PropertyPage() = default;
};

} // namespace com
