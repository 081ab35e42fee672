#include "platform/forms/TitleDrop.h"

#include "platform/forms/Qv3dLabel.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUuid>

namespace forms {

namespace {

QString originMimeType()
{
    return QStringLiteral("application/x-drillbook-drag-origin");
}

const QByteArray& originMark()
{
    static const QByteArray mark = QUuid::createUuid().toByteArray();
    return mark;
}

std::optional<QString> carriedTitle(const QDropEvent& event, bool takesTitles)
{
    const QMimeData* mime = event.mimeData();
    if (!takesTitles || !mime || !mime->hasFormat(Qv3dLabel::titleMimeType())
        || mime->data(originMimeType()) != originMark())
        return std::nullopt;
    QString title = QString::fromUtf8(mime->data(Qv3dLabel::titleMimeType()));
    if (title.size() > maxTitleLength)
        return std::nullopt;
    return title;
}

bool carriesTitle(const QDropEvent& event, bool takesTitles)
{
    return carriedTitle(event, takesTitles).has_value();
}

} // namespace

void markAsOurs(QMimeData& mime)
{
    mime.setData(originMimeType(), originMark());
}

void answerTitleDrag(QDropEvent& event, bool takesTitles)
{
    if (carriesTitle(event, takesTitles))
        event.acceptProposedAction();
    else
        event.ignore();
}

std::optional<QString> takeDroppedTitle(QDropEvent& event, bool takesTitles)
{
    std::optional<QString> title = carriedTitle(event, takesTitles);
    if (!title) {
        event.ignore();
        return std::nullopt;
    }
    event.acceptProposedAction();
    return title;
}

} // namespace forms
