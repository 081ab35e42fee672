#pragma once

#include <QString>

#include <vector>

namespace data {

// One token of a query text in the original dialect.
struct SqlToken {
    enum Kind {
        Word,         // keyword, name or function name
        Number,       // 12, 3.5
        SingleQuoted, // 'text' with '' inside; `text` holds the content
        DoubleQuoted, // "text" with "" inside; `text` holds the content
        Bracketed,    // [name]; `text` holds the name
        Symbol,       // ( ) , ; = < > <= >= <> * + - / &
    };
    Kind kind;
    QString text;

    bool isWord(QLatin1String word) const { return kind == Word && text.compare(word, Qt::CaseInsensitive) == 0; }
    bool isSymbol(QLatin1String symbol) const { return kind == Symbol && text == symbol; }
};

// Splits a query text; throws RuntimeError 3075 on an unterminated quote or
// bracket or a character the dialect does not use.
std::vector<SqlToken> tokenizeSql(const QString& sql);

} // namespace data
