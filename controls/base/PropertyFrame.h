#pragma once

#include "platform/com/PropertyPage.h"

#include <QDialog>

#include <span>
#include <vector>

class QAbstractButton;
class QTabWidget;

namespace controls {

// The frame that shows an object's property pages, one tab each, with OK,
// Cancel and Apply. Apply writes what the pages changed; OK applies and
// closes, but stays open when a value was refused; Cancel writes nothing.
class PropertyFrame : public QDialog {
    Q_OBJECT

public:
    PropertyFrame(QWidget* parent, const QString& caption, std::span<com::Unknown* const> objects,
                  std::vector<com::Ptr<com::PropertyPage>> pages);
    ~PropertyFrame() override;

    // Applies every page that has changes; false when one refused.
    bool applyPages();
    QTabWidget* tabs() const { return tabs_; }
    QAbstractButton* applyButton() const { return apply_; }

    void accept() override;

private:
    class Site;
    void updateApply();

    std::vector<com::Ptr<com::PropertyPage>> pages_;
    std::vector<com::Ptr<Site>> sites_;
    QTabWidget* tabs_ = nullptr;
    QAbstractButton* apply_ = nullptr;
};

} // namespace controls
