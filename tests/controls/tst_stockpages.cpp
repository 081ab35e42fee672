// The stock colour and font pages as the controls offer them: after each
// control's own pages in its frame, reading the selected controls, writing
// back through dispatch by name only what the user changed, and nothing on
// Cancel.
#include "controls/base/StockPages.h"
#include "controls/dateinput/QvindatClasses.h"
#include "controls/optionbutton/Qv3doptClasses.h"
#include "platform/com/Control.h"
#include "platform/com/Picture.h"
#include "platform/com/PropertyPage.h"
#include "platform/com/Registration.h"
#include "support/ControlForm.h"
#include "support/PageSite.h"
#include "support/TestContainer.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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

// The colours of the option button the colour page lists.
const char* const buttonColors[] = {"BackColor", "ForeColor", "BorderColor", "FillColor",
                                    "LightColor", "ShadowColor", "TextColor"};

const char* const buttonPictures[] = {"Picture", "PictureChecked", "PictureUnchecked", "PicturePressed",
                                      "PictureGrayed"};

std::int32_t colorOf(const Variant& value)
{
    std::int32_t number = 0;
    value.toI4(&number);
    return number;
}

} // namespace

class tst_StockPages : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void framesListThePagesInOrder_data();
    void framesListThePagesInOrder();
    void pickingAColourWritesIt_data();
    void pickingAColourWritesIt();
    void aCustomColourIsWrittenAndShown();
    void cancelWritesNothing();
    void differingValuesShowNothingAndOnlyChangesAreWritten();
    void fontPageWritesTheFont_data();
    void fontPageWritesTheFont();
    void aSizeThatIsNoNumberIsRefused();
    void aPictureLoadedFromAFileIsWritten_data();
    void aPictureLoadedFromAFileIsWritten();
    void clearGivesNoPicture();

private:
    Ptr<PropertyPage> openPage(const Guid& page, std::vector<int> controls);
    template <class T>
    T* field(const char* name) const;
    Variant get(int index, const char* name);
    void put(int index, const char* name, const Variant& value);
    void pickColor(const char* property, const QString& color);

    std::unique_ptr<TestContainer> container_;
    std::unique_ptr<ControlForm> form_;
    Ptr<PageSite> pageSite_;
    std::unique_ptr<QWidget> host_;
    QWidget* pageWindow_ = nullptr;
};

void tst_StockPages::init()
{
    container_ = std::make_unique<TestContainer>();
    QCOMPARE(registerLibrary(QStringLiteral(DRILLBOOK_QV3DOPT)), kOk);
    QCOMPARE(registerLibrary(QStringLiteral(DRILLBOOK_QVINDAT)), kOk);
    pageSite_ = make<PageSite>();
    host_ = std::make_unique<QWidget>();
    form_ = std::make_unique<ControlForm>(container_->loader());
    // Option buttons 0 and 1, and a date input 2.
    for (int i = 0; i < 2; ++i)
        QCOMPARE(form_->add(qv3dopt::controlClass, qv3dopt::eventsInterface, QRect(10, 10 + 30 * i, 200, 24),
                            QStringLiteral("opt%1").arg(i)),
                 i);
    QCOMPARE(form_->add(qvindat::controlClass, qvindat::eventsInterface, QRect(10, 80, 200, 24), QStringLiteral("dat")), 2);
    QVERIFY(form_->showActive());
}

void tst_StockPages::cleanup()
{
    pageWindow_ = nullptr;
    host_.reset();
    form_.reset();
    container_.reset();
}

Ptr<PropertyPage> tst_StockPages::openPage(const Guid& pageClass, std::vector<int> controls)
{
    std::vector<Unknown*> objects;
    for (int index : controls)
        objects.push_back(form_->extended(index));
    return testsupport::showPage(controls::createStockPage(pageClass, buttonColors, buttonPictures), *pageSite_.get(), objects, host_.get(),
                                 QRect(0, 0, 500, 250), &pageWindow_);
}

template <class T>
T* tst_StockPages::field(const char* name) const
{
    return pageWindow_ ? pageWindow_->findChild<T*>(QString::fromLatin1(name)) : nullptr;
}

Variant tst_StockPages::get(int index, const char* name)
{
    Variant value;
    getProperty(form_->extended(index), QString::fromLatin1(name), &value);
    return value;
}

