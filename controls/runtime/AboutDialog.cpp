#include "controls/runtime/AboutDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qvrun {

CQvAboutDlg::CQvAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About the Controls"));
    setObjectName(QStringLiteral("CQvAboutDlg"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(QStringLiteral("drillbook date-input and option-button controls\n"
                                           "Version 1.0"),
                            this);
    text->setObjectName(QStringLiteral("lblAbout"));
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* properties = buttons->addButton(QStringLiteral("&Properties..."), QDialogButtonBox::ActionRole);
    properties->setObjectName(QStringLiteral("cmdProperties"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(properties, &QPushButton::clicked, this, [this] { done(kAboutShowProperties); });
    layout->addWidget(buttons);
}

} // namespace qvrun
