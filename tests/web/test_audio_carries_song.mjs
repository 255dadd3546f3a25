// Web Audio runs and carries the song: what the page's audio worklet output is, sample for
// sample, libopenmpt's render of music.xm, from the song's first sound on.
import {expectSong, launchBrowser, openPage, servePage, startDemo, tappedSong} from './lib.mjs';

const kSeconds = 3;
const kRate = 44100;

const {server, url} = await servePage();
const browser = await launchBrowser();
try {
  const {page, consoleLines} = await openPage(browser, url, '?frametimes&audiotap');
  await startDemo(page, 400, 300);
  const frames = kSeconds * kRate;
  const peak = expectSong(await tappedSong(page, frames), frames, consoleLines.join('\n'));
  console.log(`${frames} frames at ${kRate} Hz equal libopenmpt's render (peak ${peak})`);
} finally {
  await browser.close();
  server.close();
}
