// SPDX-License-Identifier: GPL-3.0-or-later
// The map sheet dialog opened from the Maps menu, and Show Location handing
// its address to the desktop.
#include "ui_fixture.h"

#include "app/map_sheet_window.h"
#include "support/data_files.h"
#include "ui/qt_ports.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

namespace uitest {
namespace {

class MapTest : public DesktopTest {
protected:
    void SetUp() override
    {
        writeParishes({testsupport::versionRecord(),
                       testsupport::parish("Ashby-de-la-Zouch", "T", "LEI", "ENG", "SK3515", 435, 315)});
        testsupport::writeBytes(
            dir_ / "MapList.Dat",
            testsupport::mapListBytes({testsupport::mapSheet("LR", "128", "400", " 300", "N", "440", " 340")}));
    }
};

TEST_F(MapTest, OsMapDataShowsTheSheetsApplicationModalUntilClosed)
{
    start();
    press(Qt::Key_Down);
    choose("OSMapData1");
    ui::FormWindow& sheets = window("Mapfm");
    ASSERT_TRUE(sheets.isVisible());
    EXPECT_EQ(sheets.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(QApplication::activeModalWidget(), &sheets);
    const auto& core = static_cast<const app::MapSheetWindow&>(sheets.core());
    EXPECT_EQ(lines("Mapfm", "RichEdit1"), core.view().RichEdit1);
    EXPECT_NE(lines("Mapfm", "RichEdit1").at(2).find("Sheet No. 128"), std::string::npos);

    click("Mapfm", "BitBtn1");
    EXPECT_FALSE(sheets.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(person_.take(), std::vector<Shown>{});
}

// Records the addresses the desktop is asked to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QStringList opened;
public slots:
    void open(const QUrl& url) { opened << url.toString(QUrl::FullyEncoded); }
};

TEST_F(MapTest, ShowLocationHandsTheExactAddressToTheDesktop)
{
    ui::QtPlatform desktop;
    platform_ = &desktop;
    start();
    press(Qt::Key_Down);
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("http", &catcher, "open");
    person_.answer("Yes");
    choose("ShowLocation2");
    QDesktopServices::unsetUrlHandler("http");
    EXPECT_EQ(catcher.opened,
              QStringList{"http://www.streetmap.co.uk/streetmap.dll?grid2map?X=435500&Y=315500&arrow=Y&zoom=5"});
    ASSERT_EQ(person_.take().size(), 1u); // the question only
    desktop_.reset();
}

} // namespace
} // namespace uitest

#include "map_sheet_test.moc"
