#include "tests/support/testsupport.h"

#include "common/clock.h"
#include "common/formats.h"
#include "common/store.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTimer>
#include <QXmlStreamReader>

#include <algorithm>
#include <QStandardPaths>

namespace testsupport {

void useTestPlatform()
{
    common::Messages::setTestMode(true);
    static QTemporaryDir locks;
    common::SingleInstance::setLockFolder(locks.path());
    // The user's settings (kivo's case in use and recent cases) in a folder of the test's own.
    static QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    resetPlatform();
}

void resetPlatform()
{
    common::Messages::clearShown();
    common::Exit::reset();
    common::Clock::setTestDate(Today);
    common::Clock::resetPaused();
    common::setUserLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("kivo"), QStringLiteral("kivo")).clear();
    QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("davo"), QStringLiteral("davo")).clear();
}

int inEventLoop(const std::function<void()>& user)
{
    // A test's windows come and go inside the loop: the last one closing must not end it.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QTimer::singleShot(0, qApp, [&user] {
        user();
        if (!common::Exit::requested())
            QCoreApplication::exit(0);
    });
    return QCoreApplication::exec();
}

bool spinUntil(const std::function<bool()>& done)
{
    QDeadlineTimer limite(5000);
    while (!done()) {
        if (limite.hasExpired())
            return false;
        // Test-mode pauses go on at the next turn: no sleeping between turns.
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

bool finishPauses()
{
    return spinUntil([] { return common::Clock::pendingPauses() == 0; });
}

void accessKey(QWidget* window, char letter)
{
    // Access keys go to the active window; one that has just closed a modal screen takes the
    // activation back a moment later.
    window = window->window();
    auto active = [window] {
        return QApplication::activeWindow() == window && QGuiApplication::focusWindow() == window->windowHandle();
    };
    if (!active()) {
        window->activateWindow();
        // Pressed all the same if it never comes: the test then fails on what the key did not do.
        (void)QTest::qWaitFor(active);
    }
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    QTest::keyClick(target, static_cast<Qt::Key>(Qt::Key_A + (QChar::toUpper(letter) - 'A')), Qt::AltModifier);
    // A button pressed by its access key shows itself down and clicks a moment later.
    (void)QTest::qWaitFor([window] {
        const auto buttons = window->findChildren<QAbstractButton*>();
        return std::none_of(buttons.begin(), buttons.end(), [](QAbstractButton* b) { return b->isDown(); });
    });
}

Folder::Folder()
{
    dir_.setAutoRemove(true);
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// The statements of `schema` that make tables, with `edit` applied to the one named `table`.
QStringList tablesOnly(const QStringList& schema)
{
    QStringList out;
    for (const QString& sql : schema)
        if (sql.startsWith(QLatin1String("CREATE TABLE"), Qt::CaseInsensitive))
            out << sql;
    return out;
}

}  // namespace

QList<BadFile> badDatabaseFiles()
{
    return {
        {QStringLiteral("not SQLite"),
         [](const QString&, const QStringList&, const QString& path) {
             writeFile(path, QByteArray("Lista de compras\nPão, leite, café\n").repeated(200));
         }},
        {QStringLiteral("empty"), [](const QString&, const QStringList&, const QString& path) { writeFile(path, {}); }},
        {QStringLiteral("truncated"),
         [](const QString& good, const QStringList&, const QString& path) {
             const QByteArray bytes = fileBytes(good);
             writeFile(path, bytes.left(bytes.size() / 2));
         }},
        {QStringLiteral("another program's tables"),
         [](const QString&, const QStringList&, const QString& path) {
             QVERIFY(common::createDatabaseFile(path, {QStringLiteral("CREATE TABLE Clientes (Nome TEXT)")}));
         }},
        {QStringLiteral("a table lacks a field"),
         [](const QString&, const QStringList& schema, const QString& path) {
             // Every table as the program makes it, but the last field of the first one is gone.
             QStringList tables = tablesOnly(schema);
             QString& first = tables.first();
             const int lastComma = first.lastIndexOf(u',');
             first = first.left(lastComma) + QLatin1Char(')');
             QVERIFY(common::createDatabaseFile(path, tables));
         }},
    };
}

QStringList databaseContents(common::Database& db)
{
    QStringList rows;
    common::Recordset tables = common::Recordset::openQuery(
        db,
        QStringLiteral("SELECT name FROM (SELECT name, type FROM sqlite_master) WHERE type = 'table' ORDER BY name"));
    QStringList names;
    for (tables.moveFirst(); !tables.eof(); tables.moveNext())
        names << tables.text(QStringLiteral("name"));
    for (const QString& table : names) {
        common::Recordset rs =
            common::Recordset::openQuery(db, QStringLiteral("SELECT * FROM [%1] ORDER BY rowid").arg(table));
        for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
            QStringList fields;
            for (int c = 0; c < rs.fieldCount(); ++c) {
                const QVariant v = rs.value(rs.fieldName(c));
                fields << rs.fieldName(c) + QLatin1Char('=') + (v.isNull() ? QStringLiteral("<null>") : v.toString());
            }
            rows << table + QStringLiteral(": ") + fields.join(QStringLiteral(", "));
        }
    }
    return rows;
}

common::ShownMessage lastMessage()
{
    const auto& shown = common::Messages::shown();
    return shown.isEmpty() ? common::ShownMessage{} : shown.last();
}

QStringList shownTitles()
{
    QStringList titles;
    for (const auto& m : common::Messages::shown())
        titles << m.title;
    return titles;
}

QStringList tabOrder(QWidget* window, QWidget* first)
{
    first->setFocus(Qt::TabFocusReason);
    QStringList order{first->objectName()};
    QWidget* previous = nullptr;
    QWidget* last = first;
    for (int i = 0; i < 60; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (!now || now == first || !window->isAncestorOf(now))
            break;
        order << now->objectName();
        previous = last;
        last = now;
    }
    if (previous && last->hasFocus()) {
        QTest::keyClick(last, Qt::Key_Tab, Qt::ShiftModifier);
        if (QApplication::focusWidget() != previous)
            order << QStringLiteral("(Shift+Tab)");
    }
    return order;
}

}  // namespace testsupport

