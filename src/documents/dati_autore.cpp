#include "documents/dati_autore.h"

#include <algorithm>
#include <array>

#include "compiler/avvisi.h"
#include "documents/maiuscole.h"
#include "documents/testo_un_byte.h"

namespace documenti {
namespace {

constexpr std::array<std::string_view, 8> voci = {"classificazione", "rango",    "massa bloccata", "descrizione",
                                                  "autore",          "contatto", "orario",         "sigla"};

std::string* campo(dati_autore& d, std::string_view voce) {
  if (voce == "classificazione") return &d.classificazione;
  if (voce == "rango") return &d.rango;
  if (voce == "massa bloccata") return &d.massa_bloccata;
  if (voce == "autore") return &d.autore;
  if (voce == "contatto") return &d.contatto;
  if (voce == "orario") return &d.orario;
  if (voce == "sigla") return &d.sigla;
  return nullptr;
}

bool spazio(char c) { return c == ' ' || c == '\t'; }

std::string_view senza_spazi(std::string_view t) {
  while (!t.empty() && spazio(t.front())) t.remove_prefix(1);
  while (!t.empty() && spazio(t.back())) t.remove_suffix(1);
  return t;
}

std::int32_t colonna_di(std::string_view riga, std::string_view parte) {
  return static_cast<std::int32_t>(parte.data() - riga.data()) + 1;
}

// Line `riga` and column of byte `offset` of `testo`.
errore_dati_autore posto_di(std::string_view testo, std::size_t offset, std::string messaggio) {
  errore_dati_autore e{1, 1, std::move(messaggio)};
  for (std::size_t i = 0; i < offset; ++i) {
    if (testo[i] == '\n') {
      ++e.riga;
      e.colonna = 1;
    } else if (testo[i] != '\r' && (static_cast<unsigned char>(testo[i]) & 0xC0) != 0x80) {
      ++e.colonna;  // the text is UTF-8 here: a column is a character, not a byte
    }
  }
  return e;
}

// One line; an error, or nothing when the line was taken in.
std::optional<errore_dati_autore> leggi_riga(std::string_view riga, std::int32_t numero, dati_autore& d,
                                             std::vector<std::string_view>& viste) {
  const auto errore = [&](std::string_view dove, std::string messaggio) {
    return errore_dati_autore{numero, colonna_di(riga, dove), std::move(messaggio)};
  };
  const std::string_view contenuto = senza_spazi(riga);
  // Only a leading "-" makes a comment: a line of notes that lost its entry
  // ("Linea Milano-Torino") must be refused, not skipped.
  if (contenuto.empty() || contenuto.front() == '-') return std::nullopt;
  const std::size_t virgola = contenuto.find(',');
  const std::string_view voce_scritta = senza_spazi(contenuto.substr(0, virgola));
  const std::string voce = in_minuscolo(voce_scritta);
  const bool nota = voce == "descrizione" || campo(d, voce) != nullptr;
  if (!nota && virgola == std::string_view::npos) {
    for (std::string_view v : voci) {
      if (voce.starts_with(std::string(v) + " ")) {
        return errore(voce_scritta, "manca la virgola tra la voce '" + std::string(v) + "' e il suo valore");
      }
    }
  }
  if (!nota) {
    std::string messaggio = "voce '" + std::string(voce_scritta) + "' sconosciuta";
    const std::string vicina = compilatore::parola_vicina(voce, voci);
    if (!vicina.empty()) messaggio += "; forse '" + vicina + "'?";
    return errore(voce_scritta, messaggio);
  }
  if (virgola == std::string_view::npos) {
    return errore(voce_scritta, "manca la virgola tra la voce '" + voce + "' e il suo valore");
  }
  const std::string_view valore = senza_spazi(contenuto.substr(virgola + 1));
  if (voce == "descrizione") {
    d.descrizione.emplace_back(valore);
    return std::nullopt;
  }
  for (std::string_view vista : viste) {
    if (vista == voce) return errore(voce_scritta, "voce '" + voce + "' ripetuta");
  }
  viste.push_back(*std::find(voci.begin(), voci.end(), voce));
  *campo(d, voce) = std::string(valore);
  return std::nullopt;
}

}  // namespace

lettura_dati_autore leggi_dati_autore(std::string_view testo) {
  lettura_dati_autore risultato;
  const conversione_un_byte convertito = in_un_byte(testo);
  if (convertito.non_convertibile) {
    risultato.errore = posto_di(testo, *convertito.non_convertibile,
                                "carattere che i documenti, scritti a un byte per carattere, non possono contenere");
    return risultato;
  }
  const std::string_view righe = convertito.testo;
  std::vector<std::string_view> viste;
  std::int32_t numero = 0;
  for (std::size_t inizio = 0; inizio < righe.size();) {
    std::size_t fine = righe.find('\n', inizio);
    if (fine == std::string_view::npos) fine = righe.size();
    std::string_view riga = righe.substr(inizio, fine - inizio);
    if (!riga.empty() && riga.back() == '\r') riga.remove_suffix(1);
    ++numero;
    risultato.errore = leggi_riga(riga, numero, risultato.dati, viste);
    if (risultato.errore) return risultato;
    inizio = fine + 1;
  }
  return risultato;
}

std::string nome_dati_autore(std::string_view nome_base, std::string_view codice_treno) {
  return std::string(nome_base) + "_" + std::string(codice_treno) + "_documenti.txt";
}

}  // namespace documenti
