// Finding as the user types in the terminology window, over libraries of
// 10 000 and 100 000 terms: the window's find for one keystroke (the first
// listed term that begins with the typed text, and its row), the whole
// keystroke as the window runs it (find, select, show), and their plain
// twins: the indexed prefix query straight through SQLite, and that query
// with a bare Qt list and labels doing the same selecting and showing. The
// list is filled once when the window loads; a keystroke never reads it
// again.

#include "BenchRun.h"
#include "support/FileQuery.h"
#include "support/ProgramFolder.h"

#include "platform/data/Connection.h"
#include "platform/forms/App.h"
#include "platform/forms/ScriptedDialogs.h"
#include "printing/TermLibrary.h"
#include "printing/frmSearch.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>

#include <array>
#include <map>
#include <optional>
#include <memory>

namespace {

constexpr int keystrokes = 3000;

// Made-up terms of three to five syllables and a number, every third one
// capitalised, in no order.
QString termNumber(int i)
{
    static const char* const syllables[] = {"ab", "ka", "lo", "mi", "ne", "or", "pu", "ri", "sa", "te",
                                            "vu", "xe", "ya", "zo", "an", "el", "in", "ub", "ty", "ho"};
    quint32 seed = quint32(i) * 2654435761u + 12345u;
    QString term;
    const int count = 3 + int(seed % 3);
    for (int s = 0; s < count; ++s) {
        seed = seed * 1103515245u + 12345u;
        term += QLatin1String(syllables[(seed >> 16) % 20]);
    }
    term += u' ' + QString::number(i);
    if (i % 3 == 0)
        term[0] = term[0].toUpper();
    return term;
}

// A program folder whose library holds `size` made-up terms, built once per
// size for every case.
testsupport::ProgramFolder& libraryFolder(int size)
{
    static std::map<int, std::unique_ptr<testsupport::ProgramFolder>> folders;
    auto& folder = folders[size];
    if (!folder) {
        folder = std::make_unique<testsupport::ProgramFolder>();
        testsupport::RawDatabase bank(folder->databasePath(), testsupport::RawDatabase::Access::ReadWrite);
        bank.execute(QStringLiteral("BEGIN"));
        bank.execute(QStringLiteral("DELETE FROM Table7"));
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(bank.handle(), "INSERT INTO Table7 (Terms, Def, Chapter) VALUES (?1, ?2, 'Bench')", -1,
                           &insert, nullptr);
        for (int i = 0; i < size; ++i) {
            const QByteArray term = termNumber(i).toUtf8();
            const QByteArray definition = "The meaning of " + term + ", told in a sentence or two.";
            sqlite3_bind_text(insert, 1, term.constData(), int(term.size()), SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 2, definition.constData(), int(definition.size()), SQLITE_TRANSIENT);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        bank.execute(QStringLiteral("COMMIT"));
    }
    return *folder;
}

// What the user types: the first six letters of terms spread over the
// library, one letter more with each key.
QStringList typedTexts(int size)
{
    QStringList texts;
    for (int i = 0; i < 64; ++i) {
        const QString term = termNumber(int(qint64(i) * size / 64)).toLower();
        for (int length = 1; length <= 6; ++length)
            texts << term.left(length);
    }
    return texts;
}

struct RunningWindow {
    explicit RunningWindow(int size) : app(libraryFolder(size).path()), boxes(app.dialogs())
    {
        window().txtClip->setText(QStringLiteral("Cat"));
        window().Show();
    }
    printing::frmSearch& window() { return forms::form<printing::frmSearch>(); }
    forms::App app;
    forms::ScriptedDialogs boxes;
};

void BM_WindowFind(benchmark::State& state)
{
    const int size = int(state.range(0));
    RunningWindow program(size);
    forms::ListBox& list = *program.window().List1;
    if (list.listCount() != size) {
        state.SkipWithError("the list does not hold the library");
        return;
    }
    auto bank = data::Connection::open(libraryFolder(size).databasePath());
    const QStringList texts = typedTexts(size);
    qsizetype next = 0;
    int found = 0;
    for (auto _ : state) {
        const QString& typed = texts[next++ % texts.size()];
        const int entry = printing::firstEntryWithPrefix(
            list.listCount(), [&](int index) { return list.list(index); }, typed);
        const std::optional<printing::TermRow> row = printing::lookUpTerm(*bank, list.list(entry));
        found += row ? 1 : 0;
        benchmark::DoNotOptimize(row);
    }
    state.counters["found"] = found;
}

void BM_WindowKeystroke(benchmark::State& state)
{
    const int size = int(state.range(0));
    RunningWindow program(size);
    printing::frmSearch& w = program.window();
    const QStringList texts = typedTexts(size);
    qsizetype next = 0;
    for (auto _ : state)
        w.Text1->setText(texts[next++ % texts.size()]);
    if (w.lblDef->caption().isEmpty())
        state.SkipWithError("the keystrokes showed no definition");
}

// The raw prefix query, prepared once: the first term at or after the typed
// text by the index on the term (which compares without case), with its
// definition and chapter.
class RawPrefixQuery {
public:
    explicit RawPrefixQuery(sqlite3* bank)
    {
        sqlite3_prepare_v2(bank, "SELECT Terms, Def, Chapter FROM Table7 WHERE Terms >= ?1 ORDER BY Terms LIMIT 1",
                           -1, &query_, nullptr);
    }
    ~RawPrefixQuery() { sqlite3_finalize(query_); }
    RawPrefixQuery(const RawPrefixQuery&) = delete;
    RawPrefixQuery& operator=(const RawPrefixQuery&) = delete;

    // Term, definition and chapter; nothing past the last term.
    std::optional<std::array<QString, 3>> find(const QString& typed)
    {
        const QByteArray key = typed.toUtf8();
        sqlite3_bind_text(query_, 1, key.constData(), int(key.size()), SQLITE_STATIC);
        std::optional<std::array<QString, 3>> row;
        if (sqlite3_step(query_) == SQLITE_ROW) {
            row.emplace();
            for (int column = 0; column < 3; ++column)
                (*row)[std::size_t(column)] =
                    QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(query_, column)),
                                      sqlite3_column_bytes(query_, column));
        }
        sqlite3_reset(query_);
        return row;
    }

private:
    sqlite3_stmt* query_ = nullptr;
};

