#pragma once

#include "platform/data/BoundControl.h"

#include <QPixmap>
#include <QWidget>

class QFontMetrics;
class QMimeData;

namespace forms {

// The 3-D label button of the tables of contents: a caption over a texture
// (or the window's button colour) inside a classic bevel. The windows give it
// the held-down look themselves, by setting the bevel and the caption in its
// mouse-down and mouse-up steps; the control only reports the mouse.
//
// Bound to a field, it shows the field's value as its caption; a caption set
// by code (a dropped chapter title) marks it changed, so the title is stored
// with the row.
class Qv3dLabel : public QWidget, public data::BoundControl {
    Q_OBJECT
public:
    // The inner bevel: raised at rest, none while held down, inset.
    enum Bevel { BevelNone = 0, BevelRaised = 1, BevelInset = 2 };

    explicit Qv3dLabel(QWidget* parent = nullptr, const QString& caption = {});

    // "&" marks the access-key letter, as on the other controls ("&&" is one "&").
    // Alt with that letter, anywhere in the window, runs the whole press as a
    // click does; a caption without one has no access key.
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    // 24-bit RGB, red in the low byte; 380 outside 0..16777215.
    int captionColor() const { return captionColor_; }
    void setCaptionColor(int rgb);

    // The button texture, scaled to fill the button. A file that is missing or
    // no picture returns false and keeps the texture shown before.
    bool setPicture(const QString& path);
    void clearPicture();
    bool hasPicture() const { return !picture_.isNull(); }
    QPixmap picture() const { return picture_; }
    QString picturePath() const { return picturePath_; } // "" when none

    // On: the caption word-wraps onto two lines, centred. Off: one line, elided.
    bool multiLine() const { return multiLine_; }
    void setMultiLine(bool on);

    // 0 none, 1 raised, 2 inset; 380 for any other value.
    int bevelStyleInner() const { return bevel_; }
    void setBevelStyleInner(int style);

    // Off by default: only the chapter buttons take dropped titles.
    bool acceptsTitleDrops() const { return acceptsTitleDrops_; }
    void setAcceptsTitleDrops(bool on);

    // What a drag of a chapter title carries; the caller (or the QDrag it is
    // handed to) owns it. The type is the program's own and the drag is
    // marked as this run's: a drop of anything else, plain text or the type
    // offered by another program included, is refused.
    static QString titleMimeType();
    static QMimeData* titleMimeData(const QString& title);

    // The caption as drawn: one line, or up to two when multiLine; a line that
    // does not fit ends in an ellipsis. Lines keep their "&" markers.
    static QStringList captionLines(const QString& caption, const QFontMetrics& metrics, int width, bool multiLine);
    QStringList shownCaptionLines() const;

    // A whole press as the keyboard and assistive tools give it: mouseDown and
    // mouseUp with button 1 at 0, 0, then click. Nothing while disabled.
    void press();

    // data::BoundControl
    QString dataField() const override { return dataField_; }
    void setDataField(const QString& field) { dataField_ = field; }
    void showFieldValue(const QVariant& value) override;
    QVariant boundValue() const override { return caption_; }
    bool dataChanged() const override { return dataChanged_; }
    void setDataChanged(bool changed) override { dataChanged_ = changed; }

    QSize sizeHint() const override;

signals:
    void click();
    // button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt; x, y in twips.
    void mouseDown(int button, int shift, int x, int y);
    void mouseUp(int button, int shift, int x, int y);
    // A chapter title dragged inside the program and dropped on the button.
    void dragDrop(const QString& droppedText);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void showCaption(const QString& caption);
    void takeAccessKey();
    QRect captionRect() const;
    const QPixmap& scaledPicture();

    QString caption_;
    int captionColor_ = 0;
    QPixmap picture_;
    QString picturePath_;
    QPixmap scaled_; // picture_ at the current size, made when first painted
    bool multiLine_ = false;
    int bevel_ = BevelRaised;
    bool acceptsTitleDrops_ = false;
    QString dataField_;
    bool dataChanged_ = false;
    int accessKeyId_ = 0; // the window's shortcut for the caption's access key; 0 none
};

} // namespace forms
