#include "tests/support/testenvironment.h"

#include <QByteArray>
#include <QLocale>
#include <QTemporaryDir>

namespace {

// A temporary folder and its path, kept for the whole run.
struct PrivateFolder {
    QTemporaryDir dir;
    QByteArray path = dir.path().toLocal8Bit();
};

PrivateFolder& ConfigHome() {
    static PrivateFolder folder;
    return folder;
}

PrivateFolder& DataHome() {
    static PrivateFolder folder;
    return folder;
}

}  // namespace

void PrepareTestEnvironment() {
    qputenv("XDG_CONFIG_HOME", ConfigHome().path);
    qputenv("XDG_DATA_HOME", DataHome().path);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::Catalan, QLocale::Spain));
}

const char* TestConfigHome() { return ConfigHome().path.constData(); }

const char* TestDataHome() { return DataHome().path.constData(); }
