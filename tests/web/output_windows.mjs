// What the page's music output played where it has no audio worklet (chunks scheduled from the
// main thread, through Module.musicOutput.output), seen through one analyser per channel:
// the page keeps, every kPollMs, the last frames the analysers saw (a window) with the audio
// clock's frame at that moment. The windows are then checked against libopenmpt's render:
// each must be one stretch of the song, and from one window to the next the song must have
// moved on exactly as far as the audio clock did. A gap (silence inserted), a repeat or a jump
// breaks either the window it falls in or the step between two windows, even where a busy
// main thread polled too late for the windows to overlap.
import path from 'node:path';
import {fail, nativeRender, pageDir} from './lib.mjs';

const kAnalyserFrames = 32768;
// The oldest frames of a window are left out: the audio thread may be writing there while the
// main thread reads.
const kWindowFrames = kAnalyserFrames - 2048;
const kPollMs = 400;
// How far the audio clock and the analysers' view may be apart when read one after the other:
// a few of the audio thread's 128-frame quanta. A gap the main thread's scheduling leaves is at
// least its lead of 50 ms (2205 frames).
const kClockSlackFrames = 1024;

// Has the page start the analysers and their polling as it opens its music output, before
// any sound (an analyser joined later sees silence before it joined). Call before the demo
// starts.
export function tapOutputWindows(page) {
  return page.evaluate((analyserFrames, windowFrames, pollMs) => {
    const encode = (samples) => {
      const bytes = new Uint8Array(samples.buffer, samples.byteOffset, samples.byteLength);
      let text = '';
      for (let i = 0; i < bytes.length; i += 8192) {
        text += String.fromCharCode(...bytes.subarray(i, i + 8192));
      }
      return btoa(text);
    };
    const tap = (context, output) => {
      if (!output) throw new Error('the music output is the audio worklet, not scheduled chunks');
      const splitter = context.createChannelSplitter(2);
      output.connect(splitter);
      const analysers = [0, 1].map((channel) => {
        const analyser = context.createAnalyser();
        analyser.fftSize = analyserFrames;
        splitter.connect(analyser, channel);
        return analyser;
      });
      setInterval(() => {
        // The clock and both channels read together; the copies are made after.
        const clockFrame = Math.round(context.currentTime * context.sampleRate);
        const [left, right] = analysers.map((analyser) => {
          const samples = new Float32Array(analyserFrames);
          analyser.getFloatTimeDomainData(samples);
          return samples;
        }).map((samples) => encode(samples.subarray(analyserFrames - windowFrames)));
        window.demoWindows.push({clockFrame, left, right});
      }, pollMs);
    };
    window.demoWindows = [];
    const open = Module.openMusicOutput;
    Module.openMusicOutput = (context, ...rest) => {
      const opened = open(context, ...rest);
      tap(context, opened.output);
      return opened;
    };
  }, kAnalyserFrames, kWindowFrames, kPollMs);
}

// The audio clock's frame at the newest window so far; 0 before the first.
export function windowClock(page) {
  return page.evaluate(() => (window.demoWindows.at(-1) || {clockFrame: 0}).clockFrame);
}

function decode(text) {
  const bytes = Buffer.from(text, 'base64');
  return new Float32Array(bytes.buffer, bytes.byteOffset, bytes.length / 4);
}

// Whether `window` (one channel's samples) is the render's (the same channel's) stretch from
// `at` on, from its `from`th frame on; before the render (at < 0: the window starts before the
// song) it must be silent.
function windowIsRenderAt(window, render, at, from = 0) {
  if (at + window.length > render.length) return false;
  for (let i = from; i < window.length; ++i) {
    if (window[i] !== (at + i < 0 ? 0 : render[at + i])) return false;
  }
  return true;
}

// Checks one channel's windows against the render's channel (both Float32Arrays); `heard`
// starts with the first window that holds sound. Fails naming the channel; returns where the
// last window starts in the render.
function expectChannelCarriesSong(name, heard, render, detail) {
  // The first window's sound (after silence, where it holds the song's start) anywhere in the
  // render; `at` is where the window starts there, before the render where the window starts
  // before the song.
  const first = heard[0].samples;
  const silent = first.findIndex((v) => v !== 0);
  let at = null;
  for (let o = -silent; at === null && o + kWindowFrames <= render.length; ++o) {
    if (windowIsRenderAt(first, render, o, silent)) at = o;
  }
  if (at === null) {
    fail(`the ${name} channel's first window with sound (silent for its first ${silent} ` +
         `frames) is no stretch of libopenmpt's render\n${detail}`);
  }
  for (let i = 1; i < heard.length; ++i) {
    const clock = heard[i].clockFrame - heard[i - 1].clockFrame;
    let next = null;
    for (let o = at + clock - kClockSlackFrames;
         next === null && o <= at + clock + kClockSlackFrames; ++o) {
      if (windowIsRenderAt(heard[i].samples, render, o)) next = o;
    }
    if (next === null) {
      let found = null;
      for (let o = -kWindowFrames; found === null && o + kWindowFrames <= render.length; ++o) {
        if (windowIsRenderAt(heard[i].samples, render, o)) found = o;
      }
      const where = found === null ? 'no stretch of the song at all' :
          `the song ${found - at} frames after the window before it`;
      fail(`the ${name} channel's window ${i} (the ${kWindowFrames} frames before audio clock ` +
           `frame ${heard[i].clockFrame}, ${clock} frames after the window before it) is ` +
           `${where}: a gap, a repeat or a jump in the output\n${detail}`);
    }
    at = next;
  }
  return at;
}

// Checks the windows polled so far, from the first that holds sound, against the render of the
// page's music.xm, each channel apart (the page reads one analyser after the other, and the
// audio thread may move on between them); fails with `detail` added. The first must hold a
// stretch of the song (after silence, where it holds the song's start); each later one the
// stretch as far on as the audio clock moved. Returns the frames of song they cover.
export async function expectWindowsCarrySong(page, detail = '') {
  const polled = await page.evaluate(() => window.demoWindows);
  const windows = polled.map(({clockFrame, left, right}) =>
    ({clockFrame, left: decode(left), right: decode(right)}));
  const start = windows.findIndex((w) => w.left.some((v) => v !== 0));
  if (start < 0) fail(`none of ${windows.length} windows of output holds sound\n${detail}`);
  const heard = windows.slice(start);
  const span = heard.at(-1).clockFrame - heard[0].clockFrame + kWindowFrames;
  const rendered = nativeRender(path.join(pageDir, 'music.xm'), span / 44100 + 2);
  const channel = (name) => expectChannelCarriesSong(
      name, heard.map((w) => ({clockFrame: w.clockFrame, samples: w[name]})),
      Float32Array.from(rendered[name]), detail);
  const at = Math.min(channel('left'), channel('right'));
  return at + kWindowFrames - rendered.left.findIndex((v) => v !== 0);
}
