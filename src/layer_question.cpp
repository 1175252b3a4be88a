#include "layer_question.h"

#include <cstring>

#include "dialogue.h"

void choose_layer(char* codigo) {
  const int code = polydump::ask_choice(
      "\n\n\tchosen code that corresponds to the sea : "
      "\n\t\t0 ====> HA_6292\n\t\t1 ====> ha_6292"
      "\n\t\t2 ====> other code\n\t\t",
      0, 2);
  // Both built-in codes fit the 12 characters of codigo with room to spare.
  if (code == 0) {
    std::memcpy(codigo, "HA_6292", sizeof "HA_6292");
  } else if (code == 1) {
    std::memcpy(codigo, "ha_6292", sizeof "ha_6292");
  } else {
    polydump::ask_word("\n\n\tdefine the code ", codigo, kLayerCodeSize - 1);
  }
}
