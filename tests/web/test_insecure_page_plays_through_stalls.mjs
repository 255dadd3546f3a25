// Engines: chromium
// A page served over plain http under a name that is not this machine's (demo-lan.test, which
// Chromium is told to find at 127.0.0.1) is not a secure page, and browsers offer such a page
// no audio worklet. There the page schedules the song's chunks from its main thread: what it
// outputs is libopenmpt's render of music.xm without a gap, though the demo's start-up keeps
// the main thread 900 ms longer than usual and the main thread is then blocked for 250 ms
// several times while the song plays.
import {fail, kBetweenStallsMs, kSlowStartUpMs, kStallMs, kStalls, launchBrowser, openPage,
        servePage, slowStartUp, startDemo} from './lib.mjs';
import {expectWindowsCarrySong, tapOutputWindows, windowClock} from './output_windows.mjs';

const kHost = 'demo-lan.test';
const kRate = 44100;
// How much output after the last stall is checked too.
const kAfterFrames = kRate;

// One task on the page's main thread that runs for `ms` by its own clock.
const busy = (ms) => {
  const start = performance.now();
  while (performance.now() - start < ms) {
    // The main thread does nothing else meanwhile: no frames, no messages, no timers.
  }
  return performance.now() - start;
};

const {server, url} = await servePage();
const browser =
    await launchBrowser({chromiumArgs: [`--host-resolver-rules=MAP ${kHost} 127.0.0.1`]});
try {
  const {page, consoleLines} = await openPage(browser, url.replace('127.0.0.1', kHost),
                                              '?frametimes');
  const detail = () => consoleLines.join('\n');
  const {secure, worklet} = await page.evaluate(() => ({
    secure: window.isSecureContext,
    worklet: 'audioWorklet' in BaseAudioContext.prototype,
  }));
  if (secure !== false || worklet) {
    fail(`the page at ${kHost} is not the insecure kind (isSecureContext ${secure}, audio ` +
         `worklets ${worklet ? 'offered' : 'not offered'})`);
  }
  await slowStartUp(page, kSlowStartUpMs);
  await tapOutputWindows(page);
  await startDemo(page, 400, 300);

  const stalls = [];
  for (let i = 0; i < kStalls; ++i) {
    const blocked = await page.evaluate(busy, kStallMs);
    if (blocked < kStallMs) fail(`stall ${i + 1} blocked the page for only ${blocked} ms`);
    stalls.push(Math.round(blocked));
    await new Promise((resolve) => setTimeout(resolve, kBetweenStallsMs));
  }
  const afterStalls = await windowClock(page);
  await page.waitForFunction(
      (frame) => window.demoWindows.length > 0 && window.demoWindows.at(-1).clockFrame >= frame,
      {}, afterStalls + kAfterFrames);
  const frames = await expectWindowsCarrySong(page, `the stalls (ms): ${stalls.join(', ')}\n` +
                                                    detail());
  if (consoleLines.some((line) => line.includes('the music ran dry'))) {
    fail(`the page reports the music ran dry:\n${detail()}`);
  }
  console.log(`an insecure page (${kHost}), its start-up slowed by ${kSlowStartUpMs} ms and ` +
              `its main thread blocked ${kStalls} times (${stalls.join(', ')} ms), output ` +
              `${(frames / kRate).toFixed(2)} s of libopenmpt's render without a gap`);
} finally {
  await browser.close();
  server.close();
}
