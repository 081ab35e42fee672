#pragma once

#include <QByteArray>
#include <QRandomGenerator>

namespace testsupport {

// The bytes of a kept file or stream with one to four random damages: a
// byte changed, the rest cut off, bytes put in or bytes taken out. For the
// fuzzers' own drivers where libFuzzer is not at hand.
inline QByteArray damagedAtRandom(QByteArray input, QRandomGenerator& random)
{
    for (int i = 0, n = 1 + random.bounded(4); i < n && !input.isEmpty(); ++i) {
        const int at = random.bounded(int(input.size()));
        switch (random.bounded(4)) {
        case 0: input[at] = char(random.bounded(256)); break;
        case 1: input.truncate(at); break;
        case 2: input.insert(at, QByteArray(1 + random.bounded(16), char(random.bounded(256)))); break;
        case 3: input.remove(at, 1 + random.bounded(16)); break;
        }
    }
    return input;
}

} // namespace testsupport
