#include "platform/forms/WindowKit.h"

#include "platform/forms/HiddenBox.h"
#include "platform/forms/Twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>

namespace forms {

namespace {

QString text(const char* utf8)
{
    return utf8 ? QString::fromUtf8(utf8) : QString();
}

void place(QWidget& control, const Twips& at)
{
    if (!at.isNull())
        setGeometryTwips(control, at.left, at.top, at.width, at.height);
}

void applyShownAndEnabled(QWidget& control, unsigned state)
{
    if (state & Hidden)
        control.setVisible(false);
    if (state & Disabled)
        control.setEnabled(false);
}

// Keeps one widget stretched over another as that one is resized.
class Cover : public QObject {
public:
    Cover(QWidget& canvas, QWidget& cover) : QObject(&canvas), cover_(cover)
    {
        canvas.installEventFilter(this);
        cover.setGeometry(canvas.rect());
        cover.lower();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            cover_.setGeometry(static_cast<QWidget*>(watched)->rect());
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& cover_;
};

} // namespace

// ---- The window itself ---------------------------------------------------------------

QRect screenArea()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return screen->availableGeometry();
    return QRect(0, 0, 1024, 768);
}

void centreOn(QWidget& window, const QRect& area)
{
    window.move(area.center() - window.rect().center());
}

void shapeWindow(QMainWindow& window, const WindowShape& shape)
{
    window.setObjectName(text(shape.name));
    if (shape.flags)
        window.setWindowFlags(shape.flags);
    window.setWindowTitle(text(shape.caption));
    QSize size = shape.size;
    if (shape.start == Start::FittedToScreen)
        size = size.boundedTo(screenArea().size());
    if (shape.fixedSize)
        window.setFixedSize(size);
    else
        window.resize(size);
    if (shape.start == Start::CentredOnScreen)
        centreOn(window, screenArea());
}

QWidget* makeScrollingCanvas(QMainWindow& window, const QSize& minimum)
{
    auto* scroller = new QScrollArea(&window);
    scroller->setObjectName(QStringLiteral("canvasScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    auto* canvas = new QWidget;
    canvas->setObjectName(QStringLiteral("canvas"));
    canvas->setMinimumSize(minimum);
    scroller->setWidget(canvas);
    window.setCentralWidget(scroller);
    return canvas;
}

void coverCanvas(QWidget& canvas, QWidget& cover)
{
    new Cover(canvas, cover);
}

// ---- The builders' untyped cores ------------------------------------------------------------

namespace kit {

data::DataControl* makeCursor(QObject& window, const char* name, const char* connect)
{
    auto* cursor = new data::DataControl(&window);
    cursor->setObjectName(text(name));
    cursor->setConnect(text(connect));
    return cursor;
}

TextBox* makeHiddenBox(QWidget& window, const char* name, const char* designText)
{
    return hiddenBox(&window, text(name), text(designText));
}

TextBox* makeBox(QWidget& parent, const char* name, const char* accessibleName, const Twips& at, TextBox::Lines lines,
                 unsigned state)
{
    auto* box = new TextBox(&parent, lines);
    box->setObjectName(text(name));
    if (accessibleName && *accessibleName)
        box->setAccessibleName(text(accessibleName));
    place(*box, at);
    if (state & Locked)
        box->setLocked(true);
    applyShownAndEnabled(*box, state);
    return box;
}

void bind(data::DataControl* cursor, TextBox* box, const char* field)
{
    box->setDataField(text(field));
    cursor->bind(box);
}

void dressButton(QWidget& button, const char* name, const Twips& at, const char* toolTip, const char* accessibleName,
                 unsigned state)
{
    button.setObjectName(text(name));
    if (toolTip && *toolTip)
        button.setToolTip(text(toolTip));
    if (accessibleName && *accessibleName)
        button.setAccessibleName(text(accessibleName));
    place(button, at);
    applyShownAndEnabled(button, state);
}

void dressCommandButton(CommandButton& button, unsigned state)
{
    if (state & AutoDefault)
        button.setAutoDefault(true);
    if (state & Default)
        button.setDefault(true);
    if (state & Cancel)
        button.setCancel(true);
}

Menu* makeMenuTitle(QMainWindow& window, const char* name, const char* caption)
{
    auto* title = new Menu(window.menuBar(), text(caption));
    title->setObjectName(text(name));
    return title;
}

Menu* makeMenuItem(Menu& title, const char* name, const char* caption, const QKeySequence& keys, unsigned state)
{
    if (qstrcmp(name, "-") == 0)
        return new Menu(&title, QStringLiteral("-"));
    auto* item = new Menu(&title, text(caption));
    item->setObjectName(text(name));
    if (!keys.isEmpty())
        item->setShortcut(keys);
    if (state & Checked)
        item->setChecked(true);
    if (state & Disabled)
        item->setEnabled(false);
    if (state & Hidden)
        item->setVisible(false);
    return item;
}

} // namespace kit

// ---- Status panels, toolbar keys, tab order ------------------------------------------------

StatusBar* buildStatusBar(QMainWindow& window, const char* name, std::span<const PanelDesign> panels)
{
    auto* status = new StatusBar(&window);
    status->setObjectName(text(name));
    for (const PanelDesign& row : panels) {
        Panel* panel = status->addPanel(text(row.key), text(row.text), text(row.toolTip), row.stretch);
        if (row.accessibleName && *row.accessibleName)
            panel->label()->setAccessibleName(text(row.accessibleName));
    }
    window.setStatusBar(status);
    return status;
}

Toolbar* buildToolbar(QMainWindow& window, const char* name, const char* title, const QList<QIcon>& pictures,
                      const QSize& pictureSize, std::span<const ToolKeyDesign> keys)
{
    auto* toolbar = new Toolbar(&window);
    toolbar->setObjectName(text(name));
    toolbar->setWindowTitle(text(title));
    toolbar->setIconSize(pictureSize);
    toolbar->setImageList(pictures);
    for (const ToolKeyDesign& row : keys) {
        ToolButton* button = nullptr;
        if (!row.key || !*row.key) {
            button = toolbar->addSeparator();
        } else {
            button = toolbar->addButton(text(row.key), text(row.toolTip), row.picture, row.style);
            // The caption is what assistive tools read for a picture-only key.
            button->setCaption(text(row.toolTip));
        }
        if (row.state & Hidden)
            button->setVisible(false);
        if (row.state & Disabled)
            button->setEnabled(false);
    }
    window.addToolBar(toolbar);
    return toolbar;
}

void setTabOrder(QWidget& window, std::initializer_list<const char*> names)
{
    QWidget* previous = nullptr;
    for (const char* name : names) {
        auto* control = window.findChild<QWidget*>(text(name));
        Q_ASSERT_X(control, "setTabOrder", name);
        if (!control)
            continue;
        // The chain holds the widget that takes the focus: a text box's editor.
        while (control->focusProxy())
            control = control->focusProxy();
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

} // namespace forms
