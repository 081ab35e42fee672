#pragma once

// A small question database made from the schema in an empty program folder,
// and a stand-in for a bound text box. The file is read and written through a
// plain SQLite connection of its own, so checks see what is in the file.

#include "support/FileQuery.h"
#include "support/ProgramFolder.h"

#include "platform/data/BoundControl.h"

#include <QFile>
#include <QString>
#include <QVariant>
#include <QtTest>

namespace datatest {

class FixtureDatabase {
public:
    explicit FixtureDatabase(const QString& fileName = QStringLiteral("qbk54.mdb"))
        : folder_(false), path_(folder_.filePath(fileName))
    {
        QFile schema(QStringLiteral(DRILLBOOK_SCHEMA));
        if (!schema.open(QIODevice::ReadOnly))
            qFatal("cannot read the schema");
        execute(QString::fromUtf8(schema.readAll()));
    }

    QString path() const { return path_; }
    QString folder() const { return folder_.path(); }

    void execute(const QString& sql) const { open().execute(sql); }

    // Rows of a query, each as a list of column values (Null as a null QVariant).
    QList<QVariantList> rows(const QString& sql) const { return open().rows(sql); }

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
    testsupport::RawDatabase open() const { return testsupport::RawDatabase(path_, testsupport::RawDatabase::Access::Create); }

    testsupport::ProgramFolder folder_;
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
