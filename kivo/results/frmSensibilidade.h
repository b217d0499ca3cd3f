#pragma once

#include "kivo/results/sensibilidade.h"

#include <QDialog>
#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

namespace common {
class Database;
}

class QPainter;

namespace kivo {

// The chart of the sensitivity screen: for one criterion, each alternative's result as that
// criterion's weight goes from 1 to 10, a line per alternative, the current weight marked and the
// range that keeps the best option shaded. Where two lines cross the best option may change.
class GraficoSensibilidade : public QWidget {
    Q_OBJECT
public:
    struct Textos {
        QString titulo;    // above the chart
        QString eixoPeso;  // under the horizontal axis
        QString eixoResultado;
        QString pesoAtual;  // beside the current weight's mark
    };

    explicit GraficoSensibilidade(QWidget* parent = nullptr);

    // Shows criterion `criterio`: its curves, its current weight and the range keeping the best
    // option (none: no best option to keep).
    void mostra(int criterio, sensibilidade::Curvas curvas, double pesoAtual, std::optional<sensibilidade::Faixa> faixa,
                QStringList nomes, int melhor, Textos textos);

    // The criterion shown, 0 for criterion 1; -1 before any.
    int criterio() const { return criterio_; }
    const sensibilidade::Curvas& curvas() const { return curvas_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The steps of painting: the scale measured, then the axes, the curves, the current weight's
    // mark and the legend drawn on it.
    struct Escala;
    Escala mede() const;
    void desenhaEixos(QPainter& p, const Escala& e) const;
    void desenhaCurvas(QPainter& p, const Escala& e) const;
    void desenhaPesoAtual(QPainter& p, const Escala& e) const;
    void desenhaLegenda(QPainter& p, const Escala& e) const;

    int criterio_ = -1;
    sensibilidade::Curvas curvas_;
    double pesoAtual_ = 0;
    std::optional<sensibilidade::Faixa> faixa_;
    QStringList nomes_;
    int melhor_ = sensibilidade::SemMelhor;
    Textos textos_;
};

// How firm the best option is: for every criterion, the range of its weight over which the best
// option stays, the option that takes its place just outside, and a chart of the results against
// the weight of the criterion chosen in the table. Reads only; stores nothing. Speaks the installed
// language, and words itself again when it changes, the criterion chosen still chosen.
class frmSensibilidade : public QDialog {
    Q_OBJECT
public:
    explicit frmSensibilidade(sensibilidade::Caso caso, QWidget* parent = nullptr);

    // The analysis, the table, the sentence on firmness and the chart of the narrowest criterion
    // (of the first when nothing changes the best option).
    void Form_Load();
    // The chart follows the row chosen in the table.
    void grdSensibilidade_RowColChange();
    void cmdSair_Click();

    const sensibilidade::Sensibilidade& analise() const { return analise_; }
    const std::vector<sensibilidade::Faixa>& faixas() const { return faixas_; }
    // The criterion marked as the narrowest, -1 when none.
    int maisEstreita() const { return maisEstreita_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    struct Textos;
    // The screen's texts in the installed language.
    static Textos textos();
    // The title, the button, the headings and, once loaded, every worded cell, the sentence on
    // firmness and the chart.
    void retranslate();
    void reescreveCelulas();
    QString nomeOpcao(int alternativa) const;
    QString textoFirmeza() const;
    void mostraGrafico(int criterio);

    sensibilidade::Sensibilidade analise_;
    bool carregada_ = false;  // Form_Load has filled the table
    std::vector<sensibilidade::Faixa> faixas_;
    int maisEstreita_ = -1;

    QLabel* lblFirmeza_ = nullptr;
    QTableWidget* grdSensibilidade_ = nullptr;
    GraficoSensibilidade* graSensibilidade_ = nullptr;
    QPushButton* cmdSair_ = nullptr;
};

// Opens the sensitivity screen modally over `parent` on the case stored in `db`. When a criterion's
// weight is missing it shows the weight message instead.
void abreSensibilidade(QWidget* parent, common::Database& db);

}  // namespace kivo
