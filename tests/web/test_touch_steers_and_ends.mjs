// On a touch screen: a tap starts the demo, a finger dragged over the picture steers the camera
// to the frame a mouse at the same point gives (the native frame for that cursor), the page
// neither scrolls nor zooms while dragged, and the on-page "End" control ends the demo without
// a keyboard; "Play again", tapped, starts it once more.
import {canvasPixels, differingPixels, fail, finger, launchBrowser, nativeFrame, openPage,
        servePage, waitForFrames} from './lib.mjs';

const kScene = 2;
const kMs = 12000;
const kTolerance = Math.floor(800 * 600 / 1000);  // 0.1% of the picture, as for the stills
const kSteeredMinimum = 5000;
const [startX, startY] = [300, 220];
const [endX, endY] = [650, 480];

// The page's picture with the box of the "End" control (drawn over it) taken from `under`, so
// only the picture is compared with `under`.
async function pictureWithoutControl(page, under) {
  const shown = await canvasPixels(page);
  const box = await page.$eval('#end-run', (control) => {
    const r = control.getBoundingClientRect();
    return {left: Math.floor(r.left), top: Math.floor(r.top), right: Math.ceil(r.right),
            bottom: Math.ceil(r.bottom)};
  });
  for (let y = Math.max(box.top, 0); y < Math.min(box.bottom, shown.height); ++y) {
    const from = (y * shown.width + Math.max(box.left, 0)) * 3;
    const to = (y * shown.width + Math.min(box.right, shown.width)) * 3;
    under.rgb.copy(shown.rgb, from, from, to);  // copies `under` into `shown`
  }
  return shown;
}

const {server, url} = await servePage();
const browser = await launchBrowser();
try {
  const {page, consoleLines} = await openPage(browser, url,
                                              `?scene=${kScene}&t=${kMs}&freeze&frametimes`);
  await page.setViewport({width: 800, height: 600, deviceScaleFactor: 1, hasTouch: true});
  const touchscreen = finger(page);
  await touchscreen.tap(startX, startY);
  await page.waitForFunction(() => window.demoState !== 'waiting');
  const state = await page.evaluate(() => window.demoState);
  if (state !== 'running') fail(`a tap did not start the demo (state ${state})`);
  await waitForFrames(page, 3);
  if (!(await page.$eval('#end-run', (control) => !control.hidden))) {
    fail('no "End" control is shown on a touch screen');
  }
  // The tap left the camera at the tapped point, as a click does.
  const nativeStart = nativeFrame(kScene, kMs, startX, startY);
  const differingStart = differingPixels(await pictureWithoutControl(page, nativeStart),
                                         nativeStart);
  if (differingStart > kTolerance) {
    fail(`after the tap at (${startX}, ${startY}), ${differingStart} pixels differ from the ` +
         `native frame for that cursor (at most ${kTolerance} may)\n${consoleLines.join('\n')}`);
  }

  const path = [];
  for (let step = 0; step <= 8; ++step) {
    path.push([startX + (endX - startX) * step / 8, startY + (endY - startY) * step / 8]);
  }
  await touchscreen.drag(path);
  await waitForFrames(page, 3);
  const native = nativeFrame(kScene, kMs, endX, endY);
  const shown = await pictureWithoutControl(page, native);
  const differing = differingPixels(shown, native);
  if (differing > kTolerance) {
    fail(`after a drag to (${endX}, ${endY}), ${differing} pixels differ from the native frame ` +
         `for that cursor (at most ${kTolerance} may)\n${consoleLines.join('\n')}`);
  }
  // The two cursors' frames differ widely, so matching each means the drag steered.
  const steered = differingPixels(nativeStart, native);
  if (steered < kSteeredMinimum) fail(`the two cursors' frames differ in only ${steered} pixels`);
  const scrolled = await page.evaluate(() => [window.scrollX, window.scrollY,
                                              window.visualViewport.scale]);
  if (scrolled[0] !== 0 || scrolled[1] !== 0 || scrolled[2] !== 1) {
    fail(`the drag scrolled or zoomed the page: scroll ${scrolled[0]}, ${scrolled[1]}, ` +
         `scale ${scrolled[2]}`);
  }

  const end = await page.$eval('#end-run', (control) => {
    const r = control.getBoundingClientRect();
    return [r.left + r.width / 2, r.top + r.height / 2];
  });
  await touchscreen.tap(end[0], end[1]);
  await page.waitForFunction(() => window.demoState === 'ended');
  if (!(await page.$eval('#end-run', (control) => control.hidden))) {
    fail('the "End" control stays after the demo ended');
  }
  const again = await page.$eval('#again', (button) => {
    const r = button.getBoundingClientRect();
    return [r.left + r.width / 2, r.top + r.height / 2];
  });
  await touchscreen.tap(again[0], again[1]);
  await page.waitForFunction(() => window.demoState === 'running');
  await waitForFrames(page, 3);
  console.log(`a tap and a drag to (${endX}, ${endY}) gave the native frames for those cursors ` +
              `(${differingStart} and ${differing} pixels differ; the frames differ in ` +
              `${steered}); "End" ended the demo and "Play again" started it once more`);
} finally {
  await browser.close();
  server.close();
}
