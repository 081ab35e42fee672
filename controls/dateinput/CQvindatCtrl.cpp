#include "controls/dateinput/CQvindatCtrl.h"

#include "controls/dateinput/QvindatClasses.h"
#include "controls/dateinput/StandInDateModel.h"
#include "controls/runtime/TextBuffer.h"
#include "platform/com/AutomationError.h"

#include <algorithm>

namespace qvindat {

using namespace com;

namespace {

constexpr std::int16_t kSlash = 47;
constexpr int kLanguageCount = 18;

// A value from lowest to highest.
bool within(int value, int lowest, int highest) { return value >= lowest && value <= highest; }

} // namespace

CQvindatCtrl::CQvindatCtrl() : CQvindatCtrl(std::make_unique<StandInDateModel>()) {}

CQvindatCtrl::CQvindatCtrl(std::unique_ptr<DateTextModel> model)
    : CQvControl(eventsInterface), model_(std::move(model))
{
    resetState();
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
    const DateParts today = model_->today();
    p_.text = model_->formatDate(today, 0, char(p_.separator));
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
        if (!within(v, lowest, highest))
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
    switch (id) {
    case dispid::MousePointer:
        setMousePointer(v, id);
        p_.mousePointer = v;
        return;
    case dispid::Alignment: return ranged(p_.alignment, 0, 2);
    case dispid::BevelSize: return ranged(p_.bevelSize, 0, INT16_MAX);
    case dispid::BevelStyle: return ranged(p_.bevelStyle, 0, 4);
    case dispid::BorderStyle: return ranged(p_.borderStyle, 0, 2);
    case dispid::Spin: return ranged(p_.spin, 0, 2);
    case dispid::Indent: return ranged(p_.indent, 0, INT16_MAX);
    case dispid::FontStyle: return ranged(p_.fontStyle, 0, 4);
    case dispid::CaretHeight: return stored(p_.caretHeight);
    case dispid::CaretWidth: return stored(p_.caretWidth);
    case dispid::CaretStyle:
        if (!within(v, 0, 2))
            refuse();
        return stored(p_.caretStyle);
    case dispid::CaretVAlign: return ranged(p_.caretVAlign, 0, 2);
    case dispid::CaretInterval: return stored(p_.caretInterval);
    case dispid::VAlignment: return ranged(p_.vAlignment, 0, 2);
    // The bounds keep Min at or below Max both ways.
    case dispid::MaxDay: return ranged(p_.maxDay, std::max<int>(1, p_.minDay), 31);
    case dispid::MaxMonth: return ranged(p_.maxMonth, std::max<int>(1, p_.minMonth), 12);
    case dispid::MaxYear: return ranged(p_.maxYear, p_.minYear, 9999);
    case dispid::MinDay: return ranged(p_.minDay, 0, p_.maxDay);
    case dispid::MinMonth: return ranged(p_.minMonth, 0, p_.maxMonth);
    case dispid::MinYear: return ranged(p_.minYear, 0, p_.maxYear);
    case dispid::Separator:
        p_.separator = v;
        invalidate();
        return;
    case dispid::CurrentYear: return stored(p_.currentYear);
    case dispid::CurrentDay: return stored(p_.currentDay);
    case dispid::CurrentMonth: return stored(p_.currentMonth);
    default: throw AutomationError{kMemberNotFound, {}, 0};
    }
}

void CQvindatCtrl::setLong(int id, std::int32_t v)
{
    std::int32_t* member = nullptr;
    switch (id) {
    case dispid::SpinDelay: member = &p_.spinDelay; break;
    case dispid::SpinSpeed: member = &p_.spinSpeed; break;
    case dispid::SpinChange: member = &p_.spinChange; break;
    case dispid::SelStart: return setSelStart(v);
    case dispid::SelLength: return setSelLength(v);
    default: throw AutomationError{kMemberNotFound, {}, 0};
    }
    if (v < 0)
        refuse();
    *member = v;
    changed(id);
}

void CQvindatCtrl::setColor(int id, std::uint32_t v)
{
    switch (id) {
    case dispid::BorderColor: p_.borderColor = v; break;
    case dispid::FillColor: p_.fillColor = v; break;
    case dispid::LightColor: p_.lightColor = v; break;
    case dispid::ShadowColor: p_.shadowColor = v; break;
    case dispid::TextColor: p_.textColor = v; break;
    case dispid::CaretColor:
        p_.caretColor = v;
        boundPropertyChanged(id);
        return;
    default: throw AutomationError{kMemberNotFound, {}, 0};
    }
    changed(id);
}

void CQvindatCtrl::setBool(int id, std::int32_t v)
{
    switch (id) {
    case dispid::ReadOnly: p_.readOnly = v; break;
    case dispid::AutoHScroll: p_.autoHScroll = v; break;
    case dispid::CaretVisible: p_.caretVisible = v; break;
    case dispid::FocusSelect: p_.focusSelect = v ? -1 : 0; break;
    case dispid::AllowBlank: return setAllowBlank(v != 0);
    default: throw AutomationError{kMemberNotFound, {}, 0};
    }
    changed(id);
}

void CQvindatCtrl::setText(const QByteArray& text)
{
    p_.text = text.left(qvrun::kBufferChars);
    p_.selStart = std::min(p_.selStart, textLength());
    p_.selLength = 0;
    changed(dispid::Text);
}

void CQvindatCtrl::setLanguage(const QByteArray& code)
{
    if (code.isEmpty()) {
        p_.languageNumber = 0;
    } else {
        const int index = model_->languageIndex(code);
        if (index < 0)
            return; // no code: nothing changes
        p_.languageNumber = std::int16_t(index);
        p_.language = model_->languageCode(index);
    }
    changed(dispid::Language);
}

void CQvindatCtrl::setLanguageNumber(std::int16_t value)
{
    // The code table has one entry per language: a number past it is refused
    // rather than read beyond the table.
    if (!within(value, 0, model_->languageCount() - 1))
        refuse();
    p_.languageNumber = value;
    p_.language = model_->languageCode(value);
    boundPropertyChanged(dispid::LanguageNumber);
    setLanguage(p_.language);
}

void CQvindatCtrl::setDateFormat(std::int16_t value)
{
    if (value == p_.dateFormat)
        return;
    if (!within(value, 0, 7))
        refuse();
    p_.dateFormat = value;
    changed(dispid::DateFormat);
}

void CQvindatCtrl::setAllowBlank(bool value)
{
    p_.allowBlank = value ? 1 : 0;
    if (value)
        setText(QByteArray());
    else
        setText(model_->formatDate(model_->today(), p_.dateFormat, char(p_.separator)));
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

void CQvindatCtrl::requireRunMode() const
{
    if (!ambientUserMode())
        throw AutomationError{automationError(394), QStringLiteral("Get not supported"), 0};
}

} // namespace qvindat
