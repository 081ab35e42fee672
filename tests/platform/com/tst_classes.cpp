// Registering a control library, making its objects by class id and by
// ProgID, and unloading it once nothing of it is used.
#include "platform/com/ClassStore.h"
#include "platform/com/Registration.h"
#include "support/TestContainer.h"
#include "support/testcontrol/TestClasses.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <QTest>

#include <sys/stat.h>

Q_DECLARE_METATYPE(com::Guid)

using namespace com;
using testsupport::TestContainer;

namespace {

const QString testLibrary = QStringLiteral(DRILLBOOK_TEST_CONTROL);

} // namespace

class tst_Classes : public QObject {
    Q_OBJECT

private slots:
    void theStoreFollowsItsVariable();
    void registeringRecordsEveryClassOfTheLibrary();
    void createsByClassIdAndByProgId();
    void unregisteringForgetsTheClasses();
    void aStoreSeesWhatOthersWriteToItsFile();
    void registeringAgainLeavesTheFileAsItIs();
    void aLibraryInUseStaysLoaded();
    void failuresAreReturned_data();
    void failuresAreReturned();
};

void tst_Classes::theStoreFollowsItsVariable()
{
    TestContainer container;
    QCOMPARE(ClassStore::defaultPath(), container.storePath());
    QCOMPARE(container.loader().store().path(), container.storePath());
}

void tst_Classes::registeringRecordsEveryClassOfTheLibrary()
{
    TestContainer container;
    QCOMPARE(registerLibrary(testLibrary), kOk);

    const auto counter = container.loader().store().find(testcontrol::counterClass);
    QVERIFY(counter);
    QCOMPARE(counter->progId, QString::fromLatin1(testcontrol::counterProgId));
    QCOMPARE(counter->typeName, QStringLiteral("Counter Test Control"));
    QCOMPARE(counter->library, QFileInfo(testLibrary).absoluteFilePath());
    QCOMPARE(counter->miscStatus, 0x20191u);
    QVERIFY(counter->control);
    QVERIFY(container.loader().store().find(testcontrol::refuserClass));
    // Registering twice keeps one record and one ProgID.
    QCOMPARE(registerLibrary(testLibrary), kOk);
    QCOMPARE(container.loader().store().classOfProgId(QStringLiteral("drillbooktest.counter.1")),
             std::optional<Guid>(testcontrol::counterClass));
}

void tst_Classes::createsByClassIdAndByProgId()
{
    TestContainer container;
    QCOMPARE(registerLibrary(testLibrary), kOk);

    Result outcome = kFailed;
    auto byId = container.loader().create<Dispatch>(testcontrol::counterClass, &outcome);
    QCOMPARE(outcome, kOk);
    QVERIFY(byId);
    auto byName = container.loader().create<Dispatch>(QStringLiteral("DRILLBOOKTEST.COUNTER.1"), &outcome);
    QCOMPARE(outcome, kOk);
    QVERIFY(byName);

    // Two objects, each with its own state.
    QCOMPARE(putProperty(byId.get(), QStringLiteral("Value"), Variant::i2(7)), kOk);
    Variant value;
    QCOMPARE(getProperty(byName.get(), QStringLiteral("Value"), &value), kOk);
    QCOMPARE(value, Variant::i2(0));
    QCOMPARE(getProperty(byId.get(), QStringLiteral("Value"), &value), kOk);
    QCOMPARE(value, Variant::i2(7));
    // Every interface leads back to the same object.
    auto events = Ptr<ConnectionPointContainer>::query(byId.get());
    QVERIFY(events);
    QCOMPARE(Ptr<Unknown>::query(events.get()).get(), Ptr<Unknown>::query(byId.get()).get());

    // Objects are never made as part of another.
    Ptr<ClassFactory> factory;
    QCOMPARE(container.loader().classFactory(testcontrol::counterClass,
                                             reinterpret_cast<ClassFactory**>(factory.out())), kOk);
    void* out = nullptr;
    QCOMPARE(factory->createInstance(byId.get(), Dispatch::iid, &out), kAggregationRefused);
    QCOMPARE(out, nullptr);
}

void tst_Classes::unregisteringForgetsTheClasses()
{
    TestContainer container;
    QCOMPARE(registerLibrary(testLibrary), kOk);
    QCOMPARE(unregisterLibrary(testLibrary), kOk);

    QVERIFY(!container.loader().store().find(testcontrol::counterClass));
    QVERIFY(!container.loader().store().find(testcontrol::refuserClass));
    QVERIFY(!container.loader().store().classOfProgId(QString::fromLatin1(testcontrol::counterProgId)));
    Result outcome = kOk;
    QVERIFY(!container.loader().create<Dispatch>(testcontrol::counterClass, &outcome));
    QCOMPARE(outcome, kClassNotRegistered);
    // Unregistering what is not registered is no failure.
    QVERIFY(succeeded(unregisterLibrary(testLibrary)));
}

// A loader keeps what it found while the file stays as it was, never past
// a change another writer made: a class registered, moved or removed since
// is seen at the next look-up.
void tst_Classes::aStoreSeesWhatOthersWriteToItsFile()
{
    TestContainer container;
    const ClassStore& reader = container.loader().store();
    QVERIFY(!reader.find(testcontrol::counterClass));

    ClassStore writer(container.storePath());
    ClassRecord record;
    record.clsid = testcontrol::counterClass;
    record.progId = QStringLiteral("DrillbookTest.Counter.1");
    record.library = QStringLiteral("/first/place/counter.so");
    QCOMPARE(writer.add(record), kOk);
    QCOMPARE(reader.find(testcontrol::counterClass)->library, record.library);

    // The same length of path, written at once: only the file's new state tells.
    record.library = QStringLiteral("/other/place/counter.so");
    QCOMPARE(writer.add(record), kOk);
    QCOMPARE(reader.find(testcontrol::counterClass)->library, record.library);

    QCOMPARE(writer.remove(testcontrol::counterClass), kOk);
    QVERIFY(!reader.find(testcontrol::counterClass));
}

