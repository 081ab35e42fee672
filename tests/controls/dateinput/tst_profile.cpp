// The user's "intl" settings as the controls read them: from the profile
// file at every use, so a change reaches the next date shown.

#include "controls/dateinput/LanguageNames.h"
#include "controls/runtime/Profile.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace dateinput;

class tst_Profile : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    QByteArray saved_;

    QString path() const { return folder_.filePath(QStringLiteral("profile.ini")); }
    void write(const QByteArray& text)
    {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

private slots:
    void init()
    {
        saved_ = qgetenv("DRILLBOOK_PROFILE");
        qputenv("DRILLBOOK_PROFILE", path().toLocal8Bit());
    }
    void cleanup()
    {
        QFile::remove(path());
        qputenv("DRILLBOOK_PROFILE", saved_);
    }

    void readsTheKeyOfItsSection_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QString>("value"); // null: none
        const QByteArray intl = "; the user's settings\n[windows]\nsDate=x\n[intl]\nsDate=-\n"
                                "sLongDate = dddd', 'MMMM' 'dd', 'yyyy \n sLanguage=deu\n[other]\nsLanguage=fra\n";
        QTest::newRow("a key of the section") << intl << QByteArray("sDate") << "-";
        QTest::newRow("commas and quotes kept, blanks trimmed")
            << intl << QByteArray("sLongDate") << "dddd', 'MMMM' 'dd', 'yyyy";
        QTest::newRow("keys in any case") << intl << QByteArray("SLANGUAGE") << "deu";
        QTest::newRow("sections in any case") << QByteArray("[INTL]\nsDate=.\n") << QByteArray("sDate") << ".";
        QTest::newRow("a key not in the section") << intl << QByteArray("sShortDate") << QString();
        QTest::newRow("the key only in another section") << QByteArray("[windows]\nsDate=x\n") << QByteArray("sDate")
                                                          << QString();
        QTest::newRow("an empty value is a value") << QByteArray("[intl]\nsDate=\n") << QByteArray("sDate") << "";
        QTest::newRow("no file") << QByteArray() << QByteArray("sDate") << QString();
    }
    void readsTheKeyOfItsSection()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, key);
        QFETCH(QString, value);
        if (!file.isNull())
            write(file);
        const std::optional<std::string> read = qvrun::profileString("intl", key.constData());
        QCOMPARE(read.has_value(), !value.isNull());
        if (read)
            QCOMPARE(QString::fromStdString(*read), value);
    }

    // Read anew at every use, as the control reads it: a change of the file
    // reaches the next loading of the names.
    void aChangeReachesTheNextUse()
    {
        const IntlReader intl = [](std::string_view key) {
            return qvrun::profileString("intl", std::string(key).c_str());
        };
        LanguageNames names;
        names.load(0, intl);
        QCOMPARE(names.loadedLanguage(), 4); // no profile: English

        write("[intl]\nsLanguage=deu\n");
        names.load(0, intl);
        QCOMPARE(names.loadedLanguage(), 2);

        write("[intl]\nsLanguage=FRA\n");
        names.load(0, intl);
        QCOMPARE(names.loadedLanguage(), 8);
    }
};

QTEST_GUILESS_MAIN(tst_Profile)
#include "tst_profile.moc"
