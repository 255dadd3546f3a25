// Windows' counter, timer periods and display rates. QueryDisplayConfig is looked up at run
// time: systems before Windows 7 lack it, and the program still starts there (with VREFRESH).
#include "win32_timing_calls.h"

#include <cwchar>
#include <vector>

namespace {

using GetBufferSizesProc = LONG(WINAPI*)(UINT32 flags, UINT32* paths, UINT32* modes);
using QueryDisplayConfigProc = LONG(WINAPI*)(UINT32 flags, UINT32* pathCount,
                                             DISPLAYCONFIG_PATH_INFO* paths, UINT32* modeCount,
                                             DISPLAYCONFIG_MODE_INFO* modes,
                                             DISPLAYCONFIG_TOPOLOGY_ID* topology);
using GetDeviceInfoProc = LONG(WINAPI*)(DISPLAYCONFIG_DEVICE_INFO_HEADER* request);

template <typename Proc>
Proc User32Function(const char* name) {
  const HMODULE user32 = GetModuleHandleA("user32.dll");
  return user32 != nullptr
             ? reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(GetProcAddress(user32, name)))
             : nullptr;
}

// The GDI name of the display the window is on ("\\.\DISPLAY1"), as the display paths name it.
std::wstring MonitorDeviceName(HWND window) {
  MONITORINFOEXW info{};
  info.cbSize = sizeof info;
  const HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY);
  if (monitor == nullptr || !GetMonitorInfoW(monitor, &info)) return L"";
  return info.szDevice;
}

}  // namespace

std::int64_t Win32TimingCalls::QueryPerformanceCounter() {
  LARGE_INTEGER counter{};
  ::QueryPerformanceCounter(&counter);
  return counter.QuadPart;
}

std::int64_t Win32TimingCalls::QueryPerformanceFrequency() {
  LARGE_INTEGER perSecond{};
  ::QueryPerformanceFrequency(&perSecond);
  return perSecond.QuadPart;
}

bool Win32TimingCalls::timeBeginPeriod(std::uint32_t milliseconds) {
  return ::timeBeginPeriod(milliseconds) == TIMERR_NOERROR;
}

void Win32TimingCalls::timeEndPeriod(std::uint32_t milliseconds) { ::timeEndPeriod(milliseconds); }

int Win32TimingCalls::GetDeviceCapsVRefresh() {
  if (*window_ == nullptr) return 0;
  const HDC deviceContext = GetDC(*window_);
  if (deviceContext == nullptr) return 0;
  const int refreshHz = GetDeviceCaps(deviceContext, VREFRESH);
  ReleaseDC(*window_, deviceContext);
  return refreshHz;
}

RefreshRatio Win32TimingCalls::QueryDisplayConfigRefresh() {
  static const auto getBufferSizes =
      User32Function<GetBufferSizesProc>("GetDisplayConfigBufferSizes");
  static const auto queryDisplayConfig =
      User32Function<QueryDisplayConfigProc>("QueryDisplayConfig");
  static const auto getDeviceInfo = User32Function<GetDeviceInfoProc>("DisplayConfigGetDeviceInfo");
  if (*window_ == nullptr || getBufferSizes == nullptr || queryDisplayConfig == nullptr ||
      getDeviceInfo == nullptr) {
    return RefreshRatio{};
  }
  UINT32 pathCount = 0;
  UINT32 modeCount = 0;
  if (getBufferSizes(QDC_ONLY_ACTIVE_PATHS, &pathCount, &modeCount) != ERROR_SUCCESS) {
    return RefreshRatio{};
  }
  std::vector<DISPLAYCONFIG_PATH_INFO> paths(pathCount);
  std::vector<DISPLAYCONFIG_MODE_INFO> modes(modeCount);
  if (queryDisplayConfig(QDC_ONLY_ACTIVE_PATHS, &pathCount, paths.data(), &modeCount, modes.data(),
                         nullptr) != ERROR_SUCCESS) {
    return RefreshRatio{};
  }
  const std::wstring monitor = MonitorDeviceName(*window_);
  for (UINT32 i = 0; i < pathCount; ++i) {
    DISPLAYCONFIG_SOURCE_DEVICE_NAME source{};
    source.header.type = DISPLAYCONFIG_DEVICE_INFO_GET_SOURCE_NAME;
    source.header.size = sizeof source;
    source.header.adapterId = paths[i].sourceInfo.adapterId;
    source.header.id = paths[i].sourceInfo.id;
    if (getDeviceInfo(&source.header) != ERROR_SUCCESS) continue;
    if (monitor != source.viewGdiDeviceName) continue;
    const DISPLAYCONFIG_RATIONAL rate = paths[i].targetInfo.refreshRate;
    return RefreshRatio{rate.Numerator, rate.Denominator};
  }
  return RefreshRatio{};
}
