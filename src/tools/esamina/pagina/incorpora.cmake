# Writes USCITA, a C++ file that holds each file of VOCI as a std::string_view.
# VOCI is "name=path|name=path|...". Bytes go out as hex escapes, so no text
# in the files can end a literal early.
string(REPLACE "|" ";" voci "${VOCI}")
set(testo "// Generated at build time from the page's assets: do not edit.\n")
string(APPEND testo "#include \"tools/esamina/risorse_pagina.h\"\n\nnamespace strumenti::risorse {\nnamespace {\n")
set(definizioni "")
foreach(voce IN LISTS voci)
  string(REGEX MATCH "^([a-z_]+)=(.*)$" _ "${voce}")
  set(nome "${CMAKE_MATCH_1}")
  set(percorso "${CMAKE_MATCH_2}")
  file(READ "${percorso}" esadecimale HEX)
  string(LENGTH "${esadecimale}" cifre)
  math(EXPR byte "${cifre} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," esadecimale "${esadecimale}")
  # Lines of 24 bytes keep the file readable for a compiler's diagnostics.
  string(REGEX REPLACE "(('[^']+',){24})" "\\1\n" esadecimale "${esadecimale}")
  string(APPEND testo "const char ${nome}_byte[] = {\n${esadecimale}'\\0'};\n")
  string(APPEND definizioni "const std::string_view ${nome}(${nome}_byte, ${byte});\n")
endforeach()
string(APPEND testo "}  // namespace\n\n${definizioni}\n}  // namespace strumenti::risorse\n")
file(WRITE "${USCITA}.nuovo" "${testo}")
file(RENAME "${USCITA}.nuovo" "${USCITA}")
