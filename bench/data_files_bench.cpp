// What "HI.SCO" costs the start: reading and checking a valid table, and a
// 100 MB file, of which the game reads no more than its first 64 KiB.
//
//   corvane-bench-files [Google Benchmark options]
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>

#include "flow/topten_format.h"
#include "platform/data_files.h"

namespace {

// A default table, then blanks up to `size` bytes.
std::string TableFile(size_t size) {
    std::string text = formatTopTen(TopTenTable{});
    if (size > text.size()) text.append(size - text.size(), ' ');
    return text;
}

void readTopTen(benchmark::State& state, size_t size) {
    char dir[] = "/tmp/corvane-bench.XXXXXX";
    if (!mkdtemp(dir)) throw std::runtime_error("cannot make a temporary folder");
    const std::string path = std::string(dir) + "/HI.SCO";
    std::ofstream(path, std::ios::binary) << TableFile(size);
    for (auto _ : state) {
        plat::DataFile file = plat::readDataFile(path);
        std::optional<TopTenTable> table;
        if (file.state == plat::DataFile::State::Read) table = parseTopTen(file.text);
        benchmark::DoNotOptimize(table);
    }
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("HI.SCO/valid table", readTopTen, 0)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("HI.SCO/100 MB", readTopTen, 100u << 20)->Unit(benchmark::kMicrosecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
