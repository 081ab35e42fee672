// The windows' option buttons from the control library: each is loaded
// with the properties kept beside its window's design, a click on it runs
// the window's step once, the title pair keeps one selection, and without
// the library the places stay empty while the windows still work.
#include "support/QuestionWindowFixture.h"
#include "support/TestContainer.h"

#include "editing/frmStrips.h"
#include "platform/hosting/ControlHost.h"
#include "platform/hosting/ControlLibraries.h"
#include "platform/hosting/OptionButtons.h"
#include "printing/frmPackage.h"
#include "questionwindow/frmMain.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QtTest>

using printing::frmPackage;

namespace {

QString textOf(com::Dispatch* control, const char* name)
{
    QString text;
    testsupport::propertyOf(control, name).toText(&text);
    return text;
}

} // namespace

class tst_TitleOptions : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::TestContainer> store;
    std::unique_ptr<testsupport::QuestionWindowFixture> program;

    static void registerOptionButtons()
    {
        QVERIFY(hosting::registerControlLibraries(QFileInfo(QStringLiteral(DRILLBOOK_QV3DOPT)).absolutePath(),
                                                  {QStringLiteral("QV3DOPT.so")})
                    .isEmpty());
    }

    frmPackage& openPackage()
    {
        frmPackage& w = forms::form<frmPackage>();
        w.Show();
        return w;
    }

private slots:
    void init()
    {
        store = std::make_unique<testsupport::TestContainer>();
        program = std::make_unique<testsupport::QuestionWindowFixture>();
    }
    void cleanup()
    {
        program.reset();
        store.reset();
    }

    void clickRunsTheStepOnce_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("titleOpen");
        QTest::addColumn<QString>("title");
        QTest::newRow("default") << "optDefault" << false << "Enter A Test Title Here!";
        QTest::newRow("custom") << "optCustom" << true << "";
    }
    void clickRunsTheStepOnce()
    {
        QFETCH(QString, button);
        QFETCH(bool, titleOpen);
        QFETCH(QString, title);
        registerOptionButtons();
        frmPackage& w = openPackage();
        auto* option = w.findChild<hosting::ControlHost*>(button);
        QVERIFY(option);
        QVERIFY2(option->controlWindow(), qPrintable(option->problem()));
        int clicks = 0;
        QVERIFY(option->onEvent(hosting::optionButtonEvents, hosting::optionButtonClick, [&clicks] { ++clicks; }));
        w.txtHeaderTitle->setText(QStringLiteral("Station 9 Drill"));

        QTest::mouseClick(option->controlWindow(), Qt::LeftButton);
        QCOMPARE(clicks, 1);
        QCOMPARE(w.txtHeaderTitle->isEnabled(), titleOpen);
        QCOMPARE(w.txtHeaderTitle->text(), title);
        QCOMPARE(textOf(option->object(), "Value"), QStringLiteral("-1"));
    }

    void pairKeepsOneSelection()
    {
        registerOptionButtons();
        frmPackage& w = openPackage();
        QVERIFY2(w.optDefault->object() && w.optCustom->object(), qPrintable(w.optDefault->problem()));
        // Neither is chosen when the window opens.
        QCOMPARE(textOf(w.optDefault->object(), "Value"), QStringLiteral("0"));
        QCOMPARE(textOf(w.optCustom->object(), "Value"), QStringLiteral("0"));
        QCOMPARE(textOf(w.optDefault->object(), "Caption"), QStringLiteral("Use Default Title"));
        QCOMPARE(textOf(w.optCustom->object(), "Caption"), QStringLiteral("Custom Title"));

        QTest::mouseClick(w.optDefault->controlWindow(), Qt::LeftButton);
        QCOMPARE(textOf(w.optDefault->object(), "Value"), QStringLiteral("-1"));
        QCOMPARE(textOf(w.optCustom->object(), "Value"), QStringLiteral("0"));
        QTest::mouseClick(w.optCustom->controlWindow(), Qt::LeftButton);
        QCOMPARE(textOf(w.optDefault->object(), "Value"), QStringLiteral("0"));
        QCOMPARE(textOf(w.optCustom->object(), "Value"), QStringLiteral("-1"));
        QVERIFY(w.txtHeaderTitle->isEnabled());
    }

    void leadButtonHoldsItsDesign()
    {
        registerOptionButtons();
        frmPackage& package = openPackage();
        package.Hide();
        editing::frmStrips& s = forms::form<editing::frmStrips>();
        s.Show();
        QVERIFY2(s.optLead1->controlWindow(), qPrintable(s.optLead1->problem()));
        QVERIFY(s.optLead1->controlWindow()->isVisible());
        QCOMPARE(textOf(s.optLead1->object(), "Caption"), QStringLiteral("Lead 1"));
        QCOMPARE(textOf(s.optLead1->object(), "BoxSize"), QStringLiteral("13"));
        QCOMPARE(textOf(s.optLead1->object(), "FillColor"), QString::number(0xFFFFFF));
        QCOMPARE(textOf(s.optLead1->object(), "Value"), QStringLiteral("0"));
    }

    // The store knows no option-button class: the places stay empty and
    // the windows open without them.
    void windowsWorkWithoutTheLibrary()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^optDefault: .* is not registered")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^optCustom: .* is not registered")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^optLead1: .* is not registered")));
        frmPackage& w = openPackage();
        QVERIFY(w.isVisible());
        QVERIFY(!w.optDefault->object());
        QVERIFY(w.optCustom->children().isEmpty());
        editing::frmStrips& s = forms::form<editing::frmStrips>();
        s.Show();
        QVERIFY(s.isVisible());
        QVERIFY(!s.optLead1->object());
        QVERIFY(program->boxes.ok());
    }
};

QTEST_MAIN(tst_TitleOptions)
#include "tst_titleoptions.moc"
