// The still capture: one frame drawn offscreen, written as a PNG beside its final name and
// renamed when complete, or streamed.
#include "still_capture.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "capture_surface.h"
#include "host/frame.h"
#include "output_target.h"
#include "png_file.h"
#include "report.h"
#include "screen.h"

int RunStillCapture(const CaptureOptions& options) {
  std::string error;
  OutputTarget still;
  if (!still.Open(options.out, error)) return ReportUsageError(error);

  const PictureSize size = CaptureDrawingSize(options);
  OffscreenWindow window;
  if (!OpenFrameSurface(window, error, size)) {
    return ReportFailure("cannot draw offscreen: " + error);
  }
  RgbPicture picture;
  CaptureFrame(window, FrameInput{options.scene, options.t, options.cursor, DrawingArea{size}},
               picture);
  CloseFrameSurface(window);

  const int streamCopy = still.Streamed() ? dup(still.Stream()) : -1;
  std::FILE* file =
      still.Streamed() ? fdopen(streamCopy, "wb") : std::fopen(still.TemporaryPath().c_str(), "wb");
  if (file == nullptr) {
    if (streamCopy >= 0) close(streamCopy);
    return ReportFailure("cannot write " + still.Name() + ": " + std::strerror(errno));
  }
  const bool written = WritePng(file, picture, size.width, size.height, error);
  const bool closed = std::fclose(file) == 0;
  if (!written) return ReportFailure("cannot write " + still.Name() + ": " + error);
  if (!closed) return ReportFailure("cannot write " + still.Name() + ": " + std::strerror(errno));
  if (!still.Commit(error)) return ReportFailure(error);
  return 0;
}
