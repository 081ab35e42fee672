#include "platform/forms/KeyAscii.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace forms {

int keyAsciiOf(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return 0;
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Escape:
        return 27;
    default:
        break;
    }
    const QString text = event.text();
    if (text.size() != 1 || !text[0].isPrint())
        return 0;
    return text[0].unicode();
}

std::unique_ptr<QKeyEvent> replacementKeyEvent(const QKeyEvent& original, int keyAscii)
{
    int key = Qt::Key_unknown;
    QString text(QChar(static_cast<char16_t>(keyAscii)));
    switch (keyAscii) {
    case 13:
        key = Qt::Key_Return;
        text = QStringLiteral("\r");
        break;
    case 8:
        key = Qt::Key_Backspace;
        break;
    case 27:
        key = Qt::Key_Escape;
        break;
    default:
        // Qt's key codes for Latin-1 characters are their upper-case codes.
        key = keyAscii < 256 ? int(QChar(static_cast<char16_t>(keyAscii)).toUpper().unicode()) : int(Qt::Key_unknown);
        break;
    }
    return std::make_unique<QKeyEvent>(original.type(), key, Qt::NoModifier, text, original.isAutoRepeat(),
                                       original.count());
}

void sendTabKey()
{
    QWidget* focused = QApplication::focusWidget();
    if (!focused)
        return;
    const QString tab = QStringLiteral("\t");
    QCoreApplication::postEvent(focused, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, tab));
    QCoreApplication::postEvent(focused, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier, tab));
}

} // namespace forms
