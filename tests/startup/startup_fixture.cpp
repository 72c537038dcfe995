#include "startup_fixture.h"

#include <filesystem>

namespace fs = std::filesystem;

StartupTest::StartupTest() { fs::copy(CORVANE_PICTURES, folder + "/pictures"); }

StartupTest::~StartupTest() {
    module.reset();
    sys.reset();
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

bool StartupTest::exists(const std::string& name) const { return programFolder.has(name); }

void StartupTest::removeFile(const std::string& name) const { fs::remove(folder + "/" + name); }

int StartupTest::visibleForms() const {
    int n = 0;
    for (const plat::Form* f : sys->forms()) n += f->visible() ? 1 : 0;
    return n;
}
