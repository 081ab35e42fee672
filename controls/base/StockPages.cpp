#include "controls/base/StockPages.h"

#include <QComboBox>
#include <QLabel>

namespace controls {

OwnedDesign& OwnedDesign::hidden(OwnedDesign& owned, const char* caption, FieldKind kind,
                                 std::span<const char* const> properties)
{
    int id = 1;
    for (const char* property : properties)
        owned.fields.push_back(PageField{id++, kind, "", property, QRect(), QRect()});
    owned.design = PageDesign{caption, QSize(250, 110), owned.fields};
    return owned;
}

QComboBox* addPropertyList(const PropertyPage& page, QWidget* window, std::span<const PageField> fields,
                           std::function<void()> shown)
{
    for (const PageField& field : fields)
        page.fieldWidget(field.id)->hide();
    const QFont font = window->font();
    auto* label = new QLabel(QStringLiteral("&Property Name:"), window);
    label->setGeometry(dialogUnitsToPixels(QRect(7, 7, 80, 8), font));
    auto* names = new QComboBox(window);
    names->setObjectName(QStringLiteral("PropertyName"));
    names->setAccessibleName(QStringLiteral("Property Name"));
    names->setGeometry(dialogUnitsToPixels(QRect(7, 18, 100, 14), font));
    for (const PageField& field : fields)
        names->addItem(QString::fromLatin1(field.property));
    label->setBuddy(names);
    QObject::connect(names, &QComboBox::currentIndexChanged, window, std::move(shown));
    return names;
}

int chosenFieldId(const QWidget* window, std::span<const PageField> fields)
{
    auto* names = window ? window->findChild<QComboBox*>(QStringLiteral("PropertyName")) : nullptr;
    const int index = names ? names->currentIndex() : -1;
    return index >= 0 && std::size_t(index) < fields.size() ? fields[std::size_t(index)].id : 0;
}

com::Ptr<com::PropertyPage> createStockPage(const com::Guid& page, std::span<const char* const> colorProperties,
                                            std::span<const char* const> pictureProperties)
{
    com::Ptr<com::PropertyPage> made;
    if (page == stockColorPageClass)
        made = com::Ptr<com::PropertyPage>(new StockColorPage(colorProperties));
    else if (page == stockFontPageClass)
        made = com::Ptr<com::PropertyPage>(new StockFontPage);
    else if (page == stockPicturePageClass && !pictureProperties.empty())
        made = com::Ptr<com::PropertyPage>(new StockPicturePage(pictureProperties));
    return made;
}

} // namespace controls
