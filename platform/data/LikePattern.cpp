#include "platform/data/LikePattern.h"

#include <QChar>

#include <sqlite3.h>

#include <memory>

namespace data {

namespace {

// Letters compare without regard to case. A non-ASCII character never folds
// onto an ASCII one (the Kelvin sign stays itself), so the byte search of
// plain keywords and the general walk always agree.
char32_t fold(char32_t c)
{
    if (c < 128)
        return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
    const char32_t folded = QChar::toCaseFolded(c);
    return folded < 128 ? c : folded;
}

unsigned char foldAscii(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
}

// Decodes one UTF-8 sequence at `pos`, advancing it. A broken sequence reads
// as its first byte (never an ASCII character), so that matching never
// stalls; an overlong form counts as broken, or "A" written in two bytes
// would match a class walked here and miss the byte search of plain keywords.
char32_t decode(std::string_view text, size_t& pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    size_t extra = 0;
    char32_t c = 0;
    if (lead >= 0xF0 && lead < 0xF8) {
        extra = 3;
        c = lead & 0x07;
    } else if (lead >= 0xE0 && lead < 0xF0) {
        extra = 2;
        c = lead & 0x0F;
    } else if (lead >= 0xC0 && lead < 0xE0) {
        extra = 1;
        c = lead & 0x1F;
    }
    if (extra == 0 || pos + extra >= text.size()) {
        ++pos;
        return lead;
    }
    for (size_t i = 1; i <= extra; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return lead;
        }
        c = (c << 6) | (next & 0x3F);
    }
    static constexpr char32_t shortest[] = {0, 0x80, 0x800, 0x10000};
    if (c < shortest[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++pos;
        return lead;
    }
    pos += extra + 1;
    return c;
}

bool containsAscii(std::string_view text, const std::string& needle)
{
    if (needle.empty())
        return true;
    if (text.size() < needle.size())
        return false;
    const size_t last = text.size() - needle.size();
    const unsigned char first = static_cast<unsigned char>(needle[0]);
    for (size_t i = 0; i <= last; ++i) {
        if (foldAscii(static_cast<unsigned char>(text[i])) != first)
            continue;
        size_t j = 1;
        while (j < needle.size()
               && foldAscii(static_cast<unsigned char>(text[i + j])) == static_cast<unsigned char>(needle[j]))
            ++j;
        if (j == needle.size())
            return true;
    }
    return false;
}

bool equalsAsciiAt(std::string_view text, size_t at, const std::string& needle)
{
    for (size_t j = 0; j < needle.size(); ++j) {
        if (foldAscii(static_cast<unsigned char>(text[at + j])) != static_cast<unsigned char>(needle[j]))
            return false;
    }
    return true;
}

} // namespace

std::optional<LikePattern> LikePattern::compile(std::string_view utf8)
{
    LikePattern pattern;
    size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t c = decode(utf8, pos);
        Item item;
        if (c == '*') {
            if (!pattern.items_.empty() && pattern.items_.back().kind == Item::Star)
                continue;
            item.kind = Item::Star;
        } else if (c == '?') {
            item.kind = Item::AnyChar;
        } else if (c == '#') {
            item.kind = Item::Digit;
        } else if (c == '[') {
            std::u32string inside;
            bool closed = false;
            while (pos < utf8.size()) {
                const char32_t member = decode(utf8, pos);
                if (member == ']') {
                    closed = true;
                    break;
                }
                inside.push_back(member);
            }
            if (!closed)
                return std::nullopt;
            if (inside.empty())
                continue; // "[]" stands for nothing
            size_t start = 0;
            if (inside.size() > 1 && inside[0] == '!') {
                item.negated = true;
                start = 1;
            }
            for (size_t i = start; i < inside.size(); ++i) {
                if (i + 2 < inside.size() && inside[i + 1] == '-') {
                    item.ranges.emplace_back(fold(inside[i]), fold(inside[i + 2]));
                    i += 2;
                } else {
                    item.ranges.emplace_back(fold(inside[i]), fold(inside[i]));
                }
            }
            if (!item.negated && item.ranges.size() == 1 && item.ranges[0].first == item.ranges[0].second) {
                item.ch = item.ranges[0].first;
                item.ranges.clear();
            } else {
                item.kind = Item::Class;
            }
        } else {
            item.ch = fold(c);
        }
        pattern.items_.push_back(std::move(item));
    }

