#include "startup_fixture.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

StartupTest::StartupTest() {
    std::string pattern = (fs::temp_directory_path() / "corvane-startup-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    folder = pattern;
    fs::copy(CORVANE_PICTURES, folder + "/pictures");
}

StartupTest::~StartupTest() {
    module.reset();
    sys.reset();
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

bool StartupTest::start(int widthPx, int heightPx, int twipsX, int twipsY) {
    sys = std::make_unique<plat::System>(backend, widthPx, heightPx, twipsX, twipsY);
    module = std::make_unique<StartupModule>(*sys, folder, folder + "/pictures");
    try {
        module->Main();
        return true;
    } catch (const plat::ProgramEnded&) {
        return false;
    }
}

std::vector<std::string> StartupTest::dataFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename() != "pictures") names.push_back(entry.path().filename().string());
    return names;
}

bool StartupTest::exists(const std::string& name) const { return fs::exists(folder + "/" + name); }

void StartupTest::removeFile(const std::string& name) const { fs::remove(folder + "/" + name); }

int StartupTest::visibleForms() const {
    int n = 0;
    for (const plat::Form* f : sys->forms()) n += f->visible() ? 1 : 0;
    return n;
}
