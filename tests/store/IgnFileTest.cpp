#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "model/FieldTable.h"
#include "model/Normalise.h"
#include "model/ParamImage.h"
#include "model/StartupImage.h"
#include "store/IgnFileReader.h"
#include "store/IgnFileWriter.h"
#include "store/IgnKeywords.h"

using namespace tarvel;

namespace {

// The file of the start-up image (default set, "Yamaha R6" keying), one
// listing line per file line; trailing blanks matter.
const char* const kStartupListing = R"(KORVANEX_KEY   48 

BIKE           20 
                1     5     2 
                1     1     0 
                2     1     0 
                3     1     0 
                4     1     0 
                0     0     0 
                0     0     0 
                0     0     0 
                0     0     0 
            
                1    11    11    11    11 
GEBER_MODE      1 
INPUT           0     0 
                1     1     1     1     1     1 
BASE_ADV       10 
LIMITER        50   100   110 
START_LIMITER_DELAY     0 
PILOT_LIGHT  9000 
CLUTCH        100   500 

TPS           700  3790 
RPM             2     0 
EXCITATION      0
TPS_MAPA        0

RPM_ADV      1500  2000  3000  4000  5000  6000  7000  8000  9000 10000 

ADVANCE        10    13    16    25    28    32    33    33    33    33 
               10    16    22    31    33    35    35    35    35    35 
               10    24    35    44    45    45    43    41    41    41 
               10    19    32    39    45    47    46    43    43    43 
               10    12    15    25    31    33    32    32    32    31 
               10    12    16    25    28    30    33    32    32    32 
               10    12    16    25    28    30    33    31    33    31 
               10    12    15    25    28    30    32    32    32    32 
               10    12    15    25    28    30    32    32    32    32 
               10    12    15    25    28    30    32    32    32    32 
            

SERVO_ENABLE    0
SERVO_HYSTER  100 
SERVO_RPM    1200  2000  3000  4000  6000  8000 10000 12000 14000 16000 
SERVO_MV     2000  2100  2200  2300  2400  2500  2600  2700  2800  2900 
NO_READING      0
N2O             0    20    60  2000  3000 
N2O_RPM_MIN  5000 
N2O_TPS_MIN    85 
N2O_REPEAT    10 
RETARD          0     0  2000  3000 )";

std::string withCrLf(std::string text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

ParamImage randomImage(std::mt19937& random)
{
    ParamImage image;
    for (auto& b : image.bytes)
        b = static_cast<std::uint8_t>(random());
    return image;
}

std::vector<std::string> tokens(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string t; in >> t;)
        out.push_back(t);
    return out;
}

}  // namespace

TEST(IgnFileWriter, StartupImageGivesTheWorkedExample)
{
    const std::string expected = withCrLf(kStartupListing);
    EXPECT_EQ(IgnFileText(StartupImage()), expected);

    std::ostringstream stream;
    IgnFileWriter(StartupImage(), stream);
    EXPECT_EQ(stream.str(), expected);
}

TEST(IgnFileWriter, SignedCorrectionAndFlagForms)
{
    ParamImage image = StartupImage();
    image[fld::tachoCorrection] = 80;  // -20 %
    image[fld::excitationLong] = 2;
    image[fld::n2oEnable] = 9;
    const std::string text = IgnFileText(image);
    EXPECT_NE(text.find("\r\nRPM             2   -20 \r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nEXCITATION      1\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nN2O             1    20 "), std::string::npos);
}

