#include "basic/filebytes.h"

#include <QFile>

#include "basic/filefailure.h"

std::string ReadWholeFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        ThrowFileError(QT_TRANSLATE_NOOP("TamBasic", "No s'ha pogut obrir el fitxer \"%1\"."), path,
                       file);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        ThrowFileError(QT_TRANSLATE_NOOP("TamBasic", "No s'ha pogut llegir el fitxer \"%1\"."),
                       path, file);
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
    if (!QFile::exists(QString::fromStdString(path))) return std::nullopt;
    return ReadWholeFile(path);
}
