#include "qt_profile.h"

#include <QSettings>

namespace orv {

namespace {

QString keyOf(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

}  // namespace

QtProfile::QtProfile()
    : settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, kProfileOrganisation,
                                           kProfileApplication)) {}

QtProfile::QtProfile(const QString& iniPath)
    : settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

QtProfile::~QtProfile() = default;

int QtProfile::readInt(const std::string& section, const std::string& key, int defaultValue) {
    const QVariant value = settings->value(keyOf(section, key));
    if (!value.isValid()) return defaultValue;
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok, 10);
    return ok ? number : defaultValue;
}

void QtProfile::writeInt(const std::string& section, const std::string& key, int value) {
    settings->setValue(keyOf(section, key), QString::number(value));
}

std::string QtProfile::readText(const std::string& section, const std::string& key,
                                const std::string& defaultValue) {
    const QVariant value = settings->value(keyOf(section, key));
    return value.isValid() ? value.toString().toStdString() : defaultValue;
}

void QtProfile::writeText(const std::string& section, const std::string& key, const std::string& value) {
    settings->setValue(keyOf(section, key), QString::fromStdString(value));
}

void QtProfile::sync() {
    settings->sync();
}

std::string QtProfile::fileName() const {
    return settings->fileName().toStdString();
}

}  // namespace orv
