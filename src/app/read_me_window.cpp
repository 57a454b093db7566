// SPDX-License-Identifier: GPL-3.0-or-later
#include "read_me_window.h"

#include "app/messages.h"
#include "records/working_files.h"
#include "richtext/rtf_reader.h"
#include "text/file_lookup.h"
#include "text/text_file.h"

namespace app {

ReadMeWindow::ReadMeWindow(Ports ports, Dispatcher& dispatcher, std::filesystem::path workingDirectory)
    : Window("ReadMefm", "Read Me", ports, dispatcher), workingDirectory_(std::move(workingDirectory))
{
    using K = ControlKind;
    controls_ = {
        {.name = "Panel1", .kind = K::Group},
        {.name = "Label2", .kind = K::Label, .caption = "Steeplewatcher", .parent = "Panel1"},
        {.name = "Print", .kind = K::Button, .caption = "&Print", .parent = "Panel1", .onClick = [this] { print(); }},
        {.name = "BitBtn1", .kind = K::Button, .caption = "&Close", .parent = "Panel1", .onClick = [this] { hide(); }},
        {.name = "RichEdit1", .kind = K::RichText, .lines = &lines_, .document = &document_},
    };
}

void ReadMeWindow::onShow()
{
    const std::optional<std::filesystem::path> file = text::findFile(workingDirectory_, files::kReadMe);
    if (!file) {
        // The text loaded before stays.
        ports_.dialogs.message(std::string(msg::kNoReadMeFile));
        return;
    }
    auto document = std::make_shared<const richtext::Document>(richtext::readRtf(text::readFile(*file)));
    lines_ = richtext::plainLines(*document);
    document_ = std::move(document);
}

void ReadMeWindow::print()
{
    if (ports_.dialogs.printDialog())
        ports_.platform.printDocument(document_ ? *document_ : richtext::Document{}, std::string(files::kReadMe),
                                      lines_);
}

} // namespace app
