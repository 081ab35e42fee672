#include "QueryTranslator.h"

#include "Connection.h"
#include "SqlTokens.h"
#include "platform/core/Errors.h"

namespace data {

namespace errors = platform::errors;

namespace {

using Tokens = std::vector<SqlToken>;

bool isKeyword(const SqlToken& token, bool inOrderBy)
{
    static constexpr const char* conditionWords[] = {"AND", "OR", "NOT", "LIKE", "IS", "NULL", "IN", "BETWEEN"};
    for (const char* word : conditionWords) {
        if (token.isWord(QLatin1String(word)))
            return true;
    }
    return inOrderBy && (token.isWord(QLatin1String("ASC")) || token.isWord(QLatin1String("DESC")));
}

QByteArray singleQuoted(const QString& text)
{
    QByteArray utf8 = text.toUtf8();
    utf8.replace('\'', "''");
    return '\'' + utf8 + '\'';
}

// Writes a condition or an ORDER BY list in SQLite's terms. Names that are
// not columns of the table count as missing parameters, as in the original
// dialect, where such a name would have been asked for.
class ExpressionWriter {
public:
    ExpressionWriter(const TableInfo& table, const QString& sql, QStringList& parameters)
        : table_(table), sql_(sql), parameters_(parameters)
    {
    }

    QByteArray write(const Tokens& tokens, size_t begin, size_t end, bool orderBy)
    {
        if (begin >= end)
            throw errors::syntaxError(sql_);
        QByteArray out;
        int depth = 0;
        for (size_t i = begin; i < end; ++i) {
            const SqlToken& token = tokens[i];
            if (!out.isEmpty())
                out += ' ';
            switch (token.kind) {
            case SqlToken::Word:
                if (isKeyword(token, orderBy)) {
                    out += token.text.toUpper().toLatin1();
                } else if (token.isWord(QLatin1String("True"))) {
                    out += '1';
                } else if (token.isWord(QLatin1String("False"))) {
                    out += '0';
                } else if (i + 1 < end && tokens[i + 1].isSymbol(QLatin1String("("))) {
                    if (!token.isWord(QLatin1String("Rnd")))
                        throw errors::undefinedFunction(token.text);
                    // Rnd(seed) orders rows at random; the seed plays no part.
                    i = closingParenthesis(tokens, i + 1, end);
                    out += "random()";
                } else {
                    out += column(token.text);
                }
                break;
            case SqlToken::Bracketed:
                out += column(token.text);
                break;
            case SqlToken::Number:
                out += token.text.toLatin1();
                break;
            case SqlToken::SingleQuoted:
                out += singleQuoted(token.text);
                break;
            case SqlToken::DoubleQuoted:
                parameters_.append(token.text);
                out += '?' + QByteArray::number(parameters_.size());
                break;
            case SqlToken::Symbol:
                if (token.text == QLatin1String(";"))
                    throw errors::syntaxError(sql_);
                if (token.text == QLatin1String("("))
                    ++depth;
                if (token.text == QLatin1String(")") && --depth < 0)
                    throw errors::syntaxError(sql_);
                out += token.text == QLatin1String("&") ? QByteArray("||") : token.text.toLatin1();
                break;
            }
        }
        if (depth != 0)
            throw errors::syntaxError(sql_);
        return out;
    }

    int unknownNames() const { return unknownNames_; }

private:
    QByteArray column(const QString& name)
    {
        const int index = table_.columnIndex(name);
        if (index < 0) {
            ++unknownNames_;
            return QByteArray("NULL");
        }
        return table_.columns[index].quotedName;
    }

    size_t closingParenthesis(const Tokens& tokens, size_t open, size_t end) const
    {
        int depth = 0;
        for (size_t i = open; i < end; ++i) {
            if (tokens[i].isSymbol(QLatin1String("(")))
                ++depth;
            else if (tokens[i].isSymbol(QLatin1String(")")) && --depth == 0)
                return i;
        }
        throw errors::syntaxError(sql_);
    }