namespace {

// The file's identity and time: every write replaces the file, so a new inode tells of one.
QString fileState(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return QStringLiteral("missing");
    return QStringLiteral("%1 %2.%3").arg(info.st_ino).arg(info.st_mtim.tv_sec).arg(info.st_mtim.tv_nsec);
}

} // namespace

// The program registers its libraries on each start; what the store already
// holds is not written again, and a change still is.
void tst_Classes::registeringAgainLeavesTheFileAsItIs()
{
    TestContainer container;
    QCOMPARE(registerLibrary(testLibrary), kOk);
    const QString registered = fileState(container.storePath());
    QCOMPARE(registerLibrary(testLibrary), kOk);
    QCOMPARE(fileState(container.storePath()), registered);

    ClassStore store(container.storePath());
    ClassRecord record = *store.find(testcontrol::counterClass);
    QCOMPARE(store.add(record), kOk);
    QCOMPARE(fileState(container.storePath()), registered);

    // A new name for the class is written, and the old one goes.
    const QString oldProgId = record.progId;
    record.progId = QStringLiteral("DrillbookTest.Renamed.1");
    QCOMPARE(store.add(record), kOk);
    QVERIFY(fileState(container.storePath()) != registered);
    QCOMPARE(store.classOfProgId(record.progId), testcontrol::counterClass);
    QVERIFY(!store.classOfProgId(oldProgId));
}

void tst_Classes::aLibraryInUseStaysLoaded()
{
    TestContainer container;
    QCOMPARE(registerLibrary(testLibrary), kOk);
    ClassLoader& loader = container.loader();

    auto first = loader.create<Dispatch>(testcontrol::counterClass);
    auto second = loader.create<Dispatch>(testcontrol::counterClass);
    QVERIFY(first && second);
    QCOMPARE(loader.freeUnusedLibraries(), 0);
    first.reset();
    QCOMPARE(loader.freeUnusedLibraries(), 0);
    QVERIFY(loader.isLoaded(testLibrary));
    second.reset();
    QCOMPARE(loader.freeUnusedLibraries(), 1);
    QVERIFY(!loader.isLoaded(testLibrary));

    // A locked factory keeps its library even with no objects; loading again
    // after an unload works.
    Ptr<ClassFactory> factory;
    QCOMPARE(loader.classFactory(testcontrol::counterClass, reinterpret_cast<ClassFactory**>(factory.out())), kOk);
    QCOMPARE(factory->lockServer(true), kOk);
    factory.reset();
    QCOMPARE(loader.freeUnusedLibraries(), 0);
    QCOMPARE(loader.classFactory(testcontrol::counterClass, reinterpret_cast<ClassFactory**>(factory.out())), kOk);
    QCOMPARE(factory->lockServer(false), kOk);
    factory.reset();
    QCOMPARE(loader.freeUnusedLibraries(), 1);
    QVERIFY(loader.create<Dispatch>(testcontrol::counterClass));
}

void tst_Classes::failuresAreReturned_data()
{
    QTest::addColumn<QString>("library");
    QTest::addColumn<Guid>("clsid");
    QTest::addColumn<Guid>("iid");
    QTest::addColumn<Result>("expected");

    const QString comLibrary = QFileInfo(QStringLiteral(DRILLBOOK_COM_LIBRARY)).absoluteFilePath();
    QTest::newRow("not registered") << QString() << Guid{1, 2, 3, {}} << Dispatch::iid << kClassNotRegistered;
    QTest::newRow("library missing") << QStringLiteral("/nowhere/libgone.so") << testcontrol::counterClass
                                     << Dispatch::iid << kLibraryNotLoaded;
    QTest::newRow("library without exports") << comLibrary << testcontrol::counterClass << Dispatch::iid
                                             << kEntryPointMissing;
    QTest::newRow("class the library does not serve") << testLibrary << Guid{9, 9, 9, {}} << Dispatch::iid
                                                      << kClassUnavailable;
    QTest::newRow("construction throws") << testLibrary << testcontrol::refuserClass << Dispatch::iid << kFailed;
    QTest::newRow("interface not offered") << testLibrary << testcontrol::counterClass << ClassFactory::iid
                                           << kNoInterface;
}

void tst_Classes::failuresAreReturned()
{
    QFETCH(QString, library);
    QFETCH(Guid, clsid);
    QFETCH(Guid, iid);
    QFETCH(Result, expected);

    TestContainer container;
    if (!library.isEmpty()) {
        ClassRecord record;
        record.clsid = clsid;
        record.progId = QStringLiteral("DrillbookTest.Case.1");
        record.library = library;
        QCOMPARE(ClassStore(container.storePath()).add(record), kOk);
    }
    void* out = reinterpret_cast<void*>(1);
    QCOMPARE(container.loader().createInstance(clsid, iid, &out), expected);
    QCOMPARE(out, nullptr);
}

QTEST_GUILESS_MAIN(tst_Classes)
#include "tst_classes.moc"
