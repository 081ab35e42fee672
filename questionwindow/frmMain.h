#pragma once

#include "platform/data/DataControl.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"
#include "platform/forms/Frame.h"
#include "platform/forms/ImageBox.h"
#include "platform/forms/Label.h"
#include "platform/forms/Menu.h"
#include "platform/forms/OptionButton.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/Slider.h"
#include "platform/forms/StatusBar.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/Timer.h"
#include "platform/forms/Toolbar.h"
#include "questionsets/QuestionSet.h"

#include <QDateTime>

#include <memory>

class XP_ProgressBar;
namespace hosting {
class ControlHost;
}
namespace media {
class MediaPlayer;
}
namespace printing {
struct PrintedQuestion;
struct SetTitle;
enum class PageReferences;
} // namespace printing
namespace speech {
class Character;
class CharacterControl;
} // namespace speech
namespace spell {
class SpellChecker;
}

namespace questionwindow {

// The question window: one record of the current question set at a time,
// the moves through it, the answers and their scoring, the memories kept in
// the question records, and the speaking character that reads along.
//
// The window's code is spread over files by behaviour, all in this folder:
//   frmMain.cpp           the design, and frmMain_bars.cpp its menus, toolbar and status bar
//   frmMain_load.cpp      the load step;  frmMain_activate.cpp  the activation step
//   frmMain_display.cpp   record display and moves
//   frmMain_answers.cpp   answers and scoring;  frmMain_answermodes.cpp  the five answer modes
//   frmMain_memory.cpp    answer memory and leaving
//   frmMain_sets.cpp      the set menus (their work is questionsets/SetMenus.h)
//   frmMain_session.cpp   the saved session
//   frmMain_view.cpp      view options and status bar;  frmMain_toolbar.cpp  the toolbar
//   frmMain_character.cpp, frmMain_nuviamenu.cpp, frmMain_readaloud.cpp,
//   frmMain_presentation.cpp, frmMain_reader.cpp   the speaking character
//   frmMain_dateinput.cpp the date-input control;  frmMain_terms.cpp  terminology
//   frmMain_users.cpp     users;  frmMain_package.cpp, frmMain_reports.cpp  printing
//   frmMain_editing.cpp   the edit lock, fields, records and relabelling
//   frmMain_languageaids.cpp  spelling and the thesaurus
//   frmMain_editwindows.cpp   the ways into pictures and videos and the question hub
// The set shown is one questionsets::QuestionSet over Data1 and the set's
// hidden boxes; the set loaders work on it, never on the window.
class frmMain : public forms::Form, public questionsets::SetDisplay {
    Q_OBJECT
public:
    frmMain();
    ~frmMain() override;

    // ---- Cursors on the question database --------------------------------
    data::DataControl* Data1; // the current question set
    data::DataControl* Data2; // second question cursor: a chapter's last number
    data::DataControl* Data3; // result history
    data::DataControl* Data4; // users
    data::DataControl* Data5; // saved session
    data::DataControl* Data6; // never opened

    // Boxes bound to Data1's fields.
    forms::TextBox* txtCall;     // Call: "Database #"
    forms::TextBox* txtNum;      // QNUM: "Question #"
    forms::TextBox* txtChapter;  // Chapter; empty exactly when the set has no current record
    forms::TextBox* txtLevel;    // FF
    forms::TextBox* txtQuestion; // Question
    forms::TextBox* txtA;        // A
    forms::TextBox* txtB;        // B
    forms::TextBox* txtC;        // C
    forms::TextBox* txtD;        // D
    forms::TextBox* txtAnswer;   // Answer: the correct letter, hidden while answering
    forms::TextBox* txtNotes;    // Memo
    forms::TextBox* txtSnoop;    // Snoop: the letter picked last
    forms::TextBox* txtX;        // x: "Y" wrong, "N" right
    forms::TextBox* txtElephant; // Elephant: "X" marked for drill
    forms::TextBox* txtPicBox;   // picbox
    forms::TextBox* txtReturn;   // ID
    forms::TextBox* txtFile1;    // d_strip1: picture file name
    forms::TextBox* txtVideo1;   // Video: video file name
    forms::PictureBox* Picture1; // picture held in the row

    forms::TextBox* txtCheckqnum; // Data2: qnum

