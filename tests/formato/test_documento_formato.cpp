#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "compiler/compilatore.h"
#include "compiler/scrivi_binari.h"
#include "formato/campi.h"
#include "formato/nomi_file.h"
#include "formato/voci.h"
#include "platform/file_system_memoria.h"
#include "scenario_text/dati_linea.h"
#include "scenario_text/dati_treno.h"
#include "scenario_text/nomi_scenario.h"

// The byte layout document, held to the code: every hexdump in it against
// the files the compiler writes for the embedded scenario, its record
// layouts against visita_campi, its numbered names against the constants.

namespace {

namespace nomi = testo_scenario::nomi;

std::vector<std::string> righe_documento() {
  std::ifstream in(std::string(CARTELLA_DOCUMENTAZIONE) + "/formato_binari.md", std::ios::binary);
  EXPECT_TRUE(in) << "docs/formato_binari.md non trovato";
  std::vector<std::string> righe;
  for (std::string riga; std::getline(in, riga);) righe.push_back(riga);
  return righe;
}

// The embedded scenario compiled in memory; its files by name.
std::map<std::string, std::string> file_compilati() {
  piattaforma::file_system_memoria fs;
  const formato::nomi_file n = formato::forma_nomi("p", nomi::nome_base, nomi::codice_treno);
  EXPECT_TRUE(testo_scenario::dati_linea(fs, n.linea_txt).riuscito());
  EXPECT_TRUE(testo_scenario::dati_treno(fs, n.treno_txt).riuscito());
  const compilatore::opzioni o{.nome_base = std::string(nomi::nome_base),
                               .codice_treno = std::string(nomi::codice_treno)};
  const compilatore::compilato fatto = compilatore::compila(fs, {n.linea_txt, n.treno_txt}, o);
  const auto pulito = fatto.pulito();
  EXPECT_TRUE(pulito) << "errore " << fatto.errore.codice_errore;
  if (pulito) {
    EXPECT_TRUE(compilatore::scrivi_compilato(fs, {n.tracciato_dat, n.tabella_sim, n.celle_dat}, *pulito).riuscito());
  }
  std::map<std::string, std::string> file;
  for (const std::string* percorso : {&n.tracciato_dat, &n.tabella_sim, &n.celle_dat}) {
    file[percorso->substr(percorso->find_last_of("/\\") + 1)] = fs.file[*percorso];
  }
  return file;
}

// The lines `hexdump -C` prints for `n` bytes of `byte` from `inizio`, without
// its closing offset line and without folding repeated lines.
std::vector<std::string> hexdump(const std::string& byte, std::size_t inizio, std::size_t n) {
  std::vector<std::string> righe;
  for (std::size_t riga = inizio; riga < inizio + n; riga += 16) {
    const std::size_t quanti = std::min<std::size_t>(16, inizio + n - riga);
    char testo[32];
    std::snprintf(testo, sizeof testo, "%08zx  ", riga);
    std::string linea = testo;
    std::string caratteri;
    for (std::size_t i = 0; i < 16; ++i) {
      if (i < quanti) {
        const auto b = static_cast<unsigned char>(byte.at(riga + i));
        std::snprintf(testo, sizeof testo, "%02x ", b);
        linea += testo;
        caratteri += b >= 0x20 && b < 0x7F ? static_cast<char>(b) : '.';
      } else {
        linea += "   ";
      }
      if (i == 7) linea += ' ';
    }
    righe.push_back(linea + " |" + caratteri + "|");
  }
  return righe;
}

struct blocco {
  std::size_t riga = 0;  // of the fence, 1-based
  std::string file;
  std::vector<std::string> righe;
};

// The fenced blocks tagged "hexdump FILE".
std::vector<blocco> blocchi_hexdump(const std::vector<std::string>& documento) {
  std::vector<blocco> blocchi;
  for (std::size_t i = 0; i < documento.size(); ++i) {
    if (!documento[i].starts_with("```hexdump ")) continue;
    blocco b{i + 1, documento[i].substr(11), {}};
    for (++i; i < documento.size() && documento[i] != "```"; ++i) b.righe.push_back(documento[i]);
    blocchi.push_back(b);
  }
  return blocchi;
}

// The bytes a hexdump line shows: the two-digit groups between the offset and the "|".
std::size_t byte_in_riga(const std::string& riga) {
  std::istringstream gruppi(riga.substr(10, riga.find('|') - 10));
  std::size_t n = 0;
  for (std::string g; gruppi >> g;) ++n;
  return n;
}

TEST(DocumentoFormato, EveryHexdumpIsWhatTheCompilerWrites) {
  const auto file = file_compilati();
  const auto blocchi = blocchi_hexdump(righe_documento());
  EXPECT_GE(blocchi.size(), 10u);
  for (const blocco& b : blocchi) {
    SCOPED_TRACE("docs/formato_binari.md:" + std::to_string(b.riga));
    ASSERT_EQ(file.count(b.file), 1u) << "file sconosciuto: " << b.file;
    ASSERT_FALSE(b.righe.empty());
    const std::size_t inizio = std::stoul(b.righe.front().substr(0, 8), nullptr, 16);
    std::size_t n = 0;
    for (const std::string& r : b.righe) n += byte_in_riga(r);
    ASSERT_LE(inizio + n, file.at(b.file).size());
    EXPECT_EQ(b.righe, hexdump(file.at(b.file), inizio, n));
  }
}

// The cells of the table rows after `titolo`, up to the first line that is not a row.
std::vector<std::vector<std::string>> tabella_dopo(const std::vector<std::string>& documento,
                                                   const std::string& titolo) {
  std::vector<std::vector<std::string>> righe;
  std::size_t i = 0;
  while (i < documento.size() && documento[i] != titolo) ++i;
  EXPECT_LT(i, documento.size()) << "manca il titolo " << titolo;
  while (i < documento.size() && !documento[i].starts_with("|")) ++i;
  for (i += 2; i < documento.size() && documento[i].starts_with("|"); ++i) {
    std::vector<std::string> celle;
    std::istringstream in(documento[i].substr(1));
    for (std::string cella; std::getline(in, cella, '|');) {
      const auto a = cella.find_first_not_of(' ');
      celle.push_back(a == std::string::npos ? "" : cella.substr(a, cella.find_last_not_of(' ') - a + 1));
    }
    righe.push_back(celle);
  }
  return righe;
}

// Offset, size, type and field of every row a record's layout must have, as visita_campi walks it.
template <typename R>
std::vector<std::vector<std::string>> disposizione() {
  std::vector<std::vector<std::string>> righe;
  std::size_t fisso = 0;
  bool dopo_testo = false;
  const auto posto = [&] {
    std::string p = std::to_string(fisso);
    if (dopo_testo) p.append("+L");
    return p;
  };
  R record{};
  formato::visita_campi(record, [&](std::string_view nome, const auto& campo) {
    using T = std::remove_cvref_t<decltype(campo)>;
    std::string campo_md("`");
    campo_md.append(nome).append("`");
    if constexpr (std::is_same_v<T, std::string>) {
      righe.push_back({posto(), "2", "u16", std::string(campo_md).append(" (its byte count L)")});
      fisso += 2;
      righe.push_back({posto(), "L", "text", std::string(campo_md).append(" (its bytes)")});
      dopo_testo = true;
    } else {
      std::string tipo(std::is_signed_v<T> ? "i" : "u");
      tipo.append(std::to_string(8 * sizeof(T)));
      righe.push_back({posto(), std::to_string(sizeof(T)), tipo, campo_md});
      fisso += sizeof(T);
    }
  });
  return righe;
}

TEST(DocumentoFormato, RecordLayoutsAreTheOrderOfTheFields) {
  const auto documento = righe_documento();
  EXPECT_EQ(tabella_dopo(documento, "### Record layout"), disposizione<formato::voce>());
  EXPECT_EQ(tabella_dopo(documento, "### Cell layout"), disposizione<formato::cella>());
}

TEST(DocumentoFormato, NumberedNamesHaveTheirNumbers) {
  namespace ev = formato::evento;
  const std::map<std::string, int> nomi_numerati = {
      {"voce_prima_stazione", formato::voce_prima_stazione},
      {"voce_primo_cartello", formato::voce_primo_cartello},
      {"voce_progressiva_tre", formato::voce_progressiva_tre},
      {"voce_progressiva_due", formato::voce_progressiva_due},
      {"voce_progressiva_uno", formato::voce_progressiva_uno},
      {"voce_lunghezza", formato::voce_lunghezza},
      {"voce_nome_base", formato::voce_nome_base},
      {"voce_ripetizione", formato::voce_ripetizione},
      {"nessuno", ev::nessuno},
      {"segnale", ev::segnale},
      {"fine_rallentamento", ev::fine_rallentamento},
      {"inizio_rallentamento", ev::inizio_rallentamento},
      {"avviso_rallentamento", ev::avviso_rallentamento},
      {"prima_avviso", ev::prima_avviso},
      {"indicatore_v_max", ev::indicatore_v_max},
      {"fermata", ev::fermata},
      {"segno_montagna", ev::segno_montagna},
      {"abbattimento", ev::abbattimento},
      {"abbattimento_senza_valore", ev::abbattimento_senza_valore},
      {"cartello_indicatore", ev::cartello_indicatore},
  };
  const auto documento = righe_documento();
  std::map<std::string, int> trovati;
  for (const char* titolo : {"### The entries", "### Events"}) {
    for (const auto& riga : tabella_dopo(documento, titolo)) {
      ASSERT_GE(riga.size(), 2u);
      const std::string nome = riga[1].size() > 2 ? riga[1].substr(1, riga[1].size() - 2) : "";
      if (nomi_numerati.count(nome) != 0) trovati[nome] = std::stoi(riga[0]);
    }
  }
  EXPECT_EQ(trovati, nomi_numerati);
}

}  // namespace
