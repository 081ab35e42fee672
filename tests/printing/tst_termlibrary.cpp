#include "support/FileQuery.h"
#include "support/ProgramFolder.h"

#include "platform/data/Connection.h"
#include "printing/TermLibrary.h"

#include <QTest>

#include <algorithm>
#include <climits>
#include <memory>

using namespace printing;

namespace {

// A small library: terms that differ only in case, one that is only the
// beginning of another, apostrophes and one that would break a query built
// by pasting it in, and a row without a term.
const char* const awkwardLibrary[] = {
    "('hose line', 'A length of hose.', 'Hose')",
    "('Hose', 'The capital one.', 'Hose')",
    "('hose', 'The small one.', 'Hose')",
    "('Halyard', 'Raises the fly.', 'Ladders')",
    "('Fireman''s carry', 'Over the shoulders.', 'Rescue')",
    "('x'' OR ''1''=''1', 'Not a term at all.', 'Odd')",
    "(NULL, 'No term.', 'Odd')",
    "('Zone', 'An area.', 'Odd')",
};

QStringList listOfTerms(const QStringList& terms)
{
    QStringList sorted = terms;
    std::stable_sort(sorted.begin(), sorted.end(), termSortsBefore);
    return sorted;
}

} // namespace

// Reading the terminology library: the list, lookups, the printouts' rows,
// and finding the first term that begins with a typed text.
class TermLibraryTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::ProgramFolder> folder;
    std::shared_ptr<data::Connection> bank;

private slots:
    void init()
    {
        folder = std::make_unique<testsupport::ProgramFolder>();
        QVERIFY(folder->isValid());
        testsupport::executeSql(folder->databasePath(), QStringLiteral("DELETE FROM Table7"));
        for (const char* row : awkwardLibrary)
            testsupport::executeSql(folder->databasePath(),
                                    QStringLiteral("INSERT INTO Table7 (Terms, Def, Chapter) VALUES ") +
                                        QLatin1String(row));
        bank = data::Connection::open(folder->databasePath());
    }
    void cleanup()
    {
        bank.reset();
        folder.reset();
    }

    void listsEveryNamedTermRegardlessOfCase();
    void lookUp_data();
    void lookUp();
    void randomRows_data();
    void randomRows();
    void glossaryIsInTermOrder();
    void firstEntryWithPrefix_data();
    void firstEntryWithPrefix();
};

void TermLibraryTest::listsEveryNamedTermRegardlessOfCase()
{
    const QStringList terms = libraryTerms(*bank);
    QCOMPARE(terms.size(), 7);
    QCOMPARE(terms.first(), QStringLiteral("Fireman's carry"));
    QCOMPARE(terms.last(), QStringLiteral("Zone"));
    // "Hose" and "hose" sort together, in the order they were stored.
    QCOMPARE(terms.mid(2, 3), (QStringList{"Hose", "hose", "hose line"}));
}

void TermLibraryTest::lookUp_data()
{
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("term");
    QTest::addColumn<QString>("definition");
    QTest::newRow("exact") << "hose line" << "hose line" << "A length of hose.";
    QTest::newRow("capital of two") << "Hose" << "Hose" << "The capital one.";
    QTest::newRow("small of two") << "hose" << "hose" << "The small one.";
    QTest::newRow("other case finds the term") << "HALYARD" << "Halyard" << "Raises the fly.";
    QTest::newRow("apostrophe") << "Fireman's carry" << "Fireman's carry" << "Over the shoulders.";
    QTest::newRow("quote trick is a term") << "x' OR '1'='1" << "x' OR '1'='1" << "Not a term at all.";
    QTest::newRow("quote trick finds nothing") << "zz' OR '1'='1" << QString() << QString();
    QTest::newRow("only a beginning") << "hose l" << QString() << QString();
    QTest::newRow("empty") << "" << QString() << QString();
}

void TermLibraryTest::lookUp()
{
    QFETCH(QString, asked);
    QFETCH(QString, term);
    QFETCH(QString, definition);
    const std::optional<TermRow> row = lookUpTerm(*bank, asked);
    QCOMPARE(row.has_value(), !term.isEmpty());
    if (row) {
        QCOMPARE(row->term, term);
        QCOMPARE(row->definition, definition);
    }
}

void TermLibraryTest::randomRows_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("rows");
    QTest::newRow("one") << 1 << 1;
    QTest::newRow("three") << 3 << 3;
    QTest::newRow("every term") << 7 << 7;
    QTest::newRow("more than there are") << 500 << 7;
    QTest::newRow("largest count") << INT_MAX << 7;
}

// No term twice, and only the rows that name a term.
void TermLibraryTest::randomRows()
{
    QFETCH(int, count);
    QFETCH(int, rows);
    const std::vector<TermRow> drawn = printing::randomRows(*bank, count);
    QCOMPARE(int(drawn.size()), rows);
    QStringList definitions;
    for (const TermRow& row : drawn) {
        QVERIFY(!row.term.isEmpty());
        definitions << row.definition;
    }
    definitions.removeDuplicates();
    QCOMPARE(int(definitions.size()), rows);
}

void TermLibraryTest::glossaryIsInTermOrder()
{
    const std::vector<TermRow> rows = glossaryRows(*bank);
    QStringList terms;
    for (const TermRow& row : rows)
        terms << row.term;
    QCOMPARE(terms, (QStringList{"Fireman's carry", "Halyard", "Hose", "hose", "hose line", "x' OR '1'='1", "Zone"}));
}

void TermLibraryTest::firstEntryWithPrefix_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("found");
    const QStringList hoses = listOfTerms({"hose line", "Hose", "hose", "Halyard", "Hydrant", "Axe", "hosebed"});
    // Axe, Halyard, Hose, hose, hose line, hosebed, Hydrant
    QTest::newRow("first letter") << hoses << "h" << 1;
    QTest::newRow("capital typed") << hoses << "HO" << 2;
    QTest::newRow("whole term, either case") << hoses << "hose" << 2;
    QTest::newRow("with the blank") << hoses << "hose " << 4;
    QTest::newRow("longer") << hoses << "hoseb" << 5;
    QTest::newRow("last") << hoses << "hy" << 6;
    QTest::newRow("first entry") << hoses << "a" << 0;
    QTest::newRow("after every entry") << hoses << "z" << -1;
    QTest::newRow("between entries") << hoses << "hoz" << -1;
    QTest::newRow("before every entry") << hoses << "0" << -1;
    QTest::newRow("empty text") << hoses << "" << -1;
    QTest::newRow("empty list") << QStringList() << "h" << -1;
    QTest::newRow("apostrophe") << listOfTerms({"Fireman's carry", "Firefighter", "Fireman"}) << "fireman'" << 2;
}

void TermLibraryTest::firstEntryWithPrefix()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, typed);
    QFETCH(int, found);
    QCOMPARE(printing::firstEntryWithPrefix(int(entries.size()), [&](int i) { return entries.at(i); }, typed), found);
    // The same answer as walking the list from its top.
    int walked = -1;
    for (int i = 0; i < entries.size() && !typed.isEmpty(); ++i) {
        if (entries.at(i).left(typed.size()).toLower() == typed.toLower()) {
            walked = i;
            break;
        }
    }
    QCOMPARE(found, walked);
}

QTEST_MAIN(TermLibraryTest)
#include "tst_termlibrary.moc"
