#include <gtest/gtest.h>

#include "formato/voci.h"
#include "prova_parser.h"

namespace {

// A record whose last value is the file's last item is dropped whole; the
// same record followed by "[fine]" is kept.
struct caso_fine {
  const char* nome;
  bool nel_treno;  // the record goes in the service file, else in the line file's body
  std::string record;
  bool (*applicato)(const compilatore::modello&);
};

TEST(FineFile, LastRecordWithoutEndLineIsDropped) {
  const caso_fine casi[] = {
      {"gradient", false, "pendenza, 5000, -8\r\n",
       [](const compilatore::modello& m) { return m.celle[100].pendenza == 92; }},
      {"speed board", false, "indicatori_vmax, 700, 100, 110, 115, 0, 100, 110, 115, 0\r\n",
       [](const compilatore::modello& m) { return m.celle[15].evento == 6; }},
      {"signal", true, "segnale, 1650, 2, 4, 0, 0, 0, 2, 1,0,0, 0\r\n",
       [](const compilatore::modello& m) { return m.celle[34].evento == 1; }},
      {"sand", true, "sabbia, 200\r\n",
       [](const compilatore::modello& m) { return m.tabella[formato::voce_ripetizione].gruppo_a1 == 200; }},
      {"clock ending in a blank, no line end", true, "orologio, 17 4 30 ",
       [](const compilatore::modello& m) { return m.tabella[formato::voce_ripetizione].gruppo_b1 == 17; }},
      {"station", true, "stazione, 6900, 12, 600, 0, 0, 0, 1,1,0, 4,1,1, 15, 17, 11, 0, SAN VITTORE ALTO\r\n",
       [](const compilatore::modello& m) { return m.tabella[1].progressiva == 6900 && m.celle[143].evento == 10; }},
  };
  for (const auto& caso : casi) {
    SCOPED_TRACE(caso.nome);
    for (const bool con_fine : {false, true}) {
      prova_parser p;
      const std::string fine = con_fine ? "[fine]\r\n" : "";
      const std::string corpo_linea = caso.nel_treno ? "" : caso.record;
      std::string linea = "[generale]\r\nlunghezza percorso, 152000\r\n[curve]\r\n" + corpo_linea +
                          (caso.nel_treno ? "[fine]\r\n" : fine);
      std::string treno = "[generale]\r\n" + (caso.nel_treno ? caso.record + fine : "[fine]\r\n");
      p.esegui(linea, treno);
      EXPECT_EQ(p.errore.codice_errore, 0);
      EXPECT_EQ(caso.applicato(p.m), con_fine) << (con_fine ? "kept" : "dropped");
      if (!con_fine && caso.nel_treno) {
        EXPECT_EQ(p.m.tabella[1].nome, "");  // a dropped station leaves its entry empty
      }
    }
  }
}

}  // namespace
