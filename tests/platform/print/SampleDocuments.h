#pragma once

#include "support/TestText.h"

#include "platform/print/Composer.h"

#include <QImage>

namespace printtest {

// Composes a printed test of `questions` questions the way the test
// package does: each entry passes the keep-together test and is written
// inline, after an empty first paragraph under a header.
inline void composeTest(print::Composer& composer, int questions)
{
    composer.writeLine(QString());
    composer.setHeaderText(QStringLiteral("All Questions        "));
    composer.setColumnCount(1);
    for (int number = 1; number <= questions; ++number) {
        const QString entry = testsupport::testEntry(number, testsupport::testQuestion(number));
        composer.measureEntry(entry);
        if (composer.fitNeed() > composer.fitLimit() - composer.fitUsed())
            composer.breakPage();
        composer.writeInline(entry);
    }
}

// A document with something of every kind a page holds: text in several
// looks, a header and a footer, every frame, columns, and a table with a
// picture.
inline print::Document mixedDocument()
{
    print::Composer c;
    c.startDocument();
    c.setFooterText(QStringLiteral("Footer  text"));
    c.setPageFrame(5);
    composeTest(c, 6);
    c.breakPage();
    c.setHeaderText(QStringLiteral("Name:                "));
    c.setColumnCount(4);
    c.setBodyTextColor(0x336699);
    c.writeInline(QStringLiteral("1)  A    "));
    c.setBodyBold(true);
    c.writeInline(QStringLiteral("X    "));
    c.setBodyBold(false);
    c.writeInline(QStringLiteral("C    D    \r"));
    c.writeLine(QString());
    c.setBodyFontName(QStringLiteral("Times New Roman"));
    c.setBodyFontSize(11.5);
    c.writeLine(QStringLiteral("Grüße, naïve café — ½"));
    QImage picture(30, 20, QImage::Format_ARGB32);
    picture.fill(QColor(10, 200, 30, 128));
    c.openTable();
    c.tableSetting(print::tablecode::rows, 0, 0, 2);
    c.tableSetting(print::tablecode::columns, 0, 0, 2);
    c.tableSetting(print::tablecode::cellText, 1, 2, QStringLiteral("cell"));
    c.tableSetting(print::tablecode::cellPicture, 2, 1, picture);
    c.tableSetting(print::tablecode::pictureFit, 2, 1, print::tablecode::fitStretchKeepShape);
    c.closeTable();
    c.endDocument();
    return c.document();
}

} // namespace printtest
