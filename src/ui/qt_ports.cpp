#include "qt_ports.h"

#include "app/messages.h"
#include "render/picture.h"
#include "richtext/rtf_reader.h"
#include "text/io_error.h"
#include "ui/qt_text.h"
#include "ui/settings.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QSpacerItem>
#include <QStyle>
#include <QTextDocument>

#include <algorithm>

namespace ui {
namespace {

const QString kChooseDisk = QStringLiteral("Choose the disk or folder for back-ups (drive A:)");
const QString kPrintToFile = QStringLiteral("Print to File");
const QString kPdfFiles = QStringLiteral("PDF files (*.pdf)");

// The window a box or dialog belongs to: the window the person is using (a
// modal window first), so that the box comes up over it and no other window
// is brought forward with it; else the given one.
QWidget* dialogParent(QWidget* fallback)
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return fallback;
}

// Shows a box titled with the application title and returns the button pressed.
// The text is shown as plain text: file names and record texts may hold "<".
// The box comes up over the window in use (dialogParent), parent failing that.
QMessageBox::StandardButton ask(QWidget* parent, QMessageBox::Icon icon, const std::string& text,
                                QMessageBox::StandardButtons buttons, QMessageBox::StandardButton escape)
{
    QMessageBox box(icon, toQt(app::msg::kApplicationTitle), toQt(text), buttons, dialogParent(parent));
    box.setTextFormat(Qt::PlainText);
    keepTitleWhole(box);
    box.setEscapeButton(escape);
    box.exec();
    auto* clicked = box.clickedButton();
    return clicked ? box.standardButton(clicked) : escape;
}

} // namespace

int titleWidth(const QWidget& box)
{
    // The title bar's text in the desktop's bold title font, with room for the
    // window menu and the three title bar buttons of a usual window manager.
    QFont title = QApplication::font("QMdiSubWindowTitleBar");
    title.setBold(true);
    const int bar = box.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &box);
    return QFontMetrics(title).horizontalAdvance(box.windowTitle()) + 5 * std::max(bar, 24);
}

void keepTitleWhole(QMessageBox& box)
{
    // A message box sizes itself to its text alone; a spacer row as wide as the
    // title keeps a short message from cutting its title down.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(titleWidth(box), 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(),
                      0, 1, grid->columnCount());
}

