#include "widgets/XP_ProgressBar.h"

#include "platform/core/Errors.h"
#include "platform/gdi/Edge.h"
#include "platform/gdi/Rounding.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <climits>

using gdi::ColorRef;
using gdi::rgb;

namespace {

constexpr ColorRef white = rgb(255, 255, 255);
constexpr ColorRef black = rgb(0, 0, 0);
constexpr ColorRef silver = rgb(192, 192, 192);
constexpr ColorRef defaultColour = gdi::systemColor(gdi::sys::highlight);

constexpr int defaultBrushStyle = 4;
constexpr int defaultMax = 100;
constexpr int defaultMin = 0;

// The frame around styles 0 to 2 and 9.
constexpr ColorRef frameShadow = rgb(190, 190, 190);
constexpr ColorRef frameLight = rgb(239, 239, 239);
constexpr ColorRef frameBorder = rgb(104, 104, 104);

int nearest(double x)
{
    return int(std::clamp(gdi::roundHalfEven(x), double(INT_MIN), double(INT_MAX)));
}

// Each channel moved towards white by k of 255 (0 leaves the colour, 255
// gives white); the colour is taken as it stands, unresolved.
ColorRef LightenColor(ColorRef c, int k)
{
    const auto channel = [k](int x) { return std::min(x * (255 - k) / 255 + k, 255); };
    return rgb(channel(gdi::redOf(c)), channel(gdi::greenOf(c)), channel(gdi::blueOf(c)));
}

// k of 255 parts of a, the rest of b: 255 gives a, 0 gives b.
ColorRef BlendColor(ColorRef a, ColorRef b, int k)
{
    a = gdi::resolveColor(a);
    b = gdi::resolveColor(b);
    const auto channel = [k](int x, int y) { return nearest(double(y * (255 - k)) / 255 + double(x * k) / 255); };
    return rgb(channel(gdi::redOf(a), gdi::redOf(b)), channel(gdi::greenOf(a), gdi::greenOf(b)),
               channel(gdi::blueOf(a), gdi::blueOf(b)));
}

} // namespace

XP_ProgressBar::XP_ProgressBar(QWidget* parent) : QWidget(parent), surface_(&ownSurface_)
{
    // Every paint covers the whole bar from the buffer.
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);

    setHdc();
    colour_ = gdi::resolveColor(defaultColour);
    DrawProgressBar();
}

XP_ProgressBar::~XP_ProgressBar()
{
    FreeBuffer();
}

// ---- Properties ------------------------------------------------------------

int XP_ProgressBar::Value() const
{
    // The percent taken back onto the range Min to Max.
    const double range = double(maximum_) - double(minimum_);
    return nearest(double(minimum_) + double(percent_) * range / 100.0);
}

void XP_ProgressBar::setValue(int value)
{
    // The value's place between Min and Max, as a percent. With the range 0
    // to 100 of every window the percent is the value itself.
    const qint64 scaled = (qint64(value) - minimum_) * 100;
    if (scaled < INT_MIN || scaled > INT_MAX)
        throw platform::errors::overflow();
    const qint64 range = qint64(maximum_) - minimum_;
    if (range == 0)
        throw platform::errors::divisionByZero();
    // A range of at least 1 keeps the percent within the 32 bits of scaled.
    percent_ = int(gdi::roundHalfEven(double(scaled) / double(range)));
    DrawProgressBar();
}

void XP_ProgressBar::setMin(int value)
{
    minimum_ = value;
    emit propertyChanged(QStringLiteral("Min"));
}

void XP_ProgressBar::setMax(int value)
{
    maximum_ = value;
    emit propertyChanged(QStringLiteral("Max"));
}

void XP_ProgressBar::setColor(ColorRef color)
{
    colour_ = gdi::resolveColor(color);
    DrawProgressBar();
}

void XP_ProgressBar::setBrushStyle(int style)
{
    hatchStyle_ = style;
    emit propertyChanged(QStringLiteral("BrushStyle"));
}

void XP_ProgressBar::setImage(const QImage& image)
{
    pattern_ = image;
    emit propertyChanged(QStringLiteral("Image"));
    DrawProgressBar();
}

