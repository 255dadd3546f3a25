// The real system's timing calls for the Windows clock.
#pragma once

#include "windows_api.h"
#include "windows_clock.h"

class Win32TimingCalls final : public WindowsTimingCalls {
 public:
  // The rate is read for the display that *window shows on, whenever it is asked; the handle
  // may be null until the window exists.
  explicit Win32TimingCalls(const HWND* window) : window_(window) {}

  std::int64_t QueryPerformanceCounter() override;
  std::int64_t QueryPerformanceFrequency() override;
  bool timeBeginPeriod(std::uint32_t milliseconds) override;
  void timeEndPeriod(std::uint32_t milliseconds) override;
  void Sleep(std::uint32_t milliseconds) override { ::Sleep(milliseconds); }
  void MsgWaitForMultipleObjects(std::uint32_t timeoutMs) override {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs, QS_ALLINPUT);
  }
  int GetDeviceCapsVRefresh() override;
  RefreshRatio QueryDisplayConfigRefresh() override;

 private:
  const HWND* window_;
};
