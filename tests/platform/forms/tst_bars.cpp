#include "platform/core/RuntimeError.h"
#include "platform/forms/Slider.h"
#include "platform/forms/StatusBar.h"
#include "platform/forms/Toolbar.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QSignalSpy>
#include <QTest>

using namespace forms;

namespace {
int errorNumberOf(const std::function<void()>& statement)
{
    try {
        statement();
    } catch (const platform::RuntimeError& error) {
        return error.number();
    }
    return 0;
}
} // namespace

// A toolbar and status bar laid out like the question window's.
struct BarsWindow {
    BarsWindow() : tbToolBar(new Toolbar(&window)), Status(new StatusBar(&window))
    {
        window.addToolBar(tbToolBar);
        window.setStatusBar(Status);
        tbToolBar->addButton(QStringLiteral("New"), QStringLiteral("New Test - Clears Score Box"), 1);
        tbToolBar->addSeparator();
        tbToolBar->addButton(QStringLiteral("Unlock"), QStringLiteral("Lock Questions"), 13)->setVisible(false);
        tbToolBar->addButton(QStringLiteral("Lock"), QStringLiteral("Unlock Questions"), 14);
        tbToolBar->addSeparator()->setVisible(false);
        tbToolBar->addButton(QStringLiteral("Bold"), QStringLiteral("Bold"), 17);
        tbToolBar->addButton(QStringLiteral("Align Left"), QStringLiteral("Align Left"), 20, ToolButton::ButtonGroup);
        tbToolBar->addButton(QStringLiteral("Center"), QStringLiteral("Center"), 21, ToolButton::ButtonGroup);
        tbToolBar->addButton(QStringLiteral("Align Right"), QStringLiteral("Align Right"), 22, ToolButton::ButtonGroup);
        tbToolBar->addButton(QStringLiteral("Check"), QStringLiteral("Check"), 0, ToolButton::Check);

        Status->addPanel(QStringLiteral("Chapter"), {}, QStringLiteral("Chapter Title"));
        Status->addPanel({}, QStringLiteral("Brisolt Software"));
        Status->addPanel(QStringLiteral("Watch"), {}, QStringLiteral("Stop Watch"));
        Status->addPanel(QStringLiteral("Time"), {}, QStringLiteral("Current System Time"));
        Status->addPanel(QStringLiteral("State"), {}, QStringLiteral("Use Answer Button"));
    }
    QMainWindow window;
    Toolbar* tbToolBar;
    StatusBar* Status;
};

class BarsTest : public QObject {
    Q_OBJECT

private slots:
    void buttonsByKeyAndIndex();
    void missingButtonsThrow_data();
    void missingButtonsThrow();
    void pressingRunsButtonClickWithTheKey();
    void hiddenOrDisabledButtonsCannotBePressed();
    void pressedStateByStyle();
    void buttonImagesComeFromTheImageList();
    void panelsByKeyAndIndex();
    void missingPanelsThrow();
    void clickOnAPanelGivesItsIndex();
    void panelTextReachesAssistiveTools_data();
    void panelTextReachesAssistiveTools();
    void sliderRangeAndChange();
};

void BarsTest::buttonsByKeyAndIndex()
{
    BarsWindow w;
    QCOMPARE(w.tbToolBar->buttonCount(), 10);
    ToolButton* lock = w.tbToolBar->button(QStringLiteral("Lock"));
    QCOMPARE(lock->toolTipText(), QStringLiteral("Unlock Questions"));
    QCOMPARE(lock->index(), 4);
    QCOMPARE(w.tbToolBar->button(4), lock);
    QCOMPARE(w.tbToolBar->button(QStringLiteral("lock")), lock); // lookups ignore case
    QCOMPARE(lock->key(), QStringLiteral("Lock"));                // the key keeps it
    QVERIFY(!w.tbToolBar->button(QStringLiteral("Unlock"))->visible());
    QCOMPARE(w.tbToolBar->button(2)->style(), ToolButton::Separator);
    QVERIFY(!w.tbToolBar->button(5)->visible());
    QVERIFY(!w.tbToolBar->button(5)->action()->isVisible());

    // The lock pair swaps as the lock steps do.
    lock->setVisible(false);
    w.tbToolBar->button(QStringLiteral("Unlock"))->setVisible(true);
    QVERIFY(!lock->action()->isVisible());
    QVERIFY(w.tbToolBar->button(3)->action()->isVisible());
}

