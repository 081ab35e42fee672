#include "mpeg1.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace assets::mpeg1 {

void BitWriter::put(std::uint32_t bits, int count)
{
    for (int i = count - 1; i >= 0; --i) {
        pending_ = (pending_ << 1) | ((bits >> i) & 1u);
        if (++pendingCount_ == 8) {
            bytes_.append(char(pending_));
            pending_ = 0;
            pendingCount_ = 0;
        }
    }
}

void BitWriter::align()
{
    if (pendingCount_ > 0)
        put(0, 8 - pendingCount_);
}

void BitWriter::startCode(std::uint8_t code)
{
    align();
    put(0x000001, 24);
    put(code, 8);
}

Block forwardDct(const Block& samples)
{
    static const auto basis = [] {
        std::array<double, 64> c{};
        for (int u = 0; u < 8; ++u)
            for (int x = 0; x < 8; ++x)
                c[u * 8 + x] = (u == 0 ? std::sqrt(0.125) : 0.5) * std::cos((2 * x + 1) * u * M_PI / 16.0);
        return c;
    }();
    Block rows{};
    for (int y = 0; y < 8; ++y)
        for (int u = 0; u < 8; ++u) {
            double sum = 0;
            for (int x = 0; x < 8; ++x)
                sum += basis[u * 8 + x] * samples[y * 8 + x];
            rows[y * 8 + u] = sum;
        }
    Block out{};
    for (int v = 0; v < 8; ++v)
        for (int u = 0; u < 8; ++u) {
            double sum = 0;
            for (int y = 0; y < 8; ++y)
                sum += basis[v * 8 + y] * rows[y * 8 + u];
            out[v * 8 + u] = sum;
        }
    return out;
}

const std::array<int, 64> kZigZag = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,
    12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28,
    35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
    58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63,
};

namespace {

// The default intra quantiser matrix, raster order; the stream never loads
// its own, so the decoder uses this one too.
constexpr std::array<int, 64> kIntraMatrix = {
    8,  16, 19, 22, 26, 27, 29, 34, 16, 16, 22, 24, 27, 29, 34, 37,
    19, 22, 26, 27, 29, 34, 34, 38, 22, 22, 26, 27, 29, 34, 37, 40,
    22, 26, 27, 29, 32, 35, 40, 48, 26, 27, 29, 32, 35, 40, 48, 58,
    26, 27, 29, 34, 38, 46, 56, 69, 27, 29, 35, 38, 46, 56, 69, 83,
};

struct RunLevel {
    int run, level;
    Code code;
};

// The shortest run/level codes, sign bit not included. Rarer pairs go out
// with the escape, which every decoder reads as well.
constexpr RunLevel kRunLevels[] = {
    {0, 1, {0b11, 2}},        {1, 1, {0b011, 3}},       {0, 2, {0b0100, 4}},
    {2, 1, {0b0101, 4}},      {0, 3, {0b00101, 5}},     {3, 1, {0b00111, 5}},
    {4, 1, {0b00110, 5}},     {1, 2, {0b000110, 6}},    {5, 1, {0b000111, 6}},
    {6, 1, {0b000101, 6}},    {7, 1, {0b000100, 6}},    {0, 4, {0b0000110, 7}},
    {2, 2, {0b0000100, 7}},   {8, 1, {0b0000111, 7}},   {9, 1, {0b0000101, 7}},
};

constexpr Code kEndOfBlock{0b10, 2};
constexpr Code kEscape{0b000001, 6};

} // namespace

Coefficients quantiseIntra(const Block& dct, int scale)
{
    Coefficients out{};
    out[0] = std::clamp(int(std::lround(dct[0] / 8.0)), 0, 255);
    for (int i = 1; i < 64; ++i) {
        const int at = kZigZag[i];
        const double level = 8.0 * dct[at] / (scale * kIntraMatrix[at]);
        out[i] = std::clamp(int(std::lround(level)), -255, 255);
    }
    return out;
}

