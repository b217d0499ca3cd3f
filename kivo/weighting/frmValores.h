#pragma once

#include "kivo/shell/kivo.h"

#include <QDialog>
#include <QStringList>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kivo {

// The values of the alternatives, one criterion at a time: the user picks a criterion and types
// the value of every alternative under it; the values are stored in that criterion's record of
// Criterios (Valor01..Valor15) when the user saves or picks another criterion.
class frmValores : public QDialog {
    Q_OBJECT
public:
    explicit frmValores(Programa& programa, QWidget* parent = nullptr);

    // A row for every named alternative and an option for every named
    // criterion in use; the frames and the window sized to them. No criterion is chosen yet.
    void Form_Load();
    // Stores the boxes into the criterion chosen before, then shows criterion index + 1.
    void optCriterio_Click(int index);
    // A box that is not a number is refused with a message and keeps the focus.
    bool txtValor_LostFocus(int index);
    // Stores the boxes into the current criterion.
    void cmdGravar_Click();
    // Leaves without storing; values typed and not stored are lost only after a Yes.
    void cmdSair_Click();

    // The criterion whose values the boxes show, 0 for none.
    short criterioAtual() const { return atual_; }

public:
    // Esc, the close button, "Voltar": with values typed and not stored, asks first.
    void reject() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    // Every caption in the installed language; the names, the values and the criterion chosen stay.
    void retranslate();
    QStringList textos() const;

    void gravaCaixas();
    void marcaOpcao();

    Programa& programa_;
    common::Recordset alternativas_;
    common::Recordset criterios_;
    short atual_ = 0;
    bool semRegistro_ = false;  // the current criterion has no record: nothing to store
    QStringList gravados_;      // the boxes as the current criterion was loaded or last stored

    QGroupBox* frame1_ = nullptr;
    QLabel* label18_ = nullptr;
    QLabel* label16_ = nullptr;
    QLabel* label1_[15] = {};
    QLabel* lblAlternativa_[15] = {};
    QLineEdit* txtValor_[15] = {};
    QGroupBox* frame2_ = nullptr;
    QRadioButton* optCriterio_[15] = {};
    QPushButton* cmdGravar_ = nullptr;
    QPushButton* cmdSair_ = nullptr;
};

}  // namespace kivo
