// The still capture: one frame drawn offscreen, written as a PNG beside its final name and
// renamed when complete.
#include "still_capture.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "capture_surface.h"
#include "host/frame.h"
#include "pending_file.h"
#include "png_file.h"
#include "report.h"
#include "screen.h"

int RunStillCapture(const CaptureOptions& options) {
  std::string error;
  PendingFile still;
  if (!still.Create(options.out, error)) return ReportUsageError(error);

  OffscreenWindow window;
  if (!OpenFrameSurface(window, error)) return ReportFailure("cannot draw offscreen: " + error);
  RgbPicture picture;
  CaptureFrame(window, FrameInput{options.scene, options.t, options.cursor}, picture);
  CloseFrameSurface(window);

  std::FILE* file = std::fopen(still.TemporaryPath().c_str(), "wb");
  if (file == nullptr) {
    return ReportFailure("cannot write " + still.TemporaryPath() + ": " + std::strerror(errno));
  }
  const bool written = WritePng(file, picture, gResX, gResY, error);
  const bool closed = std::fclose(file) == 0;
  if (!written) return ReportFailure("cannot write " + options.out + ": " + error);
  if (!closed) return ReportFailure("cannot write " + options.out + ": " + std::strerror(errno));
  if (!still.Commit(error)) return ReportFailure(error);
  return 0;
}
