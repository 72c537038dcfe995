// How the data files are written: whole, flushed to the disk before they
// take the old file's place, never torn by a failing disk, through symbolic
// links, and never from a stale "<file>.new".
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "rules/logic_probe.h"
#include "tests/support/file_calls.h"
#include "tests/support/game_harness.h"

namespace {

namespace fs = std::filesystem;

const std::string kMarker = " 0 \r\n";

// The table a game with the default rows writes at the exit.
std::string DefaultTable() {
    std::string text;
    for (int i = 0; i < 10; ++i) text += "\"Oru\",1,1,100\r\n";
    return text + "1835\r\n";
}

// Every open, write, flush and rename, with the file's name in the program
// folder.
std::vector<std::string> gCalls;
std::map<int, std::string> gNames;
std::string gFolder;
plat::FileCalls gReal;

// A writer's own temporary file, "HI.SCO.new.<process id>.<letters>", as "HI.SCO.new.*".
std::string NameOf(const std::string& path) {
    std::string name = path.substr(gFolder.size());
    size_t own = name.find(".new.");
    if (own != std::string::npos) name = name.substr(0, own) + ".new.*";
    return name.empty() ? "the folder" : name;
}

void Record(support::FileCallsSwap& swap, const std::string& folder) {
    gCalls.clear();
    gFolder = folder;
    gReal = swap.real();
    swap.calls().open = [](const char* path, int flags, mode_t mode) {
        int fd = gReal.open(path, flags, mode);
        gNames[fd] = NameOf(path);
        gCalls.push_back("open " + gNames[fd]);
        return fd;
    };
    swap.calls().write = [](int fd, const void* data, size_t size) {
        gCalls.push_back("write " + gNames[fd]);
        return gReal.write(fd, data, size);
    };
    swap.calls().fsync = [](int fd) {
        gCalls.push_back("fsync " + gNames[fd]);
        return gReal.fsync(fd);
    };
    swap.calls().rename = [](const char* from, const char* to, bool noReplace) {
        gCalls.push_back("rename " + NameOf(from) + " " + NameOf(to));
        return gReal.rename(from, to, noReplace);
    };
}

// The temporary files "<file>.new.<process id>.<letters>" in a folder.
int Temporaries(const std::string& folder) {
    int n = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        n += entry.path().filename().string().find(".new.") != std::string::npos;
    return n;
}

struct FileWrites : ::testing::Test {
    void SetUp() override {
        h.writeFile("HI.SCO", kMarker);
        h.createAndShow();
    }
    fakes::GameHarness h;
};

TEST_F(FileWrites, TheNewFileReachesTheDiskBeforeItTakesTheOldOnesPlaceAndTheFolderAfter) {
    support::FileCallsSwap swap;
    Record(swap, h.folder());
    ASSERT_TRUE(h.exitGame());
    // Under the lock, the file is read again: another copy of the game may have written it.
    EXPECT_EQ(gCalls, (std::vector<std::string>{"open HI.SCO.lock", "open HI.SCO", "open HI.SCO.new.*",
                                                "write HI.SCO.new.*", "fsync HI.SCO.new.*",
                                                "rename HI.SCO.new.* HI.SCO", "open the folder", "fsync the folder"}));
    EXPECT_EQ(h.readFile("HI.SCO"), DefaultTable());
}

// A full disk cuts the write short; a flush meets an I/O error. Each says so
// once on standard error, with the file and the reason.
TEST_F(FileWrites, AWriteOrAFlushThatFailsLeavesTheOldFileWholeAndSaysSo) {
    support::FileCallsSwap swap;
    gReal = swap.real();
    static bool full = false;
    swap.calls().write = [](int fd, const void* data, size_t size) -> ssize_t {
        if (full) {
            errno = ENOSPC;
            return -1;
        }
        full = true;
        return gReal.write(fd, data, size / 2);
    };
    testing::internal::CaptureStderr();
    ASSERT_TRUE(h.exitGame());
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "corvane: " + h.path("HI.SCO") + " was not written: No space left on device; the file stays as it was\n");
    EXPECT_EQ(h.readFile("HI.SCO"), kMarker);
    EXPECT_EQ(Temporaries(h.folder()), 0);

