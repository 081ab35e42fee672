// The date-input control's property pages as a container uses them: made
// by class id, reading the selected controls, writing back only what the
// user changed, showing a refused value; and the frame the properties verb
// shows.
#include "controls/base/StockPages.h"
#include "controls/dateinput/QvindatClasses.h"
#include "platform/com/PropertyPage.h"
#include "platform/com/Registration.h"
#include "support/PageSite.h"
#include "support/TestContainer.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace com;
using testsupport::PageSite;
using testsupport::TestContainer;
using testsupport::TestSite;

Q_DECLARE_METATYPE(com::Variant)

namespace {

QString today()
{
    return QDate::currentDate().toString(QStringLiteral("MM/dd/yyyy"));
}

} // namespace

class tst_QvindatPages : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void theControlListsItsPages();
    void generalPageOnANewControl();
    void twoControlsShowWhatTheyShare();
    void applyWritesOnlyChangedFields();
    void aRefusedValueIsShownAndStays_data();
    void aRefusedValueIsShownAndStays();
    void languageFromTheBoxes_data();
    void languageFromTheBoxes();
    void appearancePageAppliesTheChosenItems();
    void propertiesVerbShowsTheFrame_data();
    void propertiesVerbShowsTheFrame();
    void okWithARefusedValueKeepsTheFrameOpen();

private:
    Ptr<Dispatch> newControl();
    // Opens a page of the class on the controls; its window is the page's.
    Ptr<PropertyPage> openPage(const Guid& page, std::vector<Dispatch*> controls);
    template <class T>
    T* field(const char* property) const;
    Variant get(Dispatch* control, const char* name);
    void put(Dispatch* control, const char* name, const Variant& value);
    static void type(QLineEdit* edit, const QString& text);

    std::unique_ptr<TestContainer> container_;
    std::vector<Ptr<Dispatch>> controls_;
    Ptr<PageSite> pageSite_;
    std::unique_ptr<QWidget> host_;
    QWidget* pageWindow_ = nullptr;
};

void tst_QvindatPages::init()
{
    container_ = std::make_unique<TestContainer>();
    QCOMPARE(registerLibrary(QStringLiteral(DRILLBOOK_QVINDAT)), kOk);
    pageSite_ = make<PageSite>();
    host_ = std::make_unique<QWidget>();
}

void tst_QvindatPages::cleanup()
{
    pageWindow_ = nullptr;
    host_.reset();
    controls_.clear();
    container_.reset();
}

Ptr<Dispatch> tst_QvindatPages::newControl()
{
    auto control = container_->create(qvindat::controlClass, qvindat::eventsInterface);
    controls_.push_back(control);
    return control;
}

Ptr<PropertyPage> tst_QvindatPages::openPage(const Guid& pageClass, std::vector<Dispatch*> controls)
{
    auto page = container_->loader().create<PropertyPage>(pageClass);
    if (!page)
        return {};
    page->setPageSite(pageSite_.get());
    std::vector<Unknown*> objects(controls.begin(), controls.end());
    if (failed(page->setObjects(objects)) || failed(page->activate(host_.get(), QRect(0, 0, 400, 200), &pageWindow_)))
        return {};
    return page;
}

template <class T>
T* tst_QvindatPages::field(const char* property) const
{
    return pageWindow_ ? pageWindow_->findChild<T*>(QString::fromLatin1(property)) : nullptr;
}

Variant tst_QvindatPages::get(Dispatch* control, const char* name)
{
    Variant value;
    getProperty(control, QString::fromLatin1(name), &value);
    return value;
}

void tst_QvindatPages::put(Dispatch* control, const char* name, const Variant& value)
{
    QCOMPARE(putProperty(control, QString::fromLatin1(name), value), kOk);
}

