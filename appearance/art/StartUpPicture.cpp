#include "appearance/art/StartUpPicture.h"

#include "appearance/art/Emblem.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace art {

namespace {

const QColor emberRed(150, 18, 14);
const QColor deepRed(58, 6, 6);

// One tongue of flame standing on `base`, leaning by `lean`.
QPainterPath flameTongue(QPointF base, qreal width, qreal height, qreal lean)
{
    QPainterPath path;
    const QPointF tip(base.x() + lean, base.y() - height);
    path.moveTo(base.x() - width / 2, base.y());
    path.cubicTo(base.x() - width * 0.55, base.y() - height * 0.45, tip.x() - width * 0.25, tip.y() + height * 0.35,
                 tip.x(), tip.y());
    path.cubicTo(tip.x() + width * 0.05, tip.y() + height * 0.40, base.x() + width * 0.60, base.y() - height * 0.35,
                 base.x() + width / 2, base.y());
    path.closeSubpath();
    return path;
}

void paintFlames(QPainter& painter, const QRectF& area)
{
    // Heights and leans of a fixed row of tongues, so the picture is the same on every start.
    static constexpr struct {
        qreal x, height, lean;
    } tongues[] = {{0.02, 0.70, 8},  {0.08, 0.95, -6}, {0.14, 0.60, 10}, {0.20, 0.85, 4},  {0.27, 0.55, -8},
                   {0.33, 0.78, 6},  {0.40, 0.50, -4}, {0.47, 0.72, 9},  {0.54, 0.58, -7}, {0.61, 0.88, 5},
                   {0.68, 0.62, -9}, {0.75, 0.98, 7},  {0.82, 0.66, -5}, {0.89, 0.90, 8},  {0.96, 0.74, -6}};
    const qreal tongueWidth = area.width() / 9.0;
    for (int layer = 0; layer < 2; ++layer) {
        const qreal scale = layer == 0 ? 1.0 : 0.62;
        QLinearGradient fire(0, area.bottom(), 0, area.top());
        fire.setColorAt(0.0, layer == 0 ? QColor(190, 30, 10, 235) : QColor(245, 120, 20, 240));
        fire.setColorAt(0.55, layer == 0 ? QColor(235, 96, 20, 200) : QColor(255, 190, 60, 230));
        fire.setColorAt(1.0, QColor(255, 230, 120, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(fire);
        for (const auto& tongue : tongues) {
            const QPointF base(area.left() + tongue.x * area.width() + (layer ? tongueWidth * 0.2 : 0),
                               area.bottom() + 2);
            painter.drawPath(
                flameTongue(base, tongueWidth * scale, area.height() * tongue.height * scale, tongue.lean * scale));
        }
    }
}

// A ladder in silhouette, from `foot` to `head`.
void paintLadder(QPainter& painter, QPointF foot, QPointF head, qreal spread, const QColor& colour)
{
    const QPointF along = head - foot;
    const qreal length = std::hypot(along.x(), along.y());
    const QPointF across(-along.y() / length * spread / 2, along.x() / length * spread / 2);
    painter.setPen(QPen(colour, spread * 0.12, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(foot + across, head + across);
    painter.drawLine(foot - across, head - across);
    painter.setPen(QPen(colour, spread * 0.08, Qt::SolidLine, Qt::RoundCap));
    const int rungs = int(length / (spread * 0.9));
    for (int i = 1; i < rungs; ++i) {
        const QPointF at = foot + along * (qreal(i) / rungs);
        painter.drawLine(at + across, at - across);
    }
}

void drawText(QPainter& painter, const QRectF& box, int flags, const QString& text, const QFont& font,
              const QColor& colour, qreal shadow)
{
    painter.setFont(font);
    if (shadow > 0) {
        painter.setPen(QColor(0, 0, 0, 150));
        painter.drawText(box.translated(shadow, shadow), flags, text);
    }
    painter.setPen(colour);
    painter.drawText(box, flags, text);
}

// The largest pixel size up to `largest` at which the text fits the width.
// The text's advance grows with the size, so its width at the largest size
// says where to begin: each size measured loads a face of its own, and the
// picture is drawn while the program starts.
void fitToWidth(QFont& font, const QString& text, int largest, qreal width)
{
    font.setPixelSize(largest);
    const qreal widest = QFontMetricsF(font).horizontalAdvance(text);
    int first = largest;
    if (widest > width)
        first = std::min(largest, int(largest * width / widest) + 2);
    for (int size = first; size > 8; --size) {
        font.setPixelSize(size);
        if (QFontMetricsF(font).horizontalAdvance(text) <= width)
            return;
    }
    font.setPixelSize(8);
}

} // namespace

QImage startUpPicture(const QSize& size, const QString& versionText)
{
    const QColor brass = art::brass();
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal w = size.width();
    const qreal h = size.height();

    QLinearGradient ground(0, 0, 0, h);
    ground.setColorAt(0.0, QColor(24, 4, 4));
    ground.setColorAt(0.45, deepRed);
    ground.setColorAt(1.0, emberRed);
    painter.fillRect(image.rect(), ground);

    // A glow behind the emblem, then a faint ladder across the ground.
    QRadialGradient glow(QPointF(w * 0.22, h * 0.40), h * 0.42);
    glow.setColorAt(0.0, QColor(255, 150, 60, 90));
    glow.setColorAt(1.0, QColor(255, 150, 60, 0));
    painter.fillRect(image.rect(), glow);
    paintLadder(painter, QPointF(w * 0.30, h * 1.05), QPointF(w * 1.02, h * 0.05), h * 0.16, QColor(0, 0, 0, 55));

    paintFlames(painter, QRectF(0, h * 0.72, w, h * 0.28));

    // Brass rules framing the picture.
    painter.setPen(QPen(brass, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(6, 6, w - 12, h - 12));
    painter.setPen(QPen(QColor(232, 184, 84, 110), 1));
    painter.drawRect(QRectF(11, 11, w - 22, h - 22));

    paintEmblem(painter, QRectF(w * 0.05, h * 0.16, h * 0.40, h * 0.40));

    const QString family = QStringLiteral("DejaVu Sans");
    const qreal textLeft = w * 0.05 + h * 0.46;
    const QRectF textColumn(textLeft, h * 0.13, w - textLeft - w * 0.04, h * 0.60);

    QFont kicker(family);
    kicker.setPixelSize(int(h * 0.034));
    kicker.setBold(true);
    kicker.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    drawText(painter, QRectF(textColumn.left(), textColumn.top(), textColumn.width(), h * 0.06),
             Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("FIRE SERVICE STUDY SERIES"), kicker, brass, 0);

    QFont name(QStringLiteral("DejaVu Serif"));
    name.setBold(true);
    fitToWidth(name, QStringLiteral("drillbook"), int(h * 0.17), textColumn.width());
    drawText(painter, QRectF(textColumn.left() - 4, textColumn.top() + h * 0.05, textColumn.width() + 8, h * 0.20),
             Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("drillbook"), name, QColor(255, 248, 236), 3);

    painter.setPen(QPen(brass, 3, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(textColumn.left(), textColumn.top() + h * 0.27),
                     QPointF(textColumn.right() - w * 0.02, textColumn.top() + h * 0.27));

    // What it trains for, on two lines of one size.
    const QString subjectLines[] = {QStringLiteral("Fire Fighter I & II Certification"),
                                    QStringLiteral("Study and Test Preparation")};
    QFont subject(family);
    subject.setBold(true);
    fitToWidth(subject, subjectLines[0], int(h * 0.045), textColumn.width());
    const qreal lineHeight = QFontMetricsF(subject).height();
    for (int line = 0; line < 2; ++line)
        drawText(
            painter,
            QRectF(textColumn.left(), textColumn.top() + h * 0.30 + line * lineHeight, textColumn.width(), lineHeight),
            Qt::AlignLeft | Qt::AlignVCenter, subjectLines[line], subject, QColor(255, 240, 214), 2);

    QFont details(family);
    details.setPixelSize(int(h * 0.030));
    drawText(painter,
             QRectF(textColumn.left(), textColumn.top() + h * 0.30 + 2.6 * lineHeight, textColumn.width(), h * 0.12),
             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
             QStringLiteral("Chapter question banks \u2022 five answer modes \u2022 drill and review sets \u2022 "
                            "random tests \u2022 terminology library"),
             details, QColor(244, 214, 170), 1);

    QFont footer(family);
    footer.setPixelSize(int(h * 0.028));
    footer.setBold(true);
    const QRectF footerBox(w * 0.05, h - h * 0.095, w * 0.90, h * 0.05);
    drawText(painter, footerBox, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Loading the question banks\u2026"),
             footer, QColor(255, 248, 236), 2);
    drawText(painter, footerBox, Qt::AlignRight | Qt::AlignVCenter, versionText, footer, QColor(255, 248, 236), 2);
    painter.end();
    return image;
}

} // namespace art
