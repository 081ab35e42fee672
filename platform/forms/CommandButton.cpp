#include "platform/forms/CommandButton.h"

#include "platform/forms/Captions.h"
#include "platform/forms/KeyAscii.h"

#include <QKeyEvent>
#include <QPointer>
#include <QShortcut>

namespace forms {

CommandButton::CommandButton(QWidget* parent, const QString& caption) : QPushButton(parent)
{
    setAutoDefault(false);
    setCaption(caption);
    connect(this, &QAbstractButton::clicked, this, &CommandButton::click);
}

void CommandButton::setCaption(const QString& caption)
{
    setText(caption);
    applyCaptionAccessibleName(*this, caption);
}

QShortcut* CommandButton::makeWindowKey(const QList<QKeySequence>& keys)
{
    // The shortcut belongs to the button, so it goes when the button goes,
    // and is active anywhere in the button's window.
    auto* shortcut = new QShortcut(this);
    shortcut->setKeys(keys);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, &CommandButton::pressFromKeyboard);
    return shortcut;
}

void CommandButton::pressFromKeyboard()
{
    if (isVisible() && isEnabled())
        QAbstractButton::click();
}

void CommandButton::setDefault(bool on)
{
    QPushButton::setDefault(on);
    if (on == isDefault())
        return;
    if (on) {
        defaultKey_ = makeWindowKey({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    } else {
        delete defaultKey_;
        defaultKey_ = nullptr;
    }
}

void CommandButton::setCancel(bool on)
{
    if (on == isCancel())
        return;
    if (on) {
        cancelKey_ = makeWindowKey({QKeySequence(Qt::Key_Escape)});
    } else {
        delete cancelKey_;
        cancelKey_ = nullptr;
    }
}

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    const int typed = keyAsciiOf(*event);
    if (typed != 0) {
        int keyAscii = typed;
        QPointer<CommandButton> alive(this);
        emit keyPress(keyAscii);
        if (!alive || keyAscii == 0)
            return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace forms
