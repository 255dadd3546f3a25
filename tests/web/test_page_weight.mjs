// The page, everything it loads included (the program
// and its wasm are inside index.html, the song is music.js),
// weighs at most 1.5 MB gzipped: a link to it must stay quick to open, and the release's web
// archive, which holds these files, stays as small.
import {readFileSync} from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import {fail, pageDir} from './lib.mjs';

const kBudget = 1.5e6;
const files = ['index.html', 'music.js'];

let total = 0;
const sizes = files.map((name) => {
  const gzipped = zlib.gzipSync(readFileSync(path.join(pageDir, name)), {level: 9}).length;
  total += gzipped;
  return `${name} ${gzipped}`;
});
if (total > kBudget) fail(`the page weighs ${total} bytes gzipped (${sizes.join(', ')})`);
console.log(`the page weighs ${total} bytes gzipped: ${sizes.join(', ')}`);
