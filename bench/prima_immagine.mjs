// Loads a page of esamina_scenario in Debian's Chromium RUNS times, each in a
// fresh tab, and prints the milliseconds from the start of navigation to the
// page's first picture (the frame after its first drawing), one per line.
//   node prima_immagine.mjs PAGE.html RUNS
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { createRequire } from 'node:module';
import { fileURLToPath } from 'node:url';

const [pagina, volte = '7'] = process.argv.slice(2);
const radice = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..');
const puppeteer = createRequire(path.join(radice, 'package.json'))('puppeteer-core');
const profilo = fs.mkdtempSync(path.join(os.tmpdir(), 'prima-immagine-'));
const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium',
  headless: true,
  userDataDir: profilo,
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync'],
});
try {
  for (let i = 0; i < Number(volte); i++) {
    const scheda = await browser.newPage();
    await scheda.setViewport({ width: 1400, height: 1000 });
    await scheda.goto('file://' + path.resolve(pagina));
    await scheda.waitForFunction(() => document.body.dataset.pronta === '1', { timeout: 30000 });
    console.log((await scheda.evaluate(() => window.tempo_prima_immagine)).toFixed(1));
    await scheda.close();
  }
} finally {
  await browser.close();
  fs.rmSync(profilo, { recursive: true, force: true });
}
