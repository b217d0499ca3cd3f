#pragma once

// The result computation: every pair of criteria compared by the quotient of their weights, every
// pair of alternatives under one criterion by the quotient of their values; each item's quotients
// summed and the sums turned into shares; each alternative's shares weighted by the criteria's
// shares and signs into its result.
//
// The arithmetic is in plain functions, which a screen that varies the weights can call as they
// are. A Rodada runs the whole computation on CONTROLE.mdb in stages the user can follow: it fills
// the work tables RTO and c01..c15, writes the figures into Criterios and Alternativas, and tells a
// Progresso how far it is; `calcula` does the same at once.

#include <QObject>
#include <QString>
#include <QVariant>

#include <array>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace common {
class Database;
}

namespace kivo::calculo {

// Quotients by a zero are not written in the work tables and count as 0 in every sum.
// Figures of up to 15 items, indexed by the item's number 1 to 15 (0 and 16 unused).
using Figuras = std::array<double, 17>;

// The sums of the criteria: RTO (quotients where the criterion is the first of its pair), RTO_Inv
// (inverse quotients where it is the second), Total, and Pesos, the criterion's share.
struct SomasCriterios {
    Figuras rto{}, rtoInv{}, total{}, pesos{};
    double soma = 0;  // the grand sum S of all quotients
};

// The figures of the alternatives under one criterion: RTOkk, RTOikk, Totalkk, Normalkk, Pesoskk.
struct NotasCriterio {
    Figuras rto{}, rtoi{}, total{}, normal{}, pesos{};
};

// The criteria's shares from their weights w(1..n), given in order (pesos[0] is criterion 1):
// Total(i) = Σ w(i)/w(j) over the other criteria j, Pesos(i) = Total(i) / S. A single criterion has
// the share 1; when S is not above 0 (all weights zero) every share is 0.
SomasCriterios pesosDosCriterios(const std::vector<double>& pesos);

// The alternatives' figures under one criterion from their values v(1..m), every ordered pair
// (a, b), a = b included: Total(a) = R1(a) + R2(a), Normal(a) = Total(a) / (max − min of the
// totals), Pesos(a) = Normal(a) / Σ Normal. With all totals equal the figures Normal and Pesos are 0.
NotasCriterio notasDasAlternativas(const std::vector<double>& valores);

// +1 for a sign that is exactly "+", −1 for anything else (empty and null included).
int sinal(const QVariant& sinal);

// A sign the run accepts: exactly "+" or exactly "-".
bool sinalValido(const QVariant& sinal);

// KIVOkk of an alternative: (the criterion's share × its sign) × the alternative's share.
double contribuicao(double pesoCriterio, int sinal, double pesoAlternativa);

// The signed weighted sums: for every alternative a (0-based), Σ over the criteria k in order of
// contribuicao(pesosCriterios[k], sinais[k], pesosAlternativas[k][a]).
std::vector<double> resultados(const std::vector<double>& pesosCriterios, const std::vector<int>& sinais,
                               const std::vector<std::vector<double>>& pesosAlternativas);

// The best option: the first of the strictly greatest results, only when above 0; -1 for none.
int melhorOpcao(const std::vector<double>& resultados);

// A weight as stored in Criterios.Peso (a number, or a text read in the user's locale); false when
// it is null, empty or not a number.
bool pesoNumerico(const QVariant& peso, double* valor = nullptr);

// The screen that follows a run. Item Limpeza is the clearing, 0 the criteria weights, 1 to 15
// criterion k.
class Progresso {
public:
    static constexpr int Limpeza = -1;
    enum Estado {
        Iniciada,   // the stage's box appears
        Cinza,      // a criterion's pair table is built
        Concluida,  // the stage is done: its box is checked
    };

    virtual ~Progresso() = default;
    virtual void etapa(int item, Estado estado) = 0;
    // The alternatives' figures were cleared: the grid reads them again.
    virtual void alternativasAlteradas() = 0;
};

struct Desfecho {
    enum Fim {
        Concluido,      // every stage ran
        PesoInvalido,   // a weight of the criteria in use is empty or not a number: nothing written
        SinalInvalido,  // a sign of the criteria in use is not exactly "+" or "-": nothing written
    };
    Fim fim = Concluido;
    int criterioSemPeso = 0;   // with PesoInvalido, the first criterion refused
    int criterioSemSinal = 0;  // with SinalInvalido, the first criterion refused
    QString nomeSemSinal;      // and its name
    int melhor = 0;            // Numero of the best option, 0 for none
    QString nomeMelhor;        // its Alternativa, empty for none
};

// Pauses that let the user follow the stages, in milliseconds.
inline constexpr int PausaLimpeza = 1000;
inline constexpr int PausaPesos = 1000;
inline constexpr int PausaPares = 500;
inline constexpr int PausaFimPares = 1500;
inline constexpr int PausaNotas = 500;
inline constexpr int PausaResultado = 1000;

// How a run ended: its Desfecho, or the description of the store's failure that stopped it (what the
// earlier stages committed stays), or another failure for the caller to rethrow where it reports
// failures.
struct Termino {
    Desfecho desfecho;
    std::optional<QString> falha;
    std::exception_ptr outra;
};

class Execucao;

// A run of the whole computation for n criteria (clamped to 1..15), m being Qtde of the first
// alternative, on the event loop: the check runs at once, then each stage, each in its own
// transaction, with the pauses above between them (common::Clock::after), so the screen stays
// painted and no event loop nests. No exception leaves a stage: a failure ends the run.
class Rodada : public QObject {
public:
    using Fim = std::function<void(const Termino&)>;

    explicit Rodada(QObject* parent = nullptr);
    ~Rodada() override;

    // Starts a run; `fim` hears once how it ended, possibly before this returns (a refused check).
    // Destroying the Rodada abandons the run unheard. False, and nothing started, while a run is
    // going on.
    bool inicia(common::Database& db, int n, Progresso& progresso, Fim fim);
    bool emAndamento() const;

private:
    // Runs a stage; on a failure ends the run and returns false.
    bool guardado(const std::function<void()>& passo);
    // The stages from the next, until one that is followed by a pause.
    void segue();
    void termina(Termino termino);

    std::unique_ptr<Execucao> execucao_;
    Fim fim_;
};

// The same computation at once, without the pauses, for a caller nobody watches: a failure of the
// store throws common::StoreError and keeps what earlier stages committed.
Desfecho calcula(common::Database& db, int n, Progresso& progresso);

// What the results screen needs as it opens: the results of an earlier run back to 0 on the first
// 15 alternatives, in one transaction (their figures under each criterion stay until the next run).
// Returns Qtde of the first criterion (1 to 15), none when there is no criterion. A missing work
// table (RTO) throws common::StoreError before anything is written, not half way through a run.
std::optional<int> preparaResultados(common::Database& db);

}  // namespace kivo::calculo
