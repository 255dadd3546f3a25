// A page that cannot start, or cannot sound, says so on the page in one line with what to do,
// never hanging on "Starting…": with its program (inside index.html) cut short or its wasm
// (inside that) broken, after a trap in the running program, and in a browser that refuses
// WebGL, its failure screen says why; in
// a browser without Web Audio, or (Firefox without its mock sound device, on a machine with
// none) whose audio never starts, the demo runs silent under a line saying why.
import {readFileSync} from 'node:fs';
import path from 'node:path';

import {engine, fail, frameCount, launchBrowser, openPage, pageDir, servePage, startDemo,
        waitForFrames} from './lib.mjs';

// The page's state and the line it shows: the failure screen's reason or the notice.
const shown = (page) => page.evaluate(() => ({
  state: window.demoState,
  reason: document.getElementById('failed').hidden ? '' :
      document.getElementById('reason').textContent,
  notice: document.getElementById('notice').hidden ? '' :
      document.getElementById('notice').textContent,
}));

const pageHtml = readFileSync(path.join(pageDir, 'index.html'), 'latin1');

// index.html with the wasm inside it made unreadable: the base64 of its first bytes ("\0asm",
// the magic number every wasm starts with) replaced.
function brokenWasm() {
  const magic = 'base64,AGFzbQ';
  if (!pageHtml.includes(magic)) fail('index.html holds no wasm as base64');
  return Buffer.from(pageHtml.replace(magic, 'base64,AAAAAA'), 'latin1');
}

// index.html cut off in the middle of the program's script, as a broken download leaves it:
// the script does not run at all.
function programCutShort() {
  const script = pageHtml.indexOf('Module.openMusicOutput');
  if (script < 0) fail('index.html holds no program');
  return Buffer.from(`${pageHtml.slice(0, script + 1000)}\n</script></body></html>\n`, 'latin1');
}

const cannotStart = [
  {name: 'the program cut short', replaced: {'index.html': programCutShort()},
   says: /program in index\.html did not run/},
  {name: 'a broken wasm', replaced: {'index.html': brokenWasm()},
   says: /program could not run in this browser/},
];

const browser = await launchBrowser();
try {
  for (const {name, replaced, says} of cannotStart) {
    const {server, url} = await servePage(replaced);
    const {page, consoleLines} = await openPage(browser, url);
    const {state, reason} = await shown(page);
    if (state !== 'failed' || !says.test(reason)) {
      fail(`${name}: the page is "${state}" and says "${reason}"\n${consoleLines.join('\n')}`);
    }
    console.log(`${name}: the page says "${reason}"`);
    await page.close();
    server.close();
  }

  // A browser without Web Audio: the constructor is gone before the page's scripts run.
  const {server, url} = await servePage();
  const {page, consoleLines} = await openPage(browser, url, '?frametimes', {
    beforeScripts: () => {
      delete window.AudioContext;
      delete window.webkitAudioContext;
    },
  });
  await startDemo(page, 400, 300);
  await waitForFrames(page, 5);
  const {state, notice} = await shown(page);
  if (state !== 'running' || !/^No sound: .*no Web Audio/.test(notice)) {
    fail(`without Web Audio the page is "${state}" and says "${notice}"\n` +
         consoleLines.join('\n'));
  }
  console.log(`without Web Audio: ${await frameCount(page)} frames drawn, the page says ` +
              `"${notice}"`);

  // A fault in the running program: a WebAssembly trap thrown from a script of the page's, as
  // one thrown in a frame reaches it. (Chromium reports what a script evaluated by the test
  // throws to the console only.)
  await page.addScriptTag({content: `setTimeout(() => {
    throw new WebAssembly.RuntimeError('memory access out of bounds');
  });`});
  await page.waitForFunction(() => window.demoState === 'failed');
  const {reason} = await shown(page);
  if (!/program could not run in this browser/.test(reason)) {
    fail(`after a trap the page says "${reason}"\n${consoleLines.join('\n')}`);
  }
  console.log(`after a trap in the program: the page says "${reason}"`);
  server.close();
} finally {
  await browser.close();
}

// A browser that refuses WebGL: the page says so as soon as it opens.
{
  const {server, url} = await servePage();
  const refusing = await launchBrowser({chromiumArgs: ['--disable-webgl'],
                                        firefoxPrefs: {'webgl.disabled': true}});
  try {
    const {page, consoleLines} = await openPage(refusing, url);
    const {state, reason} = await shown(page);
    if (state !== 'failed' || !/no WebGL.*turn WebGL/.test(reason)) {
      fail(`${engine} without WebGL: the page is "${state}" and says "${reason}"\n` +
           consoleLines.join('\n'));
    }
    console.log(`${engine} without WebGL: the page says "${reason}"`);
  } finally {
    await refusing.close();
    server.close();
  }
}

// Firefox without a sound device leaves the page's audio context suspended: the page says so
// while the demo goes on. (Headless Chromium always has an audio output.)
if (engine === 'firefox') {
  const {server, url} = await servePage();
  const deviceless = await launchBrowser({firefoxPrefs: {'media.cubeb.force_mock_context': false}});
  try {
    const {page, consoleLines} = await openPage(deviceless, url, '?frametimes');
    await startDemo(page, 400, 300);
    const said = await page.waitForFunction(() => {
      const notice = document.getElementById('notice');
      return !notice.hidden && notice.textContent;
    }).then((handle) => handle.jsonValue());
    const {state, context} = await page.evaluate(() => ({
      state: window.demoState, context: Module.audioContext.state}));
    if (state !== 'running' || context === 'running' || !/^No sound: .*sound device/.test(said)) {
      fail(`with its audio context ${context} the page is "${state}" and says "${said}"\n` +
           consoleLines.join('\n'));
    }
    await waitForFrames(page, 3);
    console.log(`firefox without a sound device: the page says "${said}"`);
  } finally {
    await deviceless.close();
    server.close();
  }
}
