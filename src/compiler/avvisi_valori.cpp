#include <cstdint>
#include <string>
#include <vector>

#include "compiler/avvisi_lettura.h"
#include "compiler/memorizza_dati.h"

namespace compilatore::lettura {
namespace {

using genere = avviso::genere;

std::string metri(std::int64_t m) { return std::to_string(m) + " m"; }

// hh:mm:ss as written, whatever the numbers.
std::string orario_scritto(std::int32_t ore, std::int32_t minuti, std::int32_t secondi) {
  std::string testo;
  for (const std::int32_t n : {ore, minuti, secondi}) {
    if (!testo.empty()) testo.push_back(':');
    if (n >= 0 && n < 10) testo.push_back('0');
    testo.append(std::to_string(n));
  }
  return testo;
}

std::string orario_di(std::int32_t secondi) { return orario_scritto(secondi / 3600, secondi / 60 % 60, secondi % 60); }

bool orario_valido(std::int32_t ore, std::int32_t minuti, std::int32_t secondi) {
  return ore >= 0 && ore < 24 && minuti >= 0 && minuti < 60 && secondi >= 0 && secondi < 60;
}

// One field that reads back otherwise than written: "d1 12 diventa 2".
struct differenza {
  const char* nome;
  std::int32_t scritto;
  std::int32_t letto;
  std::size_t indice;  // its value number in the record
};

void avverti_differenze(contesto& c, const std::string& chiave, const std::vector<differenza>& d) {
  if (d.empty()) return;
  std::string testo = citazione(chiave) + ": i valori non entrano nei loro campi e vengono letti altrimenti: ";
  for (std::size_t i = 0; i < d.size(); ++i) {
    if (i > 0) testo += ", ";
    testo += std::string(d[i].nome) + " " + std::to_string(d[i].scritto) + " diventa " + std::to_string(d[i].letto);
  }
  avverti(c, genere::valore_troncato, al_valore(c, d.front().indice), std::move(testo));
}

void confronta(std::vector<differenza>& d, const char* nome, std::int32_t scritto, std::int32_t letto,
               std::size_t indice) {
  if (scritto != letto) d.push_back({nome, scritto, letto, indice});
}

// The length of the UTF-8 sequence that starts at `i`, 0 when none does.
std::size_t sequenza_utf8(const std::string& t, std::size_t i) {
  const auto b = static_cast<unsigned char>(t[i]);
  std::size_t n = 0;
  if (b >= 0xC2 && b <= 0xDF) {
    n = 2;
  } else if (b >= 0xE0 && b <= 0xEF) {
    n = 3;
  } else if (b >= 0xF0 && b <= 0xF4) {
    n = 4;
  } else {
    return 0;
  }
  if (i + n > t.size()) return 0;
  for (std::size_t k = 1; k < n; ++k) {
    const auto seguito = static_cast<unsigned char>(t[i + k]);
    if (seguito < 0x80 || seguito > 0xBF) return 0;
  }
  return n;
}

std::string esadecimale(const std::string& t, std::size_t i, std::size_t n) {
  static constexpr char cifre[] = "0123456789ABCDEF";
  std::string testo;
  for (std::size_t k = 0; k < n; ++k) {
    const auto b = static_cast<unsigned char>(t[i + k]);
    if (k > 0) testo += ' ';
    testo += cifre[b >> 4];
    testo += cifre[b & 0xF];
  }
  return testo;
}

}  // namespace

void avverti_se_corto_troncato(contesto& c, const std::string& chiave, const char* nome, std::int32_t valore,
                               std::size_t indice) {
  if (!c.avvisi() || formato::bassi_16(valore) == valore) return;
  avverti(c, genere::valore_troncato, al_valore(c, indice),
          citazione(chiave) + ": " + nome + " " + std::to_string(valore) +
              " non entra nel campo (da -32768 a 32767) e viene memorizzato come " +
              std::to_string(formato::bassi_16(valore)));
}

void avverti_se_segnale_troncato(contesto& c, const std::string& chiave, const formato::valori_segnale& s,
                                 const cella& cl) {
  if (!c.avvisi()) return;
  const formato::valori_segnale l = formato::spacchetta_segnale(cl);
  std::vector<differenza> d;
  // Each index counts the position, the record's first value.
  confronta(d, "sx", s.sx, l.sx, 1);
  confronta(d, "s1", s.s1, l.s1, 2);
  confronta(d, "s2", s.s2, l.s2, 3);
  confronta(d, "s3", s.s3, l.s3, 4);
  confronta(d, "rapp", s.rapp, l.rapp, 5);
  confronta(d, "dx", s.dx, l.dx, 6);
  confronta(d, "d1", s.d1, l.d1, 7);
  confronta(d, "d2", s.d2, l.d2, 8);
  confronta(d, "d3", s.d3, l.d3, 9);
  // A time of 1 to 100 is raised to 101 on purpose, and only a signal with sx 2 keeps one.
  if (s.sx == 2) {
    const std::int32_t tempo = s.tempo >= 1 && s.tempo <= 100 ? 101 : s.tempo;
    confronta(d, "tempo", tempo, l.tempo, 10);
  }
  avverti_differenze(c, chiave, d);
}

void avverti_se_indicatore_troncato(contesto& c, const std::string& chiave, const formato::valori_indicatore& s,
                                    const cella& cl) {
  if (!c.avvisi()) return;
  const formato::valori_indicatore l = formato::spacchetta_indicatore(cl);
  std::vector<differenza> d;
  confronta(d, "vas", s.vas, l.vas, 1);
  confronta(d, "vbs", s.vbs, l.vbs, 2);
  confronta(d, "vcs", s.vcs, l.vcs, 3);
  confronta(d, "strisces", s.strisces, l.strisces, 4);
  confronta(d, "vad", s.vad, l.vad, 5);
  confronta(d, "vbd", s.vbd, l.vbd, 6);
  confronta(d, "vcd", s.vcd, l.vcd, 7);
  confronta(d, "strisced", s.strisced, l.strisced, 8);
  avverti_differenze(c, chiave, d);
}

void avverti_montagna(contesto& c, const std::string& chiave, std::int32_t a, std::int32_t b, std::int32_t scritto,
                      std::int32_t tipo) {
  if (!c.avvisi()) return;
  const std::string tratto = citazione(chiave) + " da " + metri(a) + " a " + metri(b);
  const std::int32_t voluto = scritto > 10 ? scritto - 10 : scritto;
  if (indice_cella(b / 50.0 - 1) < indice_cella(a / 50.0)) {
    avverti(c, genere::montagna_vuota, tratto + " non segna alcuna cella: la fine non viene dopo l'inizio");
  } else if (formato::bassi_8(tipo) == 0) {
    avverti(c, genere::montagna_vuota,
            tratto + " e' di tipo 0, che non segna la montagna" + (scritto > 10 ? ": restano solo i segni" : ""));
  }
  if (tipo != voluto) {
    const std::int32_t fine_prima = c.m.montagne_fine[static_cast<std::size_t>(c.m.n_montagne - 1)];
    avverti(c, genere::montagne_vicine,
            tratto + " comincia a 150 m o meno dalla fine della precedente, a " + metri(fine_prima) +
                ": diventa di tipo 3, non " + std::to_string(voluto));
  }
  if (formato::bassi_8(tipo) != tipo) {
    avverti(c, genere::valore_troncato, al_valore(c, 2),
            tratto + ": il tipo " + std::to_string(tipo) +
                " non entra nel campo (da 0 a 255) e viene memorizzato come " + std::to_string(formato::bassi_8(tipo)));
  }
  if (b > lunghezza_linea(c.m)) {
    avverti(c, genere::oltre_la_linea, tratto + " va oltre la fine della linea, a " + metri(lunghezza_linea(c.m)));
  }
}

void avverti_rallentamento(contesto& c, const std::string& chiave, const std::int32_t (&v)[6]) {
  if (!c.avvisi()) return;
  const std::int32_t x = v[0];
  if (compilatore::cella_avviso_rallentamento(x) < 0) {
    std::string testo = citazione(chiave) + " a " + metri(x) +
                        " comincia entro i primi 1500 m della linea: non ha il cartello di avviso";
    if (v[4] != 0) testo += ", ne' i quattro preavvisi chiesti";
    avverti(c, genere::rallentamento_senza_avviso, std::move(testo));
  }
  avverti_se_corto_troncato(c, chiave, "la velocita'", v[1], 1);
  avverti_se_corto_troncato(c, chiave, "il valore f_tt", v[3], 3);
  if (v[5] != 0) avverti_se_corto_troncato(c, chiave, "la seconda velocita'", v[5], 5);
  const std::int64_t fine = std::int64_t{x} + v[2];
  if (x > lunghezza_linea(c.m)) {
    avverti_se_oltre(c, chiave, x);
  } else if (fine > lunghezza_linea(c.m)) {
    avverti(c, genere::oltre_la_linea,
            citazione(chiave) + " da " + metri(x) + " a " + metri(fine) + " finisce oltre la fine della linea, a " +
                metri(lunghezza_linea(c.m)));
  }
}

void avverti_se_orario_non_valido(contesto& c, const std::string& chiave, std::int32_t ore, std::int32_t minuti,
                                  std::int32_t secondi) {
  if (!c.avvisi() || orario_valido(ore, minuti, secondi)) return;
  avverti(c, genere::orario_non_valido,
          citazione(chiave) + ": " + orario_scritto(ore, minuti, secondi) +
              " non e' un orario (ore da 0 a 23, minuti e secondi da 0 a 59)");
}

void avverti_orario_stazione(contesto& c, const voce& v, std::int32_t ore, std::int32_t minuti, std::int32_t secondi) {
  // A station where the train does not stop has no time: all three are 0.
  if (!c.avvisi() || (ore == 0 && minuti == 0 && secondi == 0)) return;
  const std::string stazione = "la stazione " + citazione(v.nome);
  if (!orario_valido(ore, minuti, secondi)) {
    avverti(c, genere::orario_non_valido, al_valore(c, 13),
            stazione + ": " + orario_scritto(ore, minuti, secondi) +
                " non e' un orario (ore da 0 a 23, minuti e secondi da 0 a 59)");
  }
  if (c.orario_precedente && v.orario < *c.orario_precedente) {
    avverti(c, genere::orario_indietro, al_valore(c, 13),
            stazione + " ha l'orario " + orario_di(v.orario) + ", prima di " + orario_di(*c.orario_precedente) +
                " della stazione della riga " + std::to_string(c.origine_orario_precedente.riga));
  }
  c.orario_precedente = v.orario;
  c.origine_orario_precedente = qui(c);
}

void avverti_se_utf8(contesto& c, const std::string& testo, std::size_t indice) {
  if (!c.avvisi()) return;
  for (std::size_t i = 0; i < testo.size(); ++i) {
    const std::size_t n = sequenza_utf8(testo, i);
    if (n == 0) continue;
    avverti(c, genere::testo_utf8, al_valore(c, indice),
            "il testo " + citazione(testo) + " contiene la sequenza UTF-8 " + esadecimale(testo, i, n) +
                ": il simulatore legge un byte per carattere (Windows-1252) e la mostrerebbe come " +
                std::to_string(n) + " caratteri; salvare il file in Windows-1252");
    return;
  }
}

}  // namespace compilatore::lettura
