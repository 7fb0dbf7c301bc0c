#include <gtest/gtest.h>

// The live column as the window shows it: monitor frames decoded into
// samples and presented with the image and the language.
#include "present/LivePresenter.h"

#include "link/MonitorDecoder.h"
#include "model/StartupImage.h"

using namespace tarvel;
using namespace tarvel::link;
using namespace tarvel::present;

namespace {

class LivePresenterTest : public ::testing::Test {
protected:
    LivePresenterTest() : image(StartupImage())
    {
        messages.loadAll(Language::English);
        frame.bytes[0] = kMonitorReply;
        frame.bytes[mon::formatVersion] = kParamVersion;
        frame.bytes[mon::checkA] = 255;  // no pick-up error unless a test wants one
        frame.bytes[mon::checkA + 1] = 255;
    }
    void set16(int at, int v)
    {
        frame.bytes[at] = static_cast<std::uint8_t>(v & 0xFF);
        frame.bytes[at + 1] = static_cast<std::uint8_t>(v >> 8);
    }
    bool decode()
    {
        frame.seal();
        if (!decoder.decode(frame.bytes))
            return false;
        presenter.showSample(decoder.sample(), image, messages);
        return true;
    }
    const DisplayEntry& label(ControlId l) const { return display[l]; }
    int gauge(ControlId g) const { return display[g].progress; }

    ParamImage image;
    MessageTable messages;
    LinkFrame frame;
    MonitorDecoder decoder;
    DisplayState display;
    LivePresenter presenter{display};
};

}  // namespace

TEST_F(LivePresenterTest, FrameFailingTheCheckChangesNothing)
{
    set16(mon::rpm, 5000);
    frame.seal();
    frame.bytes[30] ^= 4;
    EXPECT_FALSE(decoder.decode(frame.bytes));
    EXPECT_EQ(display.revision(), 0u);
    EXPECT_EQ(decoder.values().liveRpm, 0);
}

TEST_F(LivePresenterTest, SupplyVoltageBands)
{
    const std::pair<int, LinkColour> cases[] = {
        {7000, Colour::Red},     {7001, Colour::Yellow},  {11000, Colour::Yellow},
        {11001, Colour::Normal}, {14998, Colour::Normal}, {14999, Colour::Yellow},
        {17998, Colour::Yellow}, {17999, Colour::Red},    {0, Colour::Red},
    };
    for (auto [mv, colour] : cases) {
        set16(mon::supplyMv, mv);
        ASSERT_TRUE(decode());
        EXPECT_EQ(label(ControlId::LabelNapeti).colour, colour) << mv;
    }
    set16(mon::supplyMv, 7000);
    decode();
    EXPECT_EQ(label(ControlId::LabelNapeti).text, "U =  7.0 [V]");
    set16(mon::supplyMv, 13850);
    decode();
    EXPECT_EQ(label(ControlId::LabelNapeti).text, "U = 13.8 [V]");
}

TEST_F(LivePresenterTest, SpeedGaugeIsPercentOfTheLimiterAndGaugesStayInRange)
{
    set16(mon::rpm, 6000);
    image[fld::limiter] = 120;
    decode();
    EXPECT_EQ(gauge(ControlId::CGaugeRpm), 50);
    image[fld::limiter] = 0;
    decode();
    EXPECT_EQ(gauge(ControlId::CGaugeRpm), 60);
    set16(mon::rpm, 30000);
    decode();
    EXPECT_EQ(gauge(ControlId::CGaugeRpm), 100);  // beyond the limiter the gauge stays full

    for (auto [mv, want] : {std::pair{400, 0}, {300, 0}, {650, 250}, {2000, 500}}) {
        set16(mon::lambdaMv, mv);
        decode();
        EXPECT_EQ(gauge(ControlId::CGaugeLambda), want) << mv;
    }
}

