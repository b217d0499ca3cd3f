#pragma once

#include "davo/data/plano.h"
#include "davo/screens/davo.h"

#include <QDialog>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace common {
class MaskedDateBox;
}

namespace davo {

// A message box's title and text.
struct Aviso {
    QString titulo;
    QString texto;
};

// Hours that are not a number of zero or more, in the interface language. The list's editing panel
// refuses the same input with the same words.
Aviso horasEstimadasIncorretas();
Aviso horasJaTrabIncorretas();

// Entry of one new activity: description, deadline, hours and observations, with the gravity and
// tendency the two questionnaires give. Shows the urgency and the score as soon as both are known
// and stores the activity as an open record of Atividades.
class frmNovaAtiv : public QDialog {
    Q_OBJECT
public:
    explicit frmNovaAtiv(Programa& programa, QWidget* parent = nullptr);

    // Every box and result label starts empty.
    void Form_Load();
    void cmdGravidade_Click();
    void cmdTendencias_Click();
    // An invalid deadline becomes today plus 15 days; one before today is reported and emptied
    // (false: refused).
    bool mskDtFinal_LostFocus();
    void Command1_Click();
    void cmdGravar_Click();

    // Urgency and score from the gravity and tendency shown and from the deadline and hours typed.
    void CalculaGUT();

    // Esc and the window's close button: with something typed or rated, asks before it is lost.
    void reject() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    // The boxes and result labels with their captions, row by row.
    QGridLayout* montaGrade(QPushButton* cmdGravidade, QPushButton* cmdTendencias);
    // Every caption in the interface language; what the user typed and the ratings stay.
    void retranslate();
    // Whether anything was typed or rated since the screen opened.
    bool temRespostas() const;
    // Runs CalculaGUT when gravity and tendency are both known.
    void recalculaGUT();
    // The urgency from the deadline and the hours typed, by the rule the list's pass also applies;
    // the lowest while the deadline or the hours are not valid.
    short urgenciaAtual() const;
    // The checks of what the five required checks leave out: a description, and hours that are
    // numbers the arithmetic can use. Shows a message for each failure.
    bool entradaUtilizavel();
    void grava();
    // What the deadline and hours typed would do to the open activities' deadlines, shown in
    // lblImpacto; nothing while they are not filled in.
    void atualizaImpacto();

    Programa& programa_;
    QLineEdit* txtAtividade_;
    common::MaskedDateBox* mskDtFinal_;
    QLineEdit* txtHorasEst_;
    QLineEdit* txtHorasJaTrab_;
    QLineEdit* txtObs_;
    QLabel* lblG_;
    QLabel* lblT_;
    QLabel* lblU_;
    QLabel* lblGUT_;
    QLabel* lblImpacto_;
    Plano planoAtual_;  // the open activities as planned when the screen opened
};

}  // namespace davo
