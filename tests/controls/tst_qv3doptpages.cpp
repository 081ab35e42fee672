// The option button's property pages as a container uses them: made by
// class id, their lists filled from the library's own type description,
// reading the selected buttons, writing back only what the user changed,
// refusing what the page or the button refuses; and the frame the
// properties verb shows.
#include "controls/base/StockPages.h"
#include "controls/optionbutton/Qv3doptClasses.h"
#include "platform/com/PropertyPage.h"
#include "platform/com/Registration.h"
#include "support/ControlForm.h"
#include "support/PageSite.h"
#include "support/TestContainer.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace com;
using testsupport::ControlForm;
using testsupport::PageSite;
using testsupport::TestContainer;

Q_DECLARE_METATYPE(com::Variant)

namespace {

QStringList itemsOf(const QComboBox* list)
{
    QStringList items;
    for (int i = 0; list && i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

} // namespace

class tst_Qv3dOptPages : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void theControlListsItsPages();
    void generalListsComeFromTheTypeDescription_data();
    void generalListsComeFromTheTypeDescription();
    void reopeningDoesNotRepeatTheLists();
    void valueListShowsAndWritesTheValue_data();
    void valueListShowsAndWritesTheValue();
    void applyWritesOnlyChangedFields();
    void aRefusedValueIsShownAndStays_data();
    void aRefusedValueIsShownAndStays();
    void captionTakesAtMostAHundredCharacters();
    void bevelPageListsAndApplies();
    void propertiesVerbShowsTheFrame();
    void aboutShowsOnlyTheAboutBox();

private:
    // Buttons 0 to 2 of group 0 on a form; button 0 is selected.
    void makeForm();
    Ptr<PropertyPage> openPage(const Guid& page, std::vector<int> buttons);
    template <class T>
    T* field(const char* property) const;
    Variant get(int index, const char* name);
    void put(int index, const char* name, const Variant& value);
    static void type(QLineEdit* edit, const QString& text);

    std::unique_ptr<TestContainer> container_;
    std::unique_ptr<ControlForm> form_;
    Ptr<PageSite> pageSite_;
    std::unique_ptr<QWidget> host_;
    QWidget* pageWindow_ = nullptr;
};

void tst_Qv3dOptPages::init()
{
    container_ = std::make_unique<TestContainer>();
    QCOMPARE(registerLibrary(QStringLiteral(DRILLBOOK_QV3DOPT)), kOk);
    pageSite_ = make<PageSite>();
    host_ = std::make_unique<QWidget>();
    makeForm();
}

void tst_Qv3dOptPages::cleanup()
{
    pageWindow_ = nullptr;
    host_.reset();
    form_.reset();
    container_.reset();
}

void tst_Qv3dOptPages::makeForm()
{
    form_ = std::make_unique<ControlForm>(container_->loader());
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(form_->add(qv3dopt::controlClass, qv3dopt::eventsInterface, QRect(10, 10 + 30 * i, 200, 24),
                            QStringLiteral("opt%1").arg(i)),
                 i);
        put(i, "Caption", Variant::string(QStringLiteral("Show Question Bank %1").arg(i + 1)));
    }
    put(0, "Value", Variant::i2(1));
    QVERIFY(form_->showActive());
}

Ptr<PropertyPage> tst_Qv3dOptPages::openPage(const Guid& pageClass, std::vector<int> buttons)
{
    std::vector<Unknown*> objects;
    for (int index : buttons)
        objects.push_back(form_->extended(index));
    return testsupport::showPage(container_->loader().create<PropertyPage>(pageClass), *pageSite_.get(), objects, host_.get(),
                                 QRect(0, 0, 400, 200), &pageWindow_);
}

template <class T>
T* tst_Qv3dOptPages::field(const char* property) const
{
    return pageWindow_ ? pageWindow_->findChild<T*>(QString::fromLatin1(property)) : nullptr;
}

Variant tst_Qv3dOptPages::get(int index, const char* name)
{
    Variant value;
    getProperty(form_->extended(index), QString::fromLatin1(name), &value);
    return value;
}

void tst_Qv3dOptPages::put(int index, const char* name, const Variant& value)
{
    QCOMPARE(putProperty(form_->extended(index), QString::fromLatin1(name), value), kOk);
}

