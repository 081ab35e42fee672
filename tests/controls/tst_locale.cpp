// The locale library: the error texts of the controls, with the library
// beside the runtime and without it.
#include "ProbeControl.h"

#include "controls/locale/LocaleExports.h"

#include <QTest>

#include <dlfcn.h>

using namespace com;

class tst_Locale : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void errorsCarryTheLocalizedText();
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

void tst_Locale::withoutTheLibraryEveryErrorIsTheSame()
{
    qputenv(controls::CQvControl::localeVariable, "/nowhere/QVLOCALE.so");
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
