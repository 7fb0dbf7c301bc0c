#include <gtest/gtest.h>

#include "model/FieldTable.h"
#include "model/ParamImage.h"

using namespace tarvel;

TEST(ParamImage, BikeListConversionRoundTripsAllCodes)
{
    for (int code = 0; code < 32; ++code) {
        auto pos = bikeListPosition(static_cast<std::uint8_t>(code));
        ASSERT_TRUE(pos);
        EXPECT_EQ(bikeCodeAtListPosition(*pos), code);
    }
    EXPECT_EQ(bikeListPosition(20), 28);
    EXPECT_EQ(bikeCodeAtListPosition(31), 22);
    EXPECT_FALSE(bikeListPosition(32));
    EXPECT_FALSE(bikeCodeAtListPosition(32));
    EXPECT_FALSE(bikeCodeAtListPosition(-1));
}
