#include "controls/base/StockPages.h"

namespace controls {

com::Ptr<com::PropertyPage> createStockPage(const com::Guid& page, std::span<const char* const> colorProperties)
{
    com::Ptr<com::PropertyPage> made;
    if (page == stockColorPageClass)
        made = com::Ptr<com::PropertyPage>(new StockColorPage(colorProperties));
    else if (page == stockFontPageClass)
        made = com::Ptr<com::PropertyPage>(new StockFontPage);
    return made;
}

} // namespace controls
