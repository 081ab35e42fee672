#include "platform/hosting/ControlLibraries.h"

#include "platform/com/Registration.h"
#include "platform/hosting/Log.h"

#include <QDir>
#include <QFileInfo>

namespace hosting {

QStringList shippedControlLibraries()
{
    return {QStringLiteral("QVINDAT.so"), QStringLiteral("QV3DOPT.so")};
}

QStringList registerControlLibraries(const QString& folder, const QStringList& names)
{
    QStringList passedOver;
    for (const QString& name : names) {
        const QString path = QDir(folder).absoluteFilePath(name);
        QString line;
        if (!QFileInfo(path).isFile()) {
            line = QStringLiteral("%1 is not in the program folder %2; its controls are not shown.").arg(name, folder);
        } else {
            QString why;
            const com::Result r = com::registerLibrary(path, &why);
            if (com::failed(r)) {
                if (why.isEmpty())
                    why = QStringLiteral("it answered 0x%1").arg(quint32(r), 8, 16, QLatin1Char('0'));
                line = QStringLiteral("%1 could not be registered (%2); its controls are not shown.").arg(name, why);
            }
        }
        if (!line.isEmpty()) {
            qCWarning(hostingLog).noquote() << line;
            passedOver << line;
        }
    }
    return passedOver;
}

} // namespace hosting
