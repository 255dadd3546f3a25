// The sharp picture on a screen of two device pixels per CSS pixel. Turned on by the `sharp`
// parameter, the canvas shown at 800 x 600 CSS pixels has 1600 x 1200 pixels of its own and
// shows the native sharp frame of that size for the same moment and cursor; the pointer still
// maps to the 800 x 600 picture's pixels; the canvas follows the page to another size and
// another pixel ratio, and at one device pixel per CSS pixel shows the faithful frame. Turned
// on by the start screen's toggle (which does not start the demo) it does the same; without
// it the canvas keeps 800 x 600 pixels on the same screen.
import {canvasPixels, differingPixels, fail, launchBrowser, nativeFrame, openPage, servePage,
        startDemo, waitForFrames} from './lib.mjs';

const kScene = 2;
const kMs = 12000;
const kQuery = `?scene=${kScene}&t=${kMs}&freeze&frametimes`;
const kCursor = [300, 220];
const kSharp = {width: 1600, height: 1200};
// 0.1% of the picture's pixels, as the 800 x 600 stills allow, taken of the sharp picture's
// four times as many.
const kTolerance = Math.floor(kSharp.width * kSharp.height / 1000);
const kFaithfulTolerance = Math.floor(800 * 600 / 1000);

const sizeText = ({width, height}) => `${width} x ${height}`;

function canvasSize(page) {
  return page.$eval('#canvas', (canvas) => ({width: canvas.width, height: canvas.height}));
}

async function expectCanvasSize(page, size, when) {
  const shown = await canvasSize(page);
  if (shown.width !== size.width || shown.height !== size.height) {
    fail(`${when}: the canvas has ${sizeText(shown)} pixels, not ${sizeText(size)}`);
  }
}

// Waits (a few frames at most) until the canvas has `size` pixels.
async function waitForCanvasSize(page, size, when) {
  try {
    await page.waitForFunction(
        ({width, height}) => {
          const canvas = document.getElementById('canvas');
          return canvas.width === width && canvas.height === height;
        }, {timeout: 20000}, size);
  } catch {
    await expectCanvasSize(page, size, when);
  }
  await waitForFrames(page, 2);  // drawn at that size
}

async function toggleState(page) {
  return page.$eval('#sharp-start', (button) => ({pressed: button.getAttribute('aria-pressed'),
                                                  text: button.textContent}));
}

async function expectToggle(page, on, when) {
  const {pressed, text} = await toggleState(page);
  if (pressed !== String(on) || !text.endsWith(on ? 'on' : 'off')) {
    fail(`${when}: the sharp toggle reads "${text}" (aria-pressed ${pressed}), not ` +
         `${on ? 'on' : 'off'}`);
  }
}

async function expectPointer(page, x, y) {
  await page.mouse.move(x, y);
  const pointer = await page.evaluate(() => Module.pointer);
  if (pointer.x !== x || pointer.y !== y) {
    fail(`the pointer at picture pixel (${x}, ${y}) of a sharp canvas maps to ` +
         `${JSON.stringify(pointer)}`);
  }
}

// The 800 x 600 picture scaled up twice, each pixel doubled: what a page drawing the faithful
// picture at this pixel ratio would show, for checking that the comparison tells the two apart.
function doubled(frame) {
  const width = frame.width * 2;
  const height = frame.height * 2;
  const rgb = Buffer.alloc(width * height * 3);
  for (let y = 0; y < height; ++y) {
    for (let x = 0; x < width; ++x) {
      const from = ((y >> 1) * frame.width + (x >> 1)) * 3;
      frame.rgb.copy(rgb, (y * width + x) * 3, from, from + 3);
    }
  }
  return {width, height, rgb};
}

