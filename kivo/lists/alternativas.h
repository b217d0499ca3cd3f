#pragma once

#include "kivo/lists/frmLista.h"

namespace kivo {

// The list of alternatives: how many the case has (3 to 15) and a description for each. Also the
// command that clears the whole previous case: the alternatives and everything about the criteria.
class frmAlternativas : public frmLista {
    Q_OBJECT
public:
    explicit frmAlternativas(Programa& programa, QWidget* parent = nullptr);

    // The count and the descriptions of the rows in use, the layout.
    void Form_Load();
    // Checks the count typed: 3 to 15 lays the rows out again, anything else empties the box (false:
    // refused).
    bool txtQtde_LostFocus();
    // Stores the description and the count of the rows in use, then closes.
    void cmdSair_Click();
    // After a Yes, empties every alternative and every criterion's data, at once.
    void cmdLimpar_Click();

    // The count in force.
    short qtde() const { return qtde_; }

protected:
    short qtdeEmUso() const override { return qtde_; }
    void retranslate() override;

private:
    common::Recordset alternativas_;
    short qtde_ = 0;
};

}  // namespace kivo
