#include "SpeechFixture.h"
#include "support/FullDisk.h"

#include "platform/core/RuntimeError.h"
#include "platform/speech/CharacterControl.h"
#include "platform/speech/CharacterFile.h"
#include "platform/speech/SpeechEngine.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

#include <functional>

using speech::Character;
using speech::CharacterControl;

// Loading characters from character files and looking them up by id.
class CharacterControlTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void loadsTheProgramsCharacterHidden();
    void shippedCharacterFileIsTheWritersCharacter();
    void writtenFileReadsBack();
    void refusedWriteKeepsTheEarlierFile_data();
    void refusedWriteKeepsTheEarlierFile();
    void badCharacterFileLoadsNothing_data();
    void badCharacterFileLoadsNothing();
    void lookupIgnoresLetterCase();
    void secondLoadOfAnIdIsRefusedAndKeepsTheFirst();
    void characterNotLoadedIsAnError();

private:
    // Writes the program's character file with one field replaced (or, with
    // an undefined value, removed).
    QString variant(const QString& name, const QString& field, const QJsonValue& value);
    static int errorNumber(const std::function<void()>& call);

    speechtest::CharacterFolder folder_;
};

void CharacterControlTest::init()
{
    speech::SpeechEngine::forApplication().setPace(speech::Pace::Instant);
}

int CharacterControlTest::errorNumber(const std::function<void()>& call)
{
    try {
        call();
    } catch (const platform::RuntimeError& error) {
        return error.number();
    }
    return 0;
}

QString CharacterControlTest::variant(const QString& name, const QString& field, const QJsonValue& value)
{
    QFile original(folder_.characterFile());
    original.open(QIODevice::ReadOnly);
    QJsonObject root = QJsonDocument::fromJson(original.readAll()).object();
    if (field.startsWith(QLatin1String("look."))) {
        QJsonObject look = root.value(QLatin1String("look")).toObject();
        const QString key = field.mid(5);
        if (value.isUndefined())
            look.remove(key);
        else
            look.insert(key, value);
        root.insert(QLatin1String("look"), look);
    } else {
        if (value.isUndefined())
            root.remove(field);
        else
            root.insert(field, value);
    }
    const QString path = folder_.path(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QJsonDocument(root).toJson());
    return path;
}

void CharacterControlTest::loadsTheProgramsCharacterHidden()
{
    CharacterControl Agent1;
    Character& merlin = Agent1.load(QStringLiteral("merlin"), folder_.characterFile());
    QCOMPARE(&Agent1.character(QStringLiteral("merlin")), &merlin);
    QCOMPARE(merlin.id(), QStringLiteral("merlin"));
    QCOMPARE(merlin.name(), QStringLiteral("Nuvia"));
    QVERIFY(!merlin.visible());
    QVERIFY(Agent1.requests().entries().isEmpty());
}

void CharacterControlTest::shippedCharacterFileIsTheWritersCharacter()
{
    // Named from the tests' folder, which Qt's test library knows however the
    // compiler was handed this file's path.
    const QString shipped = QFINDTESTDATA("../data/characters/tamsel.acs");
    QVERIFY(!shipped.isEmpty());
    QCOMPARE(speech::readCharacterFile(shipped), speech::nuviaCharacter());
}

void CharacterControlTest::writtenFileReadsBack()
{
    speech::CharacterDescription description = speech::nuviaCharacter();
    description.name = QStringLiteral("Second");
    description.voice = {QStringLiteral("en-gb"), 200, 30};
    description.look.helmet = QColor(Qt::yellow);
    const QString path = folder_.path(QStringLiteral("second.acs"));
    speech::writeCharacterFile(path, description);
    QCOMPARE(speech::readCharacterFile(path), description);
}

// A character file the disk refuses is an error naming the file and the
// reason, and the earlier character of that name stays whole.
void CharacterControlTest::refusedWriteKeepsTheEarlierFile_data()
{
    testsupport::refusedWriteRows();
}

