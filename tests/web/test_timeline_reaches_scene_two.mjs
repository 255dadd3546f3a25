// The timeline runs in the page as natively: scene 1 until its clock passes 3.1 (31 s), then
// scene 2 from its own start. Started half a second before the end of scene 1, the page draws
// frames of scene 1 and then only frames of scene 2.
import {fail, launchBrowser, openPage, servePage, startDemo} from './lib.mjs';

const {server, url} = await servePage();
const browser = await launchBrowser();
try {
  const {page} = await openPage(browser, url, '?frametimes&t=30500');
  await startDemo(page, 400, 300, 1);
  await page.waitForFunction(() => window.demoFrameTimes[2].length >= 5);
  const counts = await page.evaluate(() => [window.demoFrameTimes[1].length,
                                            window.demoFrameTimes[2].length]);
  if (counts[0] === 0) fail('no frame of scene 1 was drawn before scene 2');
  await page.waitForFunction((n) => window.demoFrameTimes[2].length >= n + 5, {}, counts[1]);
  const sceneOneLater = await page.evaluate(() => window.demoFrameTimes[1].length);
  if (sceneOneLater !== counts[0]) fail('scene 1 was drawn again after scene 2 began');
  console.log(`${counts[0]} frames of scene 1, then scene 2 only`);
} finally {
  await browser.close();
  server.close();
}
