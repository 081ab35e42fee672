#pragma once

// The window kit: a window's design is written as tables - its shape and start
// position, cursors, hidden and visible boxes, buttons, menus, status panels,
// toolbar keys and tab order - and built by the functions here. A table row
// names the member the control lands in and, where the control has one, the
// step its click runs, so the design and the wiring are read in one place.
//
//   const forms::ButtonDesign<frmX> buttons[] = {
//       {&frmX::cmdOK, "cmdOK", "OK", {4740, 2640, 1500, 375}, &frmX::cmdOK_Click},
//   };
//   forms::buildButtons(*this, canvas, buttons);

#include "platform/data/DataControl.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Menu.h"
#include "platform/forms/StatusBar.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/ToolButton.h"
#include "platform/forms/Toolbar.h"

#include <QKeySequence>
#include <QList>
#include <QRect>
#include <QSize>

#include <initializer_list>
#include <span>
#include <type_traits>
#include <vector>

class QMainWindow;

namespace forms {

// ---- Design states ---------------------------------------------------------------
// A control's state as the design leaves it; the steps change it later.
enum DesignState : unsigned {
    Shown = 0,
    Hidden = 1u << 0,
    Disabled = 1u << 1,
    Checked = 1u << 2,     // menu items
    Locked = 1u << 3,      // text boxes
    AutoDefault = 1u << 4, // buttons: Enter presses the button that has the focus
    Default = 1u << 5,     // buttons: Enter anywhere in the window presses it
    Cancel = 1u << 6,      // buttons: Escape anywhere in the window presses it
};

// A position and size in twips; all zero leaves the control where its parent's
// layout puts it.
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool isNull() const { return left == 0 && top == 0 && width == 0 && height == 0; }
};

// ---- The window itself ---------------------------------------------------------------

enum class Start {
    AsPlaced, // where the window system puts it
    CentredOnScreen,
    FittedToScreen, // the design size, cut down to what the screen offers
};

struct WindowShape {
    const char* name;
    const char* caption;
    QSize size; // pixels; the window's outer size unless fixed
    Start start = Start::AsPlaced;
    bool fixedSize = false;     // the size is the client area and cannot change
    Qt::WindowFlags flags = {}; // none: an ordinary top-level window
};

// Names, titles, sizes and places the window as its shape says.
void shapeWindow(QMainWindow& window, const WindowShape& shape);
// The screen area windows are placed in (the primary screen's available area).
QRect screenArea();
// Moves a window so that its centre is the centre of `area`.
void centreOn(QWidget& window, const QRect& area);

// A scrolling canvas as the window's central area: a window smaller than the
// design scrolls instead of cutting controls off.
QWidget* makeScrollingCanvas(QMainWindow& window, const QSize& minimum);
// Keeps `cover` over the whole of `canvas`, below every other control.
void coverCanvas(QWidget& canvas, QWidget& cover);

// ---- Cursors and boxes -------------------------------------------------------------------

template <class W>
struct CursorDesign {
    data::DataControl* W::*member;
    const char* name;
    const char* connect;
};

// A box the window never shows: a shared value or marker other windows read
// and write, bound to a field or not. It starts with its design text.
template <class W>
struct HiddenBoxDesign {
    TextBox* W::*member;
    const char* name;
    const char* designText = "";
    data::DataControl* W::*cursor = nullptr;
    const char* field = nullptr;
    // An element of a control array instead of a single member.
    ControlArray<TextBox> W::*array = nullptr;
    int index = 0;
};

template <class W>
HiddenBoxDesign<W> hiddenElement(ControlArray<TextBox> W::*array, int index, const char* name, const char* designText,
                                 data::DataControl* W::*cursor = nullptr, const char* field = nullptr)
{
    return {nullptr, name, designText, cursor, field, array, index};
}

// A box on screen, bound to a field of a cursor or not.
template <class W>
struct BoxDesign {
    TextBox* W::*member;
    const char* name;
    const char* accessibleName;
    Twips place;
    data::DataControl* W::*cursor = nullptr;
    const char* field = nullptr;
    TextBox::Lines lines = TextBox::SingleLine;
    unsigned state = Shown;
};

// ---- Buttons ---------------------------------------------------------------------------------
// Control is any button with a (parent, caption) constructor and a click() signal.

template <class W, class Control = CommandButton>
struct ButtonDesign {
    Control* W::*member;
    const char* name;
    const char* caption;
    Twips place = {};
    void (W::*click)() = nullptr;
    const char* toolTip = "";
    const char* accessibleName = "";
    unsigned state = Shown;
};

// ---- Menus -------------------------------------------------------------------------------------

// One item of a menu; the name "-" makes a separator.
template <class W>
struct MenuItem {
    const char* name;
    const char* caption = "";
    Menu* W::*member = nullptr;
    void (W::*click)() = nullptr;
    QKeySequence keys = {};
    unsigned state = Shown;
    // An element of a menu array instead of a single member.
    ControlArray<Menu> W::*array = nullptr;
    int index = 0;
    void (W::*indexedClick)(int) = nullptr;
};

