// Writes a file's content as a JavaScript statement that assigns it to a name. A page opened
// from its folder (a file:// page) may run scripts beside it but not fetch files, so what it
// needs from a file (the song, the audio worklet's code) reaches it this way.
// usage: node script_from_file.mjs text|base64 NAME INPUT OUTPUT
import {readFileSync, writeFileSync} from 'node:fs';
import path from 'node:path';

const [form, name, input, output] = process.argv.slice(2);
if (!['text', 'base64'].includes(form) || !name || !input || !output) {
  console.error('usage: node script_from_file.mjs text|base64 NAME INPUT OUTPUT');
  process.exit(2);
}
const bytes = readFileSync(input);
const value = form === 'text' ? bytes.toString('utf8') : bytes.toString('base64');
writeFileSync(output, `// ${path.basename(input)} (${form}), made by script_from_file.mjs.\n` +
                      `${name} = ${JSON.stringify(value)};\n`);
