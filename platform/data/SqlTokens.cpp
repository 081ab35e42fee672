#include "platform/data/SqlTokens.h"

#include "platform/core/Errors.h"

namespace data {

namespace errors = platform::errors;

namespace {

bool isWordStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_');
}

bool isWordPart(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// Reads a quoted run starting at `pos` (on the opening quote); a doubled
// quote stands for one quote character.
QString readQuoted(const QString& sql, qsizetype& pos, QChar quote)
{
    QString content;
    ++pos;
    while (pos < sql.size()) {
        const QChar c = sql[pos];
        if (c == quote) {
            if (pos + 1 < sql.size() && sql[pos + 1] == quote) {
                content += quote;
                pos += 2;
                continue;
            }
            ++pos;
            return content;
        }
        content += c;
        ++pos;
    }
    throw errors::syntaxError(sql);
}

} // namespace

std::vector<SqlToken> tokenizeSql(const QString& sql)
{
    std::vector<SqlToken> tokens;
    qsizetype pos = 0;
    while (pos < sql.size()) {
        const QChar c = sql[pos];
        if (c.isSpace()) {
            ++pos;
        } else if (isWordStart(c)) {
            const qsizetype start = pos;
            while (pos < sql.size() && isWordPart(sql[pos]))
                ++pos;
            tokens.push_back({SqlToken::Word, sql.mid(start, pos - start)});
        } else if (c.isDigit() || (c == QLatin1Char('.') && pos + 1 < sql.size() && sql[pos + 1].isDigit())) {
            const qsizetype start = pos;
            while (pos < sql.size() && (sql[pos].isDigit() || sql[pos] == QLatin1Char('.')))
                ++pos;
            if (pos < sql.size() && isWordStart(sql[pos]))
                throw errors::syntaxError(sql);
            tokens.push_back({SqlToken::Number, sql.mid(start, pos - start)});
        } else if (c == QLatin1Char('\'')) {
            tokens.push_back({SqlToken::SingleQuoted, readQuoted(sql, pos, c)});
        } else if (c == QLatin1Char('"')) {
            tokens.push_back({SqlToken::DoubleQuoted, readQuoted(sql, pos, c)});
        } else if (c == QLatin1Char('[')) {
            const qsizetype close = sql.indexOf(QLatin1Char(']'), pos + 1);
            if (close < 0)
                throw errors::syntaxError(sql);
            tokens.push_back({SqlToken::Bracketed, sql.mid(pos + 1, close - pos - 1)});
            pos = close + 1;
        } else {
            const QString two = sql.mid(pos, 2);
            if (two == QLatin1String("<=") || two == QLatin1String(">=") || two == QLatin1String("<>")) {
                tokens.push_back({SqlToken::Symbol, two});
                pos += 2;
            } else if (QStringLiteral("(),;=<>*+-/&").contains(c)) {
                tokens.push_back({SqlToken::Symbol, QString(c)});
                ++pos;
            } else {
                throw errors::syntaxError(sql);
            }
        }
    }
    return tokens;
}

} // namespace data
