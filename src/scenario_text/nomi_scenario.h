#pragma once

#include <array>
#include <string_view>

// The places of the embedded scenario, in one spot: the service description,
// the line description's boards, the train sheet and the slowdown order must
// all name the same stations and watercourses.
namespace testo_scenario::nomi {

inline constexpr std::string_view nome_base = "Ostrale_Fiorna";
inline constexpr std::string_view codice_treno = "40817";

// The 22 stations in running order, origin and destination included.
inline constexpr std::array<std::string_view, 22> stazioni = {
    "OSTRALE CENTRALE",  // 0 m
    "SAN VITTORE ALTO",  // 6900
    "CASELLE DI PIANO",  // 12850
    "BORGO MARENCO",     // 19250, start of the first slowdown's stretch
    "VALLESANA",         // 28350, its end
    "PONTE ARLASCO",     // 37650
    "CORTINELLE",        // 44000
    "ROCCAFERRO",        // 47800, named by the protection signal before it
    "MONTESCALDO",       // 56700
    "VILLA SANT'ELIA",   // 61500
    "PRATOLUNGO",        // 65900
    "CASTELBRUNO",       // 69300
    "SERRAVELLE",        // 77450
    "MARINO SUL TESSO",  // 87700
    "FONTEVIVA",         // 96800
    "TORRE DEI MONACI",  // 103300
    "CAVALLERMO",        // 109400
    "POGGIO ROSSANO",    // 118200
    "LAGOSECCO",         // 122500
    "BELVEDERE OSTINO",  // 130800
    "MOLINASCO",         // 140500, start of the second slowdown's stretch
    "FIORNA",            // 146150
};

// The ends of the line, which the documents' headings name.
inline constexpr std::string_view origine = stazioni.front();
inline constexpr std::string_view destinazione = stazioni.back();

// The protection signal of the train sheet stands before this station.
inline constexpr std::string_view stazione_segnale_protezione = "Roccaferro";

// The two watercourses crossed at the kilometre boards at 35650 m and 75800 m.
// The first fits a board piece of 10 characters, the second one of 11.
inline constexpr std::string_view torrente_uno = "Varesca";
inline constexpr std::string_view torrente_due = "Sarvella";

}  // namespace testo_scenario::nomi
