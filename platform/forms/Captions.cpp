#include "platform/forms/Captions.h"

#include <QVariant>
#include <QWidget>

namespace forms {

namespace {
// Remembers the name we set, to tell it apart from one the window set.
constexpr const char* autoNameProperty = "forms_captionAccessibleName";
} // namespace

QString stripMnemonic(const QString& caption)
{
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) {
            ++i; // "&&" keeps one ampersand, "&x" keeps the x
        } else if (caption[i] == QLatin1Char('&')) {
            continue; // a trailing lone ampersand marks nothing
        }
        plain += caption[i];
    }
    return plain;
}

QKeySequence accessKeyOf(const QString& caption)
{
    const QKeySequence key = QKeySequence::mnemonic(caption);
    if (key.isEmpty())
        return {};
    const int code = key[0].key();
    if (code > 0xFFFF || !QChar(char16_t(code)).isLetterOrNumber())
        return {};
    return key;
}

bool applyCaptionAccessibleName(QWidget& control, const QString& caption)
{
    const QString current = control.accessibleName();
    const QString lastAuto = control.property(autoNameProperty).toString();
    if (!current.isEmpty() && current != lastAuto)
        return false;
    const QString name = stripMnemonic(caption);
    control.setAccessibleName(name);
    control.setProperty(autoNameProperty, name);
    return true;
}

} // namespace forms
