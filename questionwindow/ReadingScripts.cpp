#include "questionwindow/ReadingScripts.h"

#include "settings/Markers.h"

#include <limits>

namespace questionwindow {

namespace {

// The tags the bookmark handler answers.
const QString moveOnTag = QStringLiteral("\\mrk=1\\");
const QString readButtonDoneTag = QStringLiteral("\\mrk=2\\");
const QString pauseTag = QStringLiteral("\\mrk=3\\");
const QString pauseOverTag = QStringLiteral("\\mrk=4\\");
const QString lastQuestionTag = QStringLiteral("\\mrk=6\\");

const QString space = QStringLiteral(" ");

QString correctAnswerIs(const QString& letter)
{
    return QStringLiteral(" The correct answer is ") + letter + QLatin1Char('.');
}

} // namespace

std::optional<QString> answerText(const RecordCopies& record, const QString& letter)
{
    if (letter == QLatin1String("A"))
        return record.a;
    if (letter == QLatin1String("B"))
        return record.b;
    if (letter == QLatin1String("C"))
        return record.c;
    if (letter == QLatin1String("D"))
        return record.d;
    return std::nullopt;
}

QStringList readButtonRequests(const RecordCopies& record, bool flashCard)
{
    if (flashCard)
        return {record.question + space + readButtonDoneTag};
    return {
        record.question + space,
        QStringLiteral("A. ") + record.a + space,
        QStringLiteral("B. ") + record.b + space,
        QStringLiteral("C. ") + record.c + space,
        QStringLiteral("D. ") + record.d + space + readButtonDoneTag,
    };
}

QStringList presentationRequests(const RecordCopies& record, const QString& correctLetter, bool flashCard,
                                 bool lastRecord)
{
    QStringList requests{record.question + space};
    if (flashCard) {
        requests << QStringLiteral(".");
    } else {
        requests << QStringLiteral("A. ") + record.a + space << QStringLiteral("B. ") + record.b + space
                 << QStringLiteral("C. ") + record.c + space << QStringLiteral("D. ") + record.d + space
                 << correctAnswerIs(correctLetter);
    }
    if (const std::optional<QString> correct = answerText(record, correctLetter))
        requests << *correct;
    requests << (lastRecord ? QStringLiteral("That was the last question.") + lastQuestionTag : moveOnTag);
    return requests;
}

QStringList readAloudRequests(const RecordCopies& record)
{
    // The blanks give the listener a breath between the letter and its answer.
    return {
        record.question + space,
        QStringLiteral("A.") + QString(9, QLatin1Char(' ')) + record.a + space,
        QStringLiteral("B.") + QString(10, QLatin1Char(' ')) + record.b + space,
        QStringLiteral("C.") + QString(9, QLatin1Char(' ')) + record.c + space,
        QStringLiteral("D.") + QString(7, QLatin1Char(' ')) + record.d + space + pauseTag,
    };
}

QStringList answerPauseRequests(const RecordCopies& record, const QString& correctLetter)
{
    QStringList requests{correctAnswerIs(correctLetter)};
    if (const std::optional<QString> correct = answerText(record, correctLetter))
        requests << *correct + pauseOverTag;
    return requests;
}

std::optional<QPoint> readingPosition(Reading reading, const QString& screenSize)
{
    if (screenSize == markers::screen1024)
        return reading == Reading::ReadButton ? QPoint(690, 410) : QPoint(535, 410);
    if (screenSize == markers::screen800)
        return QPoint(500, 300);
    return std::nullopt;
}

int answerPauseInterval(int sliderSeconds)
{
    constexpr int maxSeconds = std::numeric_limits<int>::max() / 1000;
    if (sliderSeconds > maxSeconds)
        return maxSeconds * 1000;
    return sliderSeconds < 0 ? 0 : sliderSeconds * 1000;
}

} // namespace questionwindow