void XP_ProgressBar::setOrientation(int orientation)
{
    orientation_ = orientation;
    emit propertyChanged(QStringLiteral("Orientation"));
    DrawProgressBar();
}

void XP_ProgressBar::setScrolling(int style)
{
    style_ = style;
    emit propertyChanged(QStringLiteral("Scrolling"));
    DrawProgressBar();
}

void XP_ProgressBar::setShowText(bool show)
{
    showText_ = show;
    emit propertyChanged(QStringLiteral("ShowText"));
    DrawProgressBar();
}

void XP_ProgressBar::setFont(const QFont& font)
{
    font_ = font;
}

QWidget* XP_ProgressBar::hWnd() const
{
    return window_ ? window_.data() : const_cast<XP_ProgressBar*>(this);
}

void XP_ProgressBar::setHWnd(QWidget* window)
{
    window_ = window;
}

void XP_ProgressBar::setHdc()
{
    gdi::DeviceContext* buffer = EnsureBuffer(width(), height());
    if (buffer) {
        surface_ = buffer;
        buffered_ = true;
    } else {
        surface_ = &ownSurface_;
    }
}

// ---- Persistence -----------------------------------------------------------

void XP_ProgressBar::UserControl_ReadProperties(const gdi::PropertyBag& bag)
{
    const QVariant font = bag.readProperty(QStringLiteral("Font"));
    if (font.canConvert<QFont>())
        font_ = font.value<QFont>();
    hatchStyle_ = bag.readProperty(QStringLiteral("BrushStyle"), defaultBrushStyle).toInt();
    setColor(ColorRef(bag.readProperty(QStringLiteral("Color"), qint64(defaultColour)).toLongLong()));
    pattern_ = bag.readProperty(QStringLiteral("Image")).value<QImage>();
    setMax(bag.readProperty(QStringLiteral("Max"), defaultMax).toInt());
    setMin(bag.readProperty(QStringLiteral("Min"), defaultMin).toInt());
    setOrientation(bag.readProperty(QStringLiteral("Orientation"), 0).toInt());
    setScrolling(bag.readProperty(QStringLiteral("Scrolling"), 0).toInt());
    setShowText(bag.readProperty(QStringLiteral("ShowText"), false).toBool());
    setValue(bag.readProperty(QStringLiteral("Value"), 0).toInt());
}

void XP_ProgressBar::UserControl_WriteProperties(gdi::PropertyBag& bag) const
{
    bag.writeProperty(QStringLiteral("Font"), font_);
    bag.writeProperty(QStringLiteral("BrushStyle"), hatchStyle_, defaultBrushStyle);
    bag.writeProperty(QStringLiteral("Color"), qint64(colour_), qint64(defaultColour));
    bag.writeProperty(QStringLiteral("Image"), pattern_.isNull() ? QVariant() : QVariant(pattern_));
    bag.writeProperty(QStringLiteral("Max"), maximum_, defaultMax);
    bag.writeProperty(QStringLiteral("Min"), minimum_, defaultMin);
    bag.writeProperty(QStringLiteral("Orientation"), orientation_, 0);
    bag.writeProperty(QStringLiteral("Scrolling"), style_, 0);
    bag.writeProperty(QStringLiteral("ShowText"), showText_, false);
    // The value, not the raw percent, so that reading it back through Value
    // restores the same percent whatever Min and Max are.
    bag.writeProperty(QStringLiteral("Value"), Value(), 0);
}

// ---- Showing ---------------------------------------------------------------

QImage XP_ProgressBar::picture() const
{
    if (!buffer_)
        return {};
    return buffer_->bitmap().copy(0, 0, width(), height());
}

QSize XP_ProgressBar::bufferSize() const
{
    return buffer_ ? buffer_->size() : QSize();
}

void XP_ProgressBar::DrawProgressBar()
{
    render();
    // The block transfer to the screen happens in the paint it asks for.
    if (buffered_)
        update();
}

void XP_ProgressBar::paintEvent(QPaintEvent*)
{
    render();
    if (!buffer_)
        return;
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(0, 0), buffer_->bitmap(), QRect(0, 0, width(), height()));
}

