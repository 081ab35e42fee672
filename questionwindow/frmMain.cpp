#include "questionwindow/frmMain.h"

#include "platform/forms/App.h"
#include "platform/forms/Twips.h"
#include "platform/forms/WindowKit.h"
#include "platform/media/MediaPlayer.h"
#include "platform/speech/CharacterControl.h"
#include "widgets/XP_ProgressBar.h"

#include <utility>

namespace questionwindow {

using forms::setGeometryTwips;

namespace {

// Design positions are kept in twips; most are written here as pixels at
// 96 dpi for readability.
constexpr int tw(int pixels)
{
    return forms::toTwips(pixels);
}

// The smallest canvas that holds the whole design; a smaller window scrolls.
constexpr int canvasWidth = 1024;
constexpr int canvasHeight = 636;

// Enter presses the button that has the focus, as Space does.
constexpr unsigned pressable = forms::AutoDefault;
constexpr unsigned pressableHidden = forms::AutoDefault | forms::Hidden;
constexpr unsigned pressableOff = forms::AutoDefault | forms::Disabled;

} // namespace

// ---- The window -----------------------------------------------------------------------

frmMain::frmMain()
{
    // A 1024 x 768 screen is the design's home; a smaller one gets what fits.
    forms::shapeWindow(*this,
                       {"frmMain", "Fire Fighter Test Preparation", QSize(1024, 768), forms::Start::FittedToScreen});
    QWidget& canvas = *forms::makeScrollingCanvas(*this, QSize(canvasWidth, canvasHeight));

    // clang-format off
    static const forms::CursorDesign<frmMain> cursors[] = {
        {&frmMain::Data1, "Data1", "Access"},
        {&frmMain::Data2, "Data2", "Access"},
        {&frmMain::Data3, "Data3", "Access 2000;"},
        {&frmMain::Data4, "Data4", "Access 2000;"},
        {&frmMain::Data5, "Data5", "Access 2000;"},
        {&frmMain::Data6, "Data6", "Access 2000;"},
    };
    // clang-format on
    forms::buildCursors(*this, cursors);
    connect(Data1, &data::DataControl::reposition, this, &frmMain::Data1_Reposition);
    connect(Data1, &data::DataControl::validate, this, &frmMain::Data1_Validate);

    designBackground(canvas);
    designFieldRow(canvas);
    designQuestion(canvas);
    designButtons(canvas);
    designPictureAndNotes(canvas);
    designHiddenBoxes();
    designEditFields();

    // The picture and video paths start from the program folder.
    Dir1Path = forms::App::current().path();
    File1Path = Dir1Path;

    Timer2 = new forms::Timer(this, 500, true);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    connect(Timer2, &forms::Timer::timer, this, &frmMain::Timer2_Timer);
    Timer3 = new forms::Timer(this, 6000, false);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    connect(Timer3, &forms::Timer::timer, this, &frmMain::Timer3_Timer);
    Agent1 = new speech::CharacterControl(this);
    Agent1->setObjectName(QStringLiteral("Agent1"));
    connect(Agent1, &speech::CharacterControl::bookmark, this, &frmMain::Agent1_Bookmark);

    designBars();
    set_ = std::make_unique<questionsets::QuestionSet>(
        questionsets::QuestionSet::Parts{Data1, txtCall, txtChapter, txtQ, txtCount, txtMark, txtRoute, txtBe, Status},
        *this);

    // Keyboard order: the question, the choices, then the buttons.
    // clang-format off
    forms::setTabOrder(*this, {"txtQuestion", "optA", "txtA", "optB", "txtB", "optC", "txtC", "optD", "txtD",
                               "cmdAnswer", "cmdNext", "cmdPrevious", "cmdFirst", "cmdLast", "cmdExit", "cmdSave",
                               "cmdNew", "cmdDelete", "cmdShow", "cmdHide", "cmdShowVideo", "cmdHideVideo",
                               "cmdShowNotes", "cmdTerms", "cmdAdd", "cmdReturn", "cmdNuvia", "cmdNuviaStop",
                               "cmdReadAll", "Slider1", "cmdScore", "cmdCheat", "txtNotes", "txtSnoop", "cmdSnoop",
                               "cmdNotes", "txtChapter", "txtNum", "txtCall", "txtUser", "txtLevel", "txtCorrect",
                               "txtIncorrect", "txtTotal", "txtScore", "txtCount"});
    // clang-format on

    enablePictureDrag();
    designMenus();
    designDateInput(canvas);
}

frmMain::~frmMain() = default;

} // namespace questionwindow

