#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

#include "app/entity_helper_app.h"
#include "dialogs/fog_settings_dlg.h"
#include "platform/detail/resources.h"
#include "platform/win32/dialog_template.h"
#include "res/resource.h"
#include "res/resources.h"
#include "tests/support/dialog_driver.h"

namespace {

constexpr int kSettling = 50;  // caches fill, each kind of control paints once
constexpr int kOpenings = 500;
constexpr long long kGrowthAtMost = 64 * 1024;

// What the process holds that an opening could leave behind. The heaps hold the program's
// memory and the controls'.
struct Holdings {
  DWORD gdiObjects;
  DWORD userObjects;
  int windows;
  long long heapBytes;
};

// As Windows counts them. Wine counts none, but takes a handle's table index alone for the
// handle, as 16-bit Windows did: there they are counted by index.
DWORD GdiObjects() {
  DWORD byIndex = 0;
  for (std::uintptr_t index = 1; index <= 0xFFFF; ++index) {
    byIndex += GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0 ? 1 : 0;
  }
  return std::max(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), byIndex);
}

long long HeapBytesInUse() {
  std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr));
  heaps.resize(GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
  long long bytes = 0;
  for (const HANDLE heap : heaps) {
    PROCESS_HEAP_ENTRY entry{};
    HeapLock(heap);
    while (HeapWalk(heap, &entry)) {
      if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0) {
        bytes += static_cast<long long>(entry.cbData);
      }
    }
    HeapUnlock(heap);
  }
  return bytes;
}

Holdings Now() {
  int windows = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND, LPARAM count) {
        ++*reinterpret_cast<int*>(count);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return {GdiObjects(), GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), windows,
          HeapBytesInUse()};
}

// The holdings once the openings have settled, and after all of them.
std::pair<Holdings, Holdings> Soak(const std::function<void()>& open) {
  for (int opening = 0; opening < kSettling; ++opening) {
    open();
  }
  const Holdings settled = Now();
  for (int opening = kSettling; opening < kOpenings; ++opening) {
    open();
  }
  return {settled, Now()};
}

INT_PTR CALLBACK EndAtOnce(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) {
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    return TRUE;
  }
  if (message == WM_COMMAND) {
    EndDialog(dialog, IDOK);
    return TRUE;
  }
  return FALSE;
}

// The Fog helper's template run by Windows alone, without its picture: what the system's own
// controls keep. Wine's static controls keep 24 bytes each once given a font; Windows' do not.
void OpenPlainly() {
  const std::vector<WORD> bytes = platform::win32::BuildDialogTemplate(
      *platform::detail::FindDialogTemplate(ProgramResources(), IDD_FOG_SETTINGS));
  DialogBoxIndirectParamW(ResourcesWithoutBitmaps(),
                          reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), nullptr, EndAtOnce, 0);
}

TEST(FogSoak, FiveHundredOpeningsKeepNothingOfTheirOwn) {
  CEntityHelperApp app;
  const auto [plainSettled, plainAfter] = Soak(OpenPlainly);
  const auto [settled, after] = Soak([] {
    CFogSettingsDlg dialog;
    RunModal(dialog, [&] {
      MoveSliderByHand(dialog, IDC_FOG_ALPHA, SliderGesture::kKey);
      dialog.EndDialog(IDOK);
    });
  });
  EXPECT_EQ(after.gdiObjects, settled.gdiObjects);
  EXPECT_EQ(after.userObjects, settled.userObjects);
  EXPECT_EQ(after.windows, settled.windows);
  const long long controls = plainAfter.heapBytes - plainSettled.heapBytes;
  EXPECT_LT(after.heapBytes - settled.heapBytes - controls, kGrowthAtMost)
      << "the system's controls kept " << controls << " bytes";
}

}  // namespace
