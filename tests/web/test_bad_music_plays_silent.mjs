// A bad music.js, or none at all, leaves the demo running without sound: a line on the page
// says so and what to do, the console says why, the demo draws its frames, and its audio
// worklet outputs nothing but silence.
import {fail, launchBrowser, openPage, servePage, startDemo, waitForFrames} from './lib.mjs';

const kSilentFrames = 44100;  // a second of output checked

const asScript = (bytes) => Buffer.from(`window.demoMusic = "${bytes.toString('base64')}";\n`);
const cases = [
  {name: 'a music.js holding no module',
   replaced: {'music.js': asScript(Buffer.from('not a module at all\n'.repeat(40)))},
   console: 'demo: no music:'},
  {name: 'a music.js that is no base64',
   replaced: {'music.js': Buffer.from('window.demoMusic = "%%";\n')},
   console: 'demo: music.js holds no song'},
  {name: 'no music.js', replaced: {'music.js': null}, console: 'demo: music.js did not load'},
];

const browser = await launchBrowser();
try {
  for (const {name, replaced, console: said} of cases) {
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
    if (!consoleLines.some((line) => line.includes(said))) {
      fail(`${name}: the console does not say "${said}":\n${consoleLines.join('\n')}`);
    }
    const notice = await page.evaluate(() => {
      const line = document.getElementById('notice');
      return line.hidden ? '' : line.textContent;
    });
    if (!/^No music\b.*plays silent.*music\.js/.test(notice)) {
      fail(`${name}: the page's line says "${notice}", not that there is no music and what to do`);
    }
    console.log(`${name}: frames go on, the output is silent, the page says "${notice}"`);
    await page.close();
    server.close();
  }
} finally {
  await browser.close();
}
