#pragma once
// The program's other windows, created hidden at start and shown on demand.
// For now they are empty frames with their names and captions.
#include <QWidget>

#include <memory>
#include <string_view>

namespace ui {

class TAboutBox : public QWidget {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
};

class TReadMefm : public QWidget {
    Q_OBJECT
public:
    explicit TReadMefm(QWidget* parent = nullptr);
};

class TLicencefm : public QWidget {
    Q_OBJECT
public:
    explicit TLicencefm(QWidget* parent = nullptr);
};

class TUpdatefm : public QWidget {
    Q_OBJECT
public:
    explicit TUpdatefm(QWidget* parent = nullptr);
};

class TCodesFm : public QWidget {
    Q_OBJECT
public:
    explicit TCodesFm(QWidget* parent = nullptr);
};

class TPlotFm : public QWidget {
    Q_OBJECT
public:
    explicit TPlotFm(QWidget* parent = nullptr);
};

class TMyTextfm : public QWidget {
    Q_OBJECT
public:
    explicit TMyTextfm(QWidget* parent = nullptr);
};

class TPlotDataFm : public QWidget {
    Q_OBJECT
public:
    explicit TPlotDataFm(QWidget* parent = nullptr);
};

class TLocPlotfm : public QWidget {
    Q_OBJECT
public:
    explicit TLocPlotfm(QWidget* parent = nullptr);
};

// The window of a form name other than the main window's, the report
// viewer's and the map sheet window's (which are made from their cores), hidden; null for other names.
std::unique_ptr<QWidget> createForm(std::string_view formName);

} // namespace ui
