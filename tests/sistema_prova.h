#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system_memoria.h"
#include "platform/piattaforma.h"

// The run's whole platform in memory: files in a map, the window and the
// message box recorded for the test to look at.
class sistema_prova : public piattaforma::sistema {
 public:
  explicit sistema_prova(piattaforma::file_system& fs) : fs_(fs) {}

  std::string cartella_programma() override { return "/programma"; }
  std::string percorso_programma() override { return programma; }
  piattaforma::file_system& file() override { return fs_; }
  void mostra_attesa(std::string_view testo) override { eventi.push_back("mostra " + std::string(testo)); }
  void chiudi_attesa() override { eventi.push_back("chiudi"); }
  void messaggio(std::string_view titolo, std::string_view testo) override {
    eventi.push_back("messaggio " + std::string(titolo));
    messaggi.emplace_back(testo);
  }

  std::string programma = piattaforma::unisci_percorso("/programma", "genera_scenario");
  std::vector<std::string> eventi;
  std::vector<std::string> messaggi;

 private:
  piattaforma::file_system& fs_;
};