void CharacterControlTest::refusedWriteKeepsTheEarlierFile()
{
    QFETCH(bool, fullFilesystem);
    QFETCH(QString, reason);
    testsupport::RefusingDisk disk(fullFilesystem);
    if (!disk.ready())
        QSKIP(qPrintable(disk.whyNot()));
    const QString path = disk.filePath(QStringLiteral("tamsel.acs"));
    speech::writeCharacterFile(path, speech::nuviaCharacter());
    speech::CharacterDescription second = speech::nuviaCharacter();
    second.name = QStringLiteral("Second");
    QVERIFY(disk.refuse(16));
    try {
        speech::writeCharacterFile(path, second);
        disk.allow();
        QFAIL("a character file the disk refused counted as written");
    } catch (const platform::RuntimeError& failure) {
        QVERIFY(disk.allow());
        QVERIFY2(failure.description().contains(path) && failure.description().contains(reason),
                 qPrintable(failure.description()));
    }
    QCOMPARE(speech::readCharacterFile(path), speech::nuviaCharacter());
    speech::writeCharacterFile(path, second);
    QCOMPARE(speech::readCharacterFile(path), second);
}

void CharacterControlTest::badCharacterFileLoadsNothing_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("error");

    QTest::newRow("missing") << folder_.path(QStringLiteral("nothere.acs")) << 53;
    const QString garbage = folder_.path(QStringLiteral("garbage.acs"));
    QFile file(garbage);
    file.open(QIODevice::WriteOnly);
    file.write(QByteArrayLiteral("\x00\x01 not a character \xff"));
    file.close();
    QTest::newRow("not JSON") << garbage << 321;
    QTest::newRow("another format") << variant("format.acs", "format", QStringLiteral("settings")) << 321;
    QTest::newRow("newer version") << variant("version.acs", "version", 2) << 321;
    QTest::newRow("no name") << variant("noname.acs", "name", QJsonValue::Undefined) << 321;
    QTest::newRow("blank voice") << variant("voice.acs", "voice", QStringLiteral(" ")) << 321;
    QTest::newRow("rate too slow") << variant("slow.acs", "wordsPerMinute", 10) << 321;
    QTest::newRow("rate not a number") << variant("rate.acs", "wordsPerMinute", QStringLiteral("fast")) << 321;
    QTest::newRow("pitch not whole") << variant("pitch.acs", "pitch", 50.5) << 321;
    QTest::newRow("bad colour") << variant("colour.acs", "look.helmet", QStringLiteral("#12")) << 321;
    QTest::newRow("colour missing") << variant("nocoat.acs", "look.coat", QJsonValue::Undefined) << 321;
}

void CharacterControlTest::badCharacterFileLoadsNothing()
{
    QFETCH(QString, path);
    QFETCH(int, error);
    CharacterControl Agent1;
    QCOMPARE(errorNumber([&] { Agent1.load(QStringLiteral("merlin"), path); }), error);
    QVERIFY(!Agent1.isLoaded(QStringLiteral("merlin")));
    QCOMPARE(errorNumber([&] { Agent1.character(QStringLiteral("merlin")).setBalloonStyle(0x0220000F); }),
             35601);
    // A good file loads afterwards under the same id.
    Agent1.load(QStringLiteral("merlin"), folder_.characterFile());
    QVERIFY(Agent1.isLoaded(QStringLiteral("merlin")));
}

void CharacterControlTest::lookupIgnoresLetterCase()
{
    CharacterControl Agent1;
    Character& merlin = Agent1.load(QStringLiteral("Merlin"), folder_.characterFile());
    QCOMPARE(&Agent1.character(QStringLiteral("merlin")), &merlin);
    QCOMPARE(&Agent1.character(QStringLiteral("MERLIN")), &merlin);
}

void CharacterControlTest::secondLoadOfAnIdIsRefusedAndKeepsTheFirst()
{
    CharacterControl Agent1;
    Character& first = Agent1.load(QStringLiteral("merlin"), folder_.characterFile());
    first.show();
    QCOMPARE(errorNumber([&] { Agent1.load(QStringLiteral("merlin"), folder_.characterFile()); }), 35602);
    QCOMPARE(&Agent1.character(QStringLiteral("merlin")), &first);
    QVERIFY(first.visible());
}

void CharacterControlTest::characterNotLoadedIsAnError()
{
    CharacterControl Agent1;
    QCOMPARE(errorNumber([&] { Agent1.character(QStringLiteral("merlin")); }), 35601);
    Agent1.load(QStringLiteral("merlin"), folder_.characterFile());
    QCOMPARE(errorNumber([&] { Agent1.character(QStringLiteral("genie")); }), 35601);
}

QTEST_MAIN(CharacterControlTest)
#include "tst_charactercontrol.moc"
