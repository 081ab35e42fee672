#include "speechsetup/SetupProgram.h"

#include <QApplication>
#include <QMessageBox>

namespace speechsetup {

int runSetupProgram(int argc, char** argv, const QString& title, SetupStep step)
{
    QApplication application(argc, argv);
    const Report report = step(QCoreApplication::applicationDirPath());
    QMessageBox box(report.complete ? QMessageBox::Information : QMessageBox::Warning, title,
                    report.lines.join(QLatin1Char('\n')), QMessageBox::Ok);
    box.exec();
    return report.complete ? 0 : 1;
}

} // namespace speechsetup