    const TableInfo& table_;
    const QString& sql_;
    QStringList& parameters_;
    int unknownNames_ = 0;
};

const TableInfo& requireTable(Connection& connection, const QString& name)
{
    const TableInfo* table = connection.findTable(name);
    if (!table)
        throw errors::tableNotFound(name);
    return *table;
}

// Index of the first top-level token at or after `from` that ends a clause
// (";" or "ORDER BY"), or the end.
size_t clauseEnd(const Tokens& tokens, size_t from)
{
    int depth = 0;
    for (size_t i = from; i < tokens.size(); ++i) {
        if (tokens[i].isSymbol(QLatin1String("(")))
            ++depth;
        else if (tokens[i].isSymbol(QLatin1String(")")))
            --depth;
        else if (depth == 0 && tokens[i].isSymbol(QLatin1String(";")))
            return i;
        else if (depth == 0 && tokens[i].isWord(QLatin1String("ORDER")) && i + 1 < tokens.size()
                 && tokens[i + 1].isWord(QLatin1String("BY")))
            return i;
    }
    return tokens.size();
}

int topCount(const SqlToken& token, const QString& sql)
{
    bool ok = false;
    const int count = token.kind == SqlToken::Number ? token.text.toInt(&ok) : 0;
    if (!ok || count <= 0)
        throw errors::syntaxError(QStringLiteral("TOP ") + token.text);
    return count;
}

TranslatedQuery translateSelect(const QString& sql, const Tokens& tokens, Connection& connection)
{
    TranslatedQuery query;
    size_t i = 1;
    const auto at = [&](size_t index) -> const SqlToken& {
        if (index >= tokens.size())
            throw errors::badSelect(sql);
        return tokens[index];
    };

    int limit = 0;
    if (at(i).isWord(QLatin1String("TOP"))) {
        limit = topCount(at(i + 1), sql);
        i += 2;
    }

    bool allColumns = false;
    QStringList names;
    if (at(i).isSymbol(QLatin1String("*"))) {
        allColumns = true;
        ++i;
    } else {
        for (;;) {
            const SqlToken& name = at(i);
            if ((name.kind != SqlToken::Word && name.kind != SqlToken::Bracketed) || name.isWord(QLatin1String("FROM")))
                throw errors::badSelect(sql);
            names.append(name.text);
            ++i;
            if (!at(i).isSymbol(QLatin1String(",")))
                break;
            ++i;
        }
    }
    if (!at(i).isWord(QLatin1String("FROM")))
        throw errors::badSelect(sql);
    const SqlToken& tableToken = at(i + 1);
    if (tableToken.kind != SqlToken::Word && tableToken.kind != SqlToken::Bracketed)
        throw errors::badSelect(sql);
    const TableInfo& table = requireTable(connection, tableToken.text);
    query.table = &table;
    i += 2;

    int unknownNames = 0;
    if (allColumns) {
        for (int c = 0; c < int(table.columns.size()); ++c)
            query.columns.push_back(c);
    } else {
        for (const QString& name : std::as_const(names)) {
            const int index = table.columnIndex(name);
            if (index < 0)
                ++unknownNames;
            else
                query.columns.push_back(index);
        }
    }

    ExpressionWriter writer(table, sql, query.parameters);
    QByteArray where;
    QByteArray order;
    if (i < tokens.size() && tokens[i].isWord(QLatin1String("WHERE"))) {
        const size_t end = clauseEnd(tokens, i + 1);
        where = writer.write(tokens, i + 1, end, false);
        i = end;
    }
    if (i < tokens.size() && tokens[i].isWord(QLatin1String("ORDER"))) {
        size_t end = i + 2;
        while (end < tokens.size() && !tokens[end].isSymbol(QLatin1String(";")))
            ++end;
        order = writer.write(tokens, i + 2, end, true);
        i = end;
    }
    if (i < tokens.size() && tokens[i].isSymbol(QLatin1String(";")))
        ++i;
    if (i != tokens.size())
        throw errors::badSelect(sql);
    unknownNames += writer.unknownNames();
    if (unknownNames > 0)
        throw errors::tooFewParameters(unknownNames);

    QByteArray keyset = "SELECT rowid FROM " + table.quotedName;
    if (!where.isEmpty())
        keyset += " WHERE " + where;
    keyset += " ORDER BY " + (order.isEmpty() ? QByteArray("rowid") : order + ", rowid");
    if (limit > 0)
        keyset += " LIMIT " + QByteArray::number(limit);
    query.keysetSql = keyset;
    query.wholeTable = where.isEmpty() && order.isEmpty() && limit <= 0;
    return query;
}

} // namespace

TranslatedQuery translateRecordSource(const QString& source, Connection& connection)
{
    const QString text = source.trimmed();
    if (text.isEmpty())
        return {};
    if (text.startsWith(QLatin1String("select"), Qt::CaseInsensitive)
        && (text.size() == 6 || !text[6].isLetterOrNumber())) {
        return translateSelect(text, tokenizeSql(text), connection);
    }

    QString name = text;
    if (name.startsWith(QLatin1Char('[')) && name.endsWith(QLatin1Char(']')))
        name = name.mid(1, name.size() - 2);
    TranslatedQuery query;
    query.table = &requireTable(connection, name);
    for (int c = 0; c < int(query.table->columns.size()); ++c)
        query.columns.push_back(c);
    query.keysetSql = "SELECT rowid FROM " + query.table->quotedName + " ORDER BY rowid";
    query.wholeTable = true;
    return query;
}

TranslatedCondition translateCondition(const QString& criterion, const TableInfo& table)
{
    TranslatedCondition condition;
    const Tokens tokens = tokenizeSql(criterion);
    ExpressionWriter writer(table, criterion, condition.parameters);
    condition.sql = writer.write(tokens, 0, tokens.size(), false);
    if (writer.unknownNames() > 0)
        throw errors::tooFewParameters(writer.unknownNames());
    return condition;
}

} // namespace data