// The 24 keyword blocks carry every field of the image exactly once, except
// the reserved bytes and the spare bytes.
TEST(IgnKeywords, BlocksCoverTheFileFields)
{
    EXPECT_EQ(ignBlocks().size(), 24u);
    const std::pair<const char*, std::size_t> counts[] = {
        {"BIKE", 33},        {"GEBER_MODE", 1}, {"INPUT", 8},
        {"BASE_ADV", 1},     {"LIMITER", 3},    {"START_LIMITER_DELAY", 1},
        {"PILOT_LIGHT", 1},  {"CLUTCH", 2},     {"TPS", 2},
        {"RPM", 2},          {"EXCITATION", 1}, {"TPS_MAPA", 1},
        {"RPM_ADV", 10},     {"ADVANCE", 100},  {"SERVO_ENABLE", 1},
        {"SERVO_HYSTER", 1}, {"SERVO_RPM", 10}, {"SERVO_MV", 10},
        {"NO_READING", 1},   {"N2O", 5},        {"N2O_RPM_MIN", 1},
        {"N2O_TPS_MIN", 1},  {"N2O_REPEAT", 1}, {"RETARD", 4},
    };
    for (auto [keyword, count] : counts) {
        const IgnBlock* block = findIgnBlock(keyword);
        ASSERT_NE(block, nullptr) << keyword;
        EXPECT_EQ(block->slots.size(), count) << keyword;
    }
    EXPECT_EQ(findIgnBlock("bike"), nullptr);
}

// Whatever the image, reading its file over any other image gives back every
// stored byte; only flags come back as 0/1, closingActive loses bits 6 and 7,
// and the bytes the file does not hold keep the values of the image read over.
TEST(IgnFileReader, RoundTripsEveryStoredByte)
{
    std::mt19937 random(48);
    for (int round = 0; round < 500; ++round) {
        const ParamImage written = randomImage(random);
        const ParamImage base = randomImage(random);
        ParamImage read = base;
        ASSERT_TRUE(IgnFileReader(IgnFileText(written), read));

        ParamImage expected = written;
        for (const FieldDescriptor& d : fieldTable())
            if (d.form == FileForm::Flag || d.form == FileForm::N2oFlag)
                expected[d.byte] = written[d.byte] != 0;
        expected[fld::closingActive] &= 0x3F;
        for (int b : {fld::reserved14, fld::reserved55, fld::reserved55 + 1, fld::reserved55 + 2})
            expected[b] = base[b];
        std::copy(base.spare().begin(), base.spare().end(), expected.spare().begin());
        ASSERT_EQ(read, expected) << "round " << round;
    }
}

// Blocks in another order, or all on one line, load the same.
TEST(IgnFileReader, ReorderedAndJoinedBlocksLoadTheSame)
{
    std::mt19937 random(7);
    const ParamImage written = randomImage(random);
    const std::vector<std::string> all = tokens(IgnFileText(written));

    std::vector<std::vector<std::string>> blocks;
    for (std::size_t i = 2; i < all.size(); ++i) {
        if (findIgnBlock(all[i]) != nullptr)
            blocks.emplace_back();
        blocks.back().push_back(all[i]);
    }
    std::reverse(blocks.begin(), blocks.end());
    std::string joined = "KORVANEX_KEY 48";
    for (const auto& block : blocks)
        for (const auto& t : block)
            joined += "\t" + t;

    ParamImage fromOriginal = StartupImage();
    ParamImage fromJoined = StartupImage();
    ASSERT_TRUE(IgnFileReader(IgnFileText(written), fromOriginal));
    ASSERT_TRUE(IgnFileReader(joined, fromJoined));
    EXPECT_EQ(fromJoined, fromOriginal);
}

struct ReaderCase {
    const char* name;
    const char* text;
    bool found;
    std::vector<std::pair<int, int>> changes;  // offset, value; all other bytes stay
};

// Test names and messages show the case's name, not its bytes.
void PrintTo(const ReaderCase& c, std::ostream* os)
{
    *os << c.name;
}