void tst_QvindatPages::type(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void tst_QvindatPages::theControlListsItsPages()
{
    auto control = newControl();
    std::vector<Guid> pages;
    QCOMPARE(Ptr<SpecifyPropertyPages>::query(control.get())->pages(&pages), kOk);
    QCOMPARE(pages, (std::vector<Guid>{qvindat::generalPageClass, qvindat::appearancePageClass,
                                         controls::stockColorPageClass, controls::stockFontPageClass}));

    const std::pair<const char*, const char*> names[] = {{"QVINDAT.QvindatPropPage.1", "General"},
                                                         {"Qvinda32.AppearancePPG", "Appearance"}};
    testsupport::verifyPageTitles(container_->loader(), names);
}

void tst_QvindatPages::generalPageOnANewControl()
{
    auto control = newControl();
    auto page = openPage(qvindat::generalPageClass, {control.get()});
    QVERIFY(page);
    const std::pair<const char*, const char*> shown[] = {{"MaxDay", "31"}, {"MaxMonth", "12"}, {"MaxYear", "9999"},
                                                         {"MinDay", "1"},  {"MinMonth", "1"},  {"MinYear", "0"},
                                                         {"Indent", "2"}};
    for (const auto& [property, text] : shown) {
        QVERIFY2(field<QLineEdit>(property), property);
        QCOMPARE(field<QLineEdit>(property)->text(), QString::fromLatin1(text));
    }
    QCOMPARE(field<QLineEdit>("Text")->text(), today());
    QCOMPARE(field<QComboBox>("LanguageNumber")->currentText(), QStringLiteral("0  - Control Panel"));
    QCOMPARE(field<QComboBox>("LanguageNumber")->count(), 18);
    // No item begins with the code, so the box shows it as it is.
    QCOMPARE(field<QComboBox>("Language")->currentIndex(), -1);
    QCOMPARE(field<QComboBox>("Language")->currentText(), QStringLiteral("WWW"));
    QCOMPARE(field<QComboBox>("Language")->itemText(14), QStringLiteral("14 - PTG  "));
    QCOMPARE(field<QCheckBox>("AutoHScroll")->checkState(), Qt::Checked);
    QCOMPARE(field<QCheckBox>("ReadOnly")->checkState(), Qt::Unchecked);
}

void tst_QvindatPages::twoControlsShowWhatTheyShare()
{
    auto first = newControl();
    auto second = newControl();
    put(first.get(), "Indent", Variant::i2(5));
    put(second.get(), "Indent", Variant::i2(5));
    put(second.get(), "MaxDay", Variant::i2(28));
    put(second.get(), "ReadOnly", Variant::i4(-1));
    put(second.get(), "LanguageNumber", Variant::i2(2));
    auto page = openPage(qvindat::generalPageClass, {first.get(), second.get()});
    QVERIFY(page);

    QCOMPARE(field<QLineEdit>("Indent")->text(), QStringLiteral("5"));
    QCOMPARE(field<QLineEdit>("MaxMonth")->text(), QStringLiteral("12"));
    // Where they differ the field shows neither.
    QCOMPARE(field<QLineEdit>("MaxDay")->text(), QString());
    QCOMPARE(field<QCheckBox>("ReadOnly")->checkState(), Qt::PartiallyChecked);
    QCOMPARE(field<QComboBox>("LanguageNumber")->currentIndex(), -1);
}

void tst_QvindatPages::applyWritesOnlyChangedFields()
{
    auto first = newControl();
    auto second = newControl();
    put(first.get(), "MaxDay", Variant::i2(28));
    put(second.get(), "MaxDay", Variant::i2(30));
    put(first.get(), "Text", Variant::string(QStringLiteral("04/17/2001")));
    put(second.get(), "ReadOnly", Variant::i4(-1));
    auto page = openPage(qvindat::generalPageClass, {first.get(), second.get()});
    QVERIFY(page);
    QCOMPARE(page->isPageDirty(), kFalse);

    type(field<QLineEdit>("Indent"), QStringLiteral("7"));
    QCOMPARE(page->isPageDirty(), kOk);
    QVERIFY(pageSite_->lastStatus);
    QCOMPARE(page->apply(), kOk);
    QCOMPARE(page->isPageDirty(), kFalse);
    QVERIFY(!pageSite_->lastStatus);
    QVERIFY(pageSite_->messages.isEmpty());

    QCOMPARE(get(first.get(), "Indent"), Variant::i2(7));
    QCOMPARE(get(second.get(), "Indent"), Variant::i2(7));
    // Fields the user left alone keep each control's own value, though
    // the page showed nothing or another control's value in them.
    QCOMPARE(get(first.get(), "MaxDay"), Variant::i2(28));
    QCOMPARE(get(second.get(), "MaxDay"), Variant::i2(30));
    QCOMPARE(get(first.get(), "Text"), Variant::string(QStringLiteral("04/17/2001")));
    QCOMPARE(get(second.get(), "Text"), Variant::string(today()));
    QCOMPARE(get(first.get(), "ReadOnly"), Variant::i4(0));
    QCOMPARE(get(second.get(), "ReadOnly"), Variant::i4(-1));

    // A check box clicked decides for both.
    field<QCheckBox>("ReadOnly")->click();
    QCOMPARE(page->apply(), kOk);
    QCOMPARE(field<QCheckBox>("ReadOnly")->checkState(), Qt::Checked);
    QCOMPARE(get(first.get(), "ReadOnly"), Variant::i4(-1));
    QCOMPARE(get(second.get(), "ReadOnly"), Variant::i4(-1));
    QCOMPARE(get(first.get(), "MaxDay"), Variant::i2(28));
}

void tst_QvindatPages::aRefusedValueIsShownAndStays_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Variant>("kept");
    QTest::addColumn<QString>("message");

    // The control refuses these with its error 380 and its text.
    QTest::newRow("MaxDay 40") << QByteArray("MaxDay") << "40" << Variant::i2(31) << "Invalid property value";
    QTest::newRow("MaxYear below MinYear")
        << QByteArray("MaxYear") << "-5" << Variant::i2(9999) << "Invalid property value";
    // Too large for the property's kind: refused by the conversion.
    QTest::newRow("MinYear past 16 bits")
        << QByteArray("MinYear") << "70000" << Variant::i2(0) << "Invalid property value";
    // Not a number: the page itself cannot take it.
    QTest::newRow("Indent not a number")
        << QByteArray("Indent") << "seven" << Variant::i2(2) << "Please enter an integer.";
}

