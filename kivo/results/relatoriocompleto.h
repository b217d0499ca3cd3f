#pragma once

// The complete report of a decision, to hand to others: on the first page the case, its goal, the
// date and the best option; then the criteria with sign, weight and the consistency of the
// comparisons, the comparison matrix, the values matrix, the ranking with its chart, and how far
// each weight may move before the best option changes. Pages are numbered "n / total"; a table that
// does not fit continues on the next page under its headings again; everything stays within the
// printable area. It goes to the printer chosen in the results screen's list or into a PDF file,
// as the one-page report does.

#include "kivo/results/ranking.h"
#include "kivo/results/sensibilidade.h"
#include "kivo/shell/kivo.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QComboBox;
class QPagedPaintDevice;
class QPainter;
class QWidget;

namespace kivo {

struct DadosRelatorioCompleto {
    QString caso;        // the case's name; empty: the label alone
    QString objetivo;    // its goal or undesired symptom; empty: the label alone
    QString data;        // the day of printing, as text
    QString dataInicio;  // the date the program started, as text

    sensibilidade::Caso decisao;        // criteria (name, sign, weight, values) and alternatives in use
    std::vector<double> participacoes;  // each criterion's share of the weights (Pesos)
    QList<QStringList> comparacoes;     // the comparison matrix as the comparison screen shows it
    QString consistencia;               // the line on the consistency of the comparisons
    ranking::Ranking ranking;
    std::vector<sensibilidade::Faixa> faixas;  // per criterion
    int melhor = sensibilidade::SemMelhor;     // the best option, 0 for alternative 1
};

// The decision as stored now, for the case `caso` with goal `objetivo`. Nothing when a weight of a
// criterion in use is empty or not a number (no run could have ranked it).
std::optional<DadosRelatorioCompleto> leDadosRelatorioCompleto(Programa& programa, const QString& caso = {},
                                                               const QString& objetivo = {});

// The line on the consistency of the comparisons of `comparacoes` for the criteria `nomes`, in the
// installed language (kivo::instalaIdioma).
QString linhaConsistencia(const QList<QStringList>& comparacoes, const QStringList& nomes);

// The report's title in the installed language: "Relatório completo", "Full report", "Informe completo".
QString tituloRelatorioCompleto();

// Lays the pages out on `device` and draws them, ending the document; the headings, labels and
// footer in the installed language (the names and the consistency line as `dados` holds them). Answers the number of pages, 0
// when the device could not be opened or the document finished.
int imprimeRelatorioCompleto(QPagedPaintDevice& device, const DadosRelatorioCompleto& dados);

// What the complete report's button does: the report of the stored decision on the printer chosen
// in `combo`, or in a PDF file, through the same dialog and messages as the one-page report.
void imprimeCompleto(QWidget* parent, const QComboBox* combo, Programa& programa, const QString& caso = {},
                     const QString& objetivo = {});

}  // namespace kivo
