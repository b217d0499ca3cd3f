#pragma once

#include <QApplication>

class QLocale;
class QWidget;

namespace common {

// The programs' application object. Failures are caught at the handler boundary (common::runGuarded,
// which every button and menu item goes through); one that escapes a handler all the same is caught
// here as a last resort, reported the same way, and ends the program through the event loop:
// exec() returns 1 and every window, the database and this object are destroyed in order.
// It carries the program's icon and names its desktop entry ("kivo.desktop").
class Application : public QApplication {
public:
    Application(int& argc, char** argv, const QString& name);
    bool notify(QObject* receiver, QEvent* event) override;
};

// For the install check, which starts the installed programs headless: with the environment
// variable KIVO_DAVO_CLOSE_WHEN_SHOWN set, `window` closes as soon as the event loop runs after it
// has been shown, which ends the program. Without it, nothing happens.
void closeWhenShownIfAsked(QWidget& window);

// Qt's own texts (the standard buttons of the message boxes, the file dialog) in the language of
// `locale`, from the translations installed with Qt; they replace those loaded before. False when
// none is installed for that language: Qt's texts then stay in English.
bool loadQtTranslations(const QLocale& locale);

}  // namespace common
