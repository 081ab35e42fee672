#pragma once

#include "controls/base/PropertyPage.h"

namespace qv3dopt {

// The option button's General page: the caption, the enumerated properties
// in lists the library's own type description fills, the Booleans and the
// box size, and an About button.
class CQv3dOptionPropPage : public controls::PropertyPage {
public:
    CQv3dOptionPropPage();

protected:
    void onCreated(QWidget* window) override;
    void beforeRead() override;
    void showValue(const controls::PageField& field, QWidget* widget,
                   const std::optional<com::Variant>& value) override;

private:
    void LoadOwnTypeLib();
    void showAbout(QWidget* window);
};

// The option button's Bevel page: border style, bevel style and bevel size.
class CQv3dOptionPropPage2 : public controls::PropertyPage {
public:
    CQv3dOptionPropPage2();

protected:
    void onCreated(QWidget* window) override;
};

} // namespace qv3dopt
