// The tune history: entries written, listed newest first, pruned to the
// newest 200, and a hostile history folder that costs only its bad files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "LogCapture.h"
#include "TempFolder.h"
#include "model/LogSink.h"
#include "model/StartupImage.h"
#include "store/IgnFileReader.h"
#include "store/TuneHistory.h"

using namespace tarvel;
using namespace std::chrono_literals;
using Clock = std::chrono::system_clock;

namespace {

// 2026-12-10 11:54:28.123 UTC
const Clock::time_point kNoon = Clock::from_time_t(1796903668) + 123ms;

TuneRecord recordAt(Clock::time_point time, const std::string& bike = "Yamaha R6")
{
    return TuneRecord{time, bike, "ZEV07", "10.12.2026", "11:54"};
}

ParamImage imageWithAdvance(int value)
{
    ParamImage image = StartupImage();
    image.advance(4, 4) = static_cast<std::uint8_t>(value);
    return image;
}

}  // namespace

TEST(TuneHistory, EntryIsAnOrdinaryIgnFileWhoseHeaderCannotBeTakenForParameters)
{
    TempFolder dir;
    TuneHistory history(dir.path("history"));
    // A bike name that looks like the file's own words must not reach the image.
    const TuneRecord record = recordAt(kNoon, "KORVANEX_KEY 48 BIKE 1 2 3 = 100% \xC3\xA9");
    const ParamImage image = imageWithAdvance(33);
    ASSERT_TRUE(history.record(image, record));

    EXPECT_EQ(dir.list("history"), std::vector<std::string>{"tune-20261210-115428-123-00.ign"});
    const std::string path = dir.path("history/tune-20261210-115428-123-00.ign");
    ParamImage opened = StartupImage();
    ASSERT_EQ(LoadIgnFile(path, opened), IgnLoadResult::Loaded);
    EXPECT_EQ(opened, image);

    const auto entries = history.list(StartupImage());
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].record, record);
    EXPECT_EQ(entries[0].image, image);
    EXPECT_EQ(entries[0].path, path);
    ParamImage loaded = StartupImage();
    EXPECT_EQ(TuneHistory::load(path, loaded), IgnLoadResult::Loaded);
    EXPECT_EQ(loaded, image);
    // The folder holds what the user programmed: the user's alone.
    struct stat st {};
    ASSERT_EQ(::stat(dir.path("history").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}

TEST(TuneHistory, ListsNewestFirstAndKeepsTheNewest200)
{
    TempFolder dir;
    TuneHistory history(dir.path());
    writeFile(dir.path("notes.txt"), "mine");
    writeFile(dir.path("tune-old-style.ign"), readFile(dir.path("notes.txt")));
    // Two programs within one millisecond keep both and their order.
    ASSERT_TRUE(history.record(imageWithAdvance(1), recordAt(kNoon)));
    ASSERT_TRUE(history.record(imageWithAdvance(2), recordAt(kNoon)));
    for (int i = 0; i < 202; ++i)
        ASSERT_TRUE(history.record(imageWithAdvance(3 + i % 50), recordAt(kNoon + std::chrono::seconds(i + 1))));

    const auto entries = history.list(StartupImage());
    ASSERT_EQ(entries.size(), 200u);
    for (std::size_t i = 1; i < entries.size(); ++i)
        EXPECT_GT(entries[i - 1].record.time, entries[i].record.time);
    EXPECT_EQ(entries.front().record.time, kNoon + 202s);
    EXPECT_EQ(entries.back().record.time, kNoon + 3s);
    // Foreign files stay.
    EXPECT_EQ(readFile(dir.path("notes.txt")), "mine");
    EXPECT_TRUE(std::filesystem::exists(dir.path("tune-old-style.ign")));
    EXPECT_EQ(history.prune(10), 190);
    EXPECT_EQ(history.list(StartupImage()).size(), 10u);

    // A clock that once ran years ahead must not make every new entry the
    // oldest and so vanish at once.
    EXPECT_EQ(history.prune(0), 10);
    for (int i = 0; i < TuneHistory::kKeep; ++i)
        writeFile(
            dir.path(TuneHistory::entryName(kNoon + std::chrono::hours(24 * 365 * 3) + std::chrono::seconds(i), 0)),
            "KORVANEX_KEY 48");
    ASSERT_TRUE(history.record(imageWithAdvance(44), recordAt(kNoon)));
    const auto kept = history.list(StartupImage());
    ASSERT_EQ(kept.size(), 200u);
    EXPECT_EQ(kept.back().image.advance(4, 4), 44);
}

TEST(TuneHistory, SameMillisecondEntriesSortInTheOrderWritten)
{
    TempFolder dir;
    TuneHistory history(dir.path());
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(history.record(imageWithAdvance(10 + i), recordAt(kNoon)));
    const auto entries = history.list(StartupImage());
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].image.advance(4, 4), 12);
    EXPECT_EQ(entries[2].image.advance(4, 4), 10);
}

