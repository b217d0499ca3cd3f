#pragma once

#include "davo/data/atividades.h"
#include "davo/screens/davo.h"

#include "common/datasource.h"
#include "common/logo.h"
#include "common/store.h"

#include <QDate>
#include <QDialog>
#include <memory>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace common {
class MaskedDateBox;
class PictureBox;
}  // namespace common

namespace davo {

class GradeAtividades;

// The working view: every open activity in priority order, the daily load of the six most
// pressing, and the panel where the selected activity is moved, booked, noted or finished.
class frmAtividadesGUT : public QDialog {
    Q_OBJECT
public:
    explicit frmAtividadesGUT(Programa& programa, QWidget* parent = nullptr);
    ~frmAtividadesGUT() override;

    void Form_Load();
    // A click on the grid's current cell selects its row.
    void MSFlexGrid1_Click();
    void cmdGravar_Click();
    // Answers the gravity and tendency questionnaires again for the selected activity and stores
    // the new rating; the list reorders, the panel stays on the activity.
    void cmdReavaliar_Click();
    void cmdNovaAtiv_Click();
    void cmdPlano_Click();
    void Command1_Click();
    // Every way out (Esc, the close button, "&Voltar"): edits typed in the panel and not stored are
    // not lost without asking, No the default.
    void reject() override;

    GradeAtividades& grade() { return *grade_; }
    common::DataSource& Data1() { return *data_; }
    int QtdeAtividades() const { return qtdeAtividades_; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void changeEvent(QEvent* event) override;

private:
    // Every caption and heading in the interface language; the panel keeps what was typed.
    void retranslate();
    // The description column widened to the grid's width, its heading with it.
    void ajustaLargura();
    // Reads the panel; refuses hours below zero with their message (nothing is then stored).
    std::optional<LeituraEdicao> lePainel(const QDate& hoje);
    // Tells the user a deadline that was not taken.
    void avisaData(NovaDataFinal novaData);

    void buildScreen();
    // The steps of building the screen: the headings over the grid, the grid (answers its width),
    // the load box, and the editing panel below the grid.
    QWidget* montaTitulos();
    int montaGrade();
    void montaCarga();
    QWidget* montaPainel();
    // The one rebuild of the list, at opening and after every change: the pass, the query again, the
    // load, the grid with the selection kept by its key, and the headings once there is something
    // to head. At opening the grid starts at its first size and an empty list shows no load.
    enum class Recarga { Abertura, Mudanca };
    void recarregaLista(Recarga recarga = Recarga::Mudanca);
    // The recomputation pass; one the file cannot take leaves the stored figures, said once.
    void atualizaPrazos(const QDate& hoje);
    void CargaHoraDia();
    void PreencheGrade();
    void restauraSelecao();
    void desenhaTitulos();
    void escondePainel();

    Programa& programa_;
    common::DataSource* data_ = nullptr;
    GradeAtividades* grade_ = nullptr;
    QTableView* MSFlexGrid1_ = nullptr;
    std::vector<common::PictureBox*> picLogo_;  // 1 to 13; element 0 unused
    std::unique_ptr<common::cLogo> logo_;       // made on first use

    QGroupBox* Frame1_ = nullptr;
    QLabel* lblCargaH_ = nullptr;
    QGroupBox* Frame2_ = nullptr;
    common::MaskedDateBox* mskDtFinal_ = nullptr;
    QLineEdit* txtHorasEst_ = nullptr;
    QLabel* lblHorasJaTrab_ = nullptr;
    QGroupBox* Frame3_ = nullptr;
    QLineEdit* txtHorasJaTrab_ = nullptr;
    QCheckBox* chkFim_ = nullptr;
    QPushButton* cmdGravar_ = nullptr;
    QPushButton* cmdReavaliar_ = nullptr;
    QPlainTextEdit* txtObs_ = nullptr;

    common::Recordset rsAtividade_;  // the selected activity, from selection until the save
    int linhaSelecionada_ = -1;
    int linhaAnterior_ = 0;
    int qtdeAtividades_ = 0;
    bool avisouPrazos_ = false;
    // Whether the panel holds edits of the selected activity that were not stored; and, when it does,
    // the user's answer to discarding them (true: go on).
    bool painelAlterado() const;
    QStringList estadoPainel() const;  // what the panel shows, box by box
    bool descartaPainel();
    QStringList painelCarregado_;  // the panel as the selected activity filled it
    bool restaurando_ = false;     // the current row is being put back after a reload: no new selection
};

}  // namespace davo
