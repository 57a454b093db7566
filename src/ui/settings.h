// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's settings, kept for the person under the desktop's config
// folder ($XDG_CONFIG_HOME/steeplewatcher/steeplewatcher.conf), never beside
// the program.
#include <QSettings>
#include <QString>

namespace ui {

inline constexpr const char* kBackUpFolderKey = "backUp/folder";
inline constexpr const char* kCsvFolderKey = "import/csvFolder";
inline constexpr const char* kPictureFolderKey = "plots/folder";

QString setting(const char* key);
void saveSetting(const char* key, const QString& value);
// A window's size and place ("windows/NAME/geometry"), as QWidget::saveGeometry gives it.
QByteArray windowGeometry(const QString& window);
void saveWindowGeometry(const QString& window, const QByteArray& geometry);

} // namespace ui
