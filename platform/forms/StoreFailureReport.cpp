#include "platform/forms/StoreFailureReport.h"

#include "platform/core/Errors.h"
#include "platform/data/StoreFailure.h"
#include "platform/forms/Dialogs.h"

namespace forms {

void reportStoreFailure(data::StoreFailure& failure)
{
    if (!failure.firstInARow || !Dialogs::current())
        return;
    const QString error = QStringLiteral("Error %1: %2").arg(failure.number).arg(failure.description);
    const QString title = QStringLiteral("Brisolt Software");
    if (failure.number == platform::errors::locked.number) {
        const QString cancelDoes = failure.keptForLater
                                       ? QStringLiteral("Cancel to go on: the changes are kept and stored with a later "
                                                        "move once the database is free.")
                                       : QStringLiteral("Cancel to stay where you are.");
        const int answer = msgBox(QStringLiteral("The question database is in use by another program, so the changes "
                                                 "on this window could not be stored yet.\n\n%1\n\nRetry to try "
                                                 "again now, or %2")
                                      .arg(error, cancelDoes),
                                  vbRetryCancel | vbExclamation, title);
        failure.retry = answer == vbRetry;
        return;
    }
    if (failure.keptForLater) {
        msgBox(QStringLiteral("The changes on this window could not be stored.\n\n%1\n\nThe program goes on and keeps "
                              "them: they are stored with a later move once the database can be written again. If it "
                              "cannot, you are told when the window closes.")
                   .arg(error),
               vbOKOnly | vbExclamation, title);
        return;
    }
    msgBox(QStringLiteral("The changes on this window could not be stored, so it stays where it is.\n\n%1").arg(error),
           vbOKOnly | vbExclamation, title);
}

} // namespace forms
