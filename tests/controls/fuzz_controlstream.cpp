// The date-input control's stream loader under a fuzzer: any bytes as the
// property stream a window's design keeps, through the whole exchange (the
// extent, the stock colours, Enabled and font, the mouse icon, every
// property of the control). Built with libFuzzer where the compiler has it;
// elsewhere a small driver of its own feeds it saved streams damaged at
// random. Every input must be loaded whole, loaded as far as it goes, or
// refused, never crash or hang; what was loaded must save and load again
// to the same bytes, and the control must still paint.

#include "controls/dateinput/QvindatClasses.h"
#include "platform/com/ClassLoader.h"
#include "platform/com/Control.h"
#include "platform/com/Persist.h"
#include "platform/com/Picture.h"
#include "platform/com/Registration.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace com;

namespace {

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_controlstream: %s\n", what);
        std::abort();
    }
}

// The application, a registration store of its own and the loader, made
// once for the whole run.
struct Run {
    Run()
    {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
        qputenv(ClassStore::pathVariable, QFile::encodeName(folder.filePath(QStringLiteral("classes.ini"))));
        require(registerLibrary(QStringLiteral(DRILLBOOK_QVINDAT)) == kOk, "the library did not register");
        loader = std::make_unique<ClassLoader>();
        // One control lives for the whole run, so the libraries stay loaded
        // between inputs instead of being loaded again for each.
        keeper = control();
        // Damaged pictures make the image readers complain; that is expected.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    }

    Ptr<Dispatch> control() const { return loader->create<Dispatch>(qvindat::controlClass); }

    int argc = 1;
    char name[20] = "fuzz_controlstream";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> app;
    QTemporaryDir folder;
    std::unique_ptr<ClassLoader> loader;
    Ptr<Dispatch> keeper;
};

Run& run()
{
    static Run once;
    return once;
}

QByteArray saved(Dispatch* control)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    require(Ptr<PersistStream>::query(control)->save(&buffer, true) == kOk, "a loaded control did not save");
    return bytes;
}

Result loaded(Dispatch* control, QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return Ptr<PersistStream>::query(control)->load(&buffer);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto control = run().control();
    require(bool(control), "no control was made");
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const Result r = loaded(control.get(), input);
    require(r == kOk || r == kFalse || r == kStreamRefused, "a stream was neither loaded nor refused");
    if (r == kStreamRefused)
        return 0;

    // What was taken saves, and loads again into the same control.
    const QByteArray once = saved(control.get());
    auto again = run().control();
    require(loaded(again.get(), once) == kOk, "a saved stream did not load whole");
    require(saved(again.get()) == once, "a saved stream changed on its way back");

    // Whatever values were taken, the control still paints.
    QImage image(120, 24, QImage::Format_RGB32);
    QPainter painter(&image);
    require(Ptr<Control>::query(control.get())->drawTo(&painter, image.rect()) == kOk, "the control did not paint");
    return 0;
}

#ifndef DRILLBOOK_LIBFUZZER
namespace {

// A stream with every block in use: properties away from their defaults, a
// font and a mouse icon.
QByteArray fullStream()
{
    auto control = run().control();
    const std::pair<const char*, Variant> changes[] = {
        {"Text", Variant::string(QStringLiteral("04/17/2001"))}, {"BevelSize", Variant::i2(3)},
        {"BevelStyle", Variant::i2(2)},     {"Spin", Variant::i2(2)},         {"DateFormat", Variant::i2(3)},
        {"LanguageNumber", Variant::i2(8)}, {"MinYear", Variant::i2(1950)},   {"MaxYear", Variant::i2(2049)},
        {"FontName", Variant::string(QStringLiteral("DejaVu Serif"))},        {"FontSize", Variant::r4(11.0f)},
        {"BackColor", Variant::i4(0xC0C0C0)}, {"MousePointer", Variant::i2(99)}, {"AllowBlank", Variant::i4(1)},
    };
    for (const auto& [name, value] : changes)
        putProperty(control.get(), QString::fromLatin1(name), value);
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::red);
    auto picture = makePicture(PictureType::Icon, icon);
    putProperty(control.get(), QStringLiteral("MouseIcon"), Variant::object(picture.get(), VarType::Dispatch));
    return saved(control.get());
}

void feed(const QByteArray& input)
{
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.constData()), std::size_t(input.size()));
}

} // namespace

// fuzz_controlstream [rounds [seed]]: the full stream cut at every length,
// then damaged at random, rounds times.
int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 2000;
    QRandomGenerator random(argc > 2 ? quint32(std::atoi(argv[2])) : 1u);
    const QByteArray whole = fullStream();
    for (qsizetype length = 0; length <= whole.size(); ++length)
        feed(whole.left(length));
    for (int round = 0; round < rounds; ++round) {
        QByteArray input = whole;
        for (int i = 0, n = 1 + random.bounded(4); i < n && input.size() > 4; ++i) {
            // The version stays, so the damage reaches the properties.
            const int at = 4 + random.bounded(int(input.size()) - 4);
            switch (random.bounded(5)) {
            case 0: input[at] = char(random.bounded(256)); break;
            case 1: input.truncate(at); break;
            case 2: input.insert(at, QByteArray(1 + random.bounded(16), char(random.bounded(256)))); break;
            case 3: input.remove(at, 1 + random.bounded(16)); break;
            case 4: input[at] = char(0xFF); break;
            }
        }
        feed(input);
    }
    std::printf("fuzz_controlstream: %lld cut and %d damaged streams loaded or refused\n",
                static_cast<long long>(whole.size() + 1), rounds);
    return 0;
}
#endif
