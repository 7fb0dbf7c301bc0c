// A test with a fresh folder of its own, removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TempFolder.h"

namespace tarvel::ctl::test {

class FolderTest : public ::testing::Test {
protected:
    std::string file(const char* name) const { return folder_.path(name); }

    TempFolder folder_;
    const std::filesystem::path dir{folder_.path()};
};

}  // namespace tarvel::ctl::test
