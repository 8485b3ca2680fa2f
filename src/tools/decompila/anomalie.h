#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace decompila {

// Something in the compiled files that the written description does not
// reproduce: what, and where.
struct anomalia {
  std::string file;   // the compiled file it is in
  std::string testo;  // where in it, and what
};

class anomalie {
 public:
  void aggiungi(const std::string& file, std::string testo);
  // A fault of one cell: the cell is then not reported again by the comparison.
  void in_cella(const std::string& file, std::int32_t cella, const std::string& testo);
  bool cella_segnalata(std::int32_t cella) const { return celle_.contains(cella); }
  // The same for an entry of the table.
  void in_voce(const std::string& file, std::int32_t voce, const std::string& testo);
  bool voce_segnalata(std::int32_t voce) const { return voci_.contains(voce); }
  // A cell or entry that a fault told about elsewhere covers too.
  void gia_detta_cella(std::int32_t cella) { celle_.insert(cella); }
  void gia_detta_voce(std::int32_t voce) { voci_.insert(voce); }
  // Whether any fault concerns `file`.
  bool in_file(const std::string& file) const;

  const std::vector<anomalia>& elenco() const { return elenco_; }
  bool vuote() const { return elenco_.empty(); }

 private:
  std::vector<anomalia> elenco_;
  std::set<std::int32_t> celle_;
  std::set<std::int32_t> voci_;
};

// "cella 345 (17250 m)": a cell as the author finds it on the line.
std::string dove_cella(std::int32_t cella);

}  // namespace decompila