    fakes::GameHarness other;
    logic& game = other.createAndShow();
    swap.calls() = swap.real();
    swap.calls().fsync = [](int) {
        errno = EIO;
        return -1;
    };
    game.SetStartLevel(5);
    testing::internal::CaptureStderr();
    game.ReturnPressedInOptions();
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "corvane: " + other.path("OPT.TXT") + " was not written: Input/output error; the file stays as it was\n");
    EXPECT_FALSE(other.fileExists("OPT.TXT"));
    EXPECT_EQ(Temporaries(other.folder()), 0);
    EXPECT_EQ(game.StartLevel(), 5);
}

// The real system refusing: a file size limit (a full disk as the write sees
// it, root or not), and a folder so deep that the temporary file's name is
// longer than any path may be, though the file's own name is not.
TEST(FileWrite, ADiskThatTakesNoMoreOrANameTooLongIsSaidAndTheOldFileStays) {
    fakes::GameHarness limited, deep;
    std::string folder = deep.folder();
    const size_t longest = PATH_MAX - 1 - std::string("HI.SCO.lock").size();  // the lock file still fits
    while (folder.size() < longest) folder += std::string(std::min<size_t>(200, longest - folder.size()), 'd') + "/";
    folder.resize(longest - 1);
    folder += "/";
    fs::create_directories(folder);
    deep.program->gPath = folder;
    std::string table = DefaultTable();
    table.replace(0, 5, "\"Abc\"");
    table.replace(table.size() - 6, 4, "1821");  // 1835 - 'O' + 'A'
    for (fakes::GameHarness* game : {&limited, &deep}) {
        std::ofstream(game->program->gPath + "HI.SCO", std::ios::binary) << table;
        game->createAndShow();
        ASSERT_EQ(LogicProbe::topName(*game->game, 0), "Abc");
    }

    struct rlimit was;
    getrlimit(RLIMIT_FSIZE, &was);
    struct rlimit small = was;
    small.rlim_cur = 40;
    auto ignored = signal(SIGXFSZ, SIG_IGN);
    // Standard error goes to a pipe meanwhile: a captured file would meet the limit too.
    int saidPipe[2];
    ASSERT_EQ(pipe(saidPipe), 0);
    int stderrWas = dup(2);
    dup2(saidPipe[1], 2);
    setrlimit(RLIMIT_FSIZE, &small);
    bool ended = limited.exitGame();
    setrlimit(RLIMIT_FSIZE, &was);
    dup2(stderrWas, 2);
    close(stderrWas);
    close(saidPipe[1]);
    std::string said;
    char buffer[512];
    for (ssize_t n; (n = read(saidPipe[0], buffer, sizeof buffer)) > 0;) said.append(buffer, size_t(n));
    close(saidPipe[0]);
    signal(SIGXFSZ, ignored);
    EXPECT_TRUE(ended);
    EXPECT_EQ(said,
              "corvane: " + limited.path("HI.SCO") + " was not written: File too large; the file stays as it was\n");
    EXPECT_EQ(limited.readFile("HI.SCO"), table);
    EXPECT_EQ(Temporaries(limited.folder()), 0);

    testing::internal::CaptureStderr();
    EXPECT_TRUE(deep.exitGame());
    said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, "corvane: " + folder + "HI.SCO was not written: File name too long; the file stays as it was\n");
    std::ifstream in(folder + "HI.SCO", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), table);
}

TEST(FileWrite, ASymbolicLinkStaysALinkAndItsTargetIsReplaced) {
    fakes::GameHarness linked;
    fs::create_directory(linked.path("data"));
    linked.writeFile("data/scores", "damaged");
    fs::create_symlink("data/scores", linked.path("HI.SCO"));
    linked.createAndShow();
    EXPECT_TRUE(fs::is_symlink(linked.path("HI.SCO")));
    EXPECT_EQ(linked.readFile("data/scores"), kMarker);
    EXPECT_EQ(linked.readFile("data/scores.bad"), "damaged");

    ASSERT_TRUE(linked.exitGame());
    EXPECT_TRUE(fs::is_symlink(linked.path("HI.SCO")));
    EXPECT_EQ(linked.readFile("data/scores"), DefaultTable());
    EXPECT_FALSE(linked.fileExists("data/scores.new"));
    EXPECT_FALSE(linked.fileExists("HI.SCO.new"));
}

