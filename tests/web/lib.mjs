// What the web tests share: a static file server for the built page, the browser (headless
// Chromium or Firefox ESR, as DEMO_BROWSER says) driven by puppeteer-core, the page's start and
// its canvas as pixels, and the native tools' output.
import {execFileSync, spawn} from 'node:child_process';
import {existsSync, mkdtempSync, openSync, readFileSync, rmSync} from 'node:fs';
import http from 'node:http';
import {createRequire} from 'node:module';
import {tmpdir} from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';

// puppeteer-core is installed by npm into the build folder (WEB_TEST_DEPS), not beside us.
// The folders may be given relative to the working directory.
const puppeteer = createRequire(path.resolve(process.env.WEB_TEST_DEPS, 'package.json'))(
    'puppeteer-core');

export const pageDir = process.env.DEMO_WEB_DIR;
const linuxBuild = process.env.DEMO_LINUX_BUILD_DIR;
// A busy machine renders WebGL in software slowly: every wait is for a condition, with this
// much time allowed.
const kDeadlineMs = 90000;

export function fail(message) {
  console.error(`FAIL: ${message}`);
  process.exit(1);
}

export function scratchDir() {
  const dir = mkdtempSync(path.join(tmpdir(), 'demo-web-'));
  process.on('exit', () => rmSync(dir, {recursive: true, force: true}));
  return dir;
}

// Serves the page's folder (or `dir`) on a free loopback port. `replaced` maps a file name to
// the bytes served instead, or to null for a file that is not there.
export async function servePage(replaced = {}, dir = pageDir) {
  const types = {html: 'text/html', js: 'text/javascript', wasm: 'application/wasm'};
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname.slice(1)) ||
                 'index.html';
    let body = null;
    if (name in replaced) {
      body = replaced[name];
    } else if (/^[\w.-]+$/.test(name)) {
      try {
        body = readFileSync(path.join(dir, name));
      } catch {
        body = null;
      }
    }
    if (body === null) {
      response.writeHead(404).end();
      return;
    }
    const type = types[name.split('.').pop()] || 'application/octet-stream';
    response.writeHead(200, {'Content-Type': type}).end(body);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return {server, url: `http://127.0.0.1:${server.address().port}/`};
}

// The engine the tests drive: DEMO_BROWSER=chromium (the default) or firefox. Chromium is
// driven over the DevTools protocol, Firefox over WebDriver BiDi.
export const engine = process.env.DEMO_BROWSER || 'chromium';
const kEngines = ['chromium', 'firefox'];

// A fresh headless browser of the engine DEMO_BROWSER names, in a fresh profile, given
// chromiumArgs (command-line switches) or firefoxPrefs beyond the tests' own.
export async function launchBrowser({chromiumArgs = [], firefoxPrefs = {}} = {}) {
  if (!kEngines.includes(engine)) {
    fail(`DEMO_BROWSER is "${engine}"; the web tests run in ${kEngines.join(' or ')}`);
  }
  return engine === 'firefox' ? launchFirefox(firefoxPrefs) : launchChromium(chromiumArgs);
}

function browserProgram(variable, fallback, debianPackage) {
  const program = process.env[variable] || fallback;
  if (!existsSync(program)) {
    fail(`${program} is not there: install the Debian package ${debianPackage} ` +
         `(./test.sh does), or name the browser's program in ${variable}`);
  }
  return program;
}

// Debian's Chromium, headless, WebGL on SwiftShader.
function launchChromium(extraArgs) {
  return puppeteer.launch({
    executablePath: browserProgram('CHROMIUM', '/usr/bin/chromium', 'chromium'),
    headless: true,
    userDataDir: scratchDir(),
    protocolTimeout: kDeadlineMs,
    args: [
      '--use-angle=swiftshader', '--enable-unsafe-swiftshader', '--no-sandbox',
      '--disable-gpu-sandbox', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--window-size=800,600', ...extraArgs,
    ],
  });
}

