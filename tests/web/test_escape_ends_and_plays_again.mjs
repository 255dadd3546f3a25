// Esc ends the demo: its frames stop, the "play again" screen shows, and the sound stops at
// once (the audio worklet drops the sound queued ahead); playing again runs the demo once
// more from the start of its timeline, with the song from its start through the same context.
import path from 'node:path';
import {fail, frameCount, launchBrowser, nativeRender, openPage, pageDir, servePage, startDemo,
        waitForFrames} from './lib.mjs';

const kRate = 44100;
// Frames of output after the end is seen in which the sound may still be on its way out:
// the reports of what the worklet output trail it by a chunk or two and a message.
const kStopFrames = kRate / 10;
const kSilentFrames = kRate;  // then at least this much silence
const kAgainFrames = kRate;  // and the song from its start again, compared for this long

// The tap's chunks so far, and their frames each.
const tapped = () => ({chunks: window.demoAudio.left.length,
                       frames: (window.demoAudio.left[0] || []).length});

const {server, url} = await servePage();
const browser = await launchBrowser();
try {
  const {page, consoleLines} = await openPage(browser, url, '?frametimes&audiotap');
  await startDemo(page, 400, 300);
  // Half a second into the song, with the worklet holding the sound queued ahead.
  await page.waitForFunction(() => {
    const left = window.demoAudio.left;
    const first = left.findIndex((chunk) => chunk.some((v) => v !== 0));
    return first >= 0 && (left.length - first) * left[0].length >= 44100 / 2;
  });
  await page.keyboard.press('Escape');
  await page.waitForFunction(() => window.demoState === 'ended');
  const atEnd = await page.evaluate(tapped);
  if (!(await page.$eval('#end', (screen) => !screen.hidden))) {
    fail('the end screen is not shown after Esc');
  }
  // The page's own animation frames go on; the demo's must not.
  const framesAtEnd = await frameCount(page);
  await page.evaluate(() => new Promise((resolve) => {
    let left = 10;
    const tick = () => (--left === 0 ? resolve() : requestAnimationFrame(tick));
    requestAnimationFrame(tick);
  }));
  const framesLater = await frameCount(page);
  if (framesLater !== framesAtEnd) {
    fail(`the demo drew ${framesLater - framesAtEnd} frames after Esc`);
  }

  // From shortly after the end on, the output is silent.
  const silentFrom = atEnd.chunks + Math.ceil(kStopFrames / atEnd.frames);
  await page.waitForFunction((chunks) => window.demoAudio.left.length >= chunks, {},
                             silentFrom + Math.ceil(kSilentFrames / atEnd.frames));
  const loud = await page.evaluate((chunk) => {
    const {left, right} = window.demoAudio;
    return left.slice(chunk).concat(right.slice(chunk)).flat().filter((v) => v !== 0).length;
  }, silentFrom);
  if (loud !== 0) {
    fail(`${loud} samples still sound from ${kStopFrames / kRate} s after Esc ended the demo`);
  }

  const beforeAgain = await page.evaluate(tapped);
  await page.click('#again');
  await page.waitForFunction(() => window.demoState === 'running');
  await waitForFrames(page, 3);
  if (!(await page.$eval('#end', (screen) => screen.hidden))) {
    fail('the end screen stays after playing again');
  }
  // The song sounds again from its first sound on, as libopenmpt renders it.
  const firstChunkAgain = beforeAgain.chunks;
  await page.waitForFunction((chunk, frames) => {
    const left = window.demoAudio.left;
    const first = left.findIndex((samples, i) => i >= chunk && samples.some((v) => v !== 0));
    return first >= 0 && (left.length - first - 1) * left[0].length >= frames;
  }, {}, firstChunkAgain, kAgainFrames);
  const again = await page.evaluate((chunk) => {
    const flat = (channel) => window.demoAudio[channel].slice(chunk).flat();
    return {left: flat('left'), right: flat('right')};
  }, firstChunkAgain);
  const reference = nativeRender(path.join(pageDir, 'music.xm'), kAgainFrames / kRate + 1);
  const firstSound = (samples) => samples.findIndex((v) => v !== 0);
  const from = firstSound(again.left);
  const offset = firstSound(reference.left);
  if (again.left.length - from < kAgainFrames) {
    fail(`played again, only ${again.left.length - from} frames were tapped`);
  }
  for (let i = 0; i < kAgainFrames; ++i) {
    const got = [again.left[from + i], again.right[from + i]];
    const expected = [reference.left[offset + i], reference.right[offset + i]];
    if (got[0] !== expected[0] || got[1] !== expected[1]) {
      fail(`played again, sample frame ${i} after the first sound is ${got}, libopenmpt ` +
           `renders ${expected}\n${consoleLines.join('\n')}`);
    }
  }

  await page.keyboard.press('Escape');
  await page.waitForFunction(() => window.demoState === 'ended');
  console.log(`Esc ended the demo after ${framesAtEnd} frames and the sound within ` +
              `${kStopFrames / kRate} s; it played again, the song from its start, and ended again`);
} finally {
  await browser.close();
  server.close();
}
