#pragma once

// The gravity of an activity, from the answers to its fourteen-statement questionnaire.

#include <array>
#include <optional>

namespace davo {

constexpr int QuestoesGravidade = 14;

// The weight of each statement, top to bottom; they add up to 28.
constexpr std::array<int, QuestoesGravidade> PesosGravidade{1, 2, 1, 2, 1, 2, 3, 1, 2, 3, 5, 2, 2, 1};

// The weighted sum of the answers (each 1 to 5), from 28 to 140; nothing while any statement is
// unanswered (0) or holds an answer outside 1 to 5.
std::optional<int> pontosGravidade(const std::array<int, QuestoesGravidade>& respostas);

// The gravity from 1.0 (every answer 1) to 5.0 (every answer 5): 1 + 4 × (X − 28) / 112, X being
// the weighted sum. Nothing while the questionnaire is incomplete.
std::optional<double> gravidade(const std::array<int, QuestoesGravidade>& respostas);

}  // namespace davo
