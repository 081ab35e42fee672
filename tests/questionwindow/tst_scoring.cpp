#include "questionwindow/Scoring.h"

#include <QtTest>

using namespace questionwindow;

using Shown = std::array<bool, 4>;
Q_DECLARE_METATYPE(Shown)

class tst_Scoring : public QObject {
    Q_OBJECT

private slots:
    void scoreText_data()
    {
        QTest::addColumn<double>("correct");
        QTest::addColumn<double>("incorrect");
        QTest::addColumn<QString>("expected");
        QTest::newRow("2 of 3 rounds to the nearest") << 2.0 << 1.0 << "67";
        QTest::newRow("1 of 8: a half goes up") << 1.0 << 7.0 << "13";
        QTest::newRow("0 of 4 shows nothing") << 0.0 << 4.0 << "";
        QTest::newRow("5 of 5") << 5.0 << 0.0 << "100";
        QTest::newRow("nothing counted shows nothing") << 0.0 << 0.0 << "";
        QTest::newRow("1 of 200 is exactly one half") << 1.0 << 199.0 << "1";
        QTest::newRow("1 of 201 is below one half") << 1.0 << 200.0 << "";
        // 100 / 232 * 145 is 62.5 on paper and a hair below it in binary.
        QTest::newRow("145 of 232: a half in disguise") << 145.0 << 87.0 << "63";
        QTest::newRow("1 of 3 rounds down") << 1.0 << 2.0 << "33";
        QTest::newRow("large counts") << 999.0 << 1.0 << "100";
    }
    void scoreText()
    {
        QFETCH(double, correct);
        QFETCH(double, incorrect);
        QFETCH(QString, expected);
        QCOMPARE(questionwindow::scoreText(correct, incorrect), expected);
    }

    void counterValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("digits") << "12" << 12.0;
        QTest::newRow("blanks around") << " 3 " << 3.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("not a number") << "txtCorrect" << 0.0;
    }
    void counterValue()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(questionwindow::counterValue(text), expected);
    }

    void wrongAnswerList()
    {
        QString list;
        for (const char* number : {"12", "15", "3"})
            list = appendWrongNumber(list, QString::fromLatin1(number));
        QCOMPARE(list, QStringLiteral(" 12,15,3"));
        // A question judged wrong twice stands twice.
        QCOMPARE(appendWrongNumber(list, QStringLiteral("3")), QStringLiteral(" 12,15,3,3"));
    }

    void revealedAnswers_data()
    {
        QTest::addColumn<QString>("correct");
        QTest::addColumn<QString>("textOfD");
        QTest::addColumn<Shown>("expected");
        QTest::newRow("A") << "A" << "All of the above." << Shown{true, false, false, false};
        QTest::newRow("B") << "B" << "Water" << Shown{false, true, false, false};
        QTest::newRow("C") << "C" << "Water" << Shown{false, false, true, false};
        QTest::newRow("D alone") << "D" << "Water" << Shown{false, false, false, true};
        QTest::newRow("D: All of the above.") << "D" << "All of the above." << Shown{true, true, true, true};
        QTest::newRow("D: All the above.") << "D" << "All the above." << Shown{true, true, true, true};
        QTest::newRow("D: no full stop") << "D" << "All the above" << Shown{false, false, false, true};
        QTest::newRow("D: other case") << "D" << "all of the above." << Shown{false, false, false, true};
        QTest::newRow("lower-case letter") << "d" << "All of the above." << Shown{false, false, false, false};
        QTest::newRow("no letter") << "" << "All of the above." << Shown{false, false, false, false};
        QTest::newRow("invalid letter") << "E" << "Water" << Shown{false, false, false, false};
    }
    void revealedAnswers()
    {
        QFETCH(QString, correct);
        QFETCH(QString, textOfD);
        QFETCH(Shown, expected);
        QCOMPARE(questionwindow::revealedAnswers(correct, textOfD), expected);
    }
};

QTEST_GUILESS_MAIN(tst_Scoring)
#include "tst_scoring.moc"