TEST_F(LivePresenterTest, SpeedLabelColourFollowsLimiterThenShiftLight)
{
    set16(mon::rpm, 9100);
    decode();
    EXPECT_EQ(label(ControlId::LabelRpm).text, "RPM = 9100 ");
    EXPECT_EQ(label(ControlId::LabelRpm).colour, Colour::Normal);
    frame.bytes[mon::outShiftLight] = 1;
    decode();
    EXPECT_EQ(label(ControlId::LabelRpm).colour, Colour::Yellow);
    frame.bytes[mon::outLimiter] = 1;
    decode();
    EXPECT_EQ(label(ControlId::LabelRpm).colour, Colour::Red);
    EXPECT_EQ(label(ControlId::LabelMonLimiterOut).text, "Limiter: YES");
    EXPECT_EQ(label(ControlId::LabelMonLimiterOut).colour, Colour::Red);
}

TEST_F(LivePresenterTest, ThrottleSensorErrorShowsRawVoltage)
{
    frame.bytes[mon::tpsPercent] = 40;
    set16(mon::tpsMv, 2210);
    decode();
    EXPECT_EQ(label(ControlId::LabelTpsMon).text, "TP= 40 [%]= 2210 [mV]");
    EXPECT_EQ(gauge(ControlId::CGaugeTps), 40);

    frame.bytes[mon::tpsError] = 1;
    image[fld::tpsMap] = 0;
    decode();
    EXPECT_EQ(label(ControlId::LabelTpsMon).text, "TP=error = 2210 [mV]");
    EXPECT_EQ(label(ControlId::LabelTpsMon).colour, Colour::Normal);
    EXPECT_EQ(gauge(ControlId::CGaugeTps), 0);
    image[fld::tpsMap] = 1;
    decode();
    EXPECT_EQ(label(ControlId::LabelTpsMon).colour, Colour::Red);
}

TEST_F(LivePresenterTest, InputsOutputsAndPickUps)
{
    frame.bytes[mon::inClutch] = 1;
    frame.bytes[mon::inBlock1] = 1;
    frame.bytes[mon::outTacho] = 0;
    frame.bytes[mon::pickup1] = 1;
    decode();
    EXPECT_EQ(label(ControlId::LabelClutchIn).text, "Clutch master: Grounded");
    EXPECT_EQ(label(ControlId::LabelClutchIn).colour, Colour::Fuchsia);
    EXPECT_EQ(label(ControlId::LabelBlok1In).text, "Motor off 1: Grounded");
    EXPECT_EQ(label(ControlId::LabelBlok1In).colour, Colour::Aqua);
    EXPECT_EQ(label(ControlId::LabelBlok2In).text, "Motor off 2: Open");
    EXPECT_EQ(label(ControlId::LabelBlok2In).colour, Colour::Normal);
    EXPECT_EQ(label(ControlId::LabelN2oIn).text, "N2O : Open");
    EXPECT_EQ(label(ControlId::LabelMonN2oOut).text, "N2O: NO");
    EXPECT_EQ(label(ControlId::LabelMonTachoLambdaOut).text, "Tacho-Lambda: Lambda");
    EXPECT_EQ(label(ControlId::LabelMonTachoLambdaOut).colour, Colour::Aqua);
    EXPECT_EQ(label(ControlId::LabelMonSnimac1).text, "Pick-up (CKPS) 1 - is running");
    EXPECT_EQ(label(ControlId::LabelMonSnimac1).colour, Colour::Lime);
    EXPECT_EQ(label(ControlId::LabelMonSnimac2).text, "Pick-up (CKPS) 2 - no signal");
    EXPECT_EQ(label(ControlId::LabelPriveraPoz).colour, Colour::Red);  // servo status off

    messages.loadAll(Language::Czech);
    decode();
    EXPECT_EQ(label(ControlId::LabelClutchIn).text, "Clutch master: Uzeměn");
    EXPECT_EQ(label(ControlId::LabelMonLimiterOut).text, "Omezovač: NE");
}

