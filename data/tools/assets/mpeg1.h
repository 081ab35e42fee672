#pragma once

#include <QByteArray>
#include <QImage>
#include <array>
#include <cstdint>

// A small writer of MPEG-1 video elementary streams made of intra-coded
// pictures only: every frame stands alone, so there is no motion search, and
// any player that reads the format can show the clips.
namespace assets::mpeg1 {

// Bits written most significant first, as the stream syntax counts them.
class BitWriter {
public:
    void put(std::uint32_t bits, int count);
    // Pads with zero bits to the next byte, as start codes need.
    void align();
    void startCode(std::uint8_t code);
    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
    std::uint32_t pending_ = 0;
    int pendingCount_ = 0;
};

using Block = std::array<double, 64>;
using Coefficients = std::array<int, 64>;

// The 8x8 two-dimensional DCT with the scaling the format's decoder inverts:
// a flat block of value v gives 8*v at [0] and nothing elsewhere.
Block forwardDct(const Block& samples);

// The coefficient at each position of the zig-zag scan, in raster order.
extern const std::array<int, 64> kZigZag;

// Quantises an intra block with the default intra matrix and the given
// scale (1..31), returned in zig-zag order; [0] is the DC level 0..255.
Coefficients quantiseIntra(const Block& dct, int scale);

// A variable-length code: the bits, right aligned, and how many there are.
struct Code {
    std::uint32_t bits = 0;
    int length = 0;
};

// The size code of a DC difference, for luminance and for chrominance blocks.
Code dcSizeCode(int size, bool luminance);
// The number of bits a DC difference takes (0 for no difference).
int dcSize(int difference);
// The run/level code without its sign bit; length 0 when the pair has no
// code of its own and must be written with the escape.
Code runLevelCode(int run, int level);

// Writes one intra block: DC difference against the predictor (which it
// updates), then the AC run/level pairs and the end of block.
void writeBlock(BitWriter& out, const Coefficients& zigzagged, int& dcPredictor, bool luminance);

// Encodes frames of one size (width and height multiples of 16) at 25
// pictures a second.
class Encoder {
public:
    Encoder(int width, int height, int scale = 6);
    void addFrame(const QImage& frame);
    // The finished stream, ended with the sequence end code.
    QByteArray finish();

private:
    void writeSequenceHeader();
    void writeGroupHeader();

    BitWriter out_;
    int width_;
    int height_;
    int scale_;
    int frames_ = 0;
};

} // namespace assets::mpeg1
