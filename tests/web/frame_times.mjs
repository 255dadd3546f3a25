// Prints the page's own frame time in the browser DEMO_BROWSER names (headless Chromium unless
// it says firefox): main-thread milliseconds per frame (the demo's per-frame callback: the
// frame's arithmetic and its WebGL calls), median and 99th percentile, for each scene over
// FRAMES frames (default 600) with the clock running. Firefox gives pages its clock in whole
// milliseconds, so its figures come in 1 ms steps.
// Usage: node frame_times.mjs [FRAMES], with the web tests' environment (see CMakeLists.txt).
import {launchBrowser, openPage, servePage, startDemo, waitForFrames} from './lib.mjs';

const frames = Number(process.argv[2] || 600);
const percentile = (sorted, p) => sorted[Math.min(sorted.length - 1, Math.floor(p * sorted.length))];

const {server, url} = await servePage();
const browser = await launchBrowser();
try {
  for (const scene of [1, 2]) {
    const {page} = await openPage(browser, url, `?frametimes&scene=${scene}`);
    await startDemo(page, 560, 410);
    await waitForFrames(page, frames);
    const times = await page.evaluate((s) => window.demoFrameTimes[s], scene);
    const sorted = times.slice(1).sort((a, b) => a - b);  // the first frame builds the glyphs
    console.log(`scene ${scene}: ${sorted.length} frames, median ` +
                `${percentile(sorted, 0.5).toFixed(2)} ms, p99 ${percentile(sorted, 0.99).toFixed(2)} ms`);
    await page.close();
  }
} finally {
  await browser.close();
  server.close();
}
