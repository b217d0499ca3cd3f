#include "kivo/weighting/textosanalise.h"

#include "common/formats.h"

#include <QCoreApplication>

namespace kivo {

namespace {

// The consistency line's texts, from the installed translation.
QString linhaEm(const char* fonte)
{
    return QCoreApplication::translate("kivo::textosanalise", fonte);
}

}  // namespace

std::optional<MensagemAnalise> mensagemAnalise(analise::Falha falha, short idioma)
{
    if (falha == analise::Falha::Nenhuma || idioma < 1 || idioma > 3)
        return std::nullopt;
    // Spanish words the two failures apart.
    if (falha == analise::Falha::ColunasIguais)
        return MensagemAnalise{
            QCoreApplication::translate("kivo::textosanalise", "Valores incompletos!", "columns alike"),
            QCoreApplication::translate("kivo::textosanalise", "Preencher totalmente a planilha antes de analizar",
                                        "columns alike")};
    return MensagemAnalise{
        QCoreApplication::translate("kivo::textosanalise", "Valores incompletos!", "rows alike"),
        QCoreApplication::translate("kivo::textosanalise", "Preencher totalmente a planilha antes de analizar",
                                    "rows alike")};
}

QString textoConsistencia(const analise::Consistencia& c, const QStringList& nomes)
{
    const QString titulo = linhaEm(QT_TRANSLATE_NOOP("kivo::textosanalise", "Razão de consistência: "));
    if (c.faltando > 0) {
        if (c.faltando == 1)
            return titulo +
                   linhaEm(QT_TRANSLATE_NOOP("kivo::textosanalise", "falta 1 comparação; a razão precisa de todas."));
        return titulo +
               linhaEm(QT_TRANSLATE_NOOP("kivo::textosanalise", "faltam %1 comparações; a razão precisa de todas."))
                   .arg(c.faltando);
    }
    const QString razao = common::formatFixed(c.razao, 2);
    if (c.aceitavel)
        return titulo + razao + linhaEm(QT_TRANSLATE_NOOP("kivo::textosanalise", " — aceitável"));

    auto nome = [&](int k) {
        const QString texto = nomes.value(k);
        if (!texto.trimmed().isEmpty())
            return texto;
        return linhaEm(QT_TRANSLATE_NOOP("kivo::textosanalise", "critério %1")).arg(k + 1);
    };
    QString linha = titulo + razao;
    if (!c.ciclo.empty()) {
        QStringList passos;
        for (int k : c.ciclo)
            passos << nome(k);
        passos << nome(c.ciclo.front());
        linha += linhaEm(QT_TRANSLATE_NOOP("kivo::textosanalise", " — as respostas formam um ciclo: %1"))
                     .arg(passos.join(QStringLiteral(" > ")));
    } else {
        linha += linhaEm(QT_TRANSLATE_NOOP("kivo::textosanalise", " — acima de %1")).arg(common::formatFixed(0.10, 2));
    }
    if (const auto& s = c.sugestao) {
        // The answers as the comparison frame names them, without their access keys.
        static const char* const Opcoes[6] = {
            "",
            QT_TRANSLATE_NOOP("kivo::textosanalise", "Muito Mais"),
            QT_TRANSLATE_NOOP("kivo::textosanalise", "Mais"),
            QT_TRANSLATE_NOOP("kivo::textosanalise", "De forma igual"),
            QT_TRANSLATE_NOOP("kivo::textosanalise", "Menos"),
            QT_TRANSLATE_NOOP("kivo::textosanalise", "Muito menos"),
        };
        linha +=
            linhaEm(QT_TRANSLATE_NOOP("kivo::textosanalise", ". Mudar %1 × %2 de «%3» para «%4» levaria a razão a %5"))
                .arg(nome(s->linha), nome(s->coluna), linhaEm(Opcoes[s->de]), linhaEm(Opcoes[s->para]),
                     common::formatFixed(s->razao, 2));
    }
    return linha;
}

}  // namespace kivo
