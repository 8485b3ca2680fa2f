// The page of esamina_scenario --html in Debian's Chromium, driven as a user
// would: every station and signal has its mark, a station's tooltip shows its
// name and times, the wheel zooms to 5 km with an axis in the line's
// kilometres, a drag pans, the search centres on FIORNA, and no request leaves
// the page. Then a 1000 km scenario's page shows its first picture.
//
//   node pagina_nel_browser.mjs ESAMINA DATI GENERA_LINEA COMPILA LAVORO
//
// DATI holds the embedded scenario's binary files; GENERA_LINEA and COMPILA
// make and compile the 1000 km one. The screenshots stay in LAVORO.
// Exit 0 passed, 1 failed, 77 skipped (no Chromium, outside CI).
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { createRequire } from 'node:module';

const [esamina, dati, genera_linea, compila, lavoro] = process.argv.slice(2);
const cromo = '/usr/bin/chromium';
const radice = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../../..');
const puppeteer = createRequire(path.join(radice, 'package.json'))('puppeteer-core');

if (!fs.existsSync(cromo)) {
  console.log(cromo + ' not installed (bash .ci/esamina.sh installs it)');
  process.exit(process.env.CI ? 1 : 77);
}

let fallimenti = 0;
function verifica(condizione, cosa) {
  console.log((condizione ? 'ok     ' : 'FALLITO ') + cosa);
  if (!condizione) fallimenti++;
}

fs.rmSync(lavoro, { recursive: true, force: true });
fs.mkdirSync(lavoro, { recursive: true });

// The scenario as esamina_scenario dumps it: what the page must show.
function esamina_in(cartella, base, codice, pagina) {
  const uscita = execFileSync(esamina, [cartella, base, codice, '--json', '--html', pagina], { maxBuffer: 1 << 28 });
  return JSON.parse(uscita.toString('utf8'));
}

// The chainage as the records give it, worked out here and not by the page:
// a record flagged 1 counts down from its value less 100.
function chilometri(scenario) {
  const record = scenario.intestazione.progressive.filter((r) => r.da || r.valore || r.flag)
    .map((r) => r.flag === 1 ? { da: r.da, origine: r.valore - 100, verso: -1 } : { da: r.da, origine: r.valore, verso: 1 })
    .sort((a, b) => a.da - b.da);
  return (m) => {
    let t = record[0] || { da: 0, origine: 0, verso: 1 };
    for (const r of record) if (r.da <= m) t = r;
    return t.origine + t.verso * (m - t.da);
  };
}

async function apri(browser, file, richieste) {
  const pagina = await browser.newPage();
  await pagina.setViewport({ width: 1400, height: 1000 });
  const errori = [];
  pagina.on('pageerror', (e) => errori.push(e.message));
  pagina.on('console', (m) => { if (m.type() === 'error') errori.push(m.text()); });
  pagina.on('request', (r) => richieste.push(r.url()));
  const inizio = Date.now();
  await pagina.goto('file://' + file);
  await pagina.waitForFunction(() => document.body.dataset.pronta === '1', { timeout: 20000 });
  return { pagina, errori, millisecondi: Date.now() - inizio };
}

const vista = (pagina) => pagina.evaluate(() => window.pagina.vista());
const riquadro = (pagina, selettore) => pagina.$eval(selettore, (e) => {
  const r = e.getBoundingClientRect();
  return { x: r.left, y: r.top, w: r.width, h: r.height };
});

