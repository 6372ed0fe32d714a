#ifndef FEM1D_LAPACK_H
#define FEM1D_LAPACK_H

#include <cstddef>

// The LAPACK routines of the band solvers (Fortran calling convention, with
// the hidden lengths of character arguments). Not installed: only the
// toolkit's own sources call them.
extern "C"
{
    void dpbtrf_(const char* uplo, const int* n, const int* kd, double* ab, const int* ldab, int* info,
                 std::size_t uplo_len);
    void dpbtrs_(const char* uplo, const int* n, const int* kd, const int* nrhs, const double* ab, const int* ldab,
                 double* b, const int* ldb, int* info, std::size_t uplo_len);
    void dgbtrf_(const int* m, const int* n, const int* kl, const int* ku, double* ab, const int* ldab, int* ipiv,
                 int* info);
    void dgbtrs_(const char* trans, const int* n, const int* kl, const int* ku, const int* nrhs, const double* ab,
                 const int* ldab, const int* ipiv, double* b, const int* ldb, int* info, std::size_t trans_len);
    void dsbgv_(const char* jobz, const char* uplo, const int* n, const int* ka, const int* kb, double* ab,
                const int* ldab, double* bb, const int* ldbb, double* w, double* z, const int* ldz, double* work,
                int* info, std::size_t jobz_len, std::size_t uplo_len);
}

#endif
