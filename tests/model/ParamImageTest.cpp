#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/FieldTable.h"
#include "model/ParamImage.h"

using namespace tarvel;

TEST(ParamImage, BikeListConversionRoundTripsAllCodes)
{
    std::set<int> positions;
    for (int code = 0; code < 32; ++code) {
        auto pos = bikeListPosition(static_cast<std::uint8_t>(code));
        ASSERT_TRUE(pos);
        positions.insert(*pos);
        EXPECT_EQ(bikeCodeAtListPosition(*pos), code);
    }
    EXPECT_EQ(positions.size(), 32u);
    EXPECT_EQ(bikeListPosition(20), 28);
    EXPECT_EQ(bikeCodeAtListPosition(31), 22);
    EXPECT_FALSE(bikeListPosition(32));
    EXPECT_FALSE(bikeCodeAtListPosition(32));
    EXPECT_FALSE(bikeCodeAtListPosition(-1));
}

TEST(ParamImage, IgnitionMultipleListPositions)
{
    const int positionOfByte[4] = {3, 0, 1, 2};
    for (int byte = 0; byte < 4; ++byte) {
        EXPECT_EQ(ignitionMultiplePosition(static_cast<std::uint8_t>(byte)), positionOfByte[byte]);
        EXPECT_EQ(ignitionMultipleByte(positionOfByte[byte]), byte);
    }
}

TEST(ParamImage, PagesAndMapAddressing)
{
    ParamImage image;
    image.advance(0, 9) = 1;
    image.advance(9, 0) = 2;
    EXPECT_EQ(image[fld::advance + 9], 1);
    EXPECT_EQ(image[fld::advance + 90], 2);
    EXPECT_EQ(image.page(2)[9], 1);
    EXPECT_EQ(&image.page(1)[0], &image[0]);
    EXPECT_EQ(&image.page(2)[0], &image[kPageSize]);
    EXPECT_EQ(&image.spare()[0], &image[kImageSize]);
}

// Every byte of the 207-byte block belongs to exactly one descriptor
// (closingActive once per bit), so no field is forgotten by the binding or
// the file, and no two fields claim one byte.
TEST(FieldTable, CoversEveryByteOnce)
{
    int owners[kBlockSize] = {};
    int closingBits = 0;
    for (const FieldDescriptor& d : fieldTable()) {
        if (d.kind == ControlKind::ClosingBit) {
            EXPECT_EQ(d.byte, fld::closingActive);
            closingBits |= 1 << d.bit;
            continue;
        }
        for (int e = 0; e < d.count; ++e)
            ++owners[d.imageByte(e)];
    }
    ++owners[fld::closingActive];
    for (int b = 0; b < kBlockSize; ++b)
        EXPECT_EQ(owners[b], 1) << "byte " << b;
    EXPECT_EQ(closingBits, 0x3F);
}

TEST(FieldTable, ControlNames)
{
    EXPECT_EQ(findField("advance")->controlName(0), "UpDown50");
    EXPECT_EQ(findField("advance")->editName(99), "Edit149");
    EXPECT_EQ(findField("mapRpm")->controlName(2), "UpDownRpmAdv3");
    EXPECT_EQ(findField("limiter")->editName(0), "EditOmez2");
    EXPECT_EQ(findField("startAdvPickup2")->controlName(3), "CheckBoxPalec4EndP2");
    EXPECT_EQ(findField("nothing"), nullptr);
}

