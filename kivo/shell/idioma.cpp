#include "kivo/shell/idioma.h"

#include "common/store.h"
#include "common/traducao.h"
#include "common/widgets.h"
#include "kivo/shell/kivo.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QWidget>

namespace kivo {

void defineLegenda(QObject* controle, const QString& texto)
{
    if (auto* action = qobject_cast<QAction*>(controle))
        action->setText(texto);
    else if (auto* menu = qobject_cast<QMenu*>(controle))
        menu->setTitle(texto);
    else if (auto* frame = qobject_cast<QGroupBox*>(controle))
        frame->setTitle(texto);
    else if (auto* label = qobject_cast<QLabel*>(controle))
        label->setText(texto);
    else if (auto* button = qobject_cast<QAbstractButton*>(controle))
        button->setText(texto);
}

QString codigoLingua(short idioma)
{
    return idioma == Ingles ? QStringLiteral("en") : idioma == Espanhol ? QStringLiteral("es") : QStringLiteral("pt");
}

void instalaIdioma(short idioma)
{
    common::instalaLingua(QStringLiteral("kivo"), codigoLingua(idioma));
}

void aplicaTextos(QWidget* tela, std::initializer_list<std::pair<const char*, QString>> textos)
{
    for (const auto& [nome, texto] : textos) {
        const QString controle = QLatin1String(nome);
        if (controle.isEmpty()) {
            tela->setWindowTitle(texto);
        } else if (const qsizetype marca = controle.indexOf(QLatin1Char('#')); marca > 0) {
            auto* grade = tela->findChild<QAbstractItemView*>(controle.left(marca));
            if (grade && grade->model())
                grade->model()->setHeaderData(controle.mid(marca + 1).toInt(), Qt::Horizontal, texto);
        } else if (QObject* alvo = tela->findChild<QObject*>(controle)) {
            defineLegenda(alvo, texto);
        }
    }
}

void aplicaLegendas(QWidget* tela, std::initializer_list<Legenda> tabela, short idioma)
{
    for (const Legenda& l : tabela) {
        const char* texto = textoDe(l, idioma);
        if (!texto)
            continue;  // this language keeps the screen's own caption
        const QString legenda = QString::fromUtf8(texto);
        const QString controle = QString::fromLatin1(l.controle);
        if (controle.isEmpty()) {
            tela->setWindowTitle(legenda);
        } else if (controle.endsWith(QLatin1String("(*)"))) {
            const QString nome = controle.chopped(3);
            for (int i = 0;; ++i) {
                QObject* elemento = tela->findChild<QObject*>(common::arrayName(nome, i));
                if (!elemento)
                    break;
                QString texto = legenda;
                texto.replace(QLatin1String("%n"), QString::number(i + 1))
                    .replace(QLatin1String("%i"), QString::number(i));
                defineLegenda(elemento, texto);
            }
        } else if (const qsizetype marca = controle.indexOf(QLatin1Char('#')); marca > 0) {
            auto* grade = tela->findChild<QAbstractItemView*>(controle.left(marca));
            if (grade && grade->model())
                grade->model()->setHeaderData(controle.mid(marca + 1).toInt(), Qt::Horizontal, legenda);
        } else if (QObject* alvo = tela->findChild<QObject*>(controle)) {
            defineLegenda(alvo, legenda);
        }
    }
}

// The row labels keep the screen's own Portuguese captions ("Alternativa  1:", the numbers lined
// up) in Portuguese.
void legendasAlternativas(QWidget* tela, short idioma)
{
    aplicaLegendas(
        tela,
        {
            {"", "Alternativas", "Alternatives", "Alternativas"},
            {"Label16", "Qtde de Alternativas:", nullptr, "Cant. de Alternativas:"},
            {"Label18", "Descrição", "Description", "Descripción"},
            {"Label1(*)", nullptr, "Alternative %n:", "Alternativa %n:"},
            {"cmdSair", "&Gravar e Sair", "Save and Exit", "&Grabar y Salir"},
            {"cmdLimpar", "&Limpar histórico anterior", "Clear previous history", "&Limpiar historial anterior"},
        },
        idioma);
}

void legendasCriterios(QWidget* tela, short idioma)
{
    aplicaLegendas(
        tela,
        {
            {"", "Critérios", "Criterias", "Criterios"},
            {"Label16", "Qtde Critérios:", "Number of items:", "Cant. Criterios:"},
            {"Label17", "  Sinal (+-)         Peso", "    Signal         Weight", "  Signo (+-)         Peso"},
            {"Label18", "Descrição", "Description", "Descripción"},
            {"Label1(*)", nullptr, "Criteria %n:", "Criterio %n:"},
            {"cmdSair", "&Gravar e Sair", "Save and Exit", "&Grabar y Salir"},
            {"cmdLimpar", "&Limpar histórico anterior", "Clear previous history", "&Limpiar historial anterior"},
            {"cmdAjuda", "&Ajuda", nullptr, "A&yuda"},
        },
        idioma);
}

// The help screen has no English captions: English keeps the Portuguese ones.
void legendasCriteriosAj(QWidget* tela, short idioma)
{
    aplicaLegendas(tela,
                   {
                       {"", "Ajuda da Tela Critérios", nullptr, "Ayuda de la pantalla Criterios"},
                       {"Label1", nullptr, nullptr,
                        "Cant. Criterios: cuántos criterios se usarán para comparar las alternativas, de 3 a 15. "
                        "Solo aparecen y se graban las líneas de esta cantidad.\n\n"
                        "Descripción: el nombre del criterio, con hasta 35 caracteres.\n\n"
                        "Signo: + cuando el criterio es un beneficio (cuanto más, mejor) y - cuando es un costo "
                        "(cuanto menos, mejor).\n\n"
                        "Peso: la importancia del criterio, de 1 a 10. Se calcula en la pantalla Pesos, a partir de "
                        "la comparación de los criterios de dos en dos, y aquí solo se muestra, sin que se pueda "
                        "cambiar.\n\n"
                        "Grabar y Salir guarda las descripciones, los signos y la cantidad. Limpiar historial "
                        "anterior borra las descripciones, los signos, los pesos y las comparaciones de todos los "
                        "criterios."},
                       {"cmdSair", "&Voltar", nullptr, "&Volver"},
                   },
                   idioma);
}

// The row labels keep "Alternativa  1:" and so on in English too.
void legendasValores(QWidget* tela, short idioma)
{
    aplicaLegendas(tela,
                   {
                       {"", "Valores", "Values", "Valores"},
                       {"Frame1", "Alternativas:  ", "Alternatives ", "Alternativas:  "},
                       {"Frame2", "Critérios:  ", "Criteria ", "Criterios:  "},
                       {"Label18", "Descrição", "Description:", "Descripción"},
                       {"Label16", "Valores", "Values:", "Valores"},
                       {"cmdSair", "&Voltar", "Exit", "&Volver"},
                       {"cmdGravar", "&Gravar", "Save", "&Grabar"},
                   },
                   idioma);
}

void legendasDados(QWidget* tela, short idioma)
{
    aplicaLegendas(tela,
                   {
                       {"", "Identificação dos Pesos", "Registration of events", "Identificación de los Pesos"},
                       {"Label1", "O critério: ", "The criteria:", "El criterio: "},
                       {"Label2", "é: ", "it is", "es: "},
                       {"Label3", "Do que o critério: ", "Than the criteria:", "Que el criterio: "},
                       {"Label4", "Para a função objetivo ", "for the objective function", "Para la función objetivo "},
                       {"Frame1", "Comparação: ", "Comparison", "Comparación: "},
                       {"opt1", "Muito &Mais", "Much &more", "Mucho &más"},
                       {"opt2", "Ma&is", "M&uch", "Má&s"},
                       {"opt3", "&De forma igual", "&The same", "&Igual"},
                       {"opt4", "M&enos", "&Less", "M&enos"},
                       {"opt5", "M&uito menos", "Much l&ess", "M&ucho menos"},
                       {"cmdGravar", "&Gravar", "&Write", "&Grabar"},
                       {"cmdCalcular", "&Analizar", "&Analyze", "&Analizar"},
                       {"cmdSair", "&Voltar", "&Return", "&Volver"},
                   },
                   idioma);
}

// cmdResultado keeps "&Resultado" and the progress boxes of the criteria their Portuguese captions
// in English; the other grid columns keep their headings.
void legendasResultado(QWidget* tela, short idioma)
{
    aplicaLegendas(tela,
                   {
                       {"", "Resultado", "Results", "Resultado"},
                       {"DBGrid1#1", "Alternativa", "Alternatives", "Alternativa"},
                       {"DBGrid1#2", "Resultado", "Results", "Resultado"},
                       {"Label7", "Impressora:", "Printer:", "Impresora:"},
                       {"cmdCalcular", "&Calcular", "&Solve", "&Calcular"},
                       {"cmdPrinter", "&Imprimir", "To Print", "&Imprimir"},
                       {"cmdSair", "&Sair", "&Return", "&Salir"},
                       {"cmdSensibilidade", "S&ensibilidade", "S&ensitivity", "S&ensibilidad"},
                       {"cmdRelatorio", "&Relatório completo", "&Full report", "Inf&orme completo"},
                       {"Frame1", "Processando: ", "Calculating: ", "Procesando: "},
                       {"Frame2", "Melhor opção: ", "Best option: ", "Mejor opción: "},
                       {"chkLimpar", "Preparando Tabelas", "Preparing Tables", "Preparando Tablas"},
                       {"chkProcessando(*)", nullptr, nullptr, "Criterio %i"},
                       {"chkProcessando(0)", "Processando Pesos", "Procesando weights", "Procesando Pesos"},
                   },
                   idioma);
}

}  // namespace kivo