void tst_StockPages::put(int index, const char* name, const Variant& value)
{
    QCOMPARE(putProperty(form_->extended(index), QString::fromLatin1(name), value), kOk);
}

void tst_StockPages::pickColor(const char* property, const QString& color)
{
    auto* names = field<QComboBox>("PropertyName");
    auto* colors = field<QListWidget>("Colors");
    QVERIFY(names && colors);
    names->setCurrentIndex(names->findText(QString::fromLatin1(property)));
    const auto found = colors->findItems(color, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    colors->setCurrentItem(found.front());
}

void tst_StockPages::framesListThePagesInOrder_data()
{
    QTest::addColumn<int>("control");
    QTest::addColumn<QStringList>("tabs");

    QTest::newRow("option button") << 0 << QStringList{"General", "Bevels and Borders", "Color", "Font", "Picture"};
    QTest::newRow("date input") << 2 << QStringList{"General", "Appearance", "Color", "Font"};
}

void tst_StockPages::framesListThePagesInOrder()
{
    QFETCH(int, control);
    QFETCH(QStringList, tabs);

    QStringList seen;
    QTimer::singleShot(0, this, [&] {
        auto* frame = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(frame);
        auto* tabWidget = frame->findChild<QTabWidget*>();
        for (int i = 0; i < tabWidget->count(); ++i)
            seen << tabWidget->tabText(i);
        frame->reject();
    });
    QCOMPARE(Ptr<Control>::query(form_->control(control))->doVerb(kVerbProperties), kOk);
    QCOMPARE(seen, tabs);
}

void tst_StockPages::pickingAColourWritesIt_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("color");
    QTest::addColumn<std::int32_t>("value");

    QTest::newRow("back colour, a standard colour") << QByteArray("BackColor") << "Red" << 0x0000FF;
    QTest::newRow("fill colour, blue is stored last") << QByteArray("FillColor") << "Blue" << 0xFF0000;
    QTest::newRow("text colour, a system colour") << QByteArray("TextColor") << "Highlight" << std::int32_t(0x8000000D);
    QTest::newRow("the last colour property") << QByteArray("TextColor") << "Teal" << 0x808000;
}

void tst_StockPages::pickingAColourWritesIt()
{
    QFETCH(QByteArray, property);
    QFETCH(QString, color);
    QFETCH(std::int32_t, value);

    auto page = openPage(controls::stockColorPageClass, {1});
    QVERIFY(page);
    QCOMPARE(page->isPageDirty(), kFalse);
    const std::int32_t before = colorOf(get(1, "ShadowColor"));
    pickColor(property.constData(), color);
    QCOMPARE(page->isPageDirty(), kOk);
    QVERIFY(pageSite_->lastStatus);
    QCOMPARE(page->apply(), kOk);
    QCOMPARE(colorOf(get(1, property.constData())), value);
    QCOMPARE(colorOf(get(1, "ShadowColor")), before);
    QCOMPARE(page->isPageDirty(), kFalse);
    QCOMPARE(field<QListWidget>("Colors")->currentItem()->text(), color);
}

void tst_StockPages::aCustomColourIsWrittenAndShown()
{
    auto page = openPage(controls::stockColorPageClass, {0});
    QVERIFY(page);
    field<QComboBox>("PropertyName")->setCurrentIndex(field<QComboBox>("PropertyName")->findText("LightColor"));
    QTimer::singleShot(0, this, [] {
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->setCurrentColor(QColor(0x12, 0x34, 0x56));
        dialog->accept();
    });
    field<QPushButton>("Custom")->click();
    QCOMPARE(page->apply(), kOk);
    // Red is kept lowest.
    QCOMPARE(colorOf(get(0, "LightColor")), 0x563412);

    // A colour set from outside and named by no item shows as the custom one.
    put(0, "BorderColor", Variant::i4(0x010203));
    page->setObjects(std::vector<Unknown*>{form_->extended(0)});
    field<QComboBox>("PropertyName")->setCurrentIndex(field<QComboBox>("PropertyName")->findText("BorderColor"));
    const QListWidgetItem* shown = field<QListWidget>("Colors")->currentItem();
    QVERIFY(shown);
    QCOMPARE(shown->text(), QStringLiteral("Custom"));
    QCOMPARE(shown->data(Qt::UserRole).value<std::uint32_t>(), 0x010203u);
    QCOMPARE(page->isPageDirty(), kFalse);
}

