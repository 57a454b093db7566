#pragma once
// The text printer: opens a print job, takes a font, prints lines one under
// another from the top-left corner of the printable area, wraps what does not
// fit the page width and starts a new page when the next line would not fit.
// The page decisions are made here; a PrinterDevice only measures and draws.
#include <string>
#include <string_view>
#include <vector>

namespace reports {

// A printer as the text printer uses it. Distances are device units.
class PrinterDevice {
public:
    virtual ~PrinterDevice() = default;
    // Starts a print job. Throws (std::runtime_error or IoError) when it cannot.
    virtual void begin(const std::string& title) = 0;
    virtual void setFont(const std::string& family, int pointSize) = 0;
    // The printable area.
    virtual int pageWidth() = 0;
    virtual int pageHeight() = 0;
    // The width and height of a text in the current font.
    virtual int textWidth(std::string_view text) = 0;
    virtual int textHeight(std::string_view text) = 0;
    // The height of a character of the current font (the advance of an empty line).
    virtual int charHeight() = 0;
    // Draws one printed line with its top-left corner at (x, y); text may be empty.
    virtual void drawLine(int x, int y, std::string_view text) = 0;
    virtual void newPage() = 0;
    // Ends the job: the pages go to the printer.
    virtual void end() = 0;
};

// The gap below a printed line, in device units.
inline constexpr int kLineGap = 2;

class TextPrinter {
public:
    explicit TextPrinter(PrinterDevice& device) : device_(device) {}

    void open(const std::string& title);
    void setFont(const std::string& family, int pointSize);
    void writeLine(std::string_view line);
    void close();

private:
    // Starts the page that a full page left waiting for, before anything else is printed.
    void takePendingPage();
    // The longest start of text that fits the page width; at least one character.
    std::size_t fitting(std::string_view text);

    PrinterDevice& device_;
    int y_ = 0;
    bool pageBreakDue_ = false;
    bool open_ = false;
};

// Prints lines as one job: open, font, every line, close.
void printLines(PrinterDevice& device, const std::string& title, const std::string& fontFamily, int pointSize,
                const std::vector<std::string>& lines);

} // namespace reports
