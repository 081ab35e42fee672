// The presentation: the character reads each record of the set with its
// correct answer, shows its picture and plays its video, then moves on by
// itself (tag 1, the end of the video) up to the set's last record (tag 6).

#include "questionwindow/frmMain.h"

#include "platform/forms/App.h"
#include "platform/forms/FailureRegimes.h"
#include "platform/speech/CharacterControl.h"
#include "questionwindow/CharacterSteps.h"
#include "settings/Markers.h"
#include "settings/Settings.h"

namespace questionwindow {

using forms::form;

void frmMain::cmdReadAll_Click()
{
    speech::Character* reader = character();
    // Without speech components nothing would carry the presentation on.
    if (!reader)
        return;
    reader->stop();
    const RecordCopies record = copyDisplayedRecord(*this);
    cmdNuvia->setVisible(false);
    cmdNuviaStop->setVisible(true);
    txtPresent->setText(markers::presentationReading);
    moveForReading(*reader, Reading::Presentation);
    reader->show();
    if (settings::showImages() == markers::settingOn && !cmdShow->isHidden())
        cmdShow_Click();
    const bool last = txtCall->text() == txtMark->text();
    speakAll(*reader, presentationRequests(record, txtAnswer->text(), txtBe->text() == markers::flashCardCode, last));
}

// Whenever a question video plays to its end, also outside a presentation.
// The presentation goes on only while it runs: once Stop (or "Hide Nuvia")
// has put its Stop button away, a video left playing must not start it again.
void frmMain::Video_PlayEnded(int /*result*/)
{
    cmdNext_Click();
    if (txtPresent->text() == markers::presentationReading && !cmdNuviaStop->isHidden())
        cmdReadAll_Click();
}

} // namespace questionwindow
