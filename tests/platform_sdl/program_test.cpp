// The real corvane program, run in a copy of its program folder: it refuses
// to run where nobody can see its window, and a start it cannot complete
// ends with status 1.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;  // the exit status, -1 when it did not exit by itself
    std::string errors;
};

// This process's environment without any choice of display or drivers,
// then the given settings.
std::vector<std::string> Environment(const std::vector<std::string>& settings) {
    const std::set<std::string> dropped{"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER", "SDL_AUDIODRIVER",
                                        "CORVANE_WINDOW"};
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        std::string entry = *e;
        if (!dropped.count(entry.substr(0, entry.find('=')))) env.push_back(entry);
    }
    env.insert(env.end(), settings.begin(), settings.end());
    return env;
}

// Runs the program; one that is still running after a minute is killed.
Outcome RunProgram(const std::string& program, const std::vector<std::string>& settings) {
    std::vector<std::string> env = Environment(settings);
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string path = program;
    char* argv[] = {path.data(), nullptr};
    int err[2];
    if (pipe(err) != 0) return {};
    pid_t pid = fork();
    if (pid == 0) {
        dup2(err[1], 2);
        close(err[0]);
        close(err[1]);
        execve(argv[0], argv, envp.data());
        _exit(127);
    }
    close(err[1]);
    Outcome outcome;
    pollfd waiting{err[0], POLLIN, 0};
    char buffer[4096];
    while (poll(&waiting, 1, 60000) > 0) {
        ssize_t n = read(err[0], buffer, sizeof buffer);
        if (n <= 0) break;
        outcome.errors.append(buffer, size_t(n));
    }
    close(err[0]);
    kill(pid, SIGKILL);  // does nothing to a program that has ended
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status)) outcome.status = WEXITSTATUS(status);
    return outcome;
}

class RealProgram : public ::testing::Test {
protected:
    void SetUp() override {
        fs::path built(CORVANE_PROGRAM);
        fs::copy_file(built, folder.path() / "corvane");
        fs::copy(built.parent_path() / "pictures", folder.path() / "pictures", fs::copy_options::recursive);
        for (const auto& entry : fs::directory_iterator(built.parent_path()))
            if (entry.path().extension() == ".wav")
                fs::copy_file(entry.path(), folder.path() / entry.path().filename());
    }
    std::set<std::string> files() const {
        std::set<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(folder.path()))
            names.insert(fs::relative(entry.path(), folder.path()).string());
        return names;
    }
    std::string program() const { return folder.file("corvane"); }

    support::TempFolder folder;
};

TEST_F(RealProgram, WithoutADisplayItSaysSoTouchesNoFileAndExitsWithOne) {
    std::set<std::string> before = files();
    Outcome outcome = RunProgram(program(), {});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.errors.find("corvane: no display to open a window on (DISPLAY is not set)"), std::string::npos)
        << outcome.errors;
    EXPECT_EQ(files(), before);
}

TEST_F(RealProgram, AStartEndedByAMissingPictureExitsWithOne) {
    fs::remove(folder.path() / "pictures" / "visual.bmp");
    Outcome outcome = RunProgram(program(), {"SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=dummy"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.errors.find("Corvane cannot start: the picture file"), std::string::npos) << outcome.errors;
    EXPECT_FALSE(folder.has("HI.SCO"));
}

}  // namespace
