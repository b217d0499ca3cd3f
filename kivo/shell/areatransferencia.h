#pragma once

// The clipboard on kivo's grids and value boxes: Ctrl+C on a grid copies its selected cells (all
// of them when none is selected) as tab-separated text; Ctrl+V of a column of numbers into one of a
// row of boxes fills it and the boxes below.

#include <QList>
#include <QString>

#include <functional>

class QAbstractItemView;
class QLineEdit;

namespace kivo {

// The cells of `grade` the user selected (every cell when none is), visible rows and columns only,
// as tab-separated text in the user's locale.
QString celulasSelecionadas(const QAbstractItemView* grade);

// Ctrl+C (the system's copy key) on `grade` puts celulasSelecionadas on the clipboard.
void copiaComCtrlC(QAbstractItemView* grade);

// Ctrl+V (the system's paste key) of a text of more than one line, or with a tab, into one of
// `caixas` fills it and the shown boxes after it, one line each. Every line is checked as a typed
// value: the first that is no number is refused through `recusa(index of the box it would fill)`
// and nothing changes. More lines than boxes are refused with a message in the interface language.
// A one-line text pastes into the box as usual.
void colaColuna(const QList<QLineEdit*>& caixas, std::function<void(int)> recusa);

// The same paste on box `inicio`, as if the clipboard held `texto`. True when the boxes were filled.
bool colaEm(const QList<QLineEdit*>& caixas, int inicio, const QString& texto, const std::function<void(int)>& recusa);

}  // namespace kivo
