#include "common/datafolder.h"

#include "common/store.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace common {

DataFolder dataFolder(const QString& programFolder, const QString& fileName, const SeedDatabase& seed)
{
    DataFolder result;
    if (QFileInfo::exists(QDir(programFolder).filePath(fileName))) {
        result.folder = programFolder;
        return result;
    }

    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (user.isEmpty()) {
        // No home folder to speak of: the program's own folder is all there is.
        result.folder = programFolder;
        result.problem = QStringLiteral("Não há pasta de dados do usuário.");
        return result;
    }
    result.folder = QDir::cleanPath(user);

    const QString path = QDir(result.folder).filePath(fileName);
    if (QFileInfo::exists(path))
        return result;
    if (!QDir().mkpath(result.folder)) {
        result.problem = QStringLiteral("Não foi possível criar a pasta '%1'.").arg(result.folder);
        return result;
    }
    try {
        result.seeded = seed(path);
    } catch (const StoreError& e) {
        result.problem = e.description();
    } catch (const std::exception& e) {
        result.problem = QString::fromLocal8Bit(e.what());
    }
    return result;
}

}  // namespace common
