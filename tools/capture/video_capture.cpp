// The video capture: checks, soundtrack, frames through ffmpeg, and the final rename.
#include "video_capture.h"

#include <string>
#include <vector>

#include "capture_clock.h"
#include "ffmpeg_process.h"
#include "host/frame.h"
#include "host/scene_loop.h"
#include "interrupt.h"
#include "pending_file.h"
#include "platform/offscreen/picture_readback.h"
#include "progress.h"
#include "report.h"
#include "screen.h"
#include "soundtrack_file.h"

namespace {

// Raw RGB frames on standard input and raw float samples from a file, into H.264 (4:2:0,
// BT.709, the widest-played profile) and AAC in an MP4 that can start playing while it
// downloads. AAC's encoder delay is recorded in the MP4's edit list and the last packet's
// length, so players present exactly the samples rendered, starting with the first frame.
std::vector<std::string> FfmpegArguments(int fps, const std::string& soundPath,
                                         const std::string& videoPath) {
  const std::string size = std::to_string(gResX) + "x" + std::to_string(gResY);
  // clang-format off
  return {
      "-hide_banner", "-loglevel", "error", "-nostdin",
      "-f", "rawvideo", "-pix_fmt", "rgb24", "-video_size", size,
      "-framerate", std::to_string(fps), "-i", "pipe:0",
      "-f", "f32le", "-ar", std::to_string(kSoundRate), "-ac", "2", "-i", soundPath,
      "-map", "0:v:0", "-map", "1:a:0",
      "-vf", "scale=out_color_matrix=bt709:out_range=tv,format=yuv420p",
      "-colorspace", "bt709", "-color_primaries", "bt709", "-color_trc", "bt709",
      "-c:v", "libx264", "-preset", "veryfast", "-crf", "18",
      "-c:a", "aac", "-b:a", "192k",
      "-movflags", "+faststart", "-f", "mp4", "-y", videoPath};
  // clang-format on
}

bool StopRequested() { return Interrupted(); }

}  // namespace

std::int64_t RenderVideoFrames(OffscreenWindow& window, std::int64_t frames, int fps, bool orbit,
                               const FrameSink& sink) {
  // The demo's own loop draws the frames, on a clock that moves one frame per swap; each
  // frame is read as it is swapped.
  CaptureClock clock(fps, orbit, frames);
  RgbPicture picture;
  std::int64_t accepted = 0;
  window.beforeSwap = [&] {
    ReadPictureRows(gResX, gResY, picture);
    const bool more = sink(clock.Frame(), picture);
    if (more) ++accepted;
    clock.FrameDone(more);
  };
  RunScenes(window, clock, DrawFrame);
  window.beforeSwap = nullptr;
  return accepted;
}

int RunVideoCapture(const CaptureOptions& options) {
  const std::string ffmpeg = FindProgramOnPath("ffmpeg");
  if (ffmpeg.empty()) {
    return ReportFailure(
        "the ffmpeg program was not found on PATH; install the Debian package ffmpeg "
        "(sudo apt-get install ffmpeg)");
  }
  std::string error;
  PendingFile video;
  PendingFile sound;
  if (!video.Create(options.out, error) || !sound.Create(options.out + ".sound", error)) {
    return ReportUsageError(error);
  }

  // The speed shown counts everything from here: set-up, soundtrack, frames and encoding.
  const std::int64_t frames = VideoFrameCount(options.seconds, options.fps);
  ProgressLine progress(frames, options.fps);
  OffscreenWindow window;
  if (!OpenFrameSurface(window, error)) return ReportFailure("cannot draw offscreen: " + error);

  if (!WriteSoundtrack(sound.TemporaryPath(), AudioFrameCount(frames, options.fps, kSoundRate),
                       error)) {
    return Interrupted() ? ReportInterrupted() : ReportFailure(error);
  }

  FfmpegProcess encoder;
  if (!encoder.Start(ffmpeg,
                     FfmpegArguments(options.fps, sound.TemporaryPath(), video.TemporaryPath()),
                     error)) {
    return ReportFailure(error);
  }
  progress.Update(0);
  const std::int64_t delivered =
      RenderVideoFrames(window, frames, options.fps, options.orbit,
                        [&](std::int64_t frame, const RgbPicture& picture) {
                          if (!encoder.Write(picture.data(), picture.size(), StopRequested))
                            return false;
                          progress.Update(frame + 1);
                          return !Interrupted();
                        });
  progress.Finish();
  CloseFrameSurface(window);

  if (Interrupted()) {
    encoder.Kill();
    return ReportInterrupted();
  }
  const bool encoded = encoder.Finish(error);
  if (Interrupted()) return ReportInterrupted();
  if (!encoded) return ReportFailure(error);
  if (delivered < frames) return ReportFailure("ffmpeg stopped reading frames before the end");
  if (!video.Commit(error)) return ReportFailure(error);

  char summary[200];
  std::snprintf(summary, sizeof summary,
                "wrote %s: %lld frames at %d fps (%.2f s) in %.1f s, "
                "%.2fx real time",
                options.out.c_str(), static_cast<long long>(frames), options.fps,
                static_cast<double>(frames) / options.fps, progress.WallSeconds(),
                static_cast<double>(frames) / options.fps / progress.WallSeconds());
  Report(summary);
  return 0;
}