// Debian's Firefox ESR, headless, driven over WebDriver BiDi. Without a display headless
// Firefox has no WebGL at all, so it gets an Xvfb server of its own and renders WebGL there
// with Mesa's llvmpipe.
async function launchFirefox(extraPrefs) {
  const program = browserProgram('FIREFOX', '/usr/bin/firefox-esr', 'firefox-esr');
  const xvfb = await startXvfb();
  let browser;
  try {
    browser = await puppeteer.launch({
      browser: 'firefox',
      executablePath: program,
      headless: true,
      userDataDir: scratchDir(),
      protocolTimeout: kDeadlineMs,
      env: {...process.env, DISPLAY: xvfb.display, LIBGL_ALWAYS_SOFTWARE: '1'},
      extraPrefsFirefox: {
        // WebGL on a software rasteriser whatever Firefox's driver block list says of it, even
        // for a context that asks to fail on a slow renderer (the demo's does not). Firefox
        // 153 on llvmpipe needs neither; they keep a later Firefox or Mesa from taking WebGL
        // away.
        'webgl.force-enabled': true,
        'webgl.disable-fail-if-major-performance-caveat': true,
        // Firefox plays Web Audio through a sound device and, with none (no sound card, no
        // sound server, as on a build machine), leaves every audio context suspended: no
        // samples are ever asked for. Its mock device plays into nothing at the device's pace,
        // as headless Chromium's audio output does.
        'media.cubeb.force_mock_context': true,
        // Full screen at once: no transition and no warning over the page.
        'full-screen-api.transition-duration.enter': '0 0',
        'full-screen-api.transition-duration.leave': '0 0',
        'full-screen-api.warning.timeout': 0,
        ...extraPrefs,
      },
    });
  } catch (error) {
    xvfb.stop();
    throw error;
  }
  browser.once('disconnected', xvfb.stop);
  return browser;
}

// Starts an Xvfb server for this process and resolves to {display, stop}; the server is stopped
// when the browser using it disconnects or this process exits, whichever comes first. Xvfb
// picks a free display number itself (-displayfd) and writes it only once it accepts
// connections, so tests running at the same time or one right after another never share or
// race for a display. -noreset: by default the server resets whenever its last client leaves
// and drops any client that connects meanwhile, and Firefox's GL probe (glxtest) is a process
// of its own that connects and leaves during the browser's start-up.
function startXvfb() {
  const logPath = path.join(scratchDir(), 'xvfb.log');
  const server = spawn(process.env.XVFB || 'Xvfb',
                       ['-displayfd', '3', '-screen', '0', '1280x1024x24', '-nolisten', 'tcp',
                        '-noreset'],
                       {stdio: ['ignore', 'ignore', openSync(logPath, 'w'), 'pipe']});
  const stop = () => {
    if (server.exitCode === null && server.signalCode === null) server.kill();
  };
  process.on('exit', stop);
  const log = () => readFileSync(logPath, 'utf8').trim();
  return new Promise((resolve, reject) => {
    const timer = setTimeout(() => {
      stop();
      reject(new Error(`Xvfb did not say its display within 30 s: ${log()}`));
    }, 30000);
    server.on('error', (error) => {
      clearTimeout(timer);
      reject(new Error(`cannot start Xvfb (${error.message}); it comes with the Debian ` +
                       'package xvfb (./test.sh installs it)'));
    });
    server.on('exit', (code, signal) => {
      clearTimeout(timer);
      reject(new Error(`Xvfb ended (${signal || `status ${code}`}) before it was ready: ${log()}`));
    });
    let said = '';
    server.stdio[3].on('data', (bytes) => {
      said += bytes;
      if (!said.includes('\n')) return;
      clearTimeout(timer);
      // The number is all Xvfb writes there; the server must not keep this process alive.
      server.stdio[3].destroy();
      server.unref();
      resolve({display: `:${said.trim()}`, stop});
    });
  });
}