void tst_StockPages::cancelWritesNothing()
{
    put(1, "FillColor", Variant::i4(0x00FF00));
    const Variant bold = get(1, "FontBold");
    QTimer::singleShot(0, this, [&] {
        auto* frame = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(frame);
        auto* names = frame->findChild<QComboBox*>(QStringLiteral("PropertyName"));
        names->setCurrentIndex(names->findText(QStringLiteral("FillColor")));
        auto* colors = frame->findChild<QListWidget*>(QStringLiteral("Colors"));
        colors->setCurrentItem(colors->findItems(QStringLiteral("Navy"), Qt::MatchExactly).front());
        frame->findChild<QCheckBox*>(QStringLiteral("FontBold"))->click();
        auto* buttons = frame->findChild<QDialogButtonBox*>();
        QVERIFY(buttons->button(QDialogButtonBox::Apply)->isEnabled());
        buttons->button(QDialogButtonBox::Cancel)->click();
    });
    QCOMPARE(Ptr<Control>::query(form_->control(1))->doVerb(kVerbProperties), kOk);
    QCOMPARE(colorOf(get(1, "FillColor")), 0x00FF00);
    QCOMPARE(get(1, "FontBold"), bold);
}

void tst_StockPages::differingValuesShowNothingAndOnlyChangesAreWritten()
{
    put(0, "FillColor", Variant::i4(0x0000FF));
    put(1, "FillColor", Variant::i4(0x00FF00));
    put(0, "BackColor", Variant::i4(0xFFFFFF));
    put(1, "BackColor", Variant::i4(0xFFFFFF));
    auto page = openPage(controls::stockColorPageClass, {0, 1});
    QVERIFY(page);
    auto* names = field<QComboBox>("PropertyName");
    auto* colors = field<QListWidget>("Colors");
    names->setCurrentIndex(names->findText("FillColor"));
    QVERIFY(!colors->currentItem());
    names->setCurrentIndex(names->findText("BackColor"));
    QVERIFY(colors->currentItem());
    QCOMPARE(colors->currentItem()->text(), QStringLiteral("White"));

    pickColor("BackColor", QStringLiteral("Yellow"));
    QCOMPARE(page->apply(), kOk);
    for (int i = 0; i < 2; ++i)
        QCOMPARE(colorOf(get(i, "BackColor")), 0x00FFFF);
    QCOMPARE(colorOf(get(0, "FillColor")), 0x0000FF);
    QCOMPARE(colorOf(get(1, "FillColor")), 0x00FF00);
}

void tst_StockPages::fontPageWritesTheFont_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("typed"); // a size to type; empty: click the check box
    QTest::addColumn<Variant>("value");

    QTest::newRow("bold") << QByteArray("FontBold") << QString() << Variant::boolean(true);
    QTest::newRow("italic") << QByteArray("FontItalic") << QString() << Variant::boolean(true);
    QTest::newRow("underline") << QByteArray("FontUnderline") << QString() << Variant::boolean(true);
    QTest::newRow("strikethrough") << QByteArray("FontStrikethru") << QString() << Variant::boolean(true);
    QTest::newRow("size") << QByteArray("FontSize") << QStringLiteral("14") << Variant::r4(14.0f);
    QTest::newRow("fractional size") << QByteArray("FontSize") << QStringLiteral("10.5") << Variant::r4(10.5f);
}

void tst_StockPages::fontPageWritesTheFont()
{
    QFETCH(QByteArray, property);
    QFETCH(QString, typed);
    QFETCH(Variant, value);

    put(0, "FontBold", Variant::boolean(false));
    put(0, "FontItalic", Variant::boolean(false));
    put(0, "FontUnderline", Variant::boolean(false));
    put(0, "FontStrikethru", Variant::boolean(false));
    put(0, "FontSize", Variant::r4(8.0f));
    const Variant name = get(0, "FontName");
    auto page = openPage(controls::stockFontPageClass, {0});
    QVERIFY(page);
    auto* sample = field<QLabel>("Sample");
    QVERIFY(sample);
    QVERIFY(!sample->font().bold());
    if (typed.isEmpty()) {
        field<QCheckBox>(property.constData())->click();
    } else {
        auto* edit = field<QLineEdit>(property.constData());
        edit->selectAll();
        QTest::keyClicks(edit, typed);
    }
    QCOMPARE(sample->font().bold(), property == "FontBold");
    QCOMPARE(page->apply(), kOk);
    QCOMPARE(get(0, property.constData()), value);
    QCOMPARE(get(0, "FontName"), name);
    if (property != "FontBold")
        QCOMPARE(get(0, "FontBold"), Variant::boolean(false));
    if (property != "FontSize")
        QCOMPARE(get(0, "FontSize"), Variant::r4(8.0f));
}

