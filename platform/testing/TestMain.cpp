// The main of every test program that touches Qt: an offscreen application with the Fusion style
// and one pinned font, so that drawing and measuring tests see the same pixels on every machine,
// and the production services in place until a test puts its own.

#include "platform/controls/qt/ProductionServices.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        // Qt wants a private runtime folder; CI and containers often have none.
        const auto runtimeDir = std::filesystem::temp_directory_path() / ("skelda-runtime-" + std::to_string(::getuid()));
        std::filesystem::create_directories(runtimeDir);
        std::filesystem::permissions(runtimeDir, std::filesystem::perms::owner_all, std::filesystem::perm_options::replace);
        ::setenv("XDG_RUNTIME_DIR", runtimeDir.c_str(), 1);
    }
    QApplication::setDesktopSettingsAware(false);
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont pinned(QStringLiteral("DejaVu Sans"));
    pinned.setPixelSize(11);
    pinned.setHintingPreference(QFont::PreferFullHinting);
    QApplication::setFont(pinned);
    plat::InstallProductionServices();

    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
