#pragma once

#include "colour.h"

#include <QImage>
#include <algorithm>
#include <thread>
#include <vector>

namespace assets {

// Fills an image pixel by pixel from shade(x, y) -> Rgb. Rows are shared out
// over the processor's threads; every pixel depends on its coordinates alone,
// so the result does not depend on how the rows were shared.
template <typename Shade>
QImage renderPixels(QSize size, const Shade &shade)
{
    QImage image(size, QImage::Format_RGB32);
    const int rows = size.height();
    // Taken once: scanLine() on a shared QImage would detach from every thread.
    uchar *const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const int workers = std::clamp(int(std::thread::hardware_concurrency()), 1, 16);
    std::vector<std::thread> threads;
    for (int w = 0; w < workers; ++w) {
        threads.emplace_back([&, w] {
            for (int y = w; y < rows; y += workers) {
                auto *line = reinterpret_cast<QRgb *>(bits + y * stride);
                for (int x = 0; x < size.width(); ++x)
                    line[x] = toQRgb(shade(x, y));
            }
        });
    }
    for (auto &t : threads)
        t.join();
    return image;
}

} // namespace assets
