#include "platform/hosting/OptionButtons.h"

#include "platform/hosting/ControlHost.h"

#include <QFile>

namespace hosting {

ControlHost* placeOptionButton(QWidget& parent, const char* name, const QRect& place, const QString& designedProperties)
{
    auto* host = new ControlHost(&parent);
    host->setObjectName(QString::fromLatin1(name));
    host->setGeometry(place);
    QFile properties(designedProperties);
    // Unopened, the stream reads as no control's and the place stays empty.
    properties.open(QIODevice::ReadOnly);
    host->create(optionButtonClass, &properties);
    return host;
}

} // namespace hosting
