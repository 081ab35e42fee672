#pragma once

#include <QString>

namespace testsupport {

// A made-up multiple-choice question of plausible length, the same for the
// same number, for tests and benchmarks that compose printed tests.
struct TestQuestion {
    QString question;
    QString answers[4];
    QString correct;
};

inline TestQuestion testQuestion(int number)
{
    static const char* const subjects[] = {"a supply line", "an attack line", "a ground ladder", "a hydrant",
                                           "a self-contained breathing apparatus", "a fog nozzle",
                                           "a salvage cover", "a forcible entry tool"};
    static const char* const actions[] = {"inspected", "tested", "cleaned", "stored", "charged", "raised"};
    const QString subject = QString::fromLatin1(subjects[number % 8]);
    const QString action = QString::fromLatin1(actions[number % 6]);
    TestQuestion q;
    q.question = QStringLiteral("Question %1: How often must %2 be %3 after use at an incident, according to "
                                "the department's standard operating procedures?")
                     .arg(number)
                     .arg(subject, action);
    q.answers[0] = QStringLiteral("After every use, before it is placed back in service");
    q.answers[1] = QStringLiteral("Once a month, at the company inspection");
    q.answers[2] = QStringLiteral("Only when damage of %1 is seen").arg(subject);
    q.answers[3] = QStringLiteral("Once a year, at the annual service test");
    q.correct = QString(QChar(u'A' + number % 4));
    return q;
}

// The entry a printed test without answers gives a question: the number,
// the question, the four lettered answers and the blank lines after them,
// lines broken by CR.
inline QString testEntry(int number, const TestQuestion& q)
{
    const QChar cr(u'\r');
    QString entry = QString::number(number) + QStringLiteral(") ") + q.question + cr + cr;
    for (int i = 0; i < 4; ++i)
        entry += QString(QChar(u'A' + i)) + QStringLiteral("  ") + q.answers[i] + cr;
    return entry + cr + cr;
}

} // namespace testsupport
