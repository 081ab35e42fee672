#include "support/ProgramFixture.h"

#include "platform/forms/Form.h"
#include "platform/forms/Twips.h"
#include "platform/forms/WindowKit.h"
#include "questiondb/Cursors.h"

#include <QLabel>
#include <QMenuBar>
#include <QtTest>

using forms::form;

namespace {

// A window built from every kind of table the kit reads.
class KitForm : public forms::Form {
public:
    KitForm()
    {
        forms::shapeWindow(*this, {"KitForm", "Kit Window", QSize(5000, 400), forms::Start::FittedToScreen});
        QWidget* canvas = forms::makeScrollingCanvas(*this, QSize(600, 300));

        using Self = KitForm;
        static const forms::CursorDesign<Self> cursors[] = {{&Self::Data1, "Data1", "Access"}};
        forms::buildCursors(*this, cursors);

        static const forms::HiddenBoxDesign<Self> hidden[] = {
            {&Self::txtMarker, "txtMarker", "txtMarker"},
            {&Self::txtFirst, "txtFirst", "", &Self::Data1, "title1"},
            forms::hiddenElement(&Self::txtTitle, 0, "txtTitle", "placeholder 0", &Self::Data1, "title2"),
            forms::hiddenElement(&Self::txtTitle, 1, "txtTitle", "placeholder 1"),
        };
        forms::buildHiddenBoxes(*this, hidden);

        static const forms::BoxDesign<Self> boxes[] = {
            {&Self::txtShown, "txtShown", "Shown title", {150, 150, 3000, 360}, &Self::Data1, "title3",
             forms::TextBox::SingleLine, forms::Locked},
            {&Self::txtNotes, "txtNotes", "Notes", {150, 600, 3000, 900}, nullptr, nullptr, forms::TextBox::MultiLine},
        };
        forms::buildBoxes(*this, *canvas, boxes);

        static const forms::ButtonDesign<Self> buttons[] = {
            {&Self::cmdGo, "cmdGo", "&Go", {150, 1650, 1500, 450}, &Self::cmdGo_Click, "Runs the step", "Go now",
             forms::AutoDefault},
            {&Self::cmdOff, "cmdOff", "Off", {1800, 1650, 1500, 450}, nullptr, "", "", forms::Disabled},
            {&Self::cmdGone, "cmdGone", "Gone", {}, nullptr, "", "", forms::Hidden},
        };
        forms::buildButtons(*this, *canvas, buttons);

        static const forms::MenuTitle<Self> menus[] = {
            {&Self::mnuFile, "mnuFile", "&File",
             {
                 {"mnuGo", "Go", &Self::mnuGo, &Self::mnuGo_Click, QKeySequence(Qt::CTRL | Qt::Key_G)},
                 {"-"},
                 {"mnuTick", "Ticked", &Self::mnuTick, nullptr, {}, forms::Checked},
                 {"mnuOff", "Off", &Self::mnuOff, &Self::mnuGo_Click, {}, forms::Disabled},
                 forms::menuElement(&Self::mnuPick, 0, "mnuPick", "Pick zero", &Self::mnuPick_Click),
                 forms::menuElement(&Self::mnuPick, 1, "mnuPick", "Pick one", &Self::mnuPick_Click),
             }},
            {nullptr, "mnuHelp", "&Help", {{"mnuHidden", "Hidden", &Self::mnuHidden, nullptr, {}, forms::Hidden}}},
        };
        forms::buildMenus(*this, menus);

        static const forms::PanelDesign panels[] = {
            {"Chapter", "", "Chapter Title", "Chapter", 4},
            {"", "Maker", "", ""},
        };
        Status = forms::buildStatusBar(*this, "Status", panels);

        static const forms::ToolKeyDesign keys[] = {
            {"New", "New Test", 1},
            {""},
            {"Bold", "Bold", 2, forms::ToolButton::Check, forms::Hidden | forms::Disabled},
        };
        tbToolBar = forms::buildToolbar(*this, "tbToolBar", "Tool Bar", {QIcon(), QIcon()}, QSize(24, 24), keys);

        forms::setTabOrder(*this, {"cmdGo", "txtNotes", "txtShown"});
    }

    data::DataControl* Data1;
    forms::TextBox* txtMarker;
    forms::TextBox* txtFirst;
    forms::ControlArray<forms::TextBox> txtTitle;
    forms::TextBox* txtShown;
    forms::TextBox* txtNotes;
    forms::CommandButton* cmdGo;
    forms::CommandButton* cmdOff;
    forms::CommandButton* cmdGone;
    forms::Menu* mnuFile;
    forms::Menu* mnuGo;
    forms::Menu* mnuTick;
    forms::Menu* mnuOff;
    forms::Menu* mnuHidden;
    forms::ControlArray<forms::Menu> mnuPick;
    forms::StatusBar* Status;
    forms::Toolbar* tbToolBar;

    int steps = 0;
    QList<int> picks;
    void cmdGo_Click() { ++steps; }
    void mnuGo_Click() { ++steps; }
    void mnuPick_Click(int index) { picks.append(index); }

protected:
    void Form_Load() override { questiondb::openCursor(*Data1, QStringLiteral("Table3")); }
};

} // namespace

