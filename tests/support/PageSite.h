#pragma once

#include "platform/com/ClassLoader.h"
#include "platform/com/Object.h"
#include "platform/com/PropertyPage.h"

#include <QRect>
#include <QStringList>
#include <QTest>

#include <span>
#include <utility>
#include <vector>

namespace testsupport {

// The frame's side of a property page, as a test sees it: whether the page
// said it has changes, and the messages it showed.
class PageSite final : public com::Object<com::PropertyPageSite> {
public:
    void statusChanged(bool dirty) override { lastStatus = dirty; }
    void showMessage(const QString&, const QString& text) override { messages.push_back(text); }

    bool lastStatus = false;
    QStringList messages;
};

// Shows a page made by the test on `host` for the given controls, as the
// frame does; the page back, or nothing when it refuses the controls or
// cannot be shown.
inline com::Ptr<com::PropertyPage> showPage(com::Ptr<com::PropertyPage> page, PageSite& site,
                                            const std::vector<com::Unknown*>& objects, QWidget* host,
                                            const QRect& place, QWidget** window)
{
    if (!page)
        return {};
    page->setPageSite(&site);
    if (com::failed(page->setObjects(objects)) || com::failed(page->activate(host, place, window)))
        return {};
    return page;
}

// Each page is made by its ProgID and gives its title and a page wider
// than it is high.
inline void verifyPageTitles(com::ClassLoader& loader, std::span<const std::pair<const char*, const char*>> pages)
{
    for (const auto& [progId, title] : pages) {
        auto page = loader.create<com::PropertyPage>(QString::fromLatin1(progId));
        QVERIFY2(page, progId);
        com::PageInfo info;
        QCOMPARE(page->pageInfo(&info), com::kOk);
        QCOMPARE(info.title, QString::fromLatin1(title));
        QVERIFY(info.size.width() > info.size.height());
    }
}

} // namespace testsupport
