// The page, everything it loads included, weighs at most 1.5 MB gzipped: a link to it must
// stay quick to open.
import {readFileSync} from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import {fail, pageDir} from './lib.mjs';

const kBudget = 1.5e6;
const files = ['index.html', 'index.js', 'index.wasm', 'music_worklet.js', 'music.xm'];

let total = 0;
const sizes = files.map((name) => {
  const gzipped = zlib.gzipSync(readFileSync(path.join(pageDir, name)), {level: 9}).length;
  total += gzipped;
  return `${name} ${gzipped}`;
});
if (total > kBudget) fail(`the page weighs ${total} bytes gzipped (${sizes.join(', ')})`);
console.log(`the page weighs ${total} bytes gzipped: ${sizes.join(', ')}`);
