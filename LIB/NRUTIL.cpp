#include "NRUTIL.h"

#include <cstddef>
#include <cstdlib>

namespace {

// A count of zero or less is a failed request. Zero must yield null on every platform,
// while glibc's calloc hands out a block for zero bytes; a negative count would reach
// calloc as a huge size_t. A count whose byte size overflows is left to calloc, which
// checks count * size itself.
template <typename T>
T* zero_filled_block(int count) {
  if (count <= 0) {
    return nullptr;
  }
  return static_cast<T*>(std::calloc(static_cast<std::size_t>(count), sizeof(T)));
}

template <typename T>
void release_matrix(T** Mat, int NbLig) {
  for (int i = 0; i < NbLig; ++i) {
    std::free(Mat[i]);
  }
  std::free(Mat);
}

// On a failing row the caller gets null and so could never give back the rows already
// obtained; they go back here, in the order of the release routine.
template <typename T>
T** allocate_matrix(int NbCol, int NbLig) {
  T** buff = zero_filled_block<T*>(NbLig);
  if (buff == nullptr) {
    return nullptr;
  }
  for (int i = 0; i < NbLig; ++i) {
    buff[i] = zero_filled_block<T>(NbCol);
    if (buff[i] == nullptr) {
      release_matrix(buff, i);
      return nullptr;
    }
  }
  return buff;
}

template <typename T>
T* allocate_vector(int NbCol) {
  return zero_filled_block<T>(NbCol);
}

template <typename T>
void release_vector(T* Mat) {
  std::free(Mat);
}

}  // namespace

float** fmatrice(int NbCol, int NbLig) { return allocate_matrix<float>(NbCol, NbLig); }
void frfmatrice(float** Mat, int NbLig) { release_matrix(Mat, NbLig); }
unsigned char** ucmatrice(int NbCol, int NbLig) {
  return allocate_matrix<unsigned char>(NbCol, NbLig);
}
void frucmatrice(unsigned char** Mat, int NbLig) { release_matrix(Mat, NbLig); }
unsigned short** usmatrice(int NbCol, int NbLig) {
  return allocate_matrix<unsigned short>(NbCol, NbLig);
}
void frusmatrice(unsigned short** Mat, int NbLig) { release_matrix(Mat, NbLig); }
short** smatrice(int NbCol, int NbLig) { return allocate_matrix<short>(NbCol, NbLig); }
void frsmatrice(short** Mat, int NbLig) { release_matrix(Mat, NbLig); }
int** imatrice(int NbCol, int NbLig) { return allocate_matrix<int>(NbCol, NbLig); }
void frimatrice(int** Mat, int NbLig) { release_matrix(Mat, NbLig); }
double** dmatrice(int NbCol, int NbLig) { return allocate_matrix<double>(NbCol, NbLig); }
void frdmatrice(double** Mat, int NbLig) { release_matrix(Mat, NbLig); }
long double** ldmatrice(int NbCol, int NbLig) { return allocate_matrix<long double>(NbCol, NbLig); }
void frldmatrice(long double** Mat, int NbLig) { release_matrix(Mat, NbLig); }

unsigned char* ucvecteur(int NbCol) { return allocate_vector<unsigned char>(NbCol); }
void frucvecteur(unsigned char* Mat) { release_vector(Mat); }
unsigned short* usvecteur(int NbCol) { return allocate_vector<unsigned short>(NbCol); }
void frusvecteur(unsigned short* Mat) { release_vector(Mat); }
short* svecteur(int NbCol) { return allocate_vector<short>(NbCol); }
void frsvecteur(short* Mat) { release_vector(Mat); }
int* ivecteur(int NbCol) { return allocate_vector<int>(NbCol); }
void frivecteur(int* Mat) { release_vector(Mat); }
double* dvecteur(int NbCol) { return allocate_vector<double>(NbCol); }
void frdvecteur(double* Mat) { release_vector(Mat); }
float* fvecteur(int NbCol) { return allocate_vector<float>(NbCol); }
void frfvecteur(float* Mat) { release_vector(Mat); }
