#pragma once

#include <QString>

// The texts the windows leave for each other in hidden boxes, in stored rows
// and in status panels. Every writer and every reader of such a value names it
// from here, so a value cannot drift apart between the window that writes it
// and the window that compares it. The texts themselves are fixed: they are
// stored in the question database and settings rows.
namespace markers {

// ---- Set marker: frmMain.txtQ, and the pressed caption txtK of every contents window
// Any other text is a chapter title.
inline constexpr QLatin1StringView wholeBank{"Snore"};         // the whole question table
inline constexpr QLatin1StringView drillSet{"Sneeze"};         // the drill set, or every wrongly answered question
inline constexpr QLatin1StringView chapterWrong{"YAYAYA"};     // the wrongly answered questions of one chapter
inline constexpr QLatin1StringView unlockedByNumber{"Unlock"}; // unlocked by a double click on the database number
// Never written by a set; the printed titles still honour it with the multi-chapter test's title.
inline constexpr QLatin1StringView selectedChapters{"Select"};

// ---- Answer-mode code: frmMain.txtBe, read by every answer step
inline constexpr QLatin1StringView useAnswerCode{"U"}; // judged by the Answer button
inline constexpr QLatin1StringView bypassCode{"DU"};   // judged and spoken at the pick
inline constexpr QLatin1StringView turboCode{"S"};     // judged at the pick, verdict kept in the Turbo box
inline constexpr QLatin1StringView hideScoreCode{"D"}; // judged at the pick, score hidden
inline constexpr QLatin1StringView flashCardCode{"F"}; // no verdict: the Answer button turns the card

// ---- Answer-mode word: frmContents.txtState, the stored answer mode
inline constexpr QLatin1StringView useAnswerWord{"Use"};
inline constexpr QLatin1StringView bypassWord{"Bypass"};
inline constexpr QLatin1StringView turboWord{"Turbo"};
inline constexpr QLatin1StringView hideScoreWord{"Dont"};
inline constexpr QLatin1StringView readAloudWord{"Nuvia"}; // the character reads and waits for the answer
inline constexpr QLatin1StringView flashCardWord{"Flash"};

// ---- Contents route: frmMain.txtContentsRoute, the contents window activated last
inline constexpr QLatin1StringView mainContentsRoute{"1"}; // the main table of contents
inline constexpr QLatin1StringView bank2Route{"2"};        // test bank 2
inline constexpr QLatin1StringView bank3Route{"3"};        // test bank 3
// The route of the contents window of bank 1, 2 or 3.
constexpr QLatin1StringView contentsRoute(int bank)
{
    return bank == 3 ? bank3Route : bank == 2 ? bank2Route : mainContentsRoute;
}

// ---- Question level: the stored FF of a question, and the level filter frmMain.txtRoute
// Any other filter text means both levels.
inline constexpr QLatin1StringView levelOne{"1"};
inline constexpr QLatin1StringView levelTwo{"2"};

// ---- Counted-once flag: frmMain.txtAlreadyAnswered
inline constexpr QLatin1StringView notYetCounted{"1"};  // the next verdict on this question counts
inline constexpr QLatin1StringView alreadyCounted{"2"}; // this visit's verdict has been counted

// ---- Record memories: the stored x, Elephant and picbox, and frmMain.txtNew
inline constexpr QLatin1StringView answeredWrong{"Y"};  // x: last answered wrongly
inline constexpr QLatin1StringView answeredRight{"N"};  // x: last answered rightly, or memory cleared
inline constexpr QLatin1StringView drillMarked{"X"};    // Elephant: marked for the drill set
inline constexpr QLatin1StringView drillCleared{" "};   // Elephant: the mark cleared
inline constexpr QLatin1StringView newQuestion{"New"};  // txtNew and picbox while a new question is entered
inline constexpr QLatin1StringView pictureShown{"2"};   // picbox: the question shows its picture
inline constexpr QLatin1StringView noPictureShown{"1"}; // picbox: a picture, if any, stays hidden

// ---- Question hub: frmBank.txtLook
inline constexpr QLatin1StringView hubIdle{"txtLook"};        // the hub was activated or cancelled
inline constexpr QLatin1StringView hubTransport{"Transport"}; // a chapter was picked, or a transport ran

// ---- Saved session: frmMain.txtClone after a load, and the Clone field of every saved row
inline constexpr QLatin1StringView sessionLoaded{"Cloning"};
inline constexpr QLatin1StringView savedSessionRow{"CloneItBaby"};

// ---- Last reading: frmMain.txtPresent
inline constexpr QLatin1StringView readButtonReading{"Nuvia"};          // the read button's reading
inline constexpr QLatin1StringView presentationReading{"Presentation"}; // the presentation

// ---- Print preview route: frmPrint.txtRoute; any other text returns nowhere
inline constexpr QLatin1StringView terminologyRoute{"Terms"}; // leaving the preview shows the terminology window

// ---- Terminology lookup marker: frmSearch.txtClip; any other text looks the clipboard up
inline constexpr QLatin1StringView browseTerms{"Cat"};         // the activation looks nothing up
inline constexpr QLatin1StringView lookUpClipboardTerm{"Dog"}; // the question window's "Terms" key

// ---- Status panel keys
inline constexpr QLatin1StringView chapterPanel{"Chapter"}; // question window: the set or the last action
inline constexpr QLatin1StringView watchPanel{"Watch"};     // question window: the stop watch
inline constexpr QLatin1StringView timePanel{"Time"};       // every window with a clock
inline constexpr QLatin1StringView statePanel{"State"};     // question window: the answer mode

// ---- Settings: frmContents.txtBalloon and txtShowImages; other texts choose neither
inline constexpr QLatin1StringView settingOn{"yes"};
inline constexpr QLatin1StringView settingOff{"no"};
// frmContents.txtAgentInstall once the speech components are installed
inline constexpr QLatin1StringView agentInstalled{"Yes"};

// ---- Screen size: frmContents.txtRes and frmSplash.txtRes; only these two are laid out
inline constexpr QLatin1StringView screen1024{" 1024 x 768"};
inline constexpr QLatin1StringView screen800{" 800 x 600"};

// ---- Skin name compared outside the skin table: the contents window stretches its picture
inline constexpr QLatin1StringView nantucketTwoSkin{"Nantucket 2"};

// ---- The speaking character's name in frmMain.Agent1
inline constexpr QLatin1StringView characterName{"merlin"};

} // namespace markers
