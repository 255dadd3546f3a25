// Stills of both scenes at a known moment and cursor equal the native program's frame for the
// same scene, moment and cursor within 0.1% of the pixels; moving the pointer steers the
// camera: the page then shows the other cursor's frame, which differs widely from the first.
import {canvasPixels, differingPixels, fail, launchBrowser, nativeFrame, openPage, servePage,
        startDemo, waitForFrames} from './lib.mjs';

const kPixels = 800 * 600;
const kTolerance = Math.floor(kPixels / 1000);  // 0.1% of the picture
const kSteeredMinimum = 5000;  // another cursor's frame differs in at least this many pixels

const cases = [
  {scene: 1, ms: 15000, cursors: [[560, 410], [170, 120]]},
  {scene: 2, ms: 12000, cursors: [[300, 220], [650, 480]]},
];

const {server, url} = await servePage();
const browser = await launchBrowser();
try {
  for (const {scene, ms, cursors} of cases) {
    const {page, consoleLines} = await openPage(browser, url,
                                                `?scene=${scene}&t=${ms}&freeze&frametimes`);
    const [first, second] = cursors;
    await startDemo(page, first[0], first[1]);
    const shownFirst = await canvasPixels(page);
    const nativeFirst = nativeFrame(scene, ms, first[0], first[1]);
    const diffFirst = differingPixels(shownFirst, nativeFirst);
    if (diffFirst > kTolerance) {
      fail(`scene ${scene} at ${ms} ms, cursor ${first}: ${diffFirst} pixels differ from the ` +
           `native frame (at most ${kTolerance} may)\n${consoleLines.join('\n')}`);
    }

    await page.mouse.move(second[0], second[1]);
    await waitForFrames(page, 3);
    const shownSecond = await canvasPixels(page);
    const nativeSecond = nativeFrame(scene, ms, second[0], second[1]);
    const diffSecond = differingPixels(shownSecond, nativeSecond);
    if (diffSecond > kTolerance) {
      fail(`scene ${scene} at ${ms} ms, cursor ${second}: ${diffSecond} pixels differ from ` +
           `the native frame (at most ${kTolerance} may)`);
    }
    const steered = differingPixels(shownSecond, nativeFirst);
    if (steered < kSteeredMinimum) {
      fail(`scene ${scene}: moving the pointer from ${first} to ${second} changed only ` +
           `${steered} pixels`);
    }
    console.log(`scene ${scene} at ${ms} ms: ${diffFirst} and ${diffSecond} pixels differ from ` +
                `the native frames for cursors ${first} and ${second} (${steered} between them)`);
    await page.close();
  }
} finally {
  await browser.close();
  server.close();
}
