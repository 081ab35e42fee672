#include "questionwindow/frmMain.h"

#include "appearance/art/ToolbarPictures.h"
#include "platform/forms/App.h"
#include "platform/forms/HiddenBox.h"
#include "platform/forms/Twips.h"
#include "platform/media/MediaPlayer.h"
#include "platform/speech/CharacterControl.h"
#include "questiondb/Cursors.h"
#include "widgets/XP_ProgressBar.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>

namespace questionwindow {

using forms::setGeometryTwips;
using questiondb::bindBox;
using questiondb::newCursor;

namespace {

// Design positions are kept in twips; most are written here as pixels at
// 96 dpi for readability.
constexpr int tw(int pixels) { return pixels * forms::twipsPerPixel; }

// The smallest canvas that holds the whole design; a smaller window scrolls.
constexpr int canvasWidth = 1024;
constexpr int canvasHeight = 636;

// Keeps the skin picture stretched over the whole canvas.
class SkinStretcher : public QObject {
public:
    SkinStretcher(QWidget* canvas, QWidget* skin) : QObject(canvas), skin_(skin) { canvas->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            skin_->setGeometry(static_cast<QWidget*>(watched)->rect());
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* skin_;
};

forms::TextBox* box(QWidget* parent, const QString& name, const QString& accessibleName,
                    forms::TextBox::Lines lines = forms::TextBox::SingleLine)
{
    auto* created = new forms::TextBox(parent, lines);
    created->setObjectName(name);
    created->setAccessibleName(accessibleName);
    return created;
}

forms::CommandButton* button(QWidget* parent, const QString& name, const QString& caption,
                             const QString& toolTip, const QString& accessibleName)
{
    auto* created = new forms::CommandButton(parent, caption);
    created->setObjectName(name);
    if (!toolTip.isEmpty())
        created->setToolTip(toolTip);
    if (!accessibleName.isEmpty())
        created->setAccessibleName(accessibleName);
    // Enter presses the button that has the focus, as Space does.
    created->setAutoDefault(true);
    return created;
}

forms::Label* fieldLabel(QWidget* parent, const QString& name, const QString& caption)
{
    auto* label = new forms::Label(parent, caption);
    label->setObjectName(name);
    label->setFontBold(true);
    label->setWordWrap(false);
    return label;
}

} // namespace

frmMain::frmMain()
{
    setObjectName(QStringLiteral("frmMain"));
    setCaption(QStringLiteral("Fire Fighter Test Preparation"));
    buildDesign();
    buildMenus();
    connectHandlers();

    // A 1024 x 768 screen is the design's home; a smaller one gets what fits.
    QSize size(1024, 768);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size());
    resize(size);
}

frmMain::~frmMain() = default;

void frmMain::buildDesign()
{
    auto* scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("canvasScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    auto* canvas = new QWidget;
    canvas->setObjectName(QStringLiteral("canvas"));
    canvas->setMinimumSize(canvasWidth, canvasHeight);
    scroller->setWidget(canvas);
    setCentralWidget(scroller);

    // ---- Cursors ----------------------------------------------------------
    Data1 = newCursor(this, QStringLiteral("Data1"), QStringLiteral("Access"));
    Data2 = newCursor(this, QStringLiteral("Data2"), QStringLiteral("Access"));
    Data3 = newCursor(this, QStringLiteral("Data3"), QStringLiteral("Access 2000;"));
    Data4 = newCursor(this, QStringLiteral("Data4"), QStringLiteral("Access 2000;"));
    Data5 = newCursor(this, QStringLiteral("Data5"), QStringLiteral("Access 2000;"));
    Data6 = newCursor(this, QStringLiteral("Data6"), QStringLiteral("Access 2000;"));

    // ---- Background: the skin, then the canvas behind the question ---------
    skin = new forms::ImageBox(canvas);
    skin->setObjectName(QStringLiteral("skin"));
    skin->setStretch(true);
    skin->setAccessibleName(QStringLiteral("Background"));
    skin->setGeometry(0, 0, canvasWidth, canvasHeight);
    new SkinStretcher(canvas, skin);

    back = new forms::Label(canvas);
    back->setObjectName(QStringLiteral("back"));
    back->setAccessibleName(QStringLiteral("Question area"));
    back->setBackColor(16777215);
    back->setFrameShape(QFrame::StyledPanel);
    setGeometryTwips(*back, tw(6), tw(62), tw(962), tw(284));

    // ---- Top row of labelled fields -----------------------------------------
    struct Field {
        forms::Label*& label;
        const char* labelName;
        const char* caption;
        forms::TextBox*& box;
        const char* boxName;
        const char* accessibleName;
        int left;
        int width;
    };
    const Field fields[] = {
        {Label1, "Label1", "Chapter", txtChapter, "txtChapter", "Chapter", 12, 300},
        {Label2, "Label2", "Question #", txtNum, "txtNum", "Question number", 322, 74},
        {Label3, "Label3", "Database #", txtCall, "txtCall", "Database number", 406, 78},
        {Label4, "Label4", "User", txtUser, "txtUser", "User", 494, 120},
        {Label5, "Label5", "Level", txtLevel, "txtLevel", "Level", 624, 46},
        {Label6, "Label6", "Correct", txtCorrect, "txtCorrect", "Correct answers", 680, 58},
        {Label7, "Label7", "Incorrect", txtIncorrect, "txtIncorrect", "Incorrect answers", 748, 66},
        {Label8, "Label8", "Total", txtTotal, "txtTotal", "Total answered", 824, 52},
        {Label9, "Label9", "Score", txtScore, "txtScore", "Score", 886, 52},
        {Label10, "Label10", "Count", txtCount, "txtCount", "Questions in this set", 948, 56},
    };
    for (const Field& field : fields) {
        field.label = fieldLabel(canvas, QString::fromLatin1(field.labelName), QString::fromLatin1(field.caption));
        setGeometryTwips(*field.label, tw(field.left), tw(4), tw(field.width + 6), tw(16));
        field.box = box(canvas, QString::fromLatin1(field.boxName), QString::fromLatin1(field.accessibleName));
        field.box->setLocked(true);
        setGeometryTwips(*field.box, tw(field.left), tw(20), tw(field.width), tw(24));
        field.label->setBuddy(field.box->editor());
    }
    bindBox(Data1, txtChapter, QStringLiteral("Chapter"));
    bindBox(Data1, txtNum, QStringLiteral("QNUM"));
    bindBox(Data1, txtCall, QStringLiteral("Call"));
    bindBox(Data1, txtLevel, QStringLiteral("FF"));
    for (forms::TextBox* counter : {txtCorrect, txtIncorrect, txtTotal, txtScore, txtCount}) {
        counter->setText(QStringLiteral("0"));
        counter->setDataChanged(false);
    }

    ProgressBar1 = new XP_ProgressBar(canvas);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setAccessibleName(QStringLiteral("Place in the question set"));
    setGeometryTwips(*ProgressBar1, tw(12), tw(50), tw(201), tw(9));

    // ---- Question and answers -----------------------------------------------
    txtQuestion = bindBox(Data1, box(canvas, QStringLiteral("txtQuestion"), QStringLiteral("Question"),
                                     forms::TextBox::MultiLine),
                          QStringLiteral("Question"));
    setGeometryTwips(*txtQuestion, tw(12), tw(68), 14250, tw(88));

    const char* letters[] = {"A", "B", "C", "D"};
    forms::OptionButton** options[] = {&optA, &optB, &optC, &optD};
    forms::TextBox** answers[] = {&txtA, &txtB, &txtC, &txtD};
    for (int i = 0; i < 4; ++i) {
        const QString letter = QString::fromLatin1(letters[i]);
        const int top = 162 + i * 45;
        auto* option = new forms::OptionButton(canvas);
        option->setObjectName(QStringLiteral("opt") + letter);
        option->setAccessibleName(QStringLiteral("Choose answer ") + letter);
        option->setToolTip(QStringLiteral("Choose answer ") + letter);
        setGeometryTwips(*option, tw(14), tw(top + 11), tw(20), tw(20));
        *options[i] = option;

        auto* label = new forms::Label(canvas, letter);
        label->setObjectName(QStringLiteral("lblA"));
        label->setFontBold(true);
        label->setFontSize(11);
        label->setAlignment(Qt::AlignCenter);
        label->setAccessibleName(QStringLiteral("Letter ") + letter);
        setGeometryTwips(*label, tw(36), tw(top + 9), tw(22), tw(24));
        lblA.add(i, label);

        auto* answer = box(canvas, QStringLiteral("txt") + letter, QStringLiteral("Answer ") + letter,
                           forms::TextBox::MultiLine);
        *answers[i] = bindBox(Data1, answer, letter);
        setGeometryTwips(*answer, tw(62), tw(top), 13500, tw(42));
        label->setBuddy(option);
    }
    for (forms::TextBox* locked : {txtQuestion, txtA, txtB, txtC, txtD})
        locked->setLocked(true);

    // ---- Verdicts ---------------------------------------------------------------
    txtSA = box(canvas, QStringLiteral("txtSA"), QStringLiteral("Verdict"));
    txtSA->setFontBold(true);
    txtSA->setFontSize(12);
    txtSA->setLocked(true);
    txtSA->setVisible(false);
    setGeometryTwips(*txtSA, tw(12), tw(356), tw(150), tw(32));

    txtAnswer = bindBox(Data1, box(canvas, QStringLiteral("txtAnswer"), QStringLiteral("Correct answer")),
                        QStringLiteral("Answer"));
    txtAnswer->setFontBold(true);
    txtAnswer->setFontSize(12);
    txtAnswer->setLocked(true);
    txtAnswer->setVisible(false);
    txtAnswer->setToolTip(QStringLiteral("The correct answer"));
    setGeometryTwips(*txtAnswer, tw(168), tw(356), tw(40), tw(32));

    fraTurbo = new forms::Frame(canvas);
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

    fraSpeed = new forms::Frame(canvas);
    fraSpeed->setObjectName(QStringLiteral("fraSpeed"));
    fraSpeed->setAccessibleName(QStringLiteral("Turbo verdict"));
    fraSpeed->setAutoFillBackground(true);
    setGeometryTwips(*fraSpeed, tw(372), tw(350), tw(170), tw(42));
    txtSpeed = box(fraSpeed, QStringLiteral("txtSpeed"), QStringLiteral("Turbo verdict"));
    txtSpeed->setBackColor(0);
    txtSpeed->setForeColor(65280);
    txtSpeed->setFontBold(true);
    txtSpeed->setFontSize(12);
    txtSpeed->setLocked(true);
    txtSpeed->setGeometry(6, 6, 158, 30);
    fraSpeed->setVisible(false);

    cmdScore = button(canvas, QStringLiteral("cmdScore"), QStringLiteral("Take A Peak At Your Score"), {},
                      QStringLiteral("Show your score"));
    setGeometryTwips(*cmdScore, tw(550), tw(356), tw(196), tw(32));
    cmdScore->setVisible(false);
    cmdCheat = button(canvas, QStringLiteral("cmdCheat"), QStringLiteral("Hide Your Score Again"), {},
                      QStringLiteral("Hide your score again"));
    setGeometryTwips(*cmdCheat, tw(752), tw(356), tw(176), tw(32));
    cmdCheat->setVisible(false);

    // ---- Buttons --------------------------------------------------------------
    struct Button {
        forms::CommandButton*& member;
        const char* name;
        const char* caption;
        const char* toolTip;
        const char* accessibleName;
        int left;
        int row;
        int width;
    };
    const Button buttons[] = {
        {cmdFirst, "cmdFirst", "First", "Click to access the first question", "First question", 12, 0, 64},
        {cmdPrevious, "cmdPrevious", "<Back<", "Click to access previous question", "Previous question", 82, 0, 72},
        {cmdNext, "cmdNext", ">Next>", "Click to access next question", "Next question", 160, 0, 72},
        {cmdLast, "cmdLast", "Last", "Click to access last question", "Last question", 238, 0, 64},
        {cmdAnswer, "cmdAnswer", "Answer", "Click to answer question", "Check my answer", 308, 0, 96},
        {cmdExit, "cmdExit", "E&xit", "Exits to Table of Contents screen", "Exit to the table of contents", 12, 1,
         70},
        {cmdSave, "cmdSave", "Save", "Save current question", "Save question", 88, 1, 70},
        {cmdNew, "cmdNew", "New", "Create a new question", "New question", 164, 1, 70},
        {cmdDelete, "cmdDelete", "Delete", "Delete current question", "Delete question", 240, 1, 70},
        {cmdShow, "cmdShow", "Show Picture", "Show embedded picture", "Show picture", 12, 2, 120},
        {cmdHide, "cmdHide", "Hide Picture", "Hide currently display picture", "Hide picture", 12, 2, 120},
        {cmdShowVideo, "cmdShowVideo", "Show Video", "", "Show video", 138, 2, 110},
        {cmdHideVideo, "cmdHideVideo", "Hide Video", "", "Hide video", 254, 2, 110},
        {cmdShowNotes, "cmdShowNotes", "Notes", "Click to access notes palette", "Notes", 12, 3, 80},
        {cmdTerms, "cmdTerms", "Terminology", "Click to access terminology section", "Terminology", 98, 3, 110},
        {cmdAdd, "cmdAdd", "Transport", "Transports questions to question hub.", "Transport question", 214, 3, 95},
        {cmdReturn, "cmdReturn", "Return", "Returns To Previous Test Bank", "Return to previous test bank", 315, 3,
         85},
        {cmdNuvia, "cmdNuvia", "Nuvia Read", "Nuvia reads current question", "Read question aloud", 12, 4, 110},
        {cmdNuviaStop, "cmdNuviaStop", "Nuvia Stop", "", "Stop reading", 128, 4, 110},
        {cmdReadAll, "cmdReadAll", "Presentation", "Nuvia reads all questions", "Presentation of all questions",
         244, 4, 110},
    };
    for (const Button& design : buttons) {
        design.member = button(canvas, QString::fromLatin1(design.name), QString::fromLatin1(design.caption),
                               QString::fromLatin1(design.toolTip), QString::fromLatin1(design.accessibleName));
        setGeometryTwips(*design.member, tw(design.left), tw(402 + design.row * 38), tw(design.width), tw(32));
    }
    // Hidden or off in the design; the record display, the modes and the
    // edit lock show and enable them.
    for (forms::CommandButton* hidden : {cmdShow, cmdHide, cmdShowVideo, cmdHideVideo, cmdReturn, cmdNuviaStop})
        hidden->setVisible(false);
    for (forms::CommandButton* off : {cmdSave, cmdNew, cmdDelete})
        off->setEnabled(false);

    Slider1 = new forms::Slider(canvas);
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

    // ---- Picture and video ----------------------------------------------------
    Picture1 = new forms::PictureBox(canvas);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAccessibleName(QStringLiteral("Stored picture"));
    Picture1->setDataField(QStringLiteral("picture"));
    Data1->bind(Picture1);
    setGeometryTwips(*Picture1, tw(424), tw(404), tw(296), tw(222));

    FXImage1 = new forms::ImageBox(canvas);
    FXImage1->setObjectName(QStringLiteral("FXImage1"));
    FXImage1->setAccessibleName(QStringLiteral("Question picture"));
    FXImage1->setToolTip(QStringLiteral("Click to hide the picture; drag to move it"));
    FXImage1->setStretch(true);
    FXImage1->setFrameShape(QFrame::Box);
    setGeometryTwips(*FXImage1, tw(424), tw(404), tw(296), tw(222));
    FXImage1->setVisible(false);

    fraVideo = new forms::Frame(canvas, QStringLiteral("Video"));
    fraVideo->setObjectName(QStringLiteral("fraVideo"));
    fraVideo->setAccessibleName(QStringLiteral("Question video"));
    fraVideo->setAutoFillBackground(true);
    setGeometryTwips(*fraVideo, tw(728), tw(398), tw(284), tw(232));
    Video = new media::MediaPlayer(fraVideo);
    Video->setObjectName(QStringLiteral("Video"));
    Video->setGeometry(8, 22, 268, 202);
    // Shown by "Show Video"; a video on screen plays at once.
    fraVideo->setVisible(false);

    // ---- Notes palette --------------------------------------------------------
    fraNotes = new forms::Frame(canvas, QStringLiteral("Notes"));
    fraNotes->setObjectName(QStringLiteral("fraNotes"));
    fraNotes->setAccessibleName(QStringLiteral("Notes palette"));
    fraNotes->setAutoFillBackground(true);
    setGeometryTwips(*fraNotes, tw(726), tw(62), tw(288), tw(284));
    txtNotes = bindBox(Data1, box(fraNotes, QStringLiteral("txtNotes"), QStringLiteral("Notes"),
                                  forms::TextBox::MultiLine),
                       QStringLiteral("Memo"));
    txtNotes->setLocked(true);
    txtNotes->setGeometry(8, 22, 272, 190);
    auto* snoopLabel = new forms::Label(fraNotes, QStringLiteral("Last pick:"));
    snoopLabel->setObjectName(QStringLiteral("lblSnoop"));
    snoopLabel->setWordWrap(false);
    snoopLabel->setGeometry(8, 224, 70, 22);
    txtSnoop = bindBox(Data1, box(fraNotes, QStringLiteral("txtSnoop"), QStringLiteral("Letter picked last")),
                       QStringLiteral("Snoop"));
    txtSnoop->setLocked(true);
    txtSnoop->setGeometry(80, 220, 40, 26);
    snoopLabel->setBuddy(txtSnoop->editor());
    cmdSnoop = button(fraNotes, QStringLiteral("cmdSnoop"), QStringLiteral("Clear Snoop"), {},
                      QStringLiteral("Clear the letters picked in this set"));
    cmdSnoop->setGeometry(130, 218, 150, 30);
    cmdNotes = button(fraNotes, QStringLiteral("cmdNotes"), QStringLiteral("Hide"), {},
                      QStringLiteral("Hide the notes palette"));
    cmdNotes->setGeometry(180, 252, 100, 28);
    cmdNotes->setVisible(false);
    fraNotes->setVisible(false);

    // ---- Hidden boxes bound to the question set -----------------------------------
    txtX = bindBox(Data1, forms::hiddenBox(this, QStringLiteral("txtX")), QStringLiteral("x"));
    txtElephant = bindBox(Data1, forms::hiddenBox(this, QStringLiteral("txtElephant")), QStringLiteral("Elephant"));
    txtPicBox = bindBox(Data1, forms::hiddenBox(this, QStringLiteral("txtPicBox")), QStringLiteral("picbox"));
    txtReturn = bindBox(Data1, forms::hiddenBox(this, QStringLiteral("txtReturn")), QStringLiteral("ID"));
    txtFile1 = bindBox(Data1, forms::hiddenBox(this, QStringLiteral("txtFile1")), QStringLiteral("d_strip1"));
    txtVideo1 = bindBox(Data1, forms::hiddenBox(this, QStringLiteral("txtVideo1")), QStringLiteral("Video"));

    txtCheckqnum = bindBox(Data2, forms::hiddenBox(this, QStringLiteral("txtCheckqnum")), QStringLiteral("qnum"));

    txtSession = bindBox(Data3, forms::hiddenBox(this, QStringLiteral("txtSession")), QStringLiteral("Session"));
    txtRecordUser = bindBox(Data3, forms::hiddenBox(this, QStringLiteral("txtRecordUser")), QStringLiteral("User"));
    txtRecordQuestionNumbers = bindBox(Data3, forms::hiddenBox(this, QStringLiteral("txtRecordQuestionNumbers")),
                                       QStringLiteral("QuestionNumbers"));
    txtRecordScore = bindBox(Data3, forms::hiddenBox(this, QStringLiteral("txtRecordScore")), QStringLiteral("Score"));
    txtRecordCorrect =
        bindBox(Data3, forms::hiddenBox(this, QStringLiteral("txtRecordCorrect")), QStringLiteral("Correct"));
    txtRecordIncorrect =
        bindBox(Data3, forms::hiddenBox(this, QStringLiteral("txtRecordIncorrect")), QStringLiteral("Incorrect"));
    txtRecordChapter =
        bindBox(Data3, forms::hiddenBox(this, QStringLiteral("txtRecordChapter")), QStringLiteral("Chapter"));
    // Never bound: the clock writes it, and no history row may take that date.
    txtDate = forms::hiddenBox(this, QStringLiteral("txtDate"));

    txtCloneRight = bindBox(Data5, forms::hiddenBox(this, QStringLiteral("txtCloneRight"), QStringLiteral("0")),
                            QStringLiteral("Right"));
    txtCloneWrong = bindBox(Data5, forms::hiddenBox(this, QStringLiteral("txtCloneWrong"), QStringLiteral("0")),
                            QStringLiteral("Wrong"));
    txtCloneScore = bindBox(Data5, forms::hiddenBox(this, QStringLiteral("txtCloneScore"), QStringLiteral("0")),
                            QStringLiteral("Score"));
    txtCloneTotal = bindBox(Data5, forms::hiddenBox(this, QStringLiteral("txtCloneTotal"), QStringLiteral("0")),
                            QStringLiteral("Total"));

    // ---- Markers and shared values ----------------------------------------------
    txtQ = forms::hiddenBox(this, QStringLiteral("txtQ"), QStringLiteral("txtQ"));
    txtMark = forms::hiddenBox(this, QStringLiteral("txtMark"), QStringLiteral("txtMark"));
    txtRoute = forms::hiddenBox(this, QStringLiteral("txtRoute"), QStringLiteral("txtRoute"));
    txtContentsRoute = forms::hiddenBox(this, QStringLiteral("txtContentsRoute"));
    txtBe = forms::hiddenBox(this, QStringLiteral("txtBe"), QStringLiteral("txtBe"));
    txtClone = forms::hiddenBox(this, QStringLiteral("txtClone"), QStringLiteral("txtClone"));
    txtReturn2 = forms::hiddenBox(this, QStringLiteral("txtReturn2"), QStringLiteral("txtReturn2"));
    txtNew = forms::hiddenBox(this, QStringLiteral("txtNew"));
    txtAlreadyAnswered = forms::hiddenBox(this, QStringLiteral("txtAlreadyAnswered"));
    txtTimeMe = forms::hiddenBox(this, QStringLiteral("txtTimeMe"));
    txtPresent = forms::hiddenBox(this, QStringLiteral("txtPresent"));
    txtTime = forms::hiddenBox(this, QStringLiteral("txtTime"), QStringLiteral("txtTime"));
    txtFileName = forms::hiddenBox(this, QStringLiteral("txtFileName"));
    txtVideo = forms::hiddenBox(this, QStringLiteral("txtVideo"));
    txtQuestionNumbers = forms::hiddenBox(this, QStringLiteral("txtQuestionNumbers"));

    txtQuestion2 = forms::hiddenBox(this, QStringLiteral("txtQuestion2"));
    txtA2 = forms::hiddenBox(this, QStringLiteral("txtA2"));
    txtB2 = forms::hiddenBox(this, QStringLiteral("txtB2"));
    txtC2 = forms::hiddenBox(this, QStringLiteral("txtC2"));
    txtD2 = forms::hiddenBox(this, QStringLiteral("txtD2"));
    txtAnswer2 = forms::hiddenBox(this, QStringLiteral("txtAnswer2"));
    txtNotes2 = forms::hiddenBox(this, QStringLiteral("txtNotes2"));

    // The picture and video paths start from the program folder.
    Dir1Path = forms::App::current().path();
    File1Path = Dir1Path;

    // ---- Timers and the character ------------------------------------------------
    Timer2 = new forms::Timer(this, 500, true);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer3 = new forms::Timer(this, 6000, false);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Agent1 = new speech::CharacterControl(this);
    Agent1->setObjectName(QStringLiteral("Agent1"));

    // ---- Status bar ---------------------------------------------------------------
    Status = new forms::StatusBar(this);
    Status->setObjectName(QStringLiteral("Status"));
    const struct {
        const char* key;
        const char* text;
        const char* tip;
        const char* accessibleName;
        int stretch;
    } panels[] = {
        {"Chapter", "", "Chapter Title", "Chapter or last action", 4},
        {"", "Brisolt Software", "", "Maker", 2},
        {"Watch", "", "Stop Watch", "Stop watch", 1},
        {"Time", "", "Current System Time", "Time", 1},
        {"State", "", "Use Answer Button", "Answer mode", 2},
    };
    for (const auto& panel : panels) {
        forms::Panel* added = Status->addPanel(QString::fromLatin1(panel.key), QString::fromLatin1(panel.text),
                                               QString::fromLatin1(panel.tip), panel.stretch);
        added->label()->setAccessibleName(QString::fromLatin1(panel.accessibleName));
    }
    setStatusBar(Status);

    // ---- Toolbar --------------------------------------------------------------------
    tbToolBar = new forms::Toolbar(this);
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setWindowTitle(QStringLiteral("Tool Bar"));
    tbToolBar->setIconSize(QSize(24, 24));
    tbToolBar->setImageList(art::toolbarPictures(24));
    const struct {
        const char* key; // empty: a separator
        const char* tip;
        int picture;
    } keys[] = {
        {"New", "New Test - Clears Score Box", 1},
        {"Open", "Open Saved Test To Print", 2},
        {"Save", "Build Test Package", 3},
        {"", "", 0},
        {"Print", "Print Current Test Without Answers", 4},
        {"", "", 0},
        {"Cut", "Cut", 5},
        {"Copy", "Copy", 6},
        {"Paste", "Paste", 7},
        {"", "", 0},
        {"Find", "Search Database For Keywords", 8},
        {"Camera", "Add Pictures Or Video To Questions", 9},
        {"Spell Check", "Enable Automatic Spell Checker", 10},
        {"Help", "Help", 15},
        {"", "", 0},
        {"Notes", "Shows Notes", 11},
        {"Terms", "Terminology Lookup", 12},
        {"", "", 0},
        {"Unlock", "Lock Questions", 13},
        {"Lock", "Unlock Questions", 14},
        {"", "", 0},
        {"Fonts", "Thesaurus", 16},
        {"", "", -1}, // hidden with the format keys
        {"Bold", "Bold", 17},
        {"Italic", "Italic", 18},
        {"Underline", "Underline", 19},
        {"", "", -1},
        {"Align Left", "Align Left", 20},
        {"Center", "Center", 21},
        {"Align Right", "Align Right", 22},
        {"", "", 0},
    };
    for (const auto& key : keys) {
        const QString name = QString::fromLatin1(key.key);
        if (name.isEmpty()) {
            forms::ToolButton* separator = tbToolBar->addSeparator();
            separator->setVisible(key.picture == 0);
            continue;
        }
        const bool aligns = name.startsWith(QLatin1String("Align")) || name == QLatin1String("Center");
        forms::ToolButton* added = tbToolBar->addButton(name, QString::fromLatin1(key.tip), key.picture,
                                                        aligns ? forms::ToolButton::ButtonGroup
                                                               : forms::ToolButton::Default);
        added->setCaption(QString::fromLatin1(key.tip));
    }
    // The format keys are never offered; the edit lock switches them on and off.
    for (const char* format : {"Bold", "Italic", "Underline", "Align Left", "Center", "Align Right"}) {
        tbToolBar->button(QString::fromLatin1(format))->setVisible(false);
        tbToolBar->button(QString::fromLatin1(format))->setEnabled(false);
    }
    // The questions start locked: "Lock" shows the state, "Unlock" waits.
    tbToolBar->button(QStringLiteral("Unlock"))->setVisible(false);
    addToolBar(tbToolBar);

    // ---- Keyboard order: the question, the choices, then the buttons ---------------
    QWidget* order[] = {txtQuestion->editor(), optA, txtA->editor(), optB, txtB->editor(), optC, txtC->editor(),
                        optD, txtD->editor(), cmdAnswer, cmdNext, cmdPrevious, cmdFirst, cmdLast, cmdExit,
                        cmdSave, cmdNew, cmdDelete, cmdShow, cmdHide, cmdShowVideo, cmdHideVideo, cmdShowNotes,
                        cmdTerms, cmdAdd, cmdReturn, cmdNuvia, cmdNuviaStop, cmdReadAll, Slider1, cmdScore,
                        cmdCheat, txtNotes->editor(), txtSnoop->editor(), cmdSnoop, cmdNotes,
                        txtChapter->editor(), txtNum->editor(), txtCall->editor(), txtUser->editor(),
                        txtLevel->editor(), txtCorrect->editor(), txtIncorrect->editor(), txtTotal->editor(),
                        txtScore->editor(), txtCount->editor()};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    enablePictureDrag();
}

void frmMain::buildMenus()
{
    QMenuBar* bar = menuBar();
    auto item = [](forms::Menu* parent, const QString& name, const QString& caption,
                   const QKeySequence& keys = {}) {
        auto* added = new forms::Menu(parent, caption);
        added->setObjectName(name);
        if (!keys.isEmpty())
            added->setShortcut(keys);
        return added;
    };
    auto separator = [](forms::Menu* parent) { return new forms::Menu(parent, QStringLiteral("-")); };
    auto title = [bar](const QString& name, const QString& caption) {
        auto* added = new forms::Menu(bar, caption);
        added->setObjectName(name);
        return added;
    };

    mnuFile = title(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    mnuUser = item(mnuFile, QStringLiteral("mnuUser"), QStringLiteral("Enter User Information"));
    separator(mnuFile);
    mnuBuild = item(mnuFile, QStringLiteral("mnuBuild"), QStringLiteral("Build Test Package"),
                    QKeySequence(Qt::CTRL | Qt::Key_B));
    separator(mnuFile);
    mnuEnd = item(mnuFile, QStringLiteral("mnuEnd"), QStringLiteral("End"));

    mnuEdit = title(QStringLiteral("mnuEdit"), QStringLiteral("&Edit"));
    mnuCut = item(mnuEdit, QStringLiteral("mnuCut"), QStringLiteral("Cut"), QKeySequence(Qt::CTRL | Qt::Key_X));
    mnuCopy = item(mnuEdit, QStringLiteral("mnuCopy"), QStringLiteral("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuPaste = item(mnuEdit, QStringLiteral("mnuPaste"), QStringLiteral("Paste"));
    separator(mnuEdit);
    mnuRenumber = item(mnuEdit, QStringLiteral("mnuRenumber"), QStringLiteral("Re-Number Database Number"));
    mnuRenumber->setEnabled(false);
    mnuReNumChap = item(mnuEdit, QStringLiteral("mnuReNumChap"), QStringLiteral("Re-Number Chapter Numbers"));
    separator(mnuEdit);
    mnuRelabel = item(mnuEdit, QStringLiteral("mnuRelabel"), QStringLiteral("Re-Label Chapter Title"));

    mnuView = title(QStringLiteral("mnuView"), QStringLiteral("&View"));
    mnuChap = item(mnuView, QStringLiteral("mnuChap"), QStringLiteral("Chapter Name And Question #"));
    mnuData = item(mnuView, QStringLiteral("mnuData"), QStringLiteral("Database Number"));
    mnuUser1 = item(mnuView, QStringLiteral("mnuUser1"), QStringLiteral("User"));
    mnuLevel = item(mnuView, QStringLiteral("mnuLevel"), QStringLiteral("Level"));
    mnuScore = item(mnuView, QStringLiteral("mnuScore"), QStringLiteral("Score"));
    mnuProgress = item(mnuView, QStringLiteral("mnuProgress"), QStringLiteral("Progress Bar"));
    mnuTool = item(mnuView, QStringLiteral("mnuTool"), QStringLiteral("Tool Bar"));
    mnuStatus = item(mnuView, QStringLiteral("mnuStatus"), QStringLiteral("Status Bar"));
    separator(mnuView);
    mnuAll = item(mnuView, QStringLiteral("mnuAll"), QStringLiteral("All"), QKeySequence(Qt::CTRL | Qt::Key_A));
    for (forms::Menu* shown : {mnuChap, mnuData, mnuUser1, mnuLevel, mnuScore, mnuProgress, mnuTool, mnuStatus, mnuAll})
        shown->setChecked(true);

    mnuOptions = title(QStringLiteral("mnuOptions"), QStringLiteral("&Options"));
    mnuKwed = item(mnuOptions, QStringLiteral("mnuKwed"), QStringLiteral("Search Questions For Keywords"));
    separator(mnuOptions);
    mnuChapterNumSearch = item(mnuOptions, QStringLiteral("mnuChapterNumSearch"),
                               QStringLiteral("Search For A Specific Chapter Question Number"));
    mnuDatabaseNum = item(mnuOptions, QStringLiteral("mnuDatabaseNum"),
                          QStringLiteral("Search For A Specific Database Question Number"));
    mnuResetChapter = item(mnuOptions, QStringLiteral("mnuResetChapter"), QStringLiteral("Reset Chapter"));
    separator(mnuOptions);
    mnuSaveThisSession = item(mnuOptions, QStringLiteral("mnuSaveThisSession"), QStringLiteral("Save This Session"));
    mnuLastSession = item(mnuOptions, QStringLiteral("mnuLastSession"), QStringLiteral("Load Last Saved Session"));
    separator(mnuOptions);
    mnuRecord = item(mnuOptions, QStringLiteral("mnuRecord"), QStringLiteral("Clear Snoop Memory On Exit"));
    separator(mnuOptions);
    mnuUse = item(mnuOptions, QStringLiteral("mnuUse"), QStringLiteral("Use Answer Button"));
    mnuBypass = item(mnuOptions, QStringLiteral("mnuBypass"), QStringLiteral("Bypass Answer Button"));
    mnuSpeed = item(mnuOptions, QStringLiteral("mnuSpeed"), QStringLiteral("Turbo Answer"));
    mnuTell = item(mnuOptions, QStringLiteral("mnuTell"), QStringLiteral("Don't Tell Me How I'm Doing"));
    mnuReadNuvia = item(mnuOptions, QStringLiteral("mnuReadNuvia"),
                        QStringLiteral("Nuvaa Reads Test And Gives You Time To Answer"));
    mnuFlash = item(mnuOptions, QStringLiteral("mnuFlash"), QStringLiteral("Flash Card Mode"));
    separator(mnuOptions);
    mnuStart.add(0, item(mnuOptions, QStringLiteral("mnuStart"), QStringLiteral("Start Stop Watch")));
    mnuStart.add(1, item(mnuOptions, QStringLiteral("mnuStart"), QStringLiteral("Stop Stop Watch")));
    separator(mnuOptions);
    mnuSkin = item(mnuOptions, QStringLiteral("mnuSkin"), QStringLiteral("Change Skin"));

    mnuPictures = title(QStringLiteral("mnuPictures"), QStringLiteral("&Images"));
    mnuAddPicture = item(mnuPictures, QStringLiteral("mnuAddPicture"), QStringLiteral("Add Picture To Question"),
                         QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuAddVideo = item(mnuPictures, QStringLiteral("mnuAddVideo"), QStringLiteral("Add Video To Question"),
                       QKeySequence(Qt::CTRL | Qt::Key_M));
    separator(mnuPictures);
    mnuImagesShow.add(0, item(mnuPictures, QStringLiteral("mnuImagesShow"),
                              QStringLiteral("Automatically Show Images In Presentation Mode")));
    mnuImagesShow.add(1, item(mnuPictures, QStringLiteral("mnuImagesShow"),
                              QStringLiteral("Don't Show Images In Presentation Mode")));

    mnuQuestions = title(QStringLiteral("mnuQuestions"), QStringLiteral("&Questions"));
    mnuLock = item(mnuQuestions, QStringLiteral("mnuLock"), QStringLiteral("Lock Questions"),
                   QKeySequence(Qt::CTRL | Qt::Key_L));
    mnuUnlock = item(mnuQuestions, QStringLiteral("mnuUnlock"), QStringLiteral("Unlock Questions"),
                     QKeySequence(Qt::CTRL | Qt::Key_U));
    separator(mnuQuestions);
    mnuFF1 = item(mnuQuestions, QStringLiteral("mnuFF1"), QStringLiteral("Display Level 1 Questions Only"));
    mnuFF2 = item(mnuQuestions, QStringLiteral("mnuFF2"), QStringLiteral("Display Level 2 Questions Only"));
    mnuReset = item(mnuQuestions, QStringLiteral("mnuReset"), QStringLiteral("Reset To Display Both Levels"));
    separator(mnuQuestions);
    mnuAddNotes = item(mnuQuestions, QStringLiteral("mnuAddNotes"), QStringLiteral("View Notes Palette"),
                       QKeySequence(Qt::CTRL | Qt::Key_N));
    separator(mnuQuestions);
    mnuX = item(mnuQuestions, QStringLiteral("mnuX"),
                QStringLiteral("Display Incorrectly Answered Questions - By Chapter"));
    mnuX2 = item(mnuQuestions, QStringLiteral("mnuX2"), QStringLiteral("Display All Incorrectly Answered Questions"));
    mnuClear = item(mnuQuestions, QStringLiteral("mnuClear"), QStringLiteral("Clear Memory"));
    separator(mnuQuestions);
    mnuElephant1 = item(mnuQuestions, QStringLiteral("mnuElephant1"),
                        QStringLiteral("Drill Questions Saved In Elephant Mode"));
    mnuResetDatabase = item(mnuQuestions, QStringLiteral("mnuResetDatabase"), QStringLiteral("Reset Database"));
    mnuMemory = item(mnuQuestions, QStringLiteral("mnuMemory"), QStringLiteral("Clear Elephant Mode Memory"));
    // The history view is not offered: no step records a result.
    separator(mnuQuestions);
    mnuCurrent = item(mnuQuestions, QStringLiteral("mnuCurrent"),
                      QStringLiteral("Create Random Test From Current Chapter"));
    mnuMultiple = item(mnuQuestions, QStringLiteral("mnuMultiple"),
                       QStringLiteral("Create Random Test - Multiple Chapters"));
    mnuEntire = item(mnuQuestions, QStringLiteral("mnuEntire"),
                     QStringLiteral("Create Random Test From Entire Test Bank"));
    separator(mnuQuestions);
    mnuOrder = item(mnuQuestions, QStringLiteral("mnuOrder"), QStringLiteral("Order Questions"),
                    QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuRand = item(mnuQuestions, QStringLiteral("mnuRand"), QStringLiteral("Randomize Questions"),
                   QKeySequence(Qt::CTRL | Qt::Key_R));

    mnuNuvia = title(QStringLiteral("mnuNuvia"), QStringLiteral("&Nuvia"));
    mnuHideNuvia = item(mnuNuvia, QStringLiteral("mnuHideNuvia"), QStringLiteral("Hide Nuvia"));
    mnuUseNuvia = item(mnuNuvia, QStringLiteral("mnuUseNuvia"), QStringLiteral("Use Nuvia"));
    separator(mnuNuvia);
    mnuShowBalloon = item(mnuNuvia, QStringLiteral("mnuShowBalloon"), QStringLiteral("Show Balloon"));
    mnuHideBalloon = item(mnuNuvia, QStringLiteral("mnuHideBalloon"), QStringLiteral("Hide Balloon"));
    separator(mnuNuvia);
    mnuNuviaTells = item(mnuNuvia, QStringLiteral("mnuNuviaTells"),
                         QStringLiteral("Nuvia Tells You If You Were Correct If Visible"));
    mnuNuviaTells->setChecked(true);
    mnuNuviaAct = item(mnuNuvia, QStringLiteral("mnuNuviaAct"), QStringLiteral("Nuvia Act"));
    mnuNuviaAct->setVisible(false);
    mnuBot = item(mnuNuvia, QStringLiteral("mnuBot"), QStringLiteral("Nuvia Clipboard Reader"));

    mnuHelp = title(QStringLiteral("mnuHelp"), QStringLiteral("&Help"));
    mnuContents = item(mnuHelp, QStringLiteral("mnuContents"), QStringLiteral("Contents"));
    separator(mnuHelp);
    mnuWebsite = item(mnuHelp, QStringLiteral("mnuWebsite"), QStringLiteral("Connect To Brisolt Website"));
    separator(mnuHelp);
    mnuAbout = item(mnuHelp, QStringLiteral("mnuAbout"), QStringLiteral("About"));
}

void frmMain::connectHandlers()
{
    using forms::CommandButton;
    using forms::Menu;
    auto onClick = [this](CommandButton* control, void (frmMain::*step)()) {
        connect(control, &CommandButton::click, this, step);
    };
    auto onChoose = [this](Menu* item, void (frmMain::*step)()) { connect(item, &Menu::click, this, step); };

    // The speaking character.
    onClick(cmdNuvia, &frmMain::cmdNuvia_Click);
    onClick(cmdNuviaStop, &frmMain::cmdNuviaStop_Click);
    connect(Agent1, &speech::CharacterControl::bookmark, this, &frmMain::Agent1_Bookmark);

    // Record display and moves.
    onClick(cmdFirst, &frmMain::cmdFirst_Click);
    onClick(cmdPrevious, &frmMain::cmdPrevious_Click);
    onClick(cmdNext, &frmMain::cmdNext_Click);
    onClick(cmdLast, &frmMain::cmdLast_Click);
    for (CommandButton* move : {cmdFirst, cmdPrevious, cmdNext, cmdLast})
        connect(move, &CommandButton::keyPress, this, &frmMain::moveButton_KeyPress);
    onClick(cmdShow, &frmMain::cmdShow_Click);
    onClick(cmdHide, &frmMain::cmdHide_Click);
    connect(FXImage1, &forms::ImageBox::click, this, &frmMain::FXImage1_Click);
    connect(Picture1, &forms::PictureBox::dblClick, this, &frmMain::Picture1_DblClick);
    onClick(cmdShowVideo, &frmMain::cmdShowVideo_Click);
    onClick(cmdHideVideo, &frmMain::cmdHideVideo_Click);
    onClick(cmdShowNotes, &frmMain::cmdShowNotes_Click);
    onClick(cmdNotes, &frmMain::cmdNotes_Click);
    connect(Data1, &data::DataControl::reposition, this, &frmMain::Data1_Reposition);
    connect(Data1, &data::DataControl::validate, this, &frmMain::Data1_Validate);

    // Answers and scoring.
    connect(optA, &forms::OptionButton::click, this, &frmMain::optA_Click);
    connect(optB, &forms::OptionButton::click, this, &frmMain::optB_Click);
    connect(optC, &forms::OptionButton::click, this, &frmMain::optC_Click);
    connect(optD, &forms::OptionButton::click, this, &frmMain::optD_Click);
    lblA.on(&forms::Label::click, [this](int index) { lblA_Click(index); });
    onClick(cmdAnswer, &frmMain::cmdAnswer_Click);
    onClick(cmdScore, &frmMain::cmdScore_Click);
    onClick(cmdCheat, &frmMain::cmdCheat_Click);

    // Answer memory and leaving.
    onChoose(mnuClear, &frmMain::mnuClear_Click);
    onChoose(mnuMemory, &frmMain::mnuMemory_Click);
    onClick(cmdSnoop, &frmMain::cmdSnoop_Click);
    onChoose(mnuRecord, &frmMain::mnuRecord_Click);
    onClick(cmdExit, &frmMain::cmdExit_Click);
    onChoose(mnuEnd, &frmMain::mnuEnd_Click);

    // View options, status bar and clock.
    onChoose(mnuChap, &frmMain::mnuChap_Click);
    onChoose(mnuData, &frmMain::mnuData_Click);
    onChoose(mnuUser1, &frmMain::mnuUser1_Click);
    onChoose(mnuLevel, &frmMain::mnuLevel_Click);
    onChoose(mnuScore, &frmMain::mnuScore_Click);
    onChoose(mnuProgress, &frmMain::mnuProgress_Click);
    onChoose(mnuTool, &frmMain::mnuTool_Click);
    onChoose(mnuStatus, &frmMain::mnuStatus_Click);
    onChoose(mnuAll, &frmMain::mnuAll_Click);
    onChoose(mnuAddNotes, &frmMain::mnuAddNotes_Click);
    mnuStart.on(&Menu::click, [this](int index) { mnuStart_Click(index); });
    connect(Timer2, &forms::Timer::timer, this, &frmMain::Timer2_Timer);
    connect(Status, &forms::StatusBar::panelClick, this, &frmMain::Status_PanelClick);
    onChoose(mnuContents, &frmMain::mnuContents_Click);
    onChoose(mnuWebsite, &frmMain::mnuWebsite_Click);
    onChoose(mnuAbout, &frmMain::mnuAbout_Click);

    // Question sets and answer modes.
    onChoose(mnuUse, &frmMain::mnuUse_Click);
    onChoose(mnuBypass, &frmMain::mnuBypass_Click);
    onChoose(mnuSpeed, &frmMain::mnuSpeed_Click);
    onChoose(mnuTell, &frmMain::mnuTell_Click);
    onChoose(mnuFlash, &frmMain::mnuFlash_Click);
    onChoose(mnuOrder, &frmMain::mnuOrder_Click);
    onChoose(mnuRand, &frmMain::mnuRand_Click);
    onChoose(mnuCurrent, &frmMain::mnuCurrent_Click);
    onChoose(mnuEntire, &frmMain::mnuEntire_Click);
    onChoose(mnuReset, &frmMain::mnuReset_Click);
    onChoose(mnuResetChapter, &frmMain::mnuResetChapter_Click);
    onChoose(mnuResetDatabase, &frmMain::mnuResetDatabase_Click);
}

} // namespace questionwindow
