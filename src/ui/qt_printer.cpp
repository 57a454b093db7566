#include "qt_printer.h"

#include "ui/qt_text.h"

#include <QFontMetrics>

#include <stdexcept>

namespace ui {

QtPrinterDevice::~QtPrinterDevice()
{
    // A job left open by a failure is ended here, so the printer is free again.
    if (painter_ && painter_->isActive())
        painter_->end();
}

QPainter& QtPrinterDevice::painter()
{
    if (!painter_ || !painter_->isActive())
        throw std::runtime_error("Printer is not currently printing");
    return *painter_;
}

void QtPrinterDevice::begin(const std::string& title)
{
    printer_.setDocName(toQt(title));
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&printer_))
        throw std::runtime_error("Printer selected is not valid");
}

void QtPrinterDevice::setFont(const std::string& family, int pointSize)
{
    QFont font(toQt(family), pointSize);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    painter().setFont(font);
}

int QtPrinterDevice::textWidth(std::string_view text)
{
    return painter().fontMetrics().horizontalAdvance(toQt(text));
}

int QtPrinterDevice::textHeight(std::string_view)
{
    return painter().fontMetrics().height();
}

int QtPrinterDevice::charHeight()
{
    return painter().fontMetrics().height();
}

void QtPrinterDevice::drawLine(int x, int y, std::string_view text)
{
    if (!text.empty())
        painter().drawText(x, y + painter().fontMetrics().ascent(), toQt(text));
}

void QtPrinterDevice::newPage()
{
    painter(); // the job must be open
    if (!printer_.newPage())
        throw std::runtime_error("Printer is not currently printing");
}

void QtPrinterDevice::end()
{
    if (!painter().end())
        throw std::runtime_error("Printing failed");
    painter_.reset();
}

} // namespace ui
