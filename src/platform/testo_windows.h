#pragma once

#include <string>
#include <string_view>

namespace piattaforma {

// The interface's texts are single-byte in the ANSI code page; the wide API
// wants UTF-16. These convert between the two.
std::wstring in_largo(std::string_view testo);
// Throws std::runtime_error when a character has no ANSI form, so that a
// path is never silently changed into another one.
std::string da_largo(std::wstring_view testo);

// The system's reason for the error `codice`, on one line and without the
// file's name: the caller's esito puts the name in front of it.
std::string ragione_di_sistema(unsigned long codice);

}  // namespace piattaforma
