#include "appearance/art/ToolbarPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace art {

namespace {

enum class Picture {
    New = 1,
    Open,
    Save,
    Print,
    Cut,
    Copy,
    Paste,
    Find,
    Camera,
    SpellCheck,
    Notes,
    Terms,
    Unlock,
    Lock,
    Help,
    Thesaurus,
    Bold,
    Italic,
    Underline,
    AlignLeft,
    Center,
    AlignRight
};

void drawPage(QPainter& p, const QRectF& r)
{
    QPainterPath page;
    page.moveTo(r.left(), r.top());
    page.lineTo(r.right() - 5, r.top());
    page.lineTo(r.right(), r.top() + 5);
    page.lineTo(r.right(), r.bottom());
    page.lineTo(r.left(), r.bottom());
    page.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawLine(QPointF(r.right() - 5, r.top()), QPointF(r.right() - 5, r.top() + 5));
    p.drawLine(QPointF(r.right() - 5, r.top() + 5), QPointF(r.right(), r.top() + 5));
}

void drawLetter(QPainter& p, const QString& text, bool bold, bool italic, bool underline)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(17);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    p.setFont(font);
    p.drawText(QRectF(0, 0, 24, 24), Qt::AlignCenter, text);
}

void drawLines(QPainter& p, Qt::Alignment alignment)
{
    const int widths[] = {16, 10, 16, 12, 16};
    for (int i = 0; i < 5; ++i) {
        const int w = widths[i];
        const qreal x = alignment == Qt::AlignLeft ? 4 : alignment == Qt::AlignRight ? 20 - w : 12 - w / 2.0;
        p.drawLine(QPointF(x, 5 + i * 3.5), QPointF(x + w, 5 + i * 3.5));
    }
}

void drawPadlock(QPainter& p, bool open)
{
    p.setBrush(QColor(218, 165, 32));
    p.drawRoundedRect(QRectF(5, 11, 14, 10), 2, 2);
    p.setBrush(Qt::NoBrush);
    QPainterPath shackle;
    const qreal left = open ? 12 : 8;
    shackle.moveTo(left, 11);
    shackle.lineTo(left, 7);
    shackle.arcTo(QRectF(left, 3, 8, 8), 180, -180);
    shackle.lineTo(left + 8, open ? 8 : 11);
    p.setPen(QPen(QColor(90, 90, 90), 2));
    p.drawPath(shackle);
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(QPointF(12, 15), QPointF(12, 18));
}

