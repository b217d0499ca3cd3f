// Prints the random index of kivo's five-step scale for 3 to 15 criteria: the mean consistency
// index of random reciprocal matrices whose answers above the diagonal are drawn uniformly from
// 1/10, 1/5, 1, 5 and 10. An order with no more matrices than the sample size is averaged over
// every one of its matrices (exact); a larger one over the sample, the generator of order n seeded
// with 24 + n. The table in kivo/weighting/analise.cpp (indiceAleatorio) is the output with the
// default sample of 10,000,000 matrices: orders 3 to 5 exact, 6 to 15 sampled.
//
//   build/tools/kivo_indice_aleatorio [matrices per order]
#include "kivo/weighting/analise.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const long amostras = argc > 1 ? std::atol(argv[1]) : 10000000L;
    if (amostras <= 0 || amostras > 2000000000L) {
        std::fprintf(stderr, "usage: %s [matrices per order, 1 to 2000000000]\n", argv[0]);
        return 2;
    }
    std::printf("n   mean CI  table  how\n");
    for (int n = 3; n <= kivo::analise::MaxCriterios; ++n) {
        const double todas = std::pow(5.0, n * (n - 1) / 2);
        const bool exato = todas <= double(amostras);
        const double media = exato ? kivo::analise::indiceConsistenciaExato(n)
                                   : kivo::analise::indiceConsistenciaMedio(n, int(amostras), 24ULL + unsigned(n));
        std::printf("%2d  %.5f  %.2f   %s %.0f matrices\n", n, media, kivo::analise::indiceAleatorio(n),
                    exato ? "all" : "sample of", exato ? todas : double(amostras));
        std::fflush(stdout);
    }
    return 0;
}