// The kit builds a window from its tables: every row lands in its member with
// the design's name, text, place and state, and the steps named in the rows run.
class tst_WindowKit : public QObject {
    Q_OBJECT

private slots:
    void shapeFitsTheScreen()
    {
        testsupport::ProgramFixture program;
        auto& window = form<KitForm>();
        QCOMPARE(window.objectName(), QStringLiteral("KitForm"));
        QCOMPARE(window.caption(), QStringLiteral("Kit Window"));
        QVERIFY(window.width() <= forms::screenArea().width());
        QCOMPARE(window.height(), 400);
    }

    void boxesTakeTheirDesignAndTheirFields()
    {
        testsupport::ProgramFixture program;
        auto& window = form<KitForm>();
        QCOMPARE(window.txtMarker->text(), QStringLiteral("txtMarker"));
        QVERIFY(!window.txtMarker->dataChanged());
        QVERIFY(window.txtMarker->isHidden());
        // Bound boxes show the row once the cursor opens; unbound ones keep their design text.
        QVERIFY(!window.txtFirst->text().isEmpty());
        QCOMPARE(window.txtFirst->dataField(), QStringLiteral("title1"));
        QCOMPARE(window.txtTitle[0]->dataField(), QStringLiteral("title2"));
        QVERIFY(window.txtTitle[0]->text() != QLatin1String("placeholder 0"));
        QCOMPARE(window.txtTitle[1]->text(), QStringLiteral("placeholder 1"));
        QCOMPARE(window.txtShown->dataField(), QStringLiteral("title3"));
        QVERIFY(window.txtShown->locked());
        QVERIFY(window.txtNotes->isMultiLine());
        QVERIFY(!window.txtNotes->locked());
        QCOMPARE(window.txtShown->geometry(), forms::rectFromTwips(150, 150, 3000, 360));
    }

    void buttonsRunTheirSteps()
    {
        testsupport::ProgramFixture program;
        auto& window = form<KitForm>();
        QCOMPARE(window.cmdGo->caption(), QStringLiteral("&Go"));
        QCOMPARE(window.cmdGo->toolTip(), QStringLiteral("Runs the step"));
        QCOMPARE(window.cmdGo->accessibleName(), QStringLiteral("Go now"));
        QVERIFY(window.cmdGo->autoDefault());
        QCOMPARE(window.cmdGo->geometry(), forms::rectFromTwips(150, 1650, 1500, 450));
        window.cmdGo->QPushButton::click();
        QCOMPARE(window.steps, 1);
        QVERIFY(!window.cmdOff->isEnabled());
        QVERIFY(window.cmdGone->isHidden());
    }

    void menusCarryCaptionsKeysStatesAndSteps()
    {
        testsupport::ProgramFixture program;
        auto& window = form<KitForm>();
        QCOMPARE(window.mnuFile->caption(), QStringLiteral("&File"));
        QCOMPARE(window.mnuGo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
        window.mnuGo->trigger();
        QCOMPARE(window.steps, 1);
        QVERIFY(window.mnuTick->checked());
        window.mnuOff->trigger(); // disabled: runs nothing
        QCOMPARE(window.steps, 1);
        QVERIFY(!window.mnuHidden->visible());
        window.mnuPick[1]->trigger();
        window.mnuPick[0]->trigger();
        QCOMPARE(window.picks, (QList<int>{1, 0}));
        // The separator sits between Go and Ticked.
        const QList<QAction*> items = window.mnuFile->menu()->actions();
        QCOMPARE(items.size(), 6);
        QVERIFY(items.at(1)->isSeparator());
        QCOMPARE(window.menuBar()->actions().size(), 2);
    }

    void panelsAndToolbarKeys()
    {
        testsupport::ProgramFixture program;
        auto& window = form<KitForm>();
        QCOMPARE(window.Status->panelCount(), 2);
        QCOMPARE(window.Status->panel(QStringLiteral("chapter"))->toolTipText(), QStringLiteral("Chapter Title"));
        QCOMPARE(window.Status->panel(2)->text(), QStringLiteral("Maker"));
        QCOMPARE(window.Status->panel(1)->label()->accessibleName(), QStringLiteral("Chapter"));
        QCOMPARE(window.tbToolBar->buttonCount(), 3);
        QCOMPARE(window.tbToolBar->button(QStringLiteral("New"))->caption(), QStringLiteral("New Test"));
        QCOMPARE(window.tbToolBar->button(2)->style(), forms::ToolButton::Separator);
        QVERIFY(!window.tbToolBar->button(QStringLiteral("Bold"))->visible());
        QVERIFY(!window.tbToolBar->button(QStringLiteral("Bold"))->enabled());
    }

    void tabWalksTheNamedOrder()
    {
        testsupport::ProgramFixture program;
        auto& window = form<KitForm>();
        // The named controls, as the focus chain meets them after cmdGo.
        const QList<QWidget*> named = {window.cmdGo, window.txtNotes->editor(), window.txtShown->editor()};
        QList<QWidget*> met;
        QWidget* at = window.cmdGo;
        for (int step = 0; step < 200 && met.size() < named.size(); ++step, at = at->nextInFocusChain()) {
            if (named.contains(at) && !met.contains(at))
                met.append(at);
        }
        QCOMPARE(met, named);
    }
};

QTEST_MAIN(tst_WindowKit)
#include "tst_windowkit.moc"
