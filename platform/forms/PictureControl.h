#pragma once

#include "platform/data/BoundControl.h"

#include <QByteArray>
#include <QImage>
#include <QLabel>
#include <QPixmap>

namespace forms {

// What picture and image boxes share: a picture loaded from a file or from
// stored bytes (a bound picture field), and the mouse steps. A file that is
// missing or not a picture leaves the box empty and reports false; it never
// raises an error and never marks the box changed.
class PictureControl : public QLabel, public data::BoundControl {
    Q_OBJECT
public:
    explicit PictureControl(QWidget* parent = nullptr);

    bool setPicture(const QString& path);
    bool setPictureData(const QByteArray& bytes);
    // A picture the program draws itself (a title picture): shown as it is,
    // with no file behind it, and never a new value for a data control.
    void showDrawnPicture(const QImage& image);
    void clearPicture(); // an empty picture, stored as such when bound
    // A short text in the middle of the box in place of a picture that
    // cannot be shown; the next picture replaces it.
    void showNote(const QString& text);
    bool hasPicture() const { return !picture_.isNull(); }
    QPixmap picture() const { return picture_; }
    // The file last loaded ("" for none, bytes, or a file that failed).
    QString picturePath() const { return path_; }

    // data::BoundControl: the field holds the picture's file bytes.
    QString dataField() const override { return dataField_; }
    void setDataField(const QString& field) { dataField_ = field; }
    void showFieldValue(const QVariant& value) override;
    QVariant boundValue() const override { return bytes_; }
    bool dataChanged() const override { return dataChanged_; }
    void setDataChanged(bool changed) override { dataChanged_ = changed; }

    // Off by default: a picture that is a drop target takes chapter titles
    // dragged inside the program and raises dragDrop with the title.
    bool acceptsTitleDrops() const { return acceptsTitleDrops_; }
    void setAcceptsTitleDrops(bool on);

signals:
    void click();
    void dblClick();
    // button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt; x, y in twips.
    void mouseDown(int button, int shift, int x, int y);
    void dragDrop(const QString& droppedText);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool display(const QByteArray& bytes, const QString& path);
    void showNothing();

    QPixmap picture_;
    QByteArray bytes_;
    QString path_;
    QString dataField_;
    bool dataChanged_ = false;
    bool acceptsTitleDrops_ = false;
};

} // namespace forms
