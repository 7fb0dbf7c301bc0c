// What the core reports reaches Qt's categories tarvel.link, tarvel.store and
// tarvel.ui, which stay silent unless logging rules turn them on.
#include <gtest/gtest.h>

#include <QLoggingCategory>
#include <QString>
#include <QStringList>

#include "link/PosixSerialDevice.h"
#include "log/LogCategories.h"
#include "model/LogSink.h"

namespace {

QStringList received;

void collect(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtInfoMsg)
        received << QString::fromUtf8(context.category) + QStringLiteral(" | ") + message;
}

class LogCategoriesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        received.clear();
        previous_ = qInstallMessageHandler(collect);
        tarvel::ui::connectCoreLogToCategories();
    }
    void TearDown() override
    {
        tarvel::log::setSink({});
        qInstallMessageHandler(previous_);
        QLoggingCategory::setFilterRules(QString());
    }

private:
    QtMessageHandler previous_ = nullptr;
};

}  // namespace

TEST_F(LogCategoriesTest, SilentByDefault)
{
    for (auto area : {tarvel::log::Area::Link, tarvel::log::Area::Store, tarvel::log::Area::Ui}) {
        const QLoggingCategory& category = tarvel::ui::logCategory(area);
        EXPECT_FALSE(category.isInfoEnabled()) << category.categoryName();
        EXPECT_TRUE(category.isWarningEnabled()) << category.categoryName();
        tarvel::log::write(area, "not shown");
    }
    EXPECT_TRUE(received.isEmpty()) << received.join(u'\n').toStdString();
}

TEST_F(LogCategoriesTest, EachLayerReachesItsCategoryWhenTurnedOn)
{
    QLoggingCategory::setFilterRules(QStringLiteral("tarvel.*.info=true"));
    tarvel::log::write(tarvel::log::Area::Link, "link reason");
    tarvel::log::write(tarvel::log::Area::Store, "store reason: Permission denied");
    tarvel::log::write(tarvel::log::Area::Ui, "ui reason \xC3\xA9");
    EXPECT_EQ(received, QStringList({QStringLiteral("tarvel.link | link reason"),
                                     QStringLiteral("tarvel.store | store reason: Permission denied"),
                                     QStringLiteral("tarvel.ui | ui reason \u00E9")}));
}

TEST_F(LogCategoriesTest, OneCategoryCanBeTurnedOnAlone)
{
    QLoggingCategory::setFilterRules(QStringLiteral("tarvel.link.info=true"));
    tarvel::log::write(tarvel::log::Area::Store, "store reason");
    tarvel::link::PosixSerialDevice device;
    EXPECT_FALSE(device.open("/dev/tarvel-no-such-port"));
    ASSERT_EQ(received.size(), 1) << received.join(u'\n').toStdString();
    EXPECT_TRUE(received[0].startsWith(QStringLiteral("tarvel.link | ")));
    EXPECT_TRUE(received[0].contains(QStringLiteral("/dev/tarvel-no-such-port: No such file or directory")))
        << received[0].toStdString();
}