TEST_F(LivePresenterTest, FourChannelAdvanceWithMaximum)
{
    image[fld::bikeCode] = kSpecialBikeCode;
    frame.bytes[mon::advance + 0] = 110;
    frame.bytes[mon::advance + 1] = 130;
    set16(mon::maxAdvance + 2, 25);
    decode();
    EXPECT_EQ(label(ControlId::LabelAdvance1).text, "Advance 1 = 10 [°]");
    EXPECT_EQ(label(ControlId::LabelAdvance2).text, "Advance 2 = 30 [°] /max 25 [°]");
    EXPECT_EQ(label(ControlId::LabelAdvance2).colour, Colour::Yellow);
    EXPECT_EQ(label(ControlId::LabelAdvance3).text, "Advance 3 = -100 [°]");

    // Pick-up check: a1 below revsWithoutIgnition and revs x lobes below b1.
    image[fld::revsWithoutIgnition] = 4;
    image[fld::lobeCount] = 2;
    frame.bytes[mon::checkA] = 3;
    frame.bytes[mon::checkB] = 9;
    decode();
    for (ControlId l : {ControlId::LabelAdvance1, ControlId::LabelAdvance4}) {
        EXPECT_EQ(label(l).text, "Pick up system error                    ");
        EXPECT_EQ(label(l).colour, Colour::Red);
    }
    frame.bytes[mon::checkB] = 8;  // 8 is not above 4 x 2
    decode();
    EXPECT_EQ(label(ControlId::LabelAdvance1).colour, Colour::Normal);
}

TEST_F(LivePresenterTest, OneLineAdvanceTakesTheLargestChannelAndSmallestMaximum)
{
    image[fld::bikeCode] = 20;
    image[fld::channelCount] = 2;
    frame.bytes[mon::advance + 0] = 120;
    frame.bytes[mon::advance + 1] = 135;
    frame.bytes[mon::advance + 2] = 150;  // channel 3 is not in use
    set16(mon::maxAdvance + 0, 40);
    set16(mon::maxAdvance + 6, 33);
    decode();
    EXPECT_EQ(label(ControlId::LabelAdvance1).text, "Advance = 35 [°] /max 33 [°]");
    EXPECT_EQ(label(ControlId::LabelAdvance1).colour, Colour::Yellow);
    EXPECT_EQ(label(ControlId::LabelAdvance2).revision, 0u);
}

TEST_F(LivePresenterTest, VersionAndDataErrorLabels)
{
    frame.bytes[mon::formatVersion] = 47;
    frame.bytes[mon::dataError] = 1;
    decode();
    EXPECT_EQ(label(ControlId::LabelVersion).visible, Shown::Yes);
    EXPECT_EQ(label(ControlId::LabelVersion).text, "Unmatched version of PC and Ignition programs!  PC-48, IGN-47");
    EXPECT_EQ(label(ControlId::LabelEeDataErr).visible, Shown::Yes);
    frame.bytes[mon::formatVersion] = 48;
    frame.bytes[mon::dataError] = 0;
    decode();
    EXPECT_EQ(label(ControlId::LabelVersion).visible, Shown::No);
    EXPECT_EQ(label(ControlId::LabelEeDataErr).visible, Shown::No);
}

TEST_F(LivePresenterTest, UnchangedFrameBumpsNoRevision)
{
    set16(mon::rpm, 4200);
    decode();
    const auto before = display.revision();
    const auto tpsBefore = label(ControlId::LabelTpsMon).revision;
    decode();
    EXPECT_EQ(display.revision(), before);
    set16(mon::rpm, 4300);
    decode();
    EXPECT_GT(display.revision(), before);
    EXPECT_EQ(label(ControlId::LabelTpsMon).revision, tpsBefore);
    EXPECT_EQ(decoder.values().liveRpm, 4300);
}

