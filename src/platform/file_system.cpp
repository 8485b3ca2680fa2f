#include "platform/file_system.h"

#include <algorithm>
#include <filesystem>
#include <mutex>
#include <random>

namespace piattaforma {
namespace {

// Enough tries that only a path that refuses every new file fails, never
// the bad luck of a name taken.
constexpr int tentativi_nome = 16;

// A fresh unique part for every temporary name of the process. The random
// seed keeps concurrent runs apart; creating the file exclusively makes a
// clash harmless.
std::string parte_unica() {
  static std::mutex guardia;
  static std::mt19937_64 generatore = [] {
    std::random_device caso;
    std::seed_seq seme{caso(), caso(), caso(), caso()};
    return std::mt19937_64(seme);
  }();
  std::uint64_t valore = 0;
  {
    const std::lock_guard<std::mutex> tenuto(guardia);
    valore = generatore();
  }
  std::string unico(cifre_uniche, '0');
  for (std::size_t i = cifre_uniche; i-- > 0; valore >>= 4) unico[i] = "0123456789abcdef"[valore & 0xF];
  return unico;
}

bool cifra_esadecimale(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }

}  // namespace

esito file_system::leggi_al_massimo(const std::string& percorso, std::string& contenuto, std::size_t massimo) {
  std::string letto;
  esito e = leggi(percorso, letto);
  if (!e.riuscito()) return e;
  if (letto.size() > massimo) return esito::errore(percorso, ragione_troppo_grande(letto.size(), massimo));
  contenuto = std::move(letto);
  return e;
}

esito file_system::scrivi_a_pezzi(const std::string& percorso, pezzi_contenuto& pezzi) {
  std::string contenuto;
  for (std::string_view pezzo = pezzi.prossimo(); !pezzo.empty(); pezzo = pezzi.prossimo()) {
    contenuto.append(pezzo);
  }
  return scrivi(percorso, contenuto);
}

std::string percorso_temporaneo(const std::string& percorso, std::string_view unico) {
  std::string temporaneo = percorso;
  temporaneo.append(segno_temporaneo).append(unico);
  return temporaneo;
}

std::optional<std::string> bersaglio_di(std::string_view percorso) {
  const std::size_t coda = segno_temporaneo.size() + cifre_uniche;
  if (percorso.size() <= coda) return std::nullopt;
  const std::string_view segno = percorso.substr(percorso.size() - coda, segno_temporaneo.size());
  const std::string_view unico = percorso.substr(percorso.size() - cifre_uniche);
  if (segno != segno_temporaneo || !std::all_of(unico.begin(), unico.end(), cifra_esadecimale)) return std::nullopt;
  return std::string(percorso.substr(0, percorso.size() - coda));
}

std::string ragione_non_regolare(genere_file genere) {
  switch (genere) {
    case genere_file::cartella: return "non \xE8 un file ma una cartella";
    case genere_file::fifo: return "non \xE8 un file ordinario ma una FIFO";
    case genere_file::dispositivo: return "non \xE8 un file ordinario ma un dispositivo";
    case genere_file::assente:
    case genere_file::regolare:
    case genere_file::collegamento:
    case genere_file::altro: break;
  }
  return "non \xE8 un file ordinario";
}

std::string ragione_troppo_grande(std::uintmax_t byte, std::size_t massimo) {
  return "file troppo grande: " + std::to_string(byte) + " byte, al massimo " + std::to_string(massimo);
}

bool stesso_percorso(const std::string& a, const std::string& b) {
  return std::filesystem::path(a).lexically_normal() == std::filesystem::path(b).lexically_normal();
}

sostituzioni::~sostituzioni() {
  // Best effort: a temporary that will not go is this run's own, and the
  // next run of the folder removes it.
  for (const preparato& p : preparati_) static_cast<void>(fs_.elimina(p.temporaneo));
}

template <typename Scrivi>
esito sostituzioni::prepara_con(const std::string& percorso, Scrivi scrivi) {
  const genere_file genere = fs_.genere(percorso);
  if (!sostituibile(genere)) return esito::errore(percorso, ragione_non_regolare(genere));
  esito scritto = esito::ok();
  for (int tentativo = 0; tentativo < tentativi_nome; ++tentativo) {
    const std::string temporaneo = percorso_temporaneo(percorso, parte_unica());
    scritto = scrivi(temporaneo);
    // Someone else's file, or a link planted there: not ours to touch.
    if (scritto.gia_presente()) continue;
    if (scritto.riuscito()) {
      preparati_.push_back({percorso, temporaneo});
      return scritto;
    }
    // Best effort, and a temporary never made is no failure: the first failure is the one to report.
    static_cast<void>(fs_.elimina(temporaneo));
    break;
  }
  // The user knows the target, not our temporary name.
  return scritto.per(percorso);
}

esito sostituzioni::prepara(const std::string& percorso, std::string_view contenuto) {
  return prepara_con(percorso, [&](const std::string& temporaneo) { return fs_.scrivi(temporaneo, contenuto); });
}

esito sostituzioni::prepara(const std::string& percorso, pezzi_contenuto& pezzi) {
  return prepara_con(percorso, [&](const std::string& temporaneo) { return fs_.scrivi_a_pezzi(temporaneo, pezzi); });
}

esito sostituzioni::prepara_eseguibile(const std::string& percorso, std::string_view contenuto) {
  return prepara_con(percorso, [&](const std::string& temporaneo) {
    esito scritto = fs_.scrivi(temporaneo, contenuto);
    return scritto.riuscito() ? fs_.rendi_eseguibile(temporaneo) : scritto;
  });
}

esito sostituzioni::conferma() {
  while (!preparati_.empty()) {
    const preparato& p = preparati_.front();
    const esito rinominato = fs_.rinomina(p.temporaneo, p.percorso);
    if (!rinominato.riuscito()) return rinominato.per(p.percorso);
    preparati_.erase(preparati_.begin());
  }
  return esito::ok();
}

esito sostituisci_file(file_system& fs, const std::string& percorso, std::string_view contenuto) {
  sostituzioni s(fs);
  const esito preparato = s.prepara(percorso, contenuto);
  return preparato.riuscito() ? s.conferma() : preparato;
}

esito sostituisci_file(file_system& fs, const std::string& percorso, pezzi_contenuto& pezzi) {
  sostituzioni s(fs);
  const esito preparato = s.prepara(percorso, pezzi);
  return preparato.riuscito() ? s.conferma() : preparato;
}

esito sostituisci_eseguibile(file_system& fs, const std::string& percorso, std::string_view contenuto) {
  sostituzioni s(fs);
  const esito preparato = s.prepara_eseguibile(percorso, contenuto);
  return preparato.riuscito() ? s.conferma() : preparato;
}

}  // namespace piattaforma
