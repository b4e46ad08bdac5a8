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

// Three channels a pixel, rows from the top, in floating point.
struct Plane {
    std::vector<float> values;
    int width, height;
};

// The plane filtered along one axis (across the rows, or down the columns)
// to as many pixels as there are taps.
Plane Pass(const Plane& in, const std::vector<Tap>& taps, bool across) {
    const int count = static_cast<int>(taps.size()), length = across ? in.width : in.height;
    Plane out{{}, across ? count : in.width, across ? in.height : count};
    out.values.assign(static_cast<size_t>(out.width) * out.height * 3, 0.0f);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) {
            const Tap& tap = taps[static_cast<size_t>(across ? x : y)];
            float* sum = &out.values[(static_cast<size_t>(y) * out.width + x) * 3];
            for (size_t k = 0; k < tap.weights.size(); ++k) {
                const int s = std::clamp(tap.first + static_cast<int>(k), 0, length - 1);
                const float* p = &in.values[(static_cast<size_t>(across ? y : s) * in.width + (across ? s : x)) * 3];
                for (int c = 0; c < 3; ++c) sum[c] += tap.weights[k] * p[c];
            }
        }
    return out;
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
        Plane plane{std::vector<float>(pixels.size() * 3), from.cx, from.cy};
        for (size_t i = 0; i < pixels.size(); ++i)
            for (int c = 0; c < 3; ++c) plane.values[i * 3 + c] = static_cast<float>((pixels[i] >> (8 * c)) & 0xFF);
        plane = Pass(Pass(plane, Taps(from.cx, to.cx), true), Taps(from.cy, to.cy), false);

        info = TopDown32(to);
        void* bits = nullptr;
        UniqueHandle<HBITMAP, DeleteObject> made(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!made || !bits) return nullptr;
        auto* out = static_cast<uint32_t*>(bits);
        for (size_t i = 0; i < static_cast<size_t>(to.cx) * to.cy; ++i) {
            uint32_t pixel = 0;
            for (int c = 0; c < 3; ++c)
                pixel |= static_cast<uint32_t>(std::clamp(std::lround(plane.values[i * 3 + c]), 0L, 255L)) << (8 * c);
            out[i] = pixel;
        }
        GdiFlush();
        return made.release();
    } catch (...) {
        return nullptr;  // no memory for the work
    }
}

}  // namespace vestrel::forms