TEST_F(LivePresenterTest, FixedTextsAndStoredValues)
{
    set16(mon::programCount, 17);
    set16(mon::test + 14, 65535);
    set16(mon::startLimiterRpm, 4500);
    set16(mon::saveCount, 300);
    frame.bytes[mon::n2oPercent] = 80;
    frame.bytes[mon::retard] = 6;
    set16(mon::servoMeasuredMv, 1500);
    decode();
    EXPECT_EQ(label(ControlId::LabelPocetProgramovani).text, "Number of Programing= 17");
    EXPECT_EQ(label(ControlId::LabelTest8).text, "Test8 = 65535 ");
    EXPECT_EQ(label(ControlId::LabelMonStartLimiterRpm).text, "Start limiter = 4500 [RPM]");
    EXPECT_EQ(label(ControlId::LabelMonN2oProcent).text, "N2O = 80 [%]");
    EXPECT_EQ(label(ControlId::LabelMonRetard).text, "Retard = 6 [°]");
    EXPECT_EQ(label(ControlId::LabelPriveraMer).text, "Servo measured= 1500 [mV]");
    EXPECT_EQ(decoder.values().unitSaveCount, 300);
}

// The unit reports a data error: the label shows its text, not an empty box.
TEST_F(LivePresenterTest, DataErrorLabelShowsItsText)
{
    frame.bytes[mon::dataError] = 1;
    decode();
    EXPECT_TRUE(label(ControlId::LabelEeDataErr).isShown());
    EXPECT_TRUE(label(ControlId::LabelEeDataErr).textSet);
    EXPECT_EQ(label(ControlId::LabelEeDataErr).text, "Programmed data error");
    messages.loadAll(Language::German);
    decode();
    EXPECT_EQ(label(ControlId::LabelEeDataErr).text, "Programmed data error");
}

// Without frames the last values stay, greyed and without their signal
// colours, until the next frame.
TEST_F(LivePresenterTest, StaleValuesAreGreyedUntilTheNextFrame)
{
    set16(mon::rpm, 6100);
    frame.bytes[mon::pickup1] = 1;
    frame.bytes[mon::dataError] = 1;
    decode();
    ASSERT_EQ(label(ControlId::LabelMonSnimac1).colour, Colour::Lime);
    ASSERT_FALSE(label(ControlId::LabelRpm).greyed);

    presenter.setStale(true);
    for (ControlId id : {ControlId::LabelRpm, ControlId::LabelMonSnimac1, ControlId::LabelMonLambda,
                         ControlId::LabelAdvance1, ControlId::CGaugeRpm})
        EXPECT_TRUE(label(id).greyed) << objectName(id);
    EXPECT_EQ(label(ControlId::LabelRpm).text, "RPM = 6100 ");
    EXPECT_EQ(label(ControlId::LabelMonSnimac1).text, "Pick-up (CKPS) 1 - is running");
    EXPECT_EQ(label(ControlId::LabelMonSnimac1).colour, Colour::Normal);
    EXPECT_EQ(label(ControlId::LabelMonLambda).colour, Colour::Default);  // never coloured: left alone
    // The warnings and the status area are not live values.
    for (ControlId id : {ControlId::LabelEeDataErr, ControlId::LabelHlaseni, ControlId::LabelSpojeni})
        EXPECT_FALSE(label(id).greyed) << objectName(id);

    decode();
    EXPECT_FALSE(label(ControlId::LabelRpm).greyed);
    EXPECT_EQ(label(ControlId::LabelMonSnimac1).colour, Colour::Lime);
}

