#include "kivo/shell/idioma.h"

#include "kivo/shell/kivo.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

namespace kivo {

void defineLegenda(QObject* controle, const QString& texto)
{
    if (auto* action = qobject_cast<QAction*>(controle))
        action->setText(texto);
    else if (auto* frame = qobject_cast<QGroupBox*>(controle))
        frame->setTitle(texto);
    else if (auto* label = qobject_cast<QLabel*>(controle))
        label->setText(texto);
    else if (auto* button = qobject_cast<QAbstractButton*>(controle))
        button->setText(texto);
}

void aplicaLegendas(QWidget* tela, std::initializer_list<Legenda> tabela, short idioma)
{
    for (const Legenda& l : tabela) {
        const char* texto = idioma == Ingles ? l.ingles : idioma == Espanhol ? l.espanhol : l.portugues;
        const QString legenda = QString::fromUtf8(texto);
        if (*l.controle == '\0')
            tela->setWindowTitle(legenda);
        else if (QObject* controle = tela->findChild<QObject*>(QLatin1String(l.controle)))
            defineLegenda(controle, legenda);
    }
}

void legendasMenu(QWidget* menu, short idioma)
{
    aplicaLegendas(menu,
                   {
                       {"mnuAlternativas", "&Alternativas", "Alternatives", "&Alternativas"},
                       {"mnuCriterios", "&Critérios", "Criteria", "&Criterios"},
                       {"mnuPesos", "&Pesos", "Weights", "&Pesos"},
                       {"mnuDados", "&Valores", "Values", "&Valores"},
                       {"mnuResultados", "&Resultado", "Results", "&Resultados"},
                       {"mnuUtil", "&Informações", "Information", "&Información"},
                       {"mnuSair", "&Sair", "Quit", "&Salir"},
                   },
                   idioma);
}

void legendasInformacoes(QWidget* tela, short idioma)
{
    aplicaLegendas(tela,
                   {
                       {"", "Informações Gerais", "Information", "Información general"},
                       {"Label1", "Nome do Micro na Rede:", "Computer name:", "Nombre del equipo en la red:"},
                       {"Label2", "Resolução do Vídeo:", "Video resolution:", "Resolución de la pantalla:"},
                       {"Label3", "Usuário Logado:", "Logged in user:", "Usuario conectado:"},
                       {"Label4", "Versão do Windows:", "Version of Windows:", "Versión del sistema:"},
                       {"Label5", "Versão Banco de Dados:", "Version Database:", "Versión de la base de datos:"},
                       {"Frame1", "Especificação do Computador: ", "Computer specification: ",
                        "Especificación del equipo: "},
                       {"Frame2", "Suporte: ", "Suporte: ", "Soporte: "},
                       {"Frame3", "Idioma: ", "Language: ", "Idioma: "},
                       {"cmdVOLTAR", "&Voltar", "&Return", "&Volver"},
                   },
                   idioma);
}

}  // namespace kivo
