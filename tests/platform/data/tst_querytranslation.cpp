// Record sources in the windows' dialect, run against a small bank: each
// query shape with its spacing variants, TOP, random order, LIKE with its
// wildcards and escapes, and the quoting helpers that keep values out of the
// query text.

#include "DataFixture.h"

#include "platform/data/Connection.h"
#include "platform/data/LikePattern.h"
#include "platform/data/Quoting.h"
#include "platform/data/Recordset.h"

#include <QSet>
#include <QtTest>

#include <climits>

using data::likeContains;
using data::sqlText;

class TestQueryTranslation : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<datatest::FixtureDatabase> bank_;

    QList<int> callsOf(const QString& source)
    {
        data::Recordset recordset;
        recordset.open(data::Connection::open(bank_->path()), source);
        QList<int> calls;
        if (recordset.recordCount() == 0)
            return calls;
        recordset.moveFirst();
        while (!recordset.eof()) {
            calls.append(recordset.field(QStringLiteral("Call")).value().toInt());
            recordset.moveNext();
        }
        return calls;
    }

    int errorOf(const QString& source)
    {
        try {
            callsOf(source);
        } catch (const platform::RuntimeError& error) {
            return error.number();
        }
        return 0;
    }

private slots:
    void init()
    {
        bank_ = std::make_unique<datatest::FixtureDatabase>();
        const auto& b = *bank_;
        b.addQuestion(1, "Ladders", "1", "1", "Raise the ladder");
        b.addQuestion(2, "Ladders", "2", "2", "Climb with smoke mask", "Y");
        b.addQuestion(3, "Ladders", "3", "1", "Ladder angle", "Y", "X");
        b.addQuestion(4, "Hose", "1", "1", "Smoke ventilation basics", "N", "X");
        b.addQuestion(5, "Hose", "2", "2", "Where does SMOKE rise?");
        b.addQuestion(6, "Captain's Duties", "1", "1", "Command");
        b.addQuestion(7, "Captain's Duties", "2", "2", "A 50% \"wet\" foam mix", "Y");
        b.addQuestion(8, "Hose", "10", "1", "A 50% wet mix");
        b.addQuestion(9, "Hose", "11", "1", "A 50x \"wet\" mix");
        b.addQuestion(10, "Hose", "A1", "2", "Star * and hash # and [bracket]");
        b.execute("UPDATE table1 SET A = 'Smoke ejector' WHERE Call = 1");
    }

    void cleanup() { bank_.reset(); }

    void rowsOfSource_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QList<int>>("expected");
        QTest::addColumn<bool>("ordered");
        QTest::addColumn<int>("count"); // -1: all of expected

        const QList<int> all{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        const QList<int> ladders{1, 2, 3};
        QTest::newRow("table name") << "Table1" << all << true << -1;
        QTest::newRow("table name, trailing blank") << "table1 " << all << true << -1;
        QTest::newRow("table name, blanks and capitals") << "  TABLE1  " << all << true << -1;
        QTest::newRow("empty source") << "" << QList<int>{} << true << -1;

        QTest::newRow("chapter") << "SELECT * FROM table1 where Chapter='Ladders'" << ladders << true << -1;
        QTest::newRow("chapter, two blanks after where") << "SELECT * FROM table1 where  Chapter = 'Ladders'" << ladders << true << -1;
        QTest::newRow("chapter, two blanks after =") << "SELECT * FROM table1 where Chapter =  'ladders'" << ladders << true << -1;
        QTest::newRow("chapter, any case") << "select * from TABLE1 WHERE chapter='LADDERS'" << ladders << true << -1;
        QTest::newRow("chapter with semicolon") << "SELECT * FROM table1 where Chapter='Ladders';" << ladders << true << -1;
        QTest::newRow("title with a quote through sqlText")
            << "SELECT * FROM table1 where Chapter=" + sqlText("Captain's Duties") << QList<int>{6, 7} << true << -1;
        QTest::newRow("level and chapter") << "SELECT * FROM table1 where FF = '1' And Chapter = 'Hose'" << QList<int>{4, 8, 9} << true << -1;
        QTest::newRow("wrong answers") << "SELECT * FROM table1 where x = 'Y' " << QList<int>{2, 3, 7} << true << -1;
        QTest::newRow("wrong answers, level 2") << "SELECT * FROM table1 where x = 'Y' And FF = '2'" << QList<int>{2, 7} << true << -1;
        QTest::newRow("drill") << "SELECT * FROM table1 where Elephant = 'X' " << QList<int>{3, 4} << true << -1;
        QTest::newRow("drill, level 1") << "SELECT * FROM table1 where Elephant = 'X' And FF = '1' " << QList<int>{3, 4} << true << -1;
        QTest::newRow("database number") << "SELECT * FROM table1 where Call =  7" << QList<int>{7} << true << -1;
        QTest::newRow("question number") << "SELECT * FROM table1 where QNum =  '2'" << QList<int>{2, 5, 7} << true << -1;
        QTest::newRow("where False") << "SELECT * FROM Table1 WHERE False" << QList<int>{} << true << -1;
        QTest::newRow("where True") << "SELECT * FROM Table1 WHERE True" << all << true << -1;
        QTest::newRow("double quotes hold a value, not a name")
            << "SELECT * FROM table1 where Chapter = \"Chapter\"" << QList<int>{} << true << -1;
        QTest::newRow("order by with ties in stored order")
            << "SELECT * FROM table1 ORDER BY QNUM ASC" << QList<int>{1, 4, 6, 8, 9, 2, 5, 7, 3, 10} << true << -1;

        QTest::newRow("random chapter, no blank before ORDER")
            << "SELECT * FROM table1 where Chapter='Ladders'ORDER BY Rnd(id);" << ladders << false << -1;
        QTest::newRow("random chapter") << "SELECT * FROM table1 where chapter='Ladders' ORDER BY Rnd(id);" << ladders << false << -1;
        QTest::newRow("top over several chapters")
            << "SELECT Top 5  * FROM Table1 where ((FF = '1')  And (chapter='Ladders' or chapter='Hose')) ORDER BY Rnd(id);"
            << QList<int>{1, 3, 4, 8, 9} << false << -1;
        QTest::newRow("top larger than the set")
            << "SELECT Top 50  * FROM Table1 where FF = '2'  And chapter='Hose'ORDER BY Rnd(id);" << QList<int>{5, 10} << false << -1;
        QTest::newRow("top keeps n rows") << "SELECT Top 2  * FROM table1 where FF = '1' ORDER BY Rnd(id);"
                                          << QList<int>{1, 3, 4, 6, 8, 9} << false << 2;
        QTest::newRow("whole bank column list")
            << "SELECT id, elephant, call, d_strip1, question, answer,a,b,c,d, picture, memo, qnum, x, FF, picbox, snoop, "
               "A1, B1, C1, D1, page, photo, chapter FROM table1 ORDER BY Rnd(id);"
            << all << false << -1;
        QTest::newRow("TOP with two blanks and a column list")
            << "SELECT TOP  3 id, call, question, snoop, d_strip1, answer,a,b,c,d,E, picture, qnum, x, picbox, memo, "
               "Elephant, FF, page, chapter FROM table1 ORDER BY Rnd(id);"
            << all << false << 3;

        QTest::newRow("keyword search over two fields")
            << "SELECT * FROM Table1 WHERE [Question] LIKE \"*smoke*\" OR [A] LIKE \"*smoke*\"" << QList<int>{1, 2, 4, 5} << true << -1;
        QTest::newRow("keyword with % and quotes is literal")
            << "SELECT * FROM Table1 WHERE [Question] LIKE " + likeContains("50% \"wet\"") << QList<int>{7} << true << -1;
        QTest::newRow("keyword star is literal") << "SELECT * FROM Table1 WHERE [Question] LIKE " + likeContains("*")
                                                 << QList<int>{10} << true << -1;
        QTest::newRow("keyword hash is literal") << "SELECT * FROM Table1 WHERE [Question] LIKE " + likeContains("#")
                                                 << QList<int>{10} << true << -1;
        QTest::newRow("keyword bracket is literal") << "SELECT * FROM Table1 WHERE [Question] LIKE " + likeContains("[bracket]")
                                                    << QList<int>{10} << true << -1;
        QTest::newRow("keyword question mark is literal") << "SELECT * FROM Table1 WHERE [Question] LIKE " + likeContains("?")
                                                          << QList<int>{5} << true << -1;
        QTest::newRow("like # is a digit") << "SELECT * FROM table1 where QNUM LIKE '1#'" << QList<int>{8, 9} << true << -1;
        QTest::newRow("like ? is one character") << "SELECT * FROM table1 where QNUM LIKE '?'" << QList<int>{1, 2, 3, 4, 5, 6, 7} << true << -1;
        QTest::newRow("like negated class") << "SELECT * FROM table1 where QNUM LIKE '[!0-9]*'" << QList<int>{10} << true << -1;
        QTest::newRow("like range, any case") << "SELECT * FROM table1 where Chapter LIKE 'h[n-p]SE'" << QList<int>{4, 5, 8, 9, 10} << true << -1;
        QTest::newRow("like in double quotes") << "SELECT * FROM table1 where Chapter LIKE \"[c]apt*\"" << QList<int>{6, 7} << true << -1;
        QTest::newRow("not like") << "SELECT * FROM table1 where Chapter NOT LIKE \"*e*\"" << QList<int>{} << true << -1;
    }

    void rowsOfSource()
    {
        QFETCH(QString, source);
        QFETCH(QList<int>, expected);
        QFETCH(bool, ordered);
        QFETCH(int, count);

        const QList<int> calls = callsOf(source);
        if (ordered) {
            QCOMPARE(calls, expected);
            return;
        }
        QCOMPARE(calls.size(), count < 0 ? expected.size() : count);
        const QSet<int> got(calls.begin(), calls.end());
        QCOMPARE(got.size(), calls.size());
        const QSet<int> allowed(expected.begin(), expected.end());
        QVERIFY2(allowed.contains(got), qPrintable(source));
    }

    void randomOrderChangesBetweenRuns()
    {
        QSet<QString> orders;
        for (int run = 0; run < 20; ++run) {
            QStringList calls;
            for (int call : callsOf("SELECT Top 10 * FROM table1 ORDER BY Rnd(id);"))
                calls << QString::number(call);
            orders.insert(calls.join(','));
        }
        QVERIFY(orders.size() > 1);
    }

    void orderAndFieldsOfAColumnList()
    {
        bank_->execute("INSERT INTO Table7 (Terms, Def, Chapter) VALUES ('Nozzle', 'd2', 'c'), ('Apparatus', 'd1', 'c'), "
                       "('Backdraft', 'd3', 'c')");
        data::Recordset terms;
        terms.open(data::Connection::open(bank_->path()), "Select Def, Chapter, Terms from Table7 ORDER BY Terms ASC");
        QStringList names;
        for (const data::Field& field : terms.fields())
            names << field.name();
        QCOMPARE(names, QStringList({"Def", "Chapter", "Terms"}));
        QStringList order;
        while (!terms.eof()) {
            order << terms.field("terms").value().toString();
            terms.moveNext();
        }
        QCOMPARE(order, QStringList({"Apparatus", "Backdraft", "Nozzle"}));
    }

    void refusedSources_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("error");
        QTest::newRow("top zero") << "SELECT Top 0 * FROM table1" << 3075;
        QTest::newRow("top negative") << "SELECT Top -1 * FROM table1" << 3075;
        QTest::newRow("top fraction") << "SELECT Top 2.5 * FROM table1" << 3075;
        QTest::newRow("top word") << "SELECT Top many * FROM table1" << 3075;
        QTest::newRow("unknown table") << "SELECT * FROM table99" << 3078;
        QTest::newRow("unknown table name") << "Table99 " << 3078;
        QTest::newRow("unknown column in the list") << "SELECT id, colour FROM table1" << 3061;
        QTest::newRow("unknown name in the condition") << "SELECT * FROM table1 where Colour = 'red'" << 3061;
        QTest::newRow("unknown function") << "SELECT * FROM table1 ORDER BY Shuffle(id)" << 3085;
        QTest::newRow("unterminated text") << "SELECT * FROM table1 where Chapter='Ladders" << 3075;
        QTest::newRow("raw quote in a title") << "SELECT * FROM table1 where Chapter='Captain's Duties'" << 3075;
        QTest::newRow("empty condition") << "SELECT * FROM Table1 WHERE " << 3075;
        QTest::newRow("number left out") << "SELECT * FROM table1 where Call =  " << 3075;
        QTest::newRow("unbalanced parenthesis") << "SELECT * FROM table1 where ((FF = '1') ORDER BY Rnd(id);" << 3075;
        QTest::newRow("second statement") << "SELECT * FROM table1; DELETE FROM table1" << 3141;
        QTest::newRow("no FROM") << "SELECT *" << 3141;
    }

    void refusedSources()
    {
        QFETCH(QString, source);
        QFETCH(int, error);
        QCOMPARE(errorOf(source), error);
        QCOMPARE(bank_->scalar("SELECT count(*) FROM table1").toInt(), 10);
    }

    void malformedPatternIsAnError()
    {
        QVERIFY(errorOf("SELECT * FROM table1 where QNUM LIKE '[abc'") != 0);
    }

    void quotingHelpers_data()
    {
        QTest::addColumn<QString>("made");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain text") << sqlText("Ladders") << "'Ladders'";
        QTest::newRow("text with quote") << sqlText("Captain's Duties") << "'Captain''s Duties'";
        QTest::newRow("text of quotes") << sqlText("''") << "''''''";
        QTest::newRow("plain keyword") << likeContains("smoke") << "\"*smoke*\"";
        QTest::newRow("keyword with quotes") << likeContains("50% \"wet\"") << "\"*50% \"\"wet\"\"*\"";
        QTest::newRow("keyword with wildcards") << likeContains("a*b?c#d[e") << "\"*a[*]b[?]c[#]d[[]e*\"";
    }

    void quotingHelpers()
    {
        QFETCH(QString, made);
        QFETCH(QString, expected);
        QCOMPARE(made, expected);
    }

    void positiveCount_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("count"); // 0: refused
        QTest::newRow("number") << "25" << 25;
        QTest::newRow("blanks around") << " 12 " << 12;
        QTest::newRow("leading zeros") << "007" << 7;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("negative") << "-3" << 0;
        QTest::newRow("plus sign") << "+5" << 0;
        QTest::newRow("fraction") << "2.5" << 0;
        QTest::newRow("letters") << "ten" << 0;
        QTest::newRow("injection") << "5 * FROM table1; --" << 0;
        QTest::newRow("empty") << "" << 0;
        // No set holds more rows than the largest int: a larger count asks for them all.
        QTest::newRow("largest int") << "2147483647" << INT_MAX;
        QTest::newRow("beyond an int") << "2147483648" << INT_MAX;
        QTest::newRow("20 digits") << "99999999999999999999" << INT_MAX;
        QTest::newRow("zeros only") << "0000" << 0;
    }

    void positiveCount()
    {
        QFETCH(QString, typed);
        QFETCH(int, count);
        const std::optional<int> got = data::positiveCount(typed);
        QCOMPARE(got.value_or(0), count);
    }

    void patternMatching_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("matches");
        QTest::newRow("star anywhere") << "*smoke*" << "Heavy SMOKE here" << true;
        QTest::newRow("star, no hit") << "*smoke*" << "Heavy smok" << false;
        QTest::newRow("prefix") << "lad*" << "Ladder" << true;
        QTest::newRow("suffix") << "*der" << "LADDER" << true;
        QTest::newRow("whole text") << "hose" << "HOSE" << true;
        QTest::newRow("whole text, longer") << "hose" << "hoses" << false;
        QTest::newRow("empty pattern") << "" << "" << true;
        QTest::newRow("lone star, empty text") << "*" << "" << true;
        QTest::newRow("question mark") << "h?se" << "hose" << true;
        QTest::newRow("question mark, accented") << "caf?" << "café" << true;
        QTest::newRow("question mark needs one") << "hose?" << "hose" << false;
        QTest::newRow("digit") << "#a" << "7a" << true;
        QTest::newRow("digit, letter") << "#a" << "xa" << false;
        QTest::newRow("class") << "[abc]x" << "Bx" << true;
        QTest::newRow("range") << "[a-f]1" << "E1" << true;
        QTest::newRow("negated range") << "[!a-f]1" << "E1" << false;
        QTest::newRow("negated range, hit") << "[!a-f]1" << "z1" << true;
        QTest::newRow("escaped star") << "a[*]b" << "a*b" << true;
        QTest::newRow("escaped star, other") << "a[*]b" << "axb" << false;
        QTest::newRow("escaped bracket") << "[[]x]" << "[x]" << true;
        QTest::newRow("escaped hash") << "[#]1" << "#1" << true;
        QTest::newRow("backtracking") << "*ab*ab" << "xxabyyabab" << true;
        QTest::newRow("non-ASCII case") << "*ÄRGER*" << "großer ärger" << true;
        QTest::newRow("percent is plain") << "50%" << "50x" << false;
        QTest::newRow("underscore is plain") << "a_c" << "abc" << false;
    }

    void patternMatching()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QFETCH(bool, matches);
        const auto compiled = data::LikePattern::compile(pattern.toStdString());
        QVERIFY(compiled.has_value());
        QCOMPARE(compiled->matches(text.toStdString()), matches);
    }

    // Text written by other programs need not be valid UTF-8. Plain keywords
    // are answered by a byte search, other patterns by a walk over decoded
    // characters: both must read broken text alike, each broken byte as a
    // character of its own that is no ASCII letter.
    void brokenTextReadsAlikeOnBothPaths_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("plain");  // a keyword shape: byte search
        QTest::addColumn<QByteArray>("walked"); // the same question as a class: decoded walk
        QTest::addColumn<bool>("matches");
        QTest::newRow("overlong A, two bytes") << QByteArray("\xC1\x81") << QByteArray("*a*") << QByteArray("*[ab]*") << false;
        QTest::newRow("overlong A, three bytes") << QByteArray("\xE0\x81\x81") << QByteArray("*a*") << QByteArray("*[ab]*") << false;
        QTest::newRow("overlong A, four bytes") << QByteArray("\xF0\x80\x81\x81") << QByteArray("*a*") << QByteArray("*[ab]*") << false;
        QTest::newRow("overlong A as the whole text") << QByteArray("\xC1\x81") << QByteArray("a") << QByteArray("[ab]") << false;
        QTest::newRow("overlong A inside words") << QByteArray("x\xC1\x81y") << QByteArray("*a*") << QByteArray("*[ab]*") << false;
        QTest::newRow("overlong A beside a real one") << QByteArray("\xC1\x81" "a") << QByteArray("*a") << QByteArray("*[ab]") << true;
        QTest::newRow("surrogate half") << QByteArray("\xED\xA0\x80") << QByteArray("*a*") << QByteArray("*[ab]*") << false;
        QTest::newRow("beyond the last code point") << QByteArray("\xF4\x90\x80\x80") << QByteArray("*a*") << QByteArray("*[ab]*") << false;
        QTest::newRow("lead byte before a letter") << QByteArray("\xC3" "A") << QByteArray("*a") << QByteArray("*[ab]") << true;
        QTest::newRow("lone continuation byte") << QByteArray("\x81" "a") << QByteArray("*a") << QByteArray("?[ab]") << true;
        QTest::newRow("sequence cut off at the end") << QByteArray("a\xE2\x82") << QByteArray("a*") << QByteArray("[ab]*") << true;
        QTest::newRow("broken bytes count one each") << QByteArray("\xC1\x81" "a") << QByteArray("*a") << QByteArray("??[ab]") << true;
        QTest::newRow("accented capital is no A") << QByteArray("\xC3\x81") << QByteArray("*a*") << QByteArray("*[ab]*") << false;
    }

    void brokenTextReadsAlikeOnBothPaths()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, plain);
        QFETCH(QByteArray, walked);
        QFETCH(bool, matches);
        const std::string_view value(text.constData(), size_t(text.size()));
        const auto byBytes = data::LikePattern::compile(plain.toStdString());
        const auto byCharacters = data::LikePattern::compile(walked.toStdString());
        QVERIFY(byBytes && byCharacters);
        QCOMPARE(byBytes->matches(value), matches);
        QCOMPARE(byCharacters->matches(value), matches);
    }

    void unclosedBracketIsRefused()
    {
        QVERIFY(!data::LikePattern::compile("ab[c").has_value());
    }
};

QTEST_GUILESS_MAIN(TestQueryTranslation)
#include "tst_querytranslation.moc"
