// Option buttons on a form: the mouse, the keys and the focus, the groups
// they keep exclusive among themselves, their mnemonics, and what assistive
// technology is told of them.
#include "controls/dateinput/QvindatClasses.h"
#include "controls/optionbutton/Qv3doptClasses.h"
#include "platform/com/Registration.h"
#include "support/ControlForm.h"
#include "support/TestContainer.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QTest>

using namespace com;
using testsupport::ControlForm;
using testsupport::TestContainer;

namespace {

namespace ev = qv3dopt::event;

// A control of another class that has a Group and a Value of its own.
class ForeignControl final : public Object<Dispatch, OleObject> {
public:
    std::int16_t group = 0;
    std::int16_t value = 1;
    ControlSite* site = nullptr;

    Result idOfName(const QString& name, DispId* id) override
    {
        *id = name == QLatin1String("Group") ? 1 : name == QLatin1String("Value") ? 2 : kDispIdUnknown;
        return *id == kDispIdUnknown ? kUnknownName : kOk;
    }
    Result invoke(DispId id, InvokeKind kind, std::span<Variant> args, Variant* result, ErrorInfo*) override
    {
        std::int16_t& member = id == 1 ? group : value;
        if (kind == InvokeKind::Put)
            return args[0].toI2(&member);
        *result = Variant::i2(member);
        return kOk;
    }
    Result clientSite(ControlSite** out) override
    {
        *out = site;
        if (site)
            site->addRef();
        return site ? kOk : kFailed;
    }
    Result userType(QString* out) override
    {
        *out = QStringLiteral("Foreign Control");
        return kOk;
    }
    Result getWindow(QWidget**) override { return kFailed; }
};

} // namespace

class tst_Qv3dOptWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void buttonsOfOneGroupClearEachOther();
    void aControlOfAnotherClassInTheGroupIsCleared();
    void aPlainContainerStillKeepsTheGroup();
    void aButtonAloneSelectsItself();
    void aMouseClickFiresOneClick();
    void spaceSelectsWithoutAClick();
    void tabReachesTheCheckedButton();
    void arrowsMoveWithinTheGroupAndWrap_data();
    void arrowsMoveWithinTheGroupAndWrap();
    void aKeyDownHandlerCannotStopTheMove();
    void keyEventsReportThePcKeyCodes_data();
    void keyEventsReportThePcKeyCodes();
    void activatingTheFormFocusesTheCheckedButton();
    void focusMovingToAnotherHostedControlKeepsTheChoice();
    void mnemonics_data();
    void mnemonics();
    void aNewCaptionReplacesTheMnemonic();
    void assistiveTechnologySeesARadioButton();

private:
    // Buttons 0 to 2 are group 0, button 3 group 1; an edit box before and
    // one after them.
    void makeForm(ControlForm::Offers offers = ControlForm::Offers::Controls);
    Variant get(int index, const char* name);
    void put(int index, const char* name, const Variant& value);
    int clicks(int index) const { return form_->count(index, ev::Click); }

    std::unique_ptr<TestContainer> container_;
    std::unique_ptr<ControlForm> form_;
    QLineEdit* before_ = nullptr;
    QLineEdit* after_ = nullptr;
};

void tst_Qv3dOptWindow::init()
{
    container_ = std::make_unique<TestContainer>();
    QCOMPARE(registerLibrary(QStringLiteral(DRILLBOOK_QV3DOPT)), kOk);
    QCOMPARE(registerLibrary(QStringLiteral(DRILLBOOK_QVINDAT)), kOk);
}

void tst_Qv3dOptWindow::cleanup()
{
    form_.reset();
    container_.reset();
}

void tst_Qv3dOptWindow::makeForm(ControlForm::Offers offers)
{
    form_ = std::make_unique<ControlForm>(container_->loader(), offers);
    before_ = new QLineEdit;
    form_->addPlain(before_, QRect(10, 10, 100, 20));
    const char* captions[] = {"Show Question Bank &1", "Show Question Bank &2", "Show All Question &Banks",
                              "Custom &Title"};
    for (int i = 0; i < 4; ++i) {
        const int index = form_->add(qv3dopt::controlClass, qv3dopt::eventsInterface, QRect(10, 40 + 30 * i, 200, 24),
                                     QStringLiteral("opt%1").arg(i));
        QCOMPARE(index, i);
        put(i, "Caption", Variant::string(QString::fromLatin1(captions[i])));
    }
    put(3, "Group", Variant::i2(1));
    after_ = new QLineEdit;
    form_->addPlain(after_, QRect(10, 170, 100, 20));
    QVERIFY(form_->showActive());
    form_->clearEvents();
}