    // Data3, the result history: hidden and never stored by any step.
    forms::TextBox* txtSession;
    forms::TextBox* txtRecordUser;
    forms::TextBox* txtRecordQuestionNumbers;
    forms::TextBox* txtRecordScore;
    forms::TextBox* txtRecordCorrect;
    forms::TextBox* txtRecordIncorrect;
    forms::TextBox* txtRecordChapter;
    // The clock's date. Kept unbound: a clock tick must never be stored into
    // a history row when the cursor moves or the window unloads.
    forms::TextBox* txtDate;

    // Data5, the saved session's counters.
    forms::TextBox* txtCloneRight;
    forms::TextBox* txtCloneWrong;
    forms::TextBox* txtCloneScore;
    forms::TextBox* txtCloneTotal;

    // ---- Set bookkeeping and markers (hidden) ------------------------------
    forms::TextBox* txtQ;               // set marker: a chapter title, "Snore", "Sneeze", "YAYAYA"
    forms::TextBox* txtCount;           // records in the set
    forms::TextBox* txtMark;            // Call of the set's last record
    forms::TextBox* txtRoute;           // level filter "1", "2", else both
    forms::TextBox* txtContentsRoute;   // "1", "2", "3": the contents window activated last
    forms::TextBox* txtBe;              // answer-mode code "U", "DU", "S", "D", "F"
    forms::TextBox* txtClone;           // saved session marker
    forms::TextBox* txtReturn2;         // transport return key
    forms::TextBox* txtNew;             // "New" while a new question is entered
    forms::TextBox* txtAlreadyAnswered; // counted-once flag "1" / "2"
    forms::TextBox* txtTimeMe;          // when the window was last activated
    forms::TextBox* txtTime;            // last stop-watch text
    forms::TextBox* txtFileName;        // full picture path
    forms::TextBox* txtVideo;           // full video path
    forms::TextBox* txtPresent;         // the character's last reading: "Nuvia" or "Presentation"

    // Record copies: follow every move; reading aloud and printing use them.
    forms::TextBox* txtQuestion2;
    forms::TextBox* txtA2;
    forms::TextBox* txtB2;
    forms::TextBox* txtC2;
    forms::TextBox* txtD2;
    forms::TextBox* txtAnswer2;
    forms::TextBox* txtNotes2;

    // ---- Score board and verdicts ----------------------------------------
    forms::TextBox* txtUser; // current user's last name
    forms::TextBox* txtCorrect;
    forms::TextBox* txtIncorrect;
    forms::TextBox* txtTotal;
    forms::TextBox* txtScore;
    forms::TextBox* txtQuestionNumbers; // wrong-answer list " 12,15,3"
    forms::TextBox* txtSA;              // verdict "Correct" / "Incorrect"
    forms::Frame* fraSpeed;             // Turbo verdict frame
    forms::TextBox* txtSpeed;
    forms::Frame* fraTurbo; // frame with the label "TurboAnswer"

    // ---- Answers ---------------------------------------------------------
    forms::OptionButton* optA;
    forms::OptionButton* optB;
    forms::OptionButton* optC;
    forms::OptionButton* optD;
    forms::ControlArray<forms::Label> lblA; // 0..3, beside the options

    // ---- Field labels ----------------------------------------------------
    forms::Label* Label1;  // "Chapter"
    forms::Label* Label2;  // "Question #"
    forms::Label* Label3;  // "Database #"
    forms::Label* Label4;  // "User"
    forms::Label* Label5;  // "Level"
    forms::Label* Label6;  // "Correct"
    forms::Label* Label7;  // "Incorrect"
    forms::Label* Label8;  // "Total"
    forms::Label* Label9;  // "Score"
    forms::Label* Label10; // "Count"
    forms::Label* back;    // the canvas behind the question area

