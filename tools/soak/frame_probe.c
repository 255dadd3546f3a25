/* Preloaded into the demo by the soak script: wraps the buffer swap to count frames and
 * find the longest gap between two presented frames, written to $FRAME_PROBE_OUT at exit. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

typedef void (*SwapFunction)(void* window);

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
  if (frames == 0) firstSwap = now;
  /* The first minute is warm-up (scene 1, the change of scene); gaps are counted after it. */
  if (frames > 0 && now - firstSwap > 60 && now - lastSwap > longestGap) {
    longestGap = now - lastSwap;
    longestGapAt = now - firstSwap;
  }
  lastSwap = now;
  ++frames;
}

__attribute__((destructor)) static void Report(void) {
  const char* path = getenv("FRAME_PROBE_OUT");
  FILE* out = path != NULL ? fopen(path, "w") : NULL;
  if (out == NULL) return;
  fprintf(out, "frames %lu\nseconds %.1f\nlongest_gap_ms %.1f\nlongest_gap_at_s %.1f\n", frames,
          lastSwap - firstSwap, longestGap * 1000, longestGapAt);
  fclose(out);
}