void BarsTest::missingButtonsThrow_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("number");
    QTest::newRow("unknown key") << "Paste" << 0 << 35601;
    QTest::newRow("index 0") << QString() << 0 << 35600;
    QTest::newRow("past the end") << QString() << 11 << 35600;
}

void BarsTest::missingButtonsThrow()
{
    QFETCH(QString, key);
    QFETCH(int, index);
    QFETCH(int, number);
    BarsWindow w;
    QCOMPARE(errorNumberOf([&] { key.isEmpty() ? w.tbToolBar->button(index) : w.tbToolBar->button(key); }),
             number);
    QCOMPARE(errorNumberOf([&] { w.tbToolBar->addButton(QStringLiteral("NEW")); }), 35602);
}

void BarsTest::pressingRunsButtonClickWithTheKey()
{
    BarsWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QSignalSpy clicks(w.tbToolBar, &Toolbar::buttonClick);
    QWidget* newButton = w.tbToolBar->widgetForAction(w.tbToolBar->button(QStringLiteral("New"))->action());
    QVERIFY(newButton);
    QTest::mouseClick(newButton, Qt::LeftButton);
    w.tbToolBar->button(QStringLiteral("Lock"))->click();
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(clicks.at(0).at(0).toString(), QStringLiteral("New"));
    QCOMPARE(clicks.at(1).at(0).toString(), QStringLiteral("Lock"));
}

void BarsTest::hiddenOrDisabledButtonsCannotBePressed()
{
    BarsWindow w;
    QSignalSpy clicks(w.tbToolBar, &Toolbar::buttonClick);
    ToolButton* bold = w.tbToolBar->button(QStringLiteral("Bold"));
    bold->setEnabled(false);
    bold->click();
    w.tbToolBar->button(QStringLiteral("Unlock"))->click();
    QCOMPARE(clicks.count(), 0);

    bold->setVisible(false);
    QVERIFY(!bold->enabled());
    bold->setVisible(true); // showing it again does not enable it
    QVERIFY(!bold->action()->isEnabled());
}

void BarsTest::pressedStateByStyle()
{
    BarsWindow w;
    // A plain button shows the state the window gives it; pressing keeps it.
    ToolButton* bold = w.tbToolBar->button(QStringLiteral("Bold"));
    bold->setValue(1);
    QVERIFY(bold->action()->isChecked());
    bold->click();
    QCOMPARE(bold->value(), 1);
    bold->setValue(0);
    bold->click();
    QCOMPARE(bold->value(), 0);
    QVERIFY(!bold->action()->isChecked());

    // A check button toggles.
    ToolButton* check = w.tbToolBar->button(QStringLiteral("Check"));
    check->click();
    QCOMPARE(check->value(), 1);
    check->click();
    QCOMPARE(check->value(), 0);

    // A group button goes down and releases the others, by press or by code.
    ToolButton* left = w.tbToolBar->button(QStringLiteral("Align Left"));
    ToolButton* center = w.tbToolBar->button(QStringLiteral("Center"));
    ToolButton* right = w.tbToolBar->button(QStringLiteral("Align Right"));
    left->click();
    center->click();
    QCOMPARE(left->value(), 0);
    QCOMPARE(center->value(), 1);
    QVERIFY(!left->action()->isChecked());
    center->click(); // pressing the pressed one keeps it down
    QCOMPARE(center->value(), 1);
    right->setValue(1);
    QCOMPARE(center->value(), 0);
    QCOMPARE(right->value(), 1);
    QCOMPARE(bold->value(), 0); // other buttons are not part of the group

    QCOMPARE(errorNumberOf([&] { bold->setValue(2); }), 380);
}

void BarsTest::buttonImagesComeFromTheImageList()
{
    Toolbar bar;
    QPixmap red(16, 16);
    red.fill(Qt::red);
    QPixmap blue(16, 16);
    blue.fill(Qt::blue);
    bar.setImageList({QIcon(red), QIcon(blue)});
    ToolButton* button = bar.addButton(QStringLiteral("Help"), QStringLiteral("Help"), 2);
    QCOMPARE(button->image(), 2);
    QCOMPARE(button->action()->icon().pixmap(16, 16).toImage().pixelColor(4, 4), QColor(Qt::blue));
    button->setImage(9); // no such picture: no icon, no failure
    QVERIFY(button->action()->icon().isNull());
    QCOMPARE(button->action()->text(), QStringLiteral("Help")); // assistive tools still have a name
}

