#include "FailOnFault.h"

#include <QTest>

namespace testsupport {

namespace {
void failTheTest(const QString& where, const QString& what)
{
    const QByteArray message = QStringLiteral("Programming fault in %1: %2").arg(where, what).toLocal8Bit();
    // Outside a test function there is no test to fail; the run must not pass.
    if (!QTest::currentTestFunction())
        qFatal("%s", message.constData());
    QTest::qFail(message.constData(), __FILE__, __LINE__);
}
} // namespace

FailOnFault::FailOnFault() : handler_(failTheTest) {}

} // namespace testsupport