const {server, url} = await servePage();
const browser = await launchBrowser();
try {
  // Turned on by the parameter.
  {
    const {page, consoleLines} = await openPage(browser, url, `${kQuery}&sharp`,
                                                {deviceScaleFactor: 2});
    const ratio = await page.evaluate(() => window.devicePixelRatio);
    if (ratio !== 2) fail(`the page's devicePixelRatio is ${ratio}, not 2`);
    await expectToggle(page, true, 'opened with sharp');
    await startDemo(page, ...kCursor);
    await waitForCanvasSize(page, kSharp, 'sharp at device pixel ratio 2');
    const pointer = await page.evaluate(() => Module.pointer);
    if (pointer.x !== kCursor[0] || pointer.y !== kCursor[1]) {
      fail(`the starting click at picture pixel (${kCursor}) maps to ${JSON.stringify(pointer)}`);
    }
    const shown = await canvasPixels(page);
    const native = nativeFrame(kScene, kMs, ...kCursor, {sharp: kSharp});
    if (native.width !== kSharp.width || native.height !== kSharp.height) {
      fail(`demo-capture's sharp still is ${sizeText(native)}, not ${sizeText(kSharp)}`);
    }
    const differing = differingPixels(shown, native);
    if (differing > kTolerance) {
      fail(`scene ${kScene} at ${kMs} ms, cursor ${kCursor}: ${differing} of the sharp ` +
           `picture's pixels differ from the native sharp frame (at most ${kTolerance} may)\n` +
           consoleLines.join('\n'));
    }
    const scaledUp = differingPixels(doubled(nativeFrame(kScene, kMs, ...kCursor)), native);
    if (scaledUp <= kTolerance) {
      fail(`the 800 x 600 frame scaled up differs from the sharp frame in only ${scaledUp} ` +
           `pixels: the comparison cannot tell a sharp picture from a scaled one`);
    }
    await expectPointer(page, 600, 150);

    // Another window size, then another pixel ratio (zoom, or another monitor).
    await page.setViewport({width: 640, height: 480, deviceScaleFactor: 2});
    await waitForCanvasSize(page, {width: 1280, height: 960}, 'a 640 x 480 window at ratio 2');
    await page.setViewport({width: 800, height: 600, deviceScaleFactor: 1.5});
    await waitForCanvasSize(page, {width: 1200, height: 900}, 'an 800 x 600 window at ratio 1.5');
    // At one device pixel per CSS pixel there is nothing sharper to draw: the faithful frame,
    // for the cursor where expectPointer left it.
    await page.setViewport({width: 800, height: 600, deviceScaleFactor: 1});
    await waitForCanvasSize(page, {width: 800, height: 600}, 'an 800 x 600 window at ratio 1');
    await waitForFrames(page, 2);
    const atOne = differingPixels(await canvasPixels(page), nativeFrame(kScene, kMs, 600, 150));
    if (atOne > kFaithfulTolerance) {
      fail(`sharp at ratio 1: ${atOne} pixels differ from the native 800 x 600 frame ` +
           `(at most ${kFaithfulTolerance} may)`);
    }
    console.log(`sharp: the canvas is 1600 x 1200 pixels at ratio 2; ${differing} pixels differ ` +
                `from the native sharp frame (at most ${kTolerance} may; the 800 x 600 frame ` +
                `scaled up differs in ${scaledUp}); it followed the page to 1280 x 960 and ` +
                `1200 x 900; at ratio 1 it is 800 x 600 and ${atOne} pixels differ from the ` +
                'native frame');
    await page.close();
  }

  // Turned on and off again by the toggle: the faithful picture, 800 x 600 pixels whatever the
  // ratio; the toggle's clicks do not start the demo.
  {
    const {page} = await openPage(browser, url, kQuery, {deviceScaleFactor: 2});
    await expectToggle(page, false, 'opened without sharp');
    await page.click('#sharp-start');
    await expectToggle(page, true, 'the toggle clicked once');
    await page.click('#sharp-start');
    await expectToggle(page, false, 'the toggle clicked twice');
    const state = await page.evaluate(() => window.demoState);
    if (state !== 'waiting') fail(`clicking the sharp toggle left the page ${state}`);
    await startDemo(page, ...kCursor);
    await waitForFrames(page, 3);
    await expectCanvasSize(page, {width: 800, height: 600}, 'without sharp at ratio 2');
    await page.close();
  }

  // Turned on by the toggle.
  {
    const {page} = await openPage(browser, url, kQuery, {deviceScaleFactor: 2});
    await page.click('#sharp-start');
    await startDemo(page, ...kCursor);
    await waitForCanvasSize(page, kSharp, 'sharp by the toggle at ratio 2');
    await page.close();
  }
  console.log('the toggle turns the sharp picture on and off; without it the canvas stays ' +
              '800 x 600 pixels at ratio 2');
} finally {
  await browser.close();
  server.close();
}
