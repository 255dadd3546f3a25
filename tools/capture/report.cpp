// Messages and exit statuses.
#include "report.h"

#include <cstdio>

#include "capture_options.h"
#include "interrupt.h"

void Report(const std::string& message) {
  std::fprintf(stderr, "demo-capture: %s\n", message.c_str());
}

int ReportFailure(const std::string& message) {
  Report(message);
  return 1;
}

int ReportUsageError(const std::string& message) {
  Report(message);
  std::fprintf(stderr, "\n%s", CaptureUsage());
  return 2;
}

int ReportInterrupted(bool streamed) {
  Report(streamed ? "interrupted; the stream written so far is incomplete"
                  : "interrupted; nothing was written");
  return 128 + InterruptSignal();
}
