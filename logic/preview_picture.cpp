#include "logic/preview_picture.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "logic/preview_pixels.h"

namespace {

// One preview pixel along an axis: the source pixels it takes and how much of each.
struct Taps {
  int first;
  std::vector<double> weights;
};

// Along one axis: `outputs` pixels from the source span [start, start + length), which lies
// within [0, sourceSize).
std::vector<Taps> AxisTaps(int outputs, double start, double length, int sourceSize) {
  std::vector<Taps> taps(static_cast<std::size_t>(outputs));
  const double scale = length / outputs;
  for (int out = 0; out < outputs; ++out) {
    Taps& tap = taps[static_cast<std::size_t>(out)];
    if (scale > 1.0) {
      // Shrinking: the share of each source pixel in the span the output pixel covers.
      const double from = start + out * scale;
      const double to = from + scale;
      tap.first = static_cast<int>(std::floor(from));
      for (int source = tap.first; source < to && source < sourceSize; ++source) {
        const double covered = std::min<double>(to, source + 1) - std::max<double>(from, source);
        tap.weights.push_back(covered / scale);
      }
    } else {
      // Growing: between the two source pixels whose centres are nearest.
      const double centre = std::clamp(start + (out + 0.5) * scale - 0.5, 0.0, sourceSize - 1.0);
      tap.first = static_cast<int>(std::floor(centre));
      const double toNext = centre - tap.first;
      tap.weights = {1.0 - toNext};
      if (tap.first + 1 < sourceSize) {
        tap.weights.push_back(toNext);
      }
    }
  }
  return taps;
}

}  // namespace

void CoverPreview(const std::uint8_t* pixels, int width, int height, std::uint8_t* preview) {
  // The largest 4:3 part of the picture, in its middle.
  const bool wider =
      static_cast<double>(width) * kPreviewHeight > static_cast<double>(height) * kPreviewWidth;
  const double cropWidth = wider ? height * double{kPreviewWidth} / kPreviewHeight : width;
  const double cropHeight = wider ? height : width * double{kPreviewHeight} / kPreviewWidth;
  const std::vector<Taps> across =
      AxisTaps(kPreviewWidth, (width - cropWidth) / 2, cropWidth, width);
  const std::vector<Taps> down =
      AxisTaps(kPreviewHeight, (height - cropHeight) / 2, cropHeight, height);

  // Rows first: each source row the preview needs, narrowed to the preview's width.
  const int firstRow = down.front().first;
  const int lastRow = down.back().first + static_cast<int>(down.back().weights.size());
  std::vector<double> narrowed(static_cast<std::size_t>(lastRow - firstRow) * kPreviewWidth * 3);
  for (int row = firstRow; row < lastRow; ++row) {
    const std::uint8_t* line = pixels + static_cast<std::size_t>(row) * width * 4;
    double* into = &narrowed[static_cast<std::size_t>(row - firstRow) * kPreviewWidth * 3];
    for (const Taps& tap : across) {
      for (std::size_t i = 0; i < tap.weights.size(); ++i) {
        const std::uint8_t* pixel = line + (static_cast<std::size_t>(tap.first) + i) * 4;
        for (int channel = 0; channel < 3; ++channel) {
          into[channel] += tap.weights[i] * pixel[channel];
        }
      }
      into += 3;
    }
  }
  for (int y = 0; y < kPreviewHeight; ++y) {
    const Taps& tap = down[static_cast<std::size_t>(y)];
    for (int x = 0; x < kPreviewWidth; ++x) {
      std::uint8_t* out = preview + (static_cast<std::size_t>(y) * kPreviewWidth + x) * 4;
      for (int channel = 0; channel < 3; ++channel) {
        double sum = 0;
        for (std::size_t i = 0; i < tap.weights.size(); ++i) {
          const std::size_t row = static_cast<std::size_t>(tap.first - firstRow) + i;
          sum += tap.weights[i] * narrowed[(row * kPreviewWidth + x) * 3 + channel];
        }
        out[channel] = static_cast<std::uint8_t>(std::clamp(std::lround(sum), 0L, 255L));
      }
      out[kPreviewFourthByte] = 0xFF;
    }
  }
}
