#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QString>

// The common look of the question pictures: a light sheet with a thin frame,
// labels with leader lines, and a caption band along the bottom.
namespace assets::sheet {

constexpr int kWidth = 480;
constexpr int kHeight = 360;
constexpr int kCaptionTop = 326; // drawings keep above this line

QImage blank();
void caption(QPainter &p, const QString &text);

// Where a label's text lies relative to the end of its leader line.
enum class Side { Left, Right, Above, Below };

// Leader lines from each anchor (with a dot) to `at`, and the text beside it.
void label(QPainter &p, const QList<QPointF> &anchors, QPointF at, const QString &text, Side side);
inline void label(QPainter &p, QPointF anchor, QPointF at, const QString &text, Side side)
{
    label(p, QList<QPointF>{anchor}, at, text, side);
}
// Text alone, centred on a point, with the same halo as labels.
void text(QPainter &p, QPointF centre, const QString &text, const QFont &font, QColor colour);

QFont font(int pixelSize, bool bold = false);
QPen outline(double width = 2.0);

inline const QColor kInk{42, 42, 42};
inline const QColor kPaper{251, 250, 246};
inline const QColor kMetal{201, 206, 211};
inline const QColor kDarkMetal{120, 126, 134};

} // namespace assets::sheet
