#pragma once
// TParListFm: the report viewer. It lays out its controls, forwards each
// button to the core (app::ParListFm) and mirrors the core's view in its
// widgets. The radius plot's controls are laid out; its button stays
// disabled until the plot exists.
#include "app/parlistfm.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

namespace ui {

class TParListFm : public QWidget {
    Q_OBJECT
public:
    explicit TParListFm(app::ParListFm& core, QWidget* parent = nullptr);
    ~TParListFm() override;

    app::ParListFm& core() { return core_; }
    // Runs one handler: the edited texts go to the core, the handler runs,
    // and the widgets show the core's view.
    void dispatch(void (app::ParListFm::*handler)());

protected:
    // The window's own close box hides it as Close does.
    void closeEvent(QCloseEvent* event) override;

private:
    void pull();
    void push();

    app::ParListFm& core_;
    QPlainTextEdit* richEdit_ = nullptr;
    QLineEdit* scale_ = nullptr;
    QCheckBox* checkBox_ = nullptr;
    std::vector<std::string> shownLines_; // what RichEdit1 shows, as the core last gave it
};

} // namespace ui
