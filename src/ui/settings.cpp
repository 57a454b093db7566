// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings.h"

namespace ui {
namespace {

QSettings userSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "steeplewatcher", "steeplewatcher");
}

} // namespace

QString setting(const char* key)
{
    return userSettings().value(key).toString();
}

void saveSetting(const char* key, const QString& value)
{
    userSettings().setValue(key, value);
}

QByteArray windowGeometry(const QString& window)
{
    return userSettings().value("windows/" + window + "/geometry").toByteArray();
}

void saveWindowGeometry(const QString& window, const QByteArray& geometry)
{
    userSettings().setValue("windows/" + window + "/geometry", geometry);
}

} // namespace ui
