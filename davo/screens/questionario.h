#pragma once

// What the gravity and tendency questionnaires share: clearing their answers as they open, and
// handing the result to the new-activity screen on "&Gravar".

#include <QList>
#include <QString>

class QButtonGroup;
class QDialog;
class QLabel;

namespace davo::questionario {

// Clears every option of `grupos` and the result label: every opening starts unanswered. A failure
// gets davo's error report.
void carrega(QDialog* tela, const QList<QButtonGroup*>& grupos, QLabel* resultado);

// "&Gravar": the result goes into `destino` when it is a number; otherwise the exclamation
// `titulo` / `texto` says what is missing and `destino` keeps what it showed. The window closes
// either way.
void grava(QDialog* tela, QLabel* resultado, QLabel* destino, const QString& titulo, const QString& texto);

}  // namespace davo::questionario