    // ---- Buttons ---------------------------------------------------------
    forms::CommandButton* cmdFirst;
    forms::CommandButton* cmdPrevious;
    forms::CommandButton* cmdNext;
    forms::CommandButton* cmdLast;
    forms::CommandButton* cmdAnswer;
    forms::CommandButton* cmdExit;
    forms::CommandButton* cmdSave;
    forms::CommandButton* cmdNew;
    forms::CommandButton* cmdDelete;
    forms::CommandButton* cmdShow; // "Show Picture"
    forms::CommandButton* cmdHide; // "Hide Picture"
    forms::CommandButton* cmdShowVideo;
    forms::CommandButton* cmdHideVideo;
    forms::CommandButton* cmdShowNotes; // "Notes"
    forms::CommandButton* cmdNotes;     // "Hide" on the notes palette
    forms::CommandButton* cmdSnoop;     // "Clear Snoop" on the notes palette
    forms::CommandButton* cmdScore;     // "Take A Peak At Your Score"
    forms::CommandButton* cmdCheat;     // "Hide Your Score Again"
    forms::CommandButton* cmdTerms;     // "Terminology"
    forms::CommandButton* cmdNuvia;     // "Nuvia Read"
    forms::CommandButton* cmdNuviaStop; // "Nuvia Stop"
    forms::CommandButton* cmdReadAll;   // "Presentation"
    forms::CommandButton* cmdAdd;       // "Transport"
    forms::CommandButton* cmdReturn;    // "Return"

    // ---- Pictures, video, notes, background ------------------------------
    forms::ImageBox* skin;     // the skin picture behind everything
    forms::ImageBox* FXImage1; // the question's picture file
    forms::Frame* fraVideo;
    media::MediaPlayer* Video;
    forms::Frame* fraNotes; // the notes palette
    QString Dir1Path;       // the folder list's path: the program folder
    QString File1Path;      // the file list's path: base of picture and video paths

    // ---- Progress, pace, clock, bars, character --------------------------
    XP_ProgressBar* ProgressBar1;
    forms::Slider* Slider1;   // reading pace in seconds
    forms::Timer* Timer2;     // the clock, 500 ms
    forms::Timer* Timer3;     // read-aloud answer pause
    forms::StatusBar* Status; // panels "Chapter", (maker), "Watch", "Time", "State"
    forms::Toolbar* tbToolBar;
    speech::CharacterControl* Agent1;
    hosting::ControlHost* QvDateInput1; // the date-input control; empty without its library

    // ---- Menus -----------------------------------------------------------
    forms::Menu* mnuFile;
    forms::Menu* mnuUser;  // "Enter User Information"
    forms::Menu* mnuBuild; // "Build Test Package"
    forms::Menu* mnuEnd;   // "End"
    forms::Menu* mnuEdit;
    forms::Menu* mnuCut;
    forms::Menu* mnuCopy;
    forms::Menu* mnuPaste;
    forms::Menu* mnuRenumber;  // "Re-Number Database Number"
    forms::Menu* mnuReNumChap; // "Re-Number Chapter Numbers"
    forms::Menu* mnuRelabel;   // "Re-Label Chapter Title"
    forms::Menu* mnuView;
    forms::Menu* mnuChap;
    forms::Menu* mnuData;
    forms::Menu* mnuUser1;
    forms::Menu* mnuLevel;
    forms::Menu* mnuScore;
    forms::Menu* mnuProgress;
    forms::Menu* mnuTool;
    forms::Menu* mnuStatus;
    forms::Menu* mnuAll;
    forms::Menu* mnuOptions;
    forms::Menu* mnuKwed;             // "Search Questions For Keywords"
    forms::Menu* mnuChapterNumSearch; // "Search For A Specific Chapter Question Number"
    forms::Menu* mnuDatabaseNum;      // "Search For A Specific Database Question Number"
    forms::Menu* mnuResetChapter;
    forms::Menu* mnuSaveThisSession;
    forms::Menu* mnuLastSession;
    forms::Menu* mnuRecord; // "Clear Snoop Memory On Exit"
    forms::Menu* mnuUse;
    forms::Menu* mnuBypass;
    forms::Menu* mnuSpeed;
    forms::Menu* mnuTell;
    forms::Menu* mnuReadNuvia;
    forms::Menu* mnuFlash;
    forms::ControlArray<forms::Menu> mnuStart; // 0 "Start Stop Watch", 1 "Stop Stop Watch"
    forms::Menu* mnuSkin;
    forms::Menu* mnuPictures;                       // "&Images"
    forms::Menu* mnuAddPicture;                     // "Add Picture To Question"
    forms::Menu* mnuAddVideo;                       // "Add Video To Question"
    forms::ControlArray<forms::Menu> mnuImagesShow; // presentation pictures on / off
    forms::Menu* mnuQuestions;
    forms::Menu* mnuLock;
    forms::Menu* mnuUnlock;
    forms::Menu* mnuFF1;       // "Display Level 1 Questions Only"
    forms::Menu* mnuFF2;       // "Display Level 2 Questions Only"
    forms::Menu* mnuReset;     // "Reset To Display Both Levels"
    forms::Menu* mnuAddNotes;  // "View Notes Palette"
    forms::Menu* mnuX;         // "Display Incorrectly Answered Questions - By Chapter"
    forms::Menu* mnuX2;        // "Display All Incorrectly Answered Questions"
    forms::Menu* mnuClear;     // "Clear Memory"
    forms::Menu* mnuElephant1; // "Drill Questions Saved In Elephant Mode"
    forms::Menu* mnuResetDatabase;
    forms::Menu* mnuMemory; // "Clear Elephant Mode Memory"
    forms::Menu* mnuCurrent;
    forms::Menu* mnuMultiple;
    forms::Menu* mnuEntire;
    forms::Menu* mnuOrder;
    forms::Menu* mnuRand;
    forms::Menu* mnuNuvia;
    forms::Menu* mnuHideNuvia;
    forms::Menu* mnuUseNuvia;
    forms::Menu* mnuShowBalloon;
    forms::Menu* mnuHideBalloon;
    forms::Menu* mnuNuviaTells;
    forms::Menu* mnuNuviaAct; // hidden
    forms::Menu* mnuBot;      // "Nuvia Clipboard Reader"
    forms::Menu* mnuHelp;
    forms::Menu* mnuContents;
    forms::Menu* mnuWebsite;
    forms::Menu* mnuAbout;

