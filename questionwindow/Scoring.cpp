#include "questionwindow/Scoring.h"

#include <cmath>

namespace questionwindow {

double counterValue(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? value : 0.0;
}

QString scoreText(double correct, double incorrect)
{
    const double answered = correct + incorrect;
    if (answered == 0.0)
        return {};
    const double score = 100.0 / answered * correct;
    // A quotient such as 100 / 232 * 145 lands a hair below the half it
    // stands for; the tolerance keeps such halves going up.
    const double rounded = std::floor(score + 0.5 + 1e-9);
    if (rounded < 1.0)
        return {};
    return QString::number(static_cast<qint64>(rounded));
}

QString appendWrongNumber(const QString& list, const QString& questionNumber)
{
    if (list.isEmpty())
        return QLatin1Char(' ') + questionNumber;
    return list + QLatin1Char(',') + questionNumber;
}

int answerIndex(const QString& letter)
{
    static const QString letters[] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                      QStringLiteral("D")};
    for (int i = 0; i < 4; ++i) {
        if (letter == letters[i])
            return i;
    }
    return -1;
}

std::array<bool, 4> revealedAnswers(const QString& correctLetter, const QString& textOfD)
{
    std::array<bool, 4> shown{false, false, false, false};
    const int index = answerIndex(correctLetter);
    if (index < 0)
        return shown;
    if (index == 3 && (textOfD == QLatin1String("All the above.") || textOfD == QLatin1String("All of the above.")))
        shown.fill(true);
    else
        shown[index] = true;
    return shown;
}

} // namespace questionwindow