QIcon drawPicture(Picture picture, int size)
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(40, 40, 40);
    p.setPen(QPen(ink, 1.2));
    switch (picture) {
    case Picture::New:
        drawPage(p, QRectF(5, 2.5, 14, 19));
        p.setPen(QPen(QColor(200, 40, 40), 2));
        p.drawLine(QPointF(16, 15), QPointF(16, 21));
        p.drawLine(QPointF(13, 18), QPointF(19, 18));
        break;
    case Picture::Open:
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(2.5, 6.5, 17, 13));
        p.setBrush(QColor(250, 220, 120));
        p.drawPolygon(QPolygonF({QPointF(5, 10), QPointF(22, 10), QPointF(19.5, 19.5), QPointF(2.5, 19.5)}));
        break;
    case Picture::Save:
        p.setBrush(QColor(60, 90, 160));
        p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 3.5, 10, 6));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(6.5, 13, 11, 7.5));
        break;
    case Picture::Print:
        drawPage(p, QRectF(7, 2.5, 10, 8));
        p.setBrush(QColor(150, 150, 150));
        p.drawRoundedRect(QRectF(3, 9.5, 18, 8), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 15, 10, 6.5));
        break;
    case Picture::Cut:
        p.setPen(QPen(ink, 1.6));
        p.drawLine(QPointF(7, 3), QPointF(15.5, 15));
        p.drawLine(QPointF(17, 3), QPointF(8.5, 15));
        p.setPen(QPen(QColor(180, 30, 30), 2));
        p.drawEllipse(QPointF(7, 18), 3, 3);
        p.drawEllipse(QPointF(17, 18), 3, 3);
        break;
    case Picture::Copy:
        drawPage(p, QRectF(3.5, 2.5, 11, 14));
        drawPage(p, QRectF(9.5, 7.5, 11, 14));
        break;
    case Picture::Paste:
        p.setBrush(QColor(180, 130, 70));
        p.drawRoundedRect(QRectF(4, 4, 16, 18), 2, 2);
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(8.5, 2.5, 7, 4));
        drawPage(p, QRectF(8, 9, 10, 11));
        break;
    case Picture::Find:
        p.setPen(QPen(ink, 2));
        p.setBrush(QColor(200, 230, 255));
        p.drawEllipse(QPointF(10, 10), 6, 6);
        p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14.5, 14.5), QPointF(20.5, 20.5));
        break;
    case Picture::Camera:
        p.setBrush(QColor(70, 70, 70));
        p.drawRoundedRect(QRectF(2.5, 7.5, 19, 13), 2, 2);
        p.drawRect(QRectF(8, 4.5, 8, 3));
        p.setBrush(QColor(150, 190, 230));
        p.setPen(QPen(Qt::white, 1.5));
        p.drawEllipse(QPointF(12, 14), 4.2, 4.2);
        break;
    case Picture::SpellCheck: {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(9);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRectF(0, 1, 24, 11), Qt::AlignCenter, QStringLiteral("ABC"));
        p.setPen(QPen(QColor(30, 150, 40), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(6, 16), QPointF(10, 20.5), QPointF(19, 12)}));
        break;
    }
    case Picture::Notes:
        p.setBrush(QColor(255, 245, 160));
        p.drawRect(QRectF(4.5, 3.5, 15, 18));
        p.setPen(QPen(QColor(120, 120, 200), 1));
        for (int y = 8; y <= 18; y += 3)
            p.drawLine(QPointF(7, y), QPointF(17, y));
        break;
    case Picture::Terms:
        p.setBrush(QColor(160, 40, 40));
        p.drawRoundedRect(QRectF(4.5, 2.5, 15, 19), 1.5, 1.5);
        p.setPen(QPen(QColor(250, 220, 120), 1.4));
        p.drawLine(QPointF(8, 8), QPointF(16, 8));
        p.drawLine(QPointF(8, 11), QPointF(14, 11));
        break;
    case Picture::Unlock:
        drawPadlock(p, true);
        break;
    case Picture::Lock:
        drawPadlock(p, false);
        break;
    case Picture::Help:
        p.setBrush(QColor(40, 110, 200));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
        p.setPen(Qt::white);
        drawLetter(p, QStringLiteral("?"), true, false, false);
        break;
    case Picture::Thesaurus:
        p.setBrush(QColor(40, 110, 60));
        p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 2, 2);
        p.setPen(Qt::white);
        drawLetter(p, QStringLiteral("Aa"), true, false, false);
        break;
    case Picture::Bold:
        drawLetter(p, QStringLiteral("B"), true, false, false);
        break;
    case Picture::Italic:
        drawLetter(p, QStringLiteral("I"), false, true, false);
        break;
    case Picture::Underline:
        drawLetter(p, QStringLiteral("U"), false, false, true);
        break;
    case Picture::AlignLeft:
        drawLines(p, Qt::AlignLeft);
        break;
    case Picture::Center:
        drawLines(p, Qt::AlignHCenter);
        break;
    case Picture::AlignRight:
        drawLines(p, Qt::AlignRight);
        break;
    }
    p.end();
    return QIcon(size == 24 ? pixmap : pixmap.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

} // namespace

QList<QIcon> toolbarPictures(int size)
{
    QList<QIcon> pictures;
    for (int number = int(Picture::New); number <= int(Picture::AlignRight); ++number)
        pictures.append(drawPicture(Picture(number), size));
    return pictures;
}

} // namespace art