    // ---- Public methods other windows call --------------------------------
    void Color();   // white field labels, for dark skins
    void NoColor(); // black field labels, for light skins
    void size1();   // narrow question and answers: notes palette open
    void size2();   // wide question and answers: notes palette closed
    // A new set's first question as a move leaves it: no option picked,
    // answer and verdict hidden, and its next verdict counted.
    void startFreshQuestion() override;

    // The question set the window shows, over Data1 and the set's hidden boxes.
    questionsets::QuestionSet& questionSet() { return *set_; }
    // The table of contents the window returns to ("1", "2", "3"), as the
    // one activated last names it.
    void setContentsRoute(const QString& route);
    // A whole-bank set offers the database renumbering, never the chapter one.
    void offerWholeBankRenumbering();
    // A file under the file list's folder (the program folder): subfolder and name.
    QString fileListPath(const QString& subfolder, const QString& name) const;

    // ---- Handlers: record display and moves -------------------------------
    void cmdFirst_Click();
    void cmdPrevious_Click();
    void cmdNext_Click();
    void cmdLast_Click();
    void moveButton_KeyPress(int& keyAscii); // the four move buttons' letter keys
    void cmdShow_Click();
    void cmdHide_Click();
    void FXImage1_Click();
    void Picture1_DblClick();
    void cmdShowVideo_Click();
    void cmdHideVideo_Click();
    void cmdShowNotes_Click();
    void cmdNotes_Click();
    void Data1_Reposition();
    void Data1_Validate(int action, bool& save);
    void recordDisplay() override;

    // ---- Handlers: answers and scoring ------------------------------------
    void optA_Click();
    void optB_Click();
    void optC_Click();
    void optD_Click();
    void lblA_Click(int index);
    void cmdAnswer_Click();
    void cmdScore_Click();
    void cmdCheat_Click();

    // ---- Handlers: answer memory and leaving ------------------------------
    void mnuClear_Click();
    void mnuMemory_Click();
    void cmdSnoop_Click();
    void mnuRecord_Click();
    void cmdExit_Click();
    void mnuEnd_Click();

    // ---- Handlers: printing ------------------------------------------------
    void mnuBuild_Click();

    // ---- Handlers: view options, status bar and window menus ---------------
    void mnuChap_Click();
    void mnuData_Click();
    void mnuUser1_Click();
    void mnuLevel_Click();
    void mnuScore_Click();
    void mnuProgress_Click();
    void mnuTool_Click();
    void mnuStatus_Click();
    void mnuAll_Click();
    void mnuAddNotes_Click();
    void mnuStart_Click(int index);
    void Timer2_Timer();
    void Status_PanelClick(int index);
    void mnuContents_Click();
    void mnuWebsite_Click();
    void mnuAbout_Click();
    // Opens the clipboard reader, or brings it forward.
    void mnuBot_Click();
    void mnuSkin_Click();

