#pragma once

// The menu's exports and import: the file dialog, the messages, and the work of davo/data's
// intercambio on the program's database.

#include "davo/screens/davo.h"

#include <QList>
#include <QString>
#include <QStringList>

class QAbstractItemModel;
class QWidget;

namespace davo {

// Qt's own file dialog, named "dlgArquivo", run through the modal seam: a file to write (`gravar`)
// or to read. Answers the chosen path, or nothing when the user gave up. A file to write that
// exists is replaced only after a Yes (No is the default).
QString escolheArquivo(QWidget* parent, bool gravar, const QString& titulo, const QString& filtro,
                       const QString& sufixo, const QString& nomeProposto);

// The rows a grid shows: the headings, then the text of columns `primeira` onward of the first
// `linhas` rows.
QList<QStringList> linhasDoModelo(const QAbstractItemModel& modelo, int primeira, const QStringList& titulos,
                                  int linhas);

// The open activities as the list shows them, headings first: its columns 1 to 13 in its order.
QList<QStringList> linhasLista(Programa& programa);

void exportaICS(QWidget* parent, Programa& programa);
void importaICS(QWidget* parent, Programa& programa);
void exportaCSVLista(QWidget* parent, Programa& programa);
void exportaCSVHistorico(QWidget* parent, Programa& programa);

}  // namespace davo
