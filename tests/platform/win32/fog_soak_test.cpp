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

// What the process holds that an opening could leave behind: GDI and USER objects, this thread's
// windows, and the bytes in use on the heaps, which hold the program's memory and the controls'.
std::vector<long long> Holdings() {
  // Wine counts no GDI objects, but takes a handle's table index alone for the handle, as
  // 16-bit Windows did: there they are counted by index.
  long long gdiByIndex = 0;
  for (std::uintptr_t index = 1; index <= 0xFFFF; ++index) {
    gdiByIndex += GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0 ? 1 : 0;
  }
  long long windows = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND, LPARAM count) {
        ++*reinterpret_cast<long long*>(count);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr));
  heaps.resize(GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
  long long heapBytes = 0;
  for (const HANDLE heap : heaps) {
    PROCESS_HEAP_ENTRY entry{};
    HeapLock(heap);
    while (HeapWalk(heap, &entry)) {
      heapBytes += (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0 ? entry.cbData : 0;
    }
    HeapUnlock(heap);
  }
  const HANDLE process = GetCurrentProcess();
  return {std::max<long long>(GetGuiResources(process, GR_GDIOBJECTS), gdiByIndex),
          GetGuiResources(process, GR_USEROBJECTS), windows, heapBytes};
}

// What the openings add once the first ones have filled caches and painted each kind of control.
std::vector<long long> Growth(const std::function<void()>& open) {
  for (int opening = 0; opening < kSettling; ++opening) {
    open();
  }
  std::vector<long long> growth = Holdings();
  for (int opening = kSettling; opening < kOpenings; ++opening) {
    open();
  }
  const std::vector<long long> after = Holdings();
  std::transform(after.begin(), after.end(), growth.begin(), growth.begin(), std::minus<>());
  return growth;
}

// The Fog helper's template run by Windows alone, without its picture: what the system's own
// controls keep. Wine's static controls keep 24 bytes each once given a font; Windows' do not.
void OpenPlainly() {
  const std::vector<WORD> bytes = platform::win32::BuildDialogTemplate(
      *platform::detail::FindDialogTemplate(ProgramResources(), IDD_FOG_SETTINGS));
  DialogBoxIndirectParamW(
      ResourcesWithoutBitmaps(), reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), nullptr,
      [](HWND dialog, UINT message, WPARAM, LPARAM) -> INT_PTR {
        if (message == WM_INITDIALOG) {
          PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        } else if (message == WM_COMMAND) {
          EndDialog(dialog, IDOK);
        }
        return message == WM_INITDIALOG || message == WM_COMMAND;
      },
      0);
}

TEST(FogSoak, FiveHundredOpeningsKeepNothingOfTheirOwn) {
  CEntityHelperApp app;
  const long long controls = Growth(OpenPlainly).back();
  std::vector<long long> growth = Growth([] {
    CFogSettingsDlg dialog;
    RunModal(dialog, [&] {
      MoveSliderByHand(dialog, IDC_FOG_ALPHA, SliderGesture::kKey);
      dialog.EndDialog(IDOK);
    });
  });
  EXPECT_LT(growth.back() - controls, kGrowthAtMost)
      << "the system's controls kept " << controls << " bytes";
  growth.pop_back();
  EXPECT_EQ(growth, std::vector<long long>(3, 0)) << "GDI objects, USER objects, windows";
}

}  // namespace
