// Main of the suites that test widget-free code: a QCoreApplication (an
// event loop for queued signals, no display) and GoogleTest/GoogleMock.

#include <QCoreApplication>
#include <gmock/gmock.h>

int main(int argc, char **argv)
{
    testing::InitGoogleMock(&argc, argv);
    QCoreApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
