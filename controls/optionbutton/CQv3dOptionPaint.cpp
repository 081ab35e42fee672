// The option button's painting: frame, face picture, box and caption.
#include "controls/optionbutton/CQv3dOptionCtrl.h"
#include "controls/optionbutton/FlatBoxCells.h"
#include "controls/runtime/Colors.h"
#include "controls/runtime/Drawing.h"
#include "controls/runtime/PictureHolder.h"

#include <QPainter>
#include <QWidget>

#include <cstdlib>

namespace qv3dopt {

using namespace com;

namespace {

constexpr std::uint32_t kGrayTextColor = 0x80000011;
constexpr std::uint32_t kMidGrey = 0x808080;
constexpr std::uint32_t kDarkShadowColor = 0x80000015;
constexpr std::uint32_t kSourceCopy = 0x00CC0020;

bool isValid(const Ptr<Picture>& picture)
{
    if (!picture)
        return false;
    const PictureType type = picture->type();
    return (type == PictureType::Bitmap || type == PictureType::Icon || type == PictureType::Metafile)
           && !picture->image().isNull();
}

void renderPicture(QPainter& dc, const Ptr<Picture>& picture, const QRect& rect, int wallPaper,
                   std::uint32_t background)
{
    qvrun::CQVPictureHolder holder;
    holder.setPicture(picture->image());
    holder.render(dc, rect, wallPaper, 0, 0, background, kSourceCopy, 0);
}

// A figure in the bounds a drawing call of the system names (left, top,
// right, bottom, the right and bottom edges outside): the same pixels with
// Qt's one-pixel pen, which covers its rectangle's far edges too.
QRect figure(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left - 1, bottom - top - 1);
}

} // namespace

QRect CQv3dOptionCtrl::captionRect(const QRect& item) const
{
    const int border = p_.borderStyle != 0 ? 1 : 0;
    QRect r = item.adjusted(border, border, -border, -border);
    const int boxWidth = p_.checkBox2d ? kFlatBoxWidth : p_.boxSize;
    if (p_.boxAlignment == 0)
        r.setLeft(r.left() + boxWidth + 6);
    else
        r.setRight(r.right() - boxWidth - 6);
    const int bevel = p_.bevelSize;
    if (p_.bevelStyle == qvrun::kBevelShadowedRight)
        r.adjust(0, 0, -bevel, -bevel);
    else if (p_.bevelStyle == qvrun::kBevelShadowedLeft)
        r.adjust(bevel, bevel, 0, 0);
    else
        r.adjust(bevel, bevel, -bevel, -bevel);
    return r;
}