// Control values in user units, both ways, as the encoding of each field says.
TEST(FieldTable, ControlValueConversions)
{
    struct Case {
        const char* field;
        int element;
        std::uint8_t byte;
        int shown;
    };
    const Case cases[] = {
        {"tps100", 0, 0, 2500},          {"tps100", 0, 225, 4750},       {"tps0", 0, 70, 700},
        {"tachoCorrection", 0, 40, -60}, {"tachoCorrection", 0, 100, 0}, {"tachoCorrection", 0, 160, 60},
        {"limiter", 0, 110, 11000},      {"servoMv", 3, 100, 2000},      {"servoHysteresis", 0, 20, 100},
        {"ignitionMultiple", 0, 0, 3},   {"bikeCode", 0, 20, 28},        {"noReading", 0, 1, 1},
    };
    for (const Case& c : cases) {
        const FieldDescriptor* d = findField(c.field);
        ASSERT_NE(d, nullptr) << c.field;
        ParamImage image;
        image[d->imageByte(c.element)] = c.byte;
        EXPECT_EQ(d->controlValue(image, c.element), c.shown) << c.field;
        ParamImage back;
        d->setControlValue(back, c.element, c.shown);
        EXPECT_EQ(back[d->imageByte(c.element)], c.byte) << c.field;
    }
}

TEST(FieldTable, ControlValueEdges)
{
    ParamImage image;
    const FieldDescriptor* tps100 = findField("tps100");
    tps100->setControlValue(image, 0, 2500);  // 2500 mV stores 0, not 250
    EXPECT_EQ(image[fld::tps100], 0);
    const FieldDescriptor* limiter = findField("limiter");
    limiter->setControlValue(image, 0, 15050);  // finer than the step: truncated
    EXPECT_EQ(image[fld::limiter], 150);
    image[fld::noReading] = 2;  // any nonzero flag shows checked and is stored back as 1
    const FieldDescriptor* noReading = findField("noReading");
    noReading->setControlValue(image, 0, noReading->controlValue(image, 0));
    EXPECT_EQ(image[fld::noReading], 1);
    image[fld::bikeCode] = 7;
    findField("bikeCode")->setControlValue(image, 0, 40);  // no such list position
    EXPECT_EQ(image[fld::bikeCode], 7);
    findField("bikeCode")->setControlValue(image, 0, 31);
    EXPECT_EQ(image[fld::bikeCode], 22);

    image[fld::closingActive] = 0;
    for (const FieldDescriptor& d : fieldTable())
        if (d.kind == ControlKind::ClosingBit && d.bit % 2 == 1)
            d.setControlValue(image, 0, 1);
    EXPECT_EQ(image[fld::closingActive], 0b101010);
}

// The special cases of the binding are rows of the table: the method list
// shows no row beyond its nine, the compensation is read in test mode only,
// a closing bit clears the two bits without a control.
TEST(FieldTable, ReadingAndShowingControlsFollowTheTableOnly)
{
    const FieldDescriptor* sync = findField("syncMode");
    ParamImage image;
    for (auto [byte, row] : {std::pair{0, 0}, {8, 8}, {9, -1}, {255, -1}}) {
        image[fld::syncMode] = static_cast<std::uint8_t>(byte);
        EXPECT_EQ(sync->controlValue(image, 0), row) << byte;
    }
    sync->readControl(image, 0, -1, false);  // no row chosen
    EXPECT_EQ(image[fld::syncMode], 255);
    EXPECT_TRUE(findField("bikeCode")->noRowKeepsSelection);
    EXPECT_FALSE(sync->noRowKeepsSelection);

    const FieldDescriptor* compensation = findField("compensation");
    for (int e = 0; e < 4; ++e) {
        compensation->readControl(image, e, 30 + e, false);
        EXPECT_EQ(image[fld::compensation + e], 11) << e;
        compensation->readControl(image, e, 30 + e, true);
        EXPECT_EQ(image[fld::compensation + e], 30 + e) << e;
    }
    const FieldDescriptor* limiter = findField("limiter");
    limiter->readControl(image, 0, 12000, false);
    EXPECT_EQ(image[fld::limiter], 120);

    image[fld::closingActive] = 0xC1;
    for (const FieldDescriptor& d : fieldTable())
        if (d.kind == ControlKind::ClosingBit)
            d.readControl(image, 0, d.bit == 2 ? 1 : 0, false);
    EXPECT_EQ(image[fld::closingActive], 0b100);
}
