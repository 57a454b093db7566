#include "qt_text.h"

#include "text/cp1252.h"

namespace ui {

QString toQt(std::string_view cp1252)
{
    return QString::fromStdString(text::cp1252ToUtf8(cp1252));
}

std::string fromQt(const QString& text)
{
    return text::utf8ToCp1252(text.toStdString());
}

QString withoutAccelerators(std::string_view caption)
{
    std::string plain;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        plain += caption[i];
    }
    return toQt(plain);
}

} // namespace ui
