#pragma once

#include "controls/base/PropertyPage.h"
#include "platform/com/Guid.h"

#include <functional>
#include <span>
#include <vector>

class QComboBox;

namespace controls {

// The stock pages every control may list after its own: one for its colour
// properties, one for its font and one for its pictures.
inline constexpr com::Guid stockColorPageClass{
    0x5D1E0A11, 0x2B4C, 0x4E71, {0x9A, 0x33, 0x20, 0x26, 0x12, 0x11, 0x07, 0x46}};
inline constexpr com::Guid stockFontPageClass{
    0x5D1E0A12, 0x2B4C, 0x4E71, {0x9A, 0x33, 0x20, 0x26, 0x12, 0x11, 0x07, 0x46}};
inline constexpr com::Guid stockPicturePageClass{
    0x5D1E0A13, 0x2B4C, 0x4E71, {0x9A, 0x33, 0x20, 0x26, 0x12, 0x11, 0x07, 0x46}};

// Makes the stock page of that class for a control whose colour and
// picture properties are those named; null for any other class.
com::Ptr<com::PropertyPage> createStockPage(const com::Guid& page, std::span<const char* const> colorProperties,
                                            std::span<const char* const> pictureProperties = {});

// The fields a page built at run time binds: they live as long as the page,
// and so are made before the page's own base.
struct OwnedDesign {
    std::vector<PageField> fields;
    PageDesign design{};

    // One hidden field of the kind for each property, on a page of that caption.
    static OwnedDesign& hidden(OwnedDesign& owned, const char* caption, FieldKind kind,
                               std::span<const char* const> properties);
};

// The list naming a page's properties, one for each of its hidden fields,
// which it hides; a change of choice runs shown.
QComboBox* addPropertyList(const PropertyPage& page, QWidget* window, std::span<const PageField> fields,
                           std::function<void()> shown);
// The id of the field of the property the list names; 0 before it is made.
int chosenFieldId(const QWidget* window, std::span<const PageField> fields);

// The colour page: a list of the control's colour properties and the
// colours to give the chosen one. Each property is bound through a hidden
// field holding its value, so the page reads, marks and writes them the
// way every page does.
class StockColorPage : private OwnedDesign, public PropertyPage {
public:
    explicit StockColorPage(std::span<const char* const> properties);

protected:
    void onCreated(QWidget* window) override;
    void showValue(const PageField& field, QWidget* widget, const std::optional<com::Variant>& value) override;

private:
    void showChosen();
    void choose(std::uint32_t color);
    int chosenField() const;
    QWidget* window_ = nullptr;
    bool showing_ = false;
};

// The picture page: a list of the control's picture properties, the chosen
// one's picture, and a picture to load from a file or none to give it. The
// hidden field of each property only stands for it; the page keeps the
// value itself.
class StockPicturePage : private OwnedDesign, public PropertyPage {
public:
    explicit StockPicturePage(std::span<const char* const> properties);

protected:
    void onCreated(QWidget* window) override;
    void showValue(const PageField& field, QWidget* widget, const std::optional<com::Variant>& value) override;
    bool fieldValue(const PageField& field, QWidget* widget, com::Variant* value, QString* message) override;

private:
    void showChosen();
    void choose(const com::Variant& picture);
    int chosenField() const;
    QWidget* window_ = nullptr;
    // Each property's picture, as read or as chosen; none when the objects disagree.
    std::vector<std::optional<com::Variant>> values_;
};

// The font page: the name, size and styles of the control's font, with a
// sample drawn in it.
class StockFontPage : public PropertyPage {
public:
    StockFontPage();

protected:
    void onCreated(QWidget* window) override;
    void showValue(const PageField& field, QWidget* widget, const std::optional<com::Variant>& value) override;
    bool fieldValue(const PageField& field, QWidget* widget, com::Variant* value, QString* message) override;

private:
    void updateSample();
    QWidget* window_ = nullptr;
};

} // namespace controls
