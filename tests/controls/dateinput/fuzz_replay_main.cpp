// Without libFuzzer: generated inputs through the fuzzer's entry point, from
// plain dates in every format to random bytes, with a fixed seed so a failure
// repeats. Arguments: the number of inputs, then any corpus files to replay.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

const char* const texts[] = {
    "04/17/2001", "2451545", "January 1, 2000", "Saturday, January 1, 2000", "1/1/00",
    "Saturday, January 01, 00", "01-Jan-00", "  /  /    ", "04//2001", "4/5/2001", "02/30/1999",
    "99999/99999/99999", "M\xe4rz 5, 2001", "Domingo , Janeiro 2, 2000", "", "0", "-1", "////",
};
const char* const patterns[] = {
    "", "dddd, MMMM dd, yyyy", "dd/MMMM/yyyy", "'unclosed", "dddd', 'MMMM", "d/M/y", "yyyy", "d/d/d/d/d/d/d/d/d",
    "MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM", "ddddd'''yyyyyy'", "deu",
};

void run(const std::string& input)
{
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

} // namespace

int main(int argc, char** argv)
{
    const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10000;
    for (int i = 2; i < argc; ++i) {
        std::ifstream file(argv[i], std::ios::binary);
        run(std::string(std::istreambuf_iterator<char>(file), {}));
    }

    std::mt19937 random(20010417);
    auto byte = [&] { return char(random() & 0xff); };
    for (long n = 0; n < count; ++n) {
        std::string input;
        for (int i = 0; i < 6; ++i)
            input += byte();
        if (n % 3 == 2) {
            // Random bytes, any length.
            const std::size_t length = random() % 300;
            for (std::size_t i = 0; i < length; ++i)
                input += byte();
        } else {
            // A known text and pattern, a few bytes changed.
            input += patterns[random() % std::size(patterns)];
            input += '\0';
            std::string text = texts[random() % std::size(texts)];
            const int changes = random() % 4;
            for (int c = 0; c < changes && !text.empty(); ++c)
                text[random() % text.size()] = byte();
            if (random() % 8 == 0)
                text += std::string(random() % 1200, "0 /"[random() % 3]);
            input += text;
        }
        run(input);
    }
    std::printf("%ld generated inputs through the date parser, no crash\n", count);
    return 0;
}