void XP_ProgressBar::resizeEvent(QResizeEvent*)
{
    setHdc();
}

void XP_ProgressBar::pDraw(gdi::DeviceContext& hdc, int xSrc, int ySrc, int width, int height, int xDest, int yDest)
{
    if (!buffer_)
        return;
    if (width < 1)
        width = buffer_->size().width();
    if (height < 1)
        height = buffer_->size().height();
    hdc.bitBlt(xDest, yDest, width, height, *buffer_, xSrc, ySrc);
}

gdi::DeviceContext* XP_ProgressBar::EnsureBuffer(int width, int height)
{
    // The buffer is made again only when the bar outgrows it, never smaller.
    if (!buffer_) {
        if (width > 0 && height > 0)
            CreateBuffer(width, height);
    } else if (width > buffer_->size().width() || height > buffer_->size().height()) {
        CreateBuffer(width, height);
    }
    return buffer_ ? &*buffer_ : nullptr;
}

void XP_ProgressBar::CreateBuffer(int width, int height)
{
    FreeBuffer();
    buffer_.emplace(QSize(width, height));
    if (buffer_->isNull()) // no memory for the bitmap: no buffer
        buffer_.reset();
}

void XP_ProgressBar::FreeBuffer()
{
    if (surface_ == (buffer_ ? &*buffer_ : nullptr))
        surface_ = &ownSurface_;
    buffer_.reset();
}

// ---- Drawing ---------------------------------------------------------------

int XP_ProgressBar::drawnPercent() const
{
    // A negative percent is kept as written but drawn as 0 %.
    return std::max(percent_, 0);
}

int XP_ProgressBar::drawingStyle() const
{
    return style_ >= 0 && style_ <= 9 ? style_ : 1;
}

bool XP_ProgressBar::isSplitStyle() const
{
    return style_ == 6 || style_ == 9;
}

void XP_ProgressBar::render()
{
    // A hidden widget hears of a resize only when it is shown; the buffer
    // must cover the bar before then all the same.
    if (!buffer_ || width() > buffer_->size().width() || height() > buffer_->size().height())
        setHdc();
    if (percent_ > 100)
        percent_ = 100;
    const QWidget* window = hWnd();
    client_ = {0, 0, window->width(), window->height()};
    FillSolid(client_, style_ == 6 ? black : white);

    switch (drawingStyle()) {
    case 3:
        DrawStyleFlat();
        break;
    case 4:
        DrawStyleEtched();
        break;
    case 5:
        DrawStyleFramed();
        break;
    case 6:
        DrawStyleDark();
        break;
    case 7:
        DrawStyleHatch();
        break;
    case 8:
        DrawStylePattern();
        break;
    case 9:
        DrawStyleGlass();
        break;
    default:
        LayoutBar();
        DrawBarBody();
        if (drawingStyle() == 0)
            DrawSegmentGaps();
        DrawFrame3D();
        break;
    }
    DrawPercentText();
}

void XP_ProgressBar::DrawLine(int x1, int y1, int x2, int y2, gdi::DeviceContext& hdc, ColorRef colour)
{
    const gdi::Pen previous = hdc.selectPen(gdi::Pen{gdi::resolveColor(colour), false});
    hdc.moveTo(x1, y1);
    hdc.lineTo(x2, y2);
    hdc.selectPen(previous);
}

void XP_ProgressBar::line(int x1, int y1, int x2, int y2, ColorRef colour)
{
    DrawLine(x1, y1, x2, y2, *surface_, colour);
}