class IgnReaderCases : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(IgnReaderCases, ReadsOverTheStartupImage)
{
    const ReaderCase& c = GetParam();
    const ParamImage base = StartupImage();
    ParamImage image = base;
    EXPECT_EQ(IgnFileReader(std::string_view(c.text), image), c.found);
    ParamImage expected = base;
    for (auto [offset, value] : c.changes)
        expected[offset] = static_cast<std::uint8_t>(value);
    EXPECT_EQ(image, expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(IgnFileReader, IgnReaderCases, ::testing::Values(
    ReaderCase{"empty", "", false, {}},
    ReaderCase{"noKey", "BASE_ADV 12", false, {}},
    ReaderCase{"version47", "KORVANEX_KEY 47 BASE_ADV 12", false, {}},
    ReaderCase{"versionNotANumber", "KORVANEX_KEY x48 BASE_ADV 12", false, {}},
    ReaderCase{"versionIsExact", "KORVANEX_KEY 65584 BASE_ADV 12", false, {}},
    ReaderCase{"keyWordIsCaseSensitive", "korvanex_key 48 BASE_ADV 12", false, {}},
    ReaderCase{"numberAfterWrongVersionIsNoKey", "KORVANEX_KEY 47 48 BASE_ADV 12", false, {}},
    ReaderCase{"keyLaterInFile", "junk BASE_ADV 5\r\nKORVANEX_KEY   48 \r\nBASE_ADV 12", true, {{fld::baseAdvance, 12}}},
    ReaderCase{"secondKeyAfterKey", "KORVANEX_KEY KORVANEX_KEY 48 BASE_ADV 12", true, {{fld::baseAdvance, 12}}},
    ReaderCase{"leadingZerosInVersion", "KORVANEX_KEY 048 BASE_ADV 12", true, {{fld::baseAdvance, 12}}},
    ReaderCase{"onlyBaseAdvance", "KORVANEX_KEY 48\n\nBASE_ADV 12", true, {{fld::baseAdvance, 12}}},
    ReaderCase{"lastOccurrenceWins", "KORVANEX_KEY 48 BASE_ADV 12 BASE_ADV 13", true, {{fld::baseAdvance, 13}}},
    ReaderCase{"missingNumbersKeepFields", "KORVANEX_KEY 48 LIMITER 60 RETARD 1", true,
               {{fld::startLimiterMin, 60}, {fld::retard1, 1}}},
    ReaderCase{"nonNumberEndsTheBlock", "KORVANEX_KEY 48 CLUTCH 120 x 500", true, {{fld::clutchTime, 12}}},
    ReaderCase{"notNumbers", "KORVANEX_KEY 48 CLUTCH +5 CLUTCH 5a CLUTCH --5 CLUTCH - 7", true, {}},
    ReaderCase{"keywordsAreCaseSensitive", "KORVANEX_KEY 48 base_adv 12 BASE_ADVX 13", true, {}},
    ReaderCase{"negativeCorrectionWraps", "KORVANEX_KEY 48 RPM 3 -20", true, {{fld::tachoPulses, 3}, {fld::tachoCorrection, 80}}},
    ReaderCase{"tpsVoltages", "KORVANEX_KEY 48 TPS 5000 4750", true, {{fld::tps0, 244}, {fld::tps100, 225}}},
    ReaderCase{"tpsOfUserVoltages", "KORVANEX_KEY 48 TPS 710 3800", true, {{fld::tps0, 71}, {fld::tps100, 130}}},
    ReaderCase{"divisionModulo65536", "KORVANEX_KEY 48 PILOT_LIGHT 70000 SERVO_HYSTER -100", true,
               {{fld::pilotLight, 44}, {fld::servoHysteresis, 31}}},
    ReaderCase{"hugeNumber", "KORVANEX_KEY 48 BASE_ADV 99999999999999999999999999999999999999", true,
               {{fld::baseAdvance, 0xFF}}},
    ReaderCase{"rawBytesKeepLowBits", "KORVANEX_KEY 48 LIMITER 300 301 302 EXCITATION 2 N2O 300", true,
               {{fld::startLimiterMin, 44}, {fld::startLimiterMax, 45}, {fld::limiter, 46}, {fld::excitationLong, 2},
                {fld::n2oEnable, 44}}},
    ReaderCase{"n2oOrder", "KORVANEX_KEY 48 N2O 1 30 70 500 900", true,
               {{fld::n2oEnable, 1}, {fld::gas1, 30}, {fld::gas2, 70}, {fld::gasDelay, 5}, {fld::gasBuildUp, 9}}},
    ReaderCase{"retardOrder", "KORVANEX_KEY 48 RETARD 3 4 500 900", true,
               {{fld::retard1, 3}, {fld::retard2, 4}, {fld::retardDelay, 5}, {fld::retardBuildUp, 9}}},
    ReaderCase{"inputClearsClosingActive", "KORVANEX_KEY 48 INPUT 1 1 0 1", true,
               {{fld::invertInput1, 1}, {fld::invertInput2, 1}, {fld::closingActive, 2}}},
    ReaderCase{"inputWithoutBitsKeepsClosingActive", "KORVANEX_KEY 48 INPUT 1 0", true, {{fld::invertInput1, 1}}},
    ReaderCase{"bikeTwoOptionalPolarities",
               "KORVANEX_KEY 48 BIKE 20 1 5 2  1 1 0 2 1 0  3 1 0 4 1 0  0 0 0 0 0 0  0 0 0 0 0 0  1 11 11 11 11  1 1", true,
               {{fld::invertInput1, 1}, {fld::invertInput2, 1}}},
    ReaderCase{"bikeOneOptionalPolarity",
               "KORVANEX_KEY 48 BIKE 20 1 5 2  1 1 0 2 1 0  3 1 0 4 1 0  0 0 0 0 0 0  0 0 0 0 0 0  1 11 11 11 12  1", true,
               {{fld::invertInput1, 1}, {fld::compensation + 3, 12}}},
    ReaderCase{"bikeCompensationIsNotAPolarity",
               "KORVANEX_KEY 48 BIKE 20 1 5 2  1 1 0 2 1 0  3 1 0 4 1 0  0 0 0 0 0 0  0 0 0 0 0 0  3 4 5 6 7", true,
               {{fld::revsWithoutIgnition, 3}, {fld::compensation, 4}, {fld::compensation + 1, 5},
                {fld::compensation + 2, 6}, {fld::compensation + 3, 7}}},
    ReaderCase{"bikeChannelOrder", "KORVANEX_KEY 48 BIKE 7 0 1 2  9 1 1 8 0 1", true,
               {{fld::bikeCode, 7}, {fld::syncMode, 0}, {fld::lobeCount, 1}, {fld::maxAdvLobe, 9}, {fld::maxAdvEdge2, 1},
                {fld::maxAdvPickup2, 1}, {fld::startAdvLobe, 8}, {fld::startAdvEdge2, 0}, {fld::startAdvPickup2, 1}}},
    ReaderCase{"advanceCutShort", "KORVANEX_KEY 48 ADVANCE 1 2 3", true,
               {{fld::advance, 1}, {fld::advance + 1, 2}, {fld::advance + 2, 3}}},
    ReaderCase{"axesScaled", "KORVANEX_KEY 48 RPM_ADV 1099 SERVO_RPM 250 SERVO_MV 2039", true,
               {{fld::mapRpm, 10}, {fld::servoRpm, 2}, {fld::servoMv, 101}}}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(IgnFileReader, OverlongTokensAreSkipped)
{
    const std::string text = "KORVANEX_KEY 48 " + std::string(100000, 'A') + " BASE_ADV " + std::string(5000, '1') +
                             " BASE_ADV" + std::string(70, 'X') + " 3 BASE_ADV 12";
    ParamImage image = StartupImage();
    ASSERT_TRUE(IgnFileReader(text, image));
    EXPECT_EQ(image[fld::baseAdvance], 12);
}

TEST(IgnFileReader, ReadsFromAStream)
{
    std::istringstream in("KORVANEX_KEY 48 BASE_ADV 12");
    ParamImage image = StartupImage();
    EXPECT_TRUE(IgnFileReader(in, image));
    EXPECT_EQ(image[fld::baseAdvance], 12);
}
