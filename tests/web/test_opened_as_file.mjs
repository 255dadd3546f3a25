// The release's web archive unpacked and its index.html opened as a file (file://, as a
// double click opens it), where a page may run scripts beside it but fetch nothing: the page
// starts, draws scene 1 as the native program does, and its audio worklet outputs the song,
// sample for sample libopenmpt's render.
import {pathToFileURL} from 'node:url';

import {canvasPixels, differingPixels, expectSong, fail, launchBrowser, nativeFrame, openPage,
        startDemo, tappedSong} from './lib.mjs';
import {makeWebRelease, unpackWebRelease} from './release.mjs';

const kTolerance = Math.floor(800 * 600 / 1000);  // 0.1% of the picture, as for the stills
const kScene = 1;
const kMs = 15000;
const kCursor = [560, 410];
const kSeconds = 3;

const {dir} = unpackWebRelease(makeWebRelease());
const url = `${pathToFileURL(dir).href}/`;
const browser = await launchBrowser();
try {
  const {page, consoleLines} = await openPage(
      browser, url, `?scene=${kScene}&t=${kMs}&freeze&frametimes&audiotap`);
  const detail = () => consoleLines.join('\n');
  await startDemo(page, ...kCursor);
  const differing = differingPixels(await canvasPixels(page), nativeFrame(kScene, kMs, ...kCursor));
  if (differing > kTolerance) {
    fail(`opened as a file, scene ${kScene} at ${kMs} ms differs from the native frame in ` +
         `${differing} pixels (at most ${kTolerance} may)\n${detail()}`);
  }
  if (!(await page.evaluate(() => Boolean(Module.musicOutput && Module.musicOutput.node)))) {
    fail(`opened as a file, the page plays without its audio worklet\n${detail()}`);
  }
  const frames = kSeconds * 44100;
  const peak = expectSong(await tappedSong(page, frames), frames, detail());
  console.log(`${url}index.html: scene ${kScene} within ${differing} pixels of the native ` +
              `frame; the worklet's first ${kSeconds} s of song equal libopenmpt's render ` +
              `(peak ${peak})`);
} finally {
  await browser.close();
}
