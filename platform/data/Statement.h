#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <memory>

struct sqlite3_stmt;

namespace data {

class Connection;

// A prepared statement borrowed from its connection's cache; it goes back to
// the cache, reset and unbound, when this object ends.
class Statement {
public:
    Statement() = default;
    Statement(std::shared_ptr<Connection> owner, QByteArray sql, sqlite3_stmt* stmt);
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();

    bool isValid() const { return stmt_ != nullptr; }
    sqlite3_stmt* handle() const { return stmt_; }

    // Parameters count from 1. A null QVariant binds NULL.
    void bind(int index, const QVariant& value);
    void bindInt64(int index, qint64 value);
    void bindText(int index, const QString& value);

    // True with a row to read, false when done; throws the mapped error.
    bool step();
    void reset();

    QVariant column(int index) const;
    qint64 columnInt64(int index) const;

private:
    void giveBack() noexcept;

    std::shared_ptr<Connection> owner_;
    QByteArray sql_;
    sqlite3_stmt* stmt_ = nullptr;
};

} // namespace data
