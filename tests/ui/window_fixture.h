#pragma once
// A main window on a data file in a fresh folder, with ScriptPorts as the
// person: it answers the dialogs from a queue and writes what it saw and heard.
#include "driver/script_ports.h"
#include "records/parish_record.h"
#include "support/temp_dir.h"
#include "ui/parishfm_window.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;

namespace uitest {

class WindowTest : public ::testing::Test {
protected:
    // The version record and n numbered parishes.
    std::vector<records::ParishRecord> writeParishes(int n);
    // Creates and shows the window (its FormCreate runs).
    void open();

    ui::TParishfm& window() { return *window_; }
    QComboBox& tarPar();
    // Texts of widgets as cp1252, as the core holds them.
    std::string text(const char* lineEdit);
    std::vector<std::string> lines(const char* textView);
    // What the person saw and heard since the last call.
    std::string takeTranscript();
    void answer(driver::Answer::Kind kind) { person_.answers().push_back({kind, {}}); }

    testsupport::TempDir dir_;
    std::ostringstream transcript_;
    driver::ScriptPorts person_{transcript_};
    std::unique_ptr<ui::TParishfm> window_;
};

// Presses a key on the widget that has the focus in the window.
void press(ui::TParishfm& window, int qtKey);

} // namespace uitest
