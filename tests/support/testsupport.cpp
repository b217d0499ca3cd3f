#include "tests/support/testsupport.h"

#include "common/formats.h"
#include "common/store.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace testsupport {

void useTestPlatform()
{
    common::Messages::setTestMode(true);
    static QTemporaryDir locks;
    common::SingleInstance::setLockFolder(locks.path());
    resetPlatform();
}

void resetPlatform()
{
    common::Messages::clearShown();
    common::Clock::setTestDate(Today);
    common::Clock::resetPaused();
    common::setUserLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
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

}  // namespace testsupport
