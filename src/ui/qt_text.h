#pragma once
// The one crossing between the core's cp1252 bytes and Qt's Unicode strings.
#include <QString>

#include <string>
#include <string_view>

namespace ui {

QString toQt(std::string_view cp1252);
std::string fromQt(const QString& text);

// A caption's accelerator markup read as plain text, for widgets that do not
// interpret it themselves (labels): "&x" shows "x", "&&" shows "&".
QString withoutAccelerators(std::string_view caption);

} // namespace ui
