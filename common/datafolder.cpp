#include "common/datafolder.h"

#include "common/store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <sys/stat.h>

#ifndef KIVO_DAVO_SHARE_FROM_BIN
#define KIVO_DAVO_SHARE_FROM_BIN "../share"
#endif

namespace common {

bool isInstalledCopy(const QString& programFolder, const QString& program)
{
    const QString marker =
        QStringLiteral("%1/%2/%3/instalado").arg(programFolder, QLatin1String(KIVO_DAVO_SHARE_FROM_BIN), program);
    return QFileInfo(QDir::cleanPath(marker)).isFile();
}

bool makePrivateFolder(const QString& folder)
{
    const QString clean = QDir::cleanPath(QDir(folder).absolutePath());
    if (QFileInfo(clean).isDir())
        return true;
    const QString parent = QFileInfo(clean).path();
    if (parent != clean && !makePrivateFolder(parent))
        return false;
    return ::mkdir(QFile::encodeName(clean).constData(), 0700) == 0 || (errno == EEXIST && QFileInfo(clean).isDir());
}

DataFolder dataFolder(const QString& programFolder, const QString& fileName, const SeedDatabase& seed)
{
    DataFolder result;
    auto in = [&](const QString& folder) {
        result.folder = folder;
        result.file = QDir(folder).filePath(fileName);
    };
    in(programFolder);
    if (QFileInfo::exists(result.file))
        return result;
    if (!isInstalledCopy(programFolder, QCoreApplication::applicationName())) {
        // Not installed: the file belongs beside the program, and no other file stands in for it.
        result.problem = QStringLiteral("Não foi possível encontrar o arquivo '%1'.").arg(result.file);
        return result;
    }

    result.installed = true;
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (user.isEmpty()) {
        result.problem = QStringLiteral("Não há pasta de dados do usuário para '%1'.").arg(fileName);
        return result;
    }
    in(QDir::cleanPath(user));
    if (QFileInfo::exists(result.file))
        return result;
    if (!makePrivateFolder(result.folder)) {
        result.problem = QStringLiteral("Não foi possível criar a pasta '%1'.").arg(result.folder);
        return result;
    }
    try {
        result.seeded = seed(result.file);
    } catch (const StoreError& e) {
        result.problem = e.description();
    } catch (const std::exception& e) {
        result.problem = QString::fromLocal8Bit(e.what());
    }
    return result;
}

}  // namespace common
