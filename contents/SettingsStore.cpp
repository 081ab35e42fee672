#include "settings/Settings.h"

#include "contents/frmContents.h"
#include "contents/frmContentsBank.h"
#include "platform/forms/App.h"
#include "settings/Markers.h"

namespace settings {

using contents::frmContents;
using contents::frmContents2;
using contents::frmContents3;

using forms::form;

namespace {

QString booleanText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

// Single-precision text as the store keeps sizes: "8", "10.5".
QString sizeText(double size)
{
    return QString::number(static_cast<float>(size), 'g', 7);
}

void saveWithEdit(forms::TextBox* box, const QString& value)
{
    auto& settings = form<frmContents>().Data4->recordset();
    settings.edit();
    box->setText(value);
    settings.update();
}

} // namespace

void openStore()
{
    form<frmContents>();
}

QString skinName()
{
    return form<frmContents>().txtSkin->text();
}
QString answerModeWord()
{
    return form<frmContents>().txtState->text();
}
QString screenSize()
{
    return form<frmContents>().txtRes->text();
}
QString balloon()
{
    return form<frmContents>().txtBalloon->text();
}
QString showImages()
{
    return form<frmContents>().txtShowImages->text();
}
QString screenStyleField(int index)
{
    return form<frmContents>().txtFont[index]->text();
}

void saveAnswerMode(const QString& word)
{
    auto& contents = form<frmContents>();
    contents.txtState->setText(word);
    contents.Data4->updateRecord();
}

void saveSkin(const QString& skinName)
{
    auto& contents = form<frmContents>();
    contents.txtSkin->setText(skinName);
    form<frmContents2>().txtSkin->setText(skinName);
    form<frmContents3>().txtSkin->setText(skinName);
    contents.Data4->updateRecord();
    contents.Data3->refresh();
}

void saveShowImages(const QString& yesNo)
{
    saveWithEdit(form<frmContents>().txtShowImages, yesNo);
}

void saveBalloon(const QString& yesNo)
{
    saveWithEdit(form<frmContents>().txtBalloon, yesNo);
}

void saveScreenFont(const QString& name, bool bold, bool italic, double size)
{
    auto& contents = form<frmContents>();
    contents.txtFont[0]->setText(name);
    contents.txtFont[1]->setText(booleanText(bold));
    contents.txtFont[2]->setText(booleanText(italic));
    contents.txtFont[3]->setText(sizeText(size));
    contents.Data4->updateRecord();
}

ScreenFont defaultScreenFont()
{
    return {QStringLiteral("MS Sans Serif"), false, false, 8};
}

void resetScreenFonts()
{
    const ScreenFont font = defaultScreenFont();
    saveScreenFont(font.name, font.bold, font.italic, font.size);
}

void saveFontColor(int rgb)
{
    auto& contents = form<frmContents>();
    contents.txtFont[4]->setText(QString::number(rgb));
    contents.Data4->updateRecord();
}

void saveCanvasColor(int rgb)
{
    auto& contents = form<frmContents>();
    contents.txtFont[5]->setText(QString::number(rgb));
    contents.Data4->updateRecord();
}

void saveAgentInstalled()
{
    auto& contents = form<frmContents>();
    contents.txtAgentInstall->setText(markers::agentInstalled);
    contents.Data3->updateRecord();
}

} // namespace settings
