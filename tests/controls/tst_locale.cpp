// The locale library: the error texts of the controls, with the library
// beside the runtime and without it.
#include "ProbeControl.h"

#include "controls/locale/LocaleExports.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <dlfcn.h>

using namespace com;

class tst_Locale : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void errorsCarryTheLocalizedText();
    void withoutTheLibraryEveryErrorIsTheSame_data();
    void withoutTheLibraryEveryErrorIsTheSame();
    void textsAreAlwaysTerminated();
};

namespace {

ErrorInfo refusedPointer(Dispatch* control)
{
    ErrorInfo info;
    const Result r = putProperty(control, QStringLiteral("MousePointer"), Variant::i2(16), &info);
    if (r != kException)
        info.code = r;
    return info;
}

} // namespace

void tst_Locale::cleanup()
{
    qunsetenv(controls::CQvControl::localeVariable);
}

void tst_Locale::errorsCarryTheLocalizedText()
{
    auto control = make<ProbeControl>();
    QVERIFY(control->hasLocaleLibrary());
    const ErrorInfo info = refusedPointer(control.get());
    QCOMPARE(info.code, com::result(0x800A017C));
    QCOMPARE(info.description, QStringLiteral("Invalid property value"));
    QCOMPARE(info.helpContext, -1);
}

// A library cut short counts as none: loading it would kill the program.
void tst_Locale::withoutTheLibraryEveryErrorIsTheSame_data()
{
    QTest::addColumn<int>("keep"); // bytes of a copy of the library; -1: no file at all
    QTest::newRow("missing") << -1;
    QTest::newRow("cut short at 4096 bytes") << 4096;
    QTest::newRow("cut short at 1000 bytes") << 1000;
}

void tst_Locale::withoutTheLibraryEveryErrorIsTheSame()
{
    QFETCH(int, keep);
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("QVLOCALE.so"));
    if (keep >= 0) {
        QVERIFY(QFile::copy(controls::CQvControl::localeLibraryPath(), copy));
        QVERIFY(QFileInfo(copy).size() > keep);
        QVERIFY(QFile::resize(copy, keep));
    }
    qputenv(controls::CQvControl::localeVariable, QFile::encodeName(copy));
    auto control = make<ProbeControl>();
    QVERIFY(!control->hasLocaleLibrary());
    const ErrorInfo info = refusedPointer(control.get());
    QCOMPARE(info.code, com::result(0x800A0035));
    QCOMPARE(info.description, QStringLiteral("QVLOCALE.DLL Not Found"));
    QCOMPARE(info.helpContext, 0);

    // Each control loads the library when it is made: one made with the
    // library back gives the text again.
    qunsetenv(controls::CQvControl::localeVariable);
    auto present = make<ProbeControl>();
    QCOMPARE(refusedPointer(present.get()).description, QStringLiteral("Invalid property value"));
}

void tst_Locale::textsAreAlwaysTerminated()
{
    void* library = dlopen(QFile::encodeName(controls::CQvControl::localeLibraryPath()).constData(), RTLD_NOW);
    QVERIFY2(library, dlerror());
    auto loadString = reinterpret_cast<QvLoadStringEntry>(dlsym(library, "QvLoadString"));
    auto getLocale = reinterpret_cast<QvGetLocaleEntry>(dlsym(library, "QvGetLocale"));
    QVERIFY(loadString && getLocale);

    char text[8];
    std::memset(text, 'x', sizeof text);
    QCOMPARE(loadString(380 + getLocale(), text, sizeof text), 7);
    QCOMPARE(QByteArray(text), QByteArray("Invalid"));
    std::memset(text, 'x', sizeof text);
    QCOMPARE(loadString(99999, text, sizeof text), 0);
    QCOMPARE(text[0], '\0');
    dlclose(library);
}

QTEST_MAIN(tst_Locale)
#include "tst_locale.moc"
