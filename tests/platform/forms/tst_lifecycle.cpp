#include "support/ProgramFixture.h"

#include "platform/forms/App.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/HiddenBox.h"
#include "platform/forms/Menu.h"

#include <QMessageBox>
#include <QTimer>
#include <QtTest>

using forms::form;

namespace {

// Windows that count their steps; the log is the order steps ran in.
QStringList* stepLog = nullptr;

class CountingForm : public forms::Form {
public:
    explicit CountingForm(const QString& name)
    {
        setObjectName(name);
        txtCount = forms::hiddenBox(this, QStringLiteral("txtCount"), QStringLiteral("0"));
    }
    int loads = 0;
    int activations = 0;
    int cancelUnload = 0;
    std::function<void()> onActivate;
    forms::TextBox* txtCount;

protected:
    void Form_Load() override
    {
        ++loads;
        if (stepLog)
            stepLog->append(objectName() + QStringLiteral(".Load"));
    }
    void Form_Activate() override
    {
        ++activations;
        if (stepLog)
            stepLog->append(objectName() + QStringLiteral(".Activate"));
        if (onActivate)
            onActivate();
    }
    void Form_Unload(int& cancel) override { cancel = cancelUnload; }
};

struct WindowA : CountingForm {
    WindowA() : CountingForm(QStringLiteral("A")) {}
};
struct WindowB : CountingForm {
    WindowB() : CountingForm(QStringLiteral("B")) {}
};
struct WindowC : CountingForm {
    WindowC() : CountingForm(QStringLiteral("C")) {}
};

// Closes the modal box the program opens, as a user would, once it is up.
void closeModalSoon()
{
    QTimer::singleShot(50, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
}

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QTest::qWait(20);
    }
}

} // namespace