    // Recognise the plain shapes a keyword search produces.
    const auto& items = pattern.items_;
    size_t first = 0;
    size_t end = items.size();
    pattern.leadingStar_ = first < end && items[first].kind == Item::Star;
    if (pattern.leadingStar_)
        ++first;
    pattern.trailingStar_ = end > first && items[end - 1].kind == Item::Star;
    if (pattern.trailingStar_)
        --end;
    bool plain = true;
    for (size_t i = first; i < end && plain; ++i) {
        plain = items[i].kind == Item::Literal && items[i].ch < 128;
        if (plain)
            pattern.asciiLiteral_.push_back(char(items[i].ch));
    }
    pattern.asciiLiteralOnly_ = plain;
    return pattern;
}

std::optional<std::string> LikePattern::containedAsciiText() const
{
    if (!asciiLiteralOnly_ || !leadingStar_ || !trailingStar_)
        return std::nullopt;
    return asciiLiteral_;
}

bool LikePattern::matchesItem(const Item& item, char32_t c) const
{
    switch (item.kind) {
    case Item::AnyChar:
        return true;
    case Item::Digit:
        return c >= '0' && c <= '9';
    case Item::Literal:
        return c == item.ch;
    case Item::Class: {
        bool inside = false;
        for (const auto& [low, high] : item.ranges) {
            if (c >= low && c <= high) {
                inside = true;
                break;
            }
        }
        return inside != item.negated;
    }
    case Item::Star:
        break;
    }
    return false;
}

bool LikePattern::matchesCodePoints(const std::u32string& text) const
{
    // Every item but the star takes exactly one character, so the classic
    // single-backtrack wildcard walk is exact.
    const size_t count = items_.size();
    size_t p = 0;
    size_t s = 0;
    size_t starItem = count;
    size_t starText = 0;
    while (s < text.size()) {
        if (p < count && items_[p].kind == Item::Star) {
            starItem = p++;
            starText = s;
        } else if (p < count && matchesItem(items_[p], text[s])) {
            ++p;
            ++s;
        } else if (starItem != count) {
            p = starItem + 1;
            s = ++starText;
        } else {
            return false;
        }
    }
    while (p < count && items_[p].kind == Item::Star)
        ++p;
    return p == count;
}

bool LikePattern::matches(std::string_view text) const
{
    if (asciiLiteralOnly_) {
        // An ASCII character is one byte in UTF-8 and a non-ASCII character
        // never equals an ASCII one, so bytes answer exactly.
        const size_t n = asciiLiteral_.size();
        if (leadingStar_ && trailingStar_)
            return containsAscii(text, asciiLiteral_);
        if (text.size() < n || (!leadingStar_ && !trailingStar_ && text.size() != n))
            return false;
        if (!leadingStar_)
            return equalsAsciiAt(text, 0, asciiLiteral_);
        return equalsAsciiAt(text, text.size() - n, asciiLiteral_);
    }
    scratch_.clear();
    size_t pos = 0;
    while (pos < text.size())
        scratch_.push_back(fold(decode(text, pos)));
    return matchesCodePoints(scratch_);
}

namespace {

void deletePattern(void* pattern)
{
    std::unique_ptr<LikePattern>(static_cast<LikePattern*>(pattern));
}

// like(pattern, value): SQLite calls it for "value LIKE pattern".
void likeFunction(sqlite3_context* context, int, sqlite3_value** args)
{
    if (sqlite3_value_type(args[0]) == SQLITE_NULL || sqlite3_value_type(args[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    auto* cached = static_cast<LikePattern*>(sqlite3_get_auxdata(context, 0));
    std::unique_ptr<LikePattern> fresh;
    if (!cached) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(args[0]));
        auto compiled = LikePattern::compile(std::string_view(text, size_t(sqlite3_value_bytes(args[0]))));
        if (!compiled) {
            sqlite3_result_error(context, "Invalid pattern string", -1);
            return;
        }
        fresh = std::make_unique<LikePattern>(std::move(*compiled));
        cached = fresh.get();
    }
    const auto* value = reinterpret_cast<const char*>(sqlite3_value_text(args[1]));
    const bool hit = cached->matches(std::string_view(value, size_t(sqlite3_value_bytes(args[1]))));
    if (fresh)
        sqlite3_set_auxdata(context, 0, fresh.release(), deletePattern); // SQLite owns it now
    sqlite3_result_int(context, hit ? 1 : 0);
}

} // namespace

void registerDialectLike(sqlite3* db)
{
    sqlite3_create_function_v2(db, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS, nullptr,
                               likeFunction, nullptr, nullptr, nullptr);
}

} // namespace data
