#include "platform/testo_windows.h"

#include <windows.h>

#include <stdexcept>

namespace piattaforma {

std::wstring in_largo(std::string_view testo) {
  if (testo.empty()) return {};
  const int lunghezza = static_cast<int>(testo.size());
  const int larghi = ::MultiByteToWideChar(CP_ACP, 0, testo.data(), lunghezza, nullptr, 0);
  std::wstring risultato(static_cast<std::size_t>(larghi), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, testo.data(), lunghezza, risultato.data(), larghi);
  return risultato;
}

std::string da_largo(std::wstring_view testo) {
  if (testo.empty()) return {};
  const int lunghezza = static_cast<int>(testo.size());
  BOOL sostituito = FALSE;
  const int stretti =
      ::WideCharToMultiByte(CP_ACP, 0, testo.data(), lunghezza, nullptr, 0, nullptr, &sostituito);
  std::string risultato(static_cast<std::size_t>(stretti), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, testo.data(), lunghezza, risultato.data(), stretti, nullptr, nullptr);
  if (sostituito) {
    // A '?' in place of the character would name a different file.
    throw std::runtime_error(risultato + ": il percorso contiene caratteri non rappresentabili");
  }
  return risultato;
}

std::string ragione_di_sistema(unsigned long codice) {
  char* testo = nullptr;
  const DWORD lunghezza = ::FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      codice, 0, reinterpret_cast<char*>(&testo), 0, nullptr);
  std::string ragione;
  if (lunghezza > 0 && testo != nullptr) {
    ragione.assign(testo, lunghezza);
    ::LocalFree(testo);
  }
  // The system's texts end in CR LF; the message goes on one line.
  while (!ragione.empty() && (ragione.back() == '\r' || ragione.back() == '\n' || ragione.back() == ' ')) {
    ragione.pop_back();
  }
  if (ragione.empty()) ragione = "errore di sistema " + std::to_string(codice);
  return ragione;
}

}  // namespace piattaforma
