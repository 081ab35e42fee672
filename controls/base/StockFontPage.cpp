// The stock font page: the control's font members bound by name, and a
// sample of the font the fields describe.
#include "controls/base/StockPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace controls {

namespace {

enum : int { kName = 1, kSize, kBold, kItalic, kUnderline, kStrikethru };

const PageField fontFields[] = {
    {kName, FieldKind::ComboText, "&Font:", "FontName", QRect(7, 7, 100, 8), QRect(7, 18, 100, 14)},
    {kSize, FieldKind::Text, "&Size:", "FontSize", QRect(115, 7, 40, 8), QRect(115, 18, 40, 12)},
    {kBold, FieldKind::Check, "&Bold", "FontBold", QRect(), QRect(165, 18, 70, 10)},
    {kItalic, FieldKind::Check, "&Italic", "FontItalic", QRect(), QRect(165, 30, 70, 10)},
    {kUnderline, FieldKind::Check, "&Underline", "FontUnderline", QRect(), QRect(165, 42, 70, 10)},
    {kStrikethru, FieldKind::Check, "S&trikeout", "FontStrikethru", QRect(), QRect(165, 54, 70, 10)},
};

const PageDesign fontPage{"Font", QSize(250, 110), fontFields};

} // namespace

StockFontPage::StockFontPage() : PropertyPage(fontPage) {}

void StockFontPage::onCreated(QWidget* window)
{
    window_ = window;
    auto* names = static_cast<QComboBox*>(fieldWidget(kName));
    {
        // Filling the list is not the user choosing a font.
        const QSignalBlocker blocker(names);
        names->addItems(QFontDatabase::families());
        names->setCurrentIndex(-1);
    }

    auto* sample = new QLabel(QStringLiteral("AaBbYyZz"), window);
    sample->setObjectName(QStringLiteral("Sample"));
    sample->setAlignment(Qt::AlignCenter);
    sample->setFrameShape(QFrame::StyledPanel);
    sample->setGeometry(dialogUnitsToPixels(QRect(7, 70, 236, 34), window->font()));

    QObject::connect(names, &QComboBox::editTextChanged, window, [this] { updateSample(); });
    QObject::connect(static_cast<QLineEdit*>(fieldWidget(kSize)), &QLineEdit::textChanged, window,
                     [this] { updateSample(); });
    for (int id : {kBold, kItalic, kUnderline, kStrikethru})
        QObject::connect(static_cast<QCheckBox*>(fieldWidget(id)), &QCheckBox::stateChanged, window,
                         [this] { updateSample(); });
}

void StockFontPage::showValue(const PageField& field, QWidget* widget, const std::optional<com::Variant>& value)
{
    PropertyPage::showValue(field, widget, value);
    updateSample();
}

bool StockFontPage::fieldValue(const PageField& field, QWidget* widget, com::Variant* value, QString* message)
{
    if (field.id != kSize)
        return PropertyPage::fieldValue(field, widget, value, message);
    bool ok = false;
    const double size = static_cast<QLineEdit*>(widget)->text().trimmed().toDouble(&ok);
    if (!ok || size <= 0) {
        *message = QStringLiteral("Please enter a number.");
        return false;
    }
    *value = com::Variant::r4(float(size));
    return true;
}

void StockFontPage::updateSample()
{
    auto* sample = window_ ? window_->findChild<QLabel*>(QStringLiteral("Sample")) : nullptr;
    if (!sample)
        return;
    QFont font = sample->font();
    const QString name = static_cast<QComboBox*>(fieldWidget(kName))->currentText();
    if (!name.isEmpty())
        font.setFamily(name);
    bool ok = false;
    const double size = static_cast<QLineEdit*>(fieldWidget(kSize))->text().toDouble(&ok);
    if (ok && size > 0)
        font.setPointSizeF(size);
    const auto checked = [this](int id) {
        return static_cast<QCheckBox*>(fieldWidget(id))->checkState() == Qt::Checked;
    };
    font.setBold(checked(kBold));
    font.setItalic(checked(kItalic));
    font.setUnderline(checked(kUnderline));
    font.setStrikeOut(checked(kStrikethru));
    sample->setFont(font);
}

} // namespace controls
