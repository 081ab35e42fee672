#include "contents/frmContentsBank.h"

#include "platform/forms/HiddenBox.h"
#include "questiondb/Cursors.h"

#include <QLabel>
#include <QVBoxLayout>

namespace contents {

using forms::hiddenBox;
using questiondb::bindBox;
using questiondb::newCursor;
using questiondb::openCursor;

frmContentsBank::frmContentsBank(int bank) : bank_(bank)
{
    setObjectName(QStringLiteral("frmContents%1").arg(bank));
    setCaption(QStringLiteral("Test Bank %1").arg(bank == 2 ? QStringLiteral("II") : QStringLiteral("III")));

    auto* canvas = new QWidget(this);
    setCentralWidget(canvas);
    auto* layout = new QVBoxLayout(canvas);
    auto* title = new QLabel(windowTitle(), canvas);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);

    Data1 = newCursor(this, QStringLiteral("Data1"), QStringLiteral("Access"));
    Data2 = newCursor(this, QStringLiteral("Data2"), QStringLiteral("Access"));

    txtK = hiddenBox(this, QStringLiteral("txtK"));
    txtSkin = bindBox(Data2, hiddenBox(this, QStringLiteral("txtSkin"), QStringLiteral("txtSkin")), QStringLiteral("skin"));
    txtBalloon = bindBox(Data2, hiddenBox(this, QStringLiteral("txtBalloon"), QStringLiteral("txtBalloon")),
                         QStringLiteral("balloon"));
    txtVoice = bindBox(Data2, hiddenBox(this, QStringLiteral("txtVoice"), QStringLiteral("Mary")), QStringLiteral("Bot"));

    // This copy of the settings row is read when the window loads and goes
    // stale as soon as the main window saves a setting; storing it would
    // undo that setting. The main table of contents is the only writer.
    connect(Data2, &data::DataControl::validate, this, [](int, bool& save) { save = false; });
}

void frmContentsBank::Form_Load()
{
    openCursor(*Data1, QStringLiteral("Table3"));
    openCursor(*Data2, QStringLiteral("Table11"));
}

} // namespace contents
