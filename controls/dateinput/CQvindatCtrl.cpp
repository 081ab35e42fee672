#include "controls/dateinput/CQvindatCtrl.h"

#include "controls/base/Contained.h"
#include "controls/dateinput/QvindatClasses.h"
#include "controls/dateinput/RuntimeDateServices.h"
#include "controls/runtime/Profile.h"
#include "controls/runtime/TextBuffer.h"
#include "platform/com/AutomationError.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace qvindat {

using namespace com;

namespace {

constexpr std::int16_t kSlash = 47;

// The frame's properties as this control numbers them.
constexpr controls::FrameIds kFrameIds{.borderColor = dispid::BorderColor,
                                       .fillColor = dispid::FillColor,
                                       .lightColor = dispid::LightColor,
                                       .shadowColor = dispid::ShadowColor,
                                       .textColor = dispid::TextColor,
                                       .alignment = dispid::Alignment,
                                       .bevelSize = dispid::BevelSize,
                                       .bevelStyle = dispid::BevelStyle,
                                       .borderStyle = dispid::BorderStyle,
                                       .fontStyle = dispid::FontStyle};

} // namespace

namespace {

dateinput::DateServices servicesFor(std::function<dateinput::DateParts()> today)
{
    dateinput::DateServices services = dateinput::runtimeDateServices();
    services.today = std::move(today);
    // The user's date settings, read from the profile at every use.
    services.intl = [](std::string_view key) { return qvrun::profileString("intl", std::string(key).c_str()); };
    return services;
}

} // namespace

CQvindatCtrl::CQvindatCtrl(std::function<dateinput::DateParts()> today)
    : CQvControl(eventsInterface), engine_(servicesFor(std::move(today)))
{
    resetState();
    spinTimer_.setSingleShot(true);
    spinTimer_.callOnTimeout([this] { controls::contained("mouse", [this] { spinRepeat(); }); });
}

dateinput::DateEngine& CQvindatCtrl::engine()
{
    engine_.text.assign(p_.text.constData(), std::size_t(p_.text.size()));
    engine_.dateFormat = p_.dateFormat;
    engine_.languageNumber = p_.languageNumber;
    engine_.allowBlank = p_.allowBlank != 0;
    engine_.readOnly = p_.readOnly != 0;
    engine_.bounds = {p_.minDay, p_.maxDay, p_.minMonth, p_.maxMonth, p_.minYear, p_.maxYear};
    // CurrentYear as the container last set it or the engine last stored it:
    // stepping a two-digit year keeps that year's century.
    engine_.setCurrentYear(p_.currentYear);
    return engine_;
}

dateinput::DateEngine& CQvindatCtrl::editEngine()
{
    dateinput::DateEngine& e = engine();
    e.caretPosition = std::clamp(p_.selStart, 0, textLength());
    e.selectionLength = std::clamp(p_.selLength, -e.caretPosition, textLength() - e.caretPosition);
    return e;
}

void CQvindatCtrl::takeEdit()
{
    takeText();
    p_.selStart = std::clamp(engine_.caretPosition, 0, textLength());
    p_.selLength = std::clamp(engine_.selectionLength, -p_.selStart, textLength() - p_.selStart);
}

void CQvindatCtrl::takeText()
{
    const QByteArray text(engine_.text.data(), qsizetype(engine_.text.size()));
    if (engine_.currentYear() != p_.currentYear)
        p_.currentYear = engine_.currentYear();
    if (text == p_.text)
        return;
    p_.text = text;
    boundPropertyChanged(dispid::Text);
}

bool CQvindatCtrl::partsWithinBounds(const dateinput::DateParts& d) const
{
    return controls::within(d.month, p_.minMonth, p_.maxMonth) && controls::within(d.day, p_.minDay, p_.maxDay)
           && controls::within(d.year, p_.minYear, p_.maxYear);
}

com::Result CQvindatCtrl::createWindow(QWidget* parent, const QRect& rect, QWidget** out)
{
    const com::Result r = CQvControl::createWindow(parent, rect, out);
    if (failed(r))
        return r;
    // The names of the language come with the window; the stored text is
    // read again and shown in the control's format.
    dateinput::DateEngine& e = engine();
    e.LoadLanguageNames();
    e.previousFormat = e.dateFormat;
    e.ReformatText(dateinput::parseInvalidToday, dateinput::DayDigits::given);
    caretToFirstField();
    invalidate();
    return r;
}

