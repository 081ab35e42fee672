#include "contents/frmContents.h"

#include "platform/forms/HiddenBox.h"
#include "questiondb/Cursors.h"

#include <QLabel>
#include <QVBoxLayout>

namespace contents {

using questiondb::bindBox;
using questiondb::newCursor;
using questiondb::openCursor;
using forms::hiddenBox;

frmContents::frmContents()
{
    setObjectName(QStringLiteral("frmContents"));
    setCaption(QStringLiteral("Table Of Contents"));

    auto* canvas = new QWidget(this);
    setCentralWidget(canvas);
    auto* layout = new QVBoxLayout(canvas);
    auto* title = new QLabel(QStringLiteral("Table Of Contents"), canvas);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);

    Data1 = newCursor(this, QStringLiteral("Data1"), QStringLiteral("Access"));
    Data2 = newCursor(this, QStringLiteral("Data2"), QStringLiteral("Access"));
    Data3 = newCursor(this, QStringLiteral("Data3"), QStringLiteral("Access 2000;"));
    Data4 = newCursor(this, QStringLiteral("Data4"), QStringLiteral("Access 2000;"));

    txtK = hiddenBox(this, QStringLiteral("txtK"), {});
    txtRes = hiddenBox(this, QStringLiteral("txtRes"), {});

    // Until the cursors open, the boxes hold their design placeholders.
    txtSkin = bindBox(Data4, hiddenBox(this, QStringLiteral("txtSkin"), QStringLiteral("txtSkin")), QStringLiteral("skin"));
    txtState = bindBox(Data4, hiddenBox(this, QStringLiteral("txtState"), QStringLiteral("txtState")), QStringLiteral("State"));
    txtShowImages = bindBox(Data4, hiddenBox(this, QStringLiteral("txtShowImages"), QStringLiteral("Text1")), QStringLiteral("Images"));
    txtBalloon = bindBox(Data4, hiddenBox(this, QStringLiteral("txtBalloon"), QStringLiteral("txtBalloon")), QStringLiteral("balloon"));
    const struct {
        const char* field;
        const char* placeholder;
    } textStyle[] = {{"fontmain", "txtFont"},      {"fontbold", "txtFontBold"},   {"fontItal", "txtFontItal"},
                     {"fontsize", "txtFontsize"}, {"fontcolor", "txtFontcolor"}, {"backcolor", "txtFontbackcolor"}};
    for (int i = 0; i < 6; ++i) {
        auto* box = hiddenBox(this, QStringLiteral("txtFont"), QString::fromLatin1(textStyle[i].placeholder));
        txtFont.add(i, bindBox(Data4, box, QString::fromLatin1(textStyle[i].field)));
    }
    txtAgentInstall = bindBox(Data3, hiddenBox(this, QStringLiteral("txtAgentInstall"), QStringLiteral("txtAgentInstall")),
                              QStringLiteral("AgentInstall"));
    txtVoice = hiddenBox(this, QStringLiteral("txtVoice"), QStringLiteral("Mary"));
}

void frmContents::Form_Load()
{
    // Titles, print settings, flags, settings: the cursors stay open all run.
    openCursor(*Data1, QStringLiteral("Table3"));
    openCursor(*Data2, QStringLiteral("Table6"));
    openCursor(*Data3, QStringLiteral("Table13"));
    openCursor(*Data4, QStringLiteral("Table11"));
}

} // namespace contents
