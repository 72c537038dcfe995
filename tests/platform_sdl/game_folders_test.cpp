// Where the program finds its files: run from the build folder everything
// stays in one folder; installed, the pictures and wave files come from
// share/corvane/ and the data files go to the player's own folder, which is
// made on the first start, or the reason it cannot be had is given.
#include "platform/game_folders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/sdl/player_folder.h"

namespace fs = std::filesystem;

namespace {

// The folders as the SDL program has them, its player's folder made by SDL.
plat::GameFolders gameFolders(const std::string& programDir,
                              const std::string& installedShare = plat::kInstalledShare) {
    return plat::gameFolders(programDir, plat::sdl::makePlayerFolder, installedShare);
}

// Sets an environment variable (or unsets it) for one test.
class EnvironmentVariable {
public:
    EnvironmentVariable(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    ~EnvironmentVariable() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

class GameFoldersTest : public testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("corvane-folders-" + std::to_string(getpid()));
        fs::remove_all(root_);
        fs::create_directories(bin());
    }
    void TearDown() override { fs::remove_all(root_); }
    std::string bin() const { return (root_ / "usr/bin").string(); }
    std::string under(const std::string& path) const { return (root_ / path).string(); }

    fs::path root_;
};

TEST_F(GameFoldersTest, BesideItsPicturesTheProgramKeepsEverythingInItsOwnFolder) {
    fs::create_directory(bin() + "/pictures");
    EnvironmentVariable xdg("XDG_DATA_HOME", under("xdg"));
    auto folders = gameFolders(bin());
    EXPECT_EQ(folders.program, bin());
    EXPECT_EQ(folders.pictures, bin() + "/pictures");
    EXPECT_EQ(folders.waves, bin());
    EXPECT_EQ(folders.problem, "");
    EXPECT_FALSE(fs::exists(under("xdg"))) << "no player's folder is made for a game run from its build folder";
}

TEST_F(GameFoldersTest, InstalledTheDataFilesGoToThePlayersFolderMadeOnTheFirstStart) {
    EnvironmentVariable xdg("XDG_DATA_HOME", under("xdg"));
    auto folders = gameFolders(bin(), "../share/corvane");
    EXPECT_EQ(folders.program, under("xdg/corvane"));
    EXPECT_TRUE(fs::is_directory(folders.program));
    EXPECT_EQ(folders.problem, "");
    EXPECT_EQ(folders.pictures, bin() + "/../share/corvane/pictures");
    EXPECT_EQ(folders.waves, bin() + "/../share/corvane");

    // The second start finds it and what is in it.
    std::FILE* f = std::fopen((folders.program + "/HI.SCO").c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    auto again = gameFolders(bin(), "../share/corvane");
    EXPECT_EQ(again.program, folders.program);
    EXPECT_EQ(again.problem, "");
    EXPECT_TRUE(fs::exists(again.program + "/HI.SCO"));
}

TEST_F(GameFoldersTest, WithoutAnAbsoluteXdgDataHomeThePlayersFolderLiesInTheHome) {
    EnvironmentVariable home("HOME", under("home"));
    for (std::optional<std::string> value :
         {std::optional<std::string>{}, std::optional<std::string>{""}, std::optional<std::string>{"relative/data"}}) {
        EnvironmentVariable xdg("XDG_DATA_HOME", value);
        auto folders = gameFolders(bin(), "../share/corvane");
        EXPECT_EQ(folders.program, under("home/.local/share/corvane")) << "XDG_DATA_HOME=" << value.value_or("(unset)");
        EXPECT_TRUE(fs::is_directory(folders.program));
        EXPECT_EQ(folders.problem, "");
    }
    EXPECT_FALSE(fs::exists("relative")) << "a relative XDG_DATA_HOME made a folder in the working folder";
}

// Nothing can be read from or written to the name the data files get then,
// also for root; the reason is given once.
TEST_F(GameFoldersTest, APlayersFolderThatCannotBeHadLeavesTheDataFilesNowhere) {
    fs::create_directories(under("xdg"));
    std::FILE* f = std::fopen(under("xdg/corvane").c_str(), "w");  // a file in the way
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    struct Case {
        std::optional<std::string> xdg, home;
        std::string says;
    };
    for (const Case& c :
         {Case{"/dev/null", under("home"), "/dev/null/corvane"}, Case{under("xdg"), under("home"), "is no folder"},
          Case{{}, {}, "neither XDG_DATA_HOME nor HOME"}, Case{{}, "", "neither"}}) {
        EnvironmentVariable xdg("XDG_DATA_HOME", c.xdg), home("HOME", c.home);
        auto folders = gameFolders(bin(), "../share/corvane");
        EXPECT_NE(folders.problem.find(c.says), std::string::npos) << folders.problem;
        struct stat st;
        EXPECT_FALSE(stat(folders.program.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) << folders.program;
        EXPECT_EQ(folders.waves, bin() + "/../share/corvane");
    }
    EXPECT_TRUE(fs::is_regular_file(under("xdg/corvane"))) << "the file in the way was touched";
}

}  // namespace
