// Stores rows into a question database without end, one transaction per
// store; the durability test kills it before a random write to the file
// (see HelperFaults.h). Each store is announced before it starts and
// acknowledged once it returned:
//
//   ready
//   begin <sequence> <update|leave|add> <key>   (key 0: a row still to add)
//   acked <sequence> <key> <database writes so far>
//
//   helper_store_writer <database file> <first sequence number>
//
// The stores take turns: an update through the record set's edit buffer, a
// changed row left behind (its bound boxes stored as the cursor moves on),
// and a row added. Updates and left rows go to the anchor rows the test laid
// out; every store writes the row made from its sequence number.

#include "support/HelperFaults.h"
#include "support/StoreWriterRows.h"
#include "platform/data/DataControl.h"

#include <QCoreApplication>

#include <cstdio>
#include <vector>

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

void begin(long long sequence, const char* kind, long long key)
{
    std::printf("begin %lld %s %lld\n", sequence, kind, key);
    std::fflush(stdout);
}

void acked(long long sequence, long long key)
{
    std::printf("acked %lld %lld %lld\n", sequence, key, testsupport::databaseWrites());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    testsupport::armHelperFaults();
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: helper_store_writer <database file> <first sequence number>\n");
        return 2;
    }
    const long long first = QByteArray(argv[2]).toLongLong();
    try {
        data::DataControl control;
        TextBox qnumBox(QStringLiteral("QNUM"));
        TextBox questionBox(QStringLiteral("Question"));
        TextBox memoBox(QStringLiteral("Memo"));
        for (TextBox* box : {&qnumBox, &questionBox, &memoBox})
            control.bind(box);
        control.setDatabaseName(QString::fromLocal8Bit(argv[1]));
        control.setRecordSource(QStringLiteral("Table1"));
        control.refresh();
        data::Recordset& set = control.recordset();
        std::vector<qint64> anchors;
        for (int i = 0; i < storewriter::AnchorRows && !set.eof(); ++i, set.moveNext())
            anchors.push_back(set.currentKey());
        set.moveFirst();
        std::printf("ready\n");
        std::fflush(stdout);

        for (long long sequence = first;; ++sequence) {
            const QString qnum = QString::number(sequence);
            const qint64 anchor = anchors[size_t((sequence / 3 * 5) % qint64(anchors.size()))];
            switch (sequence % 3) {
            case 0:
                set.findFirst(QStringLiteral("ID = %1").arg(anchor));
                begin(sequence, "update", anchor);
                set.edit();
                set.field(QStringLiteral("QNUM")).setValue(qnum);
                set.field(QStringLiteral("Question")).setValue(storewriter::questionFor(sequence));
                set.field(QStringLiteral("Memo")).setValue(storewriter::memoFor(sequence));
                set.update();
                acked(sequence, anchor);
                break;
            case 1:
                set.findFirst(QStringLiteral("ID = %1").arg(anchor));
                qnumBox.type(qnum);
                questionBox.type(storewriter::questionFor(sequence));
                memoBox.type(storewriter::memoFor(sequence));
                begin(sequence, "leave", anchor);
                if (set.absolutePosition() == 0)
                    set.moveLast();
                else
                    set.moveFirst();
                acked(sequence, anchor);
                break;
            default:
                begin(sequence, "add", 0);
                set.addNew();
                set.field(QStringLiteral("Call")).setValue(sequence);
                set.field(QStringLiteral("QNUM")).setValue(qnum);
                set.field(QStringLiteral("Question")).setValue(storewriter::questionFor(sequence));
                set.field(QStringLiteral("Memo")).setValue(storewriter::memoFor(sequence));
                set.update();
                set.moveLast();
                acked(sequence, set.currentKey());
                break;
            }
        }
    } catch (const platform::RuntimeError& error) {
        std::fprintf(stderr, "error %d: %s\n", error.number(), qPrintable(error.description()));
        return 1;
    }
}
