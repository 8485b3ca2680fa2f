#pragma once

#include <string>
#include <string_view>

// Letter case of the documents' single-byte text: ASCII and the accented
// letters of the Windows-1252 code page ("\xE8" and "\xC8" are e grave).
namespace documenti {

std::string in_maiuscolo(std::string_view testo);
std::string in_minuscolo(std::string_view testo);
// "VILLA SANT'ELIA" gives "Villa Sant'Elia": a capital after anything but a letter.
std::string iniziali_maiuscole(std::string_view testo);

}  // namespace documenti
