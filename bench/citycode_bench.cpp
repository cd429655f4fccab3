// Loading and searching city code databases of 100,000 records.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "citycode/city_code_main_data.h"
#include "citycode/city_code_organization.h"
#include "platform/cp932_convert.h"
#include "platform/progress_sink.h"

namespace {

constexpr int kLines = 100000;

// A city code file of kLines records like the shipped ones, written once per run and
// removed at exit.
class LargeFile {
public:
    LargeFile()
        : path_((std::filesystem::temp_directory_path() /
                 ("quillmark_citycode_bench_" + std::to_string(::getpid()) + ".ini"))
                    .string()) {
        const Cp932 name = Utf8ToCp932("札幌市中央区");
        const Cp932 reading = Utf8ToCp932("ｻｯﾎﾟﾛｼﾁｭｳｵｳｸ");
        std::ofstream out(path_, std::ios::binary);
        out << "// city codes for the benchmark\r\n";
        for (int i = 0; i < kLines; ++i) {
            out << (100000 + i) << ':' << name << ':' << reading << "\r\n";
        }
    }
    ~LargeFile() { std::remove(path_.c_str()); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

const std::string& LargeFilePath() {
    static const LargeFile file;
    return file.path();
}

void BM_LoadFromFile(benchmark::State& state) {
    const std::string& path = LargeFilePath();
    CNullProgressSink sink;
    for (auto _ : state) {
        CCityCodeData_MainData database;
        if (!database.LoadFromFile(path, &sink) || database.GetItemCount() != kLines) {
            state.SkipWithError("load failed");
            break;
        }
        benchmark::DoNotOptimize(database);
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_LoadFromFile)->Unit(benchmark::kMillisecond);

void BM_FindLastCodeInOrganization(benchmark::State& state) {
    CCityCodeData_MainData database;
    database.LoadFromFile(LargeFilePath());
    CCityCodeData_MainDataOrganization organization;
    organization.Register(&database);
    const std::string key = std::to_string(100000 + kLines - 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(organization.FindItem(-1, 0, key, true));
    }
}
BENCHMARK(BM_FindLastCodeInOrganization)->Unit(benchmark::kMillisecond);

}  // namespace
