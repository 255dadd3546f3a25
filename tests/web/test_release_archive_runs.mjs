// The release's web archive: two releases of the same builds give the same bytes; it weighs
// at most 1.5 MB, as the page does; it holds the page's files and README.txt in one folder;
// unpacked into an empty folder and served as it is, the page runs: the frozen frame of
// scene 2 equals the native one, and Esc ends it.
import {readFileSync, statSync} from 'node:fs';
import path from 'node:path';

import {canvasPixels, differingPixels, fail, launchBrowser, nativeFrame, openPage, servePage,
        startDemo} from './lib.mjs';
import {makeWebRelease, unpackWebRelease} from './release.mjs';

const kTolerance = Math.floor(800 * 600 / 1000);  // 0.1% of the picture, as for the stills
const kBudget = 1.5e6;  // bytes, as for the page

const first = makeWebRelease();
const second = makeWebRelease();
if (!readFileSync(first).equals(readFileSync(second))) {
  fail('two releases of the same builds give different web archives');
}
const size = statSync(first).size;
if (size > kBudget) fail(`the web archive weighs ${size} bytes, more than ${kBudget}`);
const {dir, files} = unpackWebRelease(first);
if (files.join(' ') !== 'README.txt index.html music.js') {
  fail(`the archive's folder holds ${files.join(' ')}`);
}

const {server, url} = await servePage({}, dir);
const browser = await launchBrowser();
try {
  const {page, consoleLines} = await openPage(browser, url, '?scene=2&t=12000&freeze&frametimes');
  await startDemo(page, 300, 220);
  const differing = differingPixels(await canvasPixels(page), nativeFrame(2, 12000, 300, 220));
  if (differing > kTolerance) {
    fail(`the unpacked page's frame differs from the native one in ${differing} pixels ` +
         `(at most ${kTolerance} may)\n${consoleLines.join('\n')}`);
  }
  await page.keyboard.press('Escape');
  await page.waitForFunction(() => window.demoState === 'ended');
  console.log(`${path.basename(first)} (${size} bytes): the same bytes twice; unpacked and ` +
              `served, the page ran (${differing} pixels from the native frame) and Esc ended it`);
} finally {
  await browser.close();
  server.close();
}
