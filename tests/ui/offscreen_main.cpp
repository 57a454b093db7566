// SPDX-License-Identifier: GPL-3.0-or-later
// The main of the Qt tests: Qt's offscreen platform unless the run names
// another, and the windows' remembered sizes and the chosen folders in a
// settings file of the run's own.
#include "support/temp_dir.h"

#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const testsupport::TempDir settings;
    setenv("XDG_CONFIG_HOME", settings.path().c_str(), 1);
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