namespace kivo {

common::FailureMessage mensagemFalha(const common::StoreError& falha)
{
    using Kind = common::StoreError::Kind;
    // Per kind: the box's title, what happened ("%1": the file), what to do.
    struct Textos {
        const char *titulo, *causa, *conselho;
    };
    static const Textos DiscoCheio{
        QT_TRANSLATE_NOOP("kivo::mensagemFalha", "Disco cheio!"),
        QT_TRANSLATE_NOOP("kivo::mensagemFalha", "O disco está cheio: não foi possível gravar em %1."),
        QT_TRANSLATE_NOOP("kivo::mensagemFalha", "libere espaço e tente de novo.")};
    static const Textos SomenteLeitura{
        QT_TRANSLATE_NOOP("kivo::mensagemFalha", "Somente leitura!"),
        QT_TRANSLATE_NOOP("kivo::mensagemFalha", "O arquivo %1 é somente leitura: não foi possível gravar nele."),
        QT_TRANSLATE_NOOP("kivo::mensagemFalha", "dê permissão de gravação ao arquivo e à sua pasta e tente de novo.")};
    static const Textos EmUso{
        QT_TRANSLATE_NOOP("kivo::mensagemFalha", "Arquivo em uso!"),
        QT_TRANSLATE_NOOP("kivo::mensagemFalha", "Outro programa está usando %1: não foi possível gravar nele."),
        QT_TRANSLATE_NOOP("kivo::mensagemFalha", "feche o outro programa e tente de novo.")};
    static const Textos ErroDisco{QT_TRANSLATE_NOOP("kivo::mensagemFalha", "Erro de disco!"),
                                  QT_TRANSLATE_NOOP("kivo::mensagemFalha", "O disco falhou ao gravar em %1."),
                                  QT_TRANSLATE_NOOP("kivo::mensagemFalha", "verifique o disco e tente de novo.")};

    const Textos* textos = nullptr;
    switch (falha.kind()) {
    case Kind::DiskFull:
        textos = &DiscoCheio;
        break;
    case Kind::ReadOnly:
        textos = &SomenteLeitura;
        break;
    case Kind::Busy:
        textos = &EmUso;
        break;
    case Kind::DiskError:
        textos = &ErroDisco;
        break;
    case Kind::Fatal:
        return common::failureMessage(falha);
    }
    const auto em = [](const char* texto) { return QCoreApplication::translate("kivo::mensagemFalha", texto); };
    common::FailureMessage m;
    m.title = em(textos->titulo);
    m.cause = em(textos->causa).arg(QDir::toNativeSeparators(falha.file()));
    m.advice = em(textos->conselho);
    m.text = QCoreApplication::translate("kivo::mensagemFalha", "%1 Nada foi alterado; %2").arg(m.cause, m.advice);
    return m;
}

}  // namespace kivo