    // ---- Handlers: the speaking character -----------------------------------
    // The character "merlin", or none when it could not be loaded: without
    // speech components every step goes on silently.
    speech::Character* character() const;
    void cmdNuvia_Click();
    void cmdNuviaStop_Click();
    void Agent1_Bookmark(int tag);
    void cmdReadAll_Click();          // one presentation item
    void Video_PlayEnded(int result); // the result is not read
    void mnuReadNuvia_Click();        // the read-aloud mode: reads the current record
    void Timer3_Timer();              // the answer pause is over
    void mnuHideNuvia_Click();
    void mnuUseNuvia_Click();
    void mnuShowBalloon_Click();
    void mnuHideBalloon_Click();
    void mnuNuviaTells_Click();
    void mnuImagesShow_Click(int index); // the index is not consulted

    // ---- Handlers: question sets and answer modes -------------------------
    void mnuUse_Click();
    void mnuBypass_Click();
    void mnuSpeed_Click();
    void mnuTell_Click();
    void mnuFlash_Click();
    void mnuOrder_Click();
    void mnuRand_Click();
    void mnuCurrent_Click();
    void mnuMultiple_Click();
    void mnuEntire_Click();
    void mnuReset_Click();
    void mnuResetChapter_Click();
    void mnuResetDatabase_Click();
    void mnuChapterNumSearch_Click();
    void mnuDatabaseNum_Click();
    void mnuFF1_Click();
    void mnuFF2_Click();
    void mnuElephant1_Click();
    void mnuX_Click();
    void mnuX2_Click();
    void mnuKwed_Click();
    void mnuSaveThisSession_Click();
    void mnuLastSession_Click();
    void tbToolBar_ButtonClick(const QString& key);

    // Terminology
    void cmdTerms_Click();     // "Terminology": the library, to browse
    void lookUpSelectedTerm(); // the "Terms" key: the library, looking up the selected text

    // Users
    void mnuUser_Click(); // "Enter User Information": the users window

    // Pictures and videos
    void mnuAddPic_Click(); // "Add Picture To Question": "Edit Screen Images" on its picture tab
    void mnuVideo_Click();  // "Add Video To Question": the same window on its video tab

    // Chapter relabel and renumbering
    void mnuRelabel_Click();
    void mnuRenumber_Click();
    void mnuReNumChap_Click();

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& cancel) override;

private:
    // The design, part by part, in the order the controls are made.
    void designBackground(QWidget& canvas);
    void designFieldRow(QWidget& canvas);
    void designQuestion(QWidget& canvas);
    void designButtons(QWidget& canvas);
    void designPictureAndNotes(QWidget& canvas);
    void designHiddenBoxes();
    void designBars(); // status panels and toolbar keys
    void designMenus();
    void designDateInput(QWidget& canvas);

    // The pick step of one option; letter "A" to "D".
    void pickAnswer(const QString& letter);

    // The read-aloud cycle after the answer was told: the next record, read
    // aloud; at the set's last record the cycle ends.
    void readAloudNextRecord();

    std::unique_ptr<questionsets::QuestionSet> set_;

    // Stop watch state.
    bool watchRunning_ = false;
    QDateTime watchStart_;

    // ==== Window core: steps shared by the display, activation, memory and view files ====
    void enablePictureDrag();
    void prepareMove();        // options cleared, correct answer and verdict hidden
    void refreshNotesButton(); // "Notes" shown exactly when the record has notes
    void hideAnswersForFlashCards();
    void replayAnswerMode();
    void applySkin();
    bool offerNewQuestion(); // false when declined: the window was unloaded
    void activationDisplay();
    void walkSet(const std::function<void()>& eachRecord);
    void applyWidths(bool paletteOpen);
    void showStopWatch();
    static QString timeText(const QTime& time);
    static QString generalDateText(const QDateTime& moment);
    forms::Timer* watchTimer_ = nullptr;
    // ==== end of window core block ====

