#include "kivo/results/calculo.h"

#include "kivo/shell/dados.h"
#include "kivo/shell/database.h"

#include "common/clock.h"
#include "common/formats.h"
#include "common/store.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <exception>
#include <functional>
#include <optional>

namespace kivo::calculo {

namespace {

constexpr int Slots = 15;

// One row of a work table: items a and b with their weights or values, and the two quotients,
// each missing when its divisor is 0.
struct Par {
    int a = 0;
    int b = 0;
    std::optional<double> rto;
    std::optional<double> inv;
};

Par par(int a, double valorA, int b, double valorB)
{
    Par p{a, b, {}, {}};
    if (valorB != 0)
        p.rto = valorA / valorB;
    if (valorA != 0)
        p.inv = valorB / valorA;
    return p;
}

bool noIntervalo(int item)
{
    return item >= 1 && item <= Slots;
}

// Sums the pairs as the work table lists them: R1 by the first member, R2 by the second, and the
// grand sum. A quotient not written adds nothing.
struct Acumulador {
    Figuras r1{}, r2{};
    double soma = 0;

    void junta(const Par& p)
    {
        const double rto = p.rto.value_or(0);
        const double inv = p.inv.value_or(0);
        if (noIntervalo(p.a))
            r1[p.a] += rto;
        if (noIntervalo(p.b))
            r2[p.b] += inv;
        soma = soma + (rto + inv);
    }
};

SomasCriterios fechaCriterios(const Acumulador& acc, int n)
{
    SomasCriterios s;
    s.soma = acc.soma;
    for (int i = 1; i <= n; ++i) {
        s.rto[i] = acc.r1[i];
        s.rtoInv[i] = acc.r2[i];
        s.total[i] = acc.r1[i] + acc.r2[i];
        // A single criterion has no pair, so S is 0: it carries the whole weight. With S at 0 for
        // more criteria (every weight 0) no criterion carries any.
        if (n == 1)
            s.pesos[i] = 1;
        else if (s.soma > 0)
            s.pesos[i] = s.total[i] / s.soma;
    }
    return s;
}

NotasCriterio fechaAlternativas(const Acumulador& acc, int m)
{
    NotasCriterio c;
    c.rto = acc.r1;
    c.rtoi = acc.r2;
    for (int a = 1; a <= m; ++a)
        c.total[a] = c.rto[a] + c.rtoi[a];
    // The spread between the largest and the smallest total.
    double maior = c.total[1];
    for (int a = 1; a <= m - 1; ++a)
        if (maior < c.total[a + 1])
            maior = c.total[a + 1];
    double menor = c.total[m];
    for (int a = m - 1; a >= 1; --a)
        if (menor > c.total[a])
            menor = c.total[a];
    const double d = maior - menor;
    double q = 0;
    for (int a = 1; a <= m; ++a) {
        if (d > 0)
            c.normal[a] = c.total[a] / d;
        q = q + c.normal[a];
    }
    for (int a = 1; a <= m; ++a)
        if (q > 0)
            c.pesos[a] = c.normal[a] / q;
    return c;
}

// A value as stored: a number, or a text read in the user's locale; null and other texts are 0.
double numero(const QVariant& v)
{
    double d = 0;
    return pesoNumerico(v, &d) ? d : 0;
}

struct Criterio {
    int numero = 0;
    QVariant identifica;
    QVariant peso;
    QVariant sinal;
    Figuras valor{};  // Valor01..Valor15, by the alternative's number
};

struct Alternativa {
    int numero = 0;
    QVariant nome;
};

[[noreturn]] void semRegistro()
{
    throw common::StoreError(common::StoreError::NoCurrentRecord,
                             QCoreApplication::translate("kivo::calculo", "Nenhum registro atual."));
}

// Position of the row whose Numero is `numero`, as a seek on the key finds it; -1 for no match.
template <typename Row>
int busca(const std::vector<Row>& rows, int numero)
{
    for (int r = 0; r < int(rows.size()); ++r)
        if (rows[r].numero == numero)
            return r;
    return -1;
}

QString setList(const QStringList& fields)
{
    QStringList parts;
    for (const QString& f : fields)
        parts << f + QStringLiteral(" = ?");
    return parts.join(QStringLiteral(", "));
}

QString insertPar(const QString& table, const QString& what)
{
    return QStringLiteral(
               "INSERT INTO %1 (Numero, Indice, CriterioA, DescrA, %2A, %2B, DescrB, CriterioB, RTO, "
               "inv_RTO) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
        .arg(table, what);
}

QVariant opcional(const std::optional<double>& v)
{
    return v ? QVariant(*v) : QVariant();
}

}  // namespace

// The computation over the database: the stages in order, each in its own transaction, each with
// the pause that follows it.
class Execucao {
public:
    // A stage and the milliseconds the user is given to follow it; the next stage follows at once
    // when 0. A stage may be a pause alone.
    struct Passo {
        std::function<void()> faz;
        int pausa = 0;
    };