TEST(TuneHistory, DamagedForeignAndUnreadableFilesAreSkipped)
{
    TempFolder dir;
    TuneHistory history(dir.path());
    ASSERT_TRUE(history.record(imageWithAdvance(20), recordAt(kNoon)));
    ASSERT_TRUE(history.record(imageWithAdvance(21), recordAt(kNoon + 2h)));
    const ParamImage base = StartupImage();

    // Entry names, but not entries.
    writeFile(dir.path("tune-20261210-120000-000-00.ign"), "garbage \x01\x02 no key");
    writeFile(dir.path("tune-20261210-120001-000-00.ign"), "KORVANEX_KEY 47\r\nADVANCE 1 2 3");
    writeFile(dir.path("tune-20261210-120002-000-00.ign"), "");
    writeFile(dir.path("tune-20261210-120003-000-00.ign"),
              "KORVANEX_KEY 48 " + std::string(TuneHistory::kMaxEntryBytes, ' '));
    std::filesystem::create_directory(dir.path("tune-20261210-120004-000-00.ign"));
    ASSERT_EQ(::mkfifo(dir.path("tune-20261210-120005-000-00.ign").c_str(), 0600), 0);  // would block a reader
    std::filesystem::create_symlink("/dev/zero", dir.path("tune-20261210-120006-000-00.ign"));
    std::filesystem::create_symlink(dir.path("nowhere"), dir.path("tune-20261210-120007-000-00.ign"));
    // Names that are not entry names at all.
    writeFile(dir.path("tune-20261310-120000-000-00.ign"), readFile(dir.path("tune-20261210-115428-123-00.ign")));
    writeFile(dir.path("tune-20261210-120000-000-0.ign"), readFile(dir.path("tune-20261210-115428-123-00.ign")));
    writeFile(dir.path("TUNE-20261210-120000-000-00.ign"), readFile(dir.path("tune-20261210-115428-123-00.ign")));

    // An entry without our header (copied in by hand) still lists, with empty texts.
    writeFile(dir.path("tune-20261210-110000-000-00.ign"), "KORVANEX_KEY 48 ADVANCE 9");

    const auto entries = history.list(base);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].image.advance(4, 4), 21);
    EXPECT_EQ(entries[0].record.bike, "Yamaha R6");
    EXPECT_EQ(entries[1].image.advance(4, 4), 20);
    EXPECT_EQ(entries[2].image.advance(0, 0), 9);
    EXPECT_EQ(entries[2].record.bike, "");
    EXPECT_EQ(entries[2].record.time, Clock::from_time_t(1796900400));

    // Loading a damaged one tells why and leaves the image alone.
    ParamImage image = base;
    EXPECT_EQ(TuneHistory::load(dir.path("tune-20261210-120001-000-00.ign"), image), IgnLoadResult::UnmatchedVersion);
    EXPECT_EQ(TuneHistory::load(dir.path("tune-20261210-120005-000-00.ign"), image), IgnLoadResult::OpenError);
    EXPECT_EQ(TuneHistory::load(dir.path("gone.ign"), image), IgnLoadResult::OpenError);
    EXPECT_EQ(image, base);

    // Pruning removes the oldest names but never a folder.
    history.prune(0);
    EXPECT_TRUE(std::filesystem::is_directory(dir.path("tune-20261210-120004-000-00.ign")));
    EXPECT_TRUE(history.list(base).empty());
}

TEST(TuneHistory, ReadOnlyOrMissingFolderFailsWithALoggedReasonAndKeepsOlderEntries)
{
    TempFolder dir;
    TuneHistory history(dir.path("history"));
    ASSERT_TRUE(history.record(imageWithAdvance(20), recordAt(kNoon)));
    const std::string before = readFile(dir.path("history/tune-20261210-115428-123-00.ign"));
    ASSERT_EQ(::chmod(dir.path("history").c_str(), 0500), 0);

    LogCapture log;
    std::string error;
    EXPECT_FALSE(history.record(imageWithAdvance(21), recordAt(kNoon + 1s), &error));
    EXPECT_NE(error.find("history"), std::string::npos) << error;
    // The writer may log its own view of the failure first; the history's
    // line carries the reason it reports.
    ASSERT_FALSE(log.lines().empty());
    EXPECT_NE(log.lines().back().second.find(error), std::string::npos);
    EXPECT_EQ(dir.list("history"), std::vector<std::string>{"tune-20261210-115428-123-00.ign"});
    EXPECT_EQ(readFile(dir.path("history/tune-20261210-115428-123-00.ign")), before);

    // A file where the folder should be.
    writeFile(dir.path("file"), "x");
    TuneHistory blocked(dir.path("file"));
    EXPECT_FALSE(blocked.record(imageWithAdvance(1), recordAt(kNoon)));
    EXPECT_TRUE(blocked.list(StartupImage()).empty());
    EXPECT_EQ(readFile(dir.path("file")), "x");
}
