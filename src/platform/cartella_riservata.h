#pragma once

#include <chrono>
#include <memory>
#include <span>
#include <string>

#include "platform/file_system.h"

namespace piattaforma {

// The hold a run keeps on the folder it writes, from before its first file
// to after its last, so that two runs of one folder take turns instead of
// mixing their files.
class cartella_riservata {
 public:
  // Waits up to attesa_cartella() for any other run of `cartella` to end.
  // Once the folder is held, the temporary files that a killed run left for
  // `bersagli` (the run's targets, full paths in `cartella`) are removed: no
  // live run can own them then. Last, every target is checked: one that is a
  // folder, a FIFO or a device fails the run before it writes anything. A
  // folder that cannot be held does not stop the run; its leftovers stay.
  esito prendi(file_system& fs, const std::string& cartella, std::span<const std::string> bersagli);
  bool tenuta() const { return blocco_ != nullptr; }

 private:
  std::unique_ptr<blocco_cartella> blocco_;
};

// The name of the environment variable that sets the wait, in seconds.
inline constexpr const char* variabile_attesa = "SCENARIO_ATTESA_CARTELLA";
inline constexpr std::chrono::seconds attesa_predefinita{60};
// How long a run waits for the folder: the variable's seconds.
std::chrono::milliseconds attesa_cartella();
// The wait a value of the variable gives: its seconds when it is a number
// from 0 to a day, the default when it is absent (null) or anything else.
std::chrono::milliseconds attesa_da(const char* valore);

// What a run says when another held its folder for the whole wait.
std::string ragione_cartella_occupata(std::chrono::milliseconds attesa);

}  // namespace piattaforma
