#pragma once

#include <QFont>
#include <QFontInfo>
#include <QString>
#include <QStringList>

namespace printtest {

// Why the page figures a test expects cannot hold on this machine: empty when
// the fonts printed pages name ("Arial", "Times New Roman") are answered by
// faces of the same widths, as fonts-liberation2 (scripts/deps.sh) gives.
// Other faces break lines and pages elsewhere.
inline QString metricFontProblem()
{
    const struct {
        QString named;
        QStringList sameWidths;
    } fonts[] = {
        {QStringLiteral("Arial"), {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                    QStringLiteral("Nimbus Sans")}},
        {QStringLiteral("Times New Roman"),
         {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
          QStringLiteral("Nimbus Roman")}},
    };
    QStringList problems;
    for (const auto& font : fonts) {
        const QString resolved = QFontInfo(QFont(font.named)).family();
        if (!font.sameWidths.contains(resolved))
            problems << QStringLiteral("\"%1\" is set in \"%2\"").arg(font.named, resolved);
    }
    if (problems.isEmpty())
        return QString();
    return problems.join(QStringLiteral(", "))
        + QStringLiteral(": install fonts-liberation2 (scripts/deps.sh) so printed pages break as these tests expect");
}

} // namespace printtest
