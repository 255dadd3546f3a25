// F and the full-screen button put the page's stage in full screen and take it out again; at
// any window shape the picture keeps 4:3 with bars beside or above it, and the pointer maps to
// picture pixels across it.
import {fail, launchBrowser, openPage, servePage, startDemo} from './lib.mjs';

const {server, url} = await servePage();
const browser = await launchBrowser();
try {
  const {page} = await openPage(browser, url, '?frametimes');
  await page.click('#fullscreen-start');
  await page.waitForFunction(() => document.fullscreenElement?.id === 'stage');
  await page.keyboard.press('f');  // any key also starts the demo
  await page.waitForFunction(() => document.fullscreenElement === null);
  await startDemo(page, 400, 300);
  await page.keyboard.press('f');
  await page.waitForFunction(() => document.fullscreenElement?.id === 'stage');
  await page.keyboard.press('F');
  await page.waitForFunction(() => document.fullscreenElement === null);

  const shapes = [
    {width: 1200, height: 600, box: {x: 200, y: 0, width: 800, height: 600}},
    {width: 640, height: 900, box: {x: 0, y: 210, width: 640, height: 480}},
  ];
  for (const {width, height, box} of shapes) {
    await page.setViewport({width, height, deviceScaleFactor: 1});
    // Firefox lays a page out in sixtieths of a pixel, so the CSS arithmetic of the picture's
    // size can leave its box a sixtieth off a whole pixel (799.983 for 800): the box is taken
    // to the nearest whole pixel, which any real error of shape or place still misses.
    const shown = await page.$eval('#canvas', (canvas) => {
      const r = canvas.getBoundingClientRect();
      return {x: Math.round(r.x), y: Math.round(r.y), width: Math.round(r.width),
              height: Math.round(r.height)};
    });
    if (JSON.stringify(shown) !== JSON.stringify(box)) {
      fail(`in a ${width} x ${height} window the picture is at ${JSON.stringify(shown)}, ` +
           `not ${JSON.stringify(box)}`);
    }
    // Three quarters across and a quarter down the picture, wherever it is drawn.
    await page.mouse.move(box.x + box.width * 3 / 4, box.y + box.height / 4);
    const pointer = await page.evaluate(() => Module.pointer);
    if (pointer.x !== 600 || pointer.y !== 150) {
      fail(`the pointer at picture pixel (600, 150) maps to ${JSON.stringify(pointer)}`);
    }
  }
  console.log('full screen goes on and off with F and the button; the picture keeps 4:3');
} finally {
  await browser.close();
  server.close();
}
