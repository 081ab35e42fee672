// The option button's window: keys, mouse, focus and the mnemonic.
#include "controls/optionbutton/CQv3dOptionCtrl.h"
#include "controls/base/Contained.h"
#include "controls/base/KeyCodes.h"
#include "controls/optionbutton/OptionAccessible.h"
#include "controls/optionbutton/OptionWindowHooks.h"
#include "controls/optionbutton/Qv3doptClasses.h"
#include "platform/com/AutomationError.h"

#include <QAccessible>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <QWidget>

namespace qv3dopt {

using namespace com;

namespace {

// The mouse buttons as the mouse events report them.
std::int16_t buttonsOf(Qt::MouseButtons buttons)
{
    return std::int16_t(((buttons & Qt::LeftButton) ? 1 : 0) | ((buttons & Qt::RightButton) ? 2 : 0)
                        | ((buttons & Qt::MiddleButton) ? 4 : 0));
}

} // namespace

Result CQv3dOptionCtrl::createWindow(QWidget* parent, const QRect& rect, QWidget** out)
{
    const Result r = CQvControl::createWindow(parent, rect, out);
    if (failed(r) || hooks_)
        return r;
    return guarded([&] {
        QWidget* w = window();
        // The button takes the focus itself on a mouse press, after it has
        // noted the press, so a click selects it without a second Click.
        w->setFocusPolicy(Qt::TabFocus);
        w->setProperty(OptionAccessible::marker, true);
        w->setProperty(OptionAccessible::controlProperty, QVariant::fromValue<void*>(this));
        installOptionAccessible();
        hooks_ = std::make_unique<OptionWindowHooks>(*this, w);
        makeMnemonicShortcuts();
        return r;
    });
}

Result CQv3dOptionCtrl::destroyWindow()
{
    hooks_.reset();
    mnemonicShortcuts_.clear();
    return CQvControl::destroyWindow();
}

bool CQv3dOptionCtrl::preTranslateKey(const QKeyEvent&)
{
    // The arrows move in the group: every key reaches the button's own
    // handling, none the container's.
    return false;
}

void CQv3dOptionCtrl::fireKey(int id, QKeyEvent& key)
{
    Variant args[] = {Variant::i2(controls::virtualKeyOf(key)), Variant::i2(controls::shiftStateOf(key.modifiers()))};
    fireEvent(id, args);
}

void CQv3dOptionCtrl::onKeyDown(QKeyEvent& key)
{
    // The move goes by the key as it came, whatever the handler made of it.
    fireKey(event::KeyDown, key);
    if (key.key() == Qt::Key_Left || key.key() == Qt::Key_Up)
        MoveInGroup(-1);
    else if (key.key() == Qt::Key_Right || key.key() == Qt::Key_Down)
        MoveInGroup(+1);
    else if (key.key() == Qt::Key_Space && !key.isAutoRepeat()) {
        pushed_ = true;
        invalidate();
    }
    const QString text = key.text();
    if (!text.isEmpty() && text.at(0).unicode() >= 0x20 && text.at(0).unicode() < 0x100) {
        Variant ascii[] = {Variant::i2(std::int16_t(text.at(0).unicode()))};
        fireEvent(event::KeyPress, ascii);
    }
    key.accept();
}

void CQv3dOptionCtrl::onKeyUp(QKeyEvent& key)
{
    if (key.isAutoRepeat())
        return;
    fireKey(event::KeyUp, key);
    if (key.key() == Qt::Key_Space) {
        // Space selects without a Click.
        pushed_ = false;
        SelectInGroup(1);
        invalidate();
    }
    key.accept();
}

void CQv3dOptionCtrl::fireMouse(int id, const QMouseEvent& mouse)
{
    const QPoint at = mouse.position().toPoint();
    Variant args[] = {Variant::i2(buttonsOf(id == event::MouseMove ? mouse.buttons() : mouse.button())),
                      Variant::i2(controls::shiftStateOf(mouse.modifiers())), Variant::i4(at.x()), Variant::i4(at.y())};
    fireEvent(id, args);
}

void CQv3dOptionCtrl::onMousePress(QMouseEvent& event)
{
    if (event.button() == Qt::LeftButton) {
        mousePressed_ = true;
        pushed_ = true;
        // Selected through the focus, without a Click while the mouse is down.
        if (window() && !window()->hasFocus())
            window()->setFocus(Qt::MouseFocusReason);
        invalidate();
    }
    fireMouse(event::MouseDown, event);
    if (event.type() == QEvent::MouseButtonDblClick)
        fireSimple(event::DblClick);
}

void CQv3dOptionCtrl::onMouseRelease(QMouseEvent& event)
{
    if (event.button() != Qt::LeftButton) {
        fireMouse(event::MouseUp, event);
        return;
    }
    mousePressed_ = false;
    pushed_ = false;
    suppressClick_ = true;
    fireMouse(event::MouseUp, event);
    // The click of the button itself: a release over the control.
    if (window() && window()->rect().contains(event.position().toPoint()))
        OnClick();
    // The button's own notice of the click comes last and fires nothing:
    // the Click above was this click's one.
    suppressClick_ = false;
    invalidate();
}

void CQv3dOptionCtrl::onMouseMove(QMouseEvent& event)
{
    if (mousePressed_ && window()) {
        const bool inside = window()->rect().contains(event.position().toPoint());
        if (inside != pushed_) {
            pushed_ = inside;
            invalidate();
        }
    }
    fireMouse(event::MouseMove, event);
}

void CQv3dOptionCtrl::OnClick()
{
    SelectInGroup(1);
    fireSimple(event::Click);
}

void CQv3dOptionCtrl::OnMnemonic()
{
    OnClick();
}

void CQv3dOptionCtrl::onSetFocus(QWidget* previous, Qt::FocusReason reason)
{
    // Activating the container's window from another application counts
    // as coming from elsewhere; any other focus from nowhere does nothing.
    if (!previous && reason != Qt::ActiveWindowFocusReason)
        return;
    QWidget* container = containerWindow();
    const bool fromInside = previous && container && previous != container && container->isAncestorOf(previous);
    invalidate();
    if (fromInside) {
        SelectInGroup(1);
        if (!suppressClick_ && !mousePressed_)
            fireSimple(event::Click);
    } else {
        FocusCheckedSibling();
    }
    QAccessibleEvent focused(window(), QAccessible::Focus);
    QAccessible::updateAccessibility(&focused);
}

void CQv3dOptionCtrl::onKillFocus(QWidget*)
{
    // The selection stays when the focus moves on, also to another hosted
    // control: the user's choice is kept and the group can still be
    // reached by Tab.
    pushed_ = false;
    invalidate();
}

char CQv3dOptionCtrl::mnemonicOf(const QByteArray& caption)
{
    const QByteArray upper = caption.toUpper();
    char mnemonic = 0;
    for (qsizetype i = 0; i + 1 < upper.size(); ++i) {
        if (upper.at(i) != '&')
            continue;
        if (upper.at(i + 1) == '&') {
            ++i;
            continue;
        }
        mnemonic = upper.at(i + 1);
    }
    return mnemonic;
}

void CQv3dOptionCtrl::OnTextChanged()
{
    // The container learns of the new mnemonic through the shortcuts.
    makeMnemonicShortcuts();
    if (window()) {
        QAccessibleEvent named(window(), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
    }
}

void CQv3dOptionCtrl::makeMnemonicShortcuts()
{
    // The window owns the shortcuts of the caption it shows now; those of
    // an earlier caption go with it.
    for (const QPointer<QShortcut>& shortcut : mnemonicShortcuts_)
        delete shortcut.data();
    mnemonicShortcuts_.clear();
    QWidget* w = window();
    const char mnemonic = mnemonicOf(p_.caption);
    if (!w || mnemonic == 0)
        return;
    const QKeySequence plain = QKeySequence(QStringLiteral("Alt+") + QChar::fromLatin1(mnemonic));
    const QKeySequence shifted = QKeySequence(QStringLiteral("Alt+Shift+") + QChar::fromLatin1(mnemonic));
    for (const QKeySequence& keys : {plain, shifted}) {
        if (keys.isEmpty())
            continue;
        auto* shortcut = new QShortcut(keys, w);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, w, [this] {
            controls::contained("key", [this] {
                if (enabled())
                    OnMnemonic();
            });
        });
        mnemonicShortcuts_.push_back(shortcut);
    }
}

} // namespace qv3dopt
