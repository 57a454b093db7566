#pragma once
// The text printer's device on a real printer (or a PDF file): QPainter on a
// QPrinter, measured in the printer's own pixels.
#include "reports/text_printer.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>

#include <memory>

namespace ui {

class QtPrinterDevice : public reports::PrinterDevice {
public:
    explicit QtPrinterDevice(QPrinter& printer) : printer_(printer) {}
    ~QtPrinterDevice() override;

    void begin(const std::string& title) override;
    void setFont(const std::string& family, int pointSize) override;
    int pageWidth() override { return printer_.width(); }
    int pageHeight() override { return printer_.height(); }
    int textWidth(std::string_view text) override;
    int textHeight(std::string_view text) override;
    int charHeight() override;
    void drawLine(int x, int y, std::string_view text) override;
    void newPage() override;
    void end() override;

private:
    QPainter& painter();

    QPrinter& printer_;
    std::unique_ptr<QPainter> painter_;
};

} // namespace ui