void XP_ProgressBar::DrawGradient(ColorRef& fromColour, ColorRef& toColour, int x, int y, int width, int height,
                                  gdi::DeviceContext& hdc, bool acrossX)
{
    fromColour = gdi::resolveColor(fromColour);
    toColour = gdi::resolveColor(toColour);
    const int count = acrossX ? width : height;
    // The steps are single precision; a count of 0 forms no step, so the one
    // line drawn then has the start colour.
    float stepRed = 0, stepGreen = 0, stepBlue = 0;
    if (count != 0) {
        stepRed = float(double(gdi::redOf(toColour) - gdi::redOf(fromColour)) / count);
        stepGreen = float(double(gdi::greenOf(toColour) - gdi::greenOf(fromColour)) / count);
        stepBlue = float(double(gdi::blueOf(toColour) - gdi::blueOf(fromColour)) / count);
    }
    for (int i = 0; i <= count; ++i) {
        const ColorRef colour = rgb(nearest(gdi::redOf(fromColour) + double(stepRed) * i),
                                    nearest(gdi::greenOf(fromColour) + double(stepGreen) * i),
                                    nearest(gdi::blueOf(fromColour) + double(stepBlue) * i));
        // The counting argument is also the far end of every line.
        if (acrossX)
            DrawLine(x + i, y, x + i, height, hdc, colour);
        else
            DrawLine(x, y + i, width, y + i, hdc, colour);
    }
}

void XP_ProgressBar::gradient(ColorRef from, ColorRef to, int x, int y, int width, int height, bool acrossX)
{
    DrawGradient(from, to, x, y, width, height, *surface_, acrossX);
}

void XP_ProgressBar::DrawBorder(const gdi::Rect& rect, ColorRef colour)
{
    surface_->frameRect(rect, gdi::Brush::solid(colour));
}

void XP_ProgressBar::FillSolid(const gdi::Rect& rect, ColorRef colour)
{
    surface_->fillRect(rect, gdi::Brush::solid(gdi::resolveColor(colour)));
}

// Styles 0 to 2: the fill edge, snapped back to whole segments.
void XP_ProgressBar::LayoutBar()
{
    const int style = drawingStyle();
    segmentWidth_ = style == 0 ? 6 : 0;
    segmentGap_ = 2;
    const int step = segmentWidth_ + segmentGap_;

    client_.left += 3; // until DrawFrame3D
    bar_ = client_;
    fraction_ = std::max(drawnPercent() / 98.0, 0.0); // 98: the full bar is reached a little early

    if (orientation_ == 0) {
        const int x = nearest((client_.right - client_.left) * fraction_ + client_.left);
        bar_.right = x - (x - bar_.left) % step;
        if (bar_.right < client_.left)
            bar_.right = client_.left;
    } else {
        fraction_ = 1.0 - fraction_;
        const int y = nearest((client_.bottom - client_.top) * fraction_ + client_.top);
        bar_.top = y - (y - bar_.bottom) % step;
        if (bar_.top > client_.bottom)
            bar_.top = client_.bottom;
    }
}

void XP_ProgressBar::DrawBarBody()
{
    const int R = client_.right;
    const int B = client_.bottom;
    const ColorRef c = colour_;
    const bool searching = drawingStyle() == 2;

    if (orientation_ == 0) {
        if (bar_.right <= 14)
            bar_.right = 12; // a short stub shows even at 0 %
        const int e = bar_.right + 4 > R ? bar_.right - 4 : bar_.right;
        if (searching) {
            // Three blocks that run up to the fill edge as the percent grows.
            for (int i = 0; i < 3; ++i) {
                const int left = nearest(bar_.right + 12 * i - (100 - drawnPercent()) / 100.0 * 45);
                gradient(LightenColor(c, 220 - 40 * i), LightenColor(c, 200 - 40 * i), left, 3, 9, B - 2, true);
            }
        } else {
            gradient(LightenColor(c, 150), c, 4, 3, e, 6, false);
            FillSolid({4, 8, e, B - 8}, c);
            gradient(c, LightenColor(c, 150), 4, B - 10, e, 6, false);
        }
        return;
    }

    if (searching) {
        for (int i = 0; i < 3; ++i) {
            const int top = bar_.top + 12 * i;
            gradient(LightenColor(c, 220 - 40 * i), LightenColor(c, 200 - 40 * i), R - 2, top, 2, 9, false);
        }
    } else {
        gradient(LightenColor(c, 150), c, 4, bar_.top, 4, B, true);
        FillSolid({9, bar_.top, R - 8, B}, c);
        gradient(c, LightenColor(c, 150), R - 8, bar_.top, 4, B, true);
    }
}

