// Stores rows into a question database without end, one transaction per
// store, and prints each sequence number once its store was acknowledged.
// The durability test kills it at an arbitrary moment.
//
//   helper_store_writer <database file> [first sequence number]
//
// Round n adds a row whose Call is n (alternately through the record set's
// fields and through a bound box with UpdateRecord), then writes n into the
// first row's Memo, and then prints n.

#include "platform/data/DataControl.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

class TextBox : public data::BoundControl {
public:
    explicit TextBox(QString field) : field_(std::move(field)) {}
    QString dataField() const override { return field_; }
    void showFieldValue(const QVariant& value) override { text_ = value.isNull() ? QString() : value.toString(); }
    QVariant boundValue() const override { return text_; }
    bool dataChanged() const override { return changed_; }
    void setDataChanged(bool changed) override { changed_ = changed; }
    void type(const QString& text)
    {
        text_ = text;
        changed_ = true;
    }

private:
    QString field_;
    QString text_;
    bool changed_ = false;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: helper_store_writer <database file> [first sequence number]\n");
        return 2;
    }
    const long long first = argc == 3 ? QByteArray(argv[2]).toLongLong() : 1;
    try {
        data::DataControl control;
        TextBox callBox(QStringLiteral("Call"));
        control.bind(&callBox);
        control.setDatabaseName(QString::fromLocal8Bit(argv[1]));
        control.setRecordSource(QStringLiteral("Table1"));
        control.refresh();
        data::Recordset& set = control.recordset();

        for (long long sequence = first;; ++sequence) {
            set.addNew();
            if (sequence % 2 == 0) {
                set.field(QStringLiteral("Call")).setValue(sequence);
                // A long text spans several pages, so a store writes many.
                set.field(QStringLiteral("Question")).setValue(QStringLiteral("Stored question %1 ").arg(sequence).repeated(600));
                set.update();
            } else {
                callBox.type(QString::number(sequence));
                control.updateRecord();
            }
            set.moveFirst();
            set.edit();
            set.field(QStringLiteral("Memo")).setValue(QString::number(sequence));
            set.update();
            std::printf("%lld\n", sequence);
            std::fflush(stdout);
        }
    } catch (const platform::RuntimeError& error) {
        std::fprintf(stderr, "error %d: %s\n", error.number(), qPrintable(error.description()));
        return 1;
    }
}