    Execucao(common::Database& db, int n, Progresso& progresso) : db_(db), n_(std::clamp(n, 1, Slots)), p_(progresso) {}

    // Reads the tables and checks them before anything is written: false when the run stops
    // there, desfecho() saying why.
    bool valida()
    {
        le();
        // Every weight in use is checked before anything is written: a run with a missing weight
        // would rank the alternatives on a weight of 0. One criterion needs no weight.
        if (n_ > 1) {
            for (int i = 1; i <= n_; ++i) {
                const int r = busca(criterios_, i);
                if (r >= 0 && !pesoNumerico(criterios_[r].peso)) {
                    d_.fim = Desfecho::PesoInvalido;
                    d_.criterioSemPeso = i;
                    return false;
                }
            }
        }
        // So is every sign: an empty or mistyped one would silently count the criterion as a cost.
        for (int i = 1; i <= n_; ++i) {
            const int r = busca(criterios_, i);
            if (r >= 0 && !sinalValido(criterios_[r].sinal)) {
                d_.fim = Desfecho::SinalInvalido;
                d_.criterioSemSinal = i;
                d_.nomeSemSinal = common::defaultText(criterios_[r].identifica).trimmed();
                return false;
            }
        }
        return true;
    }

    // The stages after the check: the clearing, the criteria weights, each criterion's pair table,
    // each criterion's scores, the results.
    std::vector<Passo> passos()
    {
        std::vector<Passo> p;
        p.push_back({[this] { PrepararTabelas(); }, PausaLimpeza});
        p.push_back({[this] { p_.etapa(Progresso::Limpeza, Progresso::Concluida); }, 0});
        p.push_back({[this] { pesos(); }, PausaPesos});
        p.push_back({[this] { p_.etapa(0, Progresso::Concluida); }, 0});
        for (int k = 1; k <= n_; ++k) {
            p.push_back({[this, k] { paresAlternativas(k); }, PausaPares});
            p.push_back({[this, k] { p_.etapa(k, Progresso::Cinza); }, 0});
        }
        p.push_back({{}, PausaFimPares});
        for (int k = 1; k <= n_; ++k)
            p.push_back({[this, k] { notas(k); }, PausaNotas});
        p.push_back({{}, PausaResultado});
        p.push_back({[this] { resultado(d_); }, 0});
        return p;
    }

    // The check, then the stages to come when it passes.
    void prepara()
    {
        if (valida())
            passos_ = passos();
    }
    // The next stage to run, null after the last.
    const Passo* proximo() { return proximo_ < passos_.size() ? &passos_[proximo_++] : nullptr; }

    const Desfecho& desfecho() const { return d_; }

private:
    void le()
    {
        common::Recordset c = common::Recordset::openTable(db_, QStringLiteral("Criterios"));
        c.setIndex(QStringLiteral("PrimaryKey"));
        QStringList valores;
        for (int a = 1; a <= Slots; ++a)
            valores << numbered(QStringLiteral("Valor"), a);
        for (c.moveFirst(); !c.eof(); c.moveNext()) {
            Criterio r;
            r.numero = c.value(QStringLiteral("Numero")).toInt();
            r.identifica = c.value(QStringLiteral("Identifica"));
            r.peso = c.value(QStringLiteral("Peso"));
            r.sinal = c.value(QStringLiteral("Sinal"));
            for (int a = 1; a <= Slots; ++a)
                r.valor[a] = numero(c.value(valores[a - 1]));
            criterios_.push_back(r);
        }

        common::Recordset alt = common::Recordset::openTable(db_, QStringLiteral("Alternativas"));
        alt.setIndex(QStringLiteral("PrimaryKey"));
        alt.moveFirst();
        m_ = alt.eof() ? 0 : dados::qtdeGravada(alt.value(QStringLiteral("Qtde")), 0, Slots);
        for (; !alt.eof(); alt.moveNext())
            alternativas_.push_back(
                {alt.value(QStringLiteral("Numero")).toInt(), alt.value(QStringLiteral("Alternativa"))});
    }

