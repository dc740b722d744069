// The committed pictures are exactly what the generator draws now: it runs
// into a fresh folder and the files are compared byte for byte.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "bmp_file.h"

namespace lpf::art::test {
namespace {

class RegenerateTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "lpf_art_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    std::filesystem::path dir_;
};

TEST_F(RegenerateTest, CommittedPicturesMatchTheGenerator) {
    const std::string command = std::string("'") + LPF_ART_GENERATOR + "' '" + dir_.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (const char* name : {"two_pole.bmp", "three_pole.bmp", "help_sheet.bmp"}) {
        const auto drawn = ReadBytes((dir_ / name).string());
        const auto committed = ReadBytes(std::string(LPF_ART_DIR) + "/" + name);
        ASSERT_FALSE(drawn.empty()) << name;
        EXPECT_EQ(drawn.size(), committed.size()) << name;
        EXPECT_TRUE(drawn == committed)
            << name << " differs from the generator's output; run the regenerate_art target";
    }
}

TEST_F(RegenerateTest, GeneratorRefusesMissingArgument) {
    const std::string command = std::string("'") + LPF_ART_GENERATOR + "' 2>/dev/null";
    EXPECT_NE(std::system(command.c_str()), 0);
}

}  // namespace
}  // namespace lpf::art::test
