#pragma once
// TMapfm: the map sheet window. It lays out its panel, labels and the list
// of sheets, forwards its two buttons to the core (app::Mapfm) and shows the
// core's lines. It is application-modal: while it is on screen the other
// windows take no input.
#include "app/mapfm.h"

#include <QWidget>

#include <string>
#include <vector>

class QPlainTextEdit;

namespace ui {

class TMapfm : public QWidget {
    Q_OBJECT
public:
    explicit TMapfm(app::Mapfm& core, QWidget* parent = nullptr);
    ~TMapfm() override;

    app::Mapfm& core() { return core_; }
    // Runs one handler and shows the core's view.
    void dispatch(void (app::Mapfm::*handler)());

protected:
    // The window's own close box closes it as the close button does.
    void closeEvent(QCloseEvent* event) override;
    // Centred on the screen each time it is shown.
    void showEvent(QShowEvent* event) override;

private:
    void push();

    app::Mapfm& core_;
    QPlainTextEdit* richEdit_ = nullptr;
};

// The address of the mapping agency's page on the Landranger series.
inline constexpr const char* kLandrangerPage = "www.ordnancesurvey.co.uk/products/Landranger/index.htm";

} // namespace ui
