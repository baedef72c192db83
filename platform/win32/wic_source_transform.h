#pragma once

#include <wincodec.h>

// A decoder frame's own scaling (a JPEG decoder's halves, quarters and eighths), which
// MinGW-w64's wincodec.h does not declare. Declared as the Windows SDK has it: the methods in
// their order in the table.
#pragma GCC diagnostic push
// Its objects go with Release, never through a destructor.
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
// It reads the interface macro as an expression:
// clang-format off
MIDL_INTERFACE("3b16811b-6a43-4ec9-b713-3d5a0c13b940")
IWICBitmapSourceTransform : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE CopyPixels(const WICRect* prc, UINT uiWidth, UINT uiHeight,
                                               WICPixelFormatGUID* pguidDstFormat,
                                               WICBitmapTransformOptions dstTransform,
                                               UINT nStride, UINT cbBufferSize, BYTE* pbBuffer) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetClosestSize(UINT* puiWidth, UINT* puiHeight) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetClosestPixelFormat(WICPixelFormatGUID* pguidDstFormat) = 0;
  virtual HRESULT STDMETHODCALLTYPE DoesSupportTransform(WICBitmapTransformOptions dstTransform,
                                                         BOOL* pfIsSupported) = 0;
};
// clang-format on
#pragma GCC diagnostic pop
__CRT_UUID_DECL(IWICBitmapSourceTransform, 0x3b16811b, 0x6a43, 0x4ec9, 0xb7, 0x13, 0x3d, 0x5a, 0x0c,
                0x13, 0xb9, 0x40)
