// Finding a parish with the real search box, buttons and history list, and
// the history surviving a restart.
#include "window_fixture.h"

#include "records/record_line.h"
#include "support/data_files.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace uitest {
namespace {

using testsupport::parish;

class SearchTest : public WindowTest {
protected:
    std::vector<records::ParishRecord> file = {
        testsupport::versionRecord(),
        parish("Aston", "A", "WAR", "ENG", "SP0888", 408, 288),
        parish("Ashby", "A", "LEI", "ENG", "SK3516", 435, 316),
        parish("Ashby Magna", "A", "LEI", "ENG", "SP5689", 456, 289),
        parish("Bastow", "A", "KEN", "ENG", "TQ0000", 500, 100),
    };
    void SetUp() override { testsupport::writeDataFile(dir_ / "Parishes.Dat", file); }

    void type(const char* text)
    {
        tarPar().lineEdit()->selectAll();
        QTest::keyClicks(tarPar().lineEdit(), text);
    }
    QPushButton* button(const char* name) { return window().findChild<QPushButton*>(name); }
    std::string current() { return lines("Memo3").at(0); }
};

TEST_F(SearchTest, EnterOrFindFirstFindsTheFirstMatchAndRemembersTheText)
{
    open();
    tarPar().setFocus();
    type("ash");
    QTest::keyClick(tarPar().lineEdit(), Qt::Key_Return);
    EXPECT_EQ(current(), records::recordLine(file[2]));
    EXPECT_EQ(text("Progress"), "2");
    EXPECT_EQ(tarPar().count(), 1);
    EXPECT_EQ(tarPar().itemText(0), "ash");
    EXPECT_EQ(tarPar().currentText(), "ash");
    EXPECT_TRUE(tarPar().hasFocus() || tarPar().lineEdit()->hasFocus());

    QTest::mouseClick(button("FindNext"), Qt::LeftButton);
    EXPECT_EQ(text("Progress"), "3");
    QTest::mouseClick(button("FindNext"), Qt::LeftButton);
    EXPECT_EQ(takeTranscript(), "message \"No Matching Name Found\"\n");
    EXPECT_EQ(current(), records::recordLine(file[0]));

    type("4");
    QTest::mouseClick(button("FindFirst"), Qt::LeftButton);
    EXPECT_EQ(current(), records::recordLine(file[4]));
    EXPECT_EQ(tarPar().count(), 2); // "4" joined the history when the box lost the focus
}

TEST_F(SearchTest, AHistoryItemPickedFromTheListIsABookmark)
{
    testsupport::writeBytes(dir_ / "HistList.txt", "3\r\nash\r\n");
    open();
    ASSERT_EQ(tarPar().count(), 2);
    EXPECT_EQ(tarPar().currentText(), ""); // loading the history leaves the box empty
    tarPar().setFocus();
    tarPar().setCurrentIndex(0); // as choosing it from the drop-down list does
    QTest::mouseClick(button("FindFirst"), Qt::LeftButton);
    EXPECT_EQ(current(), records::recordLine(file[3]));
    EXPECT_EQ(tarPar().count(), 2);
}

TEST_F(SearchTest, TheHistoryIsSavedOnCloseAndLoadedAtTheNextStart)
{
    open();
    tarPar().setFocus();
    type("ash");
    QTest::keyClick(tarPar().lineEdit(), Qt::Key_Return);
    answer(driver::Answer::Kind::OK);
    window().close();
    EXPECT_EQ(testsupport::readBytes(dir_ / "HistList.txt"), "ash\r\n");
    window_.reset();

    open();
    ASSERT_EQ(tarPar().count(), 1);
    EXPECT_EQ(tarPar().itemText(0), "ash");
}

} // namespace
} // namespace uitest