// Opens the page at 800 x 600 CSS pixels with the query string and keeps its console for the
// test; deviceScaleFactor is the device pixels per CSS pixel (devicePixelRatio), and
// beforeScripts a function run in the page before its own scripts. `url` is the page's folder:
// served (http://...) or a file:// one.
export async function openPage(browser, url, query = '',
                               {deviceScaleFactor = 1, beforeScripts} = {}) {
  const page = await browser.newPage();
  if (beforeScripts) await page.evaluateOnNewDocument(beforeScripts);
  page.setDefaultTimeout(kDeadlineMs);
  const consoleLines = [];
  page.on('console', (message) => consoleLines.push(message.text()));
  page.on('pageerror', (error) => consoleLines.push(`page error: ${error.message}`));
  await page.setViewport({width: 800, height: 600, deviceScaleFactor});
  await page.goto(`${url}index.html${query}`);
  await page.waitForFunction(() => window.demoState === 'waiting' || window.demoState === 'failed');
  return {page, consoleLines};
}

// Starts the demo with a click at picture pixel (x, y), which also leaves the pointer there,
// and waits until it has drawn `frames` frames (the page must have been opened with frametimes).
export async function startDemo(page, x, y, frames = 3) {
  await page.mouse.click(x, y);
  await page.waitForFunction(() => window.demoState !== 'waiting');
  const {state, reason} = await page.evaluate(() => ({
    state: window.demoState, reason: document.getElementById('reason').textContent}));
  if (state !== 'running') fail(`the demo did not start (state ${state}): ${reason}`);
  await waitForFrames(page, frames);
}

// A finger on the page's touch screen (the page must have been given a touch viewport):
// tap(x, y), and drag(points), which touches the first point, moves through the others and
// lifts. In Chromium this is puppeteer's touchscreen. Firefox ESR 153 rejects the touch
// puppeteer 24.9 sends it over WebDriver BiDi: a contact with an altitude angle but no azimuth
// angle fails in Firefox's event synthesis with NS_ERROR_ILLEGAL_VALUE. There the same pointer
// actions go to BiDi's input.performActions with both angles given.
export function finger(page) {
  if (engine !== 'firefox') {
    return {
      tap: (x, y) => page.touchscreen.tap(x, y),
      async drag([first, ...rest]) {
        await page.touchscreen.touchStart(...first);
        for (const point of rest) await page.touchscreen.touchMove(...point);
        await page.touchscreen.touchEnd();
      },
    };
  }
  const contact = {width: 1, height: 1, pressure: 0.5, altitudeAngle: Math.PI / 2,
                   azimuthAngle: 0};
  const at = ([x, y]) => ({type: 'pointerMove', x: Math.round(x), y: Math.round(y), ...contact});
  const touch = ([first, ...rest]) => page.mainFrame().browsingContext.performActions([{
    type: 'pointer', id: 'finger', parameters: {pointerType: 'touch'},
    actions: [at(first), {type: 'pointerDown', button: 0, ...contact}, ...rest.map(at),
              {type: 'pointerUp', button: 0}],
  }]);
  return {tap: (x, y) => touch([[x, y]]), drag: touch};
}

export function frameCount(page) {
  return page.evaluate(() => window.demoFrameTimes[1].length + window.demoFrameTimes[2].length);
}

// The main-thread stalls the audio tests put the page through: a slow start-up longer than the
// sound the page queues ahead (three quarters of a second), then kStalls stalls of kStallMs,
// kBetweenStallsMs apart.
export const kSlowStartUpMs = 900;
export const kStalls = 4;
export const kStallMs = 250;
export const kBetweenStallsMs = 600;

// Makes the demo's start-up (its main, which starts the song) be followed, in the same task,
// by `ms` milliseconds of a busy main thread, as a slow start-up is.
export function slowStartUp(page, ms) {
  return page.evaluate((ms) => {
    const callMain = Module.callMain;
    Module.callMain = (args) => {
      callMain(args);
      const start = performance.now();
      while (performance.now() - start < ms) {
        // Busy.
      }
    };
  }, ms);
}

