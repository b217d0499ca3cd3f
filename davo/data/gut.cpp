#include "davo/data/gut.h"

namespace davo {

std::optional<int> pontosGravidade(const std::array<int, QuestoesGravidade>& respostas)
{
    int x = 0;
    for (int q = 0; q < QuestoesGravidade; ++q) {
        const int a = respostas[q];
        if (a < 1 || a > 5)
            return std::nullopt;
        x += PesosGravidade[q] * a;
    }
    return x;
}

std::optional<double> gravidade(const std::array<int, QuestoesGravidade>& respostas)
{
    const auto x = pontosGravidade(respostas);
    if (!x)
        return std::nullopt;
    return 1 + 4.0 * (*x - 28) / 112;
}

}  // namespace davo