Variant tst_Qv3dOptWindow::get(int index, const char* name)
{
    Variant value;
    getProperty(form_->extended(index), QString::fromLatin1(name), &value);
    return value;
}

void tst_Qv3dOptWindow::put(int index, const char* name, const Variant& value)
{
    QCOMPARE(putProperty(form_->extended(index), QString::fromLatin1(name), value), kOk);
}

void tst_Qv3dOptWindow::buttonsOfOneGroupClearEachOther()
{
    makeForm();
    // When a button's Click arrives, the rest of its group is already clear.
    std::vector<int> selectedAtClick;
    form_->onEvent = [&](int control, DispId id, std::span<Variant>) {
        if (id != ev::Click)
            return;
        int selected = 0;
        for (int i = 0; i < 3; ++i)
            selected += get(i, "Value") != Variant::i2(0);
        QCOMPARE(get(control, "Value"), Variant::i2(-1));
        selectedAtClick.push_back(selected);
    };
    put(3, "Value", Variant::i2(1));
    put(0, "Value", Variant::i2(1));
    QCOMPARE(get(0, "Value"), Variant::i2(-1));
    QCOMPARE(get(3, "Value"), Variant::i2(-1)); // another group
    put(1, "Value", Variant::i2(-1));

    const int values[] = {0, -1, 0, -1};
    const bool tabStops[] = {false, true, false, true};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(get(i, "Value"), Variant::i2(std::int16_t(values[i])));
        QCOMPARE(get(i, "TabStop"), Variant::boolean(tabStops[i]));
    }
    // Each selection by Value fired its button's Click once, after the
    // others were cleared.
    QCOMPARE(clicks(0), 1);
    QCOMPARE(clicks(1), 1);
    QCOMPARE(clicks(2), 0);
    QCOMPARE(selectedAtClick, (std::vector<int>{0, 1, 1}));
}

void tst_Qv3dOptWindow::aControlOfAnotherClassInTheGroupIsCleared()
{
    makeForm();
    auto foreign = com::make<ForeignControl>();
    const int index = form_->addObject(Ptr<Dispatch>(foreign.get()), QStringLiteral("foreign"));
    foreign->site = form_->site(index);
    put(0, "Value", Variant::i2(1));
    QCOMPARE(foreign->value, std::int16_t(0));

    foreign->value = 1;
    foreign->group = 5;
    put(1, "Value", Variant::i2(1));
    QCOMPARE(foreign->value, std::int16_t(1));
    foreign->site = nullptr;
}

void tst_Qv3dOptWindow::aPlainContainerStillKeepsTheGroup()
{
    makeForm(ControlForm::Offers::Objects);
    put(0, "Value", Variant::i2(1));
    put(2, "Value", Variant::i2(1));
    QCOMPARE(get(0, "Value"), Variant::i2(0));
    QCOMPARE(get(2, "Value"), Variant::i2(-1));
    QCOMPARE(get(0, "TabStop"), Variant::boolean(false));
}

void tst_Qv3dOptWindow::aButtonAloneSelectsItself()
{
    makeForm(ControlForm::Offers::Nothing);
    put(0, "Value", Variant::i2(1));
    put(1, "Value", Variant::i2(1));
    QCOMPARE(get(0, "Value"), Variant::i2(-1));
    QCOMPARE(get(1, "Value"), Variant::i2(-1));
    QCOMPARE(clicks(1), 1);
}

