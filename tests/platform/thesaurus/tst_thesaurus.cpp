#include "platform/thesaurus/ThesaurusControl.h"
#include "platform/thesaurus/ThesaurusFile.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using thesaurus::Meaning;
using thesaurus::ThesaurusControl;
using thesaurus::ThesaurusFile;

namespace {

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A thesaurus of one word in Latin-1, as a program folder may carry its own.
bool writeLatin1Thesaurus(const QString& folder)
{
    const QByteArray head = "ISO8859-1\n";
    const QByteArray data = head + "caf\xe9|1\n(noun)|bistro|coffeehouse|brasserie (generic term)\n";
    const QByteArray index = head + "1\ncaf\xe9|" + QByteArray::number(head.size()) + "\n";
    return writeBytes(folder + QStringLiteral("/VSTH_AE.THE"), data)
           && writeBytes(folder + QStringLiteral("/VSTH_AE.idx"), index);
}

// The row of the first meaning listing `synonym`, -1 for none.
int meaningListing(ThesaurusControl& control, const QString& synonym)
{
    for (int row = 0; row < control.meanings().size(); ++row) {
        control.pickMeaning(row);
        if (control.synonyms().contains(synonym))
            return row;
    }
    return -1;
}

} // namespace

// The thesaurus installed with the program: words looked up in the system's
// English thesaurus the way a selection arrives, the program folder's own
// thesaurus in its own character set, and the control's pick of a synonym.
class tst_Thesaurus : public QObject {
    Q_OBJECT

