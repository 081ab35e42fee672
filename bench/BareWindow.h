#pragma once

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace benchsupport {

// The bare Qt window both plain twins of the start show, in a running
// process and as a process of its own: one label on an 800 x 600 window, so
// the two figures time the same window.
inline void fillBareWindow(QWidget& window)
{
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Table Of Contents"), &window));
    window.resize(800, 600);
}

} // namespace benchsupport