// The raw twin of the window's find.
void BM_RawPrefixQuery(benchmark::State& state)
{
    const int size = int(state.range(0));
    testsupport::RawDatabase bank(libraryFolder(size).databasePath());
    RawPrefixQuery query(bank.handle());
    const QStringList texts = typedTexts(size);
    qsizetype next = 0;
    int found = 0;
    for (auto _ : state) {
        const QString& typed = texts[next++ % texts.size()];
        const std::optional<std::array<QString, 3>> row = query.find(typed);
        if (row && (*row)[0].left(typed.size()).toLower() == typed)
            ++found;
        benchmark::DoNotOptimize(row);
    }
    state.counters["found"] = found;
}

// The plain whole keystroke: the raw prefix query for the term and its
// meaning, the row found in a bare list of the same terms by a binary
// search of its texts, selected and scrolled to, and the term, meaning and
// chapter put into bare labels.
void BM_PlainKeystroke(benchmark::State& state)
{
    const int size = int(state.range(0));
    testsupport::RawDatabase bank(libraryFolder(size).databasePath());
    QStringList terms;
    {
        sqlite3_stmt* all = nullptr;
        sqlite3_prepare_v2(bank.handle(), "SELECT Terms FROM Table7 ORDER BY Terms COLLATE NOCASE", -1, &all, nullptr);
        while (sqlite3_step(all) == SQLITE_ROW)
            terms << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(all, 0)));
        sqlite3_finalize(all);
    }
    QWidget window;
    window.resize(600, 400);
    auto* list = new QListWidget(&window);
    list->setGeometry(0, 0, 300, 400);
    list->addItems(terms);
    auto* termLabel = new QLabel(&window);
    auto* meaningLabel = new QLabel(&window);
    auto* chapterLabel = new QLabel(&window);
    meaningLabel->setWordWrap(true);
    termLabel->setGeometry(310, 0, 280, 30);
    meaningLabel->setGeometry(310, 40, 280, 200);
    chapterLabel->setGeometry(310, 250, 280, 30);
    window.show();
    RawPrefixQuery query(bank.handle());
    const QStringList texts = typedTexts(size);
    qsizetype next = 0;
    for (auto _ : state) {
        const std::optional<std::array<QString, 3>> row = query.find(texts[next++ % texts.size()]);
        if (!row)
            continue;
        const QString& term = (*row)[0];
        int low = 0;
        int high = list->count();
        while (low < high) {
            const int middle = low + (high - low) / 2;
            if (QString::compare(list->item(middle)->text(), term, Qt::CaseInsensitive) < 0)
                low = middle + 1;
            else
                high = middle;
        }
        list->setCurrentRow(low);
        list->scrollToItem(list->item(low));
        termLabel->setText(term);
        meaningLabel->setText((*row)[1]);
        chapterLabel->setText((*row)[2]);
    }
}

void libraries(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond)->Iterations(keystrokes);
}

} // namespace

BENCHMARK(BM_RawPrefixQuery)->Apply(libraries);
BENCHMARK(BM_WindowFind)->Apply(libraries);
BENCHMARK(BM_WindowKeystroke)->Apply(libraries);
BENCHMARK(BM_PlainKeystroke)->Apply(libraries);

int main(int argc, char** argv)
{
    return benchrun::run<QApplication>(argc, argv);
}
