#pragma once

// The printed report of the results: one page with the picture, the title, the case and goal lines,
// one line per alternative with its result, the root-cause label beside the best option and a footer
// with the date the program started. It goes to the printer chosen in the results screen's list, or
// into a PDF file.

#include "kivo/shell/kivo.h"

#include <QDate>
#include <QMarginsF>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QPagedPaintDevice;
class QPainter;
class QPixmap;
class QRectF;
class QSize;
class QWidget;

namespace kivo {

// One line of the report's table: a row of Alternativas.
struct LinhaRelatorio {
    QString alternativa;
    double resultado = 0;
};

// Everything the page shows.
struct DadosRelatorio {
    std::vector<LinhaRelatorio> linhas;  // every row of Alternativas, in key order
    int melhor = -1;                     // the best option's line, -1 when there is none
    QString dataInicio;                  // the date the program started, as text
    QString caso;                        // the case's name, printed after "Case:  "
    QString objetivo;                    // its goal or undesired symptom, under the goal label
};

// The best option: the first line with the greatest result above 0; -1 when no result is above 0.
int melhorOpcao(const std::vector<LinhaRelatorio>& linhas);

// The rows of Alternativas as stored now, in key order, with the best option among them, with the
// program's start date, and the case's name and goal.
DadosRelatorio leDadosRelatorio(Programa& programa);

// The picture at the head of the report (and of the results screen): the program's name on a blue
// gradient, drawn to fill `area` at whatever resolution the painter has.
// The subtitle is in the installed language (kivo::instalaIdioma); imagem1's last argument is not used.
void desenhaImagem1(QPainter& painter, const QRectF& area);
QPixmap imagem1(const QSize& size);

// Draws the page, its texts in the installed language. Positions are twips from the top-left of the painter's origin (the printable area
// on a printer), turned into the device's own units with its resolution.
void desenhaRelatorio(QPainter& painter, const DadosRelatorio& dados);
// Draws the page on `device` and ends the document. False when the device could not be opened or
// the page could not be finished.
bool imprimeRelatorio(QPagedPaintDevice& device, const DadosRelatorio& dados);

// The printers the system knows: its default one and all of them in its order (the default among
// them). A test puts a lookup of its own; an empty lookup returns to the system's.
struct Impressoras {
    QString padrao;
    QStringList todas;
};
Impressoras impressorasDoSistema();
void setBuscaImpressoras(std::function<Impressoras()> busca);

// The entry of the printer list that writes a PDF file: "Arquivo PDF…", in English "PDF file…".
QString entradaPdf();

// Fills the printer list: the default printer first, then every other printer, then the PDF entry.
// The default printer is selected, or the first printer when there is no default, or the PDF entry
// when there is no printer at all. The last argument is not used.
void preencheImpressoras(QComboBox* combo);

// What the print button does: prints the report on the printer chosen in `combo`, or, on the PDF
// entry, asks for a file name (proposing "Resultado kivo <date>.pdf" in the documents folder) and
// writes the page there, then says where the file is. A failure is told in a message naming the
// printer or the file; a cancelled dialog writes nothing.
void imprime(QWidget* parent, const QComboBox* combo, Programa& programa);

// The proposed file name for the given date, in the documents folder (the home folder when there is
// none): "<nome> <date>.pdf".
QString arquivoProposto(const QDate& date, const QString& nome = QStringLiteral("Resultado kivo"));

// A document that the print buttons send to the printer chosen in the list or into a PDF file.
struct Impressao {
    QString titulo;                                   // its name for the printer and in the PDF
    QString arquivo;                                  // the file the save dialog proposes
    std::function<bool(QPagedPaintDevice&)> desenha;  // draws every page; false when the device failed
    std::optional<QMarginsF> margens;                 // millimetres within the printable area; none: the device's own
};

// The print button's work for any document: on the printer chosen in `combo`, or, on the PDF entry,
// into the file the user names, with the messages of the report, in the installed language.
void imprimeDocumento(QWidget* parent, const QComboBox* combo, const Impressao& impressao);

}  // namespace kivo
