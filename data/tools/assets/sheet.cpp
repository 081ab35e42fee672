#include "sheet.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QStringList>

namespace assets::sheet {

QFont font(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QPen outline(double width)
{
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QImage blank()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(kPaper);
    QPainter p(&image);
    p.setPen(QPen(QColor(184, 180, 170), 1));
    p.drawRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1));
    return image;
}

namespace {

// Text drawn as a path with a paper-coloured halo, so it stays readable where
// it meets a leader line or the edge of a drawing.
void haloText(QPainter &p, const QStringList &lines, QPointF origin, Qt::Alignment align,
              const QFont &f, QColor colour)
{
    const QFontMetricsF fm(f);
    QPainterPath path;
    double y = origin.y() + fm.ascent();
    for (const QString &line : lines) {
        const double w = fm.horizontalAdvance(line);
        double x = origin.x();
        if (align & Qt::AlignRight)
            x -= w;
        else if (align & Qt::AlignHCenter)
            x -= w / 2;
        path.addText(QPointF(x, y), f, line);
        y += fm.lineSpacing();
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.strokePath(path, QPen(kPaper, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, colour);
    p.restore();
}

} // namespace

void text(QPainter &p, QPointF centre, const QString &content, const QFont &f, QColor colour)
{
    const QStringList lines = content.split(QLatin1Char('\n'));
    const QFontMetricsF fm(f);
    const double height = fm.lineSpacing() * (lines.size() - 1) + fm.height();
    haloText(p, lines, QPointF(centre.x(), centre.y() - height / 2), Qt::AlignHCenter, f, colour);
}

void caption(QPainter &p, const QString &content)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 237, 228));
    p.drawRect(QRectF(1, kCaptionTop, kWidth - 2, kHeight - kCaptionTop - 1));
    p.setPen(QPen(QColor(201, 196, 184), 1));
    p.drawLine(QPointF(1, kCaptionTop + 0.5), QPointF(kWidth - 2, kCaptionTop + 0.5));
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font(14, true));
    p.setPen(QColor(46, 46, 46));
    p.drawText(QRectF(0, kCaptionTop, kWidth, kHeight - kCaptionTop), Qt::AlignCenter, content);
    p.restore();
}

void label(QPainter &p, const QList<QPointF> &anchors, QPointF at, const QString &content, Side side)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(70, 70, 70), 1.0));
    for (const QPointF &anchor : anchors)
        p.drawLine(anchor, at);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 40));
    for (const QPointF &anchor : anchors)
        p.drawEllipse(anchor, 2.2, 2.2);
    p.restore();

    const QFont f = font(12);
    const QFontMetricsF fm(f);
    const QStringList lines = content.split(QLatin1Char('\n'));
    const double height = fm.lineSpacing() * (lines.size() - 1) + fm.height();
    const QColor colour(30, 30, 30);
    switch (side) {
    case Side::Right:
        haloText(p, lines, QPointF(at.x() + 4, at.y() - height / 2), Qt::AlignLeft, f, colour);
        break;
    case Side::Left:
        haloText(p, lines, QPointF(at.x() - 4, at.y() - height / 2), Qt::AlignRight, f, colour);
        break;
    case Side::Above:
        haloText(p, lines, QPointF(at.x(), at.y() - 3 - height), Qt::AlignHCenter, f, colour);
        break;
    case Side::Below:
        haloText(p, lines, QPointF(at.x(), at.y() + 3), Qt::AlignHCenter, f, colour);
        break;
    }
}

} // namespace assets::sheet
