// The base of the suite's controls: MousePointer and its cursor, MouseIcon,
// the background brush, navigation keys, the about box, display strings and
// a picture of the control.
#include "ProbeControl.h"

#include "controls/base/CursorTable.h"
#include "controls/runtime/AboutDialog.h"
#include "support/TestContainer.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>

using namespace com;
using testsupport::TestSite;

class tst_CQvControl : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cursorTable_data();
    void cursorTable();
    void mousePointerShowsItsCursor_data();
    void mousePointerShowsItsCursor();
    void aRefusedPointerKeepsTheOldOne_data();
    void aRefusedPointerKeepsTheOldOne();
    void mouseIconTakesOnlyIcons_data();
    void mouseIconTakesOnlyIcons();
    void mouseIconIsNeverUninitializedAtRunTime();
    void backgroundBrushFollowsBackColor();
    void navigationKeysPassTheControlBy_data();
    void navigationKeysPassTheControlBy();
    void aboutBox();
    void displayStrings();
    void pictureOfTheControlIsStretched();
    void aFaultStaysInTheControl_data();
    void aFaultStaysInTheControl();

private:
    Ptr<ProbeControl> control_;
    Ptr<TestSite> site_;
    std::unique_ptr<QWidget> form_;
    QWidget* window_ = nullptr;
};

void tst_CQvControl::init()
{
    control_ = make<ProbeControl>();
    site_ = make<TestSite>();
    control_->setSite(site_.get());
    form_ = std::make_unique<QWidget>();
    form_->setCursor(Qt::PointingHandCursor);
    QCOMPARE(control_->createWindow(form_.get(), QRect(10, 10, 120, 24), &window_), kOk);
    form_->show();
    ProbeControl::answerDialog = [](QDialog&) { return QDialog::Accepted; };
}

void tst_CQvControl::cursorTable_data()
{
    QTest::addColumn<int>("pointer");
    QTest::addColumn<int>("shape"); // -1: no cursor of the table

    QTest::newRow("0 default") << 0 << -1;
    QTest::newRow("1 arrow") << 1 << int(Qt::ArrowCursor);
    QTest::newRow("3 I-beam") << 3 << int(Qt::IBeamCursor);
    QTest::newRow("4 icon is the arrow") << 4 << int(Qt::ArrowCursor);
    QTest::newRow("5 size") << 5 << int(Qt::SizeAllCursor);
    QTest::newRow("6 NESW") << 6 << int(Qt::SizeBDiagCursor);
    QTest::newRow("8 NWSE") << 8 << int(Qt::SizeFDiagCursor);
    QTest::newRow("11 hourglass") << 11 << int(Qt::WaitCursor);
    QTest::newRow("15 size all") << 15 << int(Qt::SizeAllCursor);
    QTest::newRow("16 past the table") << 16 << -1;
    QTest::newRow("99 the icon") << 99 << -1;
    QTest::newRow("-1") << -1 << -1;
}

void tst_CQvControl::cursorTable()
{
    QFETCH(int, pointer);
    QFETCH(int, shape);
    const auto found = controls::cursorShapeFor(pointer);
    QCOMPARE(found ? int(*found) : -1, shape);
}

void tst_CQvControl::mousePointerShowsItsCursor_data()
{
    QTest::addColumn<bool>("runMode");
    QTest::addColumn<int>("pointer");
    QTest::addColumn<int>("expected");

    QTest::newRow("run time, arrow for 4") << true << 4 << int(Qt::ArrowCursor);
    QTest::newRow("run time, size for 5") << true << 5 << int(Qt::SizeAllCursor);
    QTest::newRow("run time, 0 is the container's") << true << 0 << int(Qt::PointingHandCursor);
    QTest::newRow("run time, 99 without an icon keeps what it was") << true << 99 << int(Qt::PointingHandCursor);
    QTest::newRow("design time changes nothing") << false << 5 << int(Qt::PointingHandCursor);
}

void tst_CQvControl::mousePointerShowsItsCursor()
{
    QFETCH(bool, runMode);
    QFETCH(int, pointer);
    QFETCH(int, expected);

    site_->runMode = runMode;
    QCOMPARE(putProperty(control_.get(), QStringLiteral("mousepointer"), Variant::i2(std::int16_t(pointer))), kOk);
    QTest::mouseMove(window_, QPoint(5, 5));
    control_->onSetCursor();
    QCOMPARE(int(window_->cursor().shape()), expected);
    // The change is announced under MousePointer's own id, never the default property's.
    QCOMPARE(site_->changed, std::vector<DispId>{ProbeControl::dispMousePointer});
    QVERIFY(control_->isModified());
}

void tst_CQvControl::aRefusedPointerKeepsTheOldOne_data()
{
    QTest::addColumn<int>("value");
    QTest::newRow("16") << 16;
    QTest::newRow("-1") << -1;
    QTest::newRow("98") << 98;
    QTest::newRow("100") << 100;
}

