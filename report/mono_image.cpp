// The 1-bit conversion: a threshold for ink, an ordered dither for light shading.
#include "report/mono_image.h"

#include <algorithm>
#include <array>

namespace dz::report {
namespace {

constexpr int kInkBelow = 150;       // darker than this is ink
constexpr int kShadeFrom = 200;      // from here up to kShadeTo: a light shade, dithered
constexpr int kShadeTo = 240;
// A 4 × 4 ordered pattern; a shade level g turns a dot black where the threshold exceeds g's share.
constexpr std::array<std::array<int, 4>, 4> kBayer = {{{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}}};
constexpr int kShadeDots = 3;        // dots of 16 inked in a light shade

}  // namespace

QImage ToBlackAndWhite(const QImage& source) {
    const QImage grey = source.convertToFormat(QImage::Format_Grayscale8);
    QImage mono(grey.size(), QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mono.setDotsPerMeterX(source.dotsPerMeterX());
    mono.setDotsPerMeterY(source.dotsPerMeterY());
    const int width = grey.width();
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* in = grey.constScanLine(y);
        uchar* out = mono.scanLine(y);
        std::fill(out, out + mono.bytesPerLine(), uchar(0xFF));  // all white (index 1)
        const auto& pattern = kBayer[static_cast<std::size_t>(y & 3)];
        for (int x = 0; x < width; ++x) {
            const int g = in[x];
            bool ink = g < kInkBelow;
            if (!ink && g >= kShadeFrom && g <= kShadeTo) ink = pattern[static_cast<std::size_t>(x & 3)] < kShadeDots;
            if (ink) out[x >> 3] &= uchar(~(0x80 >> (x & 7)));  // Format_Mono: most significant bit first
        }
    }
    return mono;
}

}  // namespace dz::report