void tst_StockPages::aSizeThatIsNoNumberIsRefused()
{
    put(0, "FontSize", Variant::r4(8.0f));
    auto page = openPage(controls::stockFontPageClass, {0});
    QVERIFY(page);
    auto* edit = field<QLineEdit>("FontSize");
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("big"));
    QCOMPARE(page->apply(), kFalse);
    QCOMPARE(pageSite_->messages, QStringList{QStringLiteral("Please enter a number.")});
    QCOMPARE(edit->text(), QStringLiteral("big"));
    QCOMPARE(get(0, "FontSize"), Variant::r4(8.0f));
    QCOMPARE(page->isPageDirty(), kOk);
}

void tst_StockPages::aPictureLoadedFromAFileIsWritten_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("type");

    QTest::newRow("a bitmap for the checked picture") << QByteArray("PictureChecked") << "check.png"
                                                      << int(PictureType::Bitmap);
    QTest::newRow("an icon for the picture") << QByteArray("Picture") << "mark.ico" << int(PictureType::Icon);
}

void tst_StockPages::aPictureLoadedFromAFileIsWritten()
{
    QFETCH(QByteArray, property);
    QFETCH(QString, file);
    QFETCH(int, type);

    QTemporaryDir dir;
    QImage image(12, 9, QImage::Format_ARGB32);
    image.fill(Qt::red);
    const QString path = dir.filePath(file);
    QVERIFY(image.save(path));

    auto page = openPage(controls::stockPicturePageClass, {0});
    QVERIFY(page);
    auto* names = field<QComboBox>("PropertyName");
    names->setCurrentIndex(names->findText(QString::fromLatin1(property)));
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->selectFile(path);
        // What the dialog's Open does.
        QMetaObject::invokeMethod(dialog, "accept");
    });
    field<QPushButton>("Browse")->click();
    QVERIFY(!field<QLabel>("Preview")->pixmap().isNull());
    QCOMPARE(page->apply(), kOk);

    auto picture = Ptr<Picture>::query(get(0, property.constData()).object());
    QVERIFY(picture);
    QCOMPARE(int(picture->type()), type);
    QCOMPARE(picture->image().size(), QSize(12, 9));
    // The other pictures are left alone.
    const char* other = property == "Picture" ? "PictureChecked" : "Picture";
    auto untouched = Ptr<Picture>::query(get(0, other).object());
    QVERIFY(!untouched || untouched->image().isNull());
}

void tst_StockPages::clearGivesNoPicture()
{
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    const auto picture = makePicture(PictureType::Bitmap, image);
    put(0, "PicturePressed", Variant::object(picture.get(), VarType::Dispatch));
    put(1, "PicturePressed", Variant::object(picture.get(), VarType::Dispatch));
    put(0, "PictureGrayed", Variant::object(picture.get(), VarType::Dispatch));

    auto page = openPage(controls::stockPicturePageClass, {0, 1});
    QVERIFY(page);
    auto* names = field<QComboBox>("PropertyName");
    auto* preview = field<QLabel>("Preview");
    // The buttons disagree on the grayed picture: nothing is shown.
    names->setCurrentIndex(names->findText("PictureGrayed"));
    QVERIFY(preview->pixmap().isNull());
    QVERIFY(preview->text().isEmpty());
    names->setCurrentIndex(names->findText("PicturePressed"));
    QVERIFY(!preview->pixmap().isNull());

    field<QPushButton>("Clear")->click();
    QCOMPARE(preview->text(), QStringLiteral("(None)"));
    QCOMPARE(page->apply(), kOk);
    for (int i = 0; i < 2; ++i) {
        auto cleared = Ptr<Picture>::query(get(i, "PicturePressed").object());
        QVERIFY(!cleared || cleared->image().isNull());
    }
    auto kept = Ptr<Picture>::query(get(0, "PictureGrayed").object());
    QVERIFY(kept && !kept->image().isNull());
}

QTEST_MAIN(tst_StockPages)
#include "tst_stockpages.moc"