void BarsTest::panelsByKeyAndIndex()
{
    BarsWindow w;
    QCOMPARE(w.Status->panelCount(), 5);
    QCOMPARE(w.window.statusBar(), w.Status);
    Panel* time = w.Status->panel(QStringLiteral("Time"));
    QCOMPARE(time->index(), 4);
    QCOMPARE(time->toolTipText(), QStringLiteral("Current System Time"));
    QCOMPARE(time->text(), QString());
    time->setText(QStringLiteral("10:15:00"));
    QCOMPARE(w.Status->panel(4)->text(), QStringLiteral("10:15:00"));
    QCOMPARE(w.Status->panel(4)->label()->text(), QStringLiteral("10:15:00"));

    Panel* unnamed = w.Status->panel(2);
    QCOMPARE(unnamed->key(), QString());
    QCOMPARE(unnamed->text(), QStringLiteral("Brisolt Software"));
    QCOMPARE(w.Status->panel(QStringLiteral("state"))->index(), 5);
}

void BarsTest::missingPanelsThrow()
{
    BarsWindow w;
    QCOMPARE(errorNumberOf([&] { w.Status->panel(QStringLiteral("Clock")); }), 35601);
    QCOMPARE(errorNumberOf([&] { w.Status->panel(QString()); }), 35601); // the unnamed panel has no key
    QCOMPARE(errorNumberOf([&] { w.Status->panel(6); }), 35600);
    QCOMPARE(errorNumberOf([&] { w.Status->panel(0); }), 35600);
}

void BarsTest::clickOnAPanelGivesItsIndex()
{
    BarsWindow w;
    w.window.resize(600, 300);
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QSignalSpy clicks(w.Status, &StatusBar::panelClick);
    QTest::mouseClick(w.Status->panel(QStringLiteral("State"))->label(), Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.first().first().toInt(), 5);
}

void BarsTest::panelTextReachesAssistiveTools_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("role");
    QTest::addColumn<QString>("text");
    QTest::newRow("chapter or last action") << "Chapter" << "Chapter or last action" << "Memory Cleared";
    QTest::newRow("answer mode") << "State" << "Answer mode" << "Turbo Mode";
    QTest::newRow("clock, named by its tip") << "Time" << "" << "10:41:07";
}

// A panel is named by its role; what it shows is its description, in step
// with every change.
void BarsTest::panelTextReachesAssistiveTools()
{
    QFETCH(QString, key);
    QFETCH(QString, role);
    QFETCH(QString, text);
    BarsWindow w;
    Panel* panel = w.Status->panel(key);
    if (!role.isEmpty())
        panel->label()->setAccessibleName(role);
    const QString name = role.isEmpty() ? panel->toolTipText() : role;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(panel->label());
    QVERIFY(accessible);

    panel->setText(text);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    QCOMPARE(accessible->text(QAccessible::Description), text);

    panel->setText(QStringLiteral("Answers Checked At Once"));
    QCOMPARE(accessible->text(QAccessible::Description), QStringLiteral("Answers Checked At Once"));
    panel->setText(QString());
    QVERIFY(!accessible->text(QAccessible::Description).contains(QStringLiteral("Answers")));
    QCOMPARE(accessible->text(QAccessible::Name), name);
}

void BarsTest::sliderRangeAndChange()
{
    Slider slider;
    slider.setMin(1);
    slider.setMax(15);
    slider.setLargeChange(5);
    QSignalSpy changes(&slider, &Slider::change);
    slider.setValue(6);
    QCOMPARE(changes.count(), 1);
    slider.setValue(6);
    QCOMPARE(changes.count(), 1);
    slider.setValue(40); // kept inside the range
    QCOMPARE(slider.value(), 15);
    QCOMPARE(slider.min(), 1);
    QCOMPARE(slider.largeChange(), 5);

    slider.setFocus();
    QTest::keyClick(&slider, Qt::Key_PageDown); // a large step by the user
    QCOMPARE(slider.value(), 10);
    QCOMPARE(changes.count(), 3);
}

QTEST_MAIN(BarsTest)
#include "tst_bars.moc"
