#pragma once

#include "platform/gdi/Color.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/PropertyBag.h"
#include "platform/gdi/Rect.h"

#include <QFont>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include <optional>

// The program's drawn progress bar, carried as ProgressBar1 by the question,
// terminology and test-package windows. It draws itself into an off-screen
// buffer in one of ten styles (Scrolling 0 to 9) and shows the buffer in one
// block, so a bar redrawn on every record move does not flicker. The hosts
// set Value (a whole percent) and Visible; everything else comes from the
// window's design through UserControl_ReadProperties.
class XP_ProgressBar : public QWidget {
    Q_OBJECT
public:
    explicit XP_ProgressBar(QWidget* parent = nullptr);
    ~XP_ProgressBar() override;

    // The position. Writing v stores the percent nearest((v - Min) * 100 /
    // (Max - Min)) and repaints; a percent above 100 is cut to 100 by the
    // repaint. Throws error 6 when (v - Min) * 100 leaves the 32-bit range
    // and 11 when Max equals Min, storing nothing.
    int Value() const;
    void setValue(int value);

    int Min() const { return minimum_; }
    void setMin(int value);
    int Max() const { return maximum_; }
    void setMax(int value);

    // The base colour of every style. A system colour is resolved when
    // written and reads back as its RGB value.
    gdi::ColorRef Color() const { return colour_; }
    void setColor(gdi::ColorRef color);

    // The hatch of style 7 (0 to 5); it shows at the next repaint.
    void setBrushStyle(int style);

    // The bitmap tiled by style 8.
    QImage Image() const { return pattern_; }
    void setImage(const QImage& image);

    // 0 fills from the left; any other value from the bottom (styles 0 to 2).
    int Orientation() const { return orientation_; }
    void setOrientation(int orientation);

    // The drawing style, 0 to 9; any other value draws as style 1.
    int Scrolling() const { return style_; }
    void setScrolling(int style);

    bool ShowText() const { return showText_; }
    void setShowText(bool show);

    // The text's font, kept apart from the widget's own font so a host's font
    // never reaches the bar. It shows at the next repaint.
    QFont Font() const { return font_; }
    void setFont(const QFont& font);

    // The window whose client rectangle is measured at every repaint (the bar
    // itself unless set).
    QWidget* hWnd() const;
    void setHWnd(QWidget* window);

    // The surface drawn into: the buffer's, or the bar's own while there is
    // no buffer. setHdc re-sizes the buffer to the bar (it only ever grows).
    gdi::DeviceContext& hdc() { return *surface_; }
    void setHdc();

    // Draws the whole bar into the surface and shows it.
    void DrawProgressBar();
    // A one-pixel line in the resolved colour, without its end point.
    void DrawLine(int x1, int y1, int x2, int y2, gdi::DeviceContext& hdc, gdi::ColorRef colour);
    // One line per pixel column (acrossX) or row from fromColour to toColour;
    // the two colours are replaced by their resolved values. width (across)
    // or height counts the lines and is also the far end of every line.
    void DrawGradient(gdi::ColorRef& fromColour, gdi::ColorRef& toColour, int x, int y, int width, int height,
                      gdi::DeviceContext& hdc, bool acrossX);
    // Copies width x height of the buffer from (xSrc, ySrc) to (xDest, yDest);
    // a width or height below 1 stands for the buffer's.
    void pDraw(gdi::DeviceContext& hdc, int xSrc, int ySrc, int width, int height, int xDest, int yDest);

    // The design's values: "Font", "BrushStyle" (4), "Color" (0x8000000D),
    // "Image", "Max" (100), "Min" (0), "Orientation" (0), "Scrolling" (0),
    // "ShowText" (False) and "Value" (0), defaults not stored.
    void UserControl_ReadProperties(const gdi::PropertyBag& bag);
    void UserControl_WriteProperties(gdi::PropertyBag& bag) const;

    // What the buffer holds for the bar's current size (the last drawing).
    QImage picture() const;
    QSize bufferSize() const;

signals:
    // A persisted property changed, so the container stores the design again.
    void propertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void render();
    gdi::DeviceContext* EnsureBuffer(int width, int height);
    void CreateBuffer(int width, int height);
    void FreeBuffer();

    void LayoutBar();
    void DrawBarBody();
    void DrawSegmentGaps();
    void DrawFrame3D();
    void DrawStyleFlat();
    void DrawStyleEtched();
    void DrawStyleFramed();
    void DrawStyleDark();
    void DrawStyleHatch();
    void DrawStylePattern();
    void DrawStyleGlass();
    void DrawPercentText();
    void CenterTextRect(const QString& text);
    void DrawSplitText(const QString& text);

    void gradient(gdi::ColorRef from, gdi::ColorRef to, int x, int y, int width, int height, bool acrossX);
    void line(int x1, int y1, int x2, int y2, gdi::ColorRef colour);
    void DrawBorder(const gdi::Rect& rect, gdi::ColorRef colour);
    void FillSolid(const gdi::Rect& rect, gdi::ColorRef colour);
    int drawnPercent() const;
    int drawingStyle() const;
    bool isSplitStyle() const;

    gdi::ColorRef colour_ = 0;
    gdi::DeviceContext* surface_ = nullptr;
    QPointer<QWidget> window_;
    int maximum_ = 100;
    int minimum_ = 0;
    int percent_ = 0;
    bool showText_ = false;
    int style_ = 0;
    int orientation_ = 0;
    int hatchStyle_ = 0;
    QImage pattern_;
    bool buffered_ = false;
    std::optional<gdi::DeviceContext> buffer_;
    gdi::DeviceContext ownSurface_; // the bar's own: nothing drawn there shows
    QFont font_;
    double fraction_ = 0.0;
    gdi::Rect client_;
    gdi::Rect bar_;
    gdi::Rect text_;
    int segmentWidth_ = 0;
    int segmentGap_ = 2;
};
