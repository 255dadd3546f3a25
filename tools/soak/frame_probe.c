/* Preloaded into the demo by the soak script and the pacing test: wraps the buffer swap to
 * count frames and find the longest gap between two presented frames, and the wait for events
 * to learn how long the demo chose to wait between two frames (the timeouts it asked for, which
 * a busy machine does not lengthen). Written to $FRAME_PROBE_OUT at exit. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

typedef void (*SwapFunction)(void* window);
typedef int (*WaitFunction)(void* event, int timeoutMs);

/* How many frames asked for each total wait before them, in whole milliseconds; the last bin
 * holds the longer ones (such as a wait while the window was hidden). */
enum { kWaitBins = 1001 };
static unsigned long framesByAskedWait[kWaitBins];
static long askedSinceSwap;

static double lastSwap;
static double longestGap;
static double longestGapAt;
static double firstSwap;
static unsigned long frames;

static double Now(void) {
  struct timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return (double)now.tv_sec + (double)now.tv_nsec / 1e9;
}

void SDL_GL_SwapWindow(void* window) {
  static SwapFunction realSwap;
  if (realSwap == NULL) {
    /* POSIX guarantees a function pointer survives the trip through dlsym's void*. */
    void* symbol = dlsym(RTLD_NEXT, "SDL_GL_SwapWindow");
    memcpy(&realSwap, &symbol, sizeof realSwap);
  }
  realSwap(window);
  const double now = Now();
  if (frames > 0) ++framesByAskedWait[askedSinceSwap < kWaitBins ? askedSinceSwap : kWaitBins - 1];
  askedSinceSwap = 0;
  if (frames == 0) firstSwap = now;
  /* The first minute is warm-up (scene 1, the change of scene); gaps are counted after it. */
  if (frames > 0 && now - firstSwap > 60 && now - lastSwap > longestGap) {
    longestGap = now - lastSwap;
    longestGapAt = now - firstSwap;
  }
  lastSwap = now;
  ++frames;
}

int SDL_WaitEventTimeout(void* event, int timeoutMs) {
  static WaitFunction realWait;
  if (realWait == NULL) {
    void* symbol = dlsym(RTLD_NEXT, "SDL_WaitEventTimeout");
    memcpy(&realWait, &symbol, sizeof realWait);
  }
  if (timeoutMs > 0) askedSinceSwap += timeoutMs;
  return realWait(event, timeoutMs);
}

/* The median of the waits asked for between two frames, in milliseconds (-1 with no frames). */
static long MedianAskedWait(void) {
  unsigned long seen = 0;
  for (long ms = 0; ms < kWaitBins; ++ms) {
    seen += framesByAskedWait[ms];
    if (frames > 1 && seen * 2 >= frames - 1) return ms;
  }
  return -1;
}

__attribute__((destructor)) static void Report(void) {
  const char* path = getenv("FRAME_PROBE_OUT");
  FILE* out = path != NULL ? fopen(path, "w") : NULL;
  if (out == NULL) return;
  fprintf(out,
          "frames %lu\nseconds %.1f\nlongest_gap_ms %.1f\nlongest_gap_at_s %.1f\n"
          "median_asked_wait_ms %ld\n",
          frames, lastSwap - firstSwap, longestGap * 1000, longestGapAt, MedianAskedWait());
  fclose(out);
}
