#include "treatment.h"

#include "drawing_scan.h"
#include "failure.h"
#include "globals.h"
#include "layer_question.h"

void treatment() {
  char codigo[kLayerCodeSize];
  choose_layer(codigo);
  scan_drawing(codigo);

  const int read_error = f1.read_error();
  f1.close();
  if (read_error != 0) fail("\n\tCannot read the file %s\n", nomim1);
  if (!f2.close()) fail("\n\tCannot write the file %s\n", nomim2);
}
