// The status area, the connection label and the print header.
#include <gtest/gtest.h>

#include "present/StatusPresenter.h"

using namespace tarvel;
using namespace tarvel::present;

namespace {

class StatusPresenterTest : public ::testing::Test {
protected:
    const DisplayEntry& operator[](ControlId id) const { return display[id]; }

    DisplayState display;
    MessageTable messages = [] {
        MessageTable table;
        table.loadAll(Language::English);
        return table;
    }();
    StatusPresenter presenter{display, messages};
    link::StatusArea status;
};

}  // namespace

TEST_F(StatusPresenterTest, TheStatusAreaShowsWhatTheTransferWrote)
{
    status.setNote(link::StatusNote::Failed, Msg::VerifyError);
    status.setColour(Colour::Red);
    status.setLabelVisible(true);
    status.setGaugeMax(2);
    status.setGaugeProgress(1);
    status.setGaugeVisible(true);
    presenter.update(status, false);
    EXPECT_EQ((*this)[ControlId::LabelHlaseni].text, "Verify error!");
    EXPECT_EQ((*this)[ControlId::LabelHlaseni].colour, Colour::Red);
    EXPECT_TRUE((*this)[ControlId::LabelHlaseni].isShown());
    EXPECT_EQ((*this)[ControlId::CGaugeProgram].maximum, 2);
    EXPECT_EQ((*this)[ControlId::CGaugeProgram].progress, 1);
    EXPECT_TRUE((*this)[ControlId::CGaugeProgram].isShown());

    const auto revision = display.revision();
    presenter.update(status, false);
    EXPECT_EQ(display.revision(), revision);  // nothing changed, nothing to draw
}

TEST_F(StatusPresenterTest, ConnectionLabelFollowsTheLinkExceptWhilePrinting)
{
    struct Case {
        bool lost, printing;
        bool shown;
    };
    const Case cases[] = {{false, false, false}, {true, false, true}, {true, true, false}, {false, true, false}};
    for (const Case& c : cases) {
        presenter.setPrinting(c.printing);
        presenter.update(status, c.lost);
        EXPECT_EQ((*this)[ControlId::LabelSpojeni].isShown(), c.shown) << c.lost << c.printing;
        EXPECT_EQ(presenter.connectionShown(), c.shown);
    }
}

TEST_F(StatusPresenterTest, PrintHeaderShowsOnWhiteAndHidesTheConnectionLabelUntilTheNextTick)
{
    presenter.update(status, true);
    ASSERT_TRUE(presenter.connectionShown());
    status.setGaugeVisible(true);

    presenter.showPrintHeader(status, "Date and time of printing:  1.2.2026    9:05:01");
    status.messageTicks = 200;
    presenter.hideProgressGauge(status);
    presenter.setPrinting(true);
    presenter.update(status, true);
    EXPECT_EQ((*this)[ControlId::LabelHlaseni].text, "Date and time of printing:  1.2.2026    9:05:01");
    EXPECT_EQ((*this)[ControlId::LabelHlaseni].colour, Colour::White);
    EXPECT_TRUE((*this)[ControlId::LabelHlaseni].isShown());
    EXPECT_FALSE((*this)[ControlId::CGaugeProgram].isShown());
    EXPECT_FALSE((*this)[ControlId::LabelSpojeni].isShown());

    presenter.setPrinting(false);
    presenter.restoreStatusBackground(status);
    presenter.update(status, true);
    EXPECT_EQ((*this)[ControlId::LabelHlaseni].colour, Colour::Normal);
    EXPECT_FALSE((*this)[ControlId::LabelSpojeni].isShown());  // the header keeps it hidden until a tick
    presenter.ticked();
    presenter.update(status, true);
    EXPECT_TRUE((*this)[ControlId::LabelSpojeni].isShown());
    EXPECT_EQ((*this)[ControlId::LabelHlaseni].text, "Date and time of printing:  1.2.2026    9:05:01");
}

TEST_F(StatusPresenterTest, TheEngineNotesAreWordedFromTheMessageTable)
{
    using link::StatusNote;
    struct Case {
        StatusNote note;
        Msg message;
        const char* text;
    };
    for (const Case& c : {Case{StatusNote::Started, Msg::ProgramDevice, "Program device:"},
                          Case{StatusNote::Started, Msg::Read, "Read:"},
                          Case{StatusNote::Verifying, Msg{}, "Verify::"},
                          Case{StatusNote::VerifyOk, Msg{}, "Verify:: OK"},
                          Case{StatusNote::Failed, Msg::ReadError, "Read error!"},
                          Case{StatusNote::Failed, Msg::NoReading, "No reading!"},
                          Case{StatusNote::ResetError, Msg{}, "Reset error"},
                          Case{StatusNote::Saving, Msg{}, "Saving:"},
                          Case{StatusNote::ProgramOk, Msg{}, "Program device:: OK"}}) {
        status.setNote(c.note, c.message);
        presenter.update(status, false);
        EXPECT_EQ((*this)[ControlId::LabelHlaseni].text, c.text) << static_cast<int>(c.note);
    }
}

TEST_F(StatusPresenterTest, ANoteKeepsTheWordsOfTheLanguageItWasGivenIn)
{
    status.setNote(link::StatusNote::Started, Msg::Verify);
    presenter.update(status, false);
    EXPECT_EQ((*this)[ControlId::LabelHlaseni].text, "Verify:");
    messages.loadAll(Language::German);
    presenter.update(status, false);
    EXPECT_EQ((*this)[ControlId::LabelHlaseni].text, "Verify:");
    // Given again, the same note takes the words of the language now in force.
    status.setNote(link::StatusNote::Started, Msg::Verify);
    presenter.update(status, false);
    EXPECT_EQ((*this)[ControlId::LabelHlaseni].text, messages[Msg::Verify]);
    EXPECT_NE(messages[Msg::Verify], "Verify:");
}