    // ==== Record display: picture and video, shared by the moves and the activation ====
    // The moves' display and the activation's differ only in these rules.
    struct MediaRules {
        bool pictureNamedByStoredRow;  // the stored d_strip1 field, not txtFile1, tells whether there is a picture
        bool hidePictureWhenNone;      // a record without a picture hides it and both picture buttons
        bool hideVideoButtonsWhenNone; // a record without a video hides both video buttons, not only the frame
    };
    void showRecordMedia(const MediaRules& rules);
    void showRecordVideo(bool hideButtonsWhenNone);
    void loadQuestionPicture();
    // ==== end of record display block ====

    // ==== Editing the bank: the edit lock, the question records, the edit fields ====
public:
    forms::TextBox* txtFocus; // letter of the edit box that last got the focus: "Q", "A".."D", "N"
    forms::TextBox* txtClip;  // word for the same box: "Question", "A".."D", "Notes"
    forms::TextBox* txtSpell; // typing-error flag box

    // The edit lock: "Lock Questions" is enabled exactly while unlocked.
    bool questionsUnlocked() const;
    void mnuLock_Click();
    void mnuUnlock_Click();
    void txtCall_DblClick();
    // A record is being changed: navigation, Exit, New and Delete wait for Save.
    void LockStuff();
    void UnLockStuff();

    void cmdNew_Click();
    void cmdSave_Click();
    void cmdDelete_Click();

    // The question hub: "Transport" remembers the question shown in
    // txtReturn2 and opens the hub; "Return" (and the hub's "&Cancel") goes
    // back to the remembered question and offers "Transport" again.
    void cmdAdd_Click();
    void cmdReturn_Click();
    void returnToRemembered();
    // A database number no question of the bank holds yet.
    qint64 newDatabaseNumber() const;

    // The edit box that last got the focus (the question, an answer or the
    // notes), as txtFocus names it; null before any did. Spelling and the
    // thesaurus work on it.
    forms::TextBox* focusedEditField() const;
    // The edit box a field marker names ("Question", "A".."D", "Notes", as
    // txtClip holds them); null for any other text.
    forms::TextBox* editFieldNamed(const QString& word) const;
    // The language aids' hand-over: the clipboard emptied, then given the
    // selection of the field txtClip marks; that field, or none.
    forms::TextBox* copyMarkedSelection();
    // The toolbar's "Fonts" key: the thesaurus on the marked field's selection.
    void showThesaurus();
    void mnuCut_Click();
    void mnuCopy_Click();
    void mnuPaste_Click();

    // Spelling: the checker watches the edit box that has the focus; a word
    // it flags is corrected at once (one suggestion) or offered in the
    // "Suggestions" popup (several). The toolbar's "Spell Check" walks the set.
    spell::SpellChecker* VSSpell1;
    forms::Menu* mpopup;                       // "Suggestions", never on the menu bar
    forms::ControlArray<forms::Menu> msuggest; // 0 the word itself, 1..5 suggestions
    void VSSpell1_WordFlagged(int start, int length, bool& handled);
    void msuggest_Click(int index);
    void VSSpell1_DialogButton(int& code);
    void spellCheckSet(); // the toolbar's "Spell Check"

private:
    void designEditFields(); // the hidden boxes and the edit boxes' events
    void designSpelling();   // the checker and its popup
    void editBox_GotFocus(forms::TextBox& box, const QString& letter, const QString& word);
    void editBox_KeyPress(forms::TextBox& box, int& keyAscii, bool typingColour);
    void editBox_LostFocus();
    void answerBox_Click(int index);
    void txtAnswer_KeyPress(int& keyAscii);
    void txtAnswer_LostFocus();
    void txtLevel_KeyPress(int& keyAscii);
    void txtNum_KeyPress(int& keyAscii);
    void setEditLock(bool locked);
    // The chapter's next question number, read through Data2.
    QString nextQuestionNumberOf(const QString& chapter);
    bool addQuestionAfterEmptiedSet(const QString& chapter);
    // ==== end of editing block ====

    // ==== Printed reports of the set (frmMain_reports.cpp) ====
public:
    // The test-package window's "Quick Report": asks whether to include the
    // page references; Cancel prints nothing.
    void printQuickReport();
    void printQuickReport(printing::PageReferences references);
    // The test-package window's "Print Picture Album".
    void printPictureAlbum();

private:
    // The parts of a printed title that come from the set.
    printing::SetTitle printedSetTitle();
    // The current record as the printed products read it.
    printing::PrintedQuestion printedRecord() const;
    // ==== end of printed reports block ====
};

} // namespace questionwindow