class tst_Lifecycle : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        log.clear();
        stepLog = &log;
        fixture = std::make_unique<testsupport::ProgramFixture>(false);
    }
    void cleanup()
    {
        fixture.reset();
        stepLog = nullptr;
    }

    void firstTouchLoadsHidden()
    {
        auto& a = form<WindowA>();
        QCOMPARE(a.loads, 1);
        QVERIFY(!a.isVisible());
        QCOMPARE(a.activations, 0);
        QCOMPARE(&form<WindowA>(), &a);
        QCOMPARE(a.loads, 1);
        QVERIFY(fixture->app.isLoaded<WindowA>());
        QVERIFY(!fixture->app.isLoaded<WindowB>());
    }

    void showActivatesBeforeItReturns()
    {
        auto& a = form<WindowA>();
        a.Show();
        QCOMPARE(a.activations, 1);
        QCOMPARE(fixture->app.activeForm(), &a);
        a.Show();
        settle();
        QCOMPARE(a.activations, 1);
    }

    void activationInsideActivationRunsInOrder()
    {
        form<WindowA>().onActivate = [] { form<WindowB>().Show(); };
        form<WindowA>().Show();
        QCOMPARE(log, QStringList({"A.Load", "A.Activate", "B.Load", "B.Activate"}));
        QCOMPARE(fixture->app.activeForm(), &form<WindowB>());
    }

    void switchingBackActivatesAgain()
    {
        auto& a = form<WindowA>();
        auto& b = form<WindowB>();
        a.Show();
        b.Show();
        QTRY_COMPARE(QApplication::activeWindow(), &b);
        settle();
        a.activateWindow(); // the user clicks the other window
        QTRY_COMPARE(a.activations, 2);
        QCOMPARE(fixture->app.activeForm(), &a);
        QCOMPARE(b.activations, 1);
    }

    // The window system answers each request late. Its report for a window
    // the program has already moved away from is stale, not the user.
    void lateReportsOfTheProgramsOwnRequestsAreNotSwitches()
    {
        auto& a = form<WindowA>();
        auto& b = form<WindowB>();
        a.Show();
        b.Show(); // both reports are still to come
        settle();
        QCOMPARE(a.activations, 1);
        QCOMPARE(b.activations, 1);
        QCOMPARE(fixture->app.activeForm(), &b);
    }

    // Asking again for the window that is already active brings no report;
    // the user's next switch must still count.
    void aRequestWithoutReportDoesNotHideTheUsersSwitch()
    {
        auto& a = form<WindowA>();
        auto& b = form<WindowB>();
        b.Show();
        a.Show();
        QTRY_COMPARE(QApplication::activeWindow(), &a);
        settle();
        a.Show();
        settle();
        b.activateWindow(); // the user clicks the other window
        QTRY_COMPARE(b.activations, 2);
        QCOMPARE(fixture->app.activeForm(), &b);
        QCOMPARE(a.activations, 1);
    }

    void boxesAndMenusDoNotReactivate_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("message box") << 0;
        QTest::newRow("input box") << 1;
        QTest::newRow("popup menu") << 2;
    }
    void boxesAndMenusDoNotReactivate()
    {
        QFETCH(int, kind);
        fixture->app.dialogs().setScripted(false); // real boxes, closed by the "user"
        auto& a = form<WindowA>();
        a.Show();
        QTRY_COMPARE(QApplication::activeWindow(), &a);
        settle();
        switch (kind) {
        case 0:
            closeModalSoon();
            forms::msgBox(QStringLiteral("This is the last question."), forms::vbExclamation,
                          QStringLiteral("Brisolt Software"));
            break;
        case 1:
            closeModalSoon();
            forms::inputBox(QStringLiteral("How many questions?"), QStringLiteral("Random Test"));
            break;
        case 2: {
            forms::Menu popup(&a, QStringLiteral("Popup"));
            forms::Menu item(&popup, QStringLiteral("Item"));
            QTimer::singleShot(50, [] {
                if (QWidget* menu = QApplication::activePopupWidget())
                    menu->close();
            });
            popup.popup(a.mapToGlobal(QPoint(10, 10)));
            QTRY_VERIFY(!QApplication::activePopupWidget());
            break;
        }
        }
        settle();
        QCOMPARE(a.activations, 1);
        QCOMPARE(fixture->app.activeForm(), &a);
    }

    void hidingTheActiveWindowActivatesThePreviousOne()
    {
        auto& a = form<WindowA>();
        auto& b = form<WindowB>();
        a.Show();
        b.Show();
        b.Hide();
        QCOMPARE(a.activations, 2);
        QCOMPARE(fixture->app.activeForm(), &a);
        QVERIFY(fixture->app.isLoaded<WindowB>());
    }

    void unloadRebuildsFromDesignValues()
    {
        auto& a = form<WindowA>();
        a.txtCount->setText(QStringLiteral("5"));
        QVERIFY(a.Unload());
        QVERIFY(!fixture->app.isLoaded<WindowA>());
        auto& again = form<WindowA>();
        QCOMPARE(again.txtCount->text(), QStringLiteral("0"));
        QCOMPARE(again.loads, 1);
        QCOMPARE(log.count(QStringLiteral("A.Load")), 2);
    }

    void unloadCanBeCancelled()
    {
        auto& c = form<WindowC>();
        c.cancelUnload = 1;
        QVERIFY(!c.Unload());
        QVERIFY(fixture->app.isLoaded<WindowC>());
        QCOMPARE(&form<WindowC>(), &c);
    }

    void unloadingItselfDuringActivationHandsOver()
    {
        auto& a = form<WindowA>();
        a.Show();
        form<WindowB>().onActivate = [] { form<WindowB>().Unload(); };
        form<WindowB>().Show();
        QVERIFY(!fixture->app.isLoaded<WindowB>());
        QCOMPARE(fixture->app.activeForm(), &a);
        QCOMPARE(a.activations, 2);
        settle(); // the unloaded window is destroyed once control is back
    }

    void closeBoxUnloads()
    {
        auto& a = form<WindowA>();
        a.Show();
        a.close();
        QVERIFY(!fixture->app.isLoaded<WindowA>());
    }

    void programFilesMatchWithoutCase()
    {
        QDir(fixture->folder.path()).mkpath(QStringLiteral("pictures"));
        QFile file(fixture->folder.path() + QStringLiteral("/pictures/blank.jpg"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QCOMPARE(fixture->app.file(QStringLiteral("\\PICTURES\\Blank.JPG")), file.fileName());
        QCOMPARE(fixture->app.file(QStringLiteral("\\Video\\none.avi")),
                 fixture->folder.path() + QStringLiteral("/Video/none.avi"));
    }

private:
    QStringList log;
    std::unique_ptr<testsupport::ProgramFixture> fixture;
};

QTEST_MAIN(tst_Lifecycle)
#include "tst_lifecycle.moc"
