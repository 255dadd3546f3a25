// The release's web archive for the tests: made by scripts/release/make_release.sh from this
// page's build and the Linux build, and unpacked as a user would.
import {execFileSync} from 'node:child_process';
import {readdirSync} from 'node:fs';
import path from 'node:path';
import {fileURLToPath} from 'node:url';

import {fail, pageDir, scratchDir} from './lib.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const makeRelease = path.join(here, '..', '..', 'scripts', 'release', 'make_release.sh');

// Makes a release without its video into a new scratch folder; returns the web archive's path.
export function makeWebRelease() {
  const out = scratchDir();
  // Releases made one after another take one time for their files, even if a commit lands
  // between them.
  const env = {...process.env, SOURCE_DATE_EPOCH: '1700000000'};
  try {
    execFileSync('bash', [makeRelease, '--no-video', '--out', out, '--linux-build',
                          process.env.DEMO_LINUX_BUILD_DIR, '--web-build', pageDir],
                 {env, stdio: ['ignore', 'ignore', 'pipe']});
  } catch (error) {
    fail(`make_release.sh failed: ${error.stderr}`);
  }
  const archives = readdirSync(out).filter((name) => name.endsWith('-web.zip'));
  if (archives.length !== 1) fail(`the release holds no single web archive: ${readdirSync(out)}`);
  return path.join(out, archives[0]);
}

// Unpacks the archive into an empty folder, which must then hold one folder named after the
// archive; returns {dir, files}: that folder's path and its files' names, sorted.
export function unpackWebRelease(archive) {
  const name = path.basename(archive, '-web.zip');
  const unpacked = scratchDir();
  execFileSync('unzip', ['-q', archive, '-d', unpacked]);
  const dir = path.join(unpacked, name);
  const folders = readdirSync(unpacked);
  if (folders.join(' ') !== name) fail(`the archive holds ${folders}, not one folder ${name}`);
  return {dir, files: readdirSync(dir).sort()};
}
