#pragma once

// The keyboard's way through a screen: the controls Tab visits, and those it should visit.

#include <QStringList>
#include <QTest>
#include <QWidget>

namespace testsupport {

// The names of the controls Tab (`forward`) or Shift+Tab visits in `window`, from the one holding
// the focus once round, that one first.
inline QStringList tabChain(QWidget* window, bool forward = true)
{
    QStringList names;
    QWidget* first = window->focusWidget();
    QWidget* at = first;
    for (int step = 0; at && step < 100; ++step) {
        names << at->objectName();
        if (forward)
            QTest::keyClick(at, Qt::Key_Tab);
        else
            QTest::keyClick(at, Qt::Key_Backtab, Qt::ShiftModifier);
        at = window->focusWidget();
        if (at == first)
            break;
    }
    return names;
}

// The names of the controls of `window` that are shown, enabled and take the focus by Tab: what a
// user going by the keyboard must reach.
inline QStringList tabControls(QWidget* window)
{
    QStringList names;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->isVisibleTo(window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
            names << w->objectName();
    names.sort();
    return names;
}

}  // namespace testsupport
