// The video capture: checks, frames and soundtrack streamed through ffmpeg, the final rename.
#include "video_capture.h"

#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "capture_clock.h"
#include "ffmpeg_process.h"
#include "host/frame.h"
#include "host/scene_timeline.h"
#include "interrupt.h"
#include "output_target.h"
#include "platform/offscreen/picture_readback.h"
#include "progress.h"
#include "report.h"
#include "screen.h"
#include "soundtrack_stream.h"

namespace {

// Raw RGB frames on standard input and raw float samples on the sound pipe, into H.264 (4:2:0,
// BT.709, the widest-played profile) and AAC in an MP4 that can start playing while it
// downloads. AAC's encoder delay is recorded in the MP4's edit list and the last packet's
// length, so players present exactly the samples rendered, starting with the first frame.
// A stream cannot be rewound to write the index at the front, so there the MP4 is fragmented:
// an empty index first, then self-contained fragments from each key frame on.
// The picture is scaled to the frame size with its shape kept, centred between black bars,
// in RGB so the bars are exactly black; at the picture's own size (as a sharp picture is
// drawn) both steps pass it through.
std::vector<std::string> FfmpegArguments(const CaptureOptions& options, const OutputTarget& video) {
  const PictureSize drawn = CaptureDrawingSize(options);
  const std::string size = std::to_string(drawn.width) + "x" + std::to_string(drawn.height);
  const std::string frame = std::to_string(options.width) + ":" + std::to_string(options.height);
  const std::string filters = "scale=" + frame +
                              ":force_original_aspect_ratio=decrease:flags=lanczos," +  //
                              "pad=" + frame + ":(ow-iw)/2:(oh-ih)/2:black," +          //
                              "scale=out_color_matrix=bt709:out_range=tv,format=yuv420p";
  // clang-format off
  return {
      "-hide_banner", "-loglevel", "error", "-nostdin",
      "-f", "rawvideo", "-pix_fmt", "rgb24", "-video_size", size,
      "-framerate", std::to_string(options.fps), "-i", "pipe:0",
      "-f", "f32le", "-ar", std::to_string(kSoundRate), "-ac", "2",
      "-i", "pipe:" + std::to_string(FfmpegProcess::kSoundInput),
      "-map", "0:v:0", "-map", "1:a:0",
      "-vf", filters,
      "-colorspace", "bt709", "-color_primaries", "bt709", "-color_trc", "bt709",
      "-c:v", "libx264", "-preset", "veryfast", "-crf", "18",
      "-c:a", "aac", "-b:a", "192k",
      "-movflags", video.Streamed() ? "frag_keyframe+empty_moov+default_base_moof" : "+faststart",
      "-f", "mp4", "-y", video.Streamed() ? "pipe:1" : video.TemporaryPath()};
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
  const PictureSize size = window.WhereToDraw().size;
  window.beforeSwap = [&] {
    ReadPictureRows(size.width, size.height, picture);
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
  OutputTarget video;
  if (!video.Open(options.out, error)) return ReportUsageError(error);

  // The speed shown counts everything from here: set-up, frames, soundtrack and encoding.
  const std::int64_t frames = VideoFrameCount(options.seconds, options.fps);
  ProgressLine progress(frames, options.fps, stderr, isatty(STDERR_FILENO) == 1);
  OffscreenWindow window;
  if (!OpenFrameSurface(window, error, CaptureDrawingSize(options))) {
    return ReportFailure("cannot draw offscreen: " + error);
  }

  const std::unique_ptr<ModuleRenderer> music = OpenSoundtrack();

  // Declared before the encoder, so that on every way out the encoder is killed first, which
  // ends any write the sound thread is blocked in, and only then is the thread joined.
  SoundtrackWriter sound;
  FfmpegProcess encoder;
  if (!encoder.Start(ffmpeg, FfmpegArguments(options, video), video.Stream(), error)) {
    return ReportFailure(error);
  }
  sound.Start(*music, AudioFrameCount(frames, options.fps, kSoundRate), encoder.TakeSoundInput());
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
    return ReportInterrupted(video.Streamed());
  }
  // ffmpeg reads the sound to its end before it exits, so the sound thread is done by then.
  const bool encoded = encoder.Finish(error);
  std::string soundError;
  const bool soundWritten = sound.Join(soundError);
  if (Interrupted()) return ReportInterrupted(video.Streamed());
  if (!encoded) return ReportFailure(error);
  if (!soundWritten) return ReportFailure(soundError);
  if (delivered < frames) return ReportFailure("ffmpeg stopped reading frames before the end");
  if (!video.Commit(error)) return ReportFailure(error);

  char summary[200];
  std::snprintf(summary, sizeof summary,
                "wrote %s: %lld frames at %d fps (%.2f s) in %.1f s, "
                "%.2fx real time",
                video.Name().c_str(), static_cast<long long>(frames), options.fps,
                static_cast<double>(frames) / options.fps, progress.WallSeconds(),
                static_cast<double>(frames) / options.fps / progress.WallSeconds());
  Report(summary);
  return 0;
}
