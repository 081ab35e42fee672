#include "support/FileQuery.h"
#include "support/KilledRun.h"
#include "support/ProgramFolder.h"

#include "PaletteTestSupport.h"
#include "platform/data/Quoting.h"

#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

#include <optional>

using testsupport::RawDatabase;

using namespace palettetest;

namespace {

constexpr int Chapters = 6;
constexpr int QuestionsPerChapter = 1500;

QString killTitle(int number) { return QStringLiteral("Kill Chapter %1's").arg(number); }

// Each chapter stands on a button of bank II and one of bank III, twice in
// the chapter list, with its own questions.
void plantChapters(const QString& db)
{
    const RawDatabase raw(db, RawDatabase::Access::ReadWrite);
    raw.execute("BEGIN");
    for (int number = 1; number <= Chapters; ++number) {
        const QString title = data::sqlText(killTitle(number));
        raw.execute(QStringLiteral("UPDATE Table3 SET titlea%1 = %2, tb3%1 = %2").arg(number + 10).arg(title));
        raw.execute("INSERT INTO Table4 (Chapter) VALUES (" + title + "), (" + title + ")");
        raw.execute(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                   "INSERT INTO table1 (Call, QNUM, Chapter, FF, Question, A, B, C, D, Answer) "
                                   "SELECT 100000 * %2 + i, i, %3, '1', 'Question ' || i || ' of the chapter?', "
                                   "'one', 'two', 'three', 'four', 'B' FROM n")
                        .arg(QuestionsPerChapter)
                        .arg(number)
                        .arg(title));
    }
    raw.execute("COMMIT");
}

// How much of a chapter the file holds: everything, nothing, or a part.
enum class Held { Whole, None, Part };

Held held(const QString& db, int number)
{
    const QString title = killTitle(number);
    const int questions = questionsOf(db, title);
    const int rows = int(storedList(db).count(title));
    const QStringList buttons = buttonsCarrying(db, title);
    if (questions == QuestionsPerChapter && rows == 2 && buttons == QStringList{QStringLiteral("2/%1").arg(number + 10),
                                                                               QStringLiteral("3/%1").arg(number + 10)})
        return Held::Whole;
    if (questions == 0 && rows == 0 && buttons.isEmpty())
        return Held::None;
    qWarning("chapter %d: %d questions, %d list rows, buttons %s", number, questions, rows, qPrintable(buttons.join(' ')));
    return Held::Part;
}

} // namespace

// A program removing chapters is killed before random writes to the bank:
// each chapter is then either wholly in the bank (its questions, its list
// rows and its captions) or wholly gone, and the chapters go in the order
// they were removed.
class tst_ChapterRemovalKill : public QObject {
    Q_OBJECT

    testsupport::ProgramFolder folder;
    QString prepared; // the sample bank with the chapters planted

private slots:
    void initTestCase()
    {
        QVERIFY(folder.isValid());
        prepared = folder.filePath(QStringLiteral("prepared.mdb"));
        QVERIFY(QFile::copy(folder.databasePath(), prepared));
        plantChapters(prepared);
        QCOMPARE(questionsOf(prepared, killTitle(Chapters)), QuestionsPerChapter);
    }

    void killedRemovalLeavesWholeChapters()
    {
        const QString helper = QCoreApplication::applicationDirPath() + "/helper_chapter_remover";
        QVERIFY2(QFileInfo::exists(helper), qPrintable(helper));
        constexpr int Rounds = 30;
        constexpr quint32 Seed = 20261211;
        QRandomGenerator random(Seed);
        const QString db = folder.databasePath();
        const QStringList arguments{folder.path(), "1", QString::number(Chapters)};

        // One run to the end first: how many writes the removals take sets
        // the range of the kills.
        QVERIFY(QFile::remove(db) && QFile::copy(prepared, db));
        QString problem;
        const long long writes = testsupport::writesUntilAcked(helper, arguments, Chapters, &problem);
        QVERIFY2(writes > 0, qPrintable(problem));
        for (int number = 1; number <= Chapters; ++number)
            QVERIFY(held(db, number) == Held::None);
        qDebug("%d removals took %lld writes", Chapters, writes);

        int mendedByJournal = 0;
        for (int round = 0; round < Rounds; ++round) {
            const QString where = QStringLiteral("round %1 (seed %2)").arg(round).arg(Seed);
            QFile::remove(db + "-journal");
            QVERIFY(QFile::remove(db) && QFile::copy(prepared, db));
            const testsupport::KilledRun run = testsupport::runToWrite(helper, arguments, 1 + random.bounded(writes));
            QVERIFY2(run.problem.isEmpty(), qPrintable(run.problem + ", " + where));
            const QByteArray asKilled = testsupport::fileDigest(db);

            int acked = 0;
            std::optional<int> inFlight;
            for (const QByteArray& line : run.lines) {
                const QList<QByteArray> words = line.split(' ');
                if (words.first() == "begin")
                    inFlight = words.at(1).toInt();
                if (words.first() == "acked") {
                    acked = words.at(1).toInt();
                    inFlight.reset();
                }
            }

            // A connection that may write rolls back what the killed removal left half done.
            const auto integrity = RawDatabase(db, RawDatabase::Access::ReadWrite).rows("PRAGMA integrity_check");
            QVERIFY2(integrity.first().first().toString() == "ok",
                     qPrintable(integrity.first().first().toString() + ", " + where));
            if (testsupport::fileDigest(db) != asKilled)
                ++mendedByJournal;
            for (int number = 1; number <= Chapters; ++number) {
                const Held now = held(db, number);
                const bool expected = number <= acked ? now == Held::None
                                      : inFlight && number == *inFlight ? now != Held::Part
                                                                       : now == Held::Whole;
                QVERIFY2(expected, qPrintable(QStringLiteral("chapter %1 after %2 acknowledged removals, ").arg(number).arg(acked) + where));
            }
        }
        QVERIFY2(mendedByJournal >= Rounds / 2,
                 qPrintable(QStringLiteral("only %1 of %2 kills left a removal half written").arg(mendedByJournal).arg(Rounds)));
        qDebug("%d of %d kills left a removal half written", mendedByJournal, Rounds);
    }
};

QTEST_MAIN(tst_ChapterRemovalKill)
#include "tst_chapterremovalkill.moc"