    // The slot rows as a walk from the first row visits them: the first 15 in key order.
    template <typename Row>
    int primeiras(const std::vector<Row>& rows) const
    {
        return std::min<int>(Slots, int(rows.size()));
    }

    void PrepararTabelas()
    {
        p_.etapa(Progresso::Limpeza, Progresso::Iniciada);
        common::Transaction t(db_);
        db_.run(QStringLiteral("DELETE FROM RTO"), {});
        for (int r = 0; r < primeiras(criterios_); ++r)
            db_.run(QStringLiteral("UPDATE Criterios SET RTO = 0, RTO_Inv = 0, Total = 0, Pesos = 0, Emach = 0, "
                                   "PesoFinal = 0 WHERE Numero = ?"),
                    {criterios_[r].numero});
        QStringList zeros;
        for (int k = 1; k <= Slots; ++k)
            for (const char* prefix : {"RTO", "RTOi", "Total", "Normal", "Pesos", "KIVO"})
                zeros << numbered(QLatin1String(prefix), k) + QStringLiteral(" = 0");
        zeros << QStringLiteral("Resultado = 0");
        const QString zera =
            QStringLiteral("UPDATE Alternativas SET %1 WHERE Numero = ?").arg(zeros.join(QStringLiteral(", ")));
        for (int r = 0; r < primeiras(alternativas_); ++r)
            db_.run(zera, {alternativas_[r].numero});
        p_.alternativasAlteradas();
        for (int k = 1; k <= Slots; ++k)
            db_.run(QStringLiteral("DELETE FROM ") + numbered(QStringLiteral("c"), k), {});
        t.commit();
    }

    // The pairs of criteria i < j into RTO, then each criterion's sums and share.
    void pesos()
    {
        p_.etapa(0, Progresso::Iniciada);
        common::Transaction t(db_);
        const QString insere = insertPar(QStringLiteral("RTO"), QStringLiteral("Peso"));
        Acumulador acc;
        int pares = 0;
        for (int i = 1; i <= n_ - 1; ++i) {
            int atual = busca(criterios_, i);
            if (atual < 0)
                break;  // no row for criterion i: the pairs made so far are all there is
            const Criterio& a = criterios_[atual];
            double pesoA = 0;
            pesoNumerico(a.peso, &pesoA);
            ++atual;
            for (int indice = 1; indice <= n_ - i; ++indice) {
                if (atual >= int(criterios_.size()))
                    semRegistro();
                const Criterio& b = criterios_[atual];
                double pesoB = 0;
                pesoNumerico(b.peso, &pesoB);
                const Par p = par(a.numero, pesoA, b.numero, pesoB);
                db_.run(insere, {++pares, indice, a.numero, a.identifica, pesoA, pesoB, b.identifica, b.numero,
                                 opcional(p.rto), opcional(p.inv)});
                acc.junta(p);
                ++atual;
            }
        }
        somas_ = fechaCriterios(acc, n_);
        for (int r = 0; r < std::min(n_, int(criterios_.size())); ++r) {
            const int i = r + 1;
            db_.run(QStringLiteral("UPDATE Criterios SET RTO = ?, RTO_Inv = ?, Total = ?, Pesos = ? WHERE Numero = ?"),
                    {somas_.rto[i], somas_.rtoInv[i], somas_.total[i], somas_.pesos[i], criterios_[r].numero});
        }
        t.commit();
    }

    // Every ordered pair of alternatives, a = b included, under criterion k into table ckk.
    void paresAlternativas(int k)
    {
        p_.etapa(k, Progresso::Iniciada);
        const int rc = busca(criterios_, k);
        if (rc < 0)
            semRegistro();
        const Criterio& criterio = criterios_[rc];
        auto valor = [&](int alternativa) {
            if (!noIntervalo(alternativa))
                throw common::StoreError(
                    common::StoreError::FieldNotFound,
                    QCoreApplication::translate("kivo::calculo", "Item não encontrado nesta coleção: '%1'.")
                        .arg(numbered(QStringLiteral("Valor"), alternativa)));
            return criterio.valor[alternativa];
        };

        common::Transaction t(db_);
        const QString insere = insertPar(numbered(QStringLiteral("c"), k), QStringLiteral("Valor"));
        Acumulador acc;
        int pares = 0;
        for (int a = 1; a <= m_; ++a) {
            const int ra = busca(alternativas_, a);
            if (ra < 0)
                break;  // no row for alternative a: this criterion's pairs end here
            const Alternativa& altA = alternativas_[ra];
            const double valorA = valor(altA.numero);
            int atual = 0;
            for (int indice = 1; indice <= m_; ++indice) {
                if (atual >= int(alternativas_.size()))
                    semRegistro();
                const Alternativa& altB = alternativas_[atual];
                const double valorB = valor(altB.numero);
                const Par p = par(altA.numero, valorA, altB.numero, valorB);
                db_.run(insere, {++pares, indice, altA.numero, altA.nome, valorA, valorB, altB.nome, altB.numero,
                                 opcional(p.rto), opcional(p.inv)});
                acc.junta(p);
                ++atual;
            }
        }
        t.commit();
        notas_[k] = fechaAlternativas(acc, m_);
    }