void CQv3dOptionCtrl::DrawOptionButton(QPainter& dc, int action, bool pressed, const QRect& item)
{
    const QColor fill = qvrun::toColor(p_.fillColor);
    const QColor shadow = qvrun::toColor(p_.shadowColor);
    const QColor light = qvrun::toColor(p_.lightColor);
    const QColor border = qvrun::toColor(p_.borderColor);
    const bool focused = window() && window()->hasFocus();

    if (action == 4) {
        // The focus rectangle toggles.
        dc.save();
        dc.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        dc.setPen(QPen(Qt::white, 1, Qt::DotLine));
        dc.setBrush(Qt::NoBrush);
        dc.drawRect(captionRect(item).adjusted(0, 0, -1, -1));
        dc.restore();
        return;
    }
    if (action != 1 && action != 2)
        return;
    dc.save();

    const bool pictureValid = isValid(picture_);
    // AutoSize: the control takes the face picture's size plus the bevels,
    // but only when it is more than 3 pixels off.
    if (p_.autoSize && pictureValid) {
        const QSize himetric = picture_->himetricSize();
        const QSize wanted(qvrun::xHimetricToPixels(himetric.width()) + 2 * p_.bevelSize,
                           qvrun::yHimetricToPixels(himetric.height()) + 2 * p_.bevelSize);
        const QSize now = controlSize();
        if (std::abs(now.width() - wanted.width()) > 3 || std::abs(now.height() - wanted.height()) > 3) {
            setModifiedFlag();
            if (window())
                window()->resize(wanted);
            else
                setControlSize(wanted);
        }
    }

    const int borderWidth = p_.borderStyle != 0 ? 1 : 0;
    qvrun::drawFrame(window(), dc, p_.bevelSize, borderWidth, p_.borderStyle, p_.bevelStyle, p_.bevelStyle == 0 ? 3 : 0,
                     pictureValid ? 0 : -1, p_.shadowColor, p_.lightColor, p_.fillColor, p_.borderColor, 0,
                     p_.autoSize != 0, action, p_.wallPaper, 0, 0, item);
    if (pictureValid)
        renderPicture(dc, picture_, qvrun::innerRect(item, p_.bevelStyle, p_.bevelSize, borderWidth), p_.wallPaper,
                      p_.fillColor);

    const int width = item.width();
    const int bevelLeft = p_.bevelStyle == qvrun::kBevelShadowedRight ? 0 : p_.bevelSize;
    const int bevelRight = p_.bevelStyle == qvrun::kBevelShadowedLeft ? 0 : p_.bevelSize;
    if (p_.checkBox2d) {
        // The flat look: one cell of the system's radio buttons, painted in
        // over its mask so the face round it shows through.
        const QImage& cells = flatBoxCells();
        const int cellWidth = cells.width() / 4;
        const int cellHeight = cells.height() / 3;
        const int column = (p_.value == 1 ? 1 : 0) + ((pressed || p_.value == 2) ? 2 : 0);
        int y = item.top() + item.height() / 2 - cellHeight / 2;
        if (p_.bevelStyle == qvrun::kBevelShadowedRight)
            y -= p_.bevelSize / 2;
        else if (p_.bevelStyle == qvrun::kBevelShadowedLeft)
            y += p_.bevelSize / 2;
        const int x = p_.boxAlignment == 0 ? item.left() + bevelLeft + borderWidth + 2
                                           : item.left() + width - bevelRight - cellWidth - borderWidth - 2;
        auto transfer = [&](int cellColumn, int row, QPainter::CompositionMode mode) {
            dc.setCompositionMode(mode);
            dc.drawImage(QPoint(x, y), cells, QRect(cellColumn * cellWidth, row * cellHeight, cellWidth, cellHeight));
        };
        transfer(3, 1, QPainter::RasterOp_NotSourceOrDestination);
        transfer(0, 2, QPainter::RasterOp_SourceOrDestination);
        transfer(column, 1, QPainter::RasterOp_SourceAndDestination);
        dc.setCompositionMode(QPainter::CompositionMode_SourceOver);
    } else {
        const int s = p_.boxSize;
        const int x = p_.boxAlignment == 0 ? item.left() + bevelLeft + borderWidth + 2
                                           : item.left() + width - bevelRight - s - borderWidth - 2;
        const int y = item.top() + item.height() / 2 - s / 2;
        Ptr<Picture> boxPicture;
        if (pressed)
            boxPicture = picturePressed_;
        else if (p_.value == 0)
            boxPicture = pictureUnchecked_;
        else if (p_.value == 1 || p_.value == -1)
            boxPicture = pictureChecked_;
        else if (p_.value == 2)
            boxPicture = pictureGrayed_;
        if (isValid(boxPicture)) {
            int top = y;
            if (p_.bevelStyle == qvrun::kBevelShadowedRight)
                top -= p_.bevelSize;
            else if (p_.bevelStyle == qvrun::kBevelShadowedLeft)
                top += p_.bevelSize / 2;
            renderPicture(dc, boxPicture, QRect(x, top, s, s), p_.wallPaper, p_.fillColor);
        } else if (item.right() > 0) {
            int top = y;
            if (p_.bevelStyle == qvrun::kBevelShadowedRight)
                top -= p_.bevelSize / 2;
            else if (p_.bevelStyle == qvrun::kBevelShadowedLeft)
                top += p_.bevelSize / 2;
            const QPen shadowPen(shadow, 1), lightPen(light, 1), borderPen(border, 1);
            dc.setRenderHint(QPainter::Antialiasing, false);
            if (p_.value == 2) {
                dc.setPen(shadowPen);
                dc.setBrush(shadow);
            } else {
                dc.setPen(lightPen);
                dc.setBrush(light);
            }
            dc.drawEllipse(figure(x + 2, top + 2, x + s, top + s));
            dc.setBrush(Qt::NoBrush);
            dc.setPen(shadowPen);
            dc.drawEllipse(figure(x, top, x + s - 1, top + s - 1));
            dc.drawEllipse(figure(x + 2, top + 2, x + s - 1, top + s - 1));
            // The upper left half in the border colour.
            dc.setPen(borderPen);
            dc.drawArc(figure(x + 1, top + 1, x + s - 1, top + s - 1), 45 * 16, 180 * 16);
            if (p_.value != 0) {
                dc.setBrush(border);
                dc.drawEllipse(figure(x + 4, top + 4, x + s - 4, top + s - 4));
                dc.setBrush(Qt::NoBrush);
            }
            if (pressed)
                dc.drawEllipse(figure(x + 3, top + 3, x + s - 3, top + s - 3));
        }
    }

    if (action == 1) {
        const QRect rect = captionRect(item);
        dc.setFont(font());
        if (!p_.caption.isEmpty()) {
            unsigned flags =
                p_.multiline ? unsigned(qvrun::kTextWordBreak) : unsigned(qvrun::kTextSingleLine | qvrun::kTextVCenter);
            if (p_.alignment == 1)
                flags |= qvrun::kTextRight;
            else if (p_.alignment == 2)
                flags |= qvrun::kTextCenter;
            std::uint32_t textColor = p_.textColor;
            int style = p_.fontStyle;
            if (!enabled()) {
                // Grey text, or a mid grey where the face is the grey-text
                // colour; where the mid grey is the face too (the grey-text
                // colour is that grey), the dark shadow grey, so the letters
                // never vanish into the face.
                const std::uint32_t face = qvrun::translateColor(p_.fillColor);
                textColor = kGrayTextColor;
                if (qvrun::translateColor(textColor) == face)
                    textColor = kMidGrey;
                if (qvrun::translateColor(textColor) == face)
                    textColor = kDarkShadowColor;
                style = qvrun::kInsetLight;
            }
            if (!p_.fontTransparent) {
                const int align =
                    (p_.multiline ? Qt::TextWordWrap | Qt::AlignTop : Qt::AlignVCenter | Qt::TextSingleLine)
                    | (p_.alignment == 1   ? Qt::AlignRight
                       : p_.alignment == 2 ? Qt::AlignHCenter
                                           : Qt::AlignLeft)
                    | Qt::TextShowMnemonic;
                dc.fillRect(dc.boundingRect(rect, align, QString::fromLatin1(p_.caption)).intersected(rect), fill);
            }
            qvrun::draw3dText(dc, p_.caption.constData(), -1, rect, flags, style, textColor, p_.lightColor,
                              p_.shadowColor);
        }
        if (focused) {
            dc.setPen(QPen(qvrun::toColor(p_.textColor), 1, Qt::DotLine));
            dc.setBrush(Qt::NoBrush);
            dc.drawRect(rect.adjusted(0, 0, -1, -1));
        }
    }
    dc.restore();
}

void CQv3dOptionCtrl::onDraw(QPainter& painter, const QRect& bounds, const QRect&)
{
    DrawOptionButton(painter, 1, pushed_, bounds);
}

} // namespace qv3dopt
