// The question window's answers: the pick of an option, the Answer step,
// the score board and its peek buttons. What happens on a pick depends on the
// answer mode in txtBe ("U", "DU", "S", "D", "F").

#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"
#include "platform/speech/CharacterControl.h"
#include "questionwindow/Scoring.h"
#include "questionwindow/frmMain.h"
#include "settings/Markers.h"

#include <QSignalBlocker>

namespace questionwindow {

namespace {

constexpr int verdictGreen = 49152; // the verdict box's "Correct"
constexpr int turboGreen = 65280;   // the Turbo box's "Correct"
constexpr int verdictRed = 255;     // "Incorrect" in both

// Bookmarks ending a spoken verdict: on to the next question, or the end.
constexpr QLatin1String nextQuestionTag("\\mrk=5\\");
constexpr QLatin1String lastQuestionTag("\\mrk=6\\");

void stop(speech::Character* character)
{
    if (character)
        character->stop();
}

void speak(speech::Character* character, const QString& text)
{
    if (character)
        character->speak(text);
}

QString letterOf(int index)
{
    return QString(QLatin1Char(char('A' + index)));
}

// Sub-step: the letter of the selected option, empty with none selected.
QString pickedLetter(const frmMain& w)
{
    QString picked;
    const forms::OptionButton* options[] = {w.optA, w.optB, w.optC, w.optD};
    for (int i = 0; i < 4; ++i) {
        if (options[i]->value())
            picked = letterOf(i);
    }
    return picked;
}

bool isLastQuestion(const frmMain& w)
{
    return w.txtCall->text() == w.txtMark->text();
}

void addOne(forms::TextBox* counter)
{
    counter->setText(QString::number(static_cast<qint64>(counterValue(counter->text())) + 1));
}

// Sub-step: a question counts once per visit.
void countOnce(frmMain& w, bool right)
{
    if (counterValue(w.txtAlreadyAnswered->text()) != 1)
        return;
    addOne(right ? w.txtCorrect : w.txtIncorrect);
    addOne(w.txtTotal);
    w.txtAlreadyAnswered->setText(markers::alreadyCounted);
}

// Sub-step: every wrong evaluation lists the question's number.
void listWrongNumber(frmMain& w)
{
    w.txtQuestionNumbers->setText(appendWrongNumber(w.txtQuestionNumbers->text(), w.txtNum->text()));
}

void rescore(frmMain& w)
{
    w.txtScore->setText(scoreText(counterValue(w.txtCorrect->text()), counterValue(w.txtIncorrect->text())));
}

// Sub-step: the marks reach the record when the cursor leaves it.
void markRecord(frmMain& w, bool right)
{
    if (right) {
        w.txtX->setText(markers::answeredRight);
    } else {
        w.txtX->setText(markers::answeredWrong);
        w.txtElephant->setText(markers::drillMarked);
    }
}

// Counts, lists, scores and marks a judged pick.
void recordVerdict(frmMain& w, bool right)
{
    countOnce(w, right);
    if (!right)
        listWrongNumber(w);
    rescore(w);
    markRecord(w, right);
}

void reveal(frmMain& w)
{
    forms::TextBox* answers[] = {w.txtA, w.txtB, w.txtC, w.txtD};
    const std::array<bool, 4> shown = revealedAnswers(w.txtAnswer->text(), w.txtD->text());
    for (int i = 0; i < 4; ++i) {
        if (shown[i])
            answers[i]->setVisible(true);
    }
}

// Bypass: the verdict at once, spoken; the next question follows when the
// character reaches the tag at the end of what it says.
void judgeAndSpeak(frmMain& w, const QString& letter, speech::Character* speaker)
{
    w.txtAnswer->setVisible(false);
    const bool right = letter == w.txtAnswer->text();
    w.txtSA->setVisible(true);
    const bool last = isLastQuestion(w);
    if (right) {
        w.txtSA->setText(QStringLiteral("Correct"));
        w.txtSA->setForeColor(verdictGreen);
        stop(speaker);
        if (last) {
            speak(speaker, QStringLiteral("Correct"));
            speak(speaker, QStringLiteral("That was the last question.") + lastQuestionTag);
        } else {
            speak(speaker, QStringLiteral("Correct. ") + nextQuestionTag);
        }
    } else {
        w.txtSA->setText(QStringLiteral("Incorrect"));
        w.txtSA->setForeColor(verdictRed);
        stop(speaker);
        speak(speaker,
              QStringLiteral("That is incorrect. The correct Answer is ") + w.txtAnswer->text() + QLatin1Char('.'));
        const forms::TextBox* answers[] = {w.txtA, w.txtB, w.txtC, w.txtD};
        const int correct = answerIndex(w.txtAnswer->text());
        if (correct >= 0) {
            const QString text = answers[correct]->text();
            if (last) {
                speak(speaker, text);
                speak(speaker, QStringLiteral("That was the last question.") + lastQuestionTag);
            } else {
                speak(speaker, text + QStringLiteral(". ") + nextQuestionTag);
            }
        }
        listWrongNumber(w);
    }
    w.txtAnswer->setVisible(true);
    countOnce(w, right);
    rescore(w);
    markRecord(w, right);
}

} // namespace

void frmMain::optA_Click()
{
    pickAnswer(QStringLiteral("A"));
}
void frmMain::optB_Click()
{
    pickAnswer(QStringLiteral("B"));
}
void frmMain::optC_Click()
{
    pickAnswer(QStringLiteral("C"));
}
void frmMain::optD_Click()
{
    pickAnswer(QStringLiteral("D"));
}

void frmMain::pickAnswer(const QString& letter)
{
    speech::Character* speaker = character();
    txtSnoop->setText(letter);
    // Once the letter is stored, the first step that fails ends the pick
    // quietly; what was done before stays.
    forms::leaveOnError([&] {
        const QString mode = txtBe->text();
        // A pick judged at once answers the question: a read-aloud pause
        // still running must not tell the answer of the question shown next.
        if (mode == markers::bypassCode || mode == markers::turboCode || mode == markers::hideScoreCode)
            Timer3->setEnabled(false);
        if (mode == markers::useAnswerCode) {
            txtAnswer->setVisible(false);
        } else if (mode == markers::bypassCode) {
            judgeAndSpeak(*this, letter, speaker);
        } else if (mode == markers::turboCode || mode == markers::hideScoreCode) {
            txtAnswer->setVisible(false);
            const bool right = letter == txtAnswer->text();
            recordVerdict(*this, right);
            if (mode == markers::turboCode) {
                // The Turbo box keeps this verdict while the next question shows.
                fraSpeed->setVisible(true);
                txtSpeed->setText(right ? QStringLiteral("Correct") : QStringLiteral("Incorrect"));
                txtSpeed->setForeColor(right ? turboGreen : verdictRed);
            }
            cmdNext_Click();
        }
        // Flash cards and any other code: the stored letter is all.
    });
}

void frmMain::lblA_Click(int index)
{
    forms::OptionButton* options[] = {optA, optB, optC, optD};
    if (index < 0 || index > 3)
        return;
    // Selecting an option announces a pick of its own; keep it quiet so the
    // pick runs exactly once, whether or not the option was selected before.
    {
        const QSignalBlocker quiet(options[index]);
        options[index]->setValue(true);
    }
    pickAnswer(letterOf(index));
}

void frmMain::cmdAnswer_Click()
{
    if (txtBe->text() == markers::flashCardCode) {
        // A flash card is turned over: no verdict, no count, no mark.
        reveal(*this);
        return;
    }
    speech::Character* speaker = character();
    const bool right = pickedLetter(*this) == txtAnswer->text();
    const bool tells = mnuNuviaTells->checked();
    if (right) {
        txtSA->setText(QStringLiteral("Correct"));
        if (tells) {
            stop(speaker);
            speak(speaker, QStringLiteral("Correct"));
            cmdNuvia->setVisible(true);
            cmdNuviaStop->setVisible(false);
        }
        txtSA->setForeColor(verdictGreen);
    } else {
        txtSA->setText(QStringLiteral("Incorrect"));
        txtSA->setForeColor(verdictRed);
        if (tells) {
            stop(speaker);
            speak(speaker, QStringLiteral("Incorrect"));
            cmdNuvia->setVisible(true);
            cmdNuviaStop->setVisible(false);
            speak(speaker,
                  QStringLiteral(" The correct answer should have been ") + txtAnswer->text() + QLatin1Char('.'));
            const forms::TextBox* copies[] = {txtA2, txtB2, txtC2, txtD2};
            const int correct = answerIndex(txtAnswer->text());
            if (correct >= 0)
                speak(speaker, copies[correct]->text());
        }
    }
    txtSA->setVisible(true);
    txtAnswer->setVisible(true);
    countOnce(*this, right);
    // Only the Answer button's own mode lists the number here.
    if (!mnuUse->enabled() && !right)
        listWrongNumber(*this);
    rescore(*this);
    markRecord(*this, right);
    reveal(*this);

    // The read-aloud mode goes on with the next question once the answered
    // one has been counted and marked.
    if (tells && !mnuReadNuvia->enabled()) {
        mnuReadNuvia->setEnabled(true);
        cmdNext_Click();
        mnuReadNuvia->trigger();
        mnuReadNuvia->setEnabled(false);
    }
}

void frmMain::cmdScore_Click()
{
    const QString question =
        QStringLiteral("Do You Really Think It Is Necessary To Cheat And Look At Your Score") + QLatin1Char('\n')
        + QStringLiteral("Wouldn't It Be Better To Endure The Pressures Of The Unknown?") + QLatin1Char('\n')
        + QStringLiteral("If That Is Too Much Pressure For You Then Go Ahead And Just Click Yes. "
                         "If Not, Click On No And Forge Ahead");
    const QString title = QStringLiteral("Brisolt Speaks");
    if (forms::msgBox(question, forms::vbYesNoCancel, title) != forms::vbYes) {
        forms::msgBox(QStringLiteral("You Are Bold!"), forms::vbOKOnly + forms::vbExclamation, title);
        return;
    }
    forms::msgBox(QStringLiteral("I Am Disappointed!"), forms::vbOKOnly + forms::vbExclamation, title);
    for (forms::TextBox* box : {txtCorrect, txtIncorrect, txtTotal, txtScore})
        box->setVisible(true);
    cmdScore->setVisible(false);
    cmdCheat->setVisible(true);
}

void frmMain::cmdCheat_Click()
{
    for (forms::TextBox* box : {txtCorrect, txtIncorrect, txtTotal, txtScore})
        box->setVisible(false);
    cmdScore->setVisible(true);
    cmdCheat->setVisible(false);
}

} // namespace questionwindow
