#pragma once

// What goes to and comes from spreadsheets, with no window: cells copied as tab-separated text,
// a pasted column of numbers, and the results exported as CSV, all in the user's locale.

#include "common/store.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

namespace kivo::planilha {

// Rows of cells as a spreadsheet pastes them: cells joined by tabs, each row ended by a line break.
// A tab or line break inside a cell becomes a blank, so the cells stay where they were.
QString textoTabulado(const QList<QStringList>& linhas);

// A grid cell's text: numbers as the user's locale writes them, anything else as shown.
QString textoCelula(const QVariant& valor);

// The lines of a pasted text, as a spreadsheet copies a column: split at each line break (CR LF,
// LF or CR), the break after the last line ignored.
QStringList linhasColadas(const QString& texto);

// The first line that is no number as the user types one (a line with a tab holds more than one
// cell, so it is none); -1 when every line is a number.
int primeiraNaoNumerica(const QStringList& linhas);

// One alternative of the exported results.
struct LinhaExportada {
    int numero = 0;
    QString nome;
    double resultado = 0;
    std::vector<double> contribuicoes;  // KIVOkk of each criterion in use, signed
};

struct Exportacao {
    QString nome;
    QString objetivo;
    QString data;                        // the day of the export, in the user's short date
    QStringList criterios;               // the names of the criteria in use, in order
    std::vector<LinhaExportada> linhas;  // the alternatives in use, the best result first
};

// The results as stored now in the open case: the alternatives in use (Qtde of the first row of
// Alternativas) ordered by result, greatest first (equal results by number), the criteria in use
// (Qtde of the first row of Criterios), the case's name and goal, today's date.
Exportacao leExportacao(common::Database& db);

// The field separator: ";" where the decimal mark is a comma, "," elsewhere.
QChar separadorCsv();

// The CSV text: a line with the case's name, goal and date, a heading line, one line per
// alternative. Numbers with the locale's decimal mark and no thousands separator; a field holding
// the separator, a quote or a line break is quoted. Lines end in CR LF.
QString textoCsv(const Exportacao& exportacao);

// Writes the CSV (UTF-8, with the mark spreadsheets take as UTF-8) whole or not at all: false when
// the file could not be written, and then no file is left and an existing one keeps its bytes.
bool gravaCsv(const QString& path, const Exportacao& exportacao);

}  // namespace kivo::planilha
