// What the host does to the plug-in on a big log: a full rescore (ResetStats0, AddData0 for every
// QSO, GetResult0), which it may repeat after every QSO, and CheckCall0 on every keystroke.
// Runs on the real Linux shell (settings file and err.txt in a scratch folder).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "plugin/plugin.h"

namespace corvane {
namespace {

struct Entity {
    const char* prefix;
    const char* continent;
    int zone;
};

// A spread of entities from all three regions, weighted roughly like a European CW contest.
constexpr Entity kEntities[] = {
    {"DL", "EU", 28}, {"OK", "EU", 28}, {"SP", "EU", 28}, {"G", "EU", 27},   {"F", "EU", 27},  {"I", "EU", 28},
    {"IT9", "EU", 28}, {"EA", "EU", 37}, {"UA", "EU", 29}, {"UA9", "AS", 30}, {"YU", "EU", 28}, {"HA", "EU", 28},
    {"OH", "EU", 18}, {"SM", "EU", 18}, {"LZ", "EU", 28}, {"YO", "EU", 28},  {"K", "NA", 8},   {"VE", "NA", 4},
    {"PY", "SA", 15}, {"LU", "SA", 14}, {"JA", "AS", 45}, {"VK", "OC", 59},  {"ZS", "AF", 57}, {"4X", "AS", 39},
    {"JT", "AS", 32}, {"BY", "AS", 44}, {"ZL", "OC", 60}, {"CE", "SA", 14},  {"EK", "AS", 29}, {"KH6", "OC", 61},
};
constexpr const char* kBands[] = {"160m", "80m", "40m", "20m", "15m", "10m"};
constexpr std::uint32_t kBandHz[] = {1830000, 3520000, 7015000, 14030000, 21040000, 28050000};

struct LogQso {
    std::string call, band, mode, exchangeSent, exchangeReceived;
    const Entity* entity;
    std::uint32_t frequencyHz;
    OleDateTime time;
};

// A contest log of `count` QSOs: stations worked on several bands, about 2 % dupes, 5 % portables,
// and a few QSOs that are rejected (WARC bands, SSB).
std::vector<LogQso> MakeLog(std::size_t count) {
    std::mt19937 random(20161204);
    const std::size_t stations = count / 3 + 10;
    std::vector<std::string> calls;
    std::vector<const Entity*> entities;
    for (std::size_t i = 0; i < stations; ++i) {
        const Entity& entity = kEntities[random() % std::size(kEntities)];
        std::string call = std::string(entity.prefix) + std::to_string(random() % 10) +
                           static_cast<char>('A' + i % 26) + static_cast<char>('A' + i / 26 % 26) +
                           static_cast<char>('A' + i / 676 % 26);
        if (random() % 20 == 0) call += random() % 2 == 0 ? "/P" : "/M";
        calls.push_back(call);
        entities.push_back(&entity);
    }
    std::vector<LogQso> log;
    const double start = OleDateTime::FromParts(2016, 6, 4, 12).date;
    for (std::size_t i = 0; i < count; ++i) {
        const bool dupe = i > 0 && random() % 50 == 0;
        const std::size_t station = dupe ? log[random() % log.size()].entity - kEntities : random() % stations;
        LogQso qso;
        if (dupe) {
            qso = log[random() % log.size()];
        } else {
            const std::size_t band = random() % 6;
            qso.call = calls[station];
            qso.entity = entities[station];
            qso.band = kBands[band];
            qso.frequencyHz = kBandHz[band] + random() % 20000;
            qso.mode = random() % 100 == 0 ? "SSB" : "CW";
            if (random() % 200 == 0) qso.band = "17m";
            qso.exchangeSent = std::to_string(i % 999 + 1);
            qso.exchangeReceived = std::to_string(random() % 999 + 1);
        }
        qso.time = {start + static_cast<double>(i) / static_cast<double>(count), OleDateTime::kValid};
        log.push_back(std::move(qso));
    }
    return log;
}

QsoArgs Args(const LogQso& qso) {
    QsoArgs args;
    args.myCall = "DL1ABC";
    args.call = qso.call;
    args.qsoTime = qso.time;
    args.frequencyHz = qso.frequencyHz;
    args.mode = qso.mode;
    args.rstSent = "599";
    args.rstReceived = "599";
    args.exchangeSent = qso.exchangeSent;
    args.exchangeReceived = qso.exchangeReceived;
    args.prefix = qso.entity->prefix;
    args.zone = qso.entity->zone;
    args.continent = qso.entity->continent;
    args.band = qso.band;
    return args;
}

RunStart Run() {
    RunStart run;
    run.ownCall = "DL1ABC";
    run.startTime = OleDateTime::FromParts(2016, 6, 4, 12);
    run.endTime = OleDateTime::FromParts(2016, 6, 5, 11, 59);
    run.ownPrefix = "DL";
    run.ownZone = 28;
    run.ownContinent = "EU";
    return run;
}

// A scratch working folder with a settings file, current while the benchmark runs.
class ScratchFolder {
public:
    ScratchFolder() : previous_(std::filesystem::current_path()) {
        path_ = std::filesystem::temp_directory_path() / "corvane-bench";
        std::filesystem::create_directories(path_ / "Plugins");
        std::ofstream(path_ / "Plugins" / "Corvane.ini", std::ios::binary)
            << "[Settings]\r\nPoints_MyRegion=1\r\nPoints_MyRegion_Portable=2\r\nPoints_OtherRegion=3\r\n"
               "Points_OtherRegion_Portable=5\r\nCW=1\r\n";
        std::filesystem::current_path(path_);
    }
    ~ScratchFolder() {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(path_);
    }

private:
    std::filesystem::path previous_, path_;
};

void FullRescore(benchmark::State& bench) {
    ScratchFolder folder;
    const std::vector<LogQso> log = MakeLog(static_cast<std::size_t>(bench.range(0)));
    std::vector<QsoArgs> args;
    for (const LogQso& qso : log) args.push_back(Args(qso));
    Plugin plugin(DefaultPlatform());
    std::int32_t score = 0;
    for (auto _ : bench) {
        plugin.ResetStats0(Run());
        for (const QsoArgs& qso : args) plugin.AddData0(qso);
        benchmark::DoNotOptimize(plugin.GetResult0(&score).size());
    }
    // Cost per QSO: the inverse of qsos/s.
    bench.counters["qsos"] = benchmark::Counter(static_cast<double>(bench.iterations() * bench.range(0)),
                                                benchmark::Counter::kIsRate);
}

void CheckCall(benchmark::State& bench) {
    ScratchFolder folder;
    const std::vector<LogQso> log = MakeLog(static_cast<std::size_t>(bench.range(0)));
    Plugin plugin(DefaultPlatform());
    plugin.ResetStats0(Run());
    for (const LogQso& qso : log) plugin.AddData0(Args(qso));

    // Half the queries are calls in the log on a random band, half are new calls.
    std::mt19937 random(7);
    std::vector<CallCheckArgs> queries;
    std::vector<std::string> newCalls;
    for (int i = 0; i < 1024; ++i) newCalls.push_back("N" + std::to_string(i) + "XYZ");
    for (int i = 0; i < 1024; ++i) {
        const LogQso& qso = log[random() % log.size()];
        CallCheckArgs query;
        query.call = i % 2 == 0 ? std::string_view(qso.call) : std::string_view(newCalls[static_cast<std::size_t>(i)]);
        query.mode = "CW";
        query.prefix = qso.entity->prefix;
        query.band = kBands[random() % 6];
        query.otherBand = query.band;
        queries.push_back(query);
    }
    std::size_t next = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(plugin.CheckCall0(queries[next++ % queries.size()]).code);
    }
}

BENCHMARK(FullRescore)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(CheckCall)->Arg(1000)->Arg(10000)->Arg(100000);

}  // namespace
}  // namespace corvane

BENCHMARK_MAIN();
