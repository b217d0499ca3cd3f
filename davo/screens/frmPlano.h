#pragma once

#include "davo/data/plano.h"
#include "davo/screens/davo.h"

#include <QDialog>

class QLabel;
class QTableWidget;

namespace davo {

class GraficoPlano;

// The plan of the coming weeks: the hours still to work on every open activity laid into the days
// from today, the activities that will miss their deadline and by how much.
class frmPlano : public QDialog {
    Q_OBJECT
public:
    explicit frmPlano(Programa& programa, QWidget* parent = nullptr);

    // Brings the open activities' figures up to date, as the list does, and plans them from today.
    void Form_Load();
    void Command1_Click();

    const Plano& plano() const { return plano_; }
    // The summary line for a plan: how many activities will be late and by how many hours in all.
    static QString resumo(const Plano& plano);
    // The line that tells what one more activity would do to the plan's activities.
    static QString textoImpacto(const Plano& plano, const std::vector<Impacto>& empurradas);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void preencheAtrasos();

    Programa& programa_;
    Plano plano_;
    QLabel* lblResumo_ = nullptr;
    GraficoPlano* graPlano_ = nullptr;
    QTableWidget* grdAtrasos_ = nullptr;
};

}  // namespace davo
