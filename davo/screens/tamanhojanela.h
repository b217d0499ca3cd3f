#pragma once

class QDialog;
class QPlainTextEdit;
class QSize;

namespace davo {

// Makes `tela` a window the user can resize and maximise, opening at the size it had when last
// closed (kept in the user's settings under its object name), or at `inicial` the first time.
void lembraTamanho(QDialog* tela, const QSize& inicial);

// Makes the notes box `obs` break its lines at blanks, a word longer than the box inside itself,
// and pass Tab on to the next control. A text holding a run of thousands of characters without a
// blank breaks anywhere instead, so that it still lays out at once.
void quebraNasPalavras(QPlainTextEdit* obs);

}  // namespace davo
