#include "controls/base/PropertyFrame.h"

#include "platform/com/Object.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace controls {

using namespace com;

// A page's link to its frame. The page may hold it after the frame is gone,
// so it holds the frame weakly.
class PropertyFrame::Site final : public Object<PropertyPageSite> {
public:
    explicit Site(PropertyFrame* frame) : frame_(frame) {}

    void statusChanged(bool) override
    {
        if (frame_)
            frame_->updateApply();
    }
    void showMessage(const QString& title, const QString& text) override { QMessageBox::warning(frame_, title, text); }

private:
    QPointer<PropertyFrame> frame_;
};

PropertyFrame::PropertyFrame(QWidget* parent, const QString& caption, std::span<Unknown* const> objects,
                             std::vector<Ptr<com::PropertyPage>> pages)
    : QDialog(parent), pages_(std::move(pages))
{
    setWindowTitle(caption);
    tabs_ = new QTabWidget(this);
    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    apply_ = buttons->button(QDialogButtonBox::Apply);
    connect(buttons, &QDialogButtonBox::accepted, this, &PropertyFrame::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PropertyFrame::reject);
    connect(apply_, &QAbstractButton::clicked, this, [this] { applyPages(); });

    QSize largest;
    for (const Ptr<com::PropertyPage>& page : pages_) {
        PageInfo info;
        page->pageInfo(&info);
        largest = largest.expandedTo(info.size);
    }
    for (const Ptr<com::PropertyPage>& page : pages_) {
        auto site = make<Site>(this);
        sites_.push_back(site);
        page->setPageSite(site.get());
        page->setObjects(objects);
        PageInfo info;
        page->pageInfo(&info);
        auto* holder = new QWidget;
        holder->setMinimumSize(largest);
        QWidget* window = nullptr;
        page->activate(holder, QRect(QPoint(0, 0), largest), &window);
        tabs_->addTab(holder, info.title);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
    updateApply();
}

PropertyFrame::~PropertyFrame()
{
    for (const Ptr<com::PropertyPage>& page : pages_) {
        page->deactivate();
        page->setPageSite(nullptr);
    }
}

bool PropertyFrame::applyPages()
{
    bool all = true;
    for (const Ptr<com::PropertyPage>& page : pages_)
        if (page->isPageDirty() == kOk && page->apply() != kOk)
            all = false;
    updateApply();
    return all;
}

void PropertyFrame::accept()
{
    if (applyPages())
        QDialog::accept();
}

void PropertyFrame::updateApply()
{
    bool dirty = false;
    for (const Ptr<com::PropertyPage>& page : pages_)
        dirty = dirty || page->isPageDirty() == kOk;
    apply_->setEnabled(dirty);
}

} // namespace controls
