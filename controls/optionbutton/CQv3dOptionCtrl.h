#pragma once

#include "controls/base/CQvControl.h"
#include "controls/base/FrameProperties.h"

#include <QByteArray>
#include <QPointer>
#include <QShortcut>

#include <cstdint>
#include <memory>
#include <vector>

namespace qv3dopt {

class OptionWindowHooks;

// The three-dimensional option button: a caption beside a round (or flat)
// box in a frame with bevels, one of a group of buttons in its container
// of which one at most is selected. Buttons of one group find one another
// through the container and read and write each other's properties by
// name, so they need not know each other's class.
class CQv3dOptionCtrl : public controls::CQvControl {
public:
    CQv3dOptionCtrl();

    // The frame's properties, then the button's own.
    struct Properties : controls::FrameProperties {
        std::int16_t boxSize, wallPaper, boxAlignment;
        std::int16_t value, group, dataStyle;
        // Booleans as stored: any value but 0 is TRUE.
        std::int32_t autoSize, fontTransparent, multiline, checkBox2d, dataStyleCaseSens;
        QByteArray caption, dataText;
    };
    const Properties& properties() const { return p_; }

    // The pictures, by their dispatch ids (Picture to PictureGrayed).
    com::Ptr<com::Picture>& pictureHolder(int id);
    // A picture property as read: an uninitialised or missing picture reads
    // as an empty one.
    com::Ptr<com::Picture> picture(int id);
    void setPicture(int id, com::Picture* picture, int announced);

    // Setters as a container's calls reach them: checked (error 380 and the
    // property kept), stored, then announced, marked and redrawn.
    void setShort(int id, std::int16_t value);
    void setColor(int id, std::uint32_t value);
    void setBool(int id, std::int32_t value);
    void setValue(std::int16_t value);
    void setCaption(const QByteArray& caption);
    void setDataText(const QByteArray& text);
    // Value as read: -1 for a selected button.
    std::int16_t valueRead() const { return p_.value != 0 ? -1 : 0; }

    // The group: makes this button the selected one (1) or clears it (0);
    // moves the focus to the group's selected button; moves it to the next
    // or previous button by tab index, wrapping.
    void SelectInGroup(int value);
    void FocusCheckedSibling();
    void MoveInGroup(int direction);

    // Paints the control. action: 1 draw entire, 2 selection change, 4
    // focus change; pressed: the button is held down.
    void DrawOptionButton(QPainter& dc, int action, bool pressed, const QRect& item);
    void onDraw(QPainter& painter, const QRect& bounds, const QRect& invalid) override;

    // The window side: keys, mouse, focus and the mnemonic.
    bool preTranslateKey(const QKeyEvent& key) override;
    void onKeyDown(QKeyEvent& key) override;
    void onKeyUp(QKeyEvent& key) override;
    void onMousePress(QMouseEvent& event) override;
    void onMouseRelease(QMouseEvent& event) override;
    void onMouseMove(QMouseEvent& event) override;
    void onSetFocus(QWidget* previous, Qt::FocusReason reason);
    void onKillFocus(QWidget* next);
    void OnClick();
    void OnMnemonic();
    // The caption's mnemonic, upper case; 0 for none. The last "&" before a
    // character wins; "&&" is an ampersand.
    static char mnemonicOf(const QByteArray& caption);
    bool isPushed() const { return pushed_; }

    // The window paints the round box or the flat cells.
    static constexpr int kFlatBoxWidth = 13;

protected:
    ~CQv3dOptionCtrl() override;
    com::Result createWindow(QWidget* parent, const QRect& rect, QWidget** window) override;
    com::Result destroyWindow() override;
    com::Result ownIdOfName(const QString& name, com::DispId* id) override;
    com::Result invokeOwn(com::DispId id, com::InvokeKind kind, std::span<com::Variant> args, com::Variant* result,
                          com::ErrorInfo* info) override;
    CQvControl* newInstance() const override { return new CQv3dOptionCtrl; }
    void doPropExchange(controls::PropExchange& exchange) override;
    void onResetState() override;
    QString userTypeName() const override;
    std::vector<com::Guid> propertyPageClasses() const override;
    com::Ptr<com::PropertyPage> createPropertyPage(const com::Guid& page) override;

private:
    friend class OptionWindowHooks;

    void ResetOptionProperties();
    void changed(int id);
    // The caption changed: the mnemonic may differ.
    void OnTextChanged();
    void makeMnemonicShortcuts();
    void fireSimple(int event);
    void fireMouse(int event, const QMouseEvent& mouse);
    void fireKey(int event, QKeyEvent& key);
    QWidget* containerWindow() const;
    QRect captionRect(const QRect& item) const;

    Properties p_{};
    com::Ptr<com::Picture> picture_, pictureChecked_, pictureUnchecked_, picturePressed_, pictureGrayed_;
    // Set by the left-button release; while set, neither the button's own
    // click nor a Value change fires Click.
    bool suppressClick_ = false;
    // From left-button press to release; gaining the focus then fires no Click.
    bool mousePressed_ = false;
    // Drawn pressed: the left button down over the control, or Space held.
    bool pushed_ = false;
    std::unique_ptr<OptionWindowHooks> hooks_;
    std::vector<QPointer<QShortcut>> mnemonicShortcuts_;
};

} // namespace qv3dopt
