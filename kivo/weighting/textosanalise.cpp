#include "kivo/weighting/textosanalise.h"

#include "kivo/shell/idioma.h"

#include "common/formats.h"

namespace kivo {

std::optional<MensagemAnalise> mensagemAnalise(analise::Falha falha, short idioma)
{
    if (falha == analise::Falha::Nenhuma)
        return std::nullopt;
    const bool colunas = falha == analise::Falha::ColunasIguais;
    switch (idioma) {
    case 1:
        return MensagemAnalise{QStringLiteral("Values incomplete"),
                               QStringLiteral("Fully populate the spreadsheet before analyzing")};
    case 2:
        return colunas ? MensagemAnalise{QStringLiteral("Valores incompla!"),
                                         QStringLiteral("Rellenar completamente la hoja de cálculo antes de analizar ")}
                       : MensagemAnalise{QStringLiteral("Valores incompleta!"),
                                         QStringLiteral("Rellenar completamente la hoja de cálculo antes de analizar")};
    case 3:
        return MensagemAnalise{QStringLiteral("Valores incompletos!"),
                               QStringLiteral("Preencher totalmente a planilha antes de analizar")};
    }
    return std::nullopt;
}

QString textoConsistencia(const analise::Consistencia& c, const QStringList& nomes, short idioma)
{
    const QString titulo =
        legenda({"", "Razão de consistência: ", "Consistency ratio: ", "Razón de consistencia: "}, idioma);
    if (c.faltando > 0) {
        if (c.faltando == 1)
            return titulo + legenda({"", "falta 1 comparação; a razão precisa de todas.",
                                     "1 comparison unanswered; the ratio needs them all.",
                                     "falta 1 comparación; la razón las necesita todas."},
                                    idioma);
        return titulo + legenda({"", "faltam %1 comparações; a razão precisa de todas.",
                                 "%1 comparisons unanswered; the ratio needs them all.",
                                 "faltan %1 comparaciones; la razón las necesita todas."},
                                idioma)
                            .arg(c.faltando);
    }
    const QString razao = common::formatFixed(c.razao, 2);
    if (c.aceitavel)
        return titulo + razao + legenda({"", " — aceitável", " — acceptable", " — aceptable"}, idioma);

    auto nome = [&](int k) {
        const QString texto = nomes.value(k);
        if (!texto.trimmed().isEmpty())
            return texto;
        return legenda({"", "critério %1", "criterion %1", "criterio %1"}, idioma).arg(k + 1);
    };
    QString linha = titulo + razao;
    if (!c.ciclo.empty()) {
        QStringList passos;
        for (int k : c.ciclo)
            passos << nome(k);
        passos << nome(c.ciclo.front());
        linha += legenda({"", " — as respostas formam um ciclo: %1", " — the answers go round in a cycle: %1",
                          " — las respuestas forman un ciclo: %1"},
                         idioma)
                     .arg(passos.join(QStringLiteral(" > ")));
    } else {
        linha += legenda({"", " — acima de %1", " — above %1", " — por encima de %1"}, idioma)
                     .arg(common::formatFixed(0.10, 2));
    }
    if (const auto& s = c.sugestao) {
        static const Legenda Opcoes[6] = {
            {"", "", "", ""},
            {"", "Muito Mais", "Much more", "Mucho más"},
            {"", "Mais", "Much", "Más"},
            {"", "De forma igual", "The same", "Igual"},
            {"", "Menos", "Less", "Menos"},
            {"", "Muito menos", "Much less", "Mucho menos"},
        };
        linha += legenda({"", ". Mudar %1 × %2 de «%3» para «%4» levaria a razão a %5",
                          ". Changing %1 × %2 from “%3” to “%4” would bring the ratio to %5",
                          ". Cambiar %1 × %2 de «%3» a «%4» llevaría la razón a %5"},
                         idioma)
                     .arg(nome(s->linha), nome(s->coluna), legenda(Opcoes[s->de], idioma),
                          legenda(Opcoes[s->para], idioma), common::formatFixed(s->razao, 2));
    }
    return linha;
}

}  // namespace kivo