// Waits until `more` frames beyond those drawn so far have been drawn.
export async function waitForFrames(page, more) {
  const target = (await frameCount(page)) + more;
  await page.waitForFunction(
      (n) => window.demoFrameTimes[1].length + window.demoFrameTimes[2].length >= n, {}, target);
}

// The canvas as shown, as RGB rows from the top, in device pixels: 800 x 600 on the page
// openPage opens at a device scale of 1, 1600 x 1200 at 2. The canvas must fill the page's
// 800 x 600 CSS pixels; a screenshot of another size than the device's pixels fails the test.
export async function canvasPixels(page) {
  const ratio = await page.evaluate(() => window.devicePixelRatio);
  const png = await page.screenshot({clip: {x: 0, y: 0, width: 800, height: 600}});
  const shown = decodePng(Buffer.from(png));
  const width = Math.round(800 * ratio);
  const height = Math.round(600 * ratio);
  if (shown.width !== width || shown.height !== height) {
    fail(`a screenshot of the 800 x 600 CSS pixels at device pixel ratio ${ratio} is ` +
         `${shown.width} x ${shown.height} pixels, not ${width} x ${height}`);
  }
  return shown;
}

// 8-bit RGB or RGBA PNGs, not interlaced (what both browsers and demo-capture write).
export function decodePng(bytes) {
  let offset = 8;
  let width = 0;
  let height = 0;
  let channels = 0;
  const data = [];
  while (offset < bytes.length) {
    const length = bytes.readUInt32BE(offset);
    const type = bytes.toString('latin1', offset + 4, offset + 8);
    const chunk = bytes.subarray(offset + 8, offset + 8 + length);
    if (type === 'IHDR') {
      width = chunk.readUInt32BE(0);
      height = chunk.readUInt32BE(4);
      if (chunk[8] !== 8 || chunk[12] !== 0) throw new Error('unsupported PNG');
      channels = {2: 3, 6: 4}[chunk[9]];
      if (!channels) throw new Error('unsupported PNG colour type');
    } else if (type === 'IDAT') {
      data.push(chunk);
    }
    offset += 12 + length;
  }
  const raw = zlib.inflateSync(Buffer.concat(data));
  const stride = width * channels;
  const rows = Buffer.alloc(height * stride);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let i = 0; i < stride; ++i) {
      const a = i >= channels ? rows[y * stride + i - channels] : 0;
      const b = y > 0 ? rows[(y - 1) * stride + i] : 0;
      const c = y > 0 && i >= channels ? rows[(y - 1) * stride + i - channels] : 0;
      const p = a + b - c;
      const paeth = Math.abs(p - a) <= Math.abs(p - b) && Math.abs(p - a) <= Math.abs(p - c) ?
          a : (Math.abs(p - b) <= Math.abs(p - c) ? b : c);
      const predictor = [0, a, b, (a + b) >> 1, paeth][filter];
      rows[y * stride + i] = (line[i] + predictor) & 0xff;
    }
  }
  const rgb = Buffer.alloc(width * height * 3);
  for (let i = 0; i < width * height; ++i) rows.copy(rgb, i * 3, i * channels, i * channels + 3);
  return {width, height, rgb};
}

// Pixels that differ by more than 2% of full scale in any channel.
export function differingPixels(a, b) {
  if (a.width !== b.width || a.height !== b.height) return a.width * a.height;
  let count = 0;
  for (let i = 0; i < a.rgb.length; i += 3) {
    if (Math.abs(a.rgb[i] - b.rgb[i]) > 5 || Math.abs(a.rgb[i + 1] - b.rgb[i + 1]) > 5 ||
        Math.abs(a.rgb[i + 2] - b.rgb[i + 2]) > 5) {
      ++count;
    }
  }
  return count;
}