void CQvindatCtrl::caretToFirstField()
{
    // The caret starts in the first field that can be typed into: a weekday
    // at the start hands it on to the field after it.
    dateinput::DateEngine& e = engine_;
    e.caretPosition = 0;
    e.selectionLength = 0;
    e.FindCaretField();
    const int next = e.currentField + 1;
    if (e.currentField >= 0 && e.currentField < dateinput::DateEngine::fieldSlots
        && !e.fields()[std::size_t(e.currentField)].editable && next < dateinput::DateEngine::fieldSlots) {
        e.currentField = next;
        e.caretOffset = 0;
        e.caretPosition = e.fields()[std::size_t(next)].start;
    }
    takeEdit();
}

void CQvindatCtrl::resetState()
{
    p_ = Properties{};
    p_.borderColor = 0x80000006;
    p_.fillColor = 0x8000000F;
    p_.lightColor = 0x80000005;
    p_.shadowColor = 0x80000010;
    p_.textColor = 0x80000008;
    p_.caretColor = 0x80000006;
    p_.borderStyle = 1;
    p_.indent = 2;
    p_.maxDay = 31;
    p_.maxMonth = 12;
    p_.maxYear = 9999;
    p_.minDay = 1;
    p_.minMonth = 1;
    p_.minYear = 0;
    p_.spinDelay = 500;
    p_.spinSpeed = 100;
    p_.spinChange = 1;
    p_.autoHScroll = 1;
    p_.caretVisible = 1;
    p_.language = "WWW";
    p_.separator = kSlash;
    engine_.dateFormat = 0;
    engine_.previousFormat = 0;
    engine_.allowBlank = false;
    const dateinput::DateParts today = engine_.services().today();
    p_.text = QByteArray::fromStdString(engine_.FormatDateText(today));
    // Until something is typed, Undo puts back the text the control has.
    p_.undoText = p_.text;
    p_.currentYear = today.year;
    p_.currentDay = today.day;
    p_.currentMonth = today.month;
}

void CQvindatCtrl::changed(int id)
{
    invalidate();
    boundPropertyChanged(id);
}

void CQvindatCtrl::setShort(int id, std::int16_t v)
{
    auto ranged = [&](std::int16_t& member, int lowest, int highest) {
        if (!controls::within(v, lowest, highest))
            refuse();
        member = v;
        changed(id);
    };
    // The caret properties re-make the caret and announce; the Current ones
    // only mark and announce.
    auto stored = [&](std::int16_t& member) {
        member = v;
        boundPropertyChanged(id);
    };
    auto caretShape = [&](std::int16_t& member) {
        member = v;
        ShowDateCaret();
        boundPropertyChanged(id);
    };
    if (const auto frame = controls::frameShort(p_, kFrameIds, id))
        return ranged(*frame->member, frame->lowest, frame->highest);
    switch (id) {
    case dispid::MousePointer:
        setMousePointer(v, id);
        p_.mousePointer = v;
        return;
    case dispid::Spin:
        return ranged(p_.spin, 0, 2);
    case dispid::Indent:
        return ranged(p_.indent, 0, INT16_MAX);
    case dispid::CaretHeight:
        return caretShape(p_.caretHeight);
    case dispid::CaretWidth:
        return caretShape(p_.caretWidth);
    case dispid::CaretStyle:
        if (!controls::within(v, 0, 2))
            refuse();
        return caretShape(p_.caretStyle);
    case dispid::CaretVAlign:
        return ranged(p_.caretVAlign, 0, 2);
    case dispid::CaretInterval:
        return caretShape(p_.caretInterval);
    case dispid::VAlignment:
        return ranged(p_.vAlignment, 0, 2);
    // The bounds keep Min at or below Max both ways.
    case dispid::MaxDay:
        return ranged(p_.maxDay, std::max<int>(1, p_.minDay), 31);
    case dispid::MaxMonth:
        return ranged(p_.maxMonth, std::max<int>(1, p_.minMonth), 12);
    case dispid::MaxYear:
        return ranged(p_.maxYear, p_.minYear, 9999);
    case dispid::MinDay:
        return ranged(p_.minDay, 0, p_.maxDay);
    case dispid::MinMonth:
        return ranged(p_.minMonth, 0, p_.maxMonth);
    case dispid::MinYear:
        return ranged(p_.minYear, 0, p_.maxYear);
    case dispid::Separator:
        p_.separator = v;
        invalidate();
        return;
    case dispid::CurrentYear:
        return stored(p_.currentYear);
    case dispid::CurrentDay:
        return stored(p_.currentDay);
    case dispid::CurrentMonth:
        return stored(p_.currentMonth);
    default:
        throw AutomationError{kMemberNotFound, {}, 0};
    }
}

void CQvindatCtrl::setLong(int id, std::int32_t v)
{
    std::int32_t* member = nullptr;
    switch (id) {
    case dispid::SpinDelay:
        member = &p_.spinDelay;
        break;
    case dispid::SpinSpeed:
        member = &p_.spinSpeed;
        break;
    case dispid::SpinChange:
        member = &p_.spinChange;
        break;
    case dispid::SelStart:
        return setSelStart(v);
    case dispid::SelLength:
        return setSelLength(v);
    default:
        throw AutomationError{kMemberNotFound, {}, 0};
    }
    if (v < 0)
        refuse();
    *member = v;
    changed(id);
}