// Style 0: white gaps every 8 pixels across the fill.
void XP_ProgressBar::DrawSegmentGaps()
{
    const gdi::Brush gapBrush = gdi::Brush::solid(white);
    if (orientation_ == 0) {
        for (int x = bar_.left + 6; x <= bar_.right; x += 8)
            surface_->fillRect({x + 1, client_.top, x + 3, client_.bottom}, gapBrush);
    } else {
        for (int y = bar_.bottom; y >= bar_.top + 6; y -= 8)
            surface_->fillRect({client_.left, y - 2, client_.right, y}, gapBrush);
    }
}

void XP_ProgressBar::DrawFrame3D()
{
    client_.left -= 3;
    const int R = client_.right;
    const int B = client_.bottom;

    line(2, 1, R - 2, 1, frameShadow);
    line(2, B - 2, R - 2, B - 2, frameLight);
    line(1, 2, 1, B - 2, frameShadow);
    line(2, 2, 2, B - 2, frameLight);
    line(2, 2, R - 2, 2, frameLight);
    line(R - 2, 2, R - 2, B - 2, frameLight);

    DrawBorder(client_, frameBorder);

    // Rounded corners.
    struct Dot {
        int x, y;
        ColorRef colour;
    };
    const ColorRef edge1 = rgb(172, 171, 166);
    const ColorRef edge2 = rgb(127, 126, 125);
    const ColorRef edge3 = rgb(172, 171, 167);
    const ColorRef inner = rgb(119, 119, 119);
    const Dot dots[] = {
        // top left
        {0, 0, white},
        {0, 1, edge1},
        {0, 2, edge2},
        {1, 0, edge3},
        {1, 1, inner},
        {2, 0, edge2},
        {2, 2, frameShadow},
        // bottom left
        {0, B - 1, white},
        {1, B - 1, edge1},
        {2, B - 1, edge2},
        {0, B - 3, edge2},
        {0, B - 2, edge3},
        {1, B - 2, inner},
        // top right
        {R - 1, 0, white},
        {R - 1, 1, frameShadow},
        {R - 1, 2, edge2},
        {R - 2, 2, frameShadow},
        {R - 2, 1, frameBorder},
        // bottom right
        {R - 1, B - 1, white},
        {R - 1, B - 2, frameShadow},
        {R - 1, B - 3, edge2},
        {R - 2, B - 2, inner},
        {R - 2, B - 1, frameShadow},
        {R - 3, B - 1, edge2},
    };
    for (const Dot& dot : dots)
        surface_->setPixel(dot.x, dot.y, dot.colour);
}

void XP_ProgressBar::DrawStyleFlat()
{
    const ColorRef c = colour_;
    DrawBorder(client_, LightenColor(c, 100));
    bar_ = {1, 1, nearest(drawnPercent() / 100.0 * client_.width() + client_.left), client_.bottom - 1};
    FillSolid(bar_, LightenColor(c, 180));
}

void XP_ProgressBar::DrawStyleEtched()
{
    const ColorRef c = colour_;
    gdi::drawEdge(*surface_, client_, gdi::edge::etched, gdi::side::all);
    const int e = nearest(drawnPercent() / 100.0 * (client_.width() - 4) + client_.left);
    gradient(LightenColor(c, 140), LightenColor(c, 200), 2, 2, e, client_.bottom - 3, true);
}

void XP_ProgressBar::DrawStyleFramed()
{
    const ColorRef c = colour_;
    const int R = client_.right;
    const int B = client_.bottom;
    DrawBorder(client_, LightenColor(c, 10));
    const int e = nearest(drawnPercent() / 101.0 * client_.width() + client_.left);
    bar_.right = e;
    gradient(c, LightenColor(c, 100), 2, 2, R - 2, B - 5, false);
    gradient(LightenColor(c, 250), c, 3, 3, e, B - 6, false);
    line(e, 2, e, B - 2, LightenColor(c, 25));
}

void XP_ProgressBar::DrawStyleDark()
{
    const ColorRef c = colour_;
    DrawBorder(client_, BlendColor(c, black, 200));
    const ColorRef end = LightenColor(gdi::resolveColor(BlendColor(c, black, 100)), 10);
    const int e = nearest(drawnPercent() / 100.0 * (client_.width() - 5) + client_.left);
    gradient(black, end, 2, 2, e, client_.bottom - 2, true);
}