async function prova_incorporato(browser) {
  const file = path.join(lavoro, 'Ostrale_Fiorna_40817.html');
  const scenario = esamina_in(dati, 'Ostrale_Fiorna', '40817', file);
  const progressiva = chilometri(scenario);
  const richieste = [];
  const { pagina, errori } = await apri(browser, file, richieste);

  const segni = await pagina.evaluate(() => window.pagina.segni_pianta());
  const tela = await riquadro(pagina, '#pianta');
  const sulla_tela = (s) => s.x >= tela.x && s.x <= tela.x + tela.w && s.y >= tela.y && s.y <= tela.y + tela.h;
  const stazioni = scenario.stazioni;
  const mancanti = stazioni.filter((s) => !segni.some((g) => g.chiave === 'stazione' && g.nome === s.nome && g.m === s.progressiva && sulla_tela(g)));
  verifica(stazioni.length === 22 && mancanti.length === 0,
    `each of the ${stazioni.length} stations has its mark on the plan` + (mancanti.length ? `; missing ${mancanti.map((s) => s.nome)}` : ''));
  const segnali = scenario.eventi.filter((e) => e.evento === 'segnale');
  const senza = segnali.filter((e) => !segni.some((g) => g.chiave === 'segnale' && g.m === e.metri && sulla_tela(g)));
  verifica(segnali.length > 50 && senza.length === 0, `each of the ${segnali.length} signals has its mark` +
    (senza.length ? `; missing at ${senza.map((e) => e.metri)}` : ''));

  await pagina.screenshot({ path: path.join(lavoro, 'pagina.png') });

  // Hover a station: its name, its time and its stop.
  const vittore = segni.find((g) => g.chiave === 'stazione' && g.nome === 'SAN VITTORE ALTO');
  await pagina.mouse.move(vittore.x, vittore.y);
  const testo = await pagina.$eval('#suggerimento', (e) => (e.hidden ? '' : e.innerText));
  verifica(/SAN VITTORE ALTO/.test(testo) && /17:11:00/.test(testo) && /sosta 15 s/.test(testo) && /6900 m/.test(testo),
    'the tooltip of SAN VITTORE ALTO tells its name, position, time and stop: ' + JSON.stringify(testo));

  // A click on a signal centres it, closing in from the whole line to 5 km.
  const segnale = segni.find((g) => g.chiave === 'segnale' && g.m === 10300);
  await pagina.mouse.click(segnale.x, segnale.y);
  const cliccata = await vista(pagina);
  verifica(Math.abs((cliccata.da + cliccata.a) / 2 - 10300) < 1 && Math.abs(cliccata.a - cliccata.da - 5000) < 1,
    'a click on the signal at 10300 m centres it in 5 km');
  await pagina.click('#tutta');

  // Zoom with the wheel over the speed profile down to 5 km.
  const velocita = await riquadro(pagina, '#profilo-velocita .u-over');
  await pagina.mouse.move(velocita.x + velocita.w / 2, velocita.y + velocita.h / 2);
  for (let giri = 0; giri < 60 && (await vista(pagina)).a - (await vista(pagina)).da > 5000; giri++) {
    await pagina.mouse.wheel({ deltaY: -120 });
  }
  await pagina.evaluate(() => new Promise((r) => requestAnimationFrame(() => r())));
  const cinque = await vista(pagina);
  const larghezza = cinque.a - cinque.da;
  verifica(larghezza <= 5000 && larghezza > 4000, `the wheel zooms to 5 km (${Math.round(larghezza)} m shown)`);
  const tacche = await pagina.evaluate(() => window.pagina.tacche());
  const passi = tacche.slice(1).map((t, i) => t.m - tacche[i].m);
  const passo = passi[0];
  verifica(tacche.length >= 4 && [100, 200, 250, 500, 1000].includes(Math.round(passo)) &&
    passi.every((p) => Math.abs(p - passo) < 1e-6), 'the axis has evenly spaced ticks: ' + tacche.map((t) => t.testo.replace('\n', ' ')).join(' | '));
  const giuste = tacche.every((t) => {
    const c = Math.round(progressiva(t.m));
    const atteso = 'km ' + Math.floor(c / 1000) + '+' + String(c % 1000).padStart(3, '0');
    return t.m >= cinque.da - 1e-6 && t.m <= cinque.a + 1e-6 && c % Math.round(passo) === 0 &&
      t.testo === atteso + '\n' + Math.round(t.m) + ' m';
  });
  verifica(giuste, 'each tick is at a round kilometre of the line, labelled with it and with its metres');
  const in_vista = (await pagina.evaluate(() => window.pagina.segni_pianta()))
    .filter((s) => s.m >= cinque.da && s.m <= cinque.a);
  verifica(in_vista.length > 0 && in_vista.every(sulla_tela), `the plan shows the same stretch (${in_vista.length} marks in it)`);

  // Drag the speed profile 300 pixels to the left: the view moves on by as many pixels' worth.
  const prima = await vista(pagina);
  await pagina.mouse.move(velocita.x + velocita.w / 2, velocita.y + velocita.h / 2);
  await pagina.mouse.down();
  for (let i = 1; i <= 10; i++) await pagina.mouse.move(velocita.x + velocita.w / 2 - 30 * i, velocita.y + velocita.h / 2);
  await pagina.mouse.up();
  const dopo = await vista(pagina);
  const atteso = 300 * (prima.a - prima.da) / velocita.w;
  verifica(Math.abs(dopo.da - prima.da - atteso) < atteso * 0.05 && Math.abs(dopo.a - dopo.da - (prima.a - prima.da)) < 1e-6,
    `a drag pans by ${Math.round(atteso)} m, keeping the zoom (moved ${Math.round(dopo.da - prima.da)} m)`);

  // Search FIORNA.
  await pagina.click('#cerca-testo', { clickCount: 3 });
  await pagina.type('#cerca-testo', 'FIORNA');
  await pagina.keyboard.press('Enter');
  const fiorna = stazioni.find((s) => s.nome === 'FIORNA').progressiva;
  const centrata = await vista(pagina);
  verifica(Math.abs((centrata.da + centrata.a) / 2 - fiorna) < 1, `the search centres FIORNA (${fiorna} m)`);
  await pagina.screenshot({ path: path.join(lavoro, 'fiorna.png') });

  // A kilometre as the boards write it.
  await pagina.click('#cerca-testo', { clickCount: 3 });
  await pagina.type('#cerca-testo', '341+500');
  await pagina.keyboard.press('Enter');
  const km = await vista(pagina);
  verifica(Math.abs((km.da + km.a) / 2 - 8500) < 1, 'the search centres km 341+500 (8500 m)');

  verifica(errori.length === 0, 'no script error' + (errori.length ? ': ' + errori.join('; ') : ''));
  const fuori = richieste.filter((u) => u !== 'file://' + file);
  verifica(richieste.length === 1 && fuori.length === 0, 'the page asks for nothing but itself' + (fuori.length ? ': ' + fuori.join(', ') : ''));
  await pagina.close();
}

