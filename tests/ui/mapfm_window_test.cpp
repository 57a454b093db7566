// The map sheet window opened from the main window's menu, its texts, its
// close button, and Show Location handing its address to the desktop.
#include "window_fixture.h"

#include "app/parishfm.h"
#include "maps/map_sheet_record.h"
#include "support/data_files.h"
#include "ui/mapfm_window.h"
#include "ui/qt_ports.h"
#include "ui/qt_text.h"

#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>

namespace {

using driver::Answer;

std::string sheet128()
{
    maps::MapSheetRecord r;
    using maps::SheetField;
    r.set(SheetField::SeriesCode, "LR");
    r.set(SheetField::SheetNo, "128");
    r.set(SheetField::WestKm, "400");
    r.set(SheetField::SouthKm, " 300");
    r.set(SheetField::InsetFlag, "N");
    r.set(SheetField::EastKm, "440");
    r.set(SheetField::NorthKm, " 340");
    return std::string(r.bytes.data(), r.bytes.size());
}

class MapWindowTest : public uitest::WindowTest {
protected:
    void openMapWindow()
    {
        testsupport::writeDataFile(dir_ / "Parishes.Dat",
                                   {testsupport::versionRecord(),
                                    testsupport::parish("Ashby-de-la-Zouch", "T", "LEI", "ENG", "SK3515", 435, 315)});
        testsupport::writeBytes(dir_ / "MapList.Dat", sheet128());
        open();
        map_ = std::make_unique<ui::TMapfm>(window().core().mapFm());
        window().dispatch([](app::Parishfm& core) { core.StepForward(); });
        takeTranscript();
    }
    QString label(const char* name) { return map_->findChild<QLabel*>(name)->text(); }
    QString richText() { return map_->findChild<QPlainTextEdit*>("RichEdit1")->toPlainText(); }

    std::unique_ptr<ui::TMapfm> map_;
};

// Records the addresses the desktop is asked to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

TEST_F(MapWindowTest, TheMenuItemShowsTheSheetsOfTheRecordOnShow)
{
    openMapWindow();
    QAction* item = window().findChild<QAction*>("OSMapData1");
    ASSERT_NE(item, nullptr);
    ASSERT_TRUE(item->isEnabled());
    item->trigger();
    EXPECT_EQ(takeTranscript(), "show Mapfm\n");
    EXPECT_EQ(text("Parish1"), "Ashby-de-la-Zouch, T, LEI, ENG");
    EXPECT_EQ(richText(), QString("Ashby-de-la-Zouch, T, LEI, ENG, SK3515,    435,    315, will be found on:- \n"
                                  " \n"
                                  "Landranger  Sheet No. 128 and will be 35Km from the Western edge of the Map\n")
                              + QString(45, ' ') + "and 15Km from the Southern Edge of the Map.\n \nDone");

    map_->findChild<QPushButton*>("BitBtn1")->click();
    EXPECT_EQ(takeTranscript(), "hide Mapfm\n");
    EXPECT_FALSE(window().core().mapFm().view.visible);
}

TEST_F(MapWindowTest, CaptionControlsAndTexts)
{
    openMapWindow();
    EXPECT_EQ(map_->windowTitle(), "OS Maps");
    EXPECT_EQ(map_->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(map_->size(), QSize(607, 376));
    EXPECT_FALSE(map_->isVisible());
    EXPECT_EQ(map_->findChild<QPushButton*>("Printbn")->text(), "&Print");
    ASSERT_NE(map_->findChild<QWidget*>("Panel1"), nullptr);
    struct Text {
        const char* label;
        const char* text;
    } texts[] = {
        {"Label1", "Ordnance Survey Map Index "},
        {"Label2", "The Landranger(R) Series of maps to a scale of 1:50,000 or  1\u00BC miles to the inch, each cover "
                   "an area  40km (25 miles) square."},
        {"Label3", "There are 204 in the series to cover mainland UK."},
        {"Label5", "Details are available online from www.ordnancesurvey.co.uk/products/Landranger/index.htm"},
        {"Lablel4", "The Discovery Series of maps also to a scale of 1:50000 each cover an area of approx 40km  by "
                    "30km "},
        {"Label6", "There are 89 in the series to cover the whole of Ireland. "},
        {"Label4", "Some sheets overlap.  Users are urged to check which sheet is most appropriate for their needs."},
    };
    for (const Text& t : texts)
        EXPECT_EQ(label(t.label), QString::fromUtf8(t.text)) << t.label;
    EXPECT_FALSE(label("Label7").isEmpty());
}

TEST_F(MapWindowTest, ShowLocationHandsTheExactAddressToTheDesktop)
{
    openMapWindow();
    ui::QtPlatform desktop;
    app::Parishfm core(app::Ports{person_, person_, desktop}, dir_.path());
    core.FormCreate();
    core.StepForward();
    takeTranscript();

    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("http", &catcher, "open");
    answer(Answer::Kind::Yes);
    core.run(&app::Parishfm::ShowLocation2Click);
    QDesktopServices::unsetUrlHandler("http");
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened[0].toString(QUrl::FullyEncoded),
              "http://www.streetmap.co.uk/streetmap.dll?grid2map?X=435500&Y=315500&arrow=Y&zoom=5");
    EXPECT_EQ(takeTranscript().find("message"), std::string::npos);

    // With no browser to ask, the person is told.
    answer(Answer::Kind::Yes);
    core.run(&app::Parishfm::ShowLocation2Click);
    std::string said = takeTranscript();
    EXPECT_NE(said.find("message \"Sorry.  Unable to find a default Internet Browser.\""), std::string::npos) << said;
}

} // namespace

#include "mapfm_window_test.moc"