void CQvindatCtrl::setColor(int id, std::uint32_t v)
{
    if (std::uint32_t* color = controls::frameColor(p_, kFrameIds, id)) {
        *color = v;
        return changed(id);
    }
    if (id != dispid::CaretColor)
        throw AutomationError{kMemberNotFound, {}, 0};
    p_.caretColor = v;
    ShowDateCaret();
    boundPropertyChanged(id);
}

void CQvindatCtrl::setBool(int id, std::int32_t v)
{
    switch (id) {
    case dispid::ReadOnly:
        p_.readOnly = v;
        break;
    case dispid::AutoHScroll:
        p_.autoHScroll = v;
        break;
    case dispid::CaretVisible:
        p_.caretVisible = v;
        break;
    case dispid::FocusSelect:
        p_.focusSelect = v ? -1 : 0;
        break;
    case dispid::AllowBlank:
        return setAllowBlank(v != 0);
    default:
        throw AutomationError{kMemberNotFound, {}, 0};
    }
    changed(id);
}

void CQvindatCtrl::setText(const QByteArray& given)
{
    // A read-only control keeps its text while a key is held in it.
    if (p_.readOnly && keyDown_)
        return;
    QByteArray text = given.left(qvrun::kBufferChars);
    if (!ambientUserMode()) {
        // At design time the text is kept as typed into the property list.
        p_.text = text;
        p_.selStart = std::min(p_.selStart, textLength());
        p_.selLength = 0;
        changed(dispid::Text);
        return;
    }
    // A text passes when its parts keep their bounds and it reads as a date
    // in the current format; the current text stays until then.
    dateinput::DateEngine& e = engine();
    e.incompleteFlag = true;
    e.text.assign(text.constData(), std::size_t(text.size()));
    constexpr auto wholeDays = dateinput::DayDigits::given;
    const bool passes = partsWithinBounds(e.ParseEditText(e.text, wholeDays))
                        && e.ReformatText(dateinput::parsePlain, wholeDays) == dateinput::dateAccepted;
    e.incompleteFlag = false;
    if (!passes) {
        // Cancel and InvalidText come back by reference in their slots.
        com::Variant args[] = {com::Variant::i2(0), com::Variant::string(QString::fromLatin1(text))};
        fireEvent(event::InvalidSetText, args);
        std::int16_t cancel = 0;
        QString replaced;
        if (succeeded(args[0].toI2(&cancel)) && cancel != 0)
            return;
        if (succeeded(args[1].toText(&replaced)))
            text = replaced.toLatin1().left(qvrun::kBufferChars);
    }
    p_.text = text;
    boundPropertyChanged(dispid::Text);
    engine();
    dateinput::DateParts date;
    e.ParseSetText(e.text, date, dateinput::parseInvalidToday);
    e.ReformatText(dateinput::parseInvalidToday, wholeDays);
    e.zeroFlag = false;
    if (window()) {
        caretToFirstField();
    } else {
        e.caretPosition = 0;
        takeText();
        p_.selStart = 0;
        p_.selLength = 0;
    }
    invalidate();
    fireEvent(event::Change);
}

void CQvindatCtrl::setLanguage(const QByteArray& code)
{
    if (code.isEmpty()) {
        p_.languageNumber = 0;
    } else {
        const int index = dateinput::languageNumberOfCode(std::string_view(code.constData(), size_t(code.size())));
        if (index < 0)
            return; // no code: nothing changes
        p_.languageNumber = std::int16_t(index);
        p_.language =
            QByteArray(dateinput::languageCode(index).data(), qsizetype(dateinput::languageCode(index).size()));
    }
    if (!window())
        return;
    showInLanguage();
    changed(dispid::Language);
}

void CQvindatCtrl::showInLanguage()
{
    // Read with the names loaded so far, then written in the new ones.
    dateinput::DateEngine& e = engine();
    dateinput::DateParts date;
    e.ParseDateText(e.text, date, dateinput::parseInvalidToday);
    e.LoadLanguageNames();
    e.text = e.FormatDateText(date);
    e.previousFormat = e.dateFormat;
    e.ReformatText(dateinput::parsePlain);
    takeText();
}

void CQvindatCtrl::setLanguageNumber(std::int16_t value)
{
    // The code table has one entry per language: a number past it is refused
    // rather than read beyond the table.
    if (!controls::within(value, 0, dateinput::languageCodeCount - 1))
        refuse();
    p_.languageNumber = value;
    p_.language = QByteArray(dateinput::languageCode(value).data(), qsizetype(dateinput::languageCode(value).size()));
    boundPropertyChanged(dispid::LanguageNumber);
    setLanguage(p_.language);
}

