// When the state dump is written after commits: at most once a second, the
// last change always, flush at exit, and a failing folder reported once.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <future>
#include <mutex>
#include <vector>

#include "LogCapture.h"
#include "TempFolder.h"
#include "model/LogSink.h"
#include "model/StartupImage.h"
#include "store/AutosaveScheduler.h"
#include "store/StateDump.h"

using namespace tarvel;
using namespace std::chrono_literals;
using Clock = AutosaveScheduler::Clock;

namespace {

ParamImage imageNo(int n)
{
    ParamImage image = StartupImage();
    image.advance(2, 2) = static_cast<std::uint8_t>(n);
    return image;
}

// Records every image written; may be told to fail.
struct RecordingWriter {
    std::mutex mutex;
    std::vector<int> written;  // advance(2,2) of each image
    bool fail = false;

    AutosaveScheduler::Writer writer()
    {
        return [this](const ParamImage& image, std::string& error) {
            std::lock_guard lock(mutex);
            if (fail) {
                error = "/settings/_tarvel3: No space left on device";
                return false;
            }
            written.push_back(image.advance(2, 2));
            return true;
        };
    }
    std::vector<int> all()
    {
        std::lock_guard lock(mutex);
        return written;
    }
};

}  // namespace

TEST(AutosaveScheduler, WritesAtMostOnceASecondAndAlwaysTheLastChange)
{
    struct Step {
        int atMs;
        int commit;  // image number committed before the poll, 0 for none
        std::vector<int> writtenSoFar;
    };
    const Step steps[] = {
        {0, 0, {}},                                  // nothing committed: nothing written
        {55, 1, {1}},                                // the first commit goes out at the next tick
        {110, 2, {1}},                               // within the second
        {165, 3, {1}},        {1000, 0, {1}},        // 945 ms after the last write
        {1055, 0, {1, 3}},                           // a second later: the newest commit, not each one
        {1110, 0, {1, 3}},                           // nothing new
        {5000, 0, {1, 3}},    {5055, 4, {1, 3, 4}},  // after a quiet spell at once
        {5110, 5, {1, 3, 4}}, {6054, 0, {1, 3, 4}}, {6055, 0, {1, 3, 4, 5}},
    };
    RecordingWriter w;
    AutosaveScheduler autosave(w.writer());
    const Clock::time_point start{};
    for (const Step& s : steps) {
        SCOPED_TRACE(s.atMs);
        if (s.commit != 0)
            autosave.commit(imageNo(s.commit));
        autosave.poll(start + std::chrono::milliseconds(s.atMs));
        autosave.waitIdle();
        EXPECT_EQ(w.all(), s.writtenSoFar);
    }
    EXPECT_FALSE(autosave.pending());
    EXPECT_EQ(autosave.writes(), 4);
}

TEST(AutosaveScheduler, TheTickNeverWaitsForASlowWrite)
{
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::mutex mutex;
    std::vector<int> written;
    AutosaveScheduler autosave([&](const ParamImage& image, std::string&) {
        released.wait();
        std::lock_guard lock(mutex);
        written.push_back(image.advance(2, 2));
        return true;
    });
    const Clock::time_point t0{};
    autosave.commit(imageNo(1));
    autosave.poll(t0);  // hands over; the writer now hangs
    autosave.commit(imageNo(2));
    autosave.poll(t0 + 2s);  // the write is still running: nothing more starts, nothing waits
    autosave.poll(t0 + 3s);
    EXPECT_TRUE(autosave.pending());
    release.set_value();
    autosave.waitIdle();
    EXPECT_TRUE(autosave.pending());  // image 2 came after the write began
    autosave.poll(t0 + 4s);
    autosave.waitIdle();
    EXPECT_FALSE(autosave.pending());
    std::lock_guard lock(mutex);
    EXPECT_EQ(written, (std::vector<int>{1, 2}));
}

