#include "pictures.h"

#include "drawings.h"
#include "output.h"
#include "sheet.h"

#include <QPainter>
#include <functional>
#include <utility>
#include <vector>

namespace assets {

namespace drawings {

QImage noPicture()
{
    QImage image = sheet::blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QPen(QColor(214, 210, 200), 1, Qt::DashLine));
    p.drawRect(QRectF(24.5, 24.5, sheet::kWidth - 49, sheet::kHeight - 49));
    p.setFont(sheet::font(22));
    p.setPen(QColor(150, 150, 150));
    p.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("No picture"));
    return image;
}

} // namespace drawings

bool writePictures(const QString &folder)
{
    const std::vector<std::pair<const char *, std::function<QImage()>>> pictures = {
        {"blank.jpg", drawings::noPicture},
        {"scba.jpg", drawings::breathingApparatus},
        {"fire_tetrahedron.jpg", drawings::fireTetrahedron},
        {"extinguisher_classes.jpg", drawings::extinguisherClasses},
        {"bowline.jpg", drawings::bowline},
        {"clove_hitch.jpg", drawings::cloveHitch},
        {"extension_ladder.jpg", drawings::extensionLadder},
        {"halligan.jpg", drawings::halligan},
        {"hydrant.jpg", drawings::hydrant},
        {"fog_nozzle.jpg", drawings::fogNozzle},
        {"sprinkler_head.jpg", drawings::sprinklerHead},
        {"placard.jpg", drawings::placard},
        {"smoke_detector.jpg", drawings::smokeDetector},
        {"truss.jpg", drawings::truss},
    };
    const QString dir = folder + QStringLiteral("/pictures/");
    for (const auto &[name, draw] : pictures) {
        // Line drawings keep crisp edges at a higher quality for little extra size.
        if (!writeJpeg(draw(), dir + QLatin1String(name), 88))
            return false;
    }
    return true;
}

} // namespace assets
