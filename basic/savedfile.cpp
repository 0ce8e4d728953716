#include "basic/savedfile.h"

#include "basic/platformerror.h"
#include "basic/translation.h"

// `what` is a text marked for translation in the context TamBasic, with %1
// for the file's name.
void ThrowFileError(const char* what, const std::string& path, const QFileDevice& file) {
    throw PlatformError(Filled(Tr("TamBasic", what), {path}) + " " +
                        file.errorString().toStdString());
}

TSavedFile::TSavedFile(const std::string& path) : path_(path), file_(QString::fromStdString(path)) {
    if (!file_.open(QIODevice::WriteOnly))
        ThrowFileError(QT_TRANSLATE_NOOP("TamBasic", "Cannot create file \"%1\"."), path_, file_);
}

void TSavedFile::Write(std::string_view bytes) {
    const auto size = static_cast<qint64>(bytes.size());
    if (file_.write(bytes.data(), size) != size)
        ThrowFileError(QT_TRANSLATE_NOOP("TamBasic", "Cannot write file \"%1\"."), path_, file_);
}

void TSavedFile::Commit() {
    if (!file_.commit())
        ThrowFileError(QT_TRANSLATE_NOOP("TamBasic", "Cannot write file \"%1\"."), path_, file_);
}
