#include "basic/savedfile.h"

#include "basic/platformerror.h"

void ThrowFileError(const char* what, const std::string& path, const QFileDevice& file) {
    throw PlatformError(std::string(what) + " \"" + path + "\". " +
                        file.errorString().toStdString());
}

TSavedFile::TSavedFile(const std::string& path) : path_(path), file_(QString::fromStdString(path)) {
    if (!file_.open(QIODevice::WriteOnly)) ThrowFileError("Cannot create file", path_, file_);
}

void TSavedFile::Write(std::string_view bytes) {
    const auto size = static_cast<qint64>(bytes.size());
    if (file_.write(bytes.data(), size) != size) ThrowFileError("Cannot write file", path_, file_);
}

void TSavedFile::Commit() {
    if (!file_.commit()) ThrowFileError("Cannot write file", path_, file_);
}