// A link that leads out of the program folder to a pipe or a folder: what it
// leads to is no file of the game's, so it is never moved, replaced or
// written, and the game plays on with the defaults.
TEST(FileWrite, WhatALinkLeadsToIsNeverReplacedUnlessItIsAPlainFile) {
    fakes::GameHarness linked;
    fs::create_directories(linked.path("elsewhere/folder"));
    linked.writeFile("elsewhere/folder/keep", "mine");
    ASSERT_EQ(mkfifo(linked.path("elsewhere/pipe").c_str(), 0600), 0);
    fs::create_symlink(linked.path("elsewhere/pipe"), linked.path("HI.SCO"));
    fs::create_symlink("elsewhere/folder", linked.path("OPT.TXT"));
    logic& game = linked.createAndShow();
    EXPECT_EQ(LogicProbe::topName(game, 0), "Oru");
    EXPECT_EQ(linked.visual().hiscore().caption(), "0");
    game.SetStartLevel(4);
    game.ReturnPressedInOptions();
    EXPECT_EQ(game.StartLevel(), 4);
    ASSERT_TRUE(linked.exitGame());

    EXPECT_TRUE(fs::is_symlink(linked.path("HI.SCO")) && fs::is_symlink(linked.path("OPT.TXT")));
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(linked.path("elsewhere/pipe"))));
    EXPECT_TRUE(fs::is_directory(fs::symlink_status(linked.path("elsewhere/folder"))));
    EXPECT_EQ(linked.readFile("elsewhere/folder/keep"), "mine");
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(linked.path("elsewhere"))) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"folder", "pipe"}));
}

// A loop of links has no target anywhere: what stands at the file's own name
// is kept aside like a folder there, and the file is written in its place.
TEST(FileWrite, ALoopOfLinksIsKeptAsideAndTheFileWritten) {
    struct Case {
        const char* what;
        std::string (*target)(const std::string& file);  // HI.SCO's link; other links made on the way
    };
    const Case cases[] = {
        {"a link to itself", [](const std::string& file) { return file; }},
        {"through a second link", [](const std::string& file) { return file + ".link"; }},
        {"through a folder that is a loop", [](const std::string& file) { return "loop/" + file; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fakes::GameHarness h;
        fs::create_symlink("loop", h.path("loop"));
        for (std::string file : {"HI.SCO", "OPT.TXT"}) {
            fs::create_symlink(c.target(file), h.path(file));
            fs::create_symlink(file, h.path(file + ".link"));
        }
        logic& game = h.createAndShow();
        EXPECT_EQ(h.readFile("HI.SCO"), kMarker);
        game.SetStartLevel(4);
        game.ReturnPressedInOptions();
        ASSERT_TRUE(h.exitGame());
        EXPECT_EQ(h.readFile("HI.SCO"), DefaultTable());
        EXPECT_EQ(h.readFile("OPT.TXT"), " 1 \r\n 4 \r\n 0 \r\n 0 \r\n");
        for (std::string file : {"HI.SCO", "OPT.TXT"}) {
            EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(h.path(file)))) << file;
            ASSERT_TRUE(fs::is_symlink(h.path(file + ".bad"))) << file;
            EXPECT_EQ(fs::read_symlink(h.path(file + ".bad")), c.target(file));
            EXPECT_TRUE(fs::is_symlink(h.path(file + ".link")));
        }
    }
}