Code dcSizeCode(int size, bool luminance)
{
    static constexpr Code luma[] = {{0b100, 3},   {0b00, 2},     {0b01, 2},      {0b101, 3},     {0b110, 3},
                                    {0b1110, 4},  {0b11110, 5},  {0b111110, 6},  {0b1111110, 7}};
    static constexpr Code chroma[] = {{0b00, 2},    {0b01, 2},      {0b10, 2},       {0b110, 3},      {0b1110, 4},
                                      {0b11110, 5}, {0b111110, 6},  {0b1111110, 7},  {0b11111110, 8}};
    return luminance ? luma[size] : chroma[size];
}

int dcSize(int difference)
{
    int magnitude = std::abs(difference);
    int size = 0;
    while (magnitude) {
        ++size;
        magnitude >>= 1;
    }
    return size;
}

Code runLevelCode(int run, int level)
{
    for (const RunLevel& entry : kRunLevels)
        if (entry.run == run && entry.level == level)
            return entry.code;
    return {};
}

void writeBlock(BitWriter& out, const Coefficients& zigzagged, int& dcPredictor, bool luminance)
{
    const int difference = zigzagged[0] - dcPredictor;
    dcPredictor = zigzagged[0];
    const int size = dcSize(difference);
    const Code sizeCode = dcSizeCode(size, luminance);
    out.put(sizeCode.bits, sizeCode.length);
    if (size > 0)
        // A negative difference is sent as its value less one, in size bits.
        out.put(std::uint32_t(difference > 0 ? difference : difference + (1 << size) - 1), size);

    int run = 0;
    for (int i = 1; i < 64; ++i) {
        const int level = zigzagged[i];
        if (level == 0) {
            ++run;
            continue;
        }
        const Code code = runLevelCode(run, std::abs(level));
        if (code.length > 0) {
            out.put(code.bits, code.length);
            out.put(level < 0 ? 1 : 0, 1);
        } else {
            out.put(kEscape.bits, kEscape.length);
            out.put(std::uint32_t(run), 6);
            if (level >= -127 && level <= 127) {
                out.put(std::uint32_t(level) & 0xff, 8);
            } else {
                out.put(level > 0 ? 0x00 : 0x80, 8);
                out.put(std::uint32_t(level > 0 ? level : level + 256) & 0xff, 8);
            }
        }
        run = 0;
    }
    out.put(kEndOfBlock.bits, kEndOfBlock.length);
}

namespace {

constexpr int kPicturesPerSecond = 25;
constexpr std::uint32_t kPictureRateCode25 = 3;

struct Planes {
    std::vector<double> y, cb, cr;
};

// BT.601 studio-range colour, chroma averaged over each 2x2 square.
Planes toPlanes(const QImage& frame, int width, int height)
{
    const QImage rgb = frame.convertToFormat(QImage::Format_RGB32).scaled(width, height);
    Planes planes;
    planes.y.resize(std::size_t(width) * height);
    std::vector<double> cb(planes.y.size()), cr(planes.y.size());
    for (int row = 0; row < height; ++row) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(row));
        for (int col = 0; col < width; ++col) {
            const double r = qRed(line[col]) / 255.0, g = qGreen(line[col]) / 255.0, b = qBlue(line[col]) / 255.0;
            const std::size_t at = std::size_t(row) * width + col;
            planes.y[at] = 16 + 65.481 * r + 128.553 * g + 24.966 * b;
            cb[at] = 128 - 37.797 * r - 74.203 * g + 112.0 * b;
            cr[at] = 128 + 112.0 * r - 93.786 * g - 18.214 * b;
        }
    }
    const int halfWidth = width / 2, halfHeight = height / 2;
    planes.cb.resize(std::size_t(halfWidth) * halfHeight);
    planes.cr.resize(planes.cb.size());
    for (int row = 0; row < halfHeight; ++row)
        for (int col = 0; col < halfWidth; ++col) {
            const std::size_t a = std::size_t(2 * row) * width + 2 * col, b = a + width;
            const std::size_t at = std::size_t(row) * halfWidth + col;
            planes.cb[at] = (cb[a] + cb[a + 1] + cb[b] + cb[b + 1]) / 4;
            planes.cr[at] = (cr[a] + cr[a + 1] + cr[b] + cr[b + 1]) / 4;
        }
    return planes;
}

