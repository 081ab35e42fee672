#pragma once

#include "platform/forms/Hourglass.h"
#include "widgets/XP_ProgressBar.h"

#include <QEvent>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariant>

#include <algorithm>

namespace testsupport {

// What a progress bar showed each time it was painted while `watching`, and
// how many of those paints came without the busy pointer: a long piece of
// work shows how far it got only if the bar is painted while it runs.
struct PaintedProgress : QObject {
    explicit PaintedProgress(XP_ProgressBar* watched) : bar(watched) { bar->installEventFilter(this); }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (watching && event->type() == QEvent::Paint) {
            values << bar->Value();
            withoutHourglass += forms::hourglassShown() ? 0 : 1;
        }
        return false;
    }

    // Some paint came part way, and the bar never went back.
    bool movedForward() const
    {
        return std::any_of(values.begin(), values.end(), [](int v) { return v > 0 && v < 100; })
               && std::is_sorted(values.begin(), values.end());
    }
    QString seen() const { return QStringLiteral("painted at ") + QVariant::fromValue(values).toStringList().join(','); }

    XP_ProgressBar* bar;
    bool watching = false;
    QList<int> values;
    int withoutHourglass = 0;
};

} // namespace testsupport
