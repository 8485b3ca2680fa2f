// Damages a file as a bad download or a bad disk would, for the installer tests:
//   ritocca_file FILE inverti N   flips the low bit of the byte N bytes before the end
//   ritocca_file FILE taglia N    cuts the last N bytes off
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "uso: ritocca_file FILE inverti|taglia N\n";
    return 2;
  }
  const std::string percorso = argv[1];
  const std::string come = argv[2];
  const auto n = static_cast<std::size_t>(std::strtoull(argv[3], nullptr, 10));
  std::ifstream in(percorso, std::ios::binary);
  std::string contenuto((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  in.close();
  if (n == 0 || n > contenuto.size() || (come != "inverti" && come != "taglia")) {
    std::cerr << "ritocca_file: " << come << " " << n << " non si applica a " << percorso << "\n";
    return 2;
  }
  if (come == "inverti") {
    contenuto[contenuto.size() - n] = static_cast<char>(contenuto[contenuto.size() - n] ^ 1);
  } else {
    contenuto.resize(contenuto.size() - n);
  }
  std::ofstream out(percorso, std::ios::binary | std::ios::trunc);
  out << contenuto;
  return out ? 0 : 1;
}
