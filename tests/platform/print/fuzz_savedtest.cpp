// The saved-test reader under a fuzzer. Built with libFuzzer where the
// compiler has it; elsewhere a small driver of its own feeds it saved tests
// damaged at random. Either way every input must be read or refused with
// the program's error, never crash, hang or read out of bounds.

#include "SampleDocuments.h"
#include "SealedBytes.h"

#include "platform/core/RuntimeError.h"
#include "platform/print/SavedTestFile.h"
#include "support/RandomDamage.h"

#include <QGuiApplication>
#include <QRandomGenerator>

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace {

// A valid file's first bytes, around which inputs are sealed.
QByteArray templatePrefix()
{
    return print::savedTestBytes(print::Document{}).left(printtest::prefixSize);
}

} // namespace

// The first byte chooses: odd, the rest is sealed as the pages of a file
// with a correct length and checksum, so the fuzzer reaches the checks of
// each value; even, the rest is the whole file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray rest(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    static const QByteArray prefix = templatePrefix();
    const QByteArray bytes = data[0] & 1 ? printtest::sealed(prefix + QByteArray(32, '\0'), rest) : rest;
    try {
        print::readSavedTest(bytes, QStringLiteral("fuzz.qfx"));
    } catch (const platform::RuntimeError&) {
    }
    return 0;
}

#ifndef DRILLBOOK_LIBFUZZER
// fuzz_savedtest [rounds [seed]]: damages a composed saved test at random,
// rounds times, and reads each result.
int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 2000;
    QRandomGenerator random(argc > 2 ? quint32(std::atoi(argv[2])) : 1u);
    const QByteArray payload = printtest::payloadOf(print::savedTestBytes(printtest::mixedDocument()));
    for (int round = 0; round < rounds; ++round) {
        QByteArray input = testsupport::damagedAtRandom(payload, random);
        input.prepend(char(round % 4 == 0 ? 0 : 1));
        if (round % 4 == 0)
            input.insert(1, templatePrefix());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.constData()), std::size_t(input.size()));
    }
    std::printf("fuzz_savedtest: %d damaged saved tests read or refused\n", rounds);
    return 0;
}
#endif
