// seawrack_polydump: converts an ASCII DXF drawing into a .rak point-list file holding the
// drawing's extents and the vertices of every polyline on the layer that marks the sea.
#include "failure.h"
#include "opening.h"
#include "treatment.h"

int main() {
  opening();
  treatment();
  return kExitSuccess;
}