    // Criterion k's figures on every slot row of Alternativas; rows beyond m get the zeros.
    void notas(int k)
    {
        const NotasCriterio& c = notas_[k];
        QStringList campos;
        for (const char* prefix : {"RTO", "RTOi", "Total", "Normal", "Pesos"})
            campos << numbered(QLatin1String(prefix), k);
        const QString grava = QStringLiteral("UPDATE Alternativas SET %1 WHERE Numero = ?").arg(setList(campos));
        common::Transaction t(db_);
        for (int r = 0; r < primeiras(alternativas_); ++r) {
            const int row = r + 1;
            db_.run(grava,
                    {c.rto[row], c.rtoi[row], c.total[row], c.normal[row], c.pesos[row], alternativas_[r].numero});
        }
        t.commit();
        p_.etapa(k, Progresso::Concluida);
    }

    // The signed, weighted contributions and the overall result of the first m alternatives, and
    // the best option.
    void resultado(Desfecho& d)
    {
        QStringList campos;
        for (int k = 1; k <= n_; ++k)
            campos << numbered(QStringLiteral("KIVO"), k);
        campos << QStringLiteral("Resultado");
        const QString grava = QStringLiteral("UPDATE Alternativas SET %1 WHERE Numero = ?").arg(setList(campos));

        std::vector<double> pesosCriterios;
        std::vector<int> sinais;
        for (int r = 0; r < std::min(n_, int(criterios_.size())); ++r) {
            pesosCriterios.push_back(somas_.pesos[r + 1]);
            sinais.push_back(sinal(criterios_[r].sinal));
        }
        common::Transaction t(db_);
        double melhor = 0;
        for (int r = 0; r < std::min(m_, int(alternativas_.size())); ++r) {
            const int row = r + 1;
            QVariantList valores;
            double total = 0;
            for (int k = 1; k <= n_; ++k) {
                const size_t ik = size_t(k - 1);
                const double kivo =
                    ik < pesosCriterios.size() ? contribuicao(pesosCriterios[ik], sinais[ik], notas_[k].pesos[row]) : 0;
                valores << kivo;
                total = total + kivo;
            }
            valores << total << alternativas_[r].numero;
            db_.run(grava, valores);
            if (total > melhor) {
                melhor = total;
                d.melhor = alternativas_[r].numero;
                d.nomeMelhor = common::defaultText(alternativas_[r].nome);
            }
        }
        t.commit();
    }

