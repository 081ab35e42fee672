#include "widgets/XPStyle.h"

#include "platform/forms/Twips.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>

namespace {
const QString programStyle = QStringLiteral("Fusion");
}

XPStyle::XPStyle(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("XPStyle"));
    // Whatever size the host offers, the face stays 810 by 810 twips.
    const int side = forms::toPixels(sizeTwips);
    setFixedSize(side, side);

    // The same look on every desktop, whatever theme the session runs.
    if (QApplication* application = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        if (application->style()->name().compare(programStyle, Qt::CaseInsensitive) != 0) {
            if (QStyle* style = QStyleFactory::create(programStyle))
                QApplication::setStyle(style); // the application owns it
        }
        if (application->style()->name().compare(programStyle, Qt::CaseInsensitive) == 0) {
            QApplication::setPalette(application->style()->standardPalette());
            appliedStyle_ = application->style()->name();
        }
    }
}

XPStyle::~XPStyle() = default;

void XPStyle::paintEvent(QPaintEvent*)
{
    // A fixed face: a raised tile, as the design shows the control.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF tile = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    QLinearGradient shade(tile.topLeft(), tile.bottomRight());
    shade.setColorAt(0, QColor(250, 250, 250));
    shade.setColorAt(1, QColor(196, 200, 210));
    painter.setPen(QPen(QColor(120, 124, 134), 1));
    painter.setBrush(shade);
    painter.drawRoundedRect(tile, 6, 6);
    painter.setPen(QColor(60, 64, 80));
    QFont face = font();
    face.setBold(true);
    face.setPixelSize(qMax(8, height() / 3));
    painter.setFont(face);
    painter.drawText(tile, Qt::AlignCenter, QStringLiteral("Aa"));
}