void tst_Qv3dOptWindow::aMouseClickFiresOneClick()
{
    makeForm();
    before_->setFocus();
    QTest::mouseClick(form_->window(1), Qt::LeftButton, {}, QPoint(30, 12));
    QCOMPARE(form_->window(1), QApplication::focusWidget());
    QCOMPARE(get(1, "Value"), Variant::i2(-1));
    QCOMPARE(clicks(1), 1);
    QCOMPARE(form_->count(1, ev::MouseDown), 1);
    QCOMPARE(form_->count(1, ev::MouseUp), 1);

    // Again on the selected button, and then on another one.
    QTest::mouseClick(form_->window(1), Qt::LeftButton, {}, QPoint(30, 12));
    QCOMPARE(clicks(1), 2);
    QTest::mouseClick(form_->window(2), Qt::LeftButton, {}, QPoint(30, 12));
    QCOMPARE(clicks(2), 1);
    QCOMPARE(clicks(1), 2);
    QCOMPARE(get(1, "Value"), Variant::i2(0));
    QCOMPARE(get(2, "Value"), Variant::i2(-1));

    // Released outside the button: no click.
    QTest::mousePress(form_->window(0), Qt::LeftButton, {}, QPoint(30, 12));
    QTest::mouseRelease(form_->window(0), Qt::LeftButton, {}, QPoint(500, 300));
    QCOMPARE(clicks(0), 0);
}

void tst_Qv3dOptWindow::spaceSelectsWithoutAClick()
{
    makeForm();
    form_->window(0)->setFocus(Qt::OtherFocusReason);
    put(1, "Value", Variant::i2(1));
    QCOMPARE(QApplication::focusWidget(), form_->window(0));
    QCOMPARE(get(0, "Value"), Variant::i2(0));
    form_->clearEvents();

    QTest::keyClick(form_->window(0), Qt::Key_Space);
    QCOMPARE(get(0, "Value"), Variant::i2(-1));
    QCOMPARE(get(1, "Value"), Variant::i2(0));
    QCOMPARE(clicks(0), 0);
    QCOMPARE(form_->count(0, ev::KeyDown), 1);
    QCOMPARE(form_->count(0, ev::KeyUp), 1);
    QCOMPARE(form_->events().front().args.at(0), Variant::i2(0x20));
}

void tst_Qv3dOptWindow::tabReachesTheCheckedButton()
{
    makeForm();
    put(1, "Value", Variant::i2(1));
    before_->setFocus();
    form_->clearEvents();

    QTest::keyClick(before_, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form_->window(1));
    // Tabbing in from inside the form selects and clicks.
    QCOMPARE(clicks(1), 1);
    QCOMPARE(get(1, "Value"), Variant::i2(-1));

    QTest::keyClick(form_->window(1), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form_->window(3));
    QCOMPARE(get(3, "Value"), Variant::i2(-1));
    QCOMPARE(get(1, "Value"), Variant::i2(-1));
}

void tst_Qv3dOptWindow::arrowsMoveWithinTheGroupAndWrap_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");

    QTest::newRow("right") << 0 << int(Qt::Key_Right) << 1;
    QTest::newRow("down") << 1 << int(Qt::Key_Down) << 2;
    QTest::newRow("left") << 2 << int(Qt::Key_Left) << 1;
    QTest::newRow("up") << 1 << int(Qt::Key_Up) << 0;
    QTest::newRow("right past the last wraps") << 2 << int(Qt::Key_Right) << 0;
    QTest::newRow("left past the first wraps") << 0 << int(Qt::Key_Left) << 2;
    QTest::newRow("alone in its group") << 3 << int(Qt::Key_Right) << 3;
}

void tst_Qv3dOptWindow::arrowsMoveWithinTheGroupAndWrap()
{
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    makeForm();
    put(from, "Value", Variant::i2(1));
    form_->window(from)->setFocus(Qt::OtherFocusReason);
    form_->clearEvents();

    QTest::keyClick(form_->window(from), Qt::Key(key));
    QCOMPARE(QApplication::focusWidget(), form_->window(to));
    QCOMPARE(get(to, "Value"), Variant::i2(-1));
    if (to != from) {
        QCOMPARE(get(from, "Value"), Variant::i2(0));
        QCOMPARE(clicks(to), 1);
    }
    QCOMPARE(form_->count(from, ev::KeyDown), 1);
}

void tst_Qv3dOptWindow::aKeyDownHandlerCannotStopTheMove()
{
    makeForm();
    form_->window(0)->setFocus(Qt::OtherFocusReason);
    form_->onEvent = [](int, DispId id, std::span<Variant> args) {
        if (id == ev::KeyDown)
            args[0] = Variant::i2(0);
    };
    QTest::keyClick(form_->window(0), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), form_->window(1));
}

