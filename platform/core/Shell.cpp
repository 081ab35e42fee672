#include "platform/core/Shell.h"

#include "platform/core/Errors.h"

#include <QFileInfo>
#include <QProcess>

namespace platform {

QString programPath(const QString& path)
{
    static const QString ending = QStringLiteral(".exe");
    if (path.endsWith(ending, Qt::CaseInsensitive))
        return path.chopped(ending.size());
    return path;
}

qint64 shell(const QString& path)
{
    const QString program = programPath(path);
    const QFileInfo file(program);
    if (!file.exists())
        throw errors::programMissing(program);
    // A folder or a file without the right to run would start nothing; say so
    // before asking the system, whose own answer does not tell them apart.
    if (!file.isFile() || !file.isExecutable())
        throw errors::programNotStarted(program);
    qint64 id = 0;
    if (!QProcess::startDetached(program, {}, file.absolutePath(), &id))
        throw errors::programNotStarted(program);
    return id;
}

} // namespace platform
