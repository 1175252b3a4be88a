#include "globals.h"

polydump::TextInput f1;
polydump::RecordWriter f2;

double min_x, min_y, min_alt;
double max_x, max_y, max_alt;

char nomim1[kPathSize];
char nomim2[kPathSize];
