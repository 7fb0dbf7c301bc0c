// The store reports why a file or folder could not be opened (errno's text and
// the path) through the core's log sink, while callers still get their plain
// result.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "LogCapture.h"
#include "TempFolder.h"
#include "model/ParamImage.h"
#include "store/AppPaths.h"
#include "store/IgnFileReader.h"
#include "store/StateDump.h"

using namespace tarvel;

TEST(StoreLogReasons, FailedOpensLogPathAndErrnoText)
{
    TempFolder temp;
    const std::string missing = temp.path("absent.ign");
    ParamImage image;
    {
        LogCapture log;
        EXPECT_EQ(LoadIgnFile(missing, image), IgnLoadResult::OpenError);
        EXPECT_TRUE(log.has(log::Area::Store, {missing, std::strerror(ENOENT)})) << log.dump();
    }
    {
        LogCapture log;
        EXPECT_EQ(LoadIgnFile(temp.path(), image), IgnLoadResult::OpenError);
        EXPECT_TRUE(log.has(log::Area::Store, {temp.path(), std::strerror(EISDIR)})) << log.dump();
    }
    {
        LogCapture log;
        EXPECT_FALSE(LoadStateDump(missing, image));
        EXPECT_TRUE(log.has(log::Area::Store, {missing, std::strerror(ENOENT)})) << log.dump();
    }
}

TEST(StoreLogReasons, SettingsFolderThatCannotBeMadeIsLogged)
{
    TempFolder temp;
    std::ofstream(temp.path("file")) << "x";
    AppPaths paths;
    paths.folder = temp.path("file") + "/tarvel3";  // below a plain file
    LogCapture log;
    std::string error;
    EXPECT_FALSE(paths.createFolder(&error));
    EXPECT_TRUE(log.has(log::Area::Store, {paths.folder, std::strerror(ENOTDIR)})) << log.dump();
}
