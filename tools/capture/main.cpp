// demo-capture: renders the demo offscreen to an MP4 video or to a PNG still.
#include <cstdio>

#include "capture_options.h"
#include "interrupt.h"
#include "report.h"
#include "still_capture.h"
#include "video_capture.h"

int main(int argc, char** argv) {
  CatchInterrupts();
  const ParsedCommandLine parsed = ParseCaptureOptions(argc, argv);
  switch (parsed.outcome) {
    case ParsedCommandLine::Outcome::Help:
      std::fputs(CaptureUsage(), stdout);
      return 0;
    case ParsedCommandLine::Outcome::Error:
      return ReportUsageError(parsed.error);
    case ParsedCommandLine::Outcome::Run:
      break;
  }
  return parsed.options.mode == CaptureOptions::Mode::Still ? RunStillCapture(parsed.options)
                                                            : RunVideoCapture(parsed.options);
}
