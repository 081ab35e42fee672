#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

namespace gdi {

// The named values a control keeps with its window's design. A value equal
// to the default it is written with is not stored, so reading it back gives
// that default; a property written without a default is always stored.
class PropertyBag {
public:
    PropertyBag() = default;
    explicit PropertyBag(QVariantMap values) : values_(std::move(values)) {}

    QVariant readProperty(const QString& name, const QVariant& defaultValue = {}) const;
    void writeProperty(const QString& name, const QVariant& value, const QVariant& defaultValue = {});

    bool contains(const QString& name) const { return values_.contains(name); }
    const QVariantMap& values() const { return values_; }

private:
    QVariantMap values_;
};

} // namespace gdi