void tst_CQvControl::aRefusedPointerKeepsTheOldOne()
{
    QFETCH(int, value);
    QCOMPARE(putProperty(control_.get(), QStringLiteral("MousePointer"), Variant::i2(3)), kOk);
    site_->changed.clear();

    ErrorInfo info;
    QCOMPARE(putProperty(control_.get(), QStringLiteral("MousePointer"), Variant::i4(value), &info), kException);
    QCOMPARE(info.code, com::result(0x800A017C));
    QCOMPARE(control_->mousePointer(), 3);
    QVERIFY(site_->changed.empty());
    control_->onSetCursor();
    QCOMPARE(window_->cursor().shape(), Qt::IBeamCursor);
}

void tst_CQvControl::mouseIconTakesOnlyIcons_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("taken");

    QTest::newRow("icon") << int(PictureType::Icon) << true;
    QTest::newRow("no picture") << int(PictureType::None) << true;
    QTest::newRow("uninitialised") << int(PictureType::Uninitialized) << true;
    QTest::newRow("bitmap") << int(PictureType::Bitmap) << false;
    QTest::newRow("metafile") << int(PictureType::Metafile) << false;
}

void tst_CQvControl::mouseIconTakesOnlyIcons()
{
    QFETCH(int, type);
    QFETCH(bool, taken);

    QImage arrow(16, 16, QImage::Format_ARGB32);
    arrow.fill(Qt::red);
    auto before = makePicture(PictureType::Icon, arrow);
    control_->SetMouseIcon(before.get());

    auto offered = makePicture(PictureType(type), arrow);
    ErrorInfo info;
    const Result r = putProperty(control_.get(), QStringLiteral("MouseIcon"),
                                 Variant::object(offered.get(), VarType::Dispatch), &info);
    site_->runMode = false; // read back as it is held
    if (taken) {
        QCOMPARE(r, kOk);
        QCOMPARE(control_->GetMouseIcon().get(), offered.get());
    } else {
        QCOMPARE(r, kException);
        QCOMPARE(info.code, com::result(0x800A017C));
        QCOMPARE(control_->GetMouseIcon().get(), before.get());
    }
}

void tst_CQvControl::mouseIconIsNeverUninitializedAtRunTime()
{
    auto uninitialized = makePicture(PictureType::Uninitialized);
    control_->SetMouseIcon(uninitialized.get());
    QCOMPARE(control_->GetMouseIcon()->type(), PictureType::None);
    site_->runMode = false;
    QCOMPARE(control_->GetMouseIcon()->type(), PictureType::Uninitialized);

    // With an icon and pointer 99 the icon is the cursor.
    site_->runMode = true;
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::blue);
    auto picture = makePicture(PictureType::Icon, icon);
    control_->SetMouseIcon(picture.get());
    control_->setMousePointer(99, ProbeControl::dispMousePointer);
    control_->onSetCursor();
    QCOMPARE(window_->cursor().shape(), Qt::BitmapCursor);
}

void tst_CQvControl::backgroundBrushFollowsBackColor()
{
    QImage image(4, 4, QImage::Format_RGB32);
    QPainter painter(&image);
    QVERIFY(!control_->OnOcmCtlColor(painter));
    QCOMPARE(putProperty(control_.get(), QStringLiteral("ForeColor"), Variant::i4(0x0000FF)), kOk);
    QCOMPARE(putProperty(control_.get(), QStringLiteral("BackColor"), Variant::i4(0x8000000F)), kOk);
    const auto brush = control_->OnOcmCtlColor(painter);
    QVERIFY(brush);
    QCOMPARE(brush->color(), QColor(212, 208, 200)); // the system colour, resolved
    QCOMPARE(painter.background().color(), QColor(212, 208, 200));
    QCOMPARE(painter.pen().color(), QColor(255, 0, 0));
}

void tst_CQvControl::navigationKeysPassTheControlBy_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("passed");

    for (int key : {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home, Qt::Key_Left, Qt::Key_Up,
                    Qt::Key_Right, Qt::Key_Down, Qt::Key_Insert, Qt::Key_Delete})
        QTest::addRow("key %x", key) << key << true;
    QTest::newRow("letter") << int(Qt::Key_A) << false;
    QTest::newRow("tab") << int(Qt::Key_Tab) << false;
    QTest::newRow("return") << int(Qt::Key_Return) << false;
}

void tst_CQvControl::navigationKeysPassTheControlBy()
{
    QFETCH(int, key);
    QFETCH(bool, passed);

    // A shortcut of the container on the same key never takes a key the
    // control passes to its window.
    int containerShortcut = 0;
    if (passed) {
        auto* action = new QAction(form_.get());
        action->setShortcut(QKeySequence(key));
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [&] { ++containerShortcut; });
        form_->addAction(action);
    }
    form_->activateWindow();
    window_->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));

    QTest::keyClick(window_, Qt::Key(key));
    QCOMPARE(control_->keysHandled, passed ? 0 : 1);
    if (passed)
        QCOMPARE(containerShortcut, 0);
}

