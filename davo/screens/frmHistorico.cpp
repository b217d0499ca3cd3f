#include "davo/screens/frmHistorico.h"

#include "davo/data/atividades.h"
#include "davo/data/database.h"
#include "davo/screens/tamanhojanela.h"

#include "common/widgets.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace davo {

frmHistorico::frmHistorico(Programa& programa, QWidget* parent) : QDialog(parent), programa_(programa)
{
    setObjectName(QStringLiteral("frmHistorico"));

    data_ = common::withName(new common::DataSource(programa_.db, this), QStringLiteral("Data1"));

    DBGrid1_ = common::withName(new QTableView(this), QStringLiteral("DBGrid1"));
    DBGrid1_->setModel(data_);
    // The screen's own save is the only writer: the cells are for reading.
    DBGrid1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1_->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1_->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1_->setTabKeyNavigation(false);  // Tab moves on to the panel; the arrows move in the grid
    DBGrid1_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    connect(DBGrid1_, &QTableView::clicked, this, [this](const QModelIndex& index) {
        DBGrid1_->setCurrentIndex(index);
        common::runGuarded([this] { DBGrid1_Click(); });
    });
    // The selection follows the current row however it moves: the mouse, the arrows, Page Up and
    // Page Down, Ctrl+Home and Ctrl+End; the save reopens the highlighted activity only.
    connect(DBGrid1_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    common::runGuarded([this] { DBGrid1_Click(); });
            });

    txtObs_ = common::withName(new QPlainTextEdit(this), QStringLiteral("txtObs"));
    txtObs_->setReadOnly(true);
    quebraNasPalavras(txtObs_);  // as on the list
    txtObs_->setMaximumHeight(common::twips(1200));

    Frame1_ = common::withName(new QGroupBox(this), QStringLiteral("Frame1"));
    chkFim_ = common::withName(new QCheckBox(Frame1_), QStringLiteral("chkFim"));
    cmdGravar_ = common::withName(new QPushButton(Frame1_), QStringLiteral("cmdGravar"));
    auto* frame1 = new QVBoxLayout(Frame1_);
    frame1->addWidget(chkFim_);
    frame1->addWidget(cmdGravar_);
    common::onClick(chkFim_, this, &frmHistorico::chkFim_Click);
    common::onClick(cmdGravar_, this, &frmHistorico::cmdGravar_Click);

    auto* Command1 = common::withName(new QPushButton(this), QStringLiteral("Command1"));
    common::onClick(Command1, this, &frmHistorico::Command1_Click);

    auto* baixo = new QHBoxLayout;
    baixo->addWidget(txtObs_, 1);
    baixo->addWidget(Frame1_);
    baixo->addWidget(Command1, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DBGrid1_, 1);
    layout->addLayout(baixo);
    lembraTamanho(this, QSize(common::twips(14000), common::twips(8000)));
    common::noDefaultButtons(this);

    retranslate();
    escondePainel();
}

void frmHistorico::retranslate()
{
    setWindowTitle(tr("Atividades Já concluídas"));
    chkFim_->setText(tr("&Recuperar Tarefa"));
    cmdGravar_->setText(tr("&Gravar"));
    findChild<QPushButton*>(QStringLiteral("Command1"))->setText(tr("&Voltar"));
}

void frmHistorico::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void frmHistorico::escondePainel()
{
    txtObs_->hide();
    Frame1_->hide();
    cmdGravar_->hide();
    chkFim_->setChecked(false);
}

void frmHistorico::Form_Load()
{
    data_->setDatabaseName(programa_.pasta + QStringLiteral("/DAVO.mdb"));
    data_->setRecordSource(ListaConcluidas);
    data_->refresh();
    chkFim_->setChecked(false);
    DBGrid1_->setCurrentIndex(QModelIndex());  // the focus coming to the grid selects no row
}

void frmHistorico::DBGrid1_Click()
{
    const QModelIndex current = DBGrid1_->currentIndex();
    common::Recordset& lista = data_->recordset();
    if (!current.isValid() || current.row() >= lista.recordCount()) {
        // No record under the click: nothing is selected.
        rsHistorico_.close();
        escondePainel();
        return;
    }
    lista.setAbsolutePosition(current.row());
    const QVariant codigo = lista.value(QStringLiteral("Codigo"));
    // A new selection starts unticked: a tick given for one activity never reopens another.
    chkFim_->setChecked(false);
    cmdGravar_->hide();

    if (!abreAtividade(programa_.db, codigo, rsHistorico_)) {
        escondePainel();
        return;
    }
    txtObs_->setPlainText(rsHistorico_.text(QStringLiteral("Obs")));
    txtObs_->show();
    Frame1_->show();
}

void frmHistorico::chkFim_Click()
{
    cmdGravar_->show();
}

void frmHistorico::cmdGravar_Click()
{
    if (!reabreAtividade(rsHistorico_))
        return;  // nothing selected: nothing to reopen
    data_->refresh();
    escondePainel();
    DBGrid1_->setCurrentIndex(QModelIndex());
}

void frmHistorico::Command1_Click()
{
    close();
}

}  // namespace davo