void tst_Qv3dOptPages::type(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void tst_Qv3dOptPages::theControlListsItsPages()
{
    std::vector<Guid> pages;
    QCOMPARE(Ptr<SpecifyPropertyPages>::query(form_->control(0))->pages(&pages), kOk);
    QCOMPARE(pages, (std::vector<Guid>{qv3dopt::generalPageClass, qv3dopt::bevelPageClass,
                                         controls::stockColorPageClass, controls::stockFontPageClass,
                                         controls::stockPicturePageClass}));

    const std::pair<const char*, const char*> names[] = {{"QV3DOPT.Qv3dOptionPropPage.1", "General"},
                                                         {"Qv3dop32.CQv3dOptionPropPage2", "Bevels and Borders"}};
    testsupport::verifyPageTitles(container_->loader(), names);
}

void tst_Qv3dOptPages::generalListsComeFromTheTypeDescription_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("Alignment") << QByteArray("Alignment")
                               << QStringList{"0 - qvAlignmentLeft", "1 - qvAlignmentRight", "2 - qvAlignmentCenter"};
    QTest::newRow("BoxAlignment") << QByteArray("BoxAlignment") << QStringList{"0 - _BoxAlignLeft", "1 - _BoxAlignRight"};
    QTest::newRow("FontStyle") << QByteArray("FontStyle")
                               << QStringList{"0 - qvFontStyleNone", "1 - qvFontStyleRaised",
                                              "2 - qvFontStyleRaisedShading", "3 - qvFontStyleLowered",
                                              "4 - qvFontStyleLoweredShading"};
    QTest::newRow("Value") << QByteArray("Value") << QStringList{"0 - _Unchecked", "1 - _Checked"};
    QTest::newRow("Wallpaper") << QByteArray("Wallpaper")
                               << QStringList{"0 - qvWallPaperStrBlt", "1 - qvWallPaperBitblt",
                                              "2 - qvWallPaperReplicate"};
}

void tst_Qv3dOptPages::generalListsComeFromTheTypeDescription()
{
    QFETCH(QByteArray, property);
    QFETCH(QStringList, items);

    auto page = openPage(qv3dopt::generalPageClass, {1});
    QVERIFY(page);
    QCOMPARE(itemsOf(field<QComboBox>(property.constData())), items);
}

void tst_Qv3dOptPages::reopeningDoesNotRepeatTheLists()
{
    put(1, "Alignment", Variant::i2(2));
    auto page = openPage(qv3dopt::generalPageClass, {1});
    QVERIFY(page);
    // Read again with the window kept, and with a window made anew.
    std::vector<Unknown*> objects{form_->extended(1)};
    QCOMPARE(page->setObjects(objects), kOk);
    QCOMPARE(page->deactivate(), kOk);
    QCOMPARE(page->activate(host_.get(), QRect(0, 0, 400, 200), &pageWindow_), kOk);
    QCOMPARE(page->setObjects(objects), kOk);
    QCOMPARE(field<QComboBox>("Alignment")->count(), 3);
    QCOMPARE(field<QComboBox>("Value")->count(), 2);
    QCOMPARE(field<QComboBox>("Alignment")->currentText(), QStringLiteral("2 - qvAlignmentCenter"));
    QCOMPARE(page->isPageDirty(), kFalse);
}

void tst_Qv3dOptPages::valueListShowsAndWritesTheValue_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("chosen");
    // What each button's Value reads after the apply.
    QTest::addColumn<QList<int>>("after");

    // A selected button reads -1, which is the _Checked member.
    QTest::newRow("selected button cleared") << 0 << "1 - _Checked" << 0 << QList<int>{0, 0, 0};
    // Setting one button of the group clears the one selected before.
    QTest::newRow("cleared button selected") << 2 << "0 - _Unchecked" << 1 << QList<int>{0, 0, -1};
}

void tst_Qv3dOptPages::valueListShowsAndWritesTheValue()
{
    QFETCH(int, button);
    QFETCH(QString, shown);
    QFETCH(int, chosen);
    QFETCH(QList<int>, after);

    auto page = openPage(qv3dopt::generalPageClass, {button});
    QVERIFY(page);
    auto* list = field<QComboBox>("Value");
    QCOMPARE(list->currentText(), shown);
    QCOMPARE(page->isPageDirty(), kFalse);
    list->setCurrentIndex(chosen);
    QCOMPARE(page->apply(), kOk);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(get(i, "Value"), Variant::i2(std::int16_t(after[i])));
    QCOMPARE(list->currentIndex(), after[button] != 0 ? 1 : 0);
}

