#include "forms/resample.h"
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>
#include "com/unique_handle.h"

namespace vestrel::forms {
namespace {

// The weights of the source pixels that make each of count target pixels
// along one axis of length from.
struct Tap {
    int first;
    std::vector<float> weights;
};

std::vector<Tap> Taps(int from, int count) {
    const double scale = static_cast<double>(count) / from;
    const double radius = std::max(1.0, 1.0 / scale);
    std::vector<Tap> taps(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double centre = (i + 0.5) / scale - 0.5;
        Tap& tap = taps[static_cast<size_t>(i)];
        tap.first = static_cast<int>(std::floor(centre - radius)) + 1;
        const int last = static_cast<int>(std::ceil(centre + radius)) - 1;
        double total = 0;
        for (int s = tap.first; s <= last; ++s) {
            const float w = static_cast<float>(std::max(0.0, 1.0 - std::abs(s - centre) / radius));
            tap.weights.push_back(w);
            total += w;
        }
        for (float& w : tap.weights) w = static_cast<float>(w / total);
    }
    return taps;
}

BITMAPINFO TopDown32(SIZE size) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace

HBITMAP Resampled(HBITMAP source, SIZE to) noexcept {
    BITMAP description{};
    if (!source || !GetObjectW(source, sizeof(description), &description) || to.cx <= 0 || to.cy <= 0) return nullptr;
    const SIZE from{description.bmWidth, std::abs(description.bmHeight)};
    if (from.cx <= 0 || from.cy <= 0) return nullptr;
    try {
        std::vector<uint32_t> pixels(static_cast<size_t>(from.cx) * from.cy);
        BITMAPINFO info = TopDown32(from);
        {
            WindowDC screen(nullptr);
            if (!GetDIBits(screen.get(), source, 0, static_cast<UINT>(from.cy), pixels.data(), &info, DIB_RGB_COLORS))
                return nullptr;
        }
        // Across, then down, each channel in floating point.
        const std::vector<Tap> across = Taps(from.cx, to.cx), down = Taps(from.cy, to.cy);
        std::vector<float> wide(static_cast<size_t>(to.cx) * from.cy * 3);
        for (int y = 0; y < from.cy; ++y)
            for (int x = 0; x < to.cx; ++x) {
                float sum[3] = {};
                const Tap& tap = across[static_cast<size_t>(x)];
                for (size_t k = 0; k < tap.weights.size(); ++k) {
                    const int s = std::clamp(tap.first + static_cast<int>(k), 0, static_cast<int>(from.cx) - 1);
                    const uint32_t p = pixels[static_cast<size_t>(y) * from.cx + s];
                    for (int c = 0; c < 3; ++c) sum[c] += tap.weights[k] * static_cast<float>((p >> (8 * c)) & 0xFF);
                }
                std::copy(sum, sum + 3, &wide[(static_cast<size_t>(y) * to.cx + x) * 3]);
            }
        info = TopDown32(to);
        void* bits = nullptr;
        UniqueHandle<HBITMAP, DeleteObject> made(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!made || !bits) return nullptr;
        auto* out = static_cast<uint32_t*>(bits);
        for (int y = 0; y < to.cy; ++y)
            for (int x = 0; x < to.cx; ++x) {
                float sum[3] = {};
                const Tap& tap = down[static_cast<size_t>(y)];
                for (size_t k = 0; k < tap.weights.size(); ++k) {
                    const int s = std::clamp(tap.first + static_cast<int>(k), 0, static_cast<int>(from.cy) - 1);
                    const float* p = &wide[(static_cast<size_t>(s) * to.cx + x) * 3];
                    for (int c = 0; c < 3; ++c) sum[c] += tap.weights[k] * p[c];
                }
                uint32_t pixel = 0;
                for (int c = 0; c < 3; ++c)
                    pixel |= static_cast<uint32_t>(std::clamp(std::lround(sum[c]), 0L, 255L)) << (8 * c);
                out[static_cast<size_t>(y) * to.cx + x] = pixel;
            }
        GdiFlush();
        return made.release();
    } catch (...) {
        return nullptr;  // no memory for the work
    }
}

}  // namespace vestrel::forms
