#include "tools/decompila/sezione_testo.h"

#include <algorithm>

namespace decompila {
namespace {

constexpr const char* fine_riga = "\r\n";

std::vector<std::string> in_cifre(const std::vector<std::int64_t>& numeri) {
  std::vector<std::string> cifre;
  cifre.reserve(numeri.size());
  for (std::int64_t n : numeri) cifre.push_back(std::to_string(n));
  return cifre;
}

}  // namespace

void sezione_testo::riga(std::string chiave, const std::vector<std::int64_t>& numeri,
                         std::optional<std::string> testo) {
  righe_.push_back({false, false, std::move(chiave), in_cifre(numeri), std::move(testo)});
}

void sezione_testo::riga_spaziata(std::string chiave, const std::vector<std::int64_t>& numeri) {
  righe_.push_back({false, true, std::move(chiave), in_cifre(numeri), std::nullopt});
}

void sezione_testo::commento(std::string testo) { righe_.push_back({true, false, "- " + std::move(testo), {}, {}}); }

void sezione_testo::aggiungi_a(std::string& uscita) const {
  std::size_t larghezza_chiave = 0;
  std::vector<std::size_t> larghezze;
  for (const riga_testo& r : righe_) {
    if (r.commento) continue;
    larghezza_chiave = std::max(larghezza_chiave, r.chiave.size() + 1);
    if (larghezze.size() < r.numeri.size()) larghezze.resize(r.numeri.size(), 0);
    for (std::size_t i = 0; i < r.numeri.size(); ++i) larghezze[i] = std::max(larghezze[i], r.numeri[i].size());
  }
  uscita += intestazione_;
  uscita += fine_riga;
  for (const riga_testo& r : righe_) {
    std::string riga = r.chiave;
    if (!r.commento) {
      riga += ',';
      riga.append(larghezza_chiave - r.chiave.size() - 1, ' ');
      for (std::size_t i = 0; i < r.numeri.size(); ++i) {
        riga += ' ';
        riga.append(larghezze[i] - r.numeri[i].size(), ' ');
        riga += r.numeri[i];
        const bool ultimo = i + 1 == r.numeri.size() && !r.testo;
        if (!ultimo && !r.spaziata) riga += ',';
      }
      if (r.testo && !r.testo->empty()) riga += ' ' + *r.testo;
    }
    uscita += riga;
    uscita += fine_riga;
  }
}

}  // namespace decompila