async function prova_mille_km(browser) {
  const cartella = path.join(lavoro, 'mille');
  fs.mkdirSync(cartella);
  execFileSync(genera_linea, ['1000000', cartella]);
  execFileSync(compila, [path.join(cartella, 'Prova_linea.txt'), path.join(cartella, 'Prova_1-.txt')], { stdio: 'ignore' });
  const file = path.join(cartella, 'Prova_1.html');
  esamina_in(cartella, 'Prova', '1', file);
  const byte = fs.statSync(file).size;
  verifica(byte < 8 * 1024 * 1024, `the 1000 km page is under 8 MB (${(byte / 1048576).toFixed(2)} MB)`);
  const richieste = [];
  const { pagina, errori, millisecondi } = await apri(browser, file, richieste);
  const tempo = await pagina.evaluate(() => window.tempo_prima_immagine);
  // The plan's pixels that are not blank: the track and its marks.
  const disegnati = await pagina.evaluate(() => {
    const t = document.getElementById('pianta');
    const d = t.getContext('2d').getImageData(0, 0, t.width, t.height).data;
    let n = 0;
    for (let i = 3; i < d.length; i += 4) if (d[i] > 0) n++;
    return n / (t.width * t.height);
  });
  verifica(disegnati > 0.002 && disegnati < 0.5, `the 1000 km page shows its first picture in ${Math.round(tempo)} ms ` +
    `(${millisecondi} ms to load), ${(disegnati * 100).toFixed(1)}% of the plan drawn`);
  await pagina.screenshot({ path: path.join(lavoro, 'mille.png') });
  verifica(errori.length === 0, 'no script error at 1000 km' + (errori.length ? ': ' + errori.join('; ') : ''));
  verifica(richieste.length === 1, 'the 1000 km page asks for nothing but itself');
  await pagina.close();
}

const profilo = fs.mkdtempSync(path.join(lavoro, 'profilo-'));
const browser = await puppeteer.launch({
  executablePath: cromo,
  headless: true,
  userDataDir: profilo,
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync'],
});
try {
  await prova_incorporato(browser);
  await prova_mille_km(browser);
} finally {
  await browser.close();
}
console.log(fallimenti === 0 ? 'all checks passed' : fallimenti + ' checks failed');
process.exit(fallimenti === 0 ? 0 : 1);
