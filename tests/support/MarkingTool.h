#pragma once

#include <QDir>
#include <QFile>
#include <QString>

namespace testsupport {

// A program that, when started, leaves the file `mark` beside itself; the
// path of the program, or "" when it could not be written.
inline QString writeMarkingTool(const QString& folder, const QString& name, const QString& mark)
{
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + name;
    QFile tool(path);
    if (!tool.open(QIODevice::WriteOnly))
        return {};
    tool.write("#!/bin/sh\ntouch \"$(dirname \"$0\")/" + mark.toUtf8() + "\"\n");
    tool.close();
    tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

} // namespace testsupport