void CQvindatCtrl::setDateFormat(std::int16_t value)
{
    if (value == p_.dateFormat)
        return;
    if (!controls::within(value, 0, 7))
        refuse();
    dateinput::DateEngine& e = engine();
    const std::int16_t old = p_.dateFormat;
    e.previousFormat = old;
    const std::int16_t rememberedYear = p_.currentYear;
    const bool fromFour = !e.IsTwoDigitYearFormat(old);
    const bool toFour = !e.IsTwoDigitYearFormat(value);
    if (window() && fromFour != toFour) {
        // The year the short format cannot show is kept in CurrentYear and
        // comes back when a four-digit format returns.
        dateinput::DateParts date;
        e.ParseDateText(e.text, date, dateinput::parsePlain);
        date.year = toFour ? std::int16_t(std::clamp<int>(rememberedYear, p_.minYear, p_.maxYear)) : rememberedYear;
        e.dateFormat = value;
        e.previousFormat = value;
        p_.dateFormat = value;
        if (e.ValidateDate(date, dateinput::parseNormalised))
            e.text = e.FormatDateText(date);
        if (toFour)
            e.setCurrentYear(date.year);
        takeText();
    } else if (window() && !fromFour && keepsTheCentury(value, rememberedYear)) {
        takeText();
    } else {
        p_.dateFormat = value;
        e.dateFormat = value;
        if (window()) {
            e.ReformatText(dateinput::parsePlain);
            takeText();
        } else {
            e.previousFormat = value;
        }
    }
    if (window())
        changed(dispid::DateFormat);
}

bool CQvindatCtrl::keepsTheCentury(std::int16_t value, std::int16_t rememberedYear)
{
    // From one two-digit format to another the text alone would read the
    // year in the century of MinYear; the date keeps the whole year that
    // CurrentYear holds, when the two digits shown are its own, so a later
    // four-digit format and the weekday both see it.
    dateinput::DateEngine& e = engine_;
    dateinput::DateParts date;
    if (e.ParseDateText(e.text, date, dateinput::parsePlain) != dateinput::dateAccepted || date.anyBlank()
        || date.year % 100 != rememberedYear % 100 || !controls::within(rememberedYear, p_.minYear, p_.maxYear))
        return false;
    date.year = rememberedYear;
    const std::int16_t old = e.dateFormat;
    e.dateFormat = value;
    if (!e.ValidateDate(date, dateinput::parseNormalised)) {
        e.dateFormat = old;
        e.setCurrentYear(rememberedYear);
        return false;
    }
    p_.dateFormat = value;
    e.previousFormat = value;
    e.text = e.FormatDateText(date);
    e.setCurrentYear(date.year);
    return true;
}

void CQvindatCtrl::setAllowBlank(bool value)
{
    p_.allowBlank = value ? 1 : 0;
    if (value) {
        setText(QByteArray());
    } else {
        // An empty text reads as today's date.
        dateinput::DateEngine& e = engine();
        dateinput::DateParts date;
        e.ParseDateText({}, date, dateinput::parsePlain);
        takeText();
    }
    changed(dispid::AllowBlank);
}

void CQvindatCtrl::setSelStart(std::int32_t value)
{
    // A negative start is the start of the text.
    p_.selStart = std::clamp(value, 0, textLength());
    p_.selLength = 0;
    if (window())
        changed(dispid::SelStart);
}

void CQvindatCtrl::setSelLength(std::int32_t value)
{
    p_.selLength = std::clamp(value, -p_.selStart, textLength() - p_.selStart);
    if (window())
        changed(dispid::SelLength);
}

QByteArray CQvindatCtrl::selText() const
{
    const int start = std::min(p_.selStart, p_.selStart + p_.selLength);
    return p_.text.mid(start, std::abs(p_.selLength));
}

void CQvindatCtrl::setSelText(const QByteArray& text)
{
    if (!window())
        return;
    char buffer[qvrun::kBufferBytes] = {};
    std::copy_n(p_.text.constData(), std::min<qsizetype>(p_.text.size(), qvrun::kBufferChars), buffer);
    p_.selStart = qvrun::insertText(buffer, p_.selStart, p_.selLength, text.constData());
    p_.selLength = 0;
    setText(QByteArray(buffer));
    changed(dispid::SelText);
}

bool CQvindatCtrl::undo()
{
    p_.text = p_.undoText;
    boundPropertyChanged(dispid::Text);
    p_.selStart = textLength();
    p_.selLength = 0;
    invalidate();
    return false;
}

} // namespace qvindat
