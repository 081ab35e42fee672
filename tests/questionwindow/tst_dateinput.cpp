// The date-input control the question window holds: made by class id from
// the library registered at start, with the properties kept beside the
// window's design, in a place that covers none of the window's controls;
// and the window without it when the library is not there.
#include "support/QuestionWindowFixture.h"
#include "support/TestContainer.h"

#include "controls/dateinput/QvindatClasses.h"
#include "platform/com/Dispatch.h"
#include "platform/com/Persist.h"
#include "platform/hosting/ControlHost.h"
#include "platform/hosting/ControlLibraries.h"
#include "questionsets/SetLoading.h"
#include "questionwindow/frmMain.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QtTest>

using namespace com;
using questionsets::chapterQuery;
using questionwindow::frmMain;

namespace {

Variant get(Dispatch* control, const QString& name)
{
    Variant value;
    if (failed(getProperty(control, name, &value)))
        qWarning("reading %s failed", qPrintable(name));
    return value;
}

QString text(const Variant& value)
{
    QString out;
    value.toText(&out);
    return out;
}

} // namespace

class tst_DateInput : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::TestContainer> container; // the window's registration store
    std::unique_ptr<testsupport::QuestionWindowFixture> fixture;

    frmMain& openWindow()
    {
        auto& w = fixture->loadSet(chapterQuery(QStringLiteral("Fire Behavior")));
        w.Show();
        return w;
    }

private slots:
    void init()
    {
        container = std::make_unique<testsupport::TestContainer>();
        fixture = std::make_unique<testsupport::QuestionWindowFixture>();
    }
    void cleanup()
    {
        fixture.reset();
        container.reset();
    }

    void holdsTheDesignedControl()
    {
        QVERIFY(hosting::registerControlLibraries(QFileInfo(QStringLiteral(DRILLBOOK_QVINDAT)).absolutePath())
                    .isEmpty());
        frmMain& w = openWindow();

        Dispatch* control = w.QvDateInput1->object();
        QVERIFY2(control, qPrintable(w.QvDateInput1->problem()));
        QCOMPARE(text(get(control, QStringLiteral("Text"))), QStringLiteral("04/17/2001"));
        QVERIFY(text(get(control, QStringLiteral("AutoHScroll"))) != QLatin1String("0"));
        QVERIFY(w.QvDateInput1->controlWindow()->isVisible());

        // Everything else as a new control has it.
        auto fresh = container->loader().create<Dispatch>(qvindat::controlClass);
        QVERIFY(fresh);
        QCOMPARE(Ptr<PersistStream>::query(fresh.get())->initNew(), kOk);
        for (const char* name :
             {"MousePointer", "Alignment", "BevelSize", "BevelStyle", "BorderColor", "BorderStyle", "FillColor",
              "LightColor", "ShadowColor", "TextColor", "ReadOnly", "Spin", "SpinDelay", "SpinSpeed", "Indent",
              "FontStyle", "CaretHeight", "CaretWidth", "CaretColor", "CaretStyle", "CaretVAlign", "CaretInterval",
              "CaretVisible", "DateFormat", "Language", "LanguageNumber", "VAlignment", "MaxDay", "MaxMonth",
              "MaxYear", "MinDay", "MinMonth", "MinYear", "SpinChange", "AllowBlank", "FocusSelect", "BackColor",
              "ForeColor", "Enabled", "FontSize", "FontBold"}) {
            const QString property = QString::fromLatin1(name);
            QVERIFY2(get(control, property) == get(fresh.get(), property), name);
        }
        QVERIFY(fixture->boxes.ok());
    }

    // The place lies on the canvas, clear of every other control of the
    // window, shown or hidden, but the skin behind them all.
    void coversNoControlOfTheWindow()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("QvDateInput1: .*")));
        frmMain& w = openWindow();
        QWidget* canvas = w.QvDateInput1->parentWidget();
        const QRect place = w.QvDateInput1->geometry();
        QVERIFY(canvas->rect().contains(place));
        for (QWidget* other : canvas->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other == w.QvDateInput1 || other == w.skin)
                continue;
            QVERIFY2(!other->geometry().intersects(place), qPrintable(other->objectName()));
        }
    }

    void opensWithoutTheLibrary()
    {
        // The store knows no date-input class: the library was never registered.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^QvDateInput1: .* is not registered")));
        frmMain& w = openWindow();

        QVERIFY(w.isVisible());
        QVERIFY(!w.QvDateInput1->object());
        QVERIFY(w.QvDateInput1->children().isEmpty());
        const QString first = w.txtCall->text();
        w.cmdNext_Click();
        QVERIFY(w.txtCall->text() != first);
        QVERIFY(fixture->boxes.ok());
    }
};

QTEST_MAIN(tst_DateInput)
#include "tst_dateinput.moc"