void tst_Qv3dOptPages::applyWritesOnlyChangedFields()
{
    put(1, "Alignment", Variant::i2(1));
    put(2, "Alignment", Variant::i2(2));
    put(2, "CheckBox2d", Variant::i4(-1));
    put(1, "BoxSize", Variant::i2(13));
    put(2, "BoxSize", Variant::i2(13));
    const Variant untouched = get(0, "BoxSize");
    auto page = openPage(qv3dopt::generalPageClass, {1, 2});
    QVERIFY(page);

    // Where the buttons differ the field shows neither.
    QCOMPARE(field<QComboBox>("Alignment")->currentIndex(), -1);
    QCOMPARE(field<QLineEdit>("Caption")->text(), QString());
    QCOMPARE(field<QCheckBox>("CheckBox2D")->checkState(), Qt::PartiallyChecked);
    QCOMPARE(field<QLineEdit>("BoxSize")->text(), QStringLiteral("13"));

    type(field<QLineEdit>("BoxSize"), QStringLiteral("17"));
    field<QComboBox>("FontStyle")->setCurrentIndex(3);
    QCOMPARE(page->isPageDirty(), kOk);
    QVERIFY(pageSite_->lastStatus);
    QCOMPARE(page->apply(), kOk);
    QCOMPARE(page->isPageDirty(), kFalse);
    QVERIFY(pageSite_->messages.isEmpty());

    for (int i : {1, 2}) {
        QCOMPARE(get(i, "BoxSize"), Variant::i2(17));
        QCOMPARE(get(i, "FontStyle"), Variant::i2(3));
        QCOMPARE(get(i, "Alignment"), Variant::i2(std::int16_t(i)));
        QCOMPARE(get(i, "Caption"), Variant::string(QStringLiteral("Show Question Bank %1").arg(i + 1)));
    }
    QCOMPARE(get(1, "CheckBox2d"), Variant::boolean(false));
    // The button the page was not opened on keeps its own.
    QCOMPARE(get(0, "BoxSize"), untouched);
    QCOMPARE(get(0, "FontStyle"), Variant::i2(0));

    // A check box clicked decides for both, though the page names the
    // property in another case than the button does.
    field<QCheckBox>("CheckBox2D")->click();
    QCOMPARE(page->apply(), kOk);
    QCOMPARE(get(1, "CheckBox2d"), Variant::boolean(true));
    QCOMPARE(get(2, "CheckBox2d"), Variant::boolean(true));
    QCOMPARE(get(1, "Alignment"), Variant::i2(1));
}

void tst_Qv3dOptPages::aRefusedValueIsShownAndStays_data()
{
    QTest::addColumn<QByteArray>("pageName");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");

    // The page's own range: nothing reaches the buttons.
    QTest::newRow("BoxSize past 32767") << QByteArray("General") << QByteArray("BoxSize") << "40000"
                                        << "Please enter an integer between 0 and 32767.";
    QTest::newRow("BoxSize negative") << QByteArray("General") << QByteArray("BoxSize") << "-3"
                                      << "Please enter an integer between 0 and 32767.";
    // The Bevel page leaves the range to the button, which refuses with 380.
    QTest::newRow("BevelSize negative") << QByteArray("Bevel") << QByteArray("BevelSize") << "-1"
                                        << "Invalid property value";
}

void tst_Qv3dOptPages::aRefusedValueIsShownAndStays()
{
    QFETCH(QByteArray, pageName);
    QFETCH(QByteArray, property);
    QFETCH(QString, typed);
    QFETCH(QString, message);

    const Variant kept[] = {get(1, property.constData()), get(2, property.constData())};
    const bool general = pageName == "General";
    auto page = openPage(general ? qv3dopt::generalPageClass : qv3dopt::bevelPageClass, {1, 2});
    QVERIFY(page);
    type(field<QLineEdit>(property.constData()), typed);
    // A field changed beside the refused one is still written.
    const char* beside = general ? "Alignment" : "BevelStyle";
    field<QComboBox>(beside)->setCurrentIndex(1);

    QCOMPARE(page->apply(), kFalse);
    QCOMPARE(pageSite_->messages, QStringList{message});
    QCOMPARE(field<QLineEdit>(property.constData())->text(), typed);
    QCOMPARE(page->isPageDirty(), kOk);
    for (int i : {1, 2}) {
        QCOMPARE(get(i, property.constData()), kept[i - 1]);
        QCOMPARE(get(i, beside), Variant::i2(1));
    }

    // Put right, the field goes on the next apply.
    type(field<QLineEdit>(property.constData()), QStringLiteral("5"));
    QCOMPARE(page->apply(), kOk);
    QCOMPARE(get(2, property.constData()), Variant::i2(5));
    QCOMPARE(page->isPageDirty(), kFalse);
}

