// The scenario's page: the plan view on a canvas, the events lane and the
// three profiles as uPlot charts, all on one stretch of the line (stato.da to
// stato.a, metres along it) that wheel, drag, clicks and the search change.
(function () {
  'use strict';

  const D = JSON.parse(document.getElementById('dati').textContent);
  const L = Math.max(D.lunghezza, 1);
  const tipi = new Map(D.tipi.map((t) => [t.chiave, t]));
  const stato = { da: 0, a: L, cursore: null };
  const larghezza_minima = 50;  // one cell

  // ---- the line's kilometres ----------------------------------------------

  const progressive = D.progressive;  // by rising `da`, never empty

  function tratto_a(m) {
    let t = progressive[0];
    for (const p of progressive) if (p.da <= m) t = p;
    return t;
  }

  function progressiva(m) {
    const t = tratto_a(m);
    return t.origine + t.verso * (m - t.da);
  }

  function fine_tratto(i) {
    return i + 1 < progressive.length ? progressive[i + 1].da : Infinity;
  }

  // The first position on the line whose chainage is `c`, or null.
  function posizione_di(c) {
    for (let i = 0; i < progressive.length; i++) {
      const t = progressive[i];
      const p = t.da + (c - t.origine) * t.verso;
      const inizio = i === 0 ? -Infinity : t.da;
      if (p >= inizio && p < fine_tratto(i) && p >= 0 && p <= L) return p;
    }
    return null;
  }

  function km(c) {
    const m = Math.round(c);
    const tutti = Math.abs(m);
    return (m < 0 ? '-' : '') + Math.floor(tutti / 1000) + '+' + String(tutti % 1000).padStart(3, '0');
  }

  function dove(m) {
    return Math.round(m) + ' m, km ' + km(progressiva(m));
  }

  function passo_tondo(intervallo, massimo) {
    const grezzo = Math.abs(intervallo) / Math.max(massimo, 1);
    if (!(grezzo > 0) || !isFinite(grezzo)) return 1;
    const potenza = Math.pow(10, Math.floor(Math.log10(grezzo)));
    for (const f of [1, 2, 5, 10]) if (f * potenza >= grezzo * (1 - 1e-9)) return f * potenza;
    return 10 * potenza;
  }

  // Positions in [da, a] where the chainage is a whole multiple of `passo`.
  function tacche_progressiva(da, a, passo) {
    const tacche = [];
    for (let i = 0; i < progressive.length; i++) {
      const t = progressive[i];
      const inizio = Math.max(da, i === 0 ? da : t.da);
      const fine = Math.min(a, fine_tratto(i));
      if (inizio > fine) continue;
      const c1 = t.origine + t.verso * (inizio - t.da);
      const c2 = t.origine + t.verso * (fine - t.da);
      const basso = Math.min(c1, c2), alto = Math.max(c1, c2);
      for (let k = Math.ceil(basso / passo - 1e-9); k * passo <= alto + passo * 1e-9; k++) {
        const p = t.da + (k * passo - t.origine) * t.verso;
        if (p < fine_tratto(i)) tacche.push({ m: p, c: k * passo });
      }
    }
    return tacche.sort((x, y) => x.m - y.m);
  }

  // ---- the stretch shown ---------------------------------------------------

  const osservatori = [];

  function imposta_vista(da, a) {
    let larghezza = Math.min(Math.max(a - da, larghezza_minima), L);
    let inizio = (da + a) / 2 - larghezza / 2;
    inizio = Math.min(Math.max(inizio, 0), L - larghezza);
    stato.da = inizio;
    stato.a = inizio + larghezza;
    for (const o of osservatori) o();
  }

  function zoom_attorno(m, fattore) {
    imposta_vista(m - (m - stato.da) * fattore, m + (stato.a - m) * fattore);
  }

  function sposta(metri) {
    imposta_vista(stato.da + metri, stato.a + metri);
  }

  // Centres on `m`; from a view wider than 20 km, closes in to 5 km around it.
  function centra(m) {
    const larghezza = stato.a - stato.da > 20000 ? 5000 : stato.a - stato.da;
    imposta_vista(m - larghezza / 2, m + larghezza / 2);
  }

  // ---- what each mark is ---------------------------------------------------

  function segno(chiave) {
    return tipi.get(chiave) || tipi.get('sconosciuto');
  }

  function disegna_forma(ctx, forma, x, y, r, colore) {
    ctx.save();
    ctx.fillStyle = colore;
    ctx.strokeStyle = colore;
    ctx.lineWidth = Math.max(1, r / 3);
    ctx.beginPath();
    switch (forma) {
      case 'cerchio':
        ctx.arc(x, y, r, 0, 2 * Math.PI);
        ctx.fill();
        ctx.strokeStyle = '#fff';
        ctx.lineWidth = Math.max(1, r / 4);
        ctx.stroke();
        break;
      case 'barra':
        ctx.fillRect(x - r / 4, y - r, r / 2, 2 * r);
        break;
      case 'segnale':
        ctx.moveTo(x, y + r);
        ctx.lineTo(x, y - r / 3);
        ctx.stroke();
        ctx.beginPath();
        ctx.arc(x, y - r / 1.5, r / 1.6, 0, 2 * Math.PI);
        ctx.fill();
        break;
      case 'rombo':
        ctx.moveTo(x, y - r);
        ctx.lineTo(x + r, y);
        ctx.lineTo(x, y + r);
        ctx.lineTo(x - r, y);
        ctx.closePath();
        ctx.fill();
        break;
      case 'quadrato':
        ctx.fillRect(x - r * 0.8, y - r * 0.8, r * 1.6, r * 1.6);
        break;
      case 'triangolo':
      case 'triangolo_vuoto':
        ctx.moveTo(x, y - r);
        ctx.lineTo(x + r, y + r * 0.8);
        ctx.lineTo(x - r, y + r * 0.8);
        ctx.closePath();
        if (forma === 'triangolo') ctx.fill(); else ctx.stroke();
        break;
      case 'triangolo_giu':
        ctx.moveTo(x, y + r);
        ctx.lineTo(x + r, y - r * 0.8);
        ctx.lineTo(x - r, y - r * 0.8);
        ctx.closePath();
        ctx.fill();
        break;
      case 'punto':
        ctx.arc(x, y, r / 2.5, 0, 2 * Math.PI);
        ctx.fill();
        break;
      case 'croce':
      case 'croce_vuota':
        ctx.moveTo(x - r, y - r);
        ctx.lineTo(x + r, y + r);
        ctx.moveTo(x + r, y - r);
        ctx.lineTo(x - r, y + r);
        ctx.stroke();
        if (forma === 'croce_vuota') {
          ctx.beginPath();
          ctx.arc(x, y, r, 0, 2 * Math.PI);
          ctx.stroke();
        }
        break;
      case 'fascia':
        ctx.globalAlpha = 0.45;
        ctx.fillRect(x - r * 1.5, y - r / 2, r * 3, r);
        break;
      case 'fine':
        ctx.lineWidth = Math.max(2, r / 2);
        ctx.moveTo(x, y - r);
        ctx.lineTo(x, y + r);
        ctx.stroke();
        break;
      default:
        ctx.fillRect(x - r, y - r, 2 * r, 2 * r);
    }
    ctx.restore();
  }

  // The text of the tooltip of a station, an event or a slowdown.
  function descrivi_stazione(s) {
    const righe = [s.nome, 'stazione (voce ' + s.voce + '), tipo ' + s.tipo + (s.capolinea ? ', capolinea' : ''),
      'a ' + dove(s.m), 'area da ' + s.inizio + ' a ' + s.fine + ' m',
      s.orario ? 'orario ' + s.orario + ', sosta ' + s.sosta + ' s' : 'senza fermata in orario'];
    return righe;
  }

  function descrivi_evento(e) {
    const valori = e.valori.map((v) => v[0] + ' ' + v[1]).join(', ');
    const righe = [e.nome + (e.testo ? ' ' + e.testo : ''), 'cella ' + e.cella + ', ' + dove(e.m)];
    if (valori) righe.push(valori);
    if (e.tipo === 'abbattimento_180') righe.push('180 \u00e8 il valore dei punti aggiunti dal compilatore');
    return righe;
  }

  function descrivi_rallentamento(r) {
    const righe = ['rallentamento a ' + r.v + ' km/h' + (r.d_v ? ' (d_v ' + r.d_v + ')' : ''),
      'da ' + dove(r.da), 'a ' + dove(r.a), 'lungo ' + (r.a - r.da) + ' m, f_tt ' + r.f_tt];
    if (r.avviso !== null) righe.push('avviso a ' + dove(r.avviso));
    return righe;
  }

  function descrivi_galleria(g) {
    return ['montagna di tipo ' + g.tipo, 'da ' + dove(g.da), 'a ' + dove(g.a), 'lunga ' + (g.a - g.da) + ' m'];
  }

  function descrivi_curva(c) {
    return ['curva a ' + (c.sinistra ? 'sinistra' : 'destra') + ', raggio ' + c.raggio + ' m',
      'da ' + dove(c.da), 'a ' + dove(c.a), 'lunga ' + (c.a - c.da) + ' m'];
  }

  // ---- the tooltip ---------------------------------------------------------

  const suggerimento = document.getElementById('suggerimento');

  function mostra_suggerimento(righe, x, y) {
    suggerimento.textContent = '';
    const titolo = document.createElement('b');
    titolo.textContent = righe[0];
    suggerimento.appendChild(titolo);
    suggerimento.appendChild(document.createTextNode(righe.slice(1).join('\n')));
    suggerimento.hidden = false;
    const largo = suggerimento.offsetWidth, alto = suggerimento.offsetHeight;
    const sx = x + 14 + largo > window.innerWidth ? x - 14 - largo : x + 14;
    const sy = y + 14 + alto > window.innerHeight ? y - 14 - alto : y + 14;
    suggerimento.style.left = Math.max(0, sx) + 'px';
    suggerimento.style.top = Math.max(0, sy) + 'px';
  }

  function nascondi_suggerimento() {
    suggerimento.hidden = true;
  }

  // ---- labels that never pile up ------------------------------------------

  // Boxes already taken, in a grid of 32-pixel squares so that a test looks
  // only at its neighbours; a label goes to the first free place offered, or nowhere.
  function nuovi_posti() {
    const lato = 32;
    const griglia = new Map();
    const quadri = (r, fai) => {
      for (let i = Math.floor(r.x / lato); i <= Math.floor((r.x + r.w) / lato); i++) {
        for (let j = Math.floor(r.y / lato); j <= Math.floor((r.y + r.h) / lato); j++) {
          if (fai(i * 65536 + j) === false) return false;
        }
      }
      return true;
    };
    const libero = (r) => quadri(r, (k) => !(griglia.get(k) || []).some((p) =>
      r.x < p.x + p.w && p.x < r.x + r.w && r.y < p.y + p.h && p.y < r.y + r.h));
    const occupa = (r) => quadri(r, (k) => {
      const lista = griglia.get(k);
      if (lista) lista.push(r); else griglia.set(k, [r]);
    });
    return {
      occupa,
      prova(candidati) {
        for (const r of candidati) {
          if (libero(r)) { occupa(r); return r; }
        }
        return null;
      },
    };
  }

  // ---- the data, ready to draw ---------------------------------------------

  const eventi = D.eventi;  // by rising m
  const stazioni = D.stazioni;
  const curve = D.tracciato ? D.tracciato.curve : [];
  const livelli = D.tracciato ? D.tracciato.livelli.map((l) => {
    const n = l.punti.length / 3;
    const m = new Float64Array(n), x = new Float64Array(n), y = new Float64Array(n);
    for (let i = 0; i < n; i++) {
      m[i] = l.punti[3 * i];
      x[i] = l.punti[3 * i + 1];
      y[i] = l.punti[3 * i + 2];
    }
    return { tolleranza: l.tolleranza, m, x, y, n };
  }) : [];

  // The last index of `valori` not above `v` (0 when all are).
  function cerca(valori, n, v) {
    let basso = 0, alto = n - 1;
    while (basso < alto) {
      const mezzo = (basso + alto + 1) >> 1;
      if (valori[mezzo] <= v) basso = mezzo; else alto = mezzo - 1;
    }
    return basso;
  }

  function primo_da(lista, m) {
    let basso = 0, alto = lista.length;
    while (basso < alto) {
      const mezzo = (basso + alto) >> 1;
      if (lista[mezzo].m < m) basso = mezzo + 1; else alto = mezzo;
    }
    return basso;
  }

  // The track's point at metre m, from the finest level.
  function punto_a(m) {
    const l = livelli[0];
    const i = cerca(l.m, l.n, m);
    if (i + 1 >= l.n || l.m[i + 1] === l.m[i]) return { x: l.x[i], y: l.y[i] };
    const t = Math.min(Math.max((m - l.m[i]) / (l.m[i + 1] - l.m[i]), 0), 1);
    return { x: l.x[i] + t * (l.x[i + 1] - l.x[i]), y: l.y[i] + t * (l.y[i + 1] - l.y[i]) };
  }

  // The coarsest level that still looks exact at `metri_px` metres a pixel.
  function livello_per(metri_px) {
    let scelto = livelli[0];
    for (const l of livelli) if (l.tolleranza <= metri_px / 2) scelto = l;
    return scelto;
  }

  function valore_in(tratti, m) {
    for (const t of tratti) if (m >= t[0] && m < t[1]) return t;
    return null;
  }

  // ---- the plan view -------------------------------------------------------

  const tela = document.getElementById('pianta');
  const pianta = { scala: 1, cx: 0, cy: 0, w: 0, h: 0, segni: [], disegnata: false };

  function adatta_pianta() {
    const l = livello_per((stato.a - stato.da) / 1000);
    let minx = Infinity, maxx = -Infinity, miny = Infinity, maxy = -Infinity;
    const allarga = (p) => {
      minx = Math.min(minx, p.x); maxx = Math.max(maxx, p.x);
      miny = Math.min(miny, p.y); maxy = Math.max(maxy, p.y);
    };
    allarga(punto_a(stato.da));
    allarga(punto_a(stato.a));
    for (let i = cerca(l.m, l.n, stato.da); i < l.n && l.m[i] <= stato.a; i++) allarga({ x: l.x[i], y: l.y[i] });
    const margine = 40;
    const largo = Math.max(maxx - minx, 1e-3), alto = Math.max(maxy - miny, 1e-3);
    pianta.scala = Math.min((pianta.w - 2 * margine) / largo, (pianta.h - 2 * margine) / alto);
    pianta.cx = (minx + maxx) / 2;
    pianta.cy = (miny + maxy) / 2;
  }

  function a_schermo(p) {
    return { x: pianta.w / 2 + (p.x - pianta.cx) * pianta.scala, y: pianta.h / 2 - (p.y - pianta.cy) * pianta.scala };
  }

  // The track from metre da to a in screen points, at the level that suits.
  function tratto_schermo(l, da, a) {
    const punti = [a_schermo(punto_a(da))];
    for (let i = cerca(l.m, l.n, da) + 1; i < l.n && l.m[i] < a; i++) punti.push(a_schermo({ x: l.x[i], y: l.y[i] }));
    punti.push(a_schermo(punto_a(a)));
    return punti;
  }

  function polilinea(ctx, punti) {
    ctx.beginPath();
    let dentro_prima = false;
    for (let i = 0; i < punti.length; i++) {
      const p = punti[i];
      // Segments wholly off the canvas are skipped.
      const q = punti[Math.min(i + 1, punti.length - 1)];
      const dentro = !((p.x < 0 && q.x < 0) || (p.y < 0 && q.y < 0) ||
        (p.x > pianta.w && q.x > pianta.w) || (p.y > pianta.h && q.y > pianta.h));
      if (dentro || dentro_prima) {
        if (dentro_prima) ctx.lineTo(p.x, p.y); else ctx.moveTo(p.x, p.y);
      }
      dentro_prima = dentro;
    }
    ctx.stroke();
  }

  function nello_schermo(p, margine) {
    return p.x >= -margine && p.y >= -margine && p.x <= pianta.w + margine && p.y <= pianta.h + margine;
  }

  function disegna_pianta() {
    const rapporto = window.devicePixelRatio || 1;
    pianta.w = tela.clientWidth;
    pianta.h = tela.clientHeight;
    tela.width = Math.round(pianta.w * rapporto);
    tela.height = Math.round(pianta.h * rapporto);
    const ctx = tela.getContext('2d');
    ctx.setTransform(rapporto, 0, 0, rapporto, 0, 0);
    ctx.clearRect(0, 0, pianta.w, pianta.h);
    pianta.segni = [];
    if (!livelli.length) {
      ctx.fillStyle = '#666';
      ctx.font = '14px sans-serif';
      ctx.fillText('tracciato assente: lo scenario \u00e8 compilato senza geometria', 16, 28);
      return;
    }
    adatta_pianta();
    const metri_px = 1 / pianta.scala;
    const l = livello_per(metri_px);
    ctx.lineJoin = 'round';
    ctx.lineCap = 'round';

    // Tunnels and station areas under the track.
    ctx.globalAlpha = 0.5;
    ctx.lineWidth = 9;
    ctx.strokeStyle = segno('galleria').colore;
    for (const g of D.gallerie) polilinea(ctx, tratto_schermo(l, g.da, Math.min(g.a, L)));
    ctx.strokeStyle = '#8fb8ec';
    for (const s of stazioni) polilinea(ctx, tratto_schermo(l, Math.max(s.inizio, 0), Math.min(s.fine, L)));
    ctx.globalAlpha = 1;

    // The whole line faint, the stretch shown dark.
    ctx.lineWidth = 2;
    ctx.strokeStyle = '#c4c4c4';
    polilinea(ctx, tratto_schermo(l, 0, L));
    ctx.strokeStyle = '#222';
    polilinea(ctx, tratto_schermo(l, stato.da, stato.a));

    const posti = nuovi_posti();
    const margine_m = (stato.a - stato.da) * 2;
    // The track itself, sampled every few pixels, keeps labels off it.
    const binario = tratto_schermo(l, Math.max(0, stato.da - margine_m), Math.min(L, stato.a + margine_m));
    for (let i = 0; i + 1 < binario.length; i++) {
      const p = binario[i], q = binario[i + 1];
      if (!nello_schermo(p, 20) && !nello_schermo(q, 20)) continue;
      const passi = Math.min(Math.ceil(Math.hypot(q.x - p.x, q.y - p.y) / 6), 2000);
      for (let k = 0; k <= passi; k++) {
        const x = p.x + (q.x - p.x) * k / Math.max(passi, 1), y = p.y + (q.y - p.y) * k / Math.max(passi, 1);
        posti.occupa({ x: x - 3, y: y - 3, w: 6, h: 6 });
      }
    }

    const etichette = [];
    const marca = (tipo, m, chiave, oggetto, etichetta, priorita) => {
      const p = a_schermo(punto_a(m));
      if (!nello_schermo(p, 10)) return;
      const t = segno(chiave);
      const fuori = m < stato.da || m > stato.a;
      ctx.globalAlpha = fuori ? 0.35 : 1;
      disegna_forma(ctx, t.forma, p.x, p.y, chiave === 'stazione' ? 6 : 5, t.colore);
      ctx.globalAlpha = 1;
      pianta.segni.push({ tipo, chiave, m, x: p.x, y: p.y, oggetto });
      posti.occupa({ x: p.x - 5, y: p.y - 5, w: 10, h: 10 });
      if (etichetta && !fuori) etichette.push({ p, testo: etichetta, colore: t.colore, priorita });
    };

    // Only the events of the stretch on the screen, found by position.
    for (let i = primo_da(eventi, stato.da - margine_m); i < eventi.length && eventi[i].m <= stato.a + margine_m; i++) {
      const e = eventi[i];
      if (e.tipo === 'fermata' || e.tipo === 'prima_avviso' || e.tipo === 'segno_montagna') {
        if (metri_px > 20) continue;  // fine detail, drawn once it can be told apart
      }
      const priorita = e.tipo === 'segnale' ? 2 : e.tipo === 'cartello' || e.tipo === 'indicatore' ? 3 : 4;
      // Over a whole long line the labels of signals and boards would be a blur: names only.
      const etichetta = e.tipo === 'fermata' || metri_px > 100 ? '' : e.etichetta;
      marca('evento', e.m, e.tipo, e, etichetta, priorita);
    }
    for (const s of stazioni) {
      marca('stazione', s.m, 'stazione', s, s.nome, s.capolinea || s.orario ? 0 : 1);
    }
    marca('fine_linea', L, 'fine_linea', null, 'fine linea', 0);
    for (const c of curve) {
      if (metri_px > 50 || c.a < stato.da || c.da > stato.a) continue;
      const p = a_schermo(punto_a((c.da + c.a) / 2));
      if (nello_schermo(p, 0)) etichette.push({ p, testo: 'R ' + c.raggio, colore: '#666', priorita: 5 });
    }

    ctx.font = '12px sans-serif';
    ctx.textBaseline = 'top';
    etichette.sort((x, y) => x.priorita - y.priorita);
    for (const e of etichette) {
      const w = ctx.measureText(e.testo).width, h = 13;
      const { x, y } = e.p;
      const posto = posti.prova([
        { x: x + 9, y: y - h / 2, w, h }, { x: x - 9 - w, y: y - h / 2, w, h },
        { x: x - w / 2, y: y - 10 - h, w, h }, { x: x - w / 2, y: y + 10, w, h },
        { x: x + 9, y: y - h - 6, w, h }, { x: x - 9 - w, y: y + 6, w, h },
      ]);
      if (!posto) continue;
      ctx.fillStyle = 'rgba(255,255,255,0.8)';
      ctx.fillRect(posto.x - 1, posto.y - 1, w + 2, h + 1);
      ctx.fillStyle = e.colore;
      ctx.fillText(e.testo, posto.x, posto.y);
    }

    disegna_scala(ctx);
    disegna_nord(ctx);
  }

  // The point the cursor is over in a chart, on a canvas of its own over the
  // plan: moving the cursor redraws only the ring.
  const tela_cursore = document.getElementById('pianta-cursore');
  function disegna_cursore() {
    const rapporto = window.devicePixelRatio || 1;
    tela_cursore.width = Math.round(pianta.w * rapporto);
    tela_cursore.height = Math.round(pianta.h * rapporto);
    const ctx = tela_cursore.getContext('2d');
    ctx.setTransform(rapporto, 0, 0, rapporto, 0, 0);
    if (stato.cursore === null || !livelli.length) return;
    const p = a_schermo(punto_a(stato.cursore));
    ctx.strokeStyle = '#f00';
    ctx.lineWidth = 2;
    ctx.beginPath();
    ctx.arc(p.x, p.y, 8, 0, 2 * Math.PI);
    ctx.stroke();
  }

  // A bar of a round length about 120 pixels long.
  function disegna_scala(ctx) {
    const metri = passo_tondo(120 / pianta.scala, 1);
    const lungo = metri * pianta.scala;
    const x = 16, y = pianta.h - 18;
    ctx.strokeStyle = '#222';
    ctx.fillStyle = '#222';
    ctx.lineWidth = 2;
    ctx.beginPath();
    ctx.moveTo(x, y - 5);
    ctx.lineTo(x, y);
    ctx.lineTo(x + lungo, y);
    ctx.lineTo(x + lungo, y - 5);
    ctx.stroke();
    ctx.font = '12px sans-serif';
    ctx.textBaseline = 'bottom';
    ctx.fillText(metri >= 1000 ? metri / 1000 + ' km' : metri + ' m', x + 4, y - 4);
  }

  function disegna_nord(ctx) {
    const x = pianta.w - 22, y = 16;
    ctx.fillStyle = '#222';
    ctx.beginPath();
    ctx.moveTo(x, y);
    ctx.lineTo(x + 6, y + 16);
    ctx.lineTo(x - 6, y + 16);
    ctx.closePath();
    ctx.fill();
    ctx.font = '11px sans-serif';
    ctx.textBaseline = 'top';
    ctx.textAlign = 'center';
    ctx.fillText('N', x, y + 18);
    ctx.textAlign = 'left';
  }

  // The metre of the track nearest to a point of the canvas, within `raggio` pixels.
  function metro_vicino(x, y, raggio) {
    if (!livelli.length) return null;
    const l = livello_per(1 / pianta.scala);
    let migliore = null, distanza = raggio;
    for (let i = 0; i + 1 < l.n; i++) {
      const a = a_schermo({ x: l.x[i], y: l.y[i] }), b = a_schermo({ x: l.x[i + 1], y: l.y[i + 1] });
      const dx = b.x - a.x, dy = b.y - a.y, lungo2 = dx * dx + dy * dy;
      const t = lungo2 > 0 ? Math.min(Math.max(((x - a.x) * dx + (y - a.y) * dy) / lungo2, 0), 1) : 0;
      const d = Math.hypot(x - (a.x + t * dx), y - (a.y + t * dy));
      if (d < distanza) {
        distanza = d;
        migliore = l.m[i] + t * (l.m[i + 1] - l.m[i]);
      }
    }
    return migliore;
  }

  function segno_vicino(segni, x, y, raggio) {
    let migliore = null, distanza = raggio;
    for (const s of segni) {
      const d = Math.hypot(s.x - x, s.y - y);
      if (d <= distanza) { distanza = d; migliore = s; }
    }
    return migliore;
  }

  // ---- the lane of events and the profiles (uPlot) ------------------------

  const righe_corsia = ['stazioni', 'segnali', 'cartelli', 'rallentamenti', 'gallerie e altro'];
  const riga_di = {
    segnale: 1, cartello: 2, indicatore: 2, avviso: 3, prima_avviso: 3, inizio_rallentamento: 3,
    fine_rallentamento: 3, fermata: 0,
  };
  const grafici = [];
  const larghezza_asse_y = 110;  // the same in every chart, so that their plotting areas line up
  const corsia = { segni: [] };

  function asse_x(mostra) {
    return {
      scale: 'x',
      show: mostra,
      size: mostra ? 44 : 0,
      space: 90,
      grid: { stroke: '#e4e4e4', width: 1 },
      ticks: { show: mostra, stroke: '#888' },
      splits: (u, i, min, max) => {
        const larghezza = u.bbox.width / (window.devicePixelRatio || 1);
        const passo = passo_tondo(max - min, Math.max(2, Math.floor(larghezza / 100)));
        u.passo_km = passo;
        // Where the chainage jumps two ticks can stand close: the second is left out.
        const scelte = [];
        const vicine = 80 * (max - min) / larghezza;
        for (const t of tacche_progressiva(min, max, passo)) {
          if (!scelte.length || t.m - scelte[scelte.length - 1] >= vicine) scelte.push(t.m);
        }
        return scelte;
      },
      values: (u, posizioni) => {
        const testi = posizioni.map((m) => {
          const c = progressiva(m);
          const testo = u.passo_km >= 1000 ? 'km ' + Math.round(c / 1000) : 'km ' + km(c);
          return testo + '\n' + Math.round(m) + ' m';
        });
        u.tacche = posizioni.map((m, i) => ({ m, testo: testi[i] }));
        return testi;
      },
    };
  }

  function nuovo_grafico(contenitore, altezza, asse_y, serie, dati, disegna, ultimo) {
    const opzioni = {
      width: contenitore.clientWidth || 800,
      height: altezza,
      padding: [null, 44, null, null],  // room for the last tick's label
      legend: { show: false },
      cursor: {
        sync: { key: 'linea' },
        drag: { x: false, y: false, setScale: false },
        points: { show: false },
        y: false,
        bind: { dblclick: () => null },
      },
      scales: { x: { time: false, auto: false, range: () => [stato.da, stato.a] }, y: asse_y.scala },
      axes: [asse_x(ultimo), asse_y.asse],
      series: [{}].concat(serie),
      hooks: { draw: disegna ? [disegna] : [] },
    };
    const u = new uPlot(opzioni, dati, contenitore);
    grafici.push(u);
    return u;
  }

  function gradini(tratti) {
    const xs = [], ys = [];
    for (const t of tratti) { xs.push(t[0]); ys.push(t[2]); }
    if (tratti.length) { xs.push(tratti[tratti.length - 1][1]); ys.push(tratti[tratti.length - 1][2]); }
    return [xs, ys];
  }

  function massimo_assoluto(tratti, almeno) {
    let m = almeno;
    for (const t of tratti) if (t[0] < L) m = Math.max(m, Math.abs(t[2]));
    return m;
  }

  function asse_valori(etichetta, min, max) {
    return {
      scala: { auto: false, range: () => [min, max] },
      asse: { scale: 'y', label: etichetta, labelSize: 18, size: larghezza_asse_y, grid: { stroke: '#eee' }, space: 24 },
    };
  }

  const a_gradini = uPlot.paths.stepped({ align: 1 });

  function disegna_corsia(u) {
    const ctx = u.ctx;
    const r = uPlot.pxRatio;
    const { left, top, width, height } = u.bbox;
    const alto = height / righe_corsia.length;
    const y_riga = (i) => top + alto * (i + 0.5);
    const x_di = (m) => u.valToPos(m, 'x', true);
    corsia.segni = [];
    ctx.save();
    ctx.beginPath();
    ctx.rect(left, top, width, height);
    ctx.clip();
    ctx.strokeStyle = '#eee';
    for (let i = 1; i < righe_corsia.length; i++) {
      ctx.beginPath();
      ctx.moveTo(left, top + alto * i);
      ctx.lineTo(left + width, top + alto * i);
      ctx.stroke();
    }
    const fascia = (da, a, riga, colore, alfa, oggetto, tipo) => {
      if (a < stato.da || da > stato.a) return;
      const x1 = x_di(da), x2 = Math.max(x_di(a), x1 + r);
      ctx.globalAlpha = alfa;
      ctx.fillStyle = colore;
      ctx.fillRect(x1, y_riga(riga) - alto * 0.3, x2 - x1, alto * 0.6);
      ctx.globalAlpha = 1;
      corsia.segni.push({ tipo, m: (da + a) / 2, da, a, riga, oggetto, fascia: true });
    };
    for (const g of D.gallerie) fascia(g.da, g.a, 4, segno('galleria').colore, 0.45, g, 'galleria');
    for (const s of D.rallentamenti) fascia(s.da, s.a, 3, segno('inizio_rallentamento').colore, 0.25, s, 'rallentamento');
    for (const s of stazioni) fascia(s.inizio, s.fine, 0, '#8fb8ec', 0.6, s, 'area');

    const posti = righe_corsia.map(() => nuovi_posti());
    const etichette = [];
    const marca = (m, chiave, riga, oggetto, tipo, etichetta, priorita) => {
      const x = x_di(m), y = y_riga(riga);
      const t = segno(chiave);
      disegna_forma(ctx, t.forma, x, y, 5 * r, t.colore);
      posti[riga].occupa({ x: x - 5 * r, y: y - 5 * r, w: 10 * r, h: 10 * r });
      corsia.segni.push({ tipo, chiave, m, riga, oggetto, x: (x - left) / r, y: (y - top) / r });
      if (etichetta) etichette.push({ x, y, riga, testo: etichetta, colore: t.colore, priorita });
    };
    for (let i = primo_da(eventi, stato.da); i < eventi.length && eventi[i].m <= stato.a; i++) {
      const e = eventi[i];
      const riga = e.tipo in riga_di ? riga_di[e.tipo] : 4;
      marca(e.m, e.tipo, riga, e, 'evento', e.tipo === 'fermata' ? '' : e.etichetta, riga === 1 ? 2 : 3);
    }
    for (const s of stazioni) {
      if (s.m >= stato.da && s.m <= stato.a) marca(s.m, 'stazione', 0, s, 'stazione', s.nome, s.capolinea || s.orario ? 0 : 1);
    }
    if (L >= stato.da && L <= stato.a) {
      const x = x_di(L);
      ctx.strokeStyle = '#000';
      ctx.lineWidth = 2 * r;
      ctx.beginPath();
      ctx.moveTo(x, top);
      ctx.lineTo(x, top + height);
      ctx.stroke();
      corsia.segni.push({ tipo: 'fine_linea', chiave: 'fine_linea', m: L, riga: 0, oggetto: null, x: (x - left) / r,
        y: (y_riga(0) - top) / r });
    }
    ctx.font = 11 * r + 'px sans-serif';
    ctx.textBaseline = 'middle';
    ctx.textAlign = 'left';  // uPlot leaves its own
    etichette.sort((p, q) => p.priorita - q.priorita);
    for (const e of etichette) {
      const w = ctx.measureText(e.testo).width, h = 12 * r;
      const posto = posti[e.riga].prova([
        { x: e.x + 7 * r, y: e.y - h / 2, w, h }, { x: e.x - 7 * r - w, y: e.y - h / 2, w, h },
      ]);
      if (!posto) continue;
      ctx.fillStyle = e.colore;
      ctx.fillText(e.testo, posto.x, e.y);
    }
    ctx.restore();
  }

  function disegna_rallentamenti(u) {
    const ctx = u.ctx;
    const r = uPlot.pxRatio;
    ctx.save();
    ctx.beginPath();
    ctx.rect(u.bbox.left, u.bbox.top, u.bbox.width, u.bbox.height);
    ctx.clip();
    ctx.strokeStyle = segno('inizio_rallentamento').colore;
    ctx.fillStyle = ctx.strokeStyle;
    ctx.lineWidth = 2.5 * r;
    for (const s of D.rallentamenti) {
      if (s.a < stato.da || s.da > stato.a) continue;
      const x1 = u.valToPos(s.da, 'x', true), x2 = u.valToPos(s.a, 'x', true), y = u.valToPos(s.v, 'y', true);
      const base = u.valToPos(valore_in(D.profili.velocita, s.da)?.[2] ?? s.v, 'y', true);
      ctx.globalAlpha = 0.15;
      ctx.fillRect(x1, Math.min(y, base), Math.max(x2 - x1, r), Math.abs(base - y));
      ctx.globalAlpha = 1;
      ctx.beginPath();
      ctx.moveTo(x1, base);
      ctx.lineTo(x1, y);
      ctx.lineTo(x2, y);
      ctx.lineTo(x2, base);
      ctx.stroke();
    }
    ctx.restore();
  }

  function crea_grafici() {
    const con = (id) => document.getElementById(id);
    const righe = righe_corsia.length;
    nuovo_grafico(con('corsia'), 150, {
      scala: { auto: false, range: () => [0, righe] },
      asse: {
        scale: 'y', size: larghezza_asse_y, grid: { show: false }, ticks: { show: false },
        splits: () => righe_corsia.map((_, i) => righe - i - 0.5),
        values: () => righe_corsia.slice(),
      },
    }, [{ show: false }], [[0, L], [null, null]], disegna_corsia, false);

    const pendenze = D.profili.pendenze;
    const p_max = Math.ceil(massimo_assoluto(pendenze, 5) * 1.15);
    nuovo_grafico(con('profilo-pendenze'), 130, asse_valori('pendenza (\u2030)', -p_max, p_max),
      [{ label: 'pendenza', stroke: '#a05a00', width: 1.5, paths: a_gradini, points: { show: false } }],
      gradini(pendenze), null, false);

    const velocita = D.profili.velocita;
    const v_max = Math.ceil(massimo_assoluto(velocita, 50) * 1.1 / 10) * 10;
    nuovo_grafico(con('profilo-velocita'), 150, asse_valori('velocit\u00e0 (km/h)', 0, v_max),
      [{ label: 'velocit\u00e0 limite', stroke: '#007000', width: 1.5, paths: a_gradini, points: { show: false } }],
      gradini(velocita), disegna_rallentamenti, false);

    const aderenze = D.profili.aderenze;
    const a_max = Math.ceil(massimo_assoluto(aderenze, 10) * 1.1 / 10) * 10;
    nuovo_grafico(con('profilo-aderenze'), 150, asse_valori('aderenza', 0, a_max),
      [{ label: 'aderenza', stroke: '#3050a0', width: 1.5, paths: a_gradini, points: { show: false } }],
      gradini(aderenze), null, true);
  }

  // What the cursor is over in a chart: a mark of the lane, or the profile's step.
  function descrivi_nel_grafico(u, indice, x, y) {
    const m = u.posToVal(x, 'x');
    if (indice === 0) {
      const segno_vicino_qui = segno_vicino(corsia.segni.filter((s) => !s.fascia), x, y, 8);
      if (segno_vicino_qui) return descrivi_segno(segno_vicino_qui);
      const riga = Math.floor(y / (u.bbox.height / uPlot.pxRatio / righe_corsia.length));
      const fascia = corsia.segni.find((s) => s.fascia && s.riga === riga && m >= s.da && m <= s.a);
      if (fascia) return descrivi_segno(fascia);
      return null;
    }
    const profili = [null, ['pendenza', D.profili.pendenze, '\u2030'], ['velocit\u00e0 limite', D.profili.velocita, 'km/h'],
      ['aderenza', D.profili.aderenze, '']];
    const [nome, tratti, unita] = profili[indice];
    const t = valore_in(tratti, m);
    if (!t) return null;
    const righe = [nome + ' ' + t[2] + (unita ? ' ' + unita : ''), 'da ' + dove(t[0]), 'a ' + dove(t[1]), 'qui ' + dove(m)];
    if (indice === 2) {
      for (const s of D.rallentamenti) if (m >= s.da && m < s.a) righe.push(...descrivi_rallentamento(s));
    }
    return righe;
  }

  function descrivi_segno(s) {
    switch (s.tipo) {
      case 'stazione': case 'area': return descrivi_stazione(s.oggetto);
      case 'evento': return descrivi_evento(s.oggetto);
      case 'rallentamento': return descrivi_rallentamento(s.oggetto);
      case 'galleria': return descrivi_galleria(s.oggetto);
      case 'fine_linea': return ['fine della linea', dove(L)];
      default: return null;
    }
  }

  function centra_se_si_puo(s) {
    if (!s || !(s.tipo === 'stazione' || (s.tipo === 'evento' && s.chiave === 'segnale'))) return false;
    centra(s.m);
    return true;
  }

  // ---- wheel, drag, click --------------------------------------------------

  // Drag by `passo_metri(dx, dy)` metres; a press that hardly moves is a click.
  function trascinabile(elemento, passo_metri, al_clic) {
    let inizio = null;
    elemento.addEventListener('pointerdown', (e) => {
      if (e.button !== 0) return;
      inizio = { x: e.clientX, y: e.clientY, ultimo_x: e.clientX, ultimo_y: e.clientY, mosso: false };
      elemento.setPointerCapture(e.pointerId);
    });
    elemento.addEventListener('pointermove', (e) => {
      if (!inizio) return;
      if (!inizio.mosso && Math.hypot(e.clientX - inizio.x, e.clientY - inizio.y) < 4) return;
      inizio.mosso = true;
      document.body.classList.add('trascina');
      sposta(passo_metri(e.clientX - inizio.ultimo_x, e.clientY - inizio.ultimo_y));
      inizio.ultimo_x = e.clientX;
      inizio.ultimo_y = e.clientY;
    });
    const fine = (e) => {
      if (!inizio) return;
      const era_clic = !inizio.mosso;
      inizio = null;
      document.body.classList.remove('trascina');
      if (era_clic && e.type === 'pointerup') al_clic(e);
    };
    elemento.addEventListener('pointerup', fine);
    elemento.addEventListener('pointercancel', fine);
  }

  function fattore_rotella(e) {
    const righe = e.deltaMode === 1 ? 33 : e.deltaMode === 2 ? 500 : 1;
    return Math.exp(Math.max(-300, Math.min(300, e.deltaY * righe)) * 0.0015);
  }

  function collega_grafico(u, indice) {
    const sopra = u.over;
    sopra.addEventListener('wheel', (e) => {
      e.preventDefault();
      zoom_attorno(u.posToVal(e.offsetX, 'x'), fattore_rotella(e));
    }, { passive: false });
    trascinabile(sopra, (dx) => -dx * (stato.a - stato.da) / sopra.clientWidth, (e) => {
      const r = sopra.getBoundingClientRect();
      centra_se_si_puo(segno_vicino(corsia.segni, e.clientX - r.left, e.clientY - r.top, indice === 0 ? 8 : 0));
    });
    sopra.addEventListener('mousemove', (e) => {
      stato.cursore = u.posToVal(e.offsetX, 'x');
      disegna_cursore();
      const righe = descrivi_nel_grafico(u, indice, e.offsetX, e.offsetY);
      if (righe) mostra_suggerimento(righe, e.clientX, e.clientY); else nascondi_suggerimento();
    });
    sopra.addEventListener('mouseleave', () => {
      stato.cursore = null;
      disegna_cursore();
      nascondi_suggerimento();
    });
  }

  function collega_pianta() {
    tela.addEventListener('wheel', (e) => {
      e.preventDefault();
      const m = metro_vicino(e.offsetX, e.offsetY, 60);
      zoom_attorno(m === null ? (stato.da + stato.a) / 2 : m, fattore_rotella(e));
    }, { passive: false });
    // A drag slides the track along its own direction at the middle of the view.
    trascinabile(tela, (dx, dy) => {
      if (!livelli.length) return 0;
      const centro = (stato.da + stato.a) / 2, passo = Math.max((stato.a - stato.da) / 100, 1);
      const p = a_schermo(punto_a(centro - passo)), q = a_schermo(punto_a(centro + passo));
      const lungo = Math.hypot(q.x - p.x, q.y - p.y);
      if (lungo === 0) return 0;
      return -((dx * (q.x - p.x) + dy * (q.y - p.y)) / lungo) / pianta.scala;
    }, (e) => centra_se_si_puo(segno_vicino(pianta.segni, e.offsetX, e.offsetY, 9)));
    tela.addEventListener('mousemove', (e) => {
      const s = segno_vicino(pianta.segni, e.offsetX, e.offsetY, 9);
      let righe = s ? descrivi_segno(s) : null;
      if (!righe) {
        const m = metro_vicino(e.offsetX, e.offsetY, 6);
        if (m !== null) {
          righe = ['binario', dove(m)];
          const c = curve.find((c) => m >= c.da && m <= c.a);
          if (c) righe.push(...descrivi_curva(c));
          const g = D.gallerie.find((g) => m >= g.da && m < g.a);
          if (g) righe.push(...descrivi_galleria(g));
        }
      }
      if (righe) mostra_suggerimento(righe, e.clientX, e.clientY); else nascondi_suggerimento();
    });
    tela.addEventListener('mouseleave', nascondi_suggerimento);
  }

  // ---- search --------------------------------------------------------------

  function cerca_luogo(testo) {
    const t = testo.trim();
    if (!t) return null;
    const numero = /^(?:km\s*)?(-?\d+)(?:\+(\d{1,3})|[.,](\d+))?$/i.exec(t);
    if (numero) {
      const intero = parseInt(numero[1], 10);
      const metri = numero[2] !== undefined ? parseInt(numero[2], 10)
        : numero[3] !== undefined ? Math.round(parseFloat('0.' + numero[3]) * 1000) : 0;
      const p = posizione_di(intero * 1000 + (intero < 0 ? -metri : metri));
      return p === null ? { errore: 'il km ' + t + ' non \u00e8 sulla linea (km ' + km(progressiva(0)) + ' \u2013 ' +
        km(progressiva(L)) + ')' } : { m: p, nome: 'km ' + km(progressiva(p)) };
    }
    const cercato = t.toUpperCase();
    const trovata = stazioni.find((s) => s.nome.toUpperCase() === cercato) ||
      stazioni.find((s) => s.nome.toUpperCase().startsWith(cercato)) ||
      stazioni.find((s) => s.nome.toUpperCase().includes(cercato));
    return trovata ? { m: trovata.m, nome: trovata.nome } : { errore: 'nessuna stazione \u00ab' + t + '\u00bb' };
  }

  function collega_ricerca() {
    const elenco = document.getElementById('nomi-stazioni');
    for (const s of stazioni) {
      const voce = document.createElement('option');
      voce.value = s.nome;
      elenco.appendChild(voce);
    }
    const esito = document.getElementById('cerca-esito');
    document.getElementById('cerca').addEventListener('submit', (e) => {
      e.preventDefault();
      const trovato = cerca_luogo(document.getElementById('cerca-testo').value);
      if (!trovato) return;
      if (trovato.errore) {
        esito.textContent = trovato.errore;
        return;
      }
      esito.textContent = '';
      centra(trovato.m);
    });
    document.getElementById('tutta').addEventListener('click', () => imposta_vista(0, L));
  }

  // ---- legend, the text of the view, drawing on demand ---------------------

  function crea_legenda() {
    const legenda = document.getElementById('legenda');
    const usati = new Set(['stazione', 'fine_linea']);
    for (const e of eventi) usati.add(e.tipo);
    if (D.gallerie.length) usati.add('galleria');
    for (const t of D.tipi) {
      if (!usati.has(t.chiave)) continue;
      const voce = document.createElement('span');
      const icona = document.createElement('canvas');
      const r = window.devicePixelRatio || 1;
      icona.width = 16 * r;
      icona.height = 16 * r;
      icona.style.width = '16px';
      icona.style.height = '16px';
      const ctx = icona.getContext('2d');
      ctx.scale(r, r);
      disegna_forma(ctx, t.forma, 8, 8, 5, t.colore);
      voce.appendChild(icona);
      voce.appendChild(document.createTextNode(t.nome));
      legenda.appendChild(voce);
    }
    const profili = [['#a05a00', 'pendenza'], ['#007000', 'velocit\u00e0 limite'], ['#c0007a', 'rallentamento'],
      ['#3050a0', 'aderenza'], ['#666', 'R: raggio di curva']];
    for (const [colore, nome] of profili) {
      const voce = document.createElement('span');
      const linea = document.createElement('span');
      linea.style.cssText = 'display:inline-block;width:16px;height:3px;background:' + colore;
      voce.appendChild(linea);
      voce.appendChild(document.createTextNode(nome));
      legenda.appendChild(voce);
    }
  }

  function scrivi_vista() {
    document.getElementById('vista-testo').textContent = 'da km ' + km(progressiva(stato.da)) + ' a km ' +
      km(progressiva(stato.a)) + ' (' + Math.round(stato.da) + '\u2013' + Math.round(stato.a) + ' m, ' +
      ((stato.a - stato.da) / 1000).toFixed(stato.a - stato.da < 10000 ? 2 : 0) + ' km)';
  }

  let pianta_richiesta = false;
  function richiedi_pianta() {
    if (pianta_richiesta) return;
    pianta_richiesta = true;
    requestAnimationFrame(() => {
      pianta_richiesta = false;
      disegna_pianta();
      disegna_cursore();
    });
  }

  function ridimensiona() {
    for (const u of grafici) u.setSize({ width: u.root.parentNode.clientWidth, height: u.height });
    richiedi_pianta();
  }

  // ---- start ---------------------------------------------------------------

  crea_legenda();
  crea_grafici();
  grafici.forEach(collega_grafico);
  collega_pianta();
  collega_ricerca();
  osservatori.push(() => {
    for (const u of grafici) u.setScale('x', { min: stato.da, max: stato.a });
    scrivi_vista();
    richiedi_pianta();
  });
  window.addEventListener('resize', ridimensiona);
  if (D.vista) imposta_vista(D.vista.da, D.vista.a); else imposta_vista(0, L);
  disegna_pianta();

  // The first picture is on the screen once the frame after drawing starts.
  requestAnimationFrame(() => setTimeout(() => {
    window.tempo_prima_immagine = performance.now();
    document.body.dataset.pronta = '1';
  }, 0));

  // For the tests and for scripts: what is shown and where.
  window.pagina = {
    vista: () => ({ da: stato.da, a: stato.a }),
    imposta_vista,
    progressiva,
    segni_pianta: () => {
      const r = tela.getBoundingClientRect();
      return pianta.segni.map((s) => ({ tipo: s.tipo, chiave: s.chiave, m: s.m, x: r.left + s.x, y: r.top + s.y,
        nome: s.oggetto && s.oggetto.nome }));
    },
    tacche: () => grafici[grafici.length - 1].tacche || [],
  };
})();
