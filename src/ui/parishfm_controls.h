#pragma once
// The controls of the main window: one table of names, kinds, positions,
// captions, hints and looks, and the widgets built from it.
#include <QFont>
#include <QWidget>

#include <string_view>
#include <utility>
#include <vector>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace ui {

enum class ControlKind { Label, ComboBox, Button, GroupBox, RadioButton, TextView, Edit, ReadOnlyEdit };
enum class Look { Plain, Yellow, Aqua, Title, Purple, Grey, FixedPitch };

struct ControlSpec {
    std::string_view name;
    ControlKind kind;
    int left, top, width, height; // in the client area below the menu bar, or in the parent control
    std::string_view caption = {}; // caption or design text, with accelerator markup
    std::string_view hint = {};
    Look look = Look::Plain;
    std::string_view parent = {};
};

extern const std::vector<ControlSpec> kParishfmControls;

// The main window's fonts: the window's own, and the fixed-pitch one of the
// record views (an 81-character record line fits their width).
QFont windowFont();
QFont fixedPitchFont();

// How long a control's hint stays up.
inline constexpr int kHintMilliseconds = 5000;

// The widgets that the window reads from and writes to.
struct ParishfmControls {
    QComboBox* TarPar = nullptr;
    QLineEdit* Radius = nullptr;
    QRadioButton* AnyRb = nullptr;
    QRadioButton* StartRb = nullptr;
    std::vector<std::pair<std::string_view, QLineEdit*>> edits;
    std::vector<std::pair<std::string_view, QPlainTextEdit*>> textViews;
    std::vector<std::pair<std::string_view, QPushButton*>> buttons;
};

// Builds every control of the table on client, with the tab order of the window.
ParishfmControls buildParishfmControls(QWidget& client);

} // namespace ui
