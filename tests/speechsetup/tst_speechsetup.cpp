#include "support/ProgramFolder.h"

#include "platform/core/RuntimeError.h"
#include "platform/speech/CharacterFile.h"
#include "platform/speech/Synthesizer.h"
#include "speechsetup/SpeechSetup.h"

#include <QtTest>

using speechsetup::Report;

namespace {

const QString questionFile = QStringLiteral("tamsel.acs");
const QString readerFile = QStringLiteral("chars/merlin.acs");

bool readable(const QString& path)
{
    try {
        speech::readCharacterFile(path);
        return true;
    } catch (const platform::RuntimeError&) {
        return false;
    }
}

} // namespace

class tst_SpeechSetup : public QObject {
    Q_OBJECT

private slots:
    void characterFiles_data()
    {
        QTest::addColumn<QString>("state"); // of the reader's file
        QTest::addColumn<QString>("line");  // the report's line on it
        QTest::newRow("in place") << "in place" << "chars/merlin.acs is in place: Nuvia.";
        QTest::newRow("missing") << "missing" << "chars/merlin.acs was missing and has been written.";
        QTest::newRow("its folder missing") << "no folder" << "chars/merlin.acs was missing and has been written.";
        QTest::newRow("damaged")
            << "damaged" << "chars/merlin.acs was damaged (kept as merlin.acs.damaged) and has been written.";
    }
    // Afterwards both characters load; a file that was in place is not
    // touched, and a damaged one is kept beside the new one.
    void characterFiles()
    {
        QFETCH(QString, state);
        QFETCH(QString, line);
        testsupport::ProgramFolder folder;
        QVERIFY(folder.isValid());
        const QString reader = folder.filePath(readerFile);
        const QByteArray damage = "{ \"format\": \"drillbook character\", \"ver";
        if (state == QLatin1String("missing")) {
            QVERIFY(QFile::remove(reader));
        } else if (state == QLatin1String("no folder")) {
            QVERIFY(QDir(folder.filePath(QStringLiteral("chars"))).removeRecursively());
        } else if (state == QLatin1String("damaged")) {
            QFile file(reader);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(damage);
        }
        const QDateTime questionWritten = QFileInfo(folder.filePath(questionFile)).lastModified();

        const Report report = speechsetup::setUpCharacterFiles(folder.path());

        QVERIFY(report.complete);
        QCOMPARE(report.lines, QStringList({QStringLiteral("tamsel.acs is in place: Nuvia."), line}));
        QVERIFY(readable(reader));
        QVERIFY(readable(folder.filePath(questionFile)));
        QCOMPARE(QFileInfo(folder.filePath(questionFile)).lastModified(), questionWritten);
        if (state == QLatin1String("damaged")) {
            QFile kept(reader + QStringLiteral(".damaged"));
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), damage);
        }
    }

    void aFolderThatTakesNoFileIsReported()
    {
        testsupport::ProgramFolder folder;
        QVERIFY(QDir(folder.filePath(QStringLiteral("chars"))).removeRecursively());
        // A file where the folder should be: nothing can be written under it.
        QFile blocker(folder.filePath(QStringLiteral("chars")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const Report report = speechsetup::setUpCharacterFiles(folder.path());
        QVERIFY(!report.complete);
        QVERIFY2(report.lines.last().startsWith(QStringLiteral("chars/merlin.acs was missing and could not be written")),
                 qPrintable(report.lines.last()));
    }

    void voices_data()
    {
        QTest::addColumn<QString>("readerVoice");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<QString>("line");
        QTest::newRow("installed voice") << "en-us" << true << "chars/merlin.acs speaks with the voice \"en-us\".";
        QTest::newRow("unknown voice") << "xx-nowhere" << false
                                       << "chars/merlin.acs asks for the voice \"xx-nowhere\", which is not installed.";
    }
    void voices()
    {
        QFETCH(QString, readerVoice);
        QFETCH(bool, complete);
        QFETCH(QString, line);
        if (!speech::Synthesizer().available())
            QSKIP("espeak-ng cannot start here");
        testsupport::ProgramFolder folder;
        speech::CharacterDescription reader = speech::nuviaCharacter();
        reader.voice.voice = readerVoice;
        speech::writeCharacterFile(folder.filePath(readerFile), reader);

        const Report report = speechsetup::checkVoices(folder.path());

        QCOMPARE(report.complete, complete);
        QVERIFY2(report.lines.contains(line), qPrintable(report.lines.join(QLatin1Char('\n'))));
        QVERIFY(report.lines.contains(QStringLiteral("tamsel.acs speaks with the voice \"en-us\".")));
        QVERIFY2(report.lines.last().startsWith(QStringLiteral("A test sentence gave ")),
                 qPrintable(report.lines.last()));
    }

    void aMissingCharacterFileIsReportedByTheVoiceCheck()
    {
        if (!speech::Synthesizer().available())
            QSKIP("espeak-ng cannot start here");
        testsupport::ProgramFolder folder;
        QVERIFY(QFile::remove(folder.filePath(readerFile)));
        const Report report = speechsetup::checkVoices(folder.path());
        QVERIFY(!report.complete);
        QVERIFY(report.lines.filter(QStringLiteral("chars/merlin.acs cannot be read")).size() == 1);
    }
};

QTEST_MAIN(tst_SpeechSetup)
#include "tst_speechsetup.moc"
