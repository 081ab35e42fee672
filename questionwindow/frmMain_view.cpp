// View options, the label colours for light and dark skins, the question
// widths for the open and closed notes palette, the notes palette item, the
// stop watch, the clock on the status bar, and the text style the main table
// of contents' font and colour items choose.

#include "questionwindow/frmMain.h"

#include "appearance/QuestionStyle.h"
#include "appearance/frmSkin.h"
#include "helpmenu/HelpBinding.h"
#include "helpmenu/frmAbout.h"
#include "helpmenu/frmBrowser.h"
#include "platform/forms/App.h"
#include "platform/forms/Twips.h"
#include "settings/Markers.h"
#include "settings/Settings.h"
#include "widgets/XP_ProgressBar.h"

#include <QLocale>

#include <array>

namespace questionwindow {

using forms::form;

namespace {

// The elements of one View item, each shown or hidden on its own.
void invert(std::initializer_list<QWidget*> elements)
{
    for (QWidget* element : elements)
        element->setVisible(element->isHidden());
}

void invertCheck(forms::Menu* item)
{
    item->setChecked(!item->checked());
}

// Question and answer widths in twips for one screen size.
struct Widths {
    int question;
    int answers;
};

// The widths for a " 1024 x 768" style text. The canvas keeps the design's
// 1024 x 768 layout on every screen (it scrolls on a smaller one), so the
// notes palette always stands where that layout puts it; every size but the
// 800 x 600 one therefore takes the 1024 x 768 widths, which clear it.
const Widths& widthsFor(const QString& screen, bool paletteOpen)
{
    static constexpr Widths open800{8185, 7695};
    static constexpr Widths open1024{10600, 9800};
    static constexpr Widths closed800{11100, 10455};
    static constexpr Widths closed1024{14250, 13500};
    if (screen == markers::screen800)
        return paletteOpen ? open800 : closed800;
    return paletteOpen ? open1024 : closed1024;
}

// Hours, minutes and seconds of an elapsed time; a day starts again at 00:00:00.
QString elapsedText(qint64 milliseconds)
{
    const qint64 seconds = (milliseconds / 1000) % (24 * 3600);
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg((seconds / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// The question, its four answers and the notes: the boxes the text style is for.
std::array<forms::TextBox*, 6> styledBoxes(frmMain& w)
{
    return {w.txtQuestion, w.txtA, w.txtB, w.txtC, w.txtD, w.txtNotes};
}

std::array<forms::OptionButton*, 4> styledOptions(frmMain& w)
{
    return {w.optA, w.optB, w.optC, w.optD};
}

} // namespace

// ---- View menu --------------------------------------------------------------

void frmMain::mnuChap_Click()
{
    invert({Label1, Label2, txtChapter, txtNum});
    invertCheck(mnuChap);
}

void frmMain::mnuData_Click()
{
    invert({Label3, txtCall});
    invertCheck(mnuData);
}

void frmMain::mnuUser1_Click()
{
    invert({Label4, txtUser});
    invertCheck(mnuUser1);
}

void frmMain::mnuLevel_Click()
{
    invert({Label5, txtLevel});
    invertCheck(mnuLevel);
}

void frmMain::mnuScore_Click()
{
    invert({Label6, Label7, Label8, Label9, Label10, txtCorrect, txtIncorrect, txtTotal, txtScore, txtCount});
    invertCheck(mnuScore);
}

void frmMain::mnuProgress_Click()
{
    invert({ProgressBar1});
    invertCheck(mnuProgress);
}

void frmMain::mnuTool_Click()
{
    invert({tbToolBar});
    invertCheck(mnuTool);
}

void frmMain::mnuStatus_Click()
{
    invert({Status});
    invertCheck(mnuStatus);
}

// Every element and every item's mark is inverted one by one, so what another
// step hid meanwhile comes back and what is shown goes.
void frmMain::mnuAll_Click()
{
    mnuChap_Click();
    mnuData_Click();
    mnuUser1_Click();
    mnuLevel_Click();
    mnuScore_Click();
    mnuProgress_Click();
    mnuTool_Click();
    mnuStatus_Click();
    invertCheck(mnuAll);
}

// ---- Label colours and question widths -------------------------------------------

void frmMain::Color()
{
    for (forms::Label* label : {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10})
        label->setForeColor(16777215);
}

void frmMain::NoColor()
{
    for (forms::Label* label : {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10})
        label->setForeColor(0);
}

void frmMain::size1()
{
    applyWidths(true);
}

void frmMain::size2()
{
    applyWidths(false);
}

void frmMain::applyWidths(bool paletteOpen)
{
    const Widths& widths = widthsFor(settings::screenSize(), paletteOpen);
    forms::setWidthTwips(*txtQuestion, widths.question);
    for (forms::TextBox* answer : {txtA, txtB, txtC, txtD})
        forms::setWidthTwips(*answer, widths.answers);
}

// ---- Notes palette ------------------------------------------------------------------

void frmMain::mnuAddNotes_Click()
{
    cmdNotes->setVisible(true);
    fraNotes->setVisible(true);
    fraNotes->raise();
    txtNotes->setVisible(true);
    mnuAddNotes->setEnabled(false);
    size1();
    // Only unlocked notes take the focus; locked ones are for reading.
    if (!txtNotes->locked()) {
        txtNotes->setVisible(true);
        txtNotes->setFocus();
    }
}

// ---- Stop watch ----------------------------------------------------------------------
// The watch shows the time since "Start Stop Watch" on the panel "Watch"; a
// timer of its own refreshes the panel while the rest of the window goes on.

void frmMain::mnuStart_Click(int index)
{
    if (index == 0) {
        watchStart_ = QDateTime::currentDateTime();
        watchRunning_ = true;
        if (!watchTimer_) {
            watchTimer_ = new forms::Timer(this, 100, false);
            connect(watchTimer_, &forms::Timer::timer, this, &frmMain::showStopWatch);
        }
        showStopWatch();
        watchTimer_->setEnabled(true);
        return;
    }
    if (!watchRunning_)
        return;
    showStopWatch();
    watchRunning_ = false;
    watchTimer_->setEnabled(false);
}

void frmMain::showStopWatch()
{
    if (!watchRunning_)
        return;
    txtTime->setText(elapsedText(watchStart_.msecsTo(QDateTime::currentDateTime())));
    Status->panel(markers::watchPanel)->setText(txtTime->text());
}

// ---- Clock ------------------------------------------------------------------------------

QString frmMain::timeText(const QTime& time)
{
    // The system's long time format, without a time zone.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t')).replace(QStringLiteral("  "), QStringLiteral(" "));
    return QLocale::system().toString(time, format.trimmed());
}

QString frmMain::generalDateText(const QDateTime& moment)
{
    return QLocale::system().toString(moment.date(), QLocale::ShortFormat) + QLatin1Char(' ') + timeText(moment.time());
}

// Writes the panel only when the time text changed, about once a second.
void frmMain::Timer2_Timer()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QString time = timeText(now.time());
    forms::Panel* panel = Status->panel(markers::timePanel);
    if (panel->text() == time)
        return;
    panel->setText(time);
    txtDate->setText(QLocale::system().toString(now.date(), QLocale::ShortFormat));
}

// A click on the answer mode shown in the status bar returns to the
// answer-button mode.
void frmMain::Status_PanelClick(int index)
{
    if (index == 5)
        mnuUse_Click();
}

// Help menu: windows that open beside the question window.
void frmMain::mnuContents_Click()
{
    helpmenu::ShowHelpContents();
}
void frmMain::mnuWebsite_Click()
{
    forms::form<helpmenu::frmBrowser>().Show();
}
void frmMain::mnuAbout_Click()
{
    forms::form<helpmenu::frmAbout>().Show();
}
void frmMain::mnuSkin_Click()
{
    forms::form<appearance::frmSkin>().Show();
}

} // namespace questionwindow

// ---- Text style (appearance/QuestionStyle.h) ---------------------------------------------

void appearance::showScreenFont(const settings::ScreenFont& font)
{
    auto& window = forms::form<questionwindow::frmMain>();
    for (forms::TextBox* box : questionwindow::styledBoxes(window)) {
        box->setFontName(font.name);
        box->setFontBold(font.bold);
        box->setFontItalic(font.italic);
        box->setFontSize(font.size);
    }
}

void appearance::showFontColor(int rgb)
{
    auto& window = forms::form<questionwindow::frmMain>();
    for (forms::TextBox* box : questionwindow::styledBoxes(window))
        box->setForeColor(rgb);
    window.back->setForeColor(rgb);
    for (forms::OptionButton* option : questionwindow::styledOptions(window))
        option->setForeColor(rgb);
    for (int index = 0; index < 4; ++index)
        window.lblA[index]->setForeColor(rgb);
}

void appearance::showCanvasColor(int rgb)
{
    auto& window = forms::form<questionwindow::frmMain>();
    for (forms::TextBox* box : questionwindow::styledBoxes(window))
        box->setBackColor(rgb);
    window.back->setBackColor(rgb);
    for (forms::OptionButton* option : questionwindow::styledOptions(window))
        option->setBackColor(rgb);
}
