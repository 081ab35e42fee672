#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace data {

// The LIKE of the question database's original dialect: "*" any run of
// characters, "?" one character, "#" one digit, "[abc]", "[a-z]" and "[!a-z]"
// classes, and "[*]", "[?]", "[#]", "[[]" for the characters themselves.
// Letters match without regard to case.
class LikePattern {
public:
    // Null when the pattern is malformed (a "[" without its "]").
    static std::optional<LikePattern> compile(std::string_view utf8Pattern);

    bool matches(std::string_view utf8Text) const;

    // For a "*text*" pattern whose text is plain ASCII: that text, letters
    // lowered. Null for every other pattern.
    std::optional<std::string> containedAsciiText() const;

private:
    struct Item {
        enum Kind : unsigned char { Star, AnyChar, Digit, Literal, Class };
        Kind kind = Literal;
        bool negated = false;
        char32_t ch = 0;
        std::vector<std::pair<char32_t, char32_t>> ranges;
    };

    bool matchesItem(const Item& item, char32_t c) const;
    bool matchesCodePoints(const std::u32string& text) const;

    std::vector<Item> items_;
    // Set when the pattern is "*text*", "text*", "*text" or "text" with ASCII
    // text only: then a byte search answers without decoding the value.
    bool asciiLiteralOnly_ = false;
    bool leadingStar_ = false;
    bool trailingStar_ = false;
    std::string asciiLiteral_;
    mutable std::u32string scratch_;
};

// Replaces the connection's LIKE operator with the pattern matching above.
void registerDialectLike(sqlite3* db);

} // namespace data
