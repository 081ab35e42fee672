#include "platform/com/Picture.h"

#include <cmath>

namespace com {

namespace {

class StoredPicture final : public Object<Picture> {
public:
    StoredPicture(PictureType type, const QImage& image) : type_(type), image_(image) {}

    PictureType type() const override { return type_; }
    QImage image() const override { return image_; }
    QSize himetricSize() const override
    {
        if (image_.isNull())
            return {};
        // Dots per metre of the image: a hundredth of a millimetre is 1e-5 m.
        const double x = image_.dotsPerMeterX() > 0 ? image_.dotsPerMeterX() : 3780.0;
        const double y = image_.dotsPerMeterY() > 0 ? image_.dotsPerMeterY() : 3780.0;
        return {int(std::lround(image_.width() * 1e5 / x)), int(std::lround(image_.height() * 1e5 / y))};
    }

private:
    PictureType type_;
    QImage image_;
};

} // namespace

Ptr<Picture> makePicture(PictureType type, const QImage& image)
{
    return Ptr<Picture>(new StoredPicture(type, image));
}

} // namespace com
