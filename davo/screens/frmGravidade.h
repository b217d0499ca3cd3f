#pragma once

#include <QDialog>

#include <array>

class QButtonGroup;
class QLabel;
class QRadioButton;

namespace davo {

// The gravity questionnaire: fourteen statements, each answered on a five-step scale from "Discordo
// totalmente" to "Concordo totalmente", turned into a gravity from 1.0 to 5.0. "&Gravar" writes it
// into the gravity label of the new-activity screen. Nothing is stored, and each opening is a new
// window, so it always starts unanswered.
class frmGravidade : public QDialog {
    Q_OBJECT
public:
    // `lblG` receives the gravity on "&Gravar"; closing the window otherwise leaves it as it was.
    explicit frmGravidade(QLabel* lblG, QWidget* parent = nullptr);

    // Clears every answer. Run when the window is built.
    void Form_Load();
    // Shows the gravity once all fourteen statements are answered; runs on every click.
    void CalculaGravidade();
    void cmdGravar_Click();

    // The option button `resposta` (1 to 5, left to right) of statement `questao` (1 to 14).
    QRadioButton* opcao(int questao, int resposta) const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QLabel* lblG_;
    QLabel* lblNG1_ = nullptr;
    std::array<QButtonGroup*, 14> grupos_{};
};

}  // namespace davo
