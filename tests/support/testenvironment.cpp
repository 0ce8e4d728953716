#include "tests/support/testenvironment.h"

#include <QByteArray>
#include <QLocale>
#include <QTemporaryDir>

namespace {
QTemporaryDir& ConfigHome() {
    static QTemporaryDir dir;
    return dir;
}
QByteArray& ConfigHomePath() {
    static QByteArray path;
    return path;
}
}  // namespace

void PrepareTestEnvironment() {
    ConfigHomePath() = ConfigHome().path().toLocal8Bit();
    qputenv("XDG_CONFIG_HOME", ConfigHomePath());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::Catalan, QLocale::Spain));
}

const char* TestConfigHome() { return ConfigHomePath().constData(); }
