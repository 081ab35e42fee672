#pragma once

#include <QColor>
#include <QString>

class QWidget;

namespace forms {

// Colours are stored and exchanged as the system's 24-bit values, encoded
// as the drawing layer's gdi::ColorRef (255 is red, 65280 green, 16777215
// white); the windows' properties take no system colours.
QColor colorFromValue(int value); // throws 380 outside 0..16777215
int valueFromColor(const QColor& color);

int foreColorOf(const QWidget& control);
void setForeColorOf(QWidget& control, int value);
int backColorOf(const QWidget& control);
void setBackColorOf(QWidget& control, int value);

// A refused value (an empty font name, a size that is not positive) throws
// 380 and leaves the font as it was, so a best-effort step keeps the design.
void setFontNameOf(QWidget& control, const QString& name);
void setFontSizeOf(QWidget& control, double points);
void setFontBoldOf(QWidget& control, bool on);
void setFontItalicOf(QWidget& control, bool on);
void setFontUnderlineOf(QWidget& control, bool on);

// The colour and font members the windows use, shared by the controls.
template <typename Self>
class Appearance {
public:
    int foreColor() const { return foreColorOf(self()); }
    void setForeColor(int value) { setForeColorOf(self(), value); }
    int backColor() const { return backColorOf(self()); }
    void setBackColor(int value) { setBackColorOf(self(), value); }

    QString fontName() const { return self().font().family(); }
    void setFontName(const QString& name) { setFontNameOf(self(), name); }
    double fontSize() const { return self().font().pointSizeF(); }
    void setFontSize(double points) { setFontSizeOf(self(), points); }
    bool fontBold() const { return self().font().bold(); }
    void setFontBold(bool on) { setFontBoldOf(self(), on); }
    bool fontItalic() const { return self().font().italic(); }
    void setFontItalic(bool on) { setFontItalicOf(self(), on); }
    bool fontUnderline() const { return self().font().underline(); }
    void setFontUnderline(bool on) { setFontUnderlineOf(self(), on); }

private:
    const Self& self() const { return static_cast<const Self&>(*this); }
    Self& self() { return static_cast<Self&>(*this); }
};

} // namespace forms
