// A bad music.xm, or none at all, leaves the demo running without sound: it says why on the
// console, draws its frames, and its audio worklet outputs nothing but silence.
import {fail, launchBrowser, openPage, servePage, startDemo, waitForFrames} from './lib.mjs';

const kSilentFrames = 44100;  // a second of output checked

const cases = [
  {name: 'a bad music.xm', replaced: {'music.xm': Buffer.from('not a module at all\n'.repeat(40))}},
  {name: 'no music.xm', replaced: {'music.xm': null}},
];

const browser = await launchBrowser();
try {
  for (const {name, replaced} of cases) {
    const {server, url} = await servePage(replaced);
    const {page, consoleLines} = await openPage(browser, url, '?frametimes&audiotap');
    await startDemo(page, 400, 300);
    await page.waitForFunction(
        (frames) => window.demoAudio.left.length * (window.demoAudio.left[0] || []).length >= frames,
        {}, kSilentFrames);
    await waitForFrames(page, 10);
    const loud = await page.evaluate(() => window.demoAudio.left.concat(window.demoAudio.right)
                                               .flat().filter((v) => v !== 0).length);
    if (loud !== 0) fail(`${name}: ${loud} samples are not silent`);
    if (!consoleLines.some((line) => line.includes('demo: no music:'))) {
      fail(`${name}: the page does not say why there is no music:\n${consoleLines.join('\n')}`);
    }
    console.log(`${name}: frames go on, the output is silent, and the console says ` +
                `"${consoleLines.find((line) => line.includes('demo: no music:'))}"`);
    await page.close();
    server.close();
  }
} finally {
  await browser.close();
}