// A folder in the way of "<file>.new": an empty one is removed, one that holds
// anything stays as it is and the file is written through another name.
TEST(FileWrite, AFolderNamedLikeTheNewFileDoesNotStopTheWrite) {
    fakes::GameHarness blocked;
    fs::create_directory(blocked.path("HI.SCO.new"));
    blocked.writeFile("HI.SCO.new/keep", "mine");
    fs::create_directory(blocked.path("OPT.TXT.new"));
    logic& game = blocked.createAndShow();
    EXPECT_EQ(blocked.readFile("HI.SCO"), kMarker);
    game.SetStartLevel(6);
    game.ReturnPressedInOptions();
    EXPECT_EQ(blocked.readFile("OPT.TXT"), " 1 \r\n 6 \r\n 0 \r\n 0 \r\n");
    EXPECT_FALSE(blocked.fileExists("OPT.TXT.new"));
    ASSERT_TRUE(blocked.exitGame());
    EXPECT_EQ(blocked.readFile("HI.SCO"), DefaultTable());
    EXPECT_EQ(blocked.readFile("HI.SCO.new/keep"), "mine");
    size_t names = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(blocked.folder())) ++names;
    EXPECT_EQ(names, 4u);  // HI.SCO, HI.SCO.lock, HI.SCO.new, OPT.TXT: no temporary file left
}

// A write killed half-way leaves its temporary file behind: "<file>.new"
// from an earlier version of the game, "<file>.new.<process id>.<letters>"
// now. A leftover of a process that is gone is removed by the next write; a
// file of a process that is still there is being written, and stays.
TEST(FileWrite, AStaleNewFileIsNeverReadAndTheNextWriteReplacesIt) {
    pid_t gone = fork();
    if (gone == 0) _exit(0);
    ASSERT_GT(gone, 0);
    waitpid(gone, nullptr, 0);
    const std::string ofGone = ".new." + std::to_string(gone) + ".Xy12ab";
    const std::string ofLive = ".new." + std::to_string(getppid()) + ".Xy12ab";
    fakes::GameHarness stale;
    stale.writeFile("HI.SCO", kMarker);
    stale.writeFile("HI.SCO.new", "\"Abc\",1,1,5000\r\n" + std::string(200, 'x'));
    stale.writeFile("OPT.TXT.new", " 0 \r\n 9 \r\n 1 \r\n 1 \r\n");
    for (std::string file : {"HI.SCO", "OPT.TXT"}) {
        stale.writeFile(file + ofGone, "cut short");
        stale.writeFile(file + ofLive, "being written");
    }
    logic& game = stale.createAndShow();
    EXPECT_EQ(LogicProbe::hiScore(game), 0);
    EXPECT_EQ(game.StartLevel(), 1);

    game.ReturnPressedInOptions();
    EXPECT_EQ(stale.readFile("OPT.TXT"), " 1 \r\n 1 \r\n 0 \r\n 0 \r\n");
    ASSERT_TRUE(stale.exitGame());
    EXPECT_EQ(stale.readFile("HI.SCO"), DefaultTable());
    EXPECT_FALSE(stale.fileExists("HI.SCO.new") || stale.fileExists("OPT.TXT.new"));
    for (std::string file : {"HI.SCO", "OPT.TXT"}) {
        EXPECT_FALSE(stale.fileExists(file + ofGone)) << file;
        EXPECT_EQ(stale.readFile(file + ofLive), "being written") << file;
    }
    EXPECT_EQ(Temporaries(stale.folder()), 2);
}

// A player without a folder was told so once when the game started; the
// writes that follow fail without another word, while a folder that is
// merely missing still says why its file was not written.
TEST(NoDataFolder, WritesThereFailWithoutAWord) {
    const std::string file = std::string(plat::kNoDataFolder) + "/HI.SCO";
    testing::internal::CaptureStderr();
    EXPECT_FALSE(plat::writeDataFile(file, kMarker));
    EXPECT_FALSE(plat::replaceKeepingOld(file, kMarker));
    EXPECT_FALSE(plat::DataFileLock(file, std::chrono::milliseconds(0)).held());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    testing::internal::CaptureStderr();
    EXPECT_FALSE(plat::writeDataFile("/nonexistent-corvane-folder/HI.SCO", kMarker));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("was not written: No such file or directory"),
              std::string::npos);
}

}  // namespace
