// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The core never shows anything itself: it talks to the person through these
// ports, which the Qt windows implement and the tests and the driver fake.
// Every text is cp1252 bytes.
#include "reports/text_printer.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plot {
struct Drawing;
}
namespace richtext {
struct Document;
}

namespace app {

class Window;

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Plain message box with OK, titled with the application title.
    virtual void message(const std::string& text) = 0;
    // Warning box with OK only.
    virtual void warningOk(const std::string& text) = 0;
    // Warning box with Yes and No; true for Yes.
    virtual bool warningYesNo(const std::string& text) = 0;
    // Confirmation (question) boxes; true for Yes or OK.
    virtual bool confirmYesNo(const std::string& text) = 0;
    virtual bool confirmOkCancel(const std::string& text) = 0;
    // Information box with Yes and No; true for Yes.
    virtual bool infoYesNo(const std::string& text) = 0;
    // Input box; nothing when cancelled.
    virtual std::optional<std::string> inputBox(const std::string& title, const std::string& prompt,
                                                const std::string& defaultText) = 0;
    // The general error box: stop icon, OK, the text as given.
    virtual void errorBox(const std::string& text) = 0;
    // The system's print dialog; true when the person confirms printing.
    virtual bool printDialog() = 0;
    // The open-file dialog. The filter is pairs of a description and its
    // patterns, all separated by "|". Nothing when cancelled.
    virtual std::optional<std::filesystem::path> openFile(const std::string& title, const std::string& filter) = 0;
    // The save-file dialog, with a filter as above; it asks before replacing a file.
    virtual std::optional<std::filesystem::path> saveFile(const std::string& title, const std::string& filter) = 0;
};

class Feedback {
public:
    virtual ~Feedback() = default;
    virtual void beep() = 0;
    // Hourglass on (nested calls stack) and off; use BusyCursor.
    virtual void setBusy(bool busy) = 0;
};

// The one channel from the windows' cores to the screen. Between commands the
// screen shows every window's boxes as the cores hold them; these calls are
// for what must show before the command ends.
class Screen {
public:
    virtual ~Screen() = default;
    // The window came on screen, or to the front when it was already there.
    virtual void windowShown(const Window& window) = 0;
    virtual void windowHidden(const Window& window) = 0;
    // Shows one control's current text at once, during a long command.
    virtual void repaint(const Window& window, std::string_view control) = 0;
};

class Platform {
public:
    virtual ~Platform() = default;
    // Ends the program once the current event is done.
    virtual void quit() = 0;
    // The printer chosen in the last print dialog.
    virtual reports::PrinterDevice& printer() = 0;
    // Before a print that shows no print dialog: true when the printer may
    // print now. A printer that writes to a file asks for the file first, so
    // that no file is replaced unasked; false when the person cancels.
    virtual bool printerReady() = 0;
    // Opens an address in the desktop's web browser; false when none could be asked.
    virtual bool openUrl(const std::string& address) = 0;
    // Writes the drawing, replacing the file whole: an SVG drawing for a name
    // ending ".svg", a PNG picture for ".png", else a 24-bit Windows BMP file.
    // Throws IoError.
    virtual void savePicture(const plot::Drawing& drawing, const std::filesystem::path& path) = 0;
    // Prints the drawing on the printer, in proportion on one page.
    virtual void printPicture(const plot::Drawing& drawing) = 0;
    // Prints a formatted document as one job; lines are its paragraphs as
    // plain text, for a printer that shows no formatting.
    virtual void printDocument(const richtext::Document& document, const std::string& title,
                               const std::vector<std::string>& lines) = 0;
    // The folder that stands for drive A:, the removable disk back-ups go to;
    // nothing when there is none.
    virtual std::optional<std::filesystem::path> backUpFolder() = 0;
};

struct Ports {
    Dialogs& dialogs;
    Feedback& feedback;
    Platform& platform;
    Screen& screen;
};

// The hourglass for the life of a scope, restored also when a command fails.
class BusyCursor {
public:
    explicit BusyCursor(Feedback& feedback) : feedback_(feedback) { feedback_.setBusy(true); }
    ~BusyCursor() { feedback_.setBusy(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    Feedback& feedback_;
};

} // namespace app