void tst_Qv3dOptWindow::keyEventsReportThePcKeyCodes_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<quint32>("keysym");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("shift");

    // The keys as the X server delivers them, its key symbol beside Qt's key.
    QTest::newRow("Home") << int(Qt::Key_Home) << 0xFF50u << 0 << 0x24 << 0;
    QTest::newRow("End") << int(Qt::Key_End) << 0xFF57u << 0 << 0x23 << 0;
    QTest::newRow("Insert") << int(Qt::Key_Insert) << 0xFF63u << 0 << 0x2D << 0;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << 0xFFFFu << 0 << 0x2E << 0;
    QTest::newRow("PageDown") << int(Qt::Key_PageDown) << 0xFF56u << 0 << 0x22 << 0;
    QTest::newRow("F1") << int(Qt::Key_F1) << 0xFFBEu << 0 << 0x70 << 0;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 0xFF08u << 0 << 0x08 << 0;
    QTest::newRow("keypad 5") << int(Qt::Key_5) << 0xFFB5u << int(Qt::KeypadModifier) << 0x65 << 0;
    QTest::newRow("comma") << int(Qt::Key_Comma) << 0x2Cu << 0 << 0xBC << 0;
    QTest::newRow("Ctrl+Shift+A") << int(Qt::Key_A) << 0x41u << int(Qt::ControlModifier | Qt::ShiftModifier) << 0x41
                                  << 3;
}

void tst_Qv3dOptWindow::keyEventsReportThePcKeyCodes()
{
    QFETCH(int, key);
    QFETCH(quint32, keysym);
    QFETCH(int, modifiers);
    QFETCH(int, code);
    QFETCH(int, shift);
    makeForm();
    QWidget* button = form_->window(0);
    button->setFocus(Qt::OtherFocusReason);
    form_->clearEvents();
    const auto mods = Qt::KeyboardModifiers(modifiers);
    QKeyEvent press(QEvent::KeyPress, key, mods, 0, keysym, 0);
    QKeyEvent release(QEvent::KeyRelease, key, mods, 0, keysym, 0);
    QApplication::sendEvent(button, &press);
    QApplication::sendEvent(button, &release);
    QList<Variant> down, up;
    for (const ControlForm::Event& event : form_->events()) {
        if (event.id == ev::KeyDown)
            down = QList<Variant>(event.args.begin(), event.args.end());
        else if (event.id == ev::KeyUp)
            up = QList<Variant>(event.args.begin(), event.args.end());
    }
    const QList<Variant> expected{Variant::i2(std::int16_t(code)), Variant::i2(std::int16_t(shift))};
    QCOMPARE(down, expected);
    QCOMPARE(up, expected);
}

void tst_Qv3dOptWindow::activatingTheFormFocusesTheCheckedButton()
{
    makeForm();
    form_->window(0)->setFocus(Qt::OtherFocusReason);
    put(2, "Value", Variant::i2(1));
    QCOMPARE(QApplication::focusWidget(), form_->window(0));

    QWidget elsewhere;
    elsewhere.setWindowTitle(QStringLiteral("Another window"));
    elsewhere.show();
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    form_->clearEvents();

    QVERIFY(form_->showActive());
    QCOMPARE(QApplication::focusWidget(), form_->window(2));
    QCOMPARE(get(0, "Value"), Variant::i2(0));
    QCOMPARE(get(2, "Value"), Variant::i2(-1));
    QCOMPARE(clicks(0), 0);
}

void tst_Qv3dOptWindow::focusMovingToAnotherHostedControlKeepsTheChoice()
{
    makeForm();
    const int date = form_->add(qvindat::controlClass, qvindat::eventsInterface, QRect(220, 40, 90, 24),
                                QStringLiteral("date"));
    QVERIFY(date >= 0);
    QTest::mouseClick(form_->window(1), Qt::LeftButton, {}, QPoint(30, 12));
    QCOMPARE(get(1, "Value"), Variant::i2(-1));

    QTest::mouseClick(form_->window(date), Qt::LeftButton, {}, QPoint(40, 12));
    QCOMPARE(QApplication::focusWidget(), form_->window(date));
    QCOMPARE(get(1, "Value"), Variant::i2(-1));
    QCOMPARE(get(1, "TabStop"), Variant::boolean(true));

    // And the group is still reached by Tab.
    before_->setFocus();
    QTest::keyClick(before_, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form_->window(1));

    // An ordinary widget of the form leaves it selected too.
    after_->setFocus();
    QCOMPARE(get(1, "Value"), Variant::i2(-1));
}

