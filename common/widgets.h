#pragma once

// Small helpers every screen uses: twips, control-array names, the lost-focus event, and the
// handler boundary every button and menu item goes through.

#include <QObject>
#include <QString>
#include <exception>
#include <functional>
#include <type_traits>

class QAbstractButton;
class QAction;
class QLineEdit;
class QWidget;

namespace common {

class StoreError;

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

// Places `widget` at a position and size given in twips within its parent: left, top, width and
// height each turned into device-independent pixels, so the layout is the same on a screen of any
// pixel ratio (1,440 twips are an inch, 96 pixels at the logical 96 dots an inch).
void placeTwips(QWidget* widget, int left, int top, int width, int height);

// The name of an element of a control array: arrayName("txtAlternativa", 0) is "txtAlternativa(0)".
QString arrayName(const QString& array, int index);

// Limits `box` to `length` UTF-16 units, as QLineEdit::setMaxLength does, but never keeps half of
// a character beyond the basic plane (an emoji is two units): the cut, on typing, pasting or a
// setText, falls before such a character instead of storing half of it.
void setMaxLength(QLineEdit* box, int length);

// Runs `check` each time `widget` loses the focus to another control of its window (not when a
// popup menu opens or the window itself loses its activation). While one check runs no other check
// starts: a check that shows a message box or puts the focus back moves the focus through boxes
// the user never really left. A check may answer false when it refused the text (it then showed
// its message and, where its screen says so, put the focus back): a button's action then does not
// run. A check runs guarded, as an action does; a failure inside it counts as a refusal.
void onLostFocusCheck(QWidget* widget, std::function<bool()> check);

template <typename Check>
void onLostFocus(QWidget* widget, Check check)
{
    if constexpr (std::is_void_v<std::invoke_result_t<Check&>>)
        onLostFocusCheck(widget, [check = std::move(check)]() mutable {
            check();
            return true;
        });
    else
        onLostFocusCheck(widget, std::function<bool()>(std::move(check)));
}

// Runs the lost-focus check of the control that holds the focus in `window` (or of the control it
// is the focus proxy of), as if the focus were leaving it now. False when that check refused; true
// when it accepted or there is none.
bool runPendingCheck(QWidget* window);

// Runs a user action at the handler boundary. A failure inside it (a store error, say) is reported
// in a critical box and ends the program through the event loop (Exit::request(1)), so every
// window, the database and the application object are destroyed in order; no exception ever
// crosses Qt's event dispatch. A write the user can act on (StoreError::actionable(): a full disk,
// a read-only or busy file, a disk error) is the exception: its transaction has been undone, the
// program's wording of it is shown in an exclamation box, and the program goes on, the screen
// open with what the user typed. True when the action ran to its end; false after a failure, and
// without running anything once the program is leaving.
bool runGuarded(const std::function<void()>& action);

// The report and the way out of runGuarded, for a failure caught elsewhere (the application's
// last-resort catch). A Leaving failure, or any failure once the program is already leaving, is
// not reported again. An actionable failure is only reported.
void reportAndLeave(const std::exception_ptr& failure);

// A failure the user can act on, in words: the box's title, what happened to which file, what to
// do, and the whole text ("O disco está cheio: não foi possível gravar em /…/DAVO.mdb. Nada foi
// alterado; libere espaço e tente de novo.").
struct FailureMessage {
    QString title;
    QString cause;   // "O disco está cheio: não foi possível gravar em /…/DAVO.mdb."
    QString advice;  // "libere espaço e tente de novo."
    QString text;
};
// The Portuguese wording, the one used unless the program sets its own.
FailureMessage failureMessage(const StoreError& failure);
// The program's wording (kivo's follows its interface language); empty: the Portuguese one.
void setFailureWording(std::function<FailureMessage(const StoreError&)> wording);
// The wording in use.
FailureMessage wordFailure(const StoreError& failure);

// Connects a button to its action. Before the action, the lost-focus check of the box that holds
// the focus runs, since a button pressed by its access key leaves the focus where it is; the
// button takes the focus from the keyboard only (Tab), so a click leaves it in the box as well and
// the check runs here, once. When that check refuses, the action does not run. The action itself
// runs guarded.
void onClick(QAbstractButton* button, std::function<void()> action);

template <typename Screen>
void onClick(QAbstractButton* button, Screen* screen, void (Screen::*handler)())
{
    onClick(button, [screen, handler] { (screen->*handler)(); });
}

// Connects a button whose action stores no box (a way out that stores nothing, help, a clear that
// empties the boxes itself): no lost-focus check runs before it, so a box the user cannot leave
// never keeps the user from leaving. The action runs guarded.
void onClickWithoutCheck(QAbstractButton* button, std::function<void()> action);

template <typename Screen>
void onClickWithoutCheck(QAbstractButton* button, Screen* screen, void (Screen::*handler)())
{
    onClickWithoutCheck(button, [screen, handler] { (screen->*handler)(); });
}

// A menu item's action, guarded. A menu takes the focus from no box, so there is no check to run.
void onTriggered(QAction* action, std::function<void()> handler);

template <typename Screen>
void onTriggered(QAction* action, Screen* screen, void (Screen::*handler)())
{
    onTriggered(action, [screen, handler] { (screen->*handler)(); });
}

// Enter in a text box presses no button of `window`: every push button in it stops being a default
// button.
void noDefaultButtons(QWidget* window);

}  // namespace common
