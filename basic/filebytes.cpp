#include "basic/filebytes.h"

#include <QFile>

#include "basic/filefailure.h"

std::optional<std::string> ReadFileBytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.exists()) return std::nullopt;
    if (!file.open(QIODevice::ReadOnly))
        ThrowFileError(QT_TRANSLATE_NOOP("TamBasic", "Cannot open file \"%1\"."), path, file);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        ThrowFileError(QT_TRANSLATE_NOOP("TamBasic", "Cannot read file \"%1\"."), path, file);
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}
