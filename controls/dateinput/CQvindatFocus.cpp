// The date-input control's focus: the caret lives from focus gain to focus
// loss; leaving the control puts an out-of-range date right and tells the
// container when a part lies outside its bounds.
#include "controls/dateinput/CQvindatCtrl.h"

#include "controls/dateinput/QvindatClasses.h"
#include "controls/runtime/Caret.h"
#include "controls/runtime/Colors.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QWidget>

namespace qvindat {

void CQvindatCtrl::onFocusIn(QFocusEvent&)
{
    focus_ = true;
    ShowDateCaret();
    if (p_.focusSelect) {
        p_.selStart = 0;
        p_.selLength = textLength();
    }
    invalidate();
}

void CQvindatCtrl::onFocusOut(QFocusEvent&)
{
    spinTimer_.stop();
    spinHeld_ = 0;
    mouseMode_ = 0;
    // A key held while the focus leaves never comes up here.
    keyDown_ = false;
    // A date the normaliser can carry (31 April) becomes the date it carries to.
    dateinput::DateEngine& e = editEngine();
    e.ReformatText(dateinput::parseNormalised);
    takeEdit();
    focus_ = false;
    destroyCaret();
    invalidate();
    if (!p_.allowBlank) {
        dateinput::DateEngine& reader = engine();
        dateinput::DateParts date;
        reader.ParseDateText(std::string(reader.text), date, dateinput::parsePlain);
        if (!controls::within(date.month, p_.minMonth, p_.maxMonth) || !controls::within(date.day, p_.minDay, p_.maxDay)
            || !controls::within(date.year, p_.minYear, p_.maxYear))
            fireEvent(event::InvalidEntry);
    }
}

QSize CQvindatCtrl::caretSize() const
{
    // As high as the text unless asked otherwise; the arrow styles are half
    // as high and as wide as they are high.
    const QFontMetrics metrics(font());
    const bool arrow = p_.caretStyle == 1 || p_.caretStyle == 2;
    int height = p_.caretHeight > 0 ? p_.caretHeight : metrics.height();
    if (arrow && p_.caretHeight <= 0)
        height = std::max(1, height / 2);
    int width = p_.caretWidth > 0 ? p_.caretWidth : 1;
    if (arrow)
        width = height;
    return {width, height};
}

void CQvindatCtrl::ShowDateCaret()
{
    if (!focus_ || !window() || !ambientUserMode()) {
        invalidate();
        return;
    }
    if (!p_.caretVisible) {
        if (caret_)
            caret_->hide();
        return;
    }
    // Each control makes its own caret; no setting of the desktop changes.
    destroyCaret();
    const QSize size = caretSize();
    caret_ = qvrun::createCaret(window(), size.height(), size.width(), qvrun::toColor(p_.caretColor), p_.caretStyle,
                                p_.caretInterval, qvrun::toColor(p_.fillColor));
    caret_->show();
    invalidate();
}

void CQvindatCtrl::destroyCaret()
{
    if (!caret_)
        return;
    caret_->hide();
    delete caret_.data();
}

} // namespace qvindat