void tst_QvindatPages::aRefusedValueIsShownAndStays()
{
    QFETCH(QByteArray, property);
    QFETCH(QString, typed);
    QFETCH(Variant, kept);
    QFETCH(QString, message);

    auto first = newControl();
    auto second = newControl();
    auto page = openPage(qvindat::generalPageClass, {first.get(), second.get()});
    QVERIFY(page);
    type(field<QLineEdit>(property.constData()), typed);
    // A field changed beside the refused one is still written.
    type(field<QLineEdit>("MaxMonth"), QStringLiteral("11"));

    QCOMPARE(page->apply(), kFalse);
    QCOMPARE(pageSite_->messages, QStringList{message});
    QCOMPARE(field<QLineEdit>(property.constData())->text(), typed);
    QCOMPARE(page->isPageDirty(), kOk);
    for (Dispatch* control : {first.get(), second.get()}) {
        QCOMPARE(get(control, property.constData()), kept);
        QCOMPARE(get(control, "MaxMonth"), Variant::i2(11));
    }

    // Put right, the field goes on the next apply.
    type(field<QLineEdit>(property.constData()), QStringLiteral("20"));
    QCOMPARE(page->apply(), kOk);
    QCOMPARE(get(second.get(), property.constData()), Variant::i2(20));
    QCOMPARE(page->isPageDirty(), kFalse);
}

void tst_QvindatPages::languageFromTheBoxes_data()
{
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("typed");

    QTest::newRow("French from LanguageNumber") << QByteArray("LanguageNumber") << 8 << QString();
    // The item's code, not its whole text, is applied.
    QTest::newRow("FRA from the Language list") << QByteArray("Language") << 8 << QString();
    QTest::newRow("fra typed into Language") << QByteArray("Language") << -1 << QStringLiteral("fra");
}

void tst_QvindatPages::languageFromTheBoxes()
{
    QFETCH(QByteArray, box);
    QFETCH(int, item);
    QFETCH(QString, typed);

    auto control = newControl();
    auto page = openPage(qvindat::generalPageClass, {control.get()});
    QVERIFY(page);
    auto* list = field<QComboBox>(box.constData());
    if (item >= 0) {
        list->setCurrentIndex(item);
    } else {
        list->lineEdit()->selectAll();
        QTest::keyClicks(list->lineEdit(), typed);
    }
    QCOMPARE(page->apply(), kOk);
    QVERIFY(pageSite_->messages.isEmpty());
    QCOMPARE(get(control.get(), "LanguageNumber"), Variant::i2(8));
    QCOMPARE(get(control.get(), "Language"), Variant::string(QStringLiteral("FRA")));
    // The page shows what the control now holds.
    QCOMPARE(field<QComboBox>("LanguageNumber")->currentText(), QStringLiteral("8  - French"));
}

void tst_QvindatPages::appearancePageAppliesTheChosenItems()
{
    auto control = newControl();
    auto page = openPage(qvindat::appearancePageClass, {control.get()});
    QVERIFY(page);
    QCOMPARE(field<QComboBox>("DateFormat")->currentText(), QStringLiteral("0 - (Default) Normal"));
    QCOMPARE(field<QComboBox>("BorderStyle")->currentText(), QStringLiteral("1 - Single Line"));
    QCOMPARE(field<QLineEdit>("SpinDelay")->text(), QStringLiteral("500"));
    QCOMPARE(field<QComboBox>("BevelStyle")->count(), 5);

    field<QComboBox>("DateFormat")->setCurrentIndex(7);
    QCOMPARE(field<QComboBox>("DateFormat")->currentText(), QStringLiteral("7 - Short"));
    field<QComboBox>("Spin")->setCurrentIndex(2);
    type(field<QLineEdit>("BevelSize"), QStringLiteral("3"));
    QCOMPARE(page->apply(), kOk);
    QCOMPARE(get(control.get(), "DateFormat"), Variant::i2(7));
    QCOMPARE(get(control.get(), "Spin"), Variant::i2(2));
    QCOMPARE(get(control.get(), "BevelSize"), Variant::i2(3));
    QCOMPARE(get(control.get(), "Alignment"), Variant::i2(0));

    // A negative size is the control's to refuse.
    type(field<QLineEdit>("BevelSize"), QStringLiteral("-1"));
    QCOMPARE(page->apply(), kFalse);
    QCOMPARE(pageSite_->messages, QStringList{QStringLiteral("Invalid property value")});
    QCOMPARE(get(control.get(), "BevelSize"), Variant::i2(3));
}

