#include <wincodec.h>
#include <wrl/client.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/detail/backend_contract.h"
#include "platform/win32/wic_source_transform.h"

namespace platform::detail {

namespace {

using Microsoft::WRL::ComPtr;

constexpr UINT kBytesPerPixel = 4;

bool TooLarge(UINT width, UINT height) {
  return std::uint64_t{width} * height * kBytesPerPixel > kLargestPicture;
}

// The smallest size the decoder reduces the picture to by itself (a JPEG decoder's halves,
// quarters or eighths, decoded at that size at a fraction of the cost) that still covers the
// cover size where the picture does; the picture's own size where it reduces nothing.
std::pair<UINT, UINT> ReducedSize(IWICBitmapFrameDecode& frame, UINT width, UINT height,
                                  int coverWidth, int coverHeight) {
  ComPtr<IWICBitmapSourceTransform> transform;
  if (FAILED(frame.QueryInterface(IID_PPV_ARGS(&transform)))) {
    return {width, height};
  }
  const UINT leastWidth = std::min(width, static_cast<UINT>(coverWidth));
  const UINT leastHeight = std::min(height, static_cast<UINT>(coverHeight));
  for (const UINT divisor : {8u, 4u, 2u}) {
    UINT reducedWidth = (width + divisor - 1) / divisor;
    UINT reducedHeight = (height + divisor - 1) / divisor;
    if (SUCCEEDED(transform->GetClosestSize(&reducedWidth, &reducedHeight)) &&
        reducedWidth >= leastWidth && reducedHeight >= leastHeight && reducedWidth < width) {
      return {reducedWidth, reducedHeight};
    }
  }
  return {width, height};
}

// The frame, or a scaler over it at a size the decoder gives by itself: WIC's scaler then has the
// decoder decode at that size. Nothing is smoothed here; the caller scales to the preview.
ComPtr<IWICBitmapSource> AtSize(IWICImagingFactory& factory, IWICBitmapFrameDecode& frame,
                                UINT& width, UINT& height, int coverWidth, int coverHeight) {
  const auto [reducedWidth, reducedHeight] =
      ReducedSize(frame, width, height, coverWidth, coverHeight);
  ComPtr<IWICBitmapScaler> scaler;
  if (reducedWidth != width && SUCCEEDED(factory.CreateBitmapScaler(&scaler)) &&
      SUCCEEDED(scaler->Initialize(&frame, reducedWidth, reducedHeight,
                                   WICBitmapInterpolationModeNearestNeighbor))) {
    width = reducedWidth;
    height = reducedHeight;
    return scaler;
  }
  return &frame;
}

// Once the header has shown a picture of a size that fits, whatever the decoder cannot take is
// damage (Wine reports a PNG cut short as an unknown format).
PictureRead Decode(IWICImagingFactory& factory, IWICStream& stream, int coverWidth, int coverHeight,
                   Picture& picture) {
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  UINT width = 0;
  UINT height = 0;
  if (FAILED(factory.CreateDecoderFromStream(&stream, nullptr, WICDecodeMetadataCacheOnDemand,
                                             &decoder)) ||
      FAILED(decoder->GetFrame(0, &frame)) || FAILED(frame->GetSize(&width, &height)) ||
      width == 0 || height == 0) {
    return PictureRead::kDamaged;
  }
  if (TooLarge(width, height)) {
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    return PictureRead::kTooLarge;
  }
  const ComPtr<IWICBitmapSource> source =
      AtSize(factory, *frame.Get(), width, height, coverWidth, coverHeight);
  ComPtr<IWICFormatConverter> converter;
  const UINT stride = width * kBytesPerPixel;
  std::vector<BYTE> pixels(std::size_t{stride} * height);
  if (FAILED(factory.CreateFormatConverter(&converter)) ||
      FAILED(converter->Initialize(source.Get(), GUID_WICPixelFormat32bppBGR,
                                   WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom)) ||
      FAILED(converter->CopyPixels(nullptr, stride, static_cast<UINT>(pixels.size()),
                                   pixels.data()))) {
    return PictureRead::kDamaged;
  }
  picture.width = static_cast<int>(width);
  picture.height = static_cast<int>(height);
  picture.pixels = std::move(pixels);
  return PictureRead::kRead;
}

}  // namespace

// With the Windows Imaging Component, in the thread's apartment (StartApplication joins one).
PictureRead DecodePicture(std::span<const BYTE> file, int coverWidth, int coverHeight,
                          Picture& picture) {
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICStream> stream;
  // Failures here are the system's, not the file's: it would not let the program read it.
  // The stream only reads the bytes, though its signature takes them as writable.
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_PPV_ARGS(&factory))) ||
      FAILED(factory->CreateStream(&stream)) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(file.data()),
                                          static_cast<DWORD>(file.size())))) {
    return PictureRead::kUnreadable;
  }
  return Decode(*factory.Get(), *stream.Get(), coverWidth, coverHeight, picture);
}

}  // namespace platform::detail
