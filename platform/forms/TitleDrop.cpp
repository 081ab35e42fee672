#include "platform/forms/TitleDrop.h"

#include "platform/forms/Qv3dLabel.h"

#include <QDropEvent>
#include <QMimeData>

namespace forms {

namespace {

bool carriesTitle(const QDropEvent& event, bool takesTitles)
{
    const QMimeData* mime = event.mimeData();
    return takesTitles && mime && mime->hasFormat(Qv3dLabel::titleMimeType());
}

} // namespace

void answerTitleDrag(QDropEvent& event, bool takesTitles)
{
    if (carriesTitle(event, takesTitles))
        event.acceptProposedAction();
    else
        event.ignore();
}

std::optional<QString> takeDroppedTitle(QDropEvent& event, bool takesTitles)
{
    if (!carriesTitle(event, takesTitles)) {
        event.ignore();
        return std::nullopt;
    }
    event.acceptProposedAction();
    return QString::fromUtf8(event.mimeData()->data(Qv3dLabel::titleMimeType()));
}

} // namespace forms