void QtDialogs::message(const std::string& text)
{
    ask(parent_, QMessageBox::NoIcon, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtDialogs::warningOk(const std::string& text)
{
    ask(parent_, QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtDialogs::warningYesNo(const std::string& text)
{
    return ask(parent_, QMessageBox::Warning, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}

bool QtDialogs::confirmYesNo(const std::string& text)
{
    return ask(parent_, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}

bool QtDialogs::confirmOkCancel(const std::string& text)
{
    return ask(parent_, QMessageBox::Question, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel)
           == QMessageBox::Ok;
}

bool QtDialogs::infoYesNo(const std::string& text)
{
    return ask(parent_, QMessageBox::Information, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}

std::optional<std::string> QtDialogs::inputBox(const std::string& title, const std::string& prompt,
                                               const std::string& defaultText)
{
    bool ok = false;
    QString answer = QInputDialog::getText(dialogParent(parent_), toQt(title), toQt(prompt), QLineEdit::Normal,
                                           toQt(defaultText), &ok);
    if (!ok)
        return std::nullopt;
    return fromQt(answer);
}

void QtDialogs::errorBox(const std::string& text)
{
    ask(parent_, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtFeedback::beep()
{
    QApplication::beep();
}

void QtFeedback::setBusy(bool busy)
{
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

void QtPlatform::quit()
{
    QMetaObject::invokeMethod(qApp, "quit", Qt::QueuedConnection);
}

bool QtDialogs::printDialog()
{
    if (!printer_)
        return false;
    QPrintDialog dialog(printer_, dialogParent(parent_));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    return dialog.exec() == QDialog::Accepted;
}

namespace {

// "Description (pattern)|pattern|..." as Qt's name filters. Patterns match
// in either case, as file names on the disks the filters were made for did.
QStringList nameFilters(const std::string& filter)
{
    QStringList filters;
    const QStringList parts = toQt(filter).split('|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        if (const qsizetype open = description.indexOf('('); open > 0)
            description = description.left(open).trimmed();
        QString pattern = parts[i + 1] == "*.*" ? QString("*") : parts[i + 1];
        if (pattern.toLower() != pattern)
            pattern += ' ' + pattern.toLower();
        filters << description + " (" + pattern + ")";
    }
    return filters;
}

// The folders where the desktop mounts the person's removable disks.
QString removableMediaFolder()
{
    const QString user = qEnvironmentVariable("USER");
    for (const QString& folder : {"/media/" + user, "/run/media/" + user})
        if (!user.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    return QDir::homePath();
}

// A file dialog opening in the folder last used for its kind of file, which it then keeps.
std::optional<std::filesystem::path> fileDialog(QWidget* parent, const std::string& title, const std::string& filter,
                                                QFileDialog::AcceptMode mode, const char* folderKey)
{
    QString folder = setting(folderKey);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    QFileDialog dialog(parent, toQt(title), folder);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters(filter));
    if (mode == QFileDialog::AcceptSave) {
        // A name typed without an ending gets the chosen kind's ("plot" becomes "plot.png").
        const auto suffixOf = [](const QString& nameFilter) {
            return nameFilter.section("*.", 1, 1).section(QRegularExpression("[ )]"), 0, 0).toLower();
        };
        dialog.setDefaultSuffix(suffixOf(dialog.selectedNameFilter()));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog, suffixOf](const QString& f) { dialog.setDefaultSuffix(suffixOf(f)); });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    saveSetting(folderKey, QFileInfo(chosen).absolutePath());
    return std::filesystem::path(chosen.toStdString());
}

} // namespace

std::optional<std::filesystem::path> QtDialogs::openFile(const std::string& title, const std::string& filter)
{
    return fileDialog(dialogParent(parent_), title, filter, QFileDialog::AcceptOpen, kCsvFolderKey);
}

std::optional<std::filesystem::path> QtDialogs::saveFile(const std::string& title, const std::string& filter)
{
    return fileDialog(dialogParent(parent_), title, filter, QFileDialog::AcceptSave, kPictureFolderKey);
}

std::optional<std::filesystem::path> QtPlatform::backUpFolder()
{
    if (const QString named = qEnvironmentVariable("STEEPLEWATCHER_DRIVE_A"); !named.isEmpty())
        return std::filesystem::path(named.toStdString());
    const QString saved = setting(kBackUpFolderKey);
    if (!saved.isEmpty() && QFileInfo(saved).isDir())
        return std::filesystem::path(saved.toStdString());
    // The first time, or when the disk chosen before is not there: the person
    // chooses the disk (or any folder) that stands for drive A: from now on.
    const QString chosen = QFileDialog::getExistingDirectory(dialogParent(nullptr), kChooseDisk,
                                                             saved.isEmpty() ? removableMediaFolder() : saved);
    if (chosen.isEmpty())
        return std::nullopt;
    saveSetting(kBackUpFolderKey, chosen);
    return std::filesystem::path(chosen.toStdString());
}

bool QtPlatform::printerReady()
{
    if (printer_.outputFormat() != QPrinter::PdfFormat && printer_.outputFileName().isEmpty())
        return true;
    QFileDialog dialog(dialogParent(nullptr), kPrintToFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(kPdfFiles);
    dialog.setDefaultSuffix("pdf");
    if (const QString earlier = printer_.outputFileName(); !earlier.isEmpty())
        dialog.selectFile(earlier);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(dialog.selectedFiles().constFirst());
    return true;
}

void QtPlatform::savePicture(const plot::Drawing& drawing, const std::filesystem::path& path)
{
    render::savePicture(drawing, path);
}

void QtPlatform::printPicture(const plot::Drawing& drawing)
{
    const QImage image = render::paint(drawing);
    QPainter painter;
    if (!painter.begin(&printer_))
        throw text::IoError("The printer could not be started");
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(page.x() + (page.width() - size.width()) / 2, page.y(), size.width(), size.height()),
                      image);
    painter.end();
}

void QtPlatform::printDocument(const richtext::Document& document, const std::string& title,
                               const std::vector<std::string>&)
{
    QTextDocument formatted;
    formatted.setHtml(QString::fromStdString(richtext::toHtml(document)));
    printer_.setDocName(toQt(title));
    formatted.print(&printer_);
}

bool QtPlatform::openUrl(const std::string& address)
{
    const QUrl url(toQt(address), QUrl::StrictMode);
    return url.isValid() && QDesktopServices::openUrl(url);
}

} // namespace ui
