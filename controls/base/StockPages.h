#pragma once

#include "controls/base/PropertyPage.h"
#include "platform/com/Guid.h"

#include <span>
#include <vector>

namespace controls {

// The stock pages every control may list after its own: one for its colour
// properties and one for its font.
inline constexpr com::Guid stockColorPageClass{
    0x5D1E0A11,
    0x2B4C,
    0x4E71,
    {0x9A, 0x33, 0x20, 0x26, 0x12, 0x11, 0x07, 0x46}};
inline constexpr com::Guid stockFontPageClass{
    0x5D1E0A12,
    0x2B4C,
    0x4E71,
    {0x9A, 0x33, 0x20, 0x26, 0x12, 0x11, 0x07, 0x46}};

// Makes the stock page of that class for a control whose colour properties
// are those named; null for any other class.
com::Ptr<com::PropertyPage>
createStockPage(const com::Guid &page,
                std::span<const char *const> colorProperties);

// The fields a page built at run time binds: they live as long as the page,
// and so are made before the page's own base.
struct OwnedDesign {
  std::vector<PageField> fields;
  PageDesign design{};
};

// The colour page: a list of the control's colour properties and the
// colours to give the chosen one. Each property is bound through a hidden
// field holding its value, so the page reads, marks and writes them the
// way every page does.
class StockColorPage : private OwnedDesign, public PropertyPage {
public:
  explicit StockColorPage(std::span<const char *const> properties);

protected:
  void onCreated(QWidget *window) override;
  void showValue(const PageField &field, QWidget *widget,
                 const std::optional<com::Variant> &value) override;

private:
  static OwnedDesign &designFor(OwnedDesign &owned,
                                std::span<const char *const> properties);
  void showChosen();
  void choose(std::uint32_t color);
  int chosenField() const;
  QWidget *window_ = nullptr;
  bool showing_ = false;
};

// The font page: the name, size and styles of the control's font, with a
// sample drawn in it.
class StockFontPage : public PropertyPage {
public:
  StockFontPage();

protected:
  void onCreated(QWidget *window) override;
  void showValue(const PageField &field, QWidget *widget,
                 const std::optional<com::Variant> &value) override;
  bool fieldValue(const PageField &field, QWidget *widget, com::Variant *value,
                  QString *message) override;

private:
  void updateSample();
  QWidget *window_ = nullptr;
};

} // namespace controls
