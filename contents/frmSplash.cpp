#include "contents/frmSplash.h"

#include "appearance/art/StartUpPicture.h"
#include "contents/frmContents.h"
#include "helpmenu/frmAbout.h"
#include "platform/forms/App.h"
#include "platform/forms/ImageBox.h"
#include "platform/forms/ScreenSize.h"
#include "platform/forms/Timer.h"
#include "platform/forms/Twips.h"
#include "platform/forms/WindowKit.h"
#include "platform/media/WavePlayer.h"
#include "settings/Markers.h"
#include "widgets/XPStyle.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <utility>

namespace contents {

namespace {

// The window's client area and the picture over it, in twips.
constexpr int clientWidth = 10590;
constexpr int clientHeight = 7890;
constexpr int pictureWidth = 10605;

// Where the title picture of the main table of contents goes on the two
// screens its layout knows.
constexpr int titleLeft1024 = 3000;
constexpr int titleLeft800 = 2160;
constexpr int titleTop = 240;

} // namespace

frmSplash::frmSplash()
{
    // A borderless window without icon; its caption is never seen.
    forms::shapeWindow(*this, {"frmSplash", "Form1", forms::rectFromTwips(0, 0, clientWidth, clientHeight).size(),
                               forms::Start::CentredOnScreen, true, Qt::Window | Qt::FramelessWindowHint});
    setAccessibleName(QStringLiteral("drillbook is starting"));

    auto* canvas = new QWidget(this);
    setCentralWidget(canvas);

    // Made before the load step runs, so the look is in place before any other window exists.
    XPStyle1 = new XPStyle(canvas);
    XPStyle1->move(0, 0);

    FXImage1 = new forms::ImageBox(canvas);
    FXImage1->setObjectName(QStringLiteral("FXImage1"));
    forms::setGeometryTwips(*FXImage1, 0, 0, pictureWidth, clientHeight);
    FXImage1->showDrawnPicture(art::startUpPicture(FXImage1->size(), helpmenu::programVersionText()));
    FXImage1->raise(); // the tile of the style control lies under the picture

    static const forms::HiddenBoxDesign<frmSplash> hidden[] = {{&frmSplash::txtRes, "txtRes"}};
    forms::buildHiddenBoxes(*this, hidden);

    Wav1 = new media::WavePlayer(this);
    Wav1->setObjectName(QStringLiteral("Wav1"));

    Timer1 = new forms::Timer(this, handOverInterval, true);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &forms::Timer::timer, this, &frmSplash::Timer1_Timer);
}

frmSplash::~frmSplash() = default;

QSize frmSplash::screenSize() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

void frmSplash::Form_Load()
{
    txtRes->setText(forms::screenSizeText(screenSize()));
    // The rest follows the picture's first paint, once that is on the screen.
    FXImage1->installEventFilter(this);
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FXImage1 && event->type() == QEvent::Paint && !loadFinished_) {
        FXImage1->removeEventFilter(this);
        QTimer::singleShot(0, this, &frmSplash::finishLoad);
    }
    return forms::Form::eventFilter(watched, event);
}

void frmSplash::finishLoad()
{
    if (loadFinished_)
        return;
    loadFinished_ = true;
    if (onScreen)
        std::exchange(onScreen, nullptr)();

    // Only the two screens the table of contents is laid out for move its
    // title picture; touching it loads the main table of contents now.
    int left = -1;
    if (txtRes->text() == markers::screen1024)
        left = titleLeft1024;
    else if (txtRes->text() == markers::screen800)
        left = titleLeft800;
    if (left >= 0) {
        forms::ImageBox& title = *forms::form<frmContents>().FXImage1;
        title.move(forms::toPixels(left), title.y());
        title.move(title.x(), forms::toPixels(titleTop));
    }

    // The sound plays on while the program goes on.
    Wav1->setFileName(forms::App::current().file(QStringLiteral("\\sound2.wav")));
    Wav1->play();
}

void frmSplash::Timer1_Timer()
{
    // The hand-over runs once, even if a tick is already on its way.
    Timer1->setEnabled(false);
    finishLoad();
    forms::form<frmContents>().Show();
    Unload();
}

} // namespace contents
