#pragma once

#include <QDialog>

class QButtonGroup;
class QLabel;
class QRadioButton;

namespace davo {

// The tendency questionnaire: the user picks one of five statements on how the damage grows with
// time; the tendency is its position, 1 to 5. "&Gravar" writes it into the tendency label of the
// new-activity screen. Each opening is a new window, so it always starts with nothing chosen.
class frmTendencia : public QDialog {
    Q_OBJECT
public:
    // `lblT` receives the tendency on "&Gravar"; closing the window otherwise leaves it as it was.
    explicit frmTendencia(QLabel* lblT, QWidget* parent = nullptr);

    // Clears the choice. Run when the window is built.
    void Form_Load();
    // A click on any statement's button: shows the position of the chosen one.
    void optT1_Click();
    void cmdGravar_Click();

    // The button of statement `indice`, 1 to 5 from top to bottom.
    QRadioButton* opcao(int indice) const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    QLabel* lblT_;
    QLabel* lblNG2_ = nullptr;
    QButtonGroup* grupo_ = nullptr;
};

}  // namespace davo
