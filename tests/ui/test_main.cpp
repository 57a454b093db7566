// The UI tests need a QApplication, on the offscreen platform unless told otherwise.
#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (!platform || !*platform)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
