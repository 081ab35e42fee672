#include "platform/data/QueryTranslator.h"

#include "platform/core/Errors.h"
#include "platform/data/Connection.h"
#include "platform/data/LikePattern.h"
#include "platform/data/SearchIndex.h"
#include "platform/data/SqlTokens.h"

#include <optional>

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
    {}

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

// The condition of a keyword search: fields joined by OR, each LIKE the same
// double-quoted pattern. Null for any other condition.
struct ContainsCondition {
    QStringList fields;
    QString pattern;
};

std::optional<ContainsCondition> containsCondition(const Tokens& tokens, size_t begin, size_t end)
{
    ContainsCondition found;
    for (size_t i = begin;; i += 4) {
        if (i + 3 > end)
            return std::nullopt;
        const SqlToken& name = tokens[i];
        if ((name.kind != SqlToken::Word && name.kind != SqlToken::Bracketed)
            || !tokens[i + 1].isWord(QLatin1String("LIKE")) || tokens[i + 2].kind != SqlToken::DoubleQuoted)
            return std::nullopt;
        if (found.fields.isEmpty())
            found.pattern = tokens[i + 2].text;
        else if (tokens[i + 2].text != found.pattern)
            return std::nullopt;
        found.fields.append(name.text);
        if (i + 3 == end)
            return found;
        if (!tokens[i + 3].isWord(QLatin1String("OR")))
            return std::nullopt;
    }
}

// A keyword search that the table's search index answers lists its keys from
// the index instead of reading every row; only the rare rows that hold a NUL
// are tested with the condition itself. The query that does so (its
// condition numbered as `where`, the index's two queries after it) and those
// two parameters, or null.
struct IndexedKeyset {
    QByteArray sql;
    QStringList parameters;
};

std::optional<IndexedKeyset> indexedKeyset(const Tokens& tokens, size_t begin, size_t end, const TableInfo& table,
                                           Connection& connection, const QByteArray& where, int whereParameters)
{
    const std::optional<ContainsCondition> condition = containsCondition(tokens, begin, end);
    if (!condition)
        return std::nullopt;
    const QByteArray pattern = condition->pattern.toUtf8();
    const std::optional<LikePattern> compiled =
        LikePattern::compile(std::string_view(pattern.constData(), size_t(pattern.size())));
    if (!compiled)
        return std::nullopt;
    const std::optional<std::string> text = compiled->containedAsciiText();
    if (!text)
        return std::nullopt;
    const std::optional<SearchIndex> index = findSearchIndex(connection, table);
    if (!index)
        return std::nullopt;
    const std::optional<QString> match = searchIndexQuery(*index, condition->fields, *text);
    if (!match)
        return std::nullopt;
    const QByteArray matches = "SELECT rowid FROM " + index->quotedName + " WHERE " + index->quotedName + " MATCH ?";
    return IndexedKeyset{matches + QByteArray::number(whereParameters + 1) + " UNION SELECT rowid FROM "
                             + table.quotedName + " WHERE rowid IN (" + matches
                             + QByteArray::number(whereParameters + 2) + ") AND (" + where + ") ORDER BY 1",
                         {*match, nulRowsQuery()}};
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
    std::optional<IndexedKeyset> indexed;
    int whereParameters = 0;
    if (i < tokens.size() && tokens[i].isWord(QLatin1String("WHERE"))) {
        const size_t end = clauseEnd(tokens, i + 1);
        where = writer.write(tokens, i + 1, end, false);
        whereParameters = int(query.parameters.size());
        indexed = indexedKeyset(tokens, i + 1, end, table, connection, where, int(query.parameters.size()));
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

    query.wholeTable = where.isEmpty() && order.isEmpty() && limit <= 0;
    if (indexed && order.isEmpty() && limit <= 0) {
        query.keysetSql = indexed->sql;
        query.parameters += indexed->parameters;
        return query;
    }

    QByteArray keyset = "SELECT rowid FROM " + table.quotedName;
    if (!where.isEmpty())
        keyset += " WHERE " + where;
    keyset += " ORDER BY " + (order.isEmpty() ? QByteArray("rowid") : order + ", rowid");
    if (limit > 0)
        keyset += " LIMIT " + QByteArray::number(limit);
    query.keysetSql = keyset;
    if (!where.isEmpty() && limit <= 0) {
        query.rowCondition = where;
        query.rowConditionParameters = whereParameters;
    }
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
