#include "appearance/art/TitlePicture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace art {

namespace {

// Draws text as an outlined, filled path centred on a base line, with a soft
// shadow, so it reads on light and dark skins alike.
void drawOutlinedText(QPainter& painter, const QString& text, const QFont& font, qreal centreX, qreal baseline,
                      const QBrush& fill, const QColor& outline, qreal outlineWidth)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    path.translate(centreX - bounds.center().x(), baseline);

    painter.fillPath(path.translated(2, 2), QColor(0, 0, 0, 90));

    // The outline is stroked first and the letters filled over it, so only
    // its outer half shows as a rim and thin letters keep their colour.
    painter.strokePath(path, QPen(outline, 2 * outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(path, fill);
}

} // namespace

QImage titlePicture(const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const qreal width = size.width();
    const qreal height = size.height();

    QFont name(QStringLiteral("DejaVu Serif"));
    name.setBold(true);
    name.setPixelSize(int(height * 0.56));
    QLinearGradient flame(0, height * 0.08, 0, height * 0.62);
    flame.setColorAt(0.0, QColor(255, 214, 90));
    flame.setColorAt(0.55, QColor(236, 112, 28));
    flame.setColorAt(1.0, QColor(168, 24, 18));
    drawOutlinedText(painter, QStringLiteral("drillbook"), name, width / 2, height * 0.60, flame, QColor(50, 12, 8),
                     2.0);

    // A rule between the name and the line below it.
    const qreal ruleY = height * 0.71;
    painter.setPen(QPen(QColor(168, 24, 18), 2));
    painter.drawLine(QPointF(width * 0.14, ruleY), QPointF(width * 0.86, ruleY));

    QFont line(QStringLiteral("DejaVu Sans"));
    line.setBold(true);
    line.setPixelSize(int(height * 0.18));
    line.setLetterSpacing(QFont::AbsoluteSpacing, 0.8);
    drawOutlinedText(painter, QStringLiteral("Fire Fighter I & II Certification Study"), line, width / 2, height * 0.93,
                     QColor(255, 250, 240), QColor(40, 20, 16), 1.6);
    painter.end();
    return image;
}

} // namespace art
