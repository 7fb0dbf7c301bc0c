// The field-by-field comparison of two images and the one image its choices
// give.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/ImageDiff.h"
#include "model/Normalise.h"
#include "model/StartupImage.h"

using namespace tarvel;

namespace {

struct Expected {
    std::string label;
    int row;
    int column;
    int valueA;
    int valueB;
};

struct Case {
    const char* what;
    std::function<void(ParamImage&)> changeB;
    std::vector<Expected> rows;
};

}  // namespace

TEST(ImageDiff, ReportsEachDifferingFieldWithItsPlaceAndUserValues)
{
    const Case cases[] = {
        {"one field in user units", [](ParamImage& b) { b[fld::limiter] = 110; }, {{"limiter", -1, -1, 10000, 11000}}},
        {"signed scaling", [](ParamImage& b) { b[fld::tachoCorrection] = 90; }, {{"tachoCorrection", -1, -1, 0, -10}}},
        {"a map cell: throttle row and speed column",
         [](ParamImage& b) { b.advance(3, 5) = static_cast<std::uint8_t>(b.advance(3, 5) + 4); },
         {{"ADVANCE[4,6]", 3, 5, -1, -1}}},
        {"a curve point",
         [](ParamImage& b) { b[fld::servoMv + 4] = static_cast<std::uint8_t>(b[fld::servoMv + 4] + 1); },
         {{"SERVO_MV[5]", -1, 4, -1, -1}}},
        {"a per-channel value",
         [](ParamImage& b) { b[fld::maxAdvEdge2 + 2] ^= 1; },
         {{"maxAdvEdge2[3]", -1, 2, -1, -1}}},
        {"the closing bits, one row per bit",
         [](ParamImage& b) { b[fld::closingActive] ^= 0x05; },
         {{"closingActive.bit0", -1, -1, -1, -1}, {"closingActive.bit2", -1, -1, -1, -1}}},
        {"a closingActive bit no field names",
         [](ParamImage& b) { b[fld::closingActive] ^= 0x80; },
         {{"closingActive.otherBits", -1, -1, -1, -1}}},
        {"a reserved byte from the unit",
         [](ParamImage& b) { b[fld::reserved55 + 1] = 9; },
         {{"reserved55[2]", -1, 1, 0, 9}}},
        {"equal once normalised (gas1 above gas2 is pulled down)",
         [](ParamImage& b) {
             b[fld::gas2] = 40;
             b[fld::gas1] = 90;
         },
         {}},
        {"a speed axis that normalisation repairs",
         [](ParamImage& b) { b[fld::mapRpm + 9] = 0; },
         {{"RPM_ADV[10]", -1, 9, -1, -1}}},
        {"the spare bytes are not parameters", [](ParamImage& b) { b.spare()[3] = 77; }, {}},
    };
    ParamImage a = StartupImage();
    a[fld::gas2] = 40;
    a[fld::gas1] = 40;
    a[fld::limiter] = 100;
    a[fld::tachoCorrection] = 100;
    NormaliseImage(a);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ParamImage b = a;
        c.changeB(b);
        const ImageDiff diff(a, b);
        ASSERT_EQ(diff.count(), static_cast<int>(c.rows.size()));
        EXPECT_EQ(diff.equal(), c.rows.empty());
        EXPECT_EQ(CountDifferences(a, b), diff.count());
        for (std::size_t i = 0; i < c.rows.size(); ++i) {
            const ImageDiff::Row& row = diff.rows()[i];
            const Expected& want = c.rows[i];
            EXPECT_EQ(row.label(), want.label);
            EXPECT_EQ(row.row, want.row);
            EXPECT_EQ(row.column, want.column);
            if (want.valueA != -1 || want.valueB != -1) {
                EXPECT_EQ(row.valueA, want.valueA);
                EXPECT_EQ(row.valueB, want.valueB);
            }
            EXPECT_NE(row.valueA, row.valueB);
        }
        // Taking everything gives B as the window would hold it; keeping
        // everything gives A back.
        ImageDiff choice = diff;
        choice.takeAll();
        ParamImage normalisedB = b;
        NormaliseImage(normalisedB);
        EXPECT_TRUE(std::equal(normalisedB.bytes.begin(), normalisedB.bytes.begin() + kImageSize,
                               choice.result().bytes.begin()));
        choice.keepAll();
        EXPECT_EQ(choice.result(), a);
    }
}

TEST(ImageDiff, RowsCarryTheControlNameForCaptionsAndTheKeyword)
{
    ParamImage a = StartupImage();
    ParamImage b = a;
    b.advance(0, 0) = static_cast<std::uint8_t>(b.advance(0, 0) + 1);
    b[fld::closingActive] ^= 0x04;
    b[fld::reserved14] = 3;
    const ImageDiff diff(a, b);
    ASSERT_EQ(diff.count(), 3);  // in image order
    EXPECT_EQ(diff.rows()[0].label(), "reserved14");
    EXPECT_EQ(diff.rows()[0].controlName(), "");
    EXPECT_EQ(diff.rows()[0].keyword(), nullptr);
    EXPECT_EQ(diff.rows()[1].controlName(), "CheckBoxAktClutch");
    EXPECT_STREQ(diff.rows()[1].keyword(), "INPUT");
    EXPECT_EQ(diff.rows()[1].label(), "closingActive.bit2");
    EXPECT_EQ(diff.rows()[2].controlName(), "UpDown50");
    EXPECT_STREQ(diff.rows()[2].keyword(), "ADVANCE");
    EXPECT_EQ(diff.summary(), "3 fields differ");
    EXPECT_EQ(ImageDiff(a, a).summary(), "no fields differ");
}

TEST(ImageDiff, ChoicesMixPerRowAndTheResultIsNormalisedWithTheWindowsSpareBytes)
{
    ParamImage a = StartupImage();
    a.spare()[0] = 2;  // the window's application state stays
    ParamImage b = a;
    b.spare()[0] = 0;
    b[fld::limiter] = 120;
    b[fld::closingActive] ^= 0x03;
    b[fld::gas2] = 10;  // taking gas2 alone pulls the window's gas1 down with it
    a[fld::gas1] = 30;
    a[fld::gas2] = 50;

    ImageDiff diff(a, b);
    ASSERT_EQ(diff.count(), 5);  // bit0, bit1, limiter, gas1, gas2
    std::vector<std::string> labels;
    for (const auto& r : diff.rows())
        labels.push_back(r.label());
    EXPECT_EQ(labels,
              (std::vector<std::string>{"limiter", "closingActive.bit0", "closingActive.bit1", "gas1", "gas2"}));
    diff.setTake(2, true);   // bit 1 only
    diff.setTake(4, true);   // gas2
    diff.setTake(99, true);  // out of range: nothing
    EXPECT_EQ(diff.takenCount(), 2);
    const ParamImage r = diff.result();
    EXPECT_EQ(r[fld::limiter], a[fld::limiter]);
    EXPECT_EQ(r[fld::closingActive] & 0x03, (a[fld::closingActive] & 0x01) | (b[fld::closingActive] & 0x02));
    EXPECT_EQ(r[fld::gas2], 10);
    EXPECT_EQ(r[fld::gas1], 10);
    EXPECT_EQ(r.spare()[0], 2);
}
