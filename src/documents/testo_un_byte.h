#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace documenti {

// An author's text made single-byte, as the documents are (Windows-1252).
struct conversione_un_byte {
  std::string testo;
  // The byte offset of the first character that has no single-byte form.
  std::optional<std::size_t> non_convertibile;
};

// Text that is valid UTF-8 and holds more than ASCII (what most editors
// write) is converted, its byte order mark dropped; any other text is taken
// to be single-byte already and returned unchanged.
conversione_un_byte in_un_byte(std::string_view testo);

}  // namespace documenti
