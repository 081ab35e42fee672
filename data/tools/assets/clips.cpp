#include "clips.h"

#include "mpeg1.h"

#include <QDir>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace assets {

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr int kFrames = 75; // three seconds at 25 a second

void drawCaption(QPainter &p, const QString &text)
{
    p.fillRect(QRect(0, kHeight - 34, kWidth, 34), QColor(0, 0, 0, 170));
    QFont font = p.font();
    font.setPixelSize(18);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, kHeight - 34, kWidth, 34), Qt::AlignCenter, text);
}

void drawSky(QPainter &p)
{
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0, QColor(96, 150, 215));
    sky.setColorAt(1, QColor(200, 220, 240));
    p.fillRect(QRect(0, 0, kWidth, kHeight), sky);
    p.fillRect(QRect(0, 180, kWidth, kHeight - 180), QColor(90, 90, 95));
}

// A crew member at the left opens the nozzle; the stream reaches out in an
// arc towards a burning window and the flames die down.
void drawHoseLine(QPainter &p, int frame)
{
    drawSky(p);
    const double t = double(frame) / (kFrames - 1);
    p.setRenderHint(QPainter::Antialiasing);

    // The building with the fire.
    p.fillRect(QRect(215, 60, 95, 120), QColor(150, 75, 60));
    p.fillRect(QRect(240, 90, 40, 40), QColor(40, 30, 30));
    const double fire = 1.0 - std::clamp((t - 0.45) / 0.5, 0.0, 1.0);
    if (fire > 0.02) {
        p.setPen(Qt::NoPen);
        for (int k = 0; k < 3; ++k) {
            const double flicker = 4 * std::sin(frame * 0.9 + k * 2.1);
            QPainterPath flame;
            const double base = 128, x = 248 + k * 12, h = (28 + flicker) * fire;
            flame.moveTo(x - 8, base);
            flame.quadTo(x - 6, base - h * 0.6, x, base - h);
            flame.quadTo(x + 6, base - h * 0.6, x + 8, base);
            flame.closeSubpath();
            p.setBrush(k == 1 ? QColor(255, 200, 40) : QColor(240, 110, 20));
            p.drawPath(flame);
        }
    }

    // The firefighter: helmet, coat, legs, and the line behind.
    p.setPen(QPen(QColor(60, 60, 60), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(30, 185), QPointF(0, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 170, 60));
    p.drawRect(QRectF(38, 120, 22, 40));
    p.setBrush(QColor(40, 40, 40));
    p.drawRect(QRectF(40, 160, 8, 22));
    p.drawRect(QRectF(51, 160, 8, 22));
    p.setBrush(QColor(230, 200, 170));
    p.drawEllipse(QPointF(49, 110), 9, 9);
    p.setBrush(QColor(200, 30, 30));
    p.drawChord(QRectF(37, 96, 24, 20), 0, 180 * 16);

    // Hose along the ground to the nozzle in the firefighter's hands.
    p.setPen(QPen(QColor(190, 50, 40), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(30, 185), QPointF(55, 140));
    p.setPen(QPen(QColor(80, 80, 80), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(55, 140), QPointF(78, 132));

    // The stream grows from the nozzle over the first second and a half.
    const double reach = std::clamp(t / 0.5, 0.0, 1.0);
    if (reach > 0) {
        QPainterPath stream;
        const QPointF start(80, 131), control(170, 40), end(255, 110);
        stream.moveTo(start);
        const int steps = 40;
        for (int s = 1; s <= int(steps * reach); ++s) {
            const double u = double(s) / steps;
            const QPointF point = (1 - u) * (1 - u) * start + 2 * (1 - u) * u * control + u * u * end;
            stream.lineTo(point);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(235, 245, 255), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(stream);
        p.setPen(QPen(QColor(120, 170, 230), 2, Qt::DotLine));
        p.drawPath(stream);
    }
    drawCaption(p, QStringLiteral("Advancing a hose line"));
}

// An extension ladder swings up from the ground and comes to rest against
// the wall under a window.
void drawLadderRaise(QPainter &p, int frame)
{
    drawSky(p);
    const double t = std::clamp(double(frame) / (kFrames - 1) / 0.8, 0.0, 1.0);
    const double eased = t * t * (3 - 2 * t);
    p.setRenderHint(QPainter::Antialiasing);

    p.fillRect(QRect(230, 20, 90, 160), QColor(170, 160, 140));
    p.fillRect(QRect(250, 45, 40, 35), QColor(60, 80, 110));
    p.fillRect(QRect(250, 105, 40, 35), QColor(60, 80, 110));

    // The ladder's foot stays at the butt; it turns from lying flat to 75 degrees.
    const QPointF foot(160, 180);
    const double length = 170;
    p.save();
    p.translate(foot);
    p.rotate(-(180 - 75.0 * eased));
    p.setPen(QPen(QColor(200, 60, 40), 4));
    p.drawLine(QPointF(0, -9), QPointF(length, -9));
    p.drawLine(QPointF(0, 9), QPointF(length, 9));
    p.setPen(QPen(QColor(210, 210, 210), 3));
    for (double x = 10; x < length; x += 16)
        p.drawLine(QPointF(x, -9), QPointF(x, 9));
    p.restore();

    // Two firefighters at the butt.
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 2; ++k) {
        const double x = 120 - k * 26;
        p.setBrush(QColor(200, 170, 60));
        p.drawRect(QRectF(x, 135, 18, 30));
        p.setBrush(QColor(40, 40, 40));
        p.drawRect(QRectF(x + 1, 165, 7, 16));
        p.drawRect(QRectF(x + 10, 165, 7, 16));
        p.setBrush(QColor(230, 200, 170));
        p.drawEllipse(QPointF(x + 9, 127), 8, 8);
        p.setBrush(QColor(200, 30, 30));
        p.drawChord(QRectF(x - 1, 114, 20, 18), 0, 180 * 16);
    }
    drawCaption(p, QStringLiteral("Raising a ladder"));
}

bool writeClip(const QString &path, const std::function<void(QPainter &, int)> &draw)
{
    mpeg1::Encoder encoder(kWidth, kHeight);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (int frame = 0; frame < kFrames; ++frame) {
        QPainter painter(&image);
        draw(painter, frame);
        painter.end();
        encoder.addFrame(image);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(encoder.finish()) < 0 || !file.commit()) {
        std::fprintf(stderr, "makeassets: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

bool writeClips(const QString &folder)
{
    const QString video = folder + QStringLiteral("/Video");
    if (!QDir().mkpath(video)) {
        std::fprintf(stderr, "makeassets: cannot create %s\n", qPrintable(video));
        return false;
    }
    return writeClip(video + QStringLiteral("/hoseline.mpg"), drawHoseLine)
           && writeClip(video + QStringLiteral("/ladderraise.mpg"), drawLadderRaise);
}

} // namespace assets
