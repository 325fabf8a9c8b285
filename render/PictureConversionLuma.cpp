#include "PictureConversionLuma.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zozavud {

namespace {

const std::array<float, 256>& LinearTable() {
    static const std::array<float, 256> table = [] {
        std::array<float, 256> t{};
        for (int i = 0; i < 256; ++i) {
            const double c = i / 255.0;
            t[i] = static_cast<float>(c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
        }
        return t;
    }();
    return table;
}

// Which source cells an output cell covers along one axis, and how much of each.
struct Span {
    int First = 0;
    std::vector<float> Weights;  // sum to 1
};

std::vector<Span> Spans(int sourceLength, int scaledLength, int windowStart, int windowLength) {
    std::vector<Span> spans(static_cast<std::size_t>(windowLength));
    const double step = static_cast<double>(sourceLength) / scaledLength;
    for (int i = 0; i < windowLength; ++i) {
        const double from = (windowStart + i) * step;
        const double to = std::min<double>(sourceLength, from + step);
        Span& span = spans[static_cast<std::size_t>(i)];
        span.First = std::min(sourceLength - 1, static_cast<int>(std::floor(from)));
        const int last = std::max(span.First, static_cast<int>(std::ceil(to)) - 1);
        for (int s = span.First; s <= last; ++s) {
            const double covered = std::min<double>(s + 1, to) - std::max<double>(s, from);
            span.Weights.push_back(static_cast<float>(std::max(0.0, covered) / step));
        }
        // Rounding can leave the sum a hair off 1; white must stay exactly white.
        float sum = 0;
        for (float w : span.Weights) sum += w;
        if (sum > 0)
            for (float& w : span.Weights) w /= sum;
        else
            span.Weights.assign(1, 1.0f);
    }
    return spans;
}

}  // namespace

float SrgbToLinear(int value) { return LinearTable()[static_cast<std::size_t>(std::clamp(value, 0, 255))]; }

LumaPlane LinearLuma(const QImage& picture) {
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    const auto& lin = LinearTable();
    LumaPlane plane;
    plane.Reset(argb.width(), argb.height());
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb p = line[x];
            const float luma = 0.2126f * lin[qRed(p)] + 0.7152f * lin[qGreen(p)] + 0.0722f * lin[qBlue(p)];
            const float alpha = qAlpha(p) / 255.0f;
            plane.At(x, y) = std::clamp(alpha * luma + (1.0f - alpha), 0.0f, 1.0f);
        }
    }
    return plane;
}

LumaPlane ResampleWindow(const LumaPlane& source, int scaledWidth, int scaledHeight, const QRect& window) {
    LumaPlane out;
    out.Reset(window.width(), window.height());
    if (window.isEmpty() || source.Width <= 0 || source.Height <= 0) return out;
    if (scaledWidth == source.Width && scaledHeight == source.Height) {
        for (int y = 0; y < window.height(); ++y)
            for (int x = 0; x < window.width(); ++x) out.At(x, y) = source.At(window.x() + x, window.y() + y);
        return out;
    }
    const std::vector<Span> columns = Spans(source.Width, scaledWidth, window.x(), window.width());
    const std::vector<Span> rows = Spans(source.Height, scaledHeight, window.y(), window.height());
    // Horizontal pass over only the source rows that the window needs.
    const int firstRow = rows.front().First;
    const int lastRow = rows.back().First + static_cast<int>(rows.back().Weights.size()) - 1;
    LumaPlane across;
    across.Reset(window.width(), lastRow - firstRow + 1);
    for (int sy = firstRow; sy <= lastRow; ++sy) {
        for (int x = 0; x < window.width(); ++x) {
            const Span& span = columns[static_cast<std::size_t>(x)];
            float sum = 0;
            for (std::size_t k = 0; k < span.Weights.size(); ++k)
                sum += span.Weights[k] * source.At(span.First + static_cast<int>(k), sy);
            across.At(x, sy - firstRow) = sum;
        }
    }
    for (int y = 0; y < window.height(); ++y) {
        const Span& span = rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < window.width(); ++x) {
            float sum = 0;
            for (std::size_t k = 0; k < span.Weights.size(); ++k)
                sum += span.Weights[k] * across.At(x, span.First - firstRow + static_cast<int>(k));
            out.At(x, y) = std::clamp(sum, 0.0f, 1.0f);
        }
    }
    return out;
}

}  // namespace zozavud
