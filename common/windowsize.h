#pragma once

// Screens that grow with their content: resizable and maximisable from their designed size upward,
// their size remembered between openings in the user's settings.

#include <QObject>
#include <QSize>
#include <QString>

class QWidget;

namespace common {

class WindowSize : public QObject {
    Q_OBJECT
public:
    // Makes `window` resizable (never below its minimum size) and maximisable. The first time it
    // is shown it takes the size stored under `key` in the settings of `program` ("kivo", "davo"),
    // maximised when it was; each time it is hidden it stores its size there. Owned by `window`.
    WindowSize(QWidget* window, const QString& program, const QString& key);

    // From now on the size is remembered under `key`; the size so far is stored under the key it
    // had. True when a size stored under `key` was applied to the window.
    bool setKey(const QString& key);

    // The size stored under `key` for `program`; an invalid size when none.
    static QSize stored(const QString& program, const QString& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool restore();
    void store() const;

    QWidget* window_;
    QString program_;
    QString key_;
    bool shown_ = false;
};

}  // namespace common
