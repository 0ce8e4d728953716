#include "basic/filefailure.h"

#include <QFileDevice>
#include <cerrno>
#include <cstring>

#include "basic/platformerror.h"
#include "basic/translation.h"

namespace {

// Why a write failed, as a sentence; the system's own text for the rare
// reasons that have none here.
std::string Reason(int error) {
    const char* reason = nullptr;
    switch (error) {
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            reason = QT_TRANSLATE_NOOP("TamBasic", "No queda espai al disc.");
            break;
        case EROFS:
            reason = QT_TRANSLATE_NOOP("TamBasic", "El disc només es pot llegir.");
            break;
        case EACCES:
        case EPERM:
            reason = QT_TRANSLATE_NOOP("TamBasic", "No hi teniu permís d'escriptura.");
            break;
        case EISDIR:
            reason = QT_TRANSLATE_NOOP("TamBasic", "Hi ha una carpeta amb aquest nom.");
            break;
        case ENOENT:
        case ENOTDIR:
            reason = QT_TRANSLATE_NOOP("TamBasic", "La carpeta no existeix.");
            break;
        case EIO:
            reason = QT_TRANSLATE_NOOP("TamBasic", "El disc ha donat un error d'escriptura.");
            break;
        case ENAMETOOLONG:
            reason = QT_TRANSLATE_NOOP("TamBasic", "El nom del fitxer és massa llarg.");
            break;
        default:
            return Filled(Tr("TamBasic", "Error del sistema %1 (%2)."),
                          {std::to_string(error), std::strerror(error)});
    }
    return Tr("TamBasic", reason);
}

}  // namespace

std::string WriteFailureMessage(const std::string& path, int error) {
    return Filled(Tr("TamBasic", "No s'ha pogut desar el fitxer \"%1\"."), {path}) + " " +
           Reason(error);
}

void ThrowWriteFailure(const std::string& path, int error) {
    throw PlatformError(WriteFailureMessage(path, error));
}

void ThrowFileError(const char* what, const std::string& path, const QFileDevice& file) {
    throw PlatformError(Filled(Tr("TamBasic", what), {path}) + " " +
                        file.errorString().toStdString());
}
