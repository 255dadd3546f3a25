// The release's web archive: two releases of the same builds give the same bytes; it holds
// the page's files and README.txt in one folder; unpacked into an empty folder and served as
// it is, the page runs: the frozen frame of scene 2 equals the native one, and Esc ends it.
import {execFileSync} from 'node:child_process';
import {readdirSync, readFileSync} from 'node:fs';
import path from 'node:path';
import {fileURLToPath} from 'node:url';

import {canvasPixels, differingPixels, fail, launchBrowser, nativeFrame, openPage, pageDir,
        scratchDir, servePage, startDemo} from './lib.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const makeRelease = path.join(here, '..', '..', 'scripts', 'release', 'make_release.sh');
const linuxBuild = process.env.DEMO_LINUX_BUILD_DIR;
const kTolerance = Math.floor(800 * 600 / 1000);  // 0.1% of the picture, as for the stills

// Makes a release without its video into a new scratch folder; returns the web archive's path.
function release() {
  const out = scratchDir();
  // Both releases take one time for their files, even if a commit lands between them.
  const env = {...process.env, SOURCE_DATE_EPOCH: '1700000000'};
  try {
    execFileSync('bash', [makeRelease, '--no-video', '--out', out, '--linux-build', linuxBuild,
                          '--web-build', pageDir], {env, stdio: ['ignore', 'ignore', 'pipe']});
  } catch (error) {
    fail(`make_release.sh failed: ${error.stderr}`);
  }
  const archives = readdirSync(out).filter((name) => name.endsWith('-web.zip'));
  if (archives.length !== 1) fail(`the release holds no single web archive: ${readdirSync(out)}`);
  return path.join(out, archives[0]);
}

const first = release();
const second = release();
if (!readFileSync(first).equals(readFileSync(second))) {
  fail('two releases of the same builds give different web archives');
}
const name = path.basename(first, '-web.zip');
const unpacked = scratchDir();
execFileSync('unzip', ['-q', first, '-d', unpacked]);
const files = readdirSync(path.join(unpacked, name)).sort().join(' ');
if (readdirSync(unpacked).join(' ') !== name ||
    files !== 'README.txt index.html index.js index.wasm music.xm music_worklet.js') {
  fail(`the archive holds ${readdirSync(unpacked)}: ${files}`);
}

const {server, url} = await servePage({}, path.join(unpacked, name));
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
  console.log(`${path.basename(first)}: the same bytes twice; unpacked and served, the page ` +
              `ran (${differing} pixels from the native frame) and Esc ended it`);
} finally {
  await browser.close();
  server.close();
}
