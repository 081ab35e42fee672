#pragma once

// A small question database made from the schema in a temporary folder, and
// a stand-in for a bound text box. The file is read and written through a
// plain SQLite connection of its own, so checks see what is in the file.

#include "platform/data/BoundControl.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <QtTest>

#include <sqlite3.h>

namespace datatest {

class FixtureDatabase {
public:
    explicit FixtureDatabase(const QString& fileName = QStringLiteral("qbk54.mdb"))
        : path_(dir_.path() + QLatin1Char('/') + fileName)
    {
        QFile schema(QStringLiteral(DRILLBOOK_SCHEMA));
        if (!schema.open(QIODevice::ReadOnly))
            qFatal("cannot read the schema");
        execute(QString::fromUtf8(schema.readAll()));
    }

    QString path() const { return path_; }
    QString folder() const { return dir_.path(); }

    void execute(const QString& sql) const
    {
        sqlite3* db = openFile();
        char* message = nullptr;
        if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
            const QByteArray text = QByteArray(message ? message : "?") + " in: " + sql.toUtf8();
            sqlite3_free(message);
            sqlite3_close(db);
            qFatal("%s", text.constData());
        }
        sqlite3_close(db);
    }

    // Rows of a query, each as a list of column values (Null as a null QVariant).
    QList<QVariantList> rows(const QString& sql) const
    {
        sqlite3* db = openFile();
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK)
            qFatal("%s", sqlite3_errmsg(db));
        QList<QVariantList> result;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            QVariantList row;
            for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
                switch (sqlite3_column_type(stmt, i)) {
                case SQLITE_NULL:
                    row.append(QVariant());
                    break;
                case SQLITE_INTEGER:
                    row.append(QVariant(sqlite3_column_int64(stmt, i)));
                    break;
                case SQLITE_FLOAT:
                    row.append(QVariant(sqlite3_column_double(stmt, i)));
                    break;
                case SQLITE_BLOB:
                    row.append(QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt, i)),
                                                   sqlite3_column_bytes(stmt, i))));
                    break;
                default:
                    row.append(QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)))));
                }
            }
            result.append(row);
        }
        sqlite3_finalize(stmt);
        sqlite3_close(db);
        return result;
    }

    QVariant scalar(const QString& sql) const
    {
        const auto result = rows(sql);
        return result.isEmpty() || result.first().isEmpty() ? QVariant() : result.first().first();
    }

    // One question; Call doubles as the row's name in the tests.
    void addQuestion(int call, const QString& chapter, const QString& qnum = QString(), const QString& ff = QStringLiteral("1"),
                     const QString& question = QString(), const QString& x = QStringLiteral("N"),
                     const QString& elephant = QStringLiteral(" ")) const
    {
        execute(QStringLiteral("INSERT INTO table1 (Call, Chapter, QNUM, FF, Question, x, Elephant) VALUES (%1, %2, %3, %4, %5, %6, %7)")
                    .arg(call)
                    .arg(quote(chapter), quote(qnum.isNull() ? QString::number(call) : qnum), quote(ff),
                         quote(question.isNull() ? QStringLiteral("Question %1").arg(call) : question), quote(x),
                         quote(elephant)));
    }

    static QString quote(const QString& text)
    {
        QString doubled = text;
        doubled.replace(QLatin1Char('\''), QLatin1String("''"));
        return QLatin1Char('\'') + doubled + QLatin1Char('\'');
    }

private:
    sqlite3* openFile() const
    {
        sqlite3* db = nullptr;
        if (sqlite3_open_v2(path_.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
            qFatal("cannot open the fixture database");
        sqlite3_busy_timeout(db, 5000);
        // Setting up and checking a fixture needs no syncs to the disk.
        sqlite3_exec(db, "PRAGMA synchronous=OFF", nullptr, nullptr, nullptr);
        return db;
    }

    QTemporaryDir dir_;
    QString path_;
};

// A text box bound to one field: shows values as text, and is marked as
// changed when the test types into it.
class FakeBox : public data::BoundControl {
public:
    explicit FakeBox(QString field) : field_(std::move(field)) {}

    QString dataField() const override { return field_; }
    void showFieldValue(const QVariant& value) override
    {
        text = value.isNull() ? QString() : value.toString();
        ++shown;
    }
    QVariant boundValue() const override { return text; }
    bool dataChanged() const override { return changed_; }
    void setDataChanged(bool changed) override { changed_ = changed; }

    // As the user or the code writes into the box.
    void type(const QString& newText)
    {
        text = newText;
        changed_ = true;
    }

    QString text;
    int shown = 0;

private:
    QString field_;
    bool changed_ = false;
};

} // namespace datatest
