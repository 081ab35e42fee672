#include "controls/optionbutton/OptionAccessible.h"

#include "controls/optionbutton/CQv3dOptionCtrl.h"

#include <QStringDecoder>
#include <QWidget>

namespace qv3dopt {

namespace {

QAccessibleInterface* accessibleFor(const QString&, QObject* object)
{
    auto* window = qobject_cast<QWidget*>(object);
    if (window && window->property(OptionAccessible::marker).toBool())
        return new OptionAccessible(window);
    return nullptr;
}

// Takes the factory out again before the library's code goes.
struct FactoryInstalled {
    bool installed = false;
    ~FactoryInstalled()
    {
        if (installed)
            QAccessible::removeFactory(&accessibleFor);
    }
};

FactoryInstalled factory;

} // namespace

void installOptionAccessible()
{
    if (factory.installed)
        return;
    QAccessible::installFactory(&accessibleFor);
    factory.installed = true;
}

OptionAccessible::OptionAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::RadioButton) {}

CQv3dOptionCtrl* OptionAccessible::control() const
{
    return static_cast<CQv3dOptionCtrl*>(widget()->property(controlProperty).value<void*>());
}

QString OptionAccessible::text(QAccessible::Text t) const
{
    const CQv3dOptionCtrl* c = control();
    if (!c)
        return QAccessibleWidget::text(t);
    switch (t) {
    case QAccessible::Name: {
        // The caption as read: "&&" is an ampersand, a single "&" marks the mnemonic.
        QStringDecoder decoder("Windows-1252");
        const QString caption = decoder(c->properties().caption);
        QString name;
        for (qsizetype i = 0; i < caption.size(); ++i) {
            if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size())
                ++i;
            else if (caption.at(i) == QLatin1Char('&'))
                continue;
            name += caption.at(i);
        }
        return name;
    }
    case QAccessible::Accelerator: {
        const char mnemonic = CQv3dOptionCtrl::mnemonicOf(c->properties().caption);
        return mnemonic ? QStringLiteral("Alt+") + QChar::fromLatin1(mnemonic) : QString();
    }
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State OptionAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = true;
    if (const CQv3dOptionCtrl* c = control()) {
        s.checked = c->properties().value == 1;
        s.pressed = c->isPushed();
    }
    return s;
}

QStringList OptionAccessible::actionNames() const
{
    return {pressAction()};
}

void OptionAccessible::doAction(const QString& action)
{
    if (action == pressAction())
        if (CQv3dOptionCtrl* c = control(); c && c->enabled())
            c->OnClick();
}

QStringList OptionAccessible::keyBindingsForAction(const QString& action) const
{
    const QString keys = text(QAccessible::Accelerator);
    if (action == pressAction() && !keys.isEmpty())
        return {keys};
    return {};
}

} // namespace qv3dopt
