// The option button's stream loader under a fuzzer. Built with libFuzzer
// where the compiler has it; elsewhere a small driver of its own feeds it
// kept buttons damaged at random. Either way every input must load, load in
// part or be refused, and the button must then save and paint whatever it
// took in, without crashing, hanging or reading out of bounds.

#include "controls/optionbutton/Qv3doptClasses.h"
#include "platform/com/Control.h"
#include "platform/com/Persist.h"
#include "platform/com/Picture.h"
#include "platform/com/Registration.h"
#include "support/RandomDamage.h"
#include "support/TestContainer.h"

#include <QApplication>
#include <QBuffer>
#include <QPainter>
#include <QRandomGenerator>
#include <QWidget>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

namespace {

testsupport::TestContainer& container()
{
    static std::unique_ptr<testsupport::TestContainer> made = [] {
        auto c = std::make_unique<testsupport::TestContainer>();
        if (com::failed(com::registerLibrary(QStringLiteral(DRILLBOOK_QV3DOPT))))
            std::abort();
        return c;
    }();
    return *made;
}

com::Ptr<com::Dispatch> newButton()
{
    return container().loader().create<com::Dispatch>(qv3dopt::controlClass);
}

// A kept button with every picture and most properties away from their defaults.
QByteArray keptButton()
{
    auto button = newButton();
    QImage image(6, 5, QImage::Format_RGB32);
    image.fill(0xFF336699);
    for (const char* name : {"Picture", "PictureChecked", "PictureUnchecked", "PicturePressed", "PictureGrayed"}) {
        auto picture = com::makePicture(com::PictureType::Bitmap, image);
        com::putProperty(button.get(), QString::fromLatin1(name), com::Variant::object(picture.get(), com::VarType::Dispatch));
    }
    com::putProperty(button.get(), QStringLiteral("Caption"), com::Variant::string(QStringLiteral("Show &Lead 1")));
    com::putProperty(button.get(), QStringLiteral("BevelSize"), com::Variant::i2(3));
    com::putProperty(button.get(), QStringLiteral("BevelStyle"), com::Variant::i2(3));
    com::putProperty(button.get(), QStringLiteral("Value"), com::Variant::i2(1));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    com::Ptr<com::PersistStream>::query(button.get())->save(&buffer, true);
    return bytes;
}

} // namespace

// The first byte chooses: odd, the rest follows a correct version, so the
// fuzzer reaches the properties; even, the rest is the whole stream.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_qv3doptstream";
    static char* argv[] = {name, nullptr};
    static QApplication* app = QApplication::instance() ? nullptr : new QApplication(argc, argv);
    (void)app;
    if (size == 0)
        return 0;
    QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    if (data[0] & 1)
        bytes.prepend(QByteArray::fromHex("00000100"));
    auto button = newButton();
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    if (com::failed(com::Ptr<com::PersistStream>::query(button.get())->load(&in)))
        return 0;
    QByteArray again;
    QBuffer out(&again);
    out.open(QIODevice::WriteOnly);
    com::Ptr<com::PersistStream>::query(button.get())->save(&out, true);
    // Painted in a window of its own size, whatever extent the stream gave.
    QWidget parent;
    auto hosted = com::Ptr<com::Control>::query(button.get());
    hosted->createWindow(&parent, QRect(0, 0, 120, 40), nullptr);
    QImage picture(120, 40, QImage::Format_RGB32);
    {
        QPainter painter(&picture);
        hosted->drawTo(&painter, picture.rect());
    }
    hosted->destroyWindow();
    return 0;
}

#ifndef DRILLBOOK_LIBFUZZER
// fuzz_qv3doptstream [rounds [seed]]: damages a kept button at random,
// rounds times, and loads each result.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 2000;
    QRandomGenerator random(argc > 2 ? quint32(std::atoi(argv[2])) : 1u);
    const QByteArray kept = keptButton().mid(4);
    for (int round = 0; round < rounds; ++round) {
        QByteArray input = testsupport::damagedAtRandom(kept, random);
        input.prepend(char(round % 8 == 0 ? 0 : 1));
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.constData()), std::size_t(input.size()));
    }
    std::printf("fuzz_qv3doptstream: %d damaged buttons loaded or refused\n", rounds);
    return 0;
}
#endif
