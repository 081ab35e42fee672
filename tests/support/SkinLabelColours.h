#pragma once

#include <QtTest>

namespace testsupport {

// Rows for a window whose captions lie on the skin's picture: a dark skin
// gives white captions, a light one black.
inline void addSkinLabelColourRows()
{
    QTest::addColumn<QString>("skin");
    QTest::addColumn<int>("labelColor");
    QTest::newRow("Water") << "Water" << 0xFFFFFF;
    QTest::newRow("Paper") << "Paper" << 0;
}

} // namespace testsupport
