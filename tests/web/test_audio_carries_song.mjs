// Web Audio runs and carries the song: what the page's audio worklet output is, sample for
// sample, libopenmpt's render of music.xm, from the song's first sound on.
import path from 'node:path';
import {fail, launchBrowser, nativeRender, openPage, pageDir, servePage,
        startDemo} from './lib.mjs';

const kSeconds = 3;
const kRate = 44100;

const {server, url} = await servePage();
const browser = await launchBrowser();
try {
  const {page, consoleLines} = await openPage(browser, url, '?frametimes&audiotap');
  await startDemo(page, 400, 300);
  // The song starts after some silent chunks (the worklet runs before the song's sound
  // reaches it), somewhere in the first chunk that is not silent: one chunk more is waited for.
  await page.waitForFunction((frames) => {
    const left = window.demoAudio.left;
    const first = left.findIndex((chunk) => chunk.some((v) => v !== 0));
    return first >= 0 && (left.length - first - 1) * left[0].length >= frames;
  }, {}, kSeconds * kRate);
  const tap = await page.evaluate(() => {
    const {rate, left, right} = window.demoAudio;
    const start = left.findIndex((chunk) => chunk.some((v) => v !== 0));
    return {rate, left: left.slice(start).flat(), right: right.slice(start).flat()};
  });
  if (tap.rate !== kRate) fail(`Web Audio runs at ${tap.rate} Hz, not ${kRate}`);

  const reference = nativeRender(path.join(pageDir, 'music.xm'), kSeconds + 1);
  const firstSound = (samples) => samples.findIndex((v) => v !== 0);
  const shown = tap.left.slice(firstSound(tap.left));
  const rightShown = tap.right.slice(firstSound(tap.left));
  const offset = firstSound(reference.left);
  const frames = kSeconds * kRate;
  if (shown.length < frames) fail(`only ${shown.length} frames were tapped`);
  for (let i = 0; i < frames; ++i) {
    const expected = [reference.left[offset + i], reference.right[offset + i]];
    const got = [shown[i], rightShown[i]];
    if (Math.fround(got[0]) !== Math.fround(expected[0]) ||
        Math.fround(got[1]) !== Math.fround(expected[1])) {
      fail(`sample frame ${i} after the first sound is ${got}, libopenmpt renders ${expected}` +
           `\n${consoleLines.join('\n')}`);
    }
  }
  const peak = shown.slice(0, frames).reduce((m, v) => Math.max(m, Math.abs(v)), 0);
  console.log(`${frames} frames at ${tap.rate} Hz equal libopenmpt's render (peak ${peak})`);
} finally {
  await browser.close();
  server.close();
}
