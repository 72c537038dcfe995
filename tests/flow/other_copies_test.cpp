// Two copies of the game on one program folder: at the exit, a table the
// other copy wrote meanwhile keeps its rows and this run's rows join them;
// two copies leaving together wait for each other; a lock that is never
// given up is not waited for without end.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <string>
#include <thread>

#include "flow/topten_format.h"
#include "rules/logic_probe.h"
#include "tests/support/file_calls.h"
#include "tests/support/game_harness.h"

namespace {

// Ten rows, 900 points down to 450 in steps of 50, named "A".."J".
TopTenTable StartTable() {
    TopTenTable table;
    for (int i = 0; i < TopTenRows; ++i) table[i] = {std::string(1, char('A' + i)), 1, 2, 900 - 50 * i};
    return table;
}

// A game over with this score, and the three letters typed into its row
// when it earned one.
void FinishGame(fakes::GameHarness& h, plat::Long score, const std::string& name) {
    h.startGame();  // at level 1
    LogicProbe::setState(*h.game, NoGame);
    LogicProbe::setScore(*h.game, score);
    h.game->SaveScore();
    h.game->InputName();
    for (char ch : name) h.game->KeyPressed(ch);
}

// The temporary files left in the folder.
int Leftovers(const std::string& folder) {
    int n = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        n += entry.path().filename().string().find(".new") != std::string::npos;
    return n;
}

// The other copy's row of 700 points went below the row of 700 it met; this
// run's own row of 700 goes below both, and its row of 520, which earned a
// place in this run's table, no longer reaches the ten.
TEST(OtherCopies, ATableWrittenMeanwhileKeepsItsRowsAndThisRunsRowsEnterByTheRule) {
    fakes::GameHarness h;
    h.writeFile("HI.SCO", formatTopTen(StartTable()));
    h.createAndShow();
    FinishGame(h, 700, "Me1");
    FinishGame(h, 520, "Me2");
    EXPECT_EQ(LogicProbe::topName(*h.game, 9), "Me2");

    TopTenTable theirs = StartTable();
    enterTopTenRow(theirs, {"Oth", 3, 5, 700});
    h.writeFile("HI.SCO", formatTopTen(theirs));
    ASSERT_TRUE(h.exitGame());

    TopTenTable expected = StartTable();
    expected[5] = {"Oth", 3, 5, 700};
    expected[6] = {"Me1", 1, 1, 700};
    for (int i = 7; i < TopTenRows; ++i) expected[i] = StartTable()[i - 2];
    EXPECT_EQ(h.readFile("HI.SCO"), formatTopTen(expected));
    EXPECT_EQ(Leftovers(h.folder()), 0);
}

// What another copy left unreadable or took away is handled as at the
// start: a damaged table is kept aside; this run's table is written.
TEST(OtherCopies, ADamagedOrMissingFileAtTheExitGetsThisRunsTable) {
    for (bool damaged : {true, false}) {
        SCOPED_TRACE(damaged ? "damaged" : "missing");
        fakes::GameHarness h;
        h.writeFile("HI.SCO", formatTopTen(StartTable()));
        h.createAndShow();
        FinishGame(h, 880, "Run");
        if (damaged)
            h.writeFile("HI.SCO", "\"Oth\",1,1,");
        else
            std::filesystem::remove(h.path("HI.SCO"));
        ASSERT_TRUE(h.exitGame());
        TopTenTable mine = StartTable();
        enterTopTenRow(mine, {"Run", 1, 1, 880});
        EXPECT_EQ(h.readFile("HI.SCO"), formatTopTen(mine));
        EXPECT_EQ(h.readFile("HI.SCO.bad"), damaged ? "\"Oth\",1,1," : "");
    }
}

// Copy A is stopped between writing its new file and flushing it, until copy
// B has come to the lock; B then waits, and writes after A, A's row kept.
std::atomic<bool> gFirstFlush{true};
std::atomic<bool> gOtherCame{false};
std::promise<void> gOtherAtLock;
std::thread::id gFirstCopy;
std::function<void()> gLeaveOther;
plat::FileCalls gReal;

TEST(OtherCopies, TwoCopiesLeavingTogetherKeepBothRows) {
    fakes::GameHarness a, b;
    a.writeFile("HI.SCO", formatTopTen(StartTable()));
    b.program->gPath = a.folder();
    a.createAndShow();
    b.createAndShow();
    FinishGame(a, 600, "Aaa");
    FinishGame(b, 600, "Bbb");

    support::FileCallsSwap swap;
    gReal = swap.real();
    gFirstCopy = std::this_thread::get_id();
    gOtherAtLock = std::promise<void>();
    std::future<bool> bLeft;
    gLeaveOther = [&] { bLeft = std::async(std::launch::async, [&] { return b.exitGame(); }); };
    swap.calls().open = [](const char* path, int flags, mode_t mode) {
        int fd = gReal.open(path, flags, mode);
        if (std::this_thread::get_id() != gFirstCopy && std::string(path).ends_with("HI.SCO.lock") &&
            !gOtherCame.exchange(true))
            gOtherAtLock.set_value();
        return fd;
    };
    swap.calls().fsync = [](int fd) {
        if (gFirstFlush.exchange(false)) {
            gLeaveOther();
            std::future<void> atLock = gOtherAtLock.get_future();
            EXPECT_EQ(atLock.wait_for(std::chrono::seconds(5)), std::future_status::ready);
        }
        return gReal.fsync(fd);
    };
    ASSERT_TRUE(a.exitGame());
    std::string afterA = a.readFile("HI.SCO");
    ASSERT_TRUE(bLeft.get());

    TopTenTable both = StartTable();
    enterTopTenRow(both, {"Aaa", 1, 1, 600});
    EXPECT_EQ(afterA, formatTopTen(both));
    enterTopTenRow(both, {"Bbb", 1, 1, 600});
    EXPECT_EQ(a.readFile("HI.SCO"), formatTopTen(both));
    EXPECT_EQ(Leftovers(a.folder()), 0);
}

// Another process holds the lock and never gives it up: the wait ends after
// the patience given, and says so.
TEST(OtherCopies, ALockNeverGivenUpIsWaitedForOnlyAsLongAsAsked) {
    fakes::GameHarness h;
    const std::string path = h.path("HI.SCO");
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    pid_t holder = fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        int fd = open((path + ".lock").c_str(), O_RDONLY | O_CREAT, 0666);
        if (fd >= 0 && flock(fd, LOCK_EX) == 0) (void)!write(ready[1], "x", 1);
        pause();
        _exit(0);
    }
    char got = 0;
    ASSERT_EQ(read(ready[0], &got, 1), 1);
    testing::internal::CaptureStderr();
    bool held;
    {
        plat::DataFileLock lock(path, std::chrono::milliseconds(200));
        held = lock.held();
    }
    std::string said = testing::internal::GetCapturedStderr();
    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
    EXPECT_FALSE(held);
    EXPECT_NE(said.find(path + ".lock stayed locked by another copy of the game for 0.2 s"), std::string::npos) << said;
    plat::DataFileLock again(path, std::chrono::milliseconds(200));
    EXPECT_TRUE(again.held());
    close(ready[0]);
    close(ready[1]);
}

}  // namespace
