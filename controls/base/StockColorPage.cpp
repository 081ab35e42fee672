// The stock colour page: the control's colour properties, each shown and
// set through a hidden field of its own, and one list of colours for the
// property chosen.
#include "controls/base/StockPages.h"

#include "controls/runtime/Colors.h"

#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>

namespace controls {

namespace {

struct NamedColor {
    const char* name;
    std::uint32_t value;
};

// Colours are kept blue-green-red, as the properties hold them; a system
// colour is its index with the top bit set.
const NamedColor standardColors[] = {
    {"Black", 0x000000},  {"Maroon", 0x000080},  {"Green", 0x008000}, {"Olive", 0x008080},
    {"Navy", 0x800000},   {"Purple", 0x800080},  {"Teal", 0x808000},  {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},     {"Lime", 0x00FF00},  {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00},  {"White", 0xFFFFFF},
};

const NamedColor systemColors[] = {
    {"Scroll Bars", 0x80000000},
    {"Desktop", 0x80000001},
    {"Active Title Bar", 0x80000002},
    {"Inactive Title Bar", 0x80000003},
    {"Menu Bar", 0x80000004},
    {"Window Background", 0x80000005},
    {"Window Frame", 0x80000006},
    {"Menu Text", 0x80000007},
    {"Window Text", 0x80000008},
    {"Active Title Bar Text", 0x80000009},
    {"Active Border", 0x8000000A},
    {"Inactive Border", 0x8000000B},
    {"Application Workspace", 0x8000000C},
    {"Highlight", 0x8000000D},
    {"Highlight Text", 0x8000000E},
    {"Button Face", 0x8000000F},
    {"Button Shadow", 0x80000010},
    {"Disabled Text", 0x80000011},
    {"Button Text", 0x80000012},
    {"Inactive Title Bar Text", 0x80000013},
    {"Button Highlight", 0x80000014},
    {"Button Dark Shadow", 0x80000015},
    {"Button Light Shadow", 0x80000016},
    {"ToolTip Text", 0x80000017},
    {"ToolTip", 0x80000018},
};

const char* const kCustom = "Custom";

QIcon swatch(std::uint32_t color)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(qvrun::toColor(color));
    return QIcon(pixmap);
}

} // namespace

StockColorPage::StockColorPage(std::span<const char* const> properties)
    : PropertyPage(hidden(static_cast<OwnedDesign&>(*this), "Color", FieldKind::Integer, properties).design)
{}

void StockColorPage::onCreated(QWidget* window)
{
    window_ = window;
    addPropertyList(*this, window, fields, [this] { showChosen(); });
    const QFont font = window->font();
    auto* colorsLabel = new QLabel(QStringLiteral("&Color:"), window);
    colorsLabel->setGeometry(dialogUnitsToPixels(QRect(115, 7, 80, 8), font));
    auto* colors = new QListWidget(window);
    colors->setObjectName(QStringLiteral("Colors"));
    colors->setAccessibleName(QStringLiteral("Color"));
    colors->setGeometry(dialogUnitsToPixels(QRect(115, 18, 128, 86), font));
    for (const auto& list : {std::span<const NamedColor>(standardColors), std::span<const NamedColor>(systemColors)})
        for (const NamedColor& color : list) {
            auto* item = new QListWidgetItem(swatch(color.value), QString::fromLatin1(color.name), colors);
            item->setData(Qt::UserRole, QVariant::fromValue(color.value));
        }
    colorsLabel->setBuddy(colors);

    auto* custom = new QPushButton(QStringLiteral("C&ustom..."), window);
    custom->setObjectName(QStringLiteral("Custom"));
    custom->setGeometry(dialogUnitsToPixels(QRect(7, 40, 60, 14), font));

    QObject::connect(colors, &QListWidget::currentItemChanged, window, [this](QListWidgetItem* item) {
        if (!showing_ && item)
            choose(item->data(Qt::UserRole).value<std::uint32_t>());
    });
    QObject::connect(custom, &QPushButton::clicked, window, [this, colors] {
        const QListWidgetItem* current = colors->currentItem();
        const QColor start =
            current ? qvrun::toColor(current->data(Qt::UserRole).value<std::uint32_t>()) : QColor(Qt::white);
        const QColor picked = QColorDialog::getColor(start, window_);
        if (picked.isValid())
            choose(qvrun::fromColor(picked));
    });
}

int StockColorPage::chosenField() const
{
    return chosenFieldId(window_, fields);
}

void StockColorPage::showValue(const PageField& field, QWidget* widget, const std::optional<com::Variant>& value)
{
    PropertyPage::showValue(field, widget, value);
    if (field.id == chosenField())
        showChosen();
}

void StockColorPage::showChosen()
{
    const int id = chosenField();
    auto* colors = window_ ? window_->findChild<QListWidget*>(QStringLiteral("Colors")) : nullptr;
    if (!id || !colors)
        return;
    showing_ = true;
    // The chosen property's value, or nothing when the objects disagree.
    const QString text = static_cast<QLineEdit*>(fieldWidget(id))->text();
    bool known = false;
    const std::uint32_t value = std::uint32_t(text.toInt(&known));
    QListWidgetItem* found = nullptr;
    QListWidgetItem* custom = nullptr;
    for (int row = 0; row < colors->count(); ++row) {
        QListWidgetItem* item = colors->item(row);
        if (item->text() == QLatin1String(kCustom))
            custom = item;
        else if (known && !found && item->data(Qt::UserRole).value<std::uint32_t>() == value)
            found = item;
    }
    // A value no named colour holds is shown as the one custom colour.
    if (known && !found) {
        if (!custom)
            custom = new QListWidgetItem(QString::fromLatin1(kCustom), colors);
        custom->setIcon(swatch(value));
        custom->setData(Qt::UserRole, QVariant::fromValue(value));
        found = custom;
    }
    colors->setCurrentItem(found);
    if (!found)
        colors->clearSelection();
    showing_ = false;
}

void StockColorPage::choose(std::uint32_t color)
{
    const int id = chosenField();
    if (!id)
        return;
    static_cast<QLineEdit*>(fieldWidget(id))->setText(QString::number(std::int32_t(color)));
    fieldEdited(id);
    showChosen();
}

} // namespace controls
