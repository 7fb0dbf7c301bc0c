// Widget tests run on the offscreen platform with one application object.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QLocale>

#include "ProgramStyle.h"

int main(int argc, char* argv[])
{
    // Offscreen, on one screen of 1280 x 1024, where the window has its
    // design size (a test run may name another platform).
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TARVEL_TEST_SCREEN);
    QApplication app(argc, argv);
    QApplication::setStyle(new tarvel::ProgramStyle());
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    QApplication::setFont(font);
    // Thousands are grouped with a comma unless a test picks another locale.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
