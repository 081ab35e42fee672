#pragma once

#include "platform/com/Dispatch.h"
#include "platform/com/Object.h"
#include "platform/com/PropertyPage.h"

#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <climits>
#include <optional>
#include <span>
#include <vector>

namespace controls {

// How a field shows its property.
enum class FieldKind {
    Check,     // a check box: checked for TRUE
    Integer,   // an edit box holding a whole number
    Text,      // an edit box holding the text
    ComboText, // an edit box with a list: the text, an item or typed
    ListIndex, // a list: the chosen item's index is the value
};

// One field of a page: a control of its dialog bound to a property by name.
// Rectangles are in dialog units of the page's font.
struct PageField {
    int id;
    FieldKind kind;
    const char* label; // its text beside the field; a check box's own text
    const char* property;
    QRect labelRect;
    QRect fieldRect;
    std::span<const char* const> items = {};
    // An Integer field the page itself refuses outside this range.
    int lowest = INT_MIN;
    int highest = INT_MAX;
    // A Text field takes at most this many characters (0: no limit).
    int maxLength = 0;
};

// A page's dialog: its caption, its size in dialog units and its fields in
// the order they are exchanged with the objects.
struct PageDesign {
    const char* caption;
    QSize size;
    std::span<const PageField> fields;
};

// The page's font, and a rectangle of dialog units in its pixels.
QFont pageFont();
QRect dialogUnitsToPixels(const QRect& units, const QFont& font);

// A property page whose fields are bound to properties: it reads every
// selected object when it opens (a field whose objects disagree shows
// nothing), marks a field changed when the user edits it, and on apply
// writes only the changed fields, to every object. All checks and effects
// of a value are the property's own; a refused value is shown and its field
// keeps it.
class PropertyPage : public com::Object<com::PropertyPage> {
public:
    explicit PropertyPage(const PageDesign& design);

    com::Result setPageSite(com::PropertyPageSite* site) override;
    com::Result pageInfo(com::PageInfo* info) override;
    com::Result setObjects(std::span<com::Unknown* const> objects) override;
    com::Result activate(QWidget* parent, const QRect& rect, QWidget** window) override;
    com::Result deactivate() override;
    com::Result isPageDirty() override;
    com::Result apply() override;

    const PageDesign& design() const { return design_; }
    // The widget of a field by its id, once the page is active (a page
    // fills its own lists through it).
    QWidget* fieldWidget(int id) const;

protected:
    ~PropertyPage() override;

    // Fills the lists and adds what the table does not hold; runs once,
    // when the page's window is made.
    virtual void onCreated(QWidget* window) {}
    // Runs every time the page reads the objects, before the fields are filled.
    virtual void beforeRead() {}
    // Shows a value in its field; nothing when the objects disagree.
    virtual void showValue(const PageField& field, QWidget* widget, const std::optional<com::Variant>& value);
    // The value a field holds, to be written; false (and why, in message)
    // when the page itself cannot take what the field holds.
    virtual bool fieldValue(const PageField& field, QWidget* widget, com::Variant* value, QString* message);
    // A page that sets a field itself, not through the user typing in it,
    // marks it changed here.
    void fieldEdited(int id);

private:
    void build(QWidget* window);
    void read(bool changedToo);
    void markChanged(std::size_t index);
    void tellSite();
    std::optional<com::Variant> commonValue(const char* property) const;

    const PageDesign& design_;
    com::Ptr<com::PropertyPageSite> site_;
    std::vector<com::Ptr<com::Dispatch>> objects_;
    QPointer<QWidget> window_;
    std::vector<QWidget*> widgets_;
    std::vector<bool> changed_;
    bool reading_ = false;
};

} // namespace controls