void XP_ProgressBar::DrawStyleHatch()
{
    const ColorRef c = colour_;
    gdi::drawEdge(*surface_, client_, gdi::edge::bump, gdi::side::all);
    bar_ = {2, 2, nearest(drawnPercent() / 101.0 * client_.width() + client_.left), client_.bottom - 2};
    const gdi::Brush hatch = gdi::Brush::hatch(qint16(hatchStyle_), Color());
    surface_->setBkColor(LightenColor(c, 140));
    surface_->fillRect(bar_, hatch);
}

void XP_ProgressBar::DrawStylePattern()
{
    gdi::drawEdge(*surface_, client_, gdi::edge::sunkenOuter, gdi::side::all);
    if (pattern_.isNull())
        return;
    const gdi::Brush previous = surface_->selectBrush(gdi::Brush::pattern(pattern_));
    const int e = nearest(drawnPercent() / 101.0 * client_.width() + client_.left);
    bar_.right = e;
    surface_->patBlt(2, 2, e, client_.bottom - 4);
    surface_->selectBrush(previous);
}

void XP_ProgressBar::DrawStyleGlass()
{
    const ColorRef c = colour_;
    const int R = client_.right;
    const int e = nearest(drawnPercent() / 100.0 * (client_.width() - 4) + client_.left);
    bar_.right = e;
    const int h = nearest((client_.bottom - 3) / 2.0);
    gradient(white, silver, 2, 2, R - 3, h, false);
    gradient(BlendColor(silver, black, 255), silver, 2, h, R - 3, h, false);
    gradient(LightenColor(c, 150), BlendColor(c, black, 180), 2, 2, e, h, false);
    gradient(BlendColor(c, black, 190), c, 2, h, e, h, false);
    client_.left += 3;
    DrawFrame3D();
}

// ---- Text ------------------------------------------------------------------

void XP_ProgressBar::DrawPercentText()
{
    const QString text =
        style_ == 2 ? QStringLiteral("Searching..") : QString::number(drawnPercent()) + QStringLiteral(" %");
    if (!showText_)
        return;

    const QFont previousFont = surface_->selectFont(font_);
    // The background mode is put back afterwards, so that it never reaches
    // the hatch of style 7 at the next repaint.
    const gdi::BackgroundMode previousMode = surface_->setBkMode(gdi::BackgroundMode::Transparent);
    surface_->setTextColor(style_ == 6 ? silver : black);
    CenterTextRect(text);

    const double fill = drawnPercent() / 100.0 * client_.right;
    if (!(isSplitStyle() && fill > text_.right)) {
        gdi::Rect rect = text_;
        surface_->drawText(text, rect, gdi::text::singleLine);
    }
    surface_->selectFont(previousFont);

    if (isSplitStyle())
        DrawSplitText(text);
    surface_->setBkMode(previousMode);
}

void XP_ProgressBar::CenterTextRect(const QString& text)
{
    gdi::Rect extent;
    surface_->drawText(text, extent, gdi::text::calcRect);
    const int w = extent.width();
    const int h = extent.height();
    text_.left = nearest(client_.right / 2.0 - w / 2.0);
    text_.top = nearest(client_.bottom / 2.0 - h / 2.0);
    text_.right = text_.left + w;
    text_.bottom = text_.top + h;
}

// Styles 6 and 9: the part of the text over the fill again in a contrast
// colour, cut at the fill edge.
void XP_ProgressBar::DrawSplitText(const QString& text)
{
    const double fill = drawnPercent() / 100.0 * client_.right;
    if (fill < text_.left)
        return;
    const QFont previousFont = surface_->selectFont(font_);
    surface_->setBkMode(gdi::BackgroundMode::Transparent);
    surface_->setTextColor(style_ == 9 ? white : LightenColor(colour_, 80));
    gdi::Rect rect = text_;
    rect.right = nearest(fill);
    surface_->drawText(text, rect, gdi::text::singleLine);
    surface_->selectFont(previousFont);
}