void tst_CQvControl::aboutBox()
{
    ProbeControl::made = 0;
    int dialogs = 0;
    // The first about box opens a second one from inside (as a container
    // might, re-entering the method): that one shows for the calling control
    // itself and never performs the verb.
    ProbeControl::answerDialog = [&](QDialog& dialog) {
        ++dialogs;
        if (dialogs == 1) {
            callMethod(control_.get(), QStringLiteral("AboutBox"), {});
            return qvrun::kAboutShowProperties;
        }
        return qvrun::kAboutShowProperties;
    };
    QCOMPARE(callMethod(control_.get(), QStringLiteral("AboutBox"), {}), kOk);
    QCOMPARE(dialogs, 2);
    QCOMPARE(ProbeControl::made, 1);
    QCOMPARE(control_->primaryVerbs, 1);
    QCOMPARE(site_->dialogNotes, (std::vector<bool>{true, false}));

    // Any other answer does nothing more.
    ProbeControl::answerDialog = [](QDialog&) { return int(QDialog::Accepted); };
    QCOMPARE(callMethod(control_.get(), QStringLiteral("AboutBox"), {}), kOk);
    QCOMPARE(control_->primaryVerbs, 1);
    QCOMPARE(ProbeControl::made, 2);
}

void tst_CQvControl::displayStrings()
{
    QString text = QStringLiteral("unchanged");
    QCOMPARE(control_->displayString(controls::stock::font, &text), kFalse);
    QCOMPARE(text, QStringLiteral("unchanged"));
    QCOMPARE(control_->displayString(controls::stock::backColor, &text), kFalse);
}

void tst_CQvControl::pictureOfTheControlIsStretched()
{
    // The control is 120 by 24 with a mark in its bottom right corner; its
    // picture at twice the size has the mark twice as large in the
    // picture's corner, and nowhere else.
    QCOMPARE(putProperty(control_.get(), QStringLiteral("BackColor"), Variant::i4(0x0000FF)), kOk);
    control_->markCorner = true;
    QImage picture(240, 48, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        QCOMPARE(control_->drawTo(&painter, QRect(0, 0, 240, 48)), kOk);
    }
    const QColor back(255, 0, 0);
    QCOMPARE(picture.pixelColor(0, 0), back);
    QCOMPARE(picture.pixelColor(239, 47), ProbeControl::markColour);
    QCOMPARE(picture.pixelColor(222, 37), ProbeControl::markColour); // the mark stretched to 20 by 12
    QCOMPARE(picture.pixelColor(217, 47), back);
    QCOMPARE(picture.pixelColor(239, 33), back);
    QCOMPARE(picture.pixelColor(115, 21), back); // a copy or a tile would put the mark here
    QCOMPARE(picture.pixelColor(239, 0), back);
    QCOMPARE(picture.pixelColor(0, 47), back);
}

void tst_CQvControl::aFaultStaysInTheControl_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("key press") << int(QEvent::KeyPress);
    QTest::newRow("key release") << int(QEvent::KeyRelease);
    QTest::newRow("mouse press") << int(QEvent::MouseButtonPress);
    QTest::newRow("mouse move") << int(QEvent::MouseMove);
    QTest::newRow("mouse release") << int(QEvent::MouseButtonRelease);
    QTest::newRow("paint") << int(QEvent::Paint);
    QTest::newRow("focus in") << int(QEvent::FocusIn);
    QTest::newRow("focus out") << int(QEvent::FocusOut);
}

void tst_CQvControl::aFaultStaysInTheControl()
{
    QFETCH(int, type);
    auto send = [&] {
        const QPointF at(5, 5);
        switch (QEvent::Type(type)) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            QKeyEvent key(QEvent::Type(type), Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
            QApplication::sendEvent(window_, &key);
            break;
        }
        case QEvent::Paint: window_->grab(); break;
        case QEvent::FocusIn:
        case QEvent::FocusOut: {
            QFocusEvent focus(QEvent::Type(type), Qt::TabFocusReason);
            QApplication::sendEvent(window_, &focus);
            break;
        }
        default: {
            QMouseEvent mouse(QEvent::Type(type), at, window_->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(window_, &mouse);
            break;
        }
        }
    };

    control_->faulty = true;
    control_->handled = 0;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("a fault in the control's own handling")));
    try {
        send();
    } catch (...) {
        QFAIL("the fault left the control");
    }
    QVERIFY(control_->handled >= 1);

    // The window goes on taking its events.
    control_->faulty = false;
    control_->handled = 0;
    send();
    QVERIFY(control_->handled >= 1);
}

QTEST_MAIN(tst_CQvControl)
#include "tst_cqvcontrol.moc"
