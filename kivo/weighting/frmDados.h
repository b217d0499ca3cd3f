#pragma once

#include "kivo/shell/kivo.h"
#include "kivo/weighting/analise.h"
#include "kivo/weighting/comparacoes.h"

#include "common/store.h"

#include <QDialog>
#include <QHash>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableView;

namespace common {
class DataSource;
class PictureBox;
class cLogo;
}  // namespace common

namespace kivo {

class GradeDados;

// The pairwise comparison of the criteria: a square grid with one row and one column per
// criterion, an upright banner over each criterion column, the comparison frame for a pair above
// the diagonal, and the analysis that turns the answers into the final weight of every criterion.
class frmDados : public QDialog {
    Q_OBJECT
public:
    explicit frmDados(Programa& programa, QWidget* parent = nullptr);
    ~frmDados() override;

    // The criteria count, the grid, the names, the banners and the stored comparisons. False when the criteria table does not hold what the count needs (the
    // message has been shown): the screen must not open.
    bool Form_Load();
    // A click on a grid cell: the frame asks the pair above the diagonal, any other cell hides it.
    void MSFlexGrid1_Click();
    // Puts the chosen answer in the pair's cell and its reciprocal in the mirror cell; no option
    // empties both. Nothing is stored yet.
    void cmdGravar_Click();
    // Stores the comparisons and computes the weights into five result columns and two result
    // rows; the weights replace the criteria's weights. Once per opening.
    void cmdCalcular_Click();
    // Stores the comparisons and closes.
    void cmdSair_Click();
    // A click on the consistency line: the pair it suggests moving is selected and asked in the
    // frame, as a click on its cell does; nothing is changed until the user answers.
    void lblConsistencia_Click();

    // Writes the matrix the grid shows into the criteria's comparison fields, in one transaction.
    void Gravar_Fatores();
    // Writes the comparisons, Emach, PesoFinal and Peso of every criterion, all or none.
    void Gravar2_Fatores();

    GradeDados& grade() { return *grade_; }

public:
    // Esc, the close button: with answers in the grid not yet stored, asks first.
    void reject() override;
    // Keeps the window's size in the user's settings.
    void done(int result) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Every text the screen shows, in the installed language; what it worded from the answers and
    // the names is worded again from them. Nothing the user chose changes.
    void retranslate();
    // Criterion k's name as the frame and the consistency line give it: "vago" for none.
    QString nome(int k) const;
    // The banner of a criterion without a name.
    static QString vago();
    // The captions of the result rows and the banners of the result columns.
    void rotulaResultados();
    void montaBanners();
    void montaGrade();
    void montaComparacao();
    void montaBotoes();
    // The buttons' actions, Enter pressing none, and Tab in reading order.
    void ligaBotoes();
    void preparaGrade();
    void mostraNomes(const QList<std::optional<QString>>& nomes);
    void mostraComparacoes(const std::vector<std::vector<double>>& comparacoes);
    // The figures of the analysis the grid shows, as the rows keep them.
    comparacoes::Pesos pesos() const;
    void acompanhaTamanho();
    // Twips: the width of a column of the grid at the laid-out size.
    int larguraColuna(int coluna) const;
    void ampliaCelulas();
    void colocaBanner(int k);
    // The message when the table and the count disagree; always false.
    bool recusa(const comparacoes::Recusa& recusa);
    void dimensionaGrade(int largura, int altura);
    void desenhaBanner(int k, int left, int width, const QString& caption);
    void limpaOpcoes();
    void posicionaTela();
    analise::Matriz matriz() const;
    // The consistency line of the answers the grid holds, and the pair it suggests.
    void mostraConsistencia();
    // The first pair above the diagonal with no answer after the pair (x, y), row by row and round
    // to the first; none when every pair is answered.
    std::optional<std::pair<int, int>> proximoPar(int x, int y) const;

    Programa& programa_;
    int n_ = 0;
    common::Recordset criterios_;  // the table, for the count
    common::DataSource* Data1_ = nullptr;
    GradeDados* grade_ = nullptr;
    std::unique_ptr<common::cLogo> logo_;
    std::array<QString, 41> nomes_;
    std::array<bool, 41> vago_{};  // the criterion has no name
    bool analisado_ = false;       // the result columns and rows are shown
    int x_ = 0;                    // the selected pair: row criterion X, column criterion Y; 0 before any click
    int y_ = 0;
    int bannerLeft_ = 0;    // twips: where the result banners start
    int larguraGrade_ = 0;  // twips
    int alturaGrade_ = 0;
    analise::Matriz gravada_;            // the answers as loaded or last stored
    bool consistenciaMostrada_ = false;  // from the analysis on, each answer renews the line
    std::optional<analise::Mudanca> sugestao_;
    QSize base_;                         // pixels: the window as laid out, its smallest size
    QHash<QWidget*, QRect> geometrias_;  // where the layout put what follows the window's size
    double fator_ = 1;                   // how much the cells have grown with the window
    int fatorColunas_ = 0;               // the grid's columns when they last grew
    struct Banner {
        int left = 0;  // twips, at the laid-out size
        int width = 0;
        QString legenda;
    };
    std::array<Banner, 21> banners_{};

    QTableView* MSFlexGrid1_ = nullptr;
    std::array<common::PictureBox*, 21> picLogo_{};  // 1 to 20
    QGroupBox* Frame1_ = nullptr;
    QLabel* Label1_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLabel* Label3_ = nullptr;
    QLabel* Label4_ = nullptr;
    QLabel* Label5_ = nullptr;
    QLabel* lblFatorX_ = nullptr;
    QLabel* lblFatorY_ = nullptr;
    QLabel* lblSintoma_ = nullptr;
    QLabel* lblConsistencia_ = nullptr;
    std::array<QRadioButton*, 6> opt_{};  // 1 to 5
    QPushButton* cmdGravar_ = nullptr;
    QPushButton* cmdCalcular_ = nullptr;
    QPushButton* cmdSair_ = nullptr;
};

}  // namespace kivo
