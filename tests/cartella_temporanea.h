#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

// A fresh directory under the system's temporary directory, removed with its content.
class cartella_temporanea {
 public:
  cartella_temporanea() {
    std::random_device caso;
    percorso_ = std::filesystem::temp_directory_path() /
                ("genera_scenario_test_" + std::to_string(caso()) + std::to_string(caso()));
    std::filesystem::create_directories(percorso_);
  }
  ~cartella_temporanea() {
    std::error_code ignorato;
    std::filesystem::permissions(percorso_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignorato);
    std::filesystem::remove_all(percorso_, ignorato);
  }
  cartella_temporanea(const cartella_temporanea&) = delete;
  cartella_temporanea& operator=(const cartella_temporanea&) = delete;

  const std::filesystem::path& percorso() const { return percorso_; }
  std::string operator/(const std::string& nome) const { return (percorso_ / nome).string(); }

 private:
  std::filesystem::path percorso_;
};

inline std::string leggi_file(const std::filesystem::path& percorso) {
  std::ifstream in(percorso, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void scrivi_file(const std::filesystem::path& percorso, const std::string& contenuto) {
  std::ofstream out(percorso, std::ios::binary | std::ios::trunc);
  out << contenuto;
}
