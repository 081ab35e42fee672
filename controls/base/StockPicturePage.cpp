// The stock picture page: the control's picture properties, the chosen
// one's picture, a picture loaded from a file or none to give it.
#include "controls/base/StockPages.h"

#include "platform/com/Picture.h"

#include <QFileDialog>
#include <QImageReader>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>

namespace controls {

StockPicturePage::StockPicturePage(std::span<const char* const> properties)
    : PropertyPage(hidden(static_cast<OwnedDesign&>(*this), "Picture", FieldKind::Text, properties).design),
      values_(properties.size())
{}

void StockPicturePage::onCreated(QWidget* window)
{
    window_ = window;
    addPropertyList(*this, window, fields, [this] { showChosen(); });
    const QFont font = window->font();
    auto* browse = new QPushButton(QStringLiteral("&Browse..."), window);
    browse->setObjectName(QStringLiteral("Browse"));
    browse->setGeometry(dialogUnitsToPixels(QRect(7, 40, 60, 14), font));
    auto* clear = new QPushButton(QStringLiteral("&Clear"), window);
    clear->setObjectName(QStringLiteral("Clear"));
    clear->setGeometry(dialogUnitsToPixels(QRect(7, 58, 60, 14), font));

    auto* preview = new QLabel(window);
    preview->setObjectName(QStringLiteral("Preview"));
    preview->setAccessibleName(QStringLiteral("Picture"));
    preview->setAlignment(Qt::AlignCenter);
    preview->setFrameShape(QFrame::StyledPanel);
    preview->setGeometry(dialogUnitsToPixels(QRect(115, 18, 128, 86), font));

    QObject::connect(browse, &QPushButton::clicked, window, [this] {
        QStringList patterns;
        for (const QByteArray& format : QImageReader::supportedImageFormats())
            patterns << QStringLiteral("*.") + QString::fromLatin1(format);
        const QString file = QFileDialog::getOpenFileName(window_, QStringLiteral("Load Picture"), QString(),
                                                          QStringLiteral("Pictures (%1)").arg(patterns.join(u' ')));
        if (file.isEmpty())
            return;
        const QImage image(file);
        if (image.isNull()) {
            QMessageBox::warning(window_, QStringLiteral("Picture"), QStringLiteral("Invalid picture"));
            return;
        }
        const auto type = file.endsWith(QLatin1String(".ico"), Qt::CaseInsensitive) ? com::PictureType::Icon
                                                                                    : com::PictureType::Bitmap;
        const auto picture = com::makePicture(type, image);
        choose(com::Variant::object(picture.get(), com::VarType::Dispatch));
    });
    QObject::connect(clear, &QPushButton::clicked, window,
                     [this] { choose(com::Variant::object(nullptr, com::VarType::Dispatch)); });
}

int StockPicturePage::chosenField() const
{
    return chosenFieldId(window_, fields);
}

void StockPicturePage::showValue(const PageField& field, QWidget*, const std::optional<com::Variant>& value)
{
    values_[std::size_t(field.id - 1)] = value;
    if (field.id == chosenField())
        showChosen();
}

bool StockPicturePage::fieldValue(const PageField& field, QWidget*, com::Variant* value, QString*)
{
    const auto& held = values_[std::size_t(field.id - 1)];
    *value = held ? *held : com::Variant::object(nullptr, com::VarType::Dispatch);
    return true;
}

void StockPicturePage::showChosen()
{
    const int id = chosenField();
    auto* preview = window_ ? window_->findChild<QLabel*>(QStringLiteral("Preview")) : nullptr;
    if (!id || !preview)
        return;
    const auto& held = values_[std::size_t(id - 1)];
    const auto picture = held ? com::Ptr<com::Picture>::query(held->object()) : com::Ptr<com::Picture>();
    const QImage image = picture ? picture->image() : QImage();
    if (image.isNull()) {
        // Nothing to draw: no picture, or the objects hold different ones.
        preview->setPixmap(QPixmap());
        preview->setText(held ? QStringLiteral("(None)") : QString());
        return;
    }
    const QSize room = preview->contentsRect().size();
    QPixmap pixmap = QPixmap::fromImage(image);
    if (pixmap.width() > room.width() || pixmap.height() > room.height())
        pixmap = pixmap.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    preview->setPixmap(pixmap);
}

void StockPicturePage::choose(const com::Variant& picture)
{
    const int id = chosenField();
    if (!id)
        return;
    values_[std::size_t(id - 1)] = picture;
    fieldEdited(id);
    showChosen();
}

} // namespace controls
