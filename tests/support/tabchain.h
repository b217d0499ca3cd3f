#pragma once

// The controls a keyboard user must reach; testsupport::tabChain gives those Tab visits.

#include "tests/support/testsupport.h"

#include <QStringList>
#include <QWidget>

namespace testsupport {

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
