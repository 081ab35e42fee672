#pragma once

#include "controls/base/CQvControl.h"
#include "controls/base/FrameProperties.h"
#include "controls/dateinput/DateEngine.h"

#include <QByteArray>
#include <QPointer>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <vector>

namespace qvrun {
class Caret;
}

namespace qvindat {

// The date-input control: one date shown as text in a three-dimensional
// frame. This holds its properties as its container sees them, with their
// range checks and their change notices; the date work goes to its date
// engine, which reads and writes Text.
class CQvindatCtrl : public controls::CQvControl {
public:
    // today answers the local date unless given.
    explicit CQvindatCtrl(std::function<dateinput::DateParts()> today = dateinput::DateServices::localToday);

    // Every property to the values of a new control.
    void resetState();

    // Properties, by the names the container uses: the frame's, then the
    // control's own. Text is single-byte.
    struct Properties : controls::FrameProperties {
        std::uint32_t caretColor;
        std::int16_t dateFormat, spin, indent;
        std::int16_t languageNumber, maxDay, maxMonth, maxYear, minDay, minMonth, minYear, separator;
        std::int16_t caretHeight, caretWidth, caretStyle, caretVAlign, caretInterval;
        std::int16_t currentYear, currentDay, currentMonth, vAlignment;
        std::int32_t readOnly, focusSelect, autoHScroll, caretVisible, allowBlank;
        std::int32_t selStart, selLength, spinDelay, spinSpeed, spinChange;
        QByteArray text, language, undoText;
    };
    const Properties& properties() const { return p_; }

    // Setters that check and announce, as a container's calls reach them.
    void setShort(int id, std::int16_t value);
    void setLong(int id, std::int32_t value);
    void setColor(int id, std::uint32_t value);
    void setBool(int id, std::int32_t value);
    // Text as the container sets it: checked, completed and written in the
    // current format at run time, taken as it is at design time.
    void setText(const QByteArray& text);
    void setLanguage(const QByteArray& code);
    void setLanguageNumber(std::int16_t value);
    void setDateFormat(std::int16_t value);
    void setAllowBlank(bool value);
    void setSelStart(std::int32_t value);
    void setSelLength(std::int32_t value);
    void setSelText(const QByteArray& text);
    QByteArray selText() const;
    // Puts the undo text back into Text; answers FALSE as the property reads.
    bool undo();

    // Keys, characters, the mouse and the focus, as the control's window
    // hands them on. Every key goes to the control's own handling: the
    // caret keys move and select, Up and Down step the field at the caret,
    // the clipboard keys cut, copy and paste, and characters are typed into
    // the date field by field.
    bool preTranslateKey(const QKeyEvent& key) override;
    void onKeyDown(QKeyEvent& key) override;
    void onKeyUp(QKeyEvent& key) override;
    void onMousePress(QMouseEvent& event) override;
    void onMouseMove(QMouseEvent& event) override;
    void onMouseRelease(QMouseEvent& event) override;
    void onFocusIn(QFocusEvent& event) override;
    void onFocusOut(QFocusEvent& event) override;
    // One typed character; ctrl says whether Ctrl was down.
    void OnChar(char character, bool ctrl);

    void onDraw(QPainter& painter, const QRect& bounds, const QRect& invalid) override;
    QAccessible::Role accessibleRole() const override;
    std::optional<AccessibleText> accessibleText() const override;
    // The spin buttons' hit rectangles, as the last painting placed them.
    QRect spinUpRect() const { return spinUp_; }
    QRect spinDownRect() const { return spinDown_; }

    // Where the text stands in the control: the text area, the width of the
    // first i characters for i = 0 to the length, the x of the text's first
    // character (left of the area when the text is scrolled), and the part
    // of the text that is drawn.
    struct TextLayout {
        QRect strip; // the spin strip; empty without spin buttons
        QRect area;
        std::vector<int> positions;
        int origin = 0;
        int first = 0;
        int end = 0;
        int top = 0;
        int height = 0;
        int ascent = 0;
    };
    TextLayout layoutText(const QRect& bounds) const;
    // The caret position a click at x gives.
    int CaretIndexFromPoint(int x) const;

protected:
    com::Result createWindow(QWidget* parent, const QRect& rect, QWidget** window) override;
    com::Result ownIdOfName(const QString& name, com::DispId* id) override;
    com::Result invokeOwn(com::DispId id, com::InvokeKind kind, std::span<com::Variant> args, com::Variant* result,
                          com::ErrorInfo* info) override;
    CQvControl* newInstance() const override { return new CQvindatCtrl; }
    void doPropExchange(controls::PropExchange& exchange) override;
    void onResetState() override { resetState(); }
    std::vector<com::Guid> propertyPageClasses() const override;
    com::Ptr<com::PropertyPage> createPropertyPage(const com::Guid& page) override;

private:
    // The engine with the control's date properties handed over; the text
    // comes back through takeText.
    dateinput::DateEngine& engine();
    // The engine's text becomes Text; announces it when it changed.
    void takeText();
    // The engine's bounds test of a text's parts.
    bool partsWithinBounds(const dateinput::DateParts& date) const;
    // Writes the date in a two-digit format after another two-digit one with
    // the whole year CurrentYear holds; false, with nothing changed, when
    // the text is no whole date or its two digits are not that year's.
    bool keepsTheCentury(std::int16_t value, std::int16_t rememberedYear);
    // Day, month and year limits read from a stream or a bag, held in their
    // ranges and in order.
    void boundLoadedLimits();
    // Reads the text in the old names and writes it in the language now set.
    void showInLanguage();
    // Steps the field at the caret by SpinChange in the direction (+1 or
    // -1), then tells the container and fires Change.
    // Answers whether the text changed.
    bool stepDate(int direction);
    void spinRepeat();
    // The engine with the caret and the selection handed over as well; the
    // text, caret and selection come back through takeEdit.
    dateinput::DateEngine& editEngine();
    void takeEdit();
    // The caret and the selection to the start of the text's first field
    // that takes typing; the current field follows.
    void caretToFirstField();
    // The caret keys.
    void moveLeft(bool shift);
    void moveRight(bool shift);
    void moveHome(bool shift);
    void moveEnd(bool shift);
    // The clipboard and editing keys; each answers whether it fired Change.
    void copySelection() const;
    bool paste();
    void deleteKey(bool shift);
    void cut();
    // Removes the selection or the digit at the caret and reads the rest as
    // a date; a text that does not read is put back as it was.
    void removeAndReformat(bool selection);
    // The caret as the properties ask for it, made again; hidden without the focus.
    void ShowDateCaret();
    void destroyCaret();
    void placeCaret(const TextLayout& layout);
    QSize caretSize() const;
    void beep() const;
    void fireMouseEvent(com::DispId id, const QMouseEvent& event);
    // Redraw, mark, announce.
    void changed(int id);
    int textLength() const { return int(p_.text.size()); }

    dateinput::DateEngine engine_;
    Properties p_{};
    QRect spinUp_;
    QRect spinDown_;
    int spinHeld_ = 0;  // 1 the up button, 2 the down button
    int mouseMode_ = 0; // 1 selecting with the mouse, 2 and 3 a spin button held
    bool focus_ = false;
    bool keyDown_ = false;
    bool doubleClicked_ = false;
    QPointer<qvrun::Caret> caret_;
    // Fires SpinDelay after a press, then every SpinSpeed while the button
    // is held; the container's own event loop keeps running in between.
    QTimer spinTimer_;
};

} // namespace qvindat
