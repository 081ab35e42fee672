#include "platform/data/Statement.h"

#include "platform/data/Connection.h"

#include <sqlite3.h>

#include <limits>

namespace data {

Statement::Statement(std::shared_ptr<Connection> owner, QByteArray sql, sqlite3_stmt* stmt)
    : owner_(std::move(owner)), sql_(std::move(sql)), stmt_(stmt)
{}

Statement::Statement(Statement&& other) noexcept
    : owner_(std::move(other.owner_)), sql_(std::move(other.sql_)), stmt_(other.stmt_)
{
    other.stmt_ = nullptr;
}

Statement& Statement::operator=(Statement&& other) noexcept
{
    if (this != &other) {
        giveBack();
        owner_ = std::move(other.owner_);
        sql_ = std::move(other.sql_);
        stmt_ = other.stmt_;
        other.stmt_ = nullptr;
    }
    return *this;
}

Statement::~Statement()
{
    giveBack();
}

void Statement::giveBack() noexcept
{
    if (stmt_ && owner_)
        owner_->recycle(sql_, stmt_);
    stmt_ = nullptr;
    owner_.reset();
}

void Statement::bind(int index, const QVariant& value)
{
    if (value.isNull()) {
        sqlite3_bind_null(stmt_, index);
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        sqlite3_bind_int64(stmt_, index, value.toLongLong());
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        sqlite3_bind_double(stmt_, index, value.toDouble());
        break;
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        sqlite3_bind_blob64(stmt_, index, bytes.constData(), sqlite3_uint64(bytes.size()), SQLITE_TRANSIENT);
        break;
    }
    default:
        bindText(index, value.toString());
        break;
    }
}

void Statement::bindInt64(int index, qint64 value)
{
    sqlite3_bind_int64(stmt_, index, value);
}

void Statement::bindText(int index, const QString& value)
{
    const QByteArray utf8 = value.toUtf8();
    sqlite3_bind_text64(stmt_, index, utf8.constData(), sqlite3_uint64(utf8.size()), SQLITE_TRANSIENT, SQLITE_UTF8);
}

bool Statement::step()
{
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    const auto error = owner_->errorFor(rc);
    sqlite3_reset(stmt_);
    throw error;
}

void Statement::reset()
{
    sqlite3_reset(stmt_);
}

QVariant Statement::column(int index) const
{
    switch (sqlite3_column_type(stmt_, index)) {
    case SQLITE_INTEGER: {
        const qint64 number = sqlite3_column_int64(stmt_, index);
        if (number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max())
            return QVariant(int(number));
        return QVariant(number);
    }
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt_, index));
    case SQLITE_TEXT: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, index));
        return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(stmt_, index)));
    }
    case SQLITE_BLOB: {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(stmt_, index));
        return QVariant(QByteArray(bytes, sqlite3_column_bytes(stmt_, index)));
    }
    default:
        return QVariant();
    }
}

qint64 Statement::columnInt64(int index) const
{
    return sqlite3_column_int64(stmt_, index);
}

} // namespace data
