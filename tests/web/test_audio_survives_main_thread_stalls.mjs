// The sound survives a busy page: the demo's start-up keeps the main thread 900 ms longer than
// usual (as on a loaded machine), and while the song plays the main thread is blocked for
// 250 ms several times, a gap between each; what the audio worklet output over all of it is
// still, sample for sample, libopenmpt's render of music.xm from the song's first sound on
// (a gap would show as inserted silence, a repeat as samples out of place).
import path from 'node:path';
import {fail, kBetweenStallsMs, kSlowStartUpMs, kStallMs, kStalls, launchBrowser, nativeRender,
        openPage, pageDir, servePage, slowStartUp, startDemo} from './lib.mjs';

const kRate = 44100;
// How much output after the last stall is compared too.
const kAfterFrames = kRate;

// The tap's frames after the chunk holding the song's first sound (which lies somewhere in
// that chunk); 0 before it.
const framesSinceFirstSound = () => {
  const left = window.demoAudio.left;
  const first = left.findIndex((chunk) => chunk.some((v) => v !== 0));
  return first < 0 ? 0 : (left.length - first - 1) * left[0].length;
};

const {server, url} = await servePage();
const browser = await launchBrowser();
try {
  const {page, consoleLines} = await openPage(browser, url, '?frametimes&audiotap');
  await slowStartUp(page, kSlowStartUpMs);
  await startDemo(page, 400, 300);
  await page.waitForFunction(`(${framesSinceFirstSound})() >= ${kRate / 4}`);

  // Each stall is one task on the page's main thread that runs for kStallMs by its own clock.
  const stalls = [];
  for (let i = 0; i < kStalls; ++i) {
    const blocked = await page.evaluate((ms) => {
      const start = performance.now();
      while (performance.now() - start < ms) {
        // The main thread does nothing else meanwhile: no frames, no messages, no timers.
      }
      return performance.now() - start;
    }, kStallMs);
    if (blocked < kStallMs) fail(`stall ${i + 1} blocked the page for only ${blocked} ms`);
    stalls.push(Math.round(blocked));
    await new Promise((resolve) => setTimeout(resolve, kBetweenStallsMs));
  }
  const afterStalls = await page.evaluate(`(${framesSinceFirstSound})()`);
  await page.waitForFunction(`(${framesSinceFirstSound})() >= ${afterStalls + kAfterFrames}`);
  const tap = await page.evaluate(() => {
    const {rate, left, right} = window.demoAudio;
    const start = left.findIndex((chunk) => chunk.some((v) => v !== 0));
    return {rate, left: left.slice(start).flat(), right: right.slice(start).flat()};
  });
  if (tap.rate !== kRate) fail(`Web Audio runs at ${tap.rate} Hz, not ${kRate}`);

  const frames = afterStalls + kAfterFrames;
  const reference = nativeRender(path.join(pageDir, 'music.xm'), frames / kRate + 1);
  const firstSound = (samples) => samples.findIndex((v) => v !== 0);
  const from = firstSound(tap.left);
  const offset = firstSound(reference.left);
  if (tap.left.length - from < frames) fail(`only ${tap.left.length - from} frames were tapped`);
  for (let i = 0; i < frames; ++i) {
    const got = [tap.left[from + i], tap.right[from + i]];
    const expected = [reference.left[offset + i], reference.right[offset + i]];
    if (got[0] !== expected[0] || got[1] !== expected[1]) {
      fail(`sample frame ${i} after the first sound (${(i / kRate).toFixed(3)} s) is ${got}, ` +
           `libopenmpt renders ${expected}; the stalls (ms): ${stalls.join(', ')}` +
           `\n${consoleLines.join('\n')}`);
    }
  }
  if (consoleLines.some((line) => line.includes('the music ran dry'))) {
    fail(`the page reports the music ran dry:\n${consoleLines.join('\n')}`);
  }
  console.log(`after a start-up slowed by ${kSlowStartUpMs} ms, ` +
              `the main thread was blocked ${kStalls} times (${stalls.join(', ')} ms); ` +
              `${frames} frames (${(frames / kRate).toFixed(2)} s) of output from the first ` +
              'sound equal libopenmpt\'s render');
} finally {
  await browser.close();
  server.close();
}