void tst_QvindatPages::propertiesVerbShowsTheFrame_data()
{
    QTest::addColumn<int>("verb");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("indent");

    QTest::newRow("OK applies") << kVerbProperties << "OK" << 9;
    QTest::newRow("Cancel writes nothing") << kVerbProperties << "Cancel" << 2;
    QTest::newRow("Apply then Cancel keeps what was applied") << kVerbPrimary << "Apply" << 9;
}

void tst_QvindatPages::propertiesVerbShowsTheFrame()
{
    QFETCH(int, verb);
    QFETCH(QString, button);
    QFETCH(int, indent);

    auto control = newControl();
    auto site = make<TestSite>();
    Ptr<Control>::query(control.get())->setSite(site.get());

    QStringList tabs;
    bool applyWasOff = false;
    QTimer::singleShot(0, this, [&] {
        auto* frame = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(frame);
        QCOMPARE(frame->windowTitle(), QStringLiteral("TestControl1 Properties"));
        auto* tabWidget = frame->findChild<QTabWidget*>();
        for (int i = 0; i < tabWidget->count(); ++i)
            tabs << tabWidget->tabText(i);
        auto* buttons = frame->findChild<QDialogButtonBox*>();
        applyWasOff = !buttons->button(QDialogButtonBox::Apply)->isEnabled();
        auto* edit = frame->findChild<QLineEdit*>(QStringLiteral("Indent"));
        type(edit, QStringLiteral("9"));
        if (button == QLatin1String("OK")) {
            buttons->button(QDialogButtonBox::Ok)->click();
        } else if (button == QLatin1String("Apply")) {
            buttons->button(QDialogButtonBox::Apply)->click();
            QVERIFY(!buttons->button(QDialogButtonBox::Apply)->isEnabled());
            buttons->button(QDialogButtonBox::Cancel)->click();
        } else {
            buttons->button(QDialogButtonBox::Cancel)->click();
        }
    });
    QCOMPARE(Ptr<Control>::query(control.get())->doVerb(verb), kOk);

    QCOMPARE(tabs, (QStringList{QStringLiteral("General"), QStringLiteral("Appearance"), QStringLiteral("Color"),
                               QStringLiteral("Font")}));
    QVERIFY(applyWasOff);
    QCOMPARE(get(control.get(), "Indent"), Variant::i2(std::int16_t(indent)));
    QCOMPARE(site->dialogNotes, (std::vector<bool>{true, false}));
    Ptr<Control>::query(control.get())->setSite(nullptr);
}

void tst_QvindatPages::okWithARefusedValueKeepsTheFrameOpen()
{
    auto control = newControl();
    QString told;
    bool stillOpen = false;
    QTimer::singleShot(0, this, [&] {
        auto* frame = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(frame);
        type(frame->findChild<QLineEdit*>(QStringLiteral("MaxDay")), QStringLiteral("40"));
        type(frame->findChild<QLineEdit*>(QStringLiteral("Indent")), QStringLiteral("4"));
        auto* buttons = frame->findChild<QDialogButtonBox*>();
        // The refusal is told in a box of its own over the frame.
        QTimer::singleShot(0, this, [&, frame, buttons] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(box && box != frame);
            told = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
            box->accept();
            QTimer::singleShot(0, this, [&, frame, buttons] {
                stillOpen = QApplication::activeModalWidget() == frame;
                buttons->button(QDialogButtonBox::Cancel)->click();
            });
        });
        buttons->button(QDialogButtonBox::Ok)->click();
    });
    QCOMPARE(Ptr<Control>::query(control.get())->doVerb(kVerbProperties), kOk);
    QCOMPARE(told, QStringLiteral("Invalid property value"));
    QVERIFY(stillOpen);
    QCOMPARE(get(control.get(), "MaxDay"), Variant::i2(31));
    QCOMPARE(get(control.get(), "Indent"), Variant::i2(4));
}

QTEST_MAIN(tst_QvindatPages)
#include "tst_qvindatpages.moc"