    QTemporaryDir emptyFolder; // a program folder without a thesaurus of its own

private slots:
    void looksUpAsASelectionArrives_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("synonym"); // as listed; empty: the word is not found
        QTest::addColumn<QString>("chosen");
        QTest::newRow("plain") << "happy" << "glad" << "glad";
        QTest::newRow("capital") << "Happy" << "glad" << "Glad";
        QTest::newRow("capitals") << "HAPPY" << "glad" << "GLAD";
        QTest::newRow("blank and full stop") << " happy." << "glad" << " glad.";
        QTest::newRow("apostrophes") << "rock 'n' roll" << "rock-and-roll" << "rock-and-roll";
        QTest::newRow("typographic apostrophes")
            << QStringLiteral("jack-o\u2019-lantern") << "will-o'-the-wisp" << "will-o'-the-wisp";
        QTest::newRow("in single quotes") << "'happy'" << "glad" << "'glad'";
        QTest::newRow("hyphenated") << "well-being" << "wellbeing" << "wellbeing";
        QTest::newRow("synonym with a note") << "happy" << "cheerful (related term)" << "cheerful";
        QTest::newRow("unknown word") << "zzxqvw" << "" << "";
        QTest::newRow("empty") << "" << "" << "";
        QTest::newRow("longer than any word") << QString(400, QLatin1Char('a')) << "" << "";
    }
    void looksUpAsASelectionArrives()
    {
        QFETCH(QString, word);
        QFETCH(QString, synonym);
        QFETCH(QString, chosen);
        ThesaurusControl control(nullptr, emptyFolder.path());
        QSignalSpy picks(&control, &ThesaurusControl::wordChosen);
        control.setWord(word);
        QCOMPARE(control.word(), word);
        if (synonym.isEmpty()) {
            QVERIFY(control.meanings().isEmpty());
            QVERIFY(control.synonyms().isEmpty());
            QVERIFY2(!control.notice().isEmpty(), "an empty list is explained");
            return;
        }
        QVERIFY(control.notice().isEmpty());
        const int meaning = meaningListing(control, synonym);
        QVERIFY2(meaning >= 0, qPrintable(control.meanings().join(QLatin1Char('|'))));
        QCOMPARE(picks.size(), 0);
        control.pickSynonym(int(control.synonyms().indexOf(synonym)));
        QCOMPARE(picks.size(), 1);
        QCOMPARE(control.chosenWord(), chosen);
    }

    // A word the thesaurus lacks as typed is looked up by its dictionary
    // forms, and the control says which form it shows; a form it holds as
    // typed is never replaced by its stem ("glasses" are spectacles).
    void inflectedFormsFindTheirStem_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("stemming");
        QTest::addColumn<QString>("firstMeaning"); // empty: nothing found
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("chosen");       // the first synonym picked
        QTest::newRow("plural") << " Inches," << true << "(noun) in"
                                << "\"Inches\" is not listed; showing \"inch\"." << " In,";
        QTest::newRow("past form") << "carried" << true << "(noun) transportation"
                                   << "\"carried\" is not listed; showing \"carry\"." << "transportation";
        QTest::newRow("second stem") << "hoses" << true << "(noun) hosiery"
                                     << "\"hoses\" is not listed; showing \"hose\"." << "hosiery";
        QTest::newRow("listed as typed") << "glasses" << true << "(noun) spectacles" << "" << "spectacles";
        QTest::newRow("stem not listed") << "zzxqvws" << true << "" << "No synonyms found for \"zzxqvws\"." << "";
        QTest::newRow("no stemmer") << "inches" << false << "" << "No synonyms found for \"inches\"." << "";
    }
    void inflectedFormsFindTheirStem()
    {
        QFETCH(QString, word);
        QFETCH(bool, stemming);
        QFETCH(QString, firstMeaning);
        QFETCH(QString, notice);
        QFETCH(QString, chosen);
        // What the dictionary gives for these words; "hoses" offers a stem
        // the thesaurus lacks before the one it holds.
        const QHash<QString, QStringList> stems = {
            {"Inches", {"inch"}}, {"carried", {"carry"}}, {"hoses", {"hos", "hose"}},
            {"glasses", {"glass"}}, {"zzxqvws", {"zzxqvw"}}, {"inches", {"inch"}}};
        ThesaurusControl control(nullptr, emptyFolder.path());
        if (stemming)
            control.setStemmer([&](const QString& typed) { return stems.value(typed); });
        control.setWord(word);
        QCOMPARE(control.word(), word);
        QCOMPARE(control.notice(), notice);
        QCOMPARE(control.meanings().value(0), firstMeaning);
        if (chosen.isEmpty())
            return;
        control.pickMeaning(0);
        control.pickSynonym(0);
        QCOMPARE(control.chosenWord(), chosen);
    }

    // A meaning is shown by its part of speech and first word, without notes.
    void meaningsOfAWord()
    {
        ThesaurusControl control(nullptr, emptyFolder.path());
        control.setWord(QStringLiteral("happy"));
        QCOMPARE(control.meanings(), (QStringList{"(adj) blessed", "(adj) felicitous", "(adj) glad",
                                                  "(adj) well-chosen"}));
        control.pickMeaning(2);
        QCOMPARE(control.synonyms(), (QStringList{"glad", "willing (similar term)"}));
    }

    // Setting the text shows it and forgets the last lookup.
    void textClearsTheLists()
    {
        ThesaurusControl control(nullptr, emptyFolder.path());
        control.setWord(QStringLiteral("happy"));
        QVERIFY(!control.synonyms().isEmpty());
        control.setText(QString());
        QCOMPARE(control.text(), QString());
        QVERIFY(control.meanings().isEmpty());
        QVERIFY(control.synonyms().isEmpty());
        QVERIFY(control.notice().isEmpty());
    }

    // The program folder's own thesaurus comes first, read in the character
    // set its data file declares.
    void programFolderThesaurusInItsOwnCharacterSet()
    {
        QTemporaryDir folder;
        QVERIFY(writeLatin1Thesaurus(folder.path()));
        const auto file = ThesaurusFile::openInstalled(folder.path());
        QVERIFY(file);
        QCOMPARE(file->encoding(), QStringLiteral("ISO8859-1"));
        const QList<Meaning> meanings = file->lookup(QStringLiteral("caf\u00e9"));
        QCOMPARE(meanings.size(), 1);
        QCOMPARE(meanings.first().definition, QStringLiteral("(noun) bistro"));
        QCOMPARE(meanings.first().synonyms,
                 (QStringList{"bistro", "coffeehouse", "brasserie (generic term)"}));
        // Not the system's: it knows this word only.
        QVERIFY(file->lookup(QStringLiteral("happy")).isEmpty());
        // A word the character set cannot hold is simply not there.
        QVERIFY(file->lookup(QStringLiteral("caf\u00e9\u2019s")).isEmpty());
        QCOMPARE(file->lookup(QStringLiteral("caf\u00e9")).size(), 1);

        ThesaurusControl control(nullptr, folder.path());
        control.setWord(QStringLiteral("CAF\u00c9"));
        control.pickSynonym(1);
        QCOMPARE(control.chosenWord(), QStringLiteral("COFFEEHOUSE"));
    }

    void missingFilesOpenNothing()
    {
        QTemporaryDir folder;
        QVERIFY(!ThesaurusFile::open(folder.filePath(QStringLiteral("none.idx")),
                                     folder.filePath(QStringLiteral("none.dat"))));
        // Only half of the pair in the program folder: the system's is used.
        QVERIFY(writeBytes(folder.filePath(QStringLiteral("VSTH_AE.THE")), "UTF-8\n"));
        const auto file = ThesaurusFile::openInstalled(folder.path());
        QVERIFY(file);
        QVERIFY(!file->lookup(QStringLiteral("happy")).isEmpty());
    }
};

QTEST_MAIN(tst_Thesaurus)
#include "tst_thesaurus.moc"