TEST_F(LivePresenterTest, PlaceholdersInEveryLanguageOnlyWhileNoUnitIsConnected)
{
    struct Case {
        Language language;
        ControlId label;
        const char* text;
    };
    const Case cases[] = {
        {Language::English, ControlId::LabelAdvance1, "Advance 1 = --- [°]"},
        {Language::English, ControlId::LabelAdvance4, "Advance 4 = --- [°]"},
        {Language::English, ControlId::LabelPocetProgramovani, "Number of Programing= ---"},
        {Language::English, ControlId::LabelMonSnimac2, "Pick-up (CKPS) 2 = ---"},
        {Language::English, ControlId::LabelPriveraPoz, "Servo desired= ---"},
        {Language::English, ControlId::LabelPriveraMer, "Servo measured= ---"},
        {Language::English, ControlId::LabelMonPilotLight, "Gear Shift Light - ---"},
        {Language::English, ControlId::LabelMonClutchOut, "Clutch master - ---"},
        {Language::English, ControlId::LabelMonStartLimiterRpm, "Start limiter - ---"},
        {Language::English, ControlId::LabelMonStartLimiterOut, "Start limiter - ---"},
        {Language::English, ControlId::LabelMonLimiterOut, "Limiter - ---"},
        {Language::German, ControlId::LabelAdvance2, "Vorzündung 2 = --- [°]"},
        {Language::German, ControlId::LabelMonPilotLight, "Schaltblitz - ---"},
        {Language::German, ControlId::LabelPocetProgramovani, "Programmierungsanzahl= ---"},
        {Language::French, ControlId::LabelMonSnimac1, "Capteur(CKPS) 1 = ---"},
        {Language::Czech, ControlId::LabelAdvance3, "Předstih 3 = --- [°]"},
        {Language::Czech, ControlId::LabelMonStartLimiterOut, "Startovací omezovač - ---"},
        {Language::Czech, ControlId::LabelMonLimiterOut, "Omezovač - ---"},
    };
    for (const Case& c : cases) {
        MessageTable table;
        table.loadAll(c.language);
        DisplayState shown;
        LivePresenter live(shown);
        live.showPlaceholders(captionPlaceholders(), table, true);
        live.showPlaceholders(messagePlaceholders(), table, true);
        EXPECT_EQ(shown[c.label].text, c.text) << objectName(c.label);

        DisplayState connected;
        LivePresenter quiet(connected);
        quiet.showPlaceholders(captionPlaceholders(), table, false);
        quiet.showPlaceholders(messagePlaceholders(), table, false);
        EXPECT_FALSE(connected[c.label].textSet) << objectName(c.label);
    }
}

// A caption or placeholder written over a value gives way to the next frame,
// even when the frame carries the same values as before.
TEST_F(LivePresenterTest, TheNextFrameWritesOverCaptionsAndPlaceholders)
{
    frame.bytes[mon::advance] = 112;
    decode();
    const std::string advance = label(ControlId::LabelAdvance1).text;
    const std::string pilot = label(ControlId::LabelMonPilotLight).text;
    const LiveCaption caption[] = {{ControlId::LabelAdvance1, "Advance [°]"}};
    presenter.showCaptions(caption);
    presenter.showPlaceholders(captionPlaceholders(), messages, true);
    EXPECT_EQ(label(ControlId::LabelAdvance1).text, "Advance [°]");
    EXPECT_EQ(label(ControlId::LabelMonPilotLight).text, "Gear Shift Light - ---");
    decode();
    EXPECT_EQ(label(ControlId::LabelAdvance1).text, advance);
    EXPECT_EQ(label(ControlId::LabelMonPilotLight).text, pilot);
}

