// The five answer modes of the question window: each stores its word in the
// settings row at once, names itself in the status bar, gives the set the mode
// code the answer steps read and arranges the window's controls for the mode.

#include "questionwindow/frmMain.h"

#include "platform/speech/CharacterControl.h"
#include "settings/Markers.h"
#include "settings/Settings.h"

#include <optional>

namespace questionwindow {

namespace {

// A control's state under a mode; none leaves what the previous mode left.
using Setting = std::optional<bool>;
constexpr std::nullopt_t unchanged = std::nullopt;

struct ModeLayout {
    QString word;      // in the settings row
    QString panelText; // status panel "State"
    QString code;      // the set's answer mode (txtBe)
    bool silencesCharacter;
    forms::Menu* frmMain::*ownItem;

    Setting readButtonOn;    // cmdNuvia (always shown)
    Setting presentationOn;  // cmdReadAll
    Setting answerButton;    // cmdAnswer shown
    Setting peekButton;      // cmdScore shown
    Setting hideScoreButton; // cmdCheat shown
    Setting transportOn;     // cmdAdd
    Setting turboVerdict;    // fraSpeed shown
    Setting turboFrame;      // fraTurbo shown
    Setting paceSlider;      // Slider1 shown
    Setting scoreBoxes;      // txtCorrect, txtIncorrect, txtTotal, txtScore shown
    Setting answerChoices;   // txtA..txtD, optA..optD, lblA shown
    Setting readAloudItem;   // mnuReadNuvia on
};

void setShown(QWidget* control, Setting shown)
{
    if (shown)
        control->setVisible(*shown);
}

void setOn(QWidget* control, Setting on)
{
    if (on)
        control->setEnabled(*on);
}

void applyLayout(frmMain& w, const ModeLayout& mode)
{
    w.questionSet().setAnswerMode(mode.code);

    w.cmdNuvia->setVisible(true);
    setOn(w.cmdNuvia, mode.readButtonOn);
    w.cmdNuviaStop->setVisible(false);
    setOn(w.cmdReadAll, mode.presentationOn);
    setShown(w.cmdAnswer, mode.answerButton);
    setShown(w.cmdScore, mode.peekButton);
    setShown(w.cmdCheat, mode.hideScoreButton);
    setOn(w.cmdAdd, mode.transportOn);
    setShown(w.fraSpeed, mode.turboVerdict);
    setShown(w.fraTurbo, mode.turboFrame);
    setShown(w.Slider1, mode.paceSlider);
    for (QWidget* box : {static_cast<QWidget*>(w.txtCorrect), static_cast<QWidget*>(w.txtIncorrect),
                         static_cast<QWidget*>(w.txtTotal), static_cast<QWidget*>(w.txtScore)})
        setShown(box, mode.scoreBoxes);
    for (QWidget* choice : {static_cast<QWidget*>(w.txtA), static_cast<QWidget*>(w.txtB), static_cast<QWidget*>(w.txtC),
                            static_cast<QWidget*>(w.txtD), static_cast<QWidget*>(w.optA), static_cast<QWidget*>(w.optB),
                            static_cast<QWidget*>(w.optC), static_cast<QWidget*>(w.optD)})
        setShown(choice, mode.answerChoices);
    for (int index : w.lblA.indexes())
        setShown(w.lblA[index], mode.answerChoices);

    // Each mode's own item is unavailable while it is active.
    for (forms::Menu* item : {w.mnuUse, w.mnuBypass, w.mnuSpeed, w.mnuTell, w.mnuFlash})
        item->setEnabled(item != w.*mode.ownItem);
    if (mode.readAloudItem)
        w.mnuReadNuvia->setEnabled(*mode.readAloudItem);
}

void switchMode(frmMain& w, const ModeLayout& mode)
{
    settings::saveAnswerMode(mode.word);
    w.Status->panel(markers::statePanel)->setText(mode.panelText);
    // The read-aloud mode's pause ends with it: left running, it would tell
    // an answer and store the read-aloud mode over the one just chosen.
    w.Timer3->setEnabled(false);
    if (mode.silencesCharacter) {
        // Without speech components there is nobody to silence; the mode
        // still changes.
        if (speech::Character* merlin = w.character()) {
            merlin->stop();
            merlin->hide();
        }
    }
    applyLayout(w, mode);
}

} // namespace

void frmMain::mnuUse_Click()
{
    switchMode(*this, {markers::useAnswerWord, QStringLiteral("Using Answer Button"), markers::useAnswerCode, false,
                       &frmMain::mnuUse, true, true, true, false, false, true, false, false, false, true, true, true});
}

void frmMain::mnuBypass_Click()
{
    switchMode(*this,
               {markers::bypassWord, QStringLiteral("Bypassing Answer Button"), markers::bypassCode, false,
                &frmMain::mnuBypass, true, true, false, false, false, true, false, false, false, true, true, true});
}

void frmMain::mnuSpeed_Click()
{
    switchMode(*this, {markers::turboWord, QStringLiteral("Turbo Answer"), markers::turboCode, true, &frmMain::mnuSpeed,
                       false, false, false, false, false, false, unchanged, true, unchanged, true, unchanged, true});
}

void frmMain::mnuTell_Click()
{
    switchMode(*this,
               {markers::hideScoreWord, QStringLiteral("Hiding Score"), markers::hideScoreCode, true, &frmMain::mnuTell,
                false, false, false, true, unchanged, false, false, false, false, false, true, unchanged});
}

void frmMain::mnuFlash_Click()
{
    switchMode(*this,
               {markers::flashCardWord, QStringLiteral("Flash Card Mode"), markers::flashCardCode, false,
                &frmMain::mnuFlash, true, true, true, false, false, true, false, false, false, true, false, true});
}

} // namespace questionwindow
