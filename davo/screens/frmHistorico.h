#pragma once

#include "davo/screens/davo.h"

#include "common/datasource.h"
#include "common/store.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace davo {

// The finished activities, latest deadline first; the selected one can be reopened.
class frmHistorico : public QDialog {
    Q_OBJECT
public:
    explicit frmHistorico(Programa& programa, QWidget* parent = nullptr);

    void Form_Load();
    // A click on the grid selects its current row.
    void DBGrid1_Click();
    void chkFim_Click();
    void cmdGravar_Click();
    void Command1_Click();

    common::DataSource& Data1() { return *data_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void escondePainel();

    Programa& programa_;
    common::DataSource* data_ = nullptr;
    QTableView* DBGrid1_ = nullptr;
    QPlainTextEdit* txtObs_ = nullptr;
    QGroupBox* Frame1_ = nullptr;
    QCheckBox* chkFim_ = nullptr;
    QPushButton* cmdGravar_ = nullptr;
    common::Recordset rsHistorico_;  // the selected activity, from selection until the save
};

}  // namespace davo
