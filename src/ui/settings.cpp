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

} // namespace ui