    common::Database& db_;
    const int n_;
    int m_ = 0;
    Progresso& p_;
    std::vector<Criterio> criterios_;
    std::vector<Alternativa> alternativas_;
    SomasCriterios somas_;
    std::array<NotasCriterio, Slots + 1> notas_{};
    Desfecho d_;
    std::vector<Passo> passos_;
    size_t proximo_ = 0;
};

SomasCriterios pesosDosCriterios(const std::vector<double>& pesos)
{
    const int n = std::min<int>(Slots, int(pesos.size()));
    Acumulador acc;
    for (int i = 1; i <= n - 1; ++i)
        for (int j = i + 1; j <= n; ++j)
            acc.junta(par(i, pesos[i - 1], j, pesos[j - 1]));
    return fechaCriterios(acc, n);
}

NotasCriterio notasDasAlternativas(const std::vector<double>& valores)
{
    const int m = std::min<int>(Slots, int(valores.size()));
    Acumulador acc;
    for (int a = 1; a <= m; ++a)
        for (int b = 1; b <= m; ++b)
            acc.junta(par(a, valores[a - 1], b, valores[b - 1]));
    return fechaAlternativas(acc, m);
}

int sinal(const QVariant& s)
{
    return !s.isNull() && s.toString() == QLatin1String("+") ? 1 : -1;
}

double contribuicao(double pesoCriterio, int sinal, double pesoAlternativa)
{
    return (pesoCriterio * sinal) * pesoAlternativa;
}

std::vector<double> resultados(const std::vector<double>& pesosCriterios, const std::vector<int>& sinais,
                               const std::vector<std::vector<double>>& pesosAlternativas)
{
    size_t m = 0;
    for (const auto& notas : pesosAlternativas)
        m = std::max(m, notas.size());
    std::vector<double> r(m, 0.0);
    const size_t n = std::min({pesosCriterios.size(), sinais.size(), pesosAlternativas.size()});
    for (size_t a = 0; a < m; ++a)
        for (size_t k = 0; k < n; ++k) {
            const double parte = a < pesosAlternativas[k].size() ? pesosAlternativas[k][a] : 0;
            r[a] = r[a] + contribuicao(pesosCriterios[k], sinais[k], parte);
        }
    return r;
}

int melhorOpcao(const std::vector<double>& resultados)
{
    int melhor = -1;
    double maior = 0;
    for (int a = 0; a < int(resultados.size()); ++a)
        if (resultados[a] > maior) {
            maior = resultados[a];
            melhor = a;
        }
    return melhor;
}

bool sinalValido(const QVariant& sinal)
{
    const QString texto = sinal.isNull() ? QString() : sinal.toString();
    return texto == QLatin1String("+") || texto == QLatin1String("-");
}

bool pesoNumerico(const QVariant& peso, double* valor)
{
    if (peso.isNull())
        return false;
    // A text is read as the user types numbers; a number is taken as it is.
    const std::optional<double> n = peso.typeId() == QMetaType::QString ? common::readNumber(peso.toString())
                                                                        : common::readNumber(common::defaultText(peso));
    if (!n)
        return false;
    if (valor)
        *valor = peso.typeId() == QMetaType::QString ? *n : peso.toDouble();
    return true;
}

Desfecho calcula(common::Database& db, int n, Progresso& progresso)
{
    Execucao execucao(db, n, progresso);
    if (execucao.valida())
        for (const Execucao::Passo& passo : execucao.passos())
            if (passo.faz)
                passo.faz();
    return execucao.desfecho();
}

std::optional<int> preparaResultados(common::Database& db)
{
    common::Recordset alternativas = dados::abreTabela(db, QStringLiteral("Alternativas"));
    common::Recordset criterios = dados::abreTabela(db, QStringLiteral("Criterios"));
    std::optional<int> qtde;
    if (!criterios.eof())
        qtde = dados::qtdeGravada(criterios.value(QStringLiteral("Qtde")), 1, dados::Linhas);
    common::Recordset::openTable(db, QStringLiteral("RTO")).setIndex(QStringLiteral("PrimaryKey"));

    common::Transaction transaction(db);
    for (int i = 0; i < Slots && !alternativas.eof(); ++i) {
        alternativas.edit();
        alternativas.setValue(QStringLiteral("Resultado"), 0);
        alternativas.update();
        alternativas.moveNext();
    }
    transaction.commit();
    return qtde;
}

Rodada::Rodada(QObject* parent) : QObject(parent) {}

Rodada::~Rodada() = default;

bool Rodada::emAndamento() const
{
    return execucao_ != nullptr;
}

bool Rodada::inicia(common::Database& db, int n, Progresso& progresso, Fim fim)
{
    if (emAndamento())
        return false;
    execucao_ = std::make_unique<Execucao>(db, n, progresso);
    fim_ = std::move(fim);
    if (guardado([this] { execucao_->prepara(); }))
        segue();
    return true;
}

bool Rodada::guardado(const std::function<void()>& passo)
{
    Termino falha;
    try {
        passo();
        return true;
    } catch (const common::StoreError& e) {
        falha.falha = e.description();
    } catch (...) {
        falha.outra = std::current_exception();
    }
    termina(std::move(falha));
    return false;
}

void Rodada::segue()
{
    while (const Execucao::Passo* passo = execucao_->proximo()) {
        if (passo->faz && !guardado(passo->faz))
            return;
        if (passo->pausa > 0) {
            common::Clock::after(passo->pausa, this, [this] { segue(); });
            return;
        }
    }
    termina({execucao_->desfecho(), {}, {}});
}

void Rodada::termina(Termino termino)
{
    // The run is over before its end is told: the one told may start the next run, or destroy this
    // object; nothing here is touched after.
    execucao_.reset();
    const Fim fim = std::move(fim_);
    fim_ = nullptr;
    if (fim)
        fim(termino);
}

}  // namespace kivo::calculo