// A replay closed before the unit sent a frame: whatever the replayed sample
// lit, the live column is back to what it showed before, with no unit.
TEST_F(LivePresenterTest, NoSampleBringsBackTheLookBeforeTheFirstSample)
{
    struct Case {
        const char* name;
        void (*prepare)(LinkFrame& frame, ParamImage& image);
    };
    const Case cases[] = {
        {"plain values",
         [](LinkFrame& f, ParamImage&) {
             f.bytes[mon::rpm] = 0x40;
             f.bytes[mon::tpsPercent] = 30;
         }},
        {"limiter and shift light",
         [](LinkFrame& f, ParamImage&) {
             f.bytes[mon::rpm + 1] = 0x30;
             f.bytes[mon::outLimiter] = 1;
             f.bytes[mon::outShiftLight] = 1;
         }},
        {"inputs, outputs and pick-ups",
         [](LinkFrame& f, ParamImage&) {
             for (int at : {mon::inClutch, mon::inBlock1, mon::inN2o, mon::outN2o, mon::outBlock2, mon::pickup1})
                 f.bytes[at] = 1;
         }},
        {"warnings",
         [](LinkFrame& f, ParamImage&) {
             f.bytes[mon::formatVersion] = 47;
             f.bytes[mon::dataError] = 1;
         }},
        {"throttle sensor error",
         [](LinkFrame& f, ParamImage& image) {
             f.bytes[mon::tpsError] = 1;
             image[fld::tpsMap] = 1;
         }},
        {"four advance lines, one past its maximum",
         [](LinkFrame& f, ParamImage& image) {
             image[fld::bikeCode] = kSpecialBikeCode;
             f.bytes[mon::advance + 1] = 130;
             f.bytes[mon::maxAdvance + 2] = 25;
         }},
        {"pick-up error",
         [](LinkFrame& f, ParamImage& image) {
             image[fld::revsWithoutIgnition] = 4;
             image[fld::lobeCount] = 2;
             f.bytes[mon::checkA] = 3;
             f.bytes[mon::checkB] = 9;
         }},
    };
    auto look = [](const DisplayState& d) {
        std::vector<std::string> out;
        for (int i = 0; i < kControlCount; ++i) {
            const DisplayEntry& e = d[static_cast<ControlId>(i)];
            out.push_back(std::string(objectName(static_cast<ControlId>(i))) + " " + std::to_string(e.textSet) + "'" +
                          e.text + "' c" + std::to_string(static_cast<int>(e.colour)) + " g" +
                          std::to_string(e.greyed) + " p" + std::to_string(e.progress) + " s" +
                          std::to_string(e.isShown()));
        }
        return out;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LinkFrame f = frame;
        ParamImage shownImage = image;
        c.prepare(f, shownImage);
        f.seal();
        ASSERT_TRUE(decoder.decode(f.bytes));

        DisplayState shown;
        LivePresenter live(shown);
        // No unit: the values greyed, the placeholders written.
        auto noUnit = [&] {
            live.setStale(true);
            live.showPlaceholders(captionPlaceholders(), messages, true);
            live.showPlaceholders(messagePlaceholders(), messages, true);
        };
        noUnit();
        const std::vector<std::string> before = look(shown);

        live.showSample(decoder.sample(), shownImage, messages);
        ASSERT_NE(look(shown), before);
        live.setStale(true);
        live.showNoSample();
        noUnit();
        EXPECT_EQ(look(shown), before);

        // The next sample is shown in full again.
        live.showSample(decoder.sample(), shownImage, messages);
        EXPECT_FALSE(shown[ControlId::LabelRpm].greyed);
        EXPECT_TRUE(shown[ControlId::LabelRpm].textSet);
    }
}

TEST_F(LivePresenterTest, MonitorLineIsTheMainValuesAndTheWarnings)
{
    set16(mon::rpm, 4200);
    set16(mon::lambdaMv, 650);
    frame.bytes[mon::tpsPercent] = 12;
    set16(mon::tpsMv, 900);
    set16(mon::supplyMv, 13800);
    frame.bytes[mon::advance] = 115;
    set16(mon::programCount, 3);
    decode();
    EXPECT_EQ(LivePresenter::monitorLine(display),
              "RPM = 4200  | TP= 12 [%]= 900 [mV] | U = 13.8 [V] | LAMBDA = 650 [mV] | Advance = 15 [°] | "
              "Limiter: NO | Gear Shift Light: NO | Number of Programing= 3");
    frame.bytes[mon::formatVersion] = 47;
    frame.bytes[mon::dataError] = 1;
    decode();
    EXPECT_TRUE(LivePresenter::monitorLine(display)
                    .ends_with(" | Unmatched version of PC and Ignition programs!  PC-48, IGN-47 | "
                               "Programmed data error"));
}
