// The program's side of the control libraries: registering the libraries of
// its folder at start, missing and broken ones included, and a place on a
// window that makes its control by class id and loads the design's
// properties, or stays empty and says why.
#include "controls/dateinput/QvindatClasses.h"
#include "controls/optionbutton/Qv3doptClasses.h"
#include "platform/com/ClassStore.h"
#include "platform/com/Dispatch.h"
#include "platform/com/Persist.h"
#include "platform/hosting/ControlHost.h"
#include "platform/hosting/ControlLibraries.h"
#include "platform/hosting/HostSite.h"
#include "support/TestContainer.h"
#include "support/testcontrol/TestClasses.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace com;
using testsupport::TestContainer;

namespace {

QString programFolder() { return QFileInfo(QStringLiteral(DRILLBOOK_QVINDAT)).absolutePath(); }

// A copy of a library of the program folder in `folder` under `name`.
bool copyLibrary(const QString& library, const QString& folder, const QString& name)
{
    return QFile::copy(QDir(programFolder()).filePath(library), QDir(folder).filePath(name));
}

} // namespace

class tst_Hosting : public QObject {
    Q_OBJECT

private slots:
    void registersTheFoldersLibraries_data();
    void registersTheFoldersLibraries();
    void damagedLibrariesArePassedOverWithTheirReason_data();
    void damagedLibrariesArePassedOverWithTheirReason();
    void aHostMakesItsControlByClassId();
    void aHostListensOnlyToEventsTheControlRaises();
    void aHostStaysEmptyWhenItCannotMakeTheControl_data();
    void aHostStaysEmptyWhenItCannotMakeTheControl();
    void aSiteListsOnlyThePlacesBesideIt();
};

void tst_Hosting::registersTheFoldersLibraries_data()
{
    QTest::addColumn<QString>("lay");        // what lies in the folder as QVINDAT.so
    QTest::addColumn<bool>("registered");
    QTest::addColumn<QString>("logged");    // the line about QVINDAT.so, as a pattern

    QTest::newRow("the library") << "QVINDAT.so" << true << "";
    QTest::newRow("missing") << "" << false << "QVINDAT.so is not in the program folder .*; its controls are not shown";
    QTest::newRow("not a library") << "text" << false << "QVINDAT.so could not be registered \\(.+\\)";
    QTest::newRow("a library without the export") << "QVLOCALE.so" << false
                                                   << "QVINDAT.so could not be registered \\(.*no DllRegisterServer\\)";
}

