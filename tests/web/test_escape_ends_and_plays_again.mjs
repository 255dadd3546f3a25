// Esc ends the demo: its frames stop and the "play again" screen shows; playing again runs the
// demo once more from the start of its timeline.
import {fail, frameCount, launchBrowser, openPage, servePage, startDemo,
        waitForFrames} from './lib.mjs';

const {server, url} = await servePage();
const browser = await launchBrowser();
try {
  const {page} = await openPage(browser, url, '?frametimes');
  await startDemo(page, 400, 300);
  await page.keyboard.press('Escape');
  await page.waitForFunction(() => window.demoState === 'ended');
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

  await page.click('#again');
  await page.waitForFunction(() => window.demoState === 'running');
  await waitForFrames(page, 3);
  if (!(await page.$eval('#end', (screen) => screen.hidden))) {
    fail('the end screen stays after playing again');
  }
  await page.keyboard.press('Escape');
  await page.waitForFunction(() => window.demoState === 'ended');
  console.log(`Esc ended the demo after ${framesAtEnd} frames; it played again and ended again`);
} finally {
  await browser.close();
  server.close();
}
