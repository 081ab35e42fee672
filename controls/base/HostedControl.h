#pragma once

#include "platform/com/ConnectionPoint.h"
#include "platform/com/Container.h"
#include "platform/com/Control.h"
#include "platform/com/Dispatch.h"
#include "platform/com/Object.h"
#include "platform/com/Persist.h"
#include "platform/com/PropertyPage.h"

#include <QAccessible>
#include <QColor>
#include <QFont>
#include <QPointer>
#include <QSize>
#include <QWidget>

#include <cstdint>
#include <optional>

class QFocusEvent;
class QKeyEvent;
class QMouseEvent;
class QPainter;

namespace controls {

class PropExchange;

// Dispatch ids of the stock members every control offers.
namespace stock {
inline constexpr com::DispId backColor = -501;
inline constexpr com::DispId font = -512;
inline constexpr com::DispId foreColor = -513;
inline constexpr com::DispId enabled = -514;
inline constexpr com::DispId hWnd = -515;
inline constexpr com::DispId refresh = -550;
inline constexpr com::DispId aboutBox = -552;
} // namespace stock

// What every hosted control has, whatever it shows: its site and the
// ambient user mode, the stock colours, font and Enabled, the modified flag
// and the announcement of bound-property changes, its events' connection
// point, and a window that paints through onDraw. A control class adds its
// own dispatch members and events and draws itself.
class HostedControl : public com::Object<com::Dispatch, com::ConnectionPointContainer, com::Control, com::PersistStream,
                                         com::PersistPropertyBag, com::SpecifyPropertyPages, com::OleObject> {
public:
    explicit HostedControl(const com::Guid& eventInterface);

    // Dispatch: the control's own members first, then the stock ones.
    com::Result idOfName(const QString& name, com::DispId* id) override;
    com::Result invoke(com::DispId id, com::InvokeKind kind, std::span<com::Variant> args, com::Variant* result,
                       com::ErrorInfo* info) override;
    com::Result findConnectionPoint(const com::Guid& eventInterface, com::ConnectionPoint** out) override;

    // Hosting.
    com::Result setSite(com::ControlSite* site) override;
    com::Result createWindow(QWidget* parent, const QRect& rect, QWidget** window) override;
    com::Result destroyWindow() override;
    com::Result doVerb(int verb) override;
    com::Result isDirty() override { return modified_ ? com::kOk : com::kFalse; }
    com::Result displayString(com::DispId id, QString* text) override;
    com::Result drawTo(QPainter* painter, const QRect& bounds) override;
    com::Result pages(std::vector<com::Guid>* classes) override;

    // What the container's neighbours see of the control.
    com::Result clientSite(com::ControlSite** out) override;
    com::Result userType(QString* out) override;
    com::Result getWindow(QWidget** out) override;

    // Persistence: one exchange routine for streams, bags and reset.
    com::Result initNew() override;
    com::Result load(QIODevice* stream) override;
    com::Result save(QIODevice* stream, bool clearDirty) override;
    com::Result load(const QVariantMap& bag) override;
    com::Result save(QVariantMap* bag, bool clearDirty) override;
    // The framework's part of the exchange: the extent and the stock
    // properties (BackColor, Enabled, Font, ForeColor); a control class runs
    // it from its own after its version.
    virtual void doPropExchange(PropExchange& exchange);
    // The version a control class writes first; a stream of another is refused.
    virtual std::uint32_t persistedVersion() const { return 0x10000; }

    QWidget* window() const { return window_; }
    bool ambientUserMode() const;
    QString ambientDisplayName() const;
    bool isModified() const { return modified_; }
    void setModifiedFlag(bool modified = true) { modified_ = modified; }
    // Tells the container a bound property changed, then marks the control modified.
    void boundPropertyChanged(com::DispId id);
    void fireEvent(com::DispId event, std::span<com::Variant> args = {});

    std::uint32_t backColor() const { return backColor_; }
    std::uint32_t foreColor() const { return foreColor_; }
    bool enabled() const { return enabled_; }
    const QFont& font() const { return font_; }
    void setBackColor(std::uint32_t color);
    void setForeColor(std::uint32_t color);
    void setEnabled(bool enabled);
    void setFont(const QFont& font);
    // The control's size: its window's, or the extent it was given.
    QSize controlSize() const;
    void setControlSize(const QSize& pixels) { size_ = pixels; }

    // What a screen reader is told: the control's role, and for a control
    // that holds text, the text with its caret and selection.
    struct AccessibleText {
        QString text;
        int caret = 0;
        int selectionStart = 0;
        int selectionEnd = 0;
        bool readOnly = false;
    };
    virtual QAccessible::Role accessibleRole() const { return QAccessible::Client; }
    virtual std::optional<AccessibleText> accessibleText() const { return std::nullopt; }

    // Painting and input, called by the control's window.
    virtual void onDraw(QPainter& painter, const QRect& bounds, const QRect& invalid);
    // Whether a key goes straight to the window's own default handling,
    // past the control's key handling and events.
    virtual bool preTranslateKey(const QKeyEvent& key);
    virtual void onKeyDown(QKeyEvent& key);
    virtual void onKeyUp(QKeyEvent& key);
    // The pointer came over the client area: set the window's cursor.
    virtual void onSetCursor();
    virtual void onMousePress(QMouseEvent& event) {}
    virtual void onMouseRelease(QMouseEvent& event) {}
    virtual void onMouseMove(QMouseEvent& event) {}
    // The window took or lost the keyboard focus.
    virtual void onFocusIn(QFocusEvent& event) {}
    virtual void onFocusOut(QFocusEvent& event) {}

protected:
    ~HostedControl() override;

    // The class's own dispatch members; kUnknownName / kMemberNotFound to
    // fall through to the stock ones.
    virtual com::Result ownIdOfName(const QString& name, com::DispId* id);
    virtual com::Result invokeOwn(com::DispId id, com::InvokeKind kind, std::span<com::Variant> args,
                                  com::Variant* result, com::ErrorInfo* info);
    virtual void onBackColorChanged();
    virtual void onForeColorChanged();
    virtual void onEnabledChanged();
    virtual void onFontChanged();
    // The framework's default cursor: the window takes its parent's.
    void defaultCursor();
    // The container is told around a modal dialog of the control.
    void preModalDialog();
    void postModalDialog();
    // The site the container gave the control, if any.
    com::ControlSite* site() const { return site_.get(); }
    // The name the control's class is known by to its neighbours.
    virtual QString userTypeName() const { return {}; }
    // The primary verb; controls with property pages show them.
    virtual com::Result onPrimaryVerb() { return onProperties(); }
    // The properties verb: the control's pages in a property frame.
    virtual com::Result onProperties() { return com::kNotImplemented; }
    // The class ids of the control's own pages, in the order they are shown,
    // and a page of one of them.
    virtual std::vector<com::Guid> propertyPageClasses() const { return {}; }
    virtual com::Ptr<com::PropertyPage> createPropertyPage(const com::Guid&) { return {}; }
    // After every property took its default: the class's own values of a new control.
    virtual void onResetState() {}
    void invalidate();

private:
    // A screen reader hears of a change of the control's text.
    void announceChange();

    com::Ptr<com::ControlSite> site_;
    com::Ptr<com::EventSource> events_;
    QPointer<QWidget> window_;
    bool modified_ = false;
    std::uint32_t backColor_ = 0x8000000F;
    std::uint32_t foreColor_ = 0x80000012;
    bool enabled_ = true;
    QFont font_;
    QSize size_{100, 20};
};

} // namespace controls
