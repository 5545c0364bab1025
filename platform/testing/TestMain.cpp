// The main of every test program that touches Qt: an offscreen application with the Fusion style
// and one pinned font, so that drawing and measuring tests see the same pixels on every machine.

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication::setDesktopSettingsAware(false);
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont pinned(QStringLiteral("DejaVu Sans"));
    pinned.setPixelSize(11);
    pinned.setHintingPreference(QFont::PreferFullHinting);
    QApplication::setFont(pinned);

    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
