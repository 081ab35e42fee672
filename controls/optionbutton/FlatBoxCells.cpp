#include "controls/optionbutton/FlatBoxCells.h"

#include <QPainter>

namespace qv3dopt {

namespace {

constexpr int kCell = 13;

QImage drawCells()
{
    QImage cells(kCell * 4, kCell * 3, QImage::Format_RGB32);
    cells.fill(Qt::white);
    QPainter p(&cells);
    const QColor face(Qt::white), pressedFace(0xC0, 0xC0, 0xC0), dark(0x80, 0x80, 0x80), black(Qt::black);
    for (int column = 0; column < 4; ++column) {
        const bool set = column == 1 || column == 3;
        const bool pressed = column >= 2;
        // Row 0: check boxes.
        const QRect box(column * kCell, 0, kCell - 1, kCell - 1);
        p.fillRect(box, pressed ? pressedFace : face);
        p.setPen(dark);
        p.drawRect(box);
        if (set) {
            p.setPen(QPen(black, 2));
            p.drawLine(box.left() + 3, box.top() + 6, box.left() + 5, box.top() + 9);
            p.drawLine(box.left() + 5, box.top() + 9, box.left() + 9, box.top() + 3);
        }
        // Row 1: radio buttons on white.
        const QRect circle(column * kCell, kCell, kCell - 1, kCell - 1);
        p.setPen(dark);
        p.setBrush(pressed ? pressedFace : face);
        p.drawEllipse(circle);
        if (set) {
            p.setPen(black);
            p.setBrush(black);
            p.drawEllipse(circle.adjusted(4, 4, -4, -4));
        }
        // Row 2: the radio buttons' mask, white inside the circle.
        const QRect mask(column * kCell, kCell * 2, kCell, kCell);
        p.fillRect(mask, black);
        p.setPen(Qt::white);
        p.setBrush(Qt::white);
        p.drawEllipse(circle.translated(0, kCell));
    }
    return cells;
}

} // namespace

const QImage& flatBoxCells()
{
    static const QImage cells = drawCells();
    return cells;
}

} // namespace qv3dopt
