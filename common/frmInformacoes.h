#pragma once

// The information screen both programs carry: what computer and system the program runs on, which
// version of the database it holds, where the data lives; and the choice of the interface language
// (kivo's three codes, stored in its database; davo's languages, applied at once). Each program
// hands in its differences (a Variante).

#include "common/store.h"

#include <QDialog>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

class QBoxLayout;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace common {

// What the screen asks of the machine. Tests hand in a fake.
class SistemaInfo {
public:
    virtual ~SistemaInfo() = default;
    // Nothing when the query fails.
    virtual std::optional<QString> nomeComputador() const;
    virtual std::optional<QString> nomeUsuario() const;
    // The primary screen's size in pixels.
    virtual QSize tamanhoTela() const;
    // The operating system's own name for itself: "Debian GNU/Linux 12 (bookworm)"; on Windows the
    // name the version table gives.
    virtual QString versaoSistema() const;
};

// The Windows version names by major and minor version and platform id (2: the NT family). kivo and
// davo name versions 5 and up differently.
QString nomeVersaoWindows(int major, int minor, int plataforma, bool davo);

// " 1024 x 768 DPI": each number with the blank a non-negative number is written with.
QString textoResolucao(const QSize& tamanho);

struct Variante {
    enum Programa { Kivo, Davo };
    Programa programa = Kivo;
    QString pasta;  // the program's folder
    QPixmap imagem;
    // kivo: the program-wide language code the screen reads and sets, and what to do when the
    // stored code is found at load (the main menu speaks it). The screen's own texts follow the
    // language installed, as davo's do.
    short* idioma = nullptr;
    std::function<void(short idioma)> falaIdioma;
    // davo: the interface language in use ("pt", "en", "es") and what choosing another does. With
    // it the screen offers every language (common::linguas("davo")), applies a choice as soon as it is
    // clicked, and retranslates its own texts when the language changes.
    QString lingua;
    std::function<void(const QString& codigo)> escolheLingua;
};

class frmInformacoes : public QDialog {
    Q_OBJECT
public:
    frmInformacoes(Database& db, Variante variante, const SistemaInfo& sistema, QWidget* parent = nullptr);
    ~frmInformacoes() override;

    void Form_Load();
    void cmdVOLTAR_Click();

    QString GetComputer();
    QString sUserID();  // also writes the name into lblUSUARIO
    QString OSVersion();

protected:
    void changeEvent(QEvent* event) override;

private:
    void montaLinguas(QBoxLayout* layout);
    void retranslate();
    QString textoSuporte() const;
    QLabel* linha(QGridLayout* grade, int row, const char* rotulo, const char* valor);

    Database& db_;
    Variante variante_;
    const SistemaInfo& sistema_;
    Recordset parametro_;  // kivo keeps it open: the return button writes the language through it

    QLabel* lblVAR_ = nullptr;
    QLabel* lblVIDEO_ = nullptr;
    QLabel* lblUSUARIO_ = nullptr;
    QLabel* lblWINDOWS_ = nullptr;
    QLabel* lblBancoDados_ = nullptr;
    QLabel* lblPasta_ = nullptr;
    QLabel* Label7_ = nullptr;
    QRadioButton* opt1_ = nullptr;
    QRadioButton* opt2_ = nullptr;
    QRadioButton* opt3_ = nullptr;
};

}  // namespace common