void tst_Qv3dOptPages::captionTakesAtMostAHundredCharacters()
{
    auto page = openPage(qv3dopt::generalPageClass, {1});
    QVERIFY(page);
    const QString typed = QString(60, QLatin1Char('a')) + QString(60, QLatin1Char('b'));
    type(field<QLineEdit>("Caption"), typed);
    QCOMPARE(page->apply(), kOk);
    QCOMPARE(get(1, "Caption"), Variant::string(typed.left(100)));
}

void tst_Qv3dOptPages::bevelPageListsAndApplies()
{
    auto page = openPage(qv3dopt::bevelPageClass, {1});
    QVERIFY(page);
    QCOMPARE(itemsOf(field<QComboBox>("BorderStyle")),
             (QStringList{"0 - No border", "1 - Single line", "2 - Single line with rounded corners"}));
    QCOMPARE(itemsOf(field<QComboBox>("BevelStyle")),
             (QStringList{"0 - Lowered", "1 - Raised", "2 - Chiseled", "3 - Shadowed right", "4 - Shadowed left"}));
    std::int32_t style = -1;
    QCOMPARE(get(1, "BevelStyle").toI4(&style), kOk);
    QCOMPARE(field<QComboBox>("BevelStyle")->currentIndex(), style);

    field<QComboBox>("BorderStyle")->setCurrentIndex(2);
    field<QComboBox>("BevelStyle")->setCurrentIndex(4);
    type(field<QLineEdit>("BevelSize"), QStringLiteral("3"));
    QCOMPARE(page->apply(), kOk);
    QCOMPARE(get(1, "BorderStyle"), Variant::i2(2));
    QCOMPARE(get(1, "BevelStyle"), Variant::i2(4));
    QCOMPARE(get(1, "BevelSize"), Variant::i2(3));
    QCOMPARE(get(2, "BevelSize"), get(0, "BevelSize"));
}

void tst_Qv3dOptPages::propertiesVerbShowsTheFrame()
{
    QStringList tabs;
    QTimer::singleShot(0, this, [&] {
        auto* frame = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(frame);
        QCOMPARE(frame->windowTitle(), QStringLiteral("opt1 Properties"));
        auto* tabWidget = frame->findChild<QTabWidget*>();
        for (int i = 0; i < tabWidget->count(); ++i)
            tabs << tabWidget->tabText(i);
        type(frame->findChild<QLineEdit*>(QStringLiteral("Caption")), QStringLiteral("Custom &Title"));
        frame->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    QCOMPARE(Ptr<Control>::query(form_->control(1))->doVerb(kVerbProperties), kOk);
    QCOMPARE(tabs, (QStringList{QStringLiteral("General"), QStringLiteral("Bevels and Borders"), QStringLiteral("Color"),
                              QStringLiteral("Font"), QStringLiteral("Picture")}));
    QCOMPARE(get(1, "Caption"), Variant::string(QStringLiteral("Custom &Title")));
}

void tst_Qv3dOptPages::aboutShowsOnlyTheAboutBox()
{
    auto page = openPage(qv3dopt::generalPageClass, {1});
    QVERIFY(page);
    auto* about = field<QPushButton>("About");
    QVERIFY(about);
    QCOMPARE(about->text(), QStringLiteral("A&bout..."));

    QStringList seen;
    // Every modal window that shows is noted and closed. The about box is
    // answered with its own Properties button, the answer that makes the
    // control's AboutBox go on to the primary verb: from the page, no
    // properties window may follow.
    QTimer closer;
    closer.setInterval(0);
    connect(&closer, &QTimer::timeout, this, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen << QString::fromLatin1(dialog->metaObject()->className());
        if (auto* properties = dialog->findChild<QPushButton*>(QStringLiteral("cmdProperties")))
            properties->click();
        else
            dialog->done(0);
    });
    closer.start();
    about->click();
    closer.stop();
    QCOMPARE(seen, QStringList{QStringLiteral("qvrun::CQvAboutDlg")});
    QCOMPARE(page->isPageDirty(), kFalse);
}

QTEST_MAIN(tst_Qv3dOptPages)
#include "tst_qv3doptpages.moc"
