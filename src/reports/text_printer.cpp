#include "text_printer.h"

namespace reports {

void TextPrinter::open(const std::string& title)
{
    device_.begin(title);
    open_ = true;
    y_ = 0;
    pageBreakDue_ = false;
}

void TextPrinter::setFont(const std::string& family, int pointSize)
{
    device_.setFont(family, pointSize);
}

void TextPrinter::takePendingPage()
{
    if (!pageBreakDue_)
        return;
    device_.newPage();
    y_ = 0;
    pageBreakDue_ = false;
}

std::size_t TextPrinter::fitting(std::string_view text)
{
    const int width = device_.pageWidth();
    if (device_.textWidth(text) <= width)
        return text.size();
    // Widths grow with the length: find the longest start that fits.
    std::size_t low = 1, high = text.size() - 1;
    while (low < high) {
        std::size_t mid = (low + high + 1) / 2;
        if (device_.textWidth(text.substr(0, mid)) <= width)
            low = mid;
        else
            high = mid - 1;
    }
    return low;
}

void TextPrinter::writeLine(std::string_view line)
{
    const int bottom = device_.pageHeight();
    if (line.empty()) {
        takePendingPage();
        device_.drawLine(0, y_, line);
        y_ += device_.charHeight();
        // After an empty line the page ends only once the bottom has been passed.
        if (y_ > bottom)
            pageBreakDue_ = true;
        return;
    }
    do {
        takePendingPage();
        std::string_view piece = line.substr(0, fitting(line));
        device_.drawLine(0, y_, piece);
        const int advance = device_.textHeight(piece) + kLineGap;
        y_ += advance;
        if (bottom - y_ < 2 * advance)
            pageBreakDue_ = true;
        line.remove_prefix(piece.size());
    } while (!line.empty());
}

void TextPrinter::close()
{
    if (!open_)
        return;
    open_ = false;
    device_.end();
}

void printLines(PrinterDevice& device, const std::string& title, const std::string& fontFamily, int pointSize,
                const std::vector<std::string>& lines)
{
    TextPrinter printer(device);
    printer.open(title);
    printer.setFont(fontFamily, pointSize);
    for (const std::string& line : lines)
        printer.writeLine(line);
    printer.close();
}

} // namespace reports