template <class W>
MenuItem<W> menuElement(ControlArray<Menu> W::*array, int index, const char* name, const char* caption,
                        void (W::*click)(int) = nullptr, unsigned state = Shown)
{
    return {name, caption, nullptr, nullptr, {}, state, array, index, click};
}

// A title on the menu bar with its items.
template <class W>
struct MenuTitle {
    Menu* W::*member;
    const char* name;
    const char* caption;
    std::vector<MenuItem<W>> items;
};

// ---- Status panels and toolbar keys ---------------------------------------------------------

struct PanelDesign {
    const char* key;
    const char* text;
    const char* toolTip;
    const char* accessibleName; // empty: the panel's text or tip is enough
    int stretch = 1;
};

// A toolbar button by key; an empty key makes a separator. picture is the
// 1-based number in the toolbar's picture list.
struct ToolKeyDesign {
    const char* key;
    const char* toolTip = "";
    int picture = 0;
    ToolButton::Style style = ToolButton::Default;
    unsigned state = Shown;
};

// ---- The builders' untyped cores ------------------------------------------------------------

namespace kit {
data::DataControl* makeCursor(QObject& window, const char* name, const char* connect);
TextBox* makeHiddenBox(QWidget& window, const char* name, const char* designText);
TextBox* makeBox(QWidget& parent, const char* name, const char* accessibleName, const Twips& place,
                 TextBox::Lines lines, unsigned state);
void bind(data::DataControl* cursor, TextBox* box, const char* field);
void dressButton(QWidget& button, const char* name, const Twips& place, const char* toolTip, const char* accessibleName,
                 unsigned state);
void dressCommandButton(CommandButton& button, unsigned state);
Menu* makeMenuTitle(QMainWindow& window, const char* name, const char* caption);
Menu* makeMenuItem(Menu& title, const char* name, const char* caption, const QKeySequence& keys, unsigned state);
} // namespace kit

// ---- Builders --------------------------------------------------------------------------------
// Each takes the window and its table (an array or any range of rows).

template <class W, class Rows>
void buildCursors(W& window, const Rows& cursors)
{
    for (const auto& row : cursors)
        window.*row.member = kit::makeCursor(window, row.name, row.connect);
}

template <class W, class Rows>
void buildHiddenBoxes(W& window, const Rows& boxes)
{
    for (const auto& row : boxes) {
        TextBox* box = kit::makeHiddenBox(window, row.name, row.designText);
        if (row.cursor)
            kit::bind(window.*row.cursor, box, row.field);
        if (row.array)
            (window.*row.array).add(row.index, box);
        else
            window.*row.member = box;
    }
}

template <class W, class Rows>
void buildBoxes(W& window, QWidget& parent, const Rows& boxes)
{
    for (const auto& row : boxes) {
        TextBox* box = kit::makeBox(parent, row.name, row.accessibleName, row.place, row.lines, row.state);
        if (row.cursor)
            kit::bind(window.*row.cursor, box, row.field);
        window.*row.member = box;
    }
}

template <class W, class Rows>
void buildButtons(W& window, QWidget& parent, const Rows& buttons)
{
    for (const auto& row : buttons) {
        using Control = std::remove_pointer_t<std::remove_cvref_t<decltype(window.*row.member)>>;
        auto* button = new Control(&parent, QString::fromUtf8(row.caption));
        kit::dressButton(*button, row.name, row.place, row.toolTip, row.accessibleName, row.state);
        if constexpr (std::is_base_of_v<CommandButton, Control>)
            kit::dressCommandButton(*button, row.state);
        if (row.click)
            QObject::connect(button, &Control::click, &window, row.click);
        window.*row.member = button;
    }
}

template <class W, class Rows>
void buildMenus(W& window, const Rows& titles)
{
    for (const auto& title : titles) {
        Menu* bar = kit::makeMenuTitle(window, title.name, title.caption);
        if (title.member)
            window.*title.member = bar;
        for (const auto& row : title.items) {
            Menu* item = kit::makeMenuItem(*bar, row.name, row.caption, row.keys, row.state);
            if (row.array) {
                (window.*row.array).add(row.index, item);
                if (row.indexedClick)
                    QObject::connect(
                        item, &Menu::click, &window,
                        [&window, click = row.indexedClick, index = row.index] { (window.*click)(index); });
                continue;
            }
            if (row.member)
                window.*row.member = item;
            if (row.click)
                QObject::connect(item, &Menu::click, &window, row.click);
        }
    }
}

// The window's status bar with its panels, in order.
StatusBar* buildStatusBar(QMainWindow& window, const char* name, std::span<const PanelDesign> panels);

// The window's toolbar with its keys, in order, over a picture list.
Toolbar* buildToolbar(QMainWindow& window, const char* name, const char* title, const QList<QIcon>& pictures,
                      const QSize& pictureSize, std::span<const ToolKeyDesign> keys);

// Tab walks the named controls of the window in this order (a text box's
// name stands for its editor).
void setTabOrder(QWidget& window, std::initializer_list<const char*> names);

} // namespace forms
