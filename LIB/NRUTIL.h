// NRUTIL: zero-filled matrices and vectors whose size is known only at run time, for any
// code of the program that needs such arrays. A matrix is a row table with one separately
// allocated row per entry; a null result is the only report of failure.
#pragma once

/// NbLig zero-filled rows of NbCol floats behind a row table, or null.
float** fmatrice(int NbCol, int NbLig);
/// Gives back rows 0 to NbLig - 1 of Mat, then its row table.
void frfmatrice(float** Mat, int NbLig);
/// NbLig zero-filled rows of NbCol unsigned chars behind a row table, or null.
unsigned char** ucmatrice(int NbCol, int NbLig);
/// Gives back rows 0 to NbLig - 1 of Mat, then its row table.
void frucmatrice(unsigned char** Mat, int NbLig);
/// NbLig zero-filled rows of NbCol unsigned shorts behind a row table, or null.
unsigned short** usmatrice(int NbCol, int NbLig);
/// Gives back rows 0 to NbLig - 1 of Mat, then its row table.
void frusmatrice(unsigned short** Mat, int NbLig);
/// NbLig zero-filled rows of NbCol shorts behind a row table, or null.
short** smatrice(int NbCol, int NbLig);
/// Gives back rows 0 to NbLig - 1 of Mat, then its row table.
void frsmatrice(short** Mat, int NbLig);
/// NbLig zero-filled rows of NbCol ints behind a row table, or null.
int** imatrice(int NbCol, int NbLig);
/// Gives back rows 0 to NbLig - 1 of Mat, then its row table.
void frimatrice(int** Mat, int NbLig);
/// NbLig zero-filled rows of NbCol doubles behind a row table, or null.
double** dmatrice(int NbCol, int NbLig);
/// Gives back rows 0 to NbLig - 1 of Mat, then its row table.
void frdmatrice(double** Mat, int NbLig);
/// NbLig zero-filled rows of NbCol long doubles behind a row table, or null.
long double** ldmatrice(int NbCol, int NbLig);
/// Gives back rows 0 to NbLig - 1 of Mat, then its row table.
void frldmatrice(long double** Mat, int NbLig);

/// NbCol zero-filled unsigned chars, or null.
unsigned char* ucvecteur(int NbCol);
/// Gives back Mat; null is ignored.
void frucvecteur(unsigned char* Mat);
/// NbCol zero-filled unsigned shorts, or null.
unsigned short* usvecteur(int NbCol);
/// Gives back Mat; null is ignored.
void frusvecteur(unsigned short* Mat);
/// NbCol zero-filled shorts, or null.
short* svecteur(int NbCol);
/// Gives back Mat; null is ignored.
void frsvecteur(short* Mat);
/// NbCol zero-filled ints, or null.
int* ivecteur(int NbCol);
/// Gives back Mat; null is ignored.
void frivecteur(int* Mat);
/// NbCol zero-filled doubles, or null.
double* dvecteur(int NbCol);
/// Gives back Mat; null is ignored.
void frdvecteur(double* Mat);
/// NbCol zero-filled floats, or null.
float* fvecteur(int NbCol);
/// Gives back Mat; null is ignored.
void frfvecteur(float* Mat);
