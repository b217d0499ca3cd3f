#pragma once

#include "kivo/lists/listas.h"
#include "kivo/shell/kivo.h"

#include <QDialog>
#include <QList>

#include <functional>

class QEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kivo {

// The frame both list screens are built on: the count box at the top, one row per slot (its caption,
// its description box and whatever columns the screen adds), the "Gravar e Sair" and "Limpar
// histórico anterior" buttons below the rows in use, and the rules for closing (no lost-focus check
// runs once the window is going away). The screen speaks the installed language and words itself
// again when the language changes, keeping what the user typed.
class frmLista : public QDialog {
    Q_OBJECT
protected:
    // Horizontal measures of a list screen, in twips.
    struct Medidas {
        int larguraLegendaQtde;  // the count's caption
        int esquerdaQtde;        // the count box
        int esquerdaTexto;       // the description column
        int larguraTexto;
        int esquerdaLimpar;  // the "Limpar histórico anterior" button
        int larguraJanela;
    };

    // The window, its count caption and box and the heading of the descriptions.
    frmLista(Programa& programa, const QString& nome, const Medidas& medidas, QWidget* parent);

    // The 15 rows: the caption, the description box named `nomeTexto`(i) holding at most
    // `tamanhoTexto` characters, then the columns `colunas(i, top)` builds at the row's top.
    void montaLinhas(const QString& nomeTexto, int tamanhoTexto,
                     const std::function<QList<QWidget*>(int, int)>& colunas = {});
    // The two buttons every list screen has.
    void montaBotoes();
    // One more button, `abaixo` twips lower than the others.
    QPushButton* montaBotao(const QString& nome, int esquerda, int abaixo, int largura);
    // The end of construction: the count box's check, Enter pressing no button, the layout.
    void conclui(std::function<bool()> verificaQtde);

    // Sets every text the screen shows in the installed language; a screen adds its own texts and
    // calls this one. Called as the screen is built and on each change of language.
    virtual void retranslate();
    void changeEvent(QEvent* event) override;
    // After a Yes to the question before a clear, true.
    bool confirmaLimpeza();

    // Opens the table `tabela` from its first row and shows the count stored there, which it returns.
    short abreLista(common::Recordset& lista, const QString& tabela);

    // The count the rows follow.
    virtual short qtdeEmUso() const = 0;
    // Shows the rows in use, the buttons below them and the window's height to match.
    void layoutRows();
    // Leaving the count box: a count the shared rules accept is kept by `guarda` and the rows are laid
    // out again; anything else is refused with `titulo` / `texto` (false).
    bool aceitaQtde(const QString& titulo, const QString& texto, const std::function<void(short)>& guarda);
    // One value per row in use, in order: what the save stores.
    template <typename F>
    auto linhasEmUso(F linha) const
    {
        QList<decltype(linha(0))> linhas;
        for (int i = 0; i < listas::linhasVisiveis(qtdeEmUso()); ++i)
            linhas.append(linha(i));
        return linhas;
    }

    // The count the save stores: the box's text, or the count in force when a check emptied the box.
    QString qtdeParaGravar();
    // What the boxes hold now is what is stored: leaving asks nothing until the user types again.
    // `comQtde` false keeps the count as it was (a clear stores the rows but not the count).
    void marcaGravado(bool comQtde = true);
    // Esc, the window's close button: with text typed and not stored, asks first.
    void reject() override;
    void done(int result) override;

    Programa& programa_;
    listas::VerificacoesSaida saidas_;
    Medidas medidas_;

    QLabel* label16_ = nullptr;
    QLineEdit* txtQtde_ = nullptr;
    QLabel* label18_ = nullptr;
    QLabel* label1_[listas::Linhas] = {};
    QLineEdit* txtDescricao_[listas::Linhas] = {};
    QPushButton* cmdSair_ = nullptr;
    QPushButton* cmdLimpar_ = nullptr;

private:
    struct Botao {
        QPushButton* botao;
        int esquerda, abaixo, largura;
    };
    QStringList textos() const;

    QList<listas::Linha> linhas_;
    QList<Botao> botoes_;
    QStringList gravados_;  // every box's text as last loaded or stored, the count first
};

}  // namespace kivo
