#pragma once

#include <initializer_list>
#include <string>

// Bytes written out in a test, e.g. byte({0x01, 0x14, 0xFE}).
inline std::string byte(std::initializer_list<int> valori) {
  std::string s;
  for (int v : valori) s.push_back(static_cast<char>(v));
  return s;
}
