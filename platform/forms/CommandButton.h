#pragma once

#include "platform/forms/Appearance.h"

#include <QPushButton>

class QShortcut;

namespace forms {

// A push button. click() is the button's click step: it runs when the user
// presses the button, presses Enter in its window while it is the default
// button, or Escape while it is the cancel button. (It hides
// QAbstractButton::click(); tests press a button with QTest or
// QAbstractButton::click().)
class CommandButton : public QPushButton, public Appearance<CommandButton> {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent = nullptr, const QString& caption = {});

    QString caption() const { return text(); }
    void setCaption(const QString& caption);

    bool isDefault() const { return defaultKey_ != nullptr; }
    void setDefault(bool on);
    bool isCancel() const { return cancelKey_ != nullptr; }
    void setCancel(bool on);

signals:
    void click();
    // While the button has the focus; keyAscii = 0 swallows the key.
    void keyPress(int& keyAscii);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QShortcut* makeWindowKey(const QList<QKeySequence>& keys);
    void pressFromKeyboard();

    QShortcut* defaultKey_ = nullptr;
    QShortcut* cancelKey_ = nullptr;
};

} // namespace forms