// The native program's frame for scene, ms into it, and cursor (x, y) in the 800 x 600 picture's
// pixels, drawn offscreen by the Linux build's demo-capture on Mesa's software rasteriser:
// the 800 x 600 picture, or given sharp: {width, height}, the sharp picture drawn at the 4:3
// area of that size.
export function nativeFrame(scene, ms, x, y, {sharp} = {}) {
  const out = path.join(scratchDir(), 'frame.png');
  const size = sharp ? ['--sharp', '--size', `${sharp.width}x${sharp.height}`] : [];
  execFileSync(path.join(linuxBuild, 'demo-capture'),
               ['--still', '--scene', String(scene), '--t', String(ms / 10000), '--cursor',
                `${x},${y}`, ...size, '--out', out],
               {env: {...process.env, LIBGL_ALWAYS_SOFTWARE: '1'}, stdio: ['ignore', 'ignore', 'inherit']});
  return decodePng(readFileSync(out));
}

// libopenmpt's own render of a module, from the Linux build: float stereo at 44100 Hz,
// in the demo player's chunks, as [left, right] arrays.
export function nativeRender(modulePath, seconds) {
  const out = path.join(scratchDir(), 'render.f32');
  execFileSync(path.join(linuxBuild, 'render_module'), [modulePath, out, String(seconds)],
               {stdio: ['ignore', 'ignore', 'inherit']});
  const bytes = readFileSync(out);
  const samples = new Float32Array(bytes.buffer, bytes.byteOffset, bytes.length / 4);
  const left = [];
  const right = [];
  for (let i = 0; i < samples.length; i += 2) {
    left.push(samples[i]);
    right.push(samples[i + 1]);
  }
  return {left, right};
}

// The song's sound as the page's audio worklet output it (the page opened with audiotap): from
// the tap's chunk that holds the first sound on, once `frames` frames past that chunk are in.
// The song starts somewhere in that chunk, after silence the worklet output before it.
export async function tappedSong(page, frames) {
  await page.waitForFunction((wanted) => {
    const left = window.demoAudio.left;
    const first = left.findIndex((chunk) => chunk.some((v) => v !== 0));
    return first >= 0 && (left.length - first - 1) * left[0].length >= wanted;
  }, {}, frames);
  return page.evaluate(() => {
    const {rate, left, right} = window.demoAudio;
    const start = left.findIndex((chunk) => chunk.some((v) => v !== 0));
    return {rate, left: left.slice(start).flat(), right: right.slice(start).flat()};
  });
}

// Fails unless `frames` frames of `sound` ({rate, left, right}) from its first sound on are,
// sample for sample, libopenmpt's render of the page's music.xm from its first sound on;
// `detail` is added to the failure. Returns the peak of what was compared.
export function expectSong(sound, frames, detail = '') {
  if (sound.rate !== 44100) fail(`Web Audio runs at ${sound.rate} Hz, not 44100`);
  const reference = nativeRender(path.join(pageDir, 'music.xm'), frames / 44100 + 1);
  const firstSound = (samples) => samples.findIndex((v) => v !== 0);
  const from = firstSound(sound.left);
  const offset = firstSound(reference.left);
  if (from < 0 || sound.left.length - from < frames) {
    fail(`only ${sound.left.length - Math.max(from, 0)} frames of sound were heard\n${detail}`);
  }
  let peak = 0;
  for (let i = 0; i < frames; ++i) {
    const got = [sound.left[from + i], sound.right[from + i]];
    const expected = [reference.left[offset + i], reference.right[offset + i]];
    if (Math.fround(got[0]) !== Math.fround(expected[0]) ||
        Math.fround(got[1]) !== Math.fround(expected[1])) {
      fail(`sample frame ${i} after the first sound (${(i / 44100).toFixed(3)} s) is ${got}, ` +
           `libopenmpt renders ${expected}\n${detail}`);
    }
    peak = Math.max(peak, Math.abs(got[0]));
  }
  return peak;
}
