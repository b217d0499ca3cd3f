#pragma once

// Small helpers every screen uses: twips, control-array names, the lost-focus event.

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace common {

// Gives a new control its name and hands it back: withName(new QLabel(text, this), "Label1").
template <typename T>
T* withName(T* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

// Positions and sizes on the screens are given in twips, 1,440 to the inch at the screen's logical
// resolution.
int twips(int twips);

// The name of an element of a control array: arrayName("txtAlternativa", 0) is "txtAlternativa(0)".
QString arrayName(const QString& array, int index);

// Runs `handler` each time `widget` loses the focus to another control of its window (not when a
// popup menu opens or the window itself loses its activation). A handler that shows a message
// box, which takes the focus itself, is not re-entered.
void onLostFocus(QWidget* widget, std::function<void()> handler);

// Enter in a text box presses no button of `window`: every push button in it stops being a default
// button.
void noDefaultButtons(QWidget* window);

}  // namespace common
