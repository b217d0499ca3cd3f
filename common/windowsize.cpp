#include "common/windowsize.h"

#include <QDialog>
#include <QEvent>
#include <QSettings>
#include <QWidget>

#include <memory>

namespace common {

namespace {

// The program's settings for this user, in an INI file (tests move its folder).
std::unique_ptr<QSettings> settings(const QString& program)
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, program, program);
}

QString sizeKey(const QString& key)
{
    return QStringLiteral("janelas/%1/tamanho").arg(key);
}

QString maximisedKey(const QString& key)
{
    return QStringLiteral("janelas/%1/maximizada").arg(key);
}

}  // namespace

WindowSize::WindowSize(QWidget* window, const QString& program, const QString& key)
    : QObject(window), window_(window), program_(program), key_(key)
{
    window_->setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    if (auto* dialog = qobject_cast<QDialog*>(window_))
        dialog->setSizeGripEnabled(true);
    window_->installEventFilter(this);
}

QSize WindowSize::stored(const QString& program, const QString& key)
{
    const QSize size = settings(program)->value(sizeKey(key)).toSize();
    return size.isValid() && !size.isEmpty() ? size : QSize();
}

bool WindowSize::setKey(const QString& key)
{
    if (shown_)
        store();
    key_ = key;
    return restore();
}

bool WindowSize::restore()
{
    const QSize size = stored(program_, key_);
    const bool maximised = settings(program_)->value(maximisedKey(key_)).toBool();
    if (size.isValid())
        window_->resize(size.expandedTo(window_->minimumSize()));
    if (maximised)
        window_->setWindowState(window_->windowState() | Qt::WindowMaximized);
    return size.isValid() || maximised;
}

void WindowSize::store() const
{
    const bool maximised = window_->isMaximized();
    // A maximised window keeps the size it returns to.
    const QSize size =
        maximised && window_->normalGeometry().isValid() ? window_->normalGeometry().size() : window_->size();
    const auto s = settings(program_);
    s->setValue(sizeKey(key_), size);
    s->setValue(maximisedKey(key_), maximised);
}

bool WindowSize::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_) {
        if (event->type() == QEvent::Show && !shown_) {
            shown_ = true;
            restore();
        } else if (event->type() == QEvent::Hide && shown_) {
            store();
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace common
