#include "contents/ContentsLayout.h"

#include "platform/forms/Form.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>

namespace contents::layout {

namespace {

class Cover : public QObject {
public:
    Cover(QWidget& canvas, QWidget& background) : QObject(&canvas), background_(background)
    {
        canvas.installEventFilter(this);
        background.setGeometry(canvas.rect());
        background.lower();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            background_.setGeometry(static_cast<QWidget*>(watched)->rect());
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& background_;
};

} // namespace

QWidget* makeCanvas(forms::Form& window)
{
    auto* scroller = new QScrollArea(&window);
    scroller->setObjectName(QStringLiteral("canvasScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    auto* canvas = new QWidget;
    canvas->setObjectName(QStringLiteral("canvas"));
    canvas->setMinimumSize(canvasWidth, canvasHeight);
    scroller->setWidget(canvas);
    window.setCentralWidget(scroller);
    return canvas;
}

void coverCanvas(QWidget& canvas, QWidget& background) { new Cover(canvas, background); }

void sizeWindow(forms::Form& window)
{
    QSize size(1024, 768);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size());
    window.resize(size);
}

void placeChapterButtons(std::span<QWidget* const> buttons, int top, int rows, int gap)
{
    const int height = (bottom - top - (rows - 1) * gap) / rows;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const int column = int(i) / rows;
        const int row = int(i) % rows;
        buttons[i]->setGeometry(chapterLeft + column * (chapterColumnWidth + columnGap), top + row * (height + gap),
                                chapterColumnWidth, height);
    }
}

void placeSideButton(QWidget& button, int top) { button.setGeometry(sideLeft, top, sideWidth, sideButtonHeight); }

} // namespace contents::layout
