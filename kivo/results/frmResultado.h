#pragma once

#include "kivo/results/calculo.h"
#include "kivo/shell/kivo.h"

#include <QDialog>
#include <QPointer>

#include <memory>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;

namespace common {
class DataSource;
class DiscardInput;
class WindowSize;
}  // namespace common

namespace kivo {

class GraficoResultado;

// The ranking of the alternatives: the grid of Alternativas with every alternative's result and its
// figures under each criterion, the run of the result computation with its progress, the best
// option named, and the printer choice for the report.
class frmResultado : public QDialog, private calculo::Progresso {
    Q_OBJECT
public:
    explicit frmResultado(Programa& programa, QWidget* parent = nullptr);
    ~frmResultado() override;

    // The printer list, the criteria count, every alternative's result back to 0 (the figures under
    // each criterion stay until the next run), the grid.
    void Form_Load();
    // Runs the computation, showing its stages, then names the best option.
    void cmdCalcular_Click();
    void cmdPrinter_Click();
    // After a complete run: how far each criterion's weight may move before the best option changes.
    void cmdSensibilidade_Click();
    // After a complete run: the complete report of the decision, to the printer chosen or a PDF.
    void cmdRelatorio_Click();
    void cmdSair_Click();

    // The data control under the grid: the table Alternativas.
    common::DataSource& Data1() { return *data1_; }

protected:
    void reject() override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void etapa(int item, Estado estado) override;
    void alternativasAlteradas() override;

    // Every text the screen shows, in the installed language: the captions, the printer list's PDF
    // entry and, after a complete run, the chart, re-read with its names. What was chosen stays.
    void retranslate();
    void reescreveImpressoras();
    void mostraGrafico();

    void criaGrade();
    void criaProgresso();
    void criaBotoes();

    // The run's end: a failure reported, a refused check told, or the best option shown.
    void terminaCalculo(const calculo::Termino& termino, int n);
    void mostraMelhor(const calculo::Desfecho& desfecho, int n);

    void atualizaGrade();
    // The grid and the chart take the room the window has beyond its designed size; the frames and
    // buttons below the grid follow its bottom edge.
    void dispoe();

    Programa& programa_;

    common::DataSource* data1_ = nullptr;
    QTableView* dbGrid1_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    QCheckBox* chkLimpar_ = nullptr;
    QCheckBox* chkProcessando_[16] = {};
    QGroupBox* frame2_ = nullptr;
    QLabel* lblMelhor_ = nullptr;
    QPushButton* cmdCalcular_ = nullptr;
    QPushButton* cmdSensibilidade_ = nullptr;
    QLabel* label7_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QPushButton* cmdPrinter_ = nullptr;
    QPushButton* cmdSair_ = nullptr;
    QLabel* image1_ = nullptr;
    GraficoResultado* graResultado_ = nullptr;
    QPushButton* cmdRelatorio_ = nullptr;

    bool comGrafico_ = false;
    int criteriosGrafico_ = 0;                      // the criteria count of the run the chart shows
    std::vector<std::pair<QWidget*, int>> abaixo_;  // the controls below the grid, with their designed top
    common::WindowSize* tamanho_ = nullptr;

    // While a run goes on: the screen busy, the input given to it thrown away.
    QPointer<common::DiscardInput> ocupada_;
    std::unique_ptr<calculo::Rodada> rodada_;  // goes first: a run never outlives the screen
};

}  // namespace kivo
