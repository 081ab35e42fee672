#include "controls/base/PropertyPage.h"

#include "platform/com/AutomationError.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace controls {

using namespace com;

namespace {

// What a field's label says to a screen reader: without its mnemonic and
// the colon that follows it.
QString spokenLabel(const char* label)
{
    QString text = QString::fromLatin1(label);
    text.remove(QLatin1Char('&'));
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

// Said when a refused value came without a text of its own (a number that
// does not fit the property's kind).
const char* const kInvalidValue = "Invalid property value";

} // namespace

QFont pageFont()
{
    // The pages' dialogs were drawn in an 8-point sans serif.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

QRect dialogUnitsToPixels(const QRect& units, const QFont& font)
{
    // A dialog unit is a quarter of the font's average character width
    // across and an eighth of its height down.
    const QFontMetrics metrics(font);
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const double across = metrics.horizontalAdvance(alphabet) / 52.0;
    const double down = metrics.height();
    return QRect(qRound(units.x() * across / 4), qRound(units.y() * down / 8), qRound(units.width() * across / 4),
                 qRound(units.height() * down / 8));
}

PropertyPage::PropertyPage(const PageDesign& design) : design_(design), changed_(design.fields.size(), false) {}

PropertyPage::~PropertyPage()
{
    delete window_.data();
}

Result PropertyPage::setPageSite(PropertyPageSite* site)
{
    site_ = Ptr<PropertyPageSite>(site);
    return kOk;
}

Result PropertyPage::pageInfo(PageInfo* info)
{
    if (!info)
        return kNullPointer;
    return guarded([&] {
        info->title = QString::fromLatin1(design_.caption);
        info->size = dialogUnitsToPixels(QRect(QPoint(0, 0), design_.size), pageFont()).size();
        return kOk;
    });
}

Result PropertyPage::setObjects(std::span<Unknown* const> objects)
{
    return guarded([&] {
        std::vector<Ptr<Dispatch>> dispatches;
        for (Unknown* object : objects) {
            auto dispatch = Ptr<Dispatch>::query(object);
            if (!dispatch)
                return kNoInterface;
            dispatches.push_back(dispatch);
        }
        objects_ = std::move(dispatches);
        std::fill(changed_.begin(), changed_.end(), false);
        if (window_)
            read(true);
        return kOk;
    });
}

Result PropertyPage::activate(QWidget* parent, const QRect& rect, QWidget** window)
{
    return guarded([&] {
        if (!window_) {
            window_ = new QWidget(parent);
            window_->setFont(pageFont());
            window_->setAccessibleName(QString::fromLatin1(design_.caption));
            build(window_);
            onCreated(window_);
        } else if (window_->parentWidget() != parent) {
            window_->setParent(parent);
        }
        window_->setGeometry(rect);
        read(true);
        window_->show();
        if (window)
            *window = window_;
        return kOk;
    });
}

Result PropertyPage::deactivate()
{
    delete window_.data();
    widgets_.clear();
    return kOk;
}

Result PropertyPage::isPageDirty()
{
    return std::find(changed_.begin(), changed_.end(), true) != changed_.end() ? kOk : kFalse;
}

QWidget* PropertyPage::fieldWidget(int id) const
{
    for (std::size_t i = 0; i < widgets_.size(); ++i)
        if (design_.fields[i].id == id)
            return widgets_[i];
    return nullptr;
}

void PropertyPage::build(QWidget* window)
{
    const QFont font = window->font();
    widgets_.clear();
    for (std::size_t i = 0; i < design_.fields.size(); ++i) {
        const PageField& field = design_.fields[i];
        QWidget* widget = nullptr;
        switch (field.kind) {
        case FieldKind::Check: {
            auto* box = new QCheckBox(QString::fromLatin1(field.label), window);
            QObject::connect(box, &QCheckBox::clicked, box, [this, i, box] {
                // A click decides for every object; the mixed state is gone.
                box->setTristate(false);
                markChanged(i);
            });
            widget = box;
            break;
        }
        case FieldKind::Integer:
        case FieldKind::Text: {
            auto* edit = new QLineEdit(window);
            if (field.maxLength > 0)
                edit->setMaxLength(field.maxLength);
            QObject::connect(edit, &QLineEdit::textEdited, edit, [this, i] { markChanged(i); });
            widget = edit;
            break;
        }
        case FieldKind::ComboText:
        case FieldKind::ListIndex: {
            auto* list = new QComboBox(window);
            list->setEditable(field.kind == FieldKind::ComboText);
            list->setInsertPolicy(QComboBox::NoInsert);
            list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            for (const char* item : field.items)
                list->addItem(QString::fromLatin1(item));
            // The open list is as wide as its longest item.
            list->view()->setMinimumWidth(list->view()->sizeHintForColumn(0) + 24);
            if (field.kind == FieldKind::ComboText)
                QObject::connect(list, &QComboBox::editTextChanged, list, [this, i] { markChanged(i); });
            else
                QObject::connect(list, &QComboBox::currentIndexChanged, list, [this, i] { markChanged(i); });
            widget = list;
            break;
        }
        }
        widget->setObjectName(QString::fromLatin1(field.property));
        widget->setGeometry(dialogUnitsToPixels(field.fieldRect, font));
        if (field.kind != FieldKind::Check) {
            auto* label = new QLabel(QString::fromLatin1(field.label), window);
            label->setGeometry(dialogUnitsToPixels(field.labelRect, font));
            label->setBuddy(widget);
            widget->setAccessibleName(spokenLabel(field.label));
        }
        widgets_.push_back(widget);
    }
}

std::optional<Variant> PropertyPage::commonValue(const char* property) const
{
    std::optional<Variant> common;
    for (const Ptr<Dispatch>& object : objects_) {
        Variant value;
        if (failed(getProperty(object.get(), QString::fromLatin1(property), &value)))
            return std::nullopt;
        if (!common)
            common = value;
        else if (!(*common == value))
            return std::nullopt;
    }
    return common;
}

void PropertyPage::read(bool changedToo)
{
    reading_ = true;
    beforeRead();
    for (std::size_t i = 0; i < widgets_.size(); ++i) {
        if (changed_[i] && !changedToo)
            continue;
        const PageField& field = design_.fields[i];
        showValue(field, widgets_[i], commonValue(field.property));
        changed_[i] = false;
    }
    reading_ = false;
}

void PropertyPage::showValue(const PageField& field, QWidget* widget, const std::optional<Variant>& value)
{
    QString text;
    if (value)
        value->toText(&text);
    std::int32_t number = -1;
    const bool isNumber = value && succeeded(value->toI4(&number));
    switch (field.kind) {
    case FieldKind::Check: {
        auto* box = static_cast<QCheckBox*>(widget);
        bool checked = false;
        if (value && succeeded(value->toBool(&checked))) {
            box->setTristate(false);
            box->setChecked(checked);
        } else {
            box->setCheckState(Qt::PartiallyChecked);
        }
        break;
    }
    case FieldKind::Integer:
        static_cast<QLineEdit*>(widget)->setText(isNumber ? QString::number(number) : QString());
        break;
    case FieldKind::Text:
        static_cast<QLineEdit*>(widget)->setText(text);
        break;
    case FieldKind::ComboText: {
        // The item that begins with the value is chosen; a value no item
        // begins with stands in the edit field as it is.
        auto* list = static_cast<QComboBox*>(widget);
        int found = -1;
        for (int item = 0; !text.isEmpty() && item < list->count() && found < 0; ++item)
            if (list->itemText(item).startsWith(text, Qt::CaseInsensitive))
                found = item;
        list->setCurrentIndex(found);
        if (found < 0)
            list->setEditText(text);
        break;
    }
    case FieldKind::ListIndex: {
        auto* list = static_cast<QComboBox*>(widget);
        list->setCurrentIndex(isNumber && number >= 0 && number < list->count() ? number : -1);
        break;
    }
    }
}

bool PropertyPage::fieldValue(const PageField& field, QWidget* widget, Variant* value, QString* message)
{
    switch (field.kind) {
    case FieldKind::Check:
        *value = Variant::boolean(static_cast<QCheckBox*>(widget)->checkState() == Qt::Checked);
        return true;
    case FieldKind::Integer: {
        bool ok = false;
        const int number = static_cast<QLineEdit*>(widget)->text().trimmed().toInt(&ok);
        const bool ranged = field.lowest != INT_MIN || field.highest != INT_MAX;
        if (!ok || number < field.lowest || number > field.highest) {
            *message =
                ranged
                    ? QStringLiteral("Please enter an integer between %1 and %2.").arg(field.lowest).arg(field.highest)
                    : QStringLiteral("Please enter an integer.");
            return false;
        }
        *value = Variant::i4(number);
        return true;
    }
    case FieldKind::Text:
        *value = Variant::string(static_cast<QLineEdit*>(widget)->text());
        return true;
    case FieldKind::ComboText:
        *value = Variant::string(static_cast<QComboBox*>(widget)->currentText());
        return true;
    case FieldKind::ListIndex:
        *value = Variant::i4(static_cast<QComboBox*>(widget)->currentIndex());
        return true;
    }
    return false;
}

void PropertyPage::fieldEdited(int id)
{
    for (std::size_t i = 0; i < design_.fields.size(); ++i)
        if (design_.fields[i].id == id)
            markChanged(i);
}

void PropertyPage::markChanged(std::size_t index)
{
    if (reading_ || changed_[index])
        return;
    changed_[index] = true;
    tellSite();
}

void PropertyPage::tellSite()
{
    if (site_)
        site_->statusChanged(isPageDirty() == kOk);
}

Result PropertyPage::apply()
{
    return guarded([&] {
        QString refusal;
        QWidget* refused = nullptr;
        for (std::size_t i = 0; i < widgets_.size(); ++i) {
            if (!changed_[i])
                continue;
            const PageField& field = design_.fields[i];
            Variant value;
            QString message;
            const bool pageTakesIt = fieldValue(field, widgets_[i], &value, &message);
            bool taken = pageTakesIt;
            // Every object gets the value, even when one before refused it.
            for (std::size_t n = 0; pageTakesIt && n < objects_.size(); ++n) {
                ErrorInfo info;
                if (failed(putProperty(objects_[n].get(), QString::fromLatin1(field.property), value, &info))
                    && taken) {
                    message = info.description.isEmpty() ? QString::fromLatin1(kInvalidValue) : info.description;
                    taken = false;
                }
            }
            if (taken) {
                changed_[i] = false;
            } else if (!refused) {
                refused = widgets_[i];
                refusal = message;
            }
        }
        // The fields not changed now show what the objects hold, since one
        // property may change another.
        read(false);
        tellSite();
        if (!refused)
            return kOk;
        if (site_)
            site_->showMessage(QString::fromLatin1(design_.caption), refusal);
        refused->setFocus();
        return kFalse;
    });
}

} // namespace controls