void tst_Hosting::registersTheFoldersLibraries()
{
    QFETCH(QString, lay);
    QFETCH(bool, registered);
    QFETCH(QString, logged);

    TestContainer container;
    QTemporaryDir folder;
    if (lay == QLatin1String("text")) {
        QFile file(folder.filePath(QStringLiteral("QVINDAT.so")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("This is not a shared library.\n");
    } else if (!lay.isEmpty()) {
        // The control library finds the runtime and the locale library beside it.
        QVERIFY(copyLibrary(lay, folder.path(), QStringLiteral("QVINDAT.so")));
        QVERIFY(copyLibrary(QStringLiteral("QVRUN32.so"), folder.path(), QStringLiteral("QVRUN32.so")));
        QVERIFY(copyLibrary(QStringLiteral("QVLOCALE.so"), folder.path(), QStringLiteral("QVLOCALE.so")));
    }
    if (!logged.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(logged));

    const QStringList passedOver = hosting::registerControlLibraries(folder.path(), {QStringLiteral("QVINDAT.so")});

    QCOMPARE(passedOver.isEmpty(), registered);
    if (!logged.isEmpty())
        QVERIFY2(passedOver.first().contains(QRegularExpression(logged)), qPrintable(passedOver.first()));
    const auto record = ClassStore(container.storePath()).find(qvindat::controlClass);
    QCOMPARE(record.has_value(), registered);
    if (registered) {
        QCOMPARE(QFileInfo(record->library).absolutePath(), QFileInfo(folder.path()).absoluteFilePath());
        QVERIFY(container.loader().create<Dispatch>(qvindat::controlClass));
    }
}

// A library cut short or made for another computer would be mapped by the
// loader all the same and kill the program at start; each is named with its
// reason instead. The runtime is loaded with both control libraries, so its
// damage passes both over.
void tst_Hosting::damagedLibrariesArePassedOverWithTheirReason_data()
{
    QTest::addColumn<QString>("damaged");
    QTest::addColumn<int>("keep"); // bytes kept of it; 0: its machine changed instead
    QTest::addColumn<QStringList>("passedOver");
    QTest::addColumn<QString>("reason");

    const QString cutShort = QStringLiteral("it is cut short: .* at byte \\d+, but the file has only %1 bytes");
    for (const QString& library : {QStringLiteral("QVINDAT.so"), QStringLiteral("QV3DOPT.so"), QStringLiteral("QVRUN32.so")}) {
        const QStringList passedOver = library == QLatin1String("QVRUN32.so")
                                           ? QStringList{QStringLiteral("QVINDAT.so"), QStringLiteral("QV3DOPT.so")}
                                           : QStringList{library};
        const QString beside = library == QLatin1String("QVRUN32.so") ? QStringLiteral("QVRUN32.so beside it is damaged: ")
                                                                      : QString();
        for (const int keep : {1000, 4096, 65536})
            QTest::addRow("%s cut at %d bytes", qPrintable(library), keep)
                << library << keep << passedOver << beside + cutShort.arg(keep);
        QTest::addRow("%s for another computer", qPrintable(library))
            << library << 0 << passedOver << beside + QStringLiteral("it is made for another kind of computer");
    }
}

void tst_Hosting::damagedLibrariesArePassedOverWithTheirReason()
{
    QFETCH(QString, damaged);
    QFETCH(int, keep);
    QFETCH(QStringList, passedOver);
    QFETCH(QString, reason);

    TestContainer container;
    QTemporaryDir folder;
    for (const QString& name : {QStringLiteral("QVINDAT.so"), QStringLiteral("QV3DOPT.so"), QStringLiteral("QVRUN32.so"),
                                QStringLiteral("QVLOCALE.so")})
        QVERIFY(copyLibrary(name, folder.path(), name));
    QFile file(folder.filePath(damaged));
    QVERIFY(file.open(QIODevice::ReadWrite));
    if (keep > 0) {
        QVERIFY(file.size() > keep);
        QVERIFY(file.resize(keep));
    } else {
        // The header's machine field, two bytes after the type.
        QVERIFY(file.seek(18));
        QVERIFY(file.write(QByteArray("\x28\x00", 2)) == 2); // 32-bit ARM
    }
    file.close();
    for (const QString& name : passedOver)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(name + QStringLiteral(" could not be registered \\(") + reason));

    const QStringList lines =
        hosting::registerControlLibraries(folder.path(), {QStringLiteral("QVINDAT.so"), QStringLiteral("QV3DOPT.so")});

    QCOMPARE(lines.size(), passedOver.size());
    for (int i = 0; i < lines.size(); ++i)
        QVERIFY2(lines[i].startsWith(passedOver[i] + QStringLiteral(" could not be registered")), qPrintable(lines[i]));
    // The other library, when whole, still serves its controls.
    const ClassStore store(container.storePath());
    QCOMPARE(store.find(qvindat::controlClass).has_value(), !passedOver.contains(QStringLiteral("QVINDAT.so")));
    QCOMPARE(store.find(qv3dopt::controlClass).has_value(), !passedOver.contains(QStringLiteral("QV3DOPT.so")));
}

void tst_Hosting::aHostMakesItsControlByClassId()
{
    TestContainer container;
    QVERIFY(hosting::registerControlLibraries(programFolder()).isEmpty());

    // The design's properties: a new control's, but for its Text.
    auto designed = container.loader().create<Dispatch>(qvindat::controlClass);
    QVERIFY(designed);
    QCOMPARE(Ptr<PersistStream>::query(designed.get())->initNew(), kOk);
    QCOMPARE(putProperty(designed.get(), QStringLiteral("Text"), Variant::string(QStringLiteral("12/24/1999"))), kOk);
    QBuffer stream;
    stream.open(QIODevice::ReadWrite);
    QCOMPARE(Ptr<PersistStream>::query(designed.get())->save(&stream, true), kOk);
    stream.seek(0);

    QWidget window;
    window.resize(300, 100);
    auto* host = new hosting::ControlHost(&window);
    host->setObjectName(QStringLiteral("QvDateInput1"));
    host->setGeometry(10, 20, 120, 24);
    window.show();
    QVERIFY(host->create(qvindat::controlClass, &stream));

    QVERIFY(host->problem().isEmpty());
    QVERIFY(host->object());
    Variant value;
    QCOMPARE(getProperty(host->object(), QStringLiteral("Text"), &value), kOk);
    QString text;
    value.toText(&text);
    QCOMPARE(text, QStringLiteral("12/24/1999"));
    // The control's window fills its place and follows it.
    QVERIFY(host->controlWindow());
    QCOMPARE(host->controlWindow()->parentWidget(), host);
    QCOMPARE(host->controlWindow()->geometry(), QRect(0, 0, 120, 24));
    host->resize(150, 30);
    QCOMPARE(host->controlWindow()->geometry(), QRect(0, 0, 150, 30));

}

void tst_Hosting::aHostListensOnlyToEventsTheControlRaises()
{
    TestContainer container;
    QWidget window;
    auto* host = new hosting::ControlHost(&window);
    host->setObjectName(QStringLiteral("QvDateInput1"));
    const Guid noSuchEvents{0x4C2B7AFF, 0x1D3E, 0x4F60, {0xA0, 0x51, 0x19, 0x99, 0x04, 0x17, 0x20, 0xFF}};
    bool raised = false;
    // An empty place has nothing to listen to.
    QVERIFY(!host->onEvent(noSuchEvents, -600, [&] { raised = true; }));

    QVERIFY(hosting::registerControlLibraries(programFolder()).isEmpty());
    QVERIFY(host->create(qvindat::controlClass, nullptr));
    QVERIFY(!host->onEvent(noSuchEvents, -600, [&] { raised = true; }));
    QVERIFY(!raised);
}

void tst_Hosting::aHostStaysEmptyWhenItCannotMakeTheControl_data()
{
    QTest::addColumn<QString>("library"); // registered before, or none
    QTest::addColumn<QString>("clsid");
    QTest::addColumn<QByteArray>("properties");
    QTest::addColumn<QString>("reason");

    const QString dateInput = qvindat::controlClass.toString();
    const QString counter = testcontrol::counterClass.toString();
    const QString refuser = testcontrol::refuserClass.toString();
    const QString qvindat = QStringLiteral(DRILLBOOK_QVINDAT);
    const QString test = QStringLiteral(DRILLBOOK_TEST_CONTROL);

    QTest::newRow("not registered") << "" << dateInput << QByteArray() << "is not registered";
    QTest::newRow("its library is gone") << "gone" << dateInput << QByteArray() << "could not be made";
    QTest::newRow("its library was cut short since") << "cut short" << dateInput << QByteArray()
                                                     << "it is cut short";
    QTest::newRow("the class refuses") << test << refuser << QByteArray() << "could not be made";
    QTest::newRow("no control") << test << counter << QByteArray() << "is no control";
    QTest::newRow("properties of another kind") << qvindat << dateInput << QByteArray("\x02\x00\x01\x00junk", 8)
                                                << "its properties could not be read";
}

void tst_Hosting::aHostStaysEmptyWhenItCannotMakeTheControl()
{
    QFETCH(QString, library);
    QFETCH(QString, clsid);
    QFETCH(QByteArray, properties);
    QFETCH(QString, reason);

    TestContainer container;
    QTemporaryDir folder;
    if (library == QLatin1String("gone") || library == QLatin1String("cut short")) {
        // Registered from a folder that was emptied or damaged since.
        QVERIFY(copyLibrary(QStringLiteral("QVINDAT.so"), folder.path(), QStringLiteral("QVINDAT.so")));
        QVERIFY(copyLibrary(QStringLiteral("QVRUN32.so"), folder.path(), QStringLiteral("QVRUN32.so")));
        QVERIFY(hosting::registerControlLibraries(folder.path(), {QStringLiteral("QVINDAT.so")}).isEmpty());
        if (library == QLatin1String("gone"))
            QVERIFY(QFile::remove(folder.filePath(QStringLiteral("QVINDAT.so"))));
        else
            QVERIFY(QFile::resize(folder.filePath(QStringLiteral("QVINDAT.so")), 4096));
    } else if (!library.isEmpty()) {
        QVERIFY(hosting::registerControlLibraries(QFileInfo(library).absolutePath(),
                                                  {QFileInfo(library).fileName()})
                    .isEmpty());
    }
    const Guid guid = *Guid::parse(clsid);
    QBuffer stream(&properties);
    stream.open(QIODevice::ReadOnly);

    QWidget window;
    auto* host = new hosting::ControlHost(&window);
    host->setObjectName(QStringLiteral("QvDateInput1"));
    host->setGeometry(0, 0, 100, 20);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^QvDateInput1: .*") + reason));
    QVERIFY(!host->create(guid, &stream));

    QVERIFY2(host->problem().contains(reason), qPrintable(host->problem()));
    QVERIFY(!host->object());
    QVERIFY(!host->controlWindow());
    QVERIFY(host->children().isEmpty());
}

// A window's controls share their parent with labels, boxes and empty
// places. A control asking its site for its neighbours, or for its own tab
// index, hears of the places that hold a control and of nothing else.
void tst_Hosting::aSiteListsOnlyThePlacesBesideIt()
{
    TestContainer container;
    QVERIFY(hosting::registerControlLibraries(programFolder()).isEmpty());
    QWidget window;
    new QLabel(QStringLiteral("Lead"), &window);
    auto* first = new hosting::ControlHost(&window);
    first->setObjectName(QStringLiteral("QvDateInput1"));
    new QLineEdit(&window);
    auto* empty = new hosting::ControlHost(&window);
    empty->setObjectName(QStringLiteral("QvDateInput2"));
    auto* second = new hosting::ControlHost(&window);
    second->setObjectName(QStringLiteral("QvDateInput3"));
    new QLabel(QStringLiteral("Trail"), &window);
    QVERIFY(first->create(qvindat::controlClass, nullptr));
    QVERIFY(second->create(qvindat::controlClass, nullptr));
    QVERIFY(!empty->object());

    const Ptr<hosting::HostSite> site(new hosting::HostSite(*second));
    std::vector<Ptr<Unknown>> listed;
    QCOMPARE(site->enumObjects(0, &listed), kOk);
    QCOMPARE(listed.size(), size_t(2));
    QCOMPARE(listed[0].get(), static_cast<Unknown*>(first->object()));
    QCOMPARE(listed[1].get(), static_cast<Unknown*>(second->object()));

    Dispatch* extended = nullptr;
    QCOMPARE(site->extendedControl(&extended), kOk);
    const Ptr<Dispatch> held = Ptr<Dispatch>::adopt(extended);
    Variant index;
    QCOMPARE(getProperty(extended, QStringLiteral("TabIndex"), &index), kOk);
    std::int16_t tabIndex = -1;
    QCOMPARE(index.toI2(&tabIndex), kOk);
    QCOMPARE(tabIndex, std::int16_t(1));
}

QTEST_MAIN(tst_Hosting)
#include "tst_hosting.moc"