namespace testsupport {

QStringList tabChain(QWidget* first, bool back, int max)
{
    first->setFocus(Qt::TabFocusReason);
    QStringList names{first->objectName()};
    for (int i = 0; i < max; ++i) {
        QWidget* now = QApplication::focusWidget();
        QTest::keyClick(now ? now : first, back ? Qt::Key_Backtab : Qt::Key_Tab,
                        back ? Qt::ShiftModifier : Qt::NoModifier);
        now = QApplication::focusWidget();
        if (!now || now == first)
            break;
        names << now->objectName();
    }
    return names;
}

QString answerFileDialog(const std::function<void()>& action, const std::function<int(QFileDialog&)>& answer)
{
    QString proposed;
    common::Modal::setTestHandler([&](QDialog& dialog) {
        auto& fd = static_cast<QFileDialog&>(dialog);
        proposed = fd.selectedFiles().value(0);
        return answer(fd);
    });
    action();
    common::Modal::setTestHandler({});
    return proposed;
}

std::function<int(QFileDialog&)> acceptFile(const QString& file)
{
    return [file](QFileDialog& fd) {
        fd.selectFile(file);
        return int(QDialog::Accepted);
    };
}

QStringList incompleteTranslations(const QString& arquivo, const QString& lingua, int* mensagens)
{
    QFile ts(arquivo);
    if (!ts.open(QIODevice::ReadOnly))
        return {arquivo + QStringLiteral(": cannot be read")};
    // The arguments a text carries: a translation that drops or adds one shows the wrong figure.
    const auto argumentos = [](const QString& texto) {
        QStringList out;
        for (int i = 1; i <= 9; ++i)
            if (texto.contains(QStringLiteral("%%1").arg(i)))
                out << QString::number(i);
        return out;
    };
    const QString fica = QStringLiteral("Stays Portuguese in ") + lingua;
    QStringList out;
    QXmlStreamReader xml(&ts);
    QString contexto, fonte, comentario;
    int n = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            contexto = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            fonte.clear();
            comentario.clear();
        } else if (xml.name() == QLatin1String("source")) {
            fonte = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == QLatin1String("extracomment")) {
            comentario = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const bool inacabada = !xml.attributes().value(QLatin1String("type")).isEmpty();
            const QString traducao = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            ++n;
            const QString onde = contexto + QStringLiteral(": ") + fonte;
            if (inacabada || traducao.trimmed().isEmpty()) {
                if (!comentario.contains(fica))
                    out << onde;
            } else if (argumentos(traducao) != argumentos(fonte)) {
                out << onde + QStringLiteral(" (arguments)");
            }
        }
    }
    if (xml.hasError())
        out << arquivo + QStringLiteral(": ") + xml.errorString();
    if (mensagens)
        *mensagens = n;
    return out;
}

}  // namespace testsupport