TEST(AutosaveScheduler, FlushWritesWhatIsPendingAtOnceAndOnlyThat)
{
    RecordingWriter w;
    AutosaveScheduler autosave(w.writer());
    EXPECT_TRUE(autosave.flush());  // nothing committed
    EXPECT_TRUE(w.all().empty());
    const Clock::time_point t0{};
    autosave.commit(imageNo(1));
    autosave.poll(t0);
    autosave.commit(imageNo(2));
    autosave.poll(t0 + 100ms);
    EXPECT_TRUE(autosave.flush());  // within the second, but the program is ending
    EXPECT_EQ(w.all(), (std::vector<int>{1, 2}));
    EXPECT_FALSE(autosave.pending());
    EXPECT_TRUE(autosave.flush());
    EXPECT_EQ(w.all().size(), 2u);
}

TEST(AutosaveScheduler, AWriteHandedOverFinishesWhenTheSchedulerGoes)
{
    RecordingWriter w;
    {
        AutosaveScheduler autosave(w.writer());
        autosave.commit(imageNo(7));
        autosave.poll(Clock::time_point{});
    }
    EXPECT_EQ(w.all(), std::vector<int>{7});
}

TEST(AutosaveScheduler, FailuresAreReportedOncePerRunAndRetried)
{
    RecordingWriter w;
    w.fail = true;
    LogCapture log;
    AutosaveScheduler autosave(w.writer());
    const Clock::time_point t0{};
    autosave.commit(imageNo(1));
    for (int s = 0; s < 4; ++s) {
        autosave.poll(t0 + std::chrono::seconds(s));
        autosave.waitIdle();
    }
    EXPECT_TRUE(autosave.failing());
    EXPECT_TRUE(autosave.pending());
    EXPECT_EQ(autosave.takeFailure(), "/settings/_tarvel3: No space left on device");
    EXPECT_EQ(autosave.takeFailure(), std::nullopt);  // one status-bar note
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(log.lines()[0].second, "autosave: /settings/_tarvel3: No space left on device");
    EXPECT_FALSE(autosave.flush());

    w.fail = false;  // space again: the pending change goes out without a new commit
    autosave.poll(t0 + 10s);
    autosave.waitIdle();
    EXPECT_FALSE(autosave.failing());
    EXPECT_FALSE(autosave.pending());
    EXPECT_EQ(w.all(), std::vector<int>{1});

    w.fail = true;  // a new run of failures gets a new note
    autosave.commit(imageNo(2));
    autosave.poll(t0 + 20s);
    autosave.waitIdle();
    EXPECT_TRUE(autosave.takeFailure().has_value());
    EXPECT_EQ(log.lines().size(), 2u);
}

TEST(AutosaveScheduler, ReadOnlySettingsFolderKeepsTheOlderDumpWhole)
{
    TempFolder dir;
    const std::string path = dir.path("_tarvel3");
    ASSERT_TRUE(SaveStateDump(path, imageNo(1)));
    const std::string before = readFile(path);
    // A dump the user may still write would be rewritten in place: both
    // folder and dump are read-only here.
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    ASSERT_EQ(::chmod(dir.path().c_str(), 0500), 0);
    LogCapture log;
    AutosaveScheduler autosave(path);
    autosave.commit(imageNo(2));
    autosave.poll(Clock::time_point{});
    autosave.waitIdle();
    const auto note = autosave.takeFailure();
    ASSERT_TRUE(note.has_value());
    EXPECT_NE(note->find(dir.path()), std::string::npos) << *note;
    EXPECT_GE(log.lines().size(), 1u);
    EXPECT_EQ(readFile(path), before);

    ASSERT_EQ(::chmod(dir.path().c_str(), 0700), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
    EXPECT_TRUE(autosave.flush());
    ParamImage image{};
    ASSERT_TRUE(LoadStateDump(path, image));
    EXPECT_EQ(image, imageNo(2));
    EXPECT_EQ(dir.list().size(), 1u);  // no temporary file left behind
}