Block blockAt(const std::vector<double>& plane, int stride, int left, int top)
{
    Block block{};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            block[y * 8 + x] = plane[std::size_t(top + y) * stride + left + x];
    return block;
}

} // namespace

Encoder::Encoder(int width, int height, int scale) : width_(width), height_(height), scale_(std::clamp(scale, 1, 31)) {}

void Encoder::writeSequenceHeader()
{
    out_.startCode(0xB3);
    out_.put(std::uint32_t(width_), 12);
    out_.put(std::uint32_t(height_), 12);
    out_.put(1, 4);                   // square pixels
    out_.put(kPictureRateCode25, 4);
    out_.put(0x3FFFF, 18);            // variable bit rate
    out_.put(1, 1);                   // marker
    out_.put(1023, 10);               // largest buffer: pictures vary in size
    out_.put(0, 1);                   // not constrained
    out_.put(0, 1);                   // default intra matrix
    out_.put(0, 1);                   // default non-intra matrix
}

// A group (with the sequence header again) each second, so a player can
// start or seek anywhere.
void Encoder::writeGroupHeader()
{
    const int seconds = frames_ / kPicturesPerSecond;
    out_.startCode(0xB8);
    out_.put(0, 1);                               // no dropped frames
    out_.put(std::uint32_t(seconds / 3600), 5);
    out_.put(std::uint32_t(seconds / 60 % 60), 6);
    out_.put(1, 1);                               // marker
    out_.put(std::uint32_t(seconds % 60), 6);
    out_.put(std::uint32_t(frames_ % kPicturesPerSecond), 6);
    out_.put(1, 1);                               // closed: only intra pictures
    out_.put(0, 1);                               // not broken
}

void Encoder::addFrame(const QImage& frame)
{
    const int inGroup = frames_ % kPicturesPerSecond;
    if (inGroup == 0) {
        writeSequenceHeader();
        writeGroupHeader();
    }
    out_.startCode(0x00);
    out_.put(std::uint32_t(inGroup), 10);  // temporal reference
    out_.put(1, 3);                        // intra-coded
    out_.put(0xFFFF, 16);                  // no buffer delay given
    out_.put(0, 1);                        // no extra information

    const Planes planes = toPlanes(frame, width_, height_);
    const int halfWidth = width_ / 2;
    for (int mbRow = 0; mbRow < height_ / 16; ++mbRow) {
        // One slice per macroblock row; each slice restarts the DC predictors.
        out_.startCode(std::uint8_t(mbRow + 1));
        out_.put(std::uint32_t(scale_), 5);
        out_.put(0, 1);
        int dcY = 128, dcCb = 128, dcCr = 128;
        for (int mbCol = 0; mbCol < width_ / 16; ++mbCol) {
            out_.put(1, 1);  // address increment 1
            out_.put(1, 1);  // intra, slice's quantiser
            for (int b = 0; b < 4; ++b) {
                const Block samples = blockAt(planes.y, width_, mbCol * 16 + (b % 2) * 8, mbRow * 16 + (b / 2) * 8);
                writeBlock(out_, quantiseIntra(forwardDct(samples), scale_), dcY, true);
            }
            writeBlock(out_, quantiseIntra(forwardDct(blockAt(planes.cb, halfWidth, mbCol * 8, mbRow * 8)), scale_),
                       dcCb, false);
            writeBlock(out_, quantiseIntra(forwardDct(blockAt(planes.cr, halfWidth, mbCol * 8, mbRow * 8)), scale_),
                       dcCr, false);
        }
    }
    ++frames_;
}

QByteArray Encoder::finish()
{
    out_.startCode(0xB7);
    return out_.bytes();
}

} // namespace assets::mpeg1
