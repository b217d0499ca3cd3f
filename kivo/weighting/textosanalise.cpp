#include "kivo/weighting/textosanalise.h"

#include "kivo/shell/idioma.h"

#include "common/formats.h"
#include "common/traducao.h"

#include <QCoreApplication>
#include <QTranslator>

namespace kivo {

namespace {

// The consistency line's texts come from the installed translation. The full report still names
// its language itself: when that is not the one installed, the line takes it from that language's
// translation file, so a report is never worded in two languages.
class TextosLinha {
public:
    TextosLinha() = default;
    explicit TextosLinha(short idioma)
    {
        if (idioma < 1 || idioma > 3 || codigoLingua(idioma) == common::linguaInstalada())
            return;
        proprio_ = true;
        if (idioma != Portugues)
            // Without its file the line stays Portuguese.
            static_cast<void>(arquivo_.load(QStringLiteral(":/i18n/kivo_%1.qm").arg(codigoLingua(idioma))));
    }

    QString operator()(const char* fonte) const
    {
        if (!proprio_)
            return QCoreApplication::translate("kivo::textosanalise", fonte);
        const QString texto = arquivo_.translate("kivo::textosanalise", fonte);
        return texto.isEmpty() ? QString::fromUtf8(fonte) : texto;
    }

private:
    bool proprio_ = false;
    QTranslator arquivo_;
};

QString linhaConsistencia(const analise::Consistencia& c, const QStringList& nomes, const TextosLinha& linhaEm);

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
    return linhaConsistencia(c, nomes, TextosLinha());
}

QString textoConsistencia(const analise::Consistencia& c, const QStringList& nomes, short idioma)
{
    return linhaConsistencia(c, nomes, TextosLinha(idioma));
}

namespace {

QString linhaConsistencia(const analise::Consistencia& c, const QStringList& nomes, const TextosLinha& linhaEm)
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

}  // namespace

}  // namespace kivo