void tst_Qv3dOptWindow::mnemonics_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("accelerator");
    QTest::addColumn<int>("key");

    QTest::newRow("letter") << "Show &lead 1 && more" << "Alt+L" << int(Qt::Key_L);
    QTest::newRow("the last one wins") << "&One or &zero" << "Alt+Z" << int(Qt::Key_Z);
    QTest::newRow("only doubled") << "Fire && Rescue" << "" << int(Qt::Key_F);
    QTest::newRow("a digit") << "Bank &3" << "Alt+3" << int(Qt::Key_3);
    QTest::newRow("at the end") << "Nothing after &" << "" << int(Qt::Key_N);
}

void tst_Qv3dOptWindow::mnemonics()
{
    QFETCH(QString, caption);
    QFETCH(QString, accelerator);
    QFETCH(int, key);
    makeForm();
    put(2, "Caption", Variant::string(caption));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(form_->window(2));
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Accelerator), accelerator);

    before_->setFocus();
    form_->clearEvents();
    QTest::keyClick(before_, Qt::Key(key), Qt::AltModifier);
    QCOMPARE(clicks(2), accelerator.isEmpty() ? 0 : 1);
    QCOMPARE(get(2, "Value"), Variant::i2(accelerator.isEmpty() ? 0 : -1));
    if (!accelerator.isEmpty()) {
        put(2, "Value", Variant::i2(0));
        QTest::keyClick(before_, Qt::Key(key), Qt::AltModifier | Qt::ShiftModifier);
        QCOMPARE(clicks(2), 2);
    }
}

void tst_Qv3dOptWindow::aNewCaptionReplacesTheMnemonic()
{
    makeForm();
    for (const char* caption : {"&Xray", "&Yankee", "&Zulu"})
        put(0, "Caption", Variant::string(QString::fromLatin1(caption)));
    // The shortcuts of earlier captions are gone, not piled up.
    QCOMPARE(form_->window(0)->findChildren<QShortcut*>().size(), 2);
    before_->setFocus();
    QTest::keyClick(before_, Qt::Key_X, Qt::AltModifier);
    QCOMPARE(clicks(0), 0);
    QTest::keyClick(before_, Qt::Key_Z, Qt::AltModifier);
    QCOMPARE(clicks(0), 1);

    // A disabled button does not answer its mnemonic.
    put(0, "Value", Variant::i2(0));
    put(0, "Enabled", Variant::boolean(false));
    QTest::keyClick(before_, Qt::Key_Z, Qt::AltModifier);
    QCOMPARE(clicks(0), 1);
}

void tst_Qv3dOptWindow::assistiveTechnologySeesARadioButton()
{
    makeForm();
    put(1, "Caption", Variant::string(QStringLiteral("Show &Lead 1 && more")));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(form_->window(1));
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::RadioButton);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Show Lead 1 & more"));
    QVERIFY(accessible->state().checkable);
    QVERIFY(!accessible->state().checked);

    put(1, "Value", Variant::i2(1));
    QVERIFY(accessible->state().checked);
    put(0, "Value", Variant::i2(1));
    QVERIFY(!accessible->state().checked);

    // Pressing it through assistive technology clicks it.
    form_->clearEvents();
    QAccessibleActionInterface* actions = accessible->actionInterface();
    QVERIFY(actions);
    QCOMPARE(actions->keyBindingsForAction(QAccessibleActionInterface::pressAction()), QStringList{"Alt+L"});
    actions->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(accessible->state().checked);
    QCOMPARE(get(0, "Value"), Variant::i2(0));
    QCOMPARE(clicks(1), 1);
}

QTEST_MAIN(tst_Qv3dOptWindow)
#include "tst_qv3doptwindow.moc"
