#pragma once
// The core's ports as a person on the desktop meets them: message boxes, the
// input box, the system beep, the hourglass and the end of the program.
#include "app/ports.h"
#include "ui/qt_printer.h"

#include <QPointer>
#include <QWidget>

class QMessageBox;

namespace ui {

// The width a box's title needs on the title bar, its buttons included.
int titleWidth(const QWidget& box);
// Makes a message box at least as wide as its title needs.
void keepTitleWhole(QMessageBox& box);

class QtDialogs : public app::Dialogs {
public:
    // The boxes are centred on parent while it exists.
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void message(const std::string& text) override;
    void warningOk(const std::string& text) override;
    bool warningYesNo(const std::string& text) override;
    bool confirmYesNo(const std::string& text) override;
    bool confirmOkCancel(const std::string& text) override;
    bool infoYesNo(const std::string& text) override;
    std::optional<std::string> inputBox(const std::string& title, const std::string& prompt,
                                        const std::string& defaultText) override;
    void errorBox(const std::string& text) override;
    // QPrintDialog on the printer the text printer then prints on.
    bool printDialog() override;
    // The last folder a CSV file was chosen from is offered first.
    std::optional<std::filesystem::path> openFile(const std::string& title, const std::string& filter) override;
    // The last folder a plot was saved to is offered first.
    std::optional<std::filesystem::path> saveFile(const std::string& title, const std::string& filter) override;
    void setPrinter(QPrinter* printer) { printer_ = printer; }

private:
    QPointer<QWidget> parent_;
    QPrinter* printer_ = nullptr;
};

// Beep and hourglass.
class QtFeedback : public app::Feedback {
public:
    void beep() override;
    void setBusy(bool busy) override;
};

class QtPlatform : public app::Platform {
public:
    // Queued, so that it also ends a loop that has not started yet.
    void quit() override;
    reports::PrinterDevice& printer() override { return device_; }
    // A printer writing to a file (the PDF printer of the print dialog) asks
    // for the file in a save dialog, which asks before replacing one.
    bool printerReady() override;
    // QDesktopServices::openUrl: the desktop's URL opener, never a shell.
    bool openUrl(const std::string& address) override;
    // STEEPLEWATCHER_DRIVE_A when set; otherwise the folder chosen once in a
    // folder chooser that opens on the removable disks, kept in the settings.
    std::optional<std::filesystem::path> backUpFolder() override;
    void savePicture(const plot::Drawing& drawing, const std::filesystem::path& path) override;
    // On the printer of the last print dialog, centred and in proportion on one page.
    void printPicture(const plot::Drawing& drawing) override;
    // With its formatting, on the printer of the last print dialog.
    void printDocument(const richtext::Document& document, const std::string& title,
                       const std::vector<std::string>& lines) override;
    // The printer that printDialog sets up.
    QPrinter& qprinter() { return printer_; }

private:
    QPrinter printer_{QPrinter::HighResolution};
    QtPrinterDevice device_{printer_};
};

} // namespace ui

namespace ui {

// The three together, as the program itself uses them.
struct QtPorts {
    explicit QtPorts(QWidget* dialogParent) : dialogs(dialogParent) { dialogs.setPrinter(&platform.qprinter()); }
    QtDialogs dialogs;
    QtFeedback feedback;
    QtPlatform platform;
};

} // namespace ui
