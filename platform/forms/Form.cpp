#include "platform/forms/Form.h"

#include "platform/core/RuntimeError.h"
#include "platform/data/DataControl.h"
#include "platform/forms/App.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Log.h"
#include "platform/forms/StoreFailureReport.h"

#include <QCloseEvent>
#include <QEvent>

namespace forms {

Form::Form(QWidget* parent) : QMainWindow(parent) {}

Form::~Form() = default;

void Form::runLoad()
{
    loaded_ = true;
    // The design placed the window's data controls; the user hears of their
    // failed stores from here on.
    for (data::DataControl* control : findChildren<data::DataControl*>())
        connect(control, &data::DataControl::storeFailed, this, &reportStoreFailure);
    Form_Load();
}

void Form::Show()
{
    App::current().showForm(*this);
}

void Form::Hide()
{
    App::current().hideForm(*this);
}

bool Form::Unload()
{
    return App::current().unloadForm(*this);
}

bool Form::runUnloadStep()
{
    int cancel = 0;
    Form_Unload(cancel);
    return cancel == 0;
}

void Form::storePendingEdits(PendingRows rows)
{
    // A window that goes away takes what its bound boxes still hold into the
    // database first, as leaving the row would.
    for (data::DataControl* control : findChildren<data::DataControl*>()) {
        try {
            // A question still being entered is only kept by its Save.
            if (rows == PendingRows::ExistingOnly && control->hasRecordset()
                && control->recordset().editMode() == data::Recordset::EditAdd)
                continue;
            control->close();
        } catch (const platform::RuntimeError& error) {
            // The window goes anyway; the candidate must not believe the
            // changes were kept when they were not.
            if (Dialogs::current())
                msgBox(QStringLiteral("The changes on this window could not be saved.\n\n%1").arg(error.description()),
                       vbOKOnly | vbExclamation, QStringLiteral("Brisolt Software"));
            else
                qCDebug(formsLog).noquote() << objectName() << "closed without its changes -" << error.description();
        }
    }
}

void Form::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && App::exists())
        App::current().userActivated(*this);
}

void Form::closeEvent(QCloseEvent* event)
{
    if (unloading_ || !App::exists() || App::current().ended()) {
        event->accept();
        return;
    }
    if (Unload())
        event->accept();
    else
        event->ignore();
}

} // namespace forms
