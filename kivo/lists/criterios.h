#pragma once

#include "kivo/lists/frmLista.h"

#include <QDialog>

namespace kivo {

// The list of criteria: how many the case has (3 to 15), and for each a description, a sign ("+"
// more is better, "-" less is better) and the weight computed on the comparison screen, shown only.
// A valid count typed here becomes the program's criteria count at once.
class frmCriterios : public frmLista {
    Q_OBJECT
public:
    explicit frmCriterios(Programa& programa, QWidget* parent = nullptr);

    // The count, all 15 rows, the layout.
    void Form_Load();
    // Checks the count typed: 3 to 15 becomes the criteria count and lays the rows out again,
    // anything else empties the box (false: refused).
    bool txtQtde_LostFocus();
    // A sign other than "+" or "-" is reported and emptied; saving is not blocked (always true).
    bool txtSinal_LostFocus(int index);
    // Stores description, sign and count of the rows in use, then closes.
    void cmdSair_Click();
    // After a Yes, empties descriptions, signs, weights and comparisons of all 15 criteria at once;
    // keeps the count, the values of the alternatives and the alternatives themselves.
    void cmdLimpar_Click();
    // Opens the help screen.
    void cmdAjuda_Click();

protected:
    short qtdeEmUso() const override { return programa_.qtdeCriterios; }
    void retranslate() override;

private:
    common::Recordset criterios_;

    QLabel* label17_ = nullptr;
    QLineEdit* txtSinal_[listas::Linhas] = {};
    QLabel* lblPeso_[listas::Linhas] = {};
    QPushButton* cmdAjuda_ = nullptr;
};

// The help of the criteria screen: what each column means, in the installed language.
class frmCriteriosAj : public QDialog {
    Q_OBJECT
public:
    explicit frmCriteriosAj(Programa& programa, QWidget* parent = nullptr);

    void cmdSair_Click();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QLabel* label1_ = nullptr;
    QPushButton* cmdSair_ = nullptr;
};

}  // namespace kivo
