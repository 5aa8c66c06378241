#include "service/Settings.h"

#include <QByteArray>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QString>

namespace rkm {

namespace {

bool g_lastWriteOk = true;

QString settingsPath()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(base + QStringLiteral("/Rackmere/Rackmere.ini"));
}

QString keyOf(std::string_view key)
{
    // Keys live in one section of their own, so a key such as "General" or one
    // with a slash cannot reach into QSettings' own grouping.
    QString k = QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
    k.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
    return QStringLiteral("Settings/") + k;
}

void store(std::string_view key, const QVariant &value)
{
    QSettings s(settingsPath(), QSettings::IniFormat);
    s.setValue(keyOf(key), value);
    s.sync();
    g_lastWriteOk = s.status() == QSettings::NoError;
}

} // namespace

int32_t GetSettingInt(std::string_view key, int32_t defaultValue)
{
    QSettings s(settingsPath(), QSettings::IniFormat);
    const QVariant v = s.value(keyOf(key));
    if (!v.isValid())
        return defaultValue;
    bool ok = false;
    const qlonglong n = v.toString().toLongLong(&ok);
    if (!ok || n < INT32_MIN || n > INT32_MAX)
        return defaultValue;
    return static_cast<int32_t>(n);
}

void SetSettingInt(std::string_view key, int32_t value)
{
    store(key, QString::number(value));
}

std::string GetSettingString(std::string_view key, std::string_view defaultValue)
{
    QSettings s(settingsPath(), QSettings::IniFormat);
    const QVariant v = s.value(keyOf(key));
    if (!v.isValid())
        return std::string(defaultValue);
    const QByteArray bytes = v.typeId() == QMetaType::QByteArray ? v.toByteArray() : v.toString().toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void SetSettingString(std::string_view key, std::string_view value)
{
    // Stored as bytes, so a text that is not UTF-8 comes back unchanged.
    store(key, QByteArray(value.data(), static_cast<qsizetype>(value.size())));
}

bool HasSetting(std::string_view key)
{
    QSettings s(settingsPath(), QSettings::IniFormat);
    return s.contains(keyOf(key));
}

std::vector<std::string> SettingKeysStartingWith(std::string_view prefix)
{
    QSettings s(settingsPath(), QSettings::IniFormat);
    s.beginGroup(QStringLiteral("Settings"));
    const QString wanted = QString::fromUtf8(prefix.data(), static_cast<qsizetype>(prefix.size()));
    std::vector<std::string> keys;
    for (const QString &k : s.childKeys())
        if (k.startsWith(wanted))
            keys.push_back(k.toStdString());
    return keys;
}

void RemoveSetting(std::string_view key)
{
    QSettings s(settingsPath(), QSettings::IniFormat);
    if (!s.contains(keyOf(key)))
        return;
    s.remove(keyOf(key));
    s.sync();
    g_lastWriteOk = s.status() == QSettings::NoError;
}

std::string SettingsFilePath()
{
    return settingsPath().toStdString();
}

bool LastSettingWriteSucceeded()
{
    return g_lastWriteOk;
}

} // namespace rkm