questionsets::SetWindow questionsets::questionWindow()
{
    auto& window = forms::form<questionwindow::frmMain>();
    return {window, window.questionSet()};
}

namespace questionwindow {

// ---- Background: the skin first, at the bottom; then the canvas behind the question ----

void frmMain::designBackground(QWidget& canvas)
{
    skin = new forms::ImageBox(&canvas);
    skin->setObjectName(QStringLiteral("skin"));
    skin->setStretch(true);
    skin->setAccessibleName(QStringLiteral("Background"));
    skin->setGeometry(0, 0, canvasWidth, canvasHeight);
    forms::coverCanvas(canvas, *skin);

    back = new forms::Label(&canvas);
    back->setObjectName(QStringLiteral("back"));
    back->setAccessibleName(QStringLiteral("Question area"));
    back->setBackColor(16777215);
    back->setFrameShape(QFrame::StyledPanel);
    setGeometryTwips(*back, tw(6), tw(62), tw(962), tw(284));
}

// ---- The top row of labelled fields ---------------------------------------------------

void frmMain::designFieldRow(QWidget& canvas)
{
    // A caption over each box; the labels take no clicks here.
    static const forms::ButtonDesign<frmMain, forms::Label> captions[] = {
        {&frmMain::Label1, "Label1", "Chapter", {tw(12), tw(4), tw(306), tw(16)}},
        {&frmMain::Label2, "Label2", "Question #", {tw(322), tw(4), tw(80), tw(16)}},
        {&frmMain::Label3, "Label3", "Database #", {tw(406), tw(4), tw(84), tw(16)}},
        {&frmMain::Label4, "Label4", "User", {tw(494), tw(4), tw(126), tw(16)}},
        {&frmMain::Label5, "Label5", "Level", {tw(624), tw(4), tw(52), tw(16)}},
        {&frmMain::Label6, "Label6", "Correct", {tw(680), tw(4), tw(64), tw(16)}},
        {&frmMain::Label7, "Label7", "Incorrect", {tw(748), tw(4), tw(72), tw(16)}},
        {&frmMain::Label8, "Label8", "Total", {tw(824), tw(4), tw(58), tw(16)}},
        {&frmMain::Label9, "Label9", "Score", {tw(886), tw(4), tw(58), tw(16)}},
        {&frmMain::Label10, "Label10", "Count", {tw(948), tw(4), tw(62), tw(16)}},
    };
    forms::buildButtons(*this, canvas, captions);

    constexpr auto line = forms::TextBox::SingleLine;
    // clang-format off
    static const forms::BoxDesign<frmMain> fields[] = {
        {&frmMain::txtChapter, "txtChapter", "Chapter", {tw(12), tw(20), tw(300), tw(24)}, &frmMain::Data1, "Chapter",
         line, forms::Locked},
        {&frmMain::txtNum, "txtNum", "Question number", {tw(322), tw(20), tw(74), tw(24)}, &frmMain::Data1, "QNUM",
         line, forms::Locked},
        {&frmMain::txtCall, "txtCall", "Database number", {tw(406), tw(20), tw(78), tw(24)}, &frmMain::Data1, "Call",
         line, forms::Locked},
        {&frmMain::txtUser, "txtUser", "User", {tw(494), tw(20), tw(120), tw(24)}, nullptr, nullptr, line,
         forms::Locked},
        {&frmMain::txtLevel, "txtLevel", "Level", {tw(624), tw(20), tw(46), tw(24)}, &frmMain::Data1, "FF", line,
         forms::Locked},
        {&frmMain::txtCorrect, "txtCorrect", "Correct answers", {tw(680), tw(20), tw(58), tw(24)}, nullptr, nullptr,
         line, forms::Locked},
        {&frmMain::txtIncorrect, "txtIncorrect", "Incorrect answers", {tw(748), tw(20), tw(66), tw(24)}, nullptr,
         nullptr, line, forms::Locked},
        {&frmMain::txtTotal, "txtTotal", "Total answered", {tw(824), tw(20), tw(52), tw(24)}, nullptr, nullptr, line,
         forms::Locked},
        {&frmMain::txtScore, "txtScore", "Score", {tw(886), tw(20), tw(52), tw(24)}, nullptr, nullptr, line,
         forms::Locked},
        {&frmMain::txtCount, "txtCount", "Questions in this set", {tw(948), tw(20), tw(56), tw(24)}, nullptr, nullptr,
         line, forms::Locked},
    };
    // clang-format on
    forms::buildBoxes(*this, canvas, fields);

    const std::pair<forms::Label*, forms::TextBox*> captioned[] = {
        {Label1, txtChapter}, {Label2, txtNum},       {Label3, txtCall},  {Label4, txtUser},  {Label5, txtLevel},
        {Label6, txtCorrect}, {Label7, txtIncorrect}, {Label8, txtTotal}, {Label9, txtScore}, {Label10, txtCount},
    };
    for (auto [label, box] : captioned) {
        label->setFontBold(true);
        label->setWordWrap(false);
        label->setBuddy(box->editor());
    }
    for (forms::TextBox* counter : {txtCorrect, txtIncorrect, txtTotal, txtScore, txtCount}) {
        counter->setText(QStringLiteral("0"));
        counter->setDataChanged(false);
    }

    ProgressBar1 = new XP_ProgressBar(&canvas);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setAccessibleName(QStringLiteral("Place in the question set"));
    setGeometryTwips(*ProgressBar1, tw(12), tw(50), tw(201), tw(9));
}

// ---- Question, answers and verdicts ---------------------------------------------------

void frmMain::designQuestion(QWidget& canvas)
{
    constexpr auto lines = forms::TextBox::MultiLine;
    // clang-format off
    static const forms::BoxDesign<frmMain> question[] = {
        {&frmMain::txtQuestion, "txtQuestion", "Question", {tw(12), tw(68), 14250, tw(88)}, &frmMain::Data1,
         "Question", lines, forms::Locked},
        {&frmMain::txtA, "txtA", "Answer A", {tw(62), tw(162), 13500, tw(42)}, &frmMain::Data1, "A", lines,
         forms::Locked},
        {&frmMain::txtB, "txtB", "Answer B", {tw(62), tw(207), 13500, tw(42)}, &frmMain::Data1, "B", lines,
         forms::Locked},
        {&frmMain::txtC, "txtC", "Answer C", {tw(62), tw(252), 13500, tw(42)}, &frmMain::Data1, "C", lines,
         forms::Locked},
        {&frmMain::txtD, "txtD", "Answer D", {tw(62), tw(297), 13500, tw(42)}, &frmMain::Data1, "D", lines,
         forms::Locked},
    };
    // clang-format on
    forms::buildBoxes(*this, canvas, question);

    // clang-format off
    static const forms::ButtonDesign<frmMain, forms::OptionButton> options[] = {
        {&frmMain::optA, "optA", "", {tw(14), tw(173), tw(20), tw(20)}, &frmMain::optA_Click, "Choose answer A",
         "Choose answer A"},
        {&frmMain::optB, "optB", "", {tw(14), tw(218), tw(20), tw(20)}, &frmMain::optB_Click, "Choose answer B",
         "Choose answer B"},
        {&frmMain::optC, "optC", "", {tw(14), tw(263), tw(20), tw(20)}, &frmMain::optC_Click, "Choose answer C",
         "Choose answer C"},
        {&frmMain::optD, "optD", "", {tw(14), tw(308), tw(20), tw(20)}, &frmMain::optD_Click, "Choose answer D",
         "Choose answer D"},
    };
    // clang-format on
    forms::buildButtons(*this, canvas, options);

    // The letter beside each option; a click on it picks the option.
    forms::OptionButton* const letterOf[] = {optA, optB, optC, optD};
    for (int i = 0; i < 4; ++i) {
        const QString letter(QChar(u'A' + i));
        auto* label = new forms::Label(&canvas, letter);
        label->setObjectName(QStringLiteral("lblA"));
        label->setFontBold(true);
        label->setFontSize(11);
        label->setAlignment(Qt::AlignCenter);
        label->setAccessibleName(QStringLiteral("Letter ") + letter);
        setGeometryTwips(*label, tw(36), tw(171 + i * 45), tw(22), tw(24));
        label->setBuddy(letterOf[i]);
        lblA.add(i, label);
    }
    lblA.on(&forms::Label::click, [this](int index) { lblA_Click(index); });

    // clang-format off
    static const forms::BoxDesign<frmMain> verdicts[] = {
        {&frmMain::txtSA, "txtSA", "Verdict", {tw(12), tw(356), tw(150), tw(32)}, nullptr, nullptr,
         forms::TextBox::SingleLine, forms::Locked | forms::Hidden},
        {&frmMain::txtAnswer, "txtAnswer", "Correct answer", {tw(168), tw(356), tw(40), tw(32)}, &frmMain::Data1,
         "Answer", forms::TextBox::SingleLine, forms::Locked | forms::Hidden},
    };
    // clang-format on
    forms::buildBoxes(*this, canvas, verdicts);
    for (forms::TextBox* verdict : {txtSA, txtAnswer}) {
        verdict->setFontBold(true);
        verdict->setFontSize(12);
    }
    txtAnswer->setToolTip(QStringLiteral("The correct answer"));

    fraTurbo = new forms::Frame(&canvas);
    fraTurbo->setObjectName(QStringLiteral("fraTurbo"));
    fraTurbo->setAccessibleName(QStringLiteral("Turbo answer"));
    fraTurbo->setAutoFillBackground(true); // readable on any skin
    setGeometryTwips(*fraTurbo, tw(216), tw(350), tw(150), tw(42));
    auto* turboLabel = new forms::Label(fraTurbo, QStringLiteral("TurboAnswer"));
    turboLabel->setObjectName(QStringLiteral("lblTurbo"));
    turboLabel->setFontBold(true);
    turboLabel->setFontItalic(true);
    turboLabel->setFontSize(12);
    turboLabel->setAlignment(Qt::AlignCenter);
    turboLabel->setGeometry(4, 6, 142, 32);
    fraTurbo->setVisible(false);

    fraSpeed = new forms::Frame(&canvas);
    fraSpeed->setObjectName(QStringLiteral("fraSpeed"));
    fraSpeed->setAccessibleName(QStringLiteral("Turbo verdict"));
    fraSpeed->setAutoFillBackground(true);
    setGeometryTwips(*fraSpeed, tw(372), tw(350), tw(170), tw(42));
    // clang-format off
    static const forms::BoxDesign<frmMain> speed[] = {
        {&frmMain::txtSpeed, "txtSpeed", "Turbo verdict", {tw(6), tw(6), tw(158), tw(30)}, nullptr, nullptr,
         forms::TextBox::SingleLine, forms::Locked},
    };
    // clang-format on
    forms::buildBoxes(*this, *fraSpeed, speed);
    txtSpeed->setBackColor(0);
    txtSpeed->setForeColor(65280);
    txtSpeed->setFontBold(true);
    txtSpeed->setFontSize(12);
    fraSpeed->setVisible(false);
}

// ---- Buttons and the reading pace -----------------------------------------------------

void frmMain::designButtons(QWidget& canvas)
{
    // Hidden or off in the design; the record display, the modes and the
    // edit lock show and enable them.
    // clang-format off
    static const forms::ButtonDesign<frmMain> buttons[] = {
        {&frmMain::cmdScore, "cmdScore", "Take A Peak At Your Score", {tw(550), tw(356), tw(196), tw(32)},
         &frmMain::cmdScore_Click, "", "Show your score", pressableHidden},
        {&frmMain::cmdCheat, "cmdCheat", "Hide Your Score Again", {tw(752), tw(356), tw(176), tw(32)},
         &frmMain::cmdCheat_Click, "", "Hide your score again", pressableHidden},

        {&frmMain::cmdFirst, "cmdFirst", "First", {tw(12), tw(402), tw(64), tw(32)}, &frmMain::cmdFirst_Click,
         "Click to access the first question", "First question", pressable},
        {&frmMain::cmdPrevious, "cmdPrevious", "<Back<", {tw(82), tw(402), tw(72), tw(32)},
         &frmMain::cmdPrevious_Click, "Click to access previous question", "Previous question", pressable},
        {&frmMain::cmdNext, "cmdNext", ">Next>", {tw(160), tw(402), tw(72), tw(32)}, &frmMain::cmdNext_Click,
         "Click to access next question", "Next question", pressable},
        {&frmMain::cmdLast, "cmdLast", "Last", {tw(238), tw(402), tw(64), tw(32)}, &frmMain::cmdLast_Click,
         "Click to access last question", "Last question", pressable},
        {&frmMain::cmdAnswer, "cmdAnswer", "Answer", {tw(308), tw(402), tw(96), tw(32)}, &frmMain::cmdAnswer_Click,
         "Click to answer question", "Check my answer", pressable},

        {&frmMain::cmdExit, "cmdExit", "E&xit", {tw(12), tw(440), tw(70), tw(32)}, &frmMain::cmdExit_Click,
         "Exits to Table of Contents screen", "Exit to the table of contents", pressable},
        {&frmMain::cmdSave, "cmdSave", "Save", {tw(88), tw(440), tw(70), tw(32)}, &frmMain::cmdSave_Click,
         "Save current question",
         "Save question", pressableOff},
        {&frmMain::cmdNew, "cmdNew", "New", {tw(164), tw(440), tw(70), tw(32)}, &frmMain::cmdNew_Click,
         "Create a new question",
         "New question", pressableOff},
        {&frmMain::cmdDelete, "cmdDelete", "Delete", {tw(240), tw(440), tw(70), tw(32)}, &frmMain::cmdDelete_Click,
         "Delete current question", "Delete question", pressableOff},

        {&frmMain::cmdShow, "cmdShow", "Show Picture", {tw(12), tw(478), tw(120), tw(32)}, &frmMain::cmdShow_Click,
         "Show embedded picture", "Show picture", pressableHidden},
        {&frmMain::cmdHide, "cmdHide", "Hide Picture", {tw(12), tw(478), tw(120), tw(32)}, &frmMain::cmdHide_Click,
         "Hide currently display picture", "Hide picture", pressableHidden},
        {&frmMain::cmdShowVideo, "cmdShowVideo", "Show Video", {tw(138), tw(478), tw(110), tw(32)},
         &frmMain::cmdShowVideo_Click, "", "Show video", pressableHidden},
        {&frmMain::cmdHideVideo, "cmdHideVideo", "Hide Video", {tw(254), tw(478), tw(110), tw(32)},
         &frmMain::cmdHideVideo_Click, "", "Hide video", pressableHidden},

        {&frmMain::cmdShowNotes, "cmdShowNotes", "Notes", {tw(12), tw(516), tw(80), tw(32)},
         &frmMain::cmdShowNotes_Click, "Click to access notes palette", "Notes", pressable},
        {&frmMain::cmdTerms, "cmdTerms", "Terminology", {tw(98), tw(516), tw(110), tw(32)},
         &frmMain::cmdTerms_Click,
         "Click to access terminology section", "Terminology", pressable},
        {&frmMain::cmdAdd, "cmdAdd", "Transport", {tw(214), tw(516), tw(95), tw(32)}, &frmMain::cmdAdd_Click,
         "Transports questions to question hub.", "Transport question", pressable},
        {&frmMain::cmdReturn, "cmdReturn", "Return", {tw(315), tw(516), tw(85), tw(32)}, &frmMain::cmdReturn_Click,
         "Returns To Previous Test Bank", "Return to previous test bank", pressableHidden},

        {&frmMain::cmdNuvia, "cmdNuvia", "Nuvia Read", {tw(12), tw(554), tw(110), tw(32)}, &frmMain::cmdNuvia_Click,
         "Nuvia reads current question", "Read question aloud", pressable},
        {&frmMain::cmdNuviaStop, "cmdNuviaStop", "Nuvia Stop", {tw(128), tw(554), tw(110), tw(32)},
         &frmMain::cmdNuviaStop_Click, "", "Stop reading", pressableHidden},
        {&frmMain::cmdReadAll, "cmdReadAll", "Presentation", {tw(244), tw(554), tw(110), tw(32)}, &frmMain::cmdReadAll_Click,
         "Nuvia reads all questions", "Presentation of all questions", pressable},
    };
    // clang-format on
    forms::buildButtons(*this, canvas, buttons);
    for (forms::CommandButton* move : {cmdFirst, cmdPrevious, cmdNext, cmdLast})
        connect(move, &forms::CommandButton::keyPress, this, &frmMain::moveButton_KeyPress);

    Slider1 = new forms::Slider(&canvas);
    Slider1->setObjectName(QStringLiteral("Slider1"));
    Slider1->setMin(1);
    Slider1->setMax(15);
    Slider1->setSmallChange(1);
    Slider1->setLargeChange(5);
    Slider1->setTickInterval(1);
    Slider1->setTickPosition(QSlider::TicksBelow);
    Slider1->setValue(6);
    Slider1->setToolTip(QStringLiteral("Controls interval time Nuvia allows you to answer the question."));
    Slider1->setAccessibleName(QStringLiteral("Seconds to answer while Nuvia reads"));
    setGeometryTwips(*Slider1, tw(12), tw(594), tw(260), tw(30));
    Slider1->setVisible(false);
}

// ---- Picture, video and the notes palette ---------------------------------------------

void frmMain::designPictureAndNotes(QWidget& canvas)
{
    // The picture held in the row lies under the picture file's.
    Picture1 = new forms::PictureBox(&canvas);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAccessibleName(QStringLiteral("Stored picture"));
    Picture1->setDataField(QStringLiteral("picture"));
    Data1->bind(Picture1);
    setGeometryTwips(*Picture1, tw(424), tw(404), tw(296), tw(222));
    connect(Picture1, &forms::PictureBox::dblClick, this, &frmMain::Picture1_DblClick);

    FXImage1 = new forms::ImageBox(&canvas);
    FXImage1->setObjectName(QStringLiteral("FXImage1"));
    FXImage1->setAccessibleName(QStringLiteral("Question picture"));
    FXImage1->setToolTip(QStringLiteral("Click to hide the picture; drag to move it"));
    FXImage1->setStretch(true);
    FXImage1->setFrameShape(QFrame::Box);
    setGeometryTwips(*FXImage1, tw(424), tw(404), tw(296), tw(222));
    FXImage1->setVisible(false);
    connect(FXImage1, &forms::ImageBox::click, this, &frmMain::FXImage1_Click);

    fraVideo = new forms::Frame(&canvas, QStringLiteral("Video"));
    fraVideo->setObjectName(QStringLiteral("fraVideo"));
    fraVideo->setAccessibleName(QStringLiteral("Question video"));
    fraVideo->setAutoFillBackground(true);
    setGeometryTwips(*fraVideo, tw(728), tw(398), tw(284), tw(232));
    Video = new media::MediaPlayer(fraVideo);
    Video->setObjectName(QStringLiteral("Video"));
    connect(Video, &media::MediaPlayer::playEnded, this, &frmMain::Video_PlayEnded);
    Video->setGeometry(8, 22, 268, 202);
    // Shown by "Show Video"; a video on screen plays at once.
    fraVideo->setVisible(false);

    fraNotes = new forms::Frame(&canvas, QStringLiteral("Notes"));
    fraNotes->setObjectName(QStringLiteral("fraNotes"));
    fraNotes->setAccessibleName(QStringLiteral("Notes palette"));
    fraNotes->setAutoFillBackground(true);
    setGeometryTwips(*fraNotes, tw(726), tw(62), tw(288), tw(284));
    // clang-format off
    static const forms::BoxDesign<frmMain> notes[] = {
        {&frmMain::txtNotes, "txtNotes", "Notes", {tw(8), tw(22), tw(272), tw(190)}, &frmMain::Data1, "Memo",
         forms::TextBox::MultiLine, forms::Locked},
        {&frmMain::txtSnoop, "txtSnoop", "Letter picked last", {tw(80), tw(220), tw(40), tw(26)}, &frmMain::Data1,
         "Snoop", forms::TextBox::SingleLine, forms::Locked},
    };
    // clang-format on
    forms::buildBoxes(*this, *fraNotes, notes);
    auto* snoopLabel = new forms::Label(fraNotes, QStringLiteral("Last pick:"));
    snoopLabel->setObjectName(QStringLiteral("lblSnoop"));
    snoopLabel->setWordWrap(false);
    snoopLabel->setGeometry(8, 224, 70, 22);
    snoopLabel->setBuddy(txtSnoop->editor());
    // clang-format off
    static const forms::ButtonDesign<frmMain> noteButtons[] = {
        {&frmMain::cmdSnoop, "cmdSnoop", "Clear Snoop", {tw(130), tw(218), tw(150), tw(30)}, &frmMain::cmdSnoop_Click,
         "", "Clear the letters picked in this set", pressable},
        {&frmMain::cmdNotes, "cmdNotes", "Hide", {tw(180), tw(252), tw(100), tw(28)}, &frmMain::cmdNotes_Click, "",
         "Hide the notes palette", pressableHidden},
    };
    // clang-format on
    forms::buildButtons(*this, *fraNotes, noteButtons);
    fraNotes->setVisible(false);
}

// ---- Hidden boxes: shared values, markers and record copies ---------------------------

void frmMain::designHiddenBoxes()
{
    using Hidden = forms::HiddenBoxDesign<frmMain>;
    static const Hidden boxes[] = {
        // Bound to the question set.
        {&frmMain::txtX, "txtX", "", &frmMain::Data1, "x"},
        {&frmMain::txtElephant, "txtElephant", "", &frmMain::Data1, "Elephant"},
        {&frmMain::txtPicBox, "txtPicBox", "", &frmMain::Data1, "picbox"},
        {&frmMain::txtReturn, "txtReturn", "", &frmMain::Data1, "ID"},
        {&frmMain::txtFile1, "txtFile1", "", &frmMain::Data1, "d_strip1"},
        {&frmMain::txtVideo1, "txtVideo1", "", &frmMain::Data1, "Video"},

        {&frmMain::txtCheckqnum, "txtCheckqnum", "", &frmMain::Data2, "qnum"},

        // Bound to the result history.
        {&frmMain::txtSession, "txtSession", "", &frmMain::Data3, "Session"},
        {&frmMain::txtRecordUser, "txtRecordUser", "", &frmMain::Data3, "User"},
        {&frmMain::txtRecordQuestionNumbers, "txtRecordQuestionNumbers", "", &frmMain::Data3, "QuestionNumbers"},
        {&frmMain::txtRecordScore, "txtRecordScore", "", &frmMain::Data3, "Score"},
        {&frmMain::txtRecordCorrect, "txtRecordCorrect", "", &frmMain::Data3, "Correct"},
        {&frmMain::txtRecordIncorrect, "txtRecordIncorrect", "", &frmMain::Data3, "Incorrect"},
        {&frmMain::txtRecordChapter, "txtRecordChapter", "", &frmMain::Data3, "Chapter"},
        // Never bound: the clock writes it, and no history row may take that date.
        {&frmMain::txtDate, "txtDate"},

        // Bound to the saved session.
        {&frmMain::txtCloneRight, "txtCloneRight", "0", &frmMain::Data5, "Right"},
        {&frmMain::txtCloneWrong, "txtCloneWrong", "0", &frmMain::Data5, "Wrong"},
        {&frmMain::txtCloneScore, "txtCloneScore", "0", &frmMain::Data5, "Score"},
        {&frmMain::txtCloneTotal, "txtCloneTotal", "0", &frmMain::Data5, "Total"},

        // Markers and shared values.
        {&frmMain::txtQ, "txtQ", "txtQ"},
        {&frmMain::txtMark, "txtMark", "txtMark"},
        {&frmMain::txtRoute, "txtRoute", "txtRoute"},
        {&frmMain::txtContentsRoute, "txtContentsRoute"},
        {&frmMain::txtBe, "txtBe", "txtBe"},
        {&frmMain::txtClone, "txtClone", "txtClone"},
        {&frmMain::txtReturn2, "txtReturn2", "txtReturn2"},
        {&frmMain::txtNew, "txtNew"},
        {&frmMain::txtAlreadyAnswered, "txtAlreadyAnswered"},
        {&frmMain::txtTimeMe, "txtTimeMe"},
        {&frmMain::txtPresent, "txtPresent"},
        {&frmMain::txtTime, "txtTime", "txtTime"},
        {&frmMain::txtFileName, "txtFileName"},
        {&frmMain::txtVideo, "txtVideo"},
        {&frmMain::txtQuestionNumbers, "txtQuestionNumbers"},

        // Record copies.
        {&frmMain::txtQuestion2, "txtQuestion2"},
        {&frmMain::txtA2, "txtA2"},
        {&frmMain::txtB2, "txtB2"},
        {&frmMain::txtC2, "txtC2"},
        {&frmMain::txtD2, "txtD2"},
        {&frmMain::txtAnswer2, "txtAnswer2"},
        {&frmMain::txtNotes2, "txtNotes2"},
    };
    forms::buildHiddenBoxes(*this, boxes);
}

} // namespace questionwindow
