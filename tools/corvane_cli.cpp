#include "tools/corvane_cli.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string_view>

#include "platform/platform.h"
#include "scoring/settings.h"
#include "tools/adif.h"
#include "tools/country_file.h"
#include "tools/log_replay.h"
#include "tools/plugin_library.h"
#include "tools/text.h"

namespace corvane::host {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUsage = R"(usage: corvane score LOG.adi [options]
       corvane check LOG.adi CALL --band BAND [options]
       corvane info [LIBRARY]

  score   replays an ADIF log into the plug-in, as the logging program does, and shows the
          result: QSOs, points and entities per band and the claimed score. The working folder
          keeps the result text, err.txt (rejected QSOs and dupes) and the settings file.
  check   replays the log, then asks the plug-in about CALL as the next QSO on BAND: a dupe,
          an entity already worked on the band, or a new one; with the exchange last received.
  info    loads the plug-in library and shows what a host sees of it.

options of score and check:
  --ini FILE        settings file, copied into the working folder as Plugins/Corvane.ini
  --points A,B,C,D  points for a fixed and a portable station of the own region, then for a
                    fixed and a portable station of another region
  --mode CW|SSB     the contest mode (check: also the mode of the QSO asked about; without it,
                    the mode of the settings)
  --contest NAME    contest name for the Cabrillo log
  --call CALL       own call (default: STATION_CALLSIGN, else OPERATOR, in the log)
  --start WHEN      contest start, YYYY-MM-DD or "YYYY-MM-DD HH:MM" (default: the first QSO)
  --end WHEN        contest end (default: the last QSO)
  --cty FILE        country file (default: cty.dat beside corvane, else the one of the package
                    hamradio-files, /usr/share/hamradio-files/cty.dat); cty.csv beside it names
                    the DXCC entity of entities that count only for WAE
  --out DIR         working folder (default for score: a new folder beside the log; for check:
                    a temporary one)
  --plugin LIBRARY  plug-in library (default: libStats.so or Stats.dll beside corvane)
  --cabrillo        score only: the run is opened for export; the plug-in asks for the Cabrillo
                    header (on Linux it takes the one of the settings file) and writes the .cbr
                    file into the working folder
  --band BAND       check only: the band of the QSO asked about, such as 40m

exit status: 0 done, 1 the plug-in library, the country file or the folder could not be used,
2 a wrong command line or a malformed log
)";

constexpr std::string_view kSettingsPath = "Plugins\\Corvane.ini";  // as the plug-in names it
constexpr std::string_view kSettingsSection = "Settings";
constexpr std::string_view kResultFile = "result.txt";
constexpr std::string_view kErrorLog = "err.txt";

// A problem that ends the command.
struct Failure {
    int status;
    std::string message;
};

std::optional<std::string> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) throw Failure{kCannotRun, "cannot write " + fs::absolute(path).string()};
}

// --- the command line --------------------------------------------------------------------

constexpr std::string_view kValueOptions[] = {"--ini", "--points", "--mode", "--contest", "--call", "--start",
                                              "--end", "--cty",    "--out",  "--plugin",  "--band"};

struct Options {
    std::vector<std::string> operands;
    std::map<std::string, std::string, std::less<>> values;
    bool cabrillo = false;

    std::optional<std::string> Get(std::string_view name) const {
        const auto found = values.find(name);
        return found != values.end() ? std::optional(found->second) : std::nullopt;
    }
};

Options ParseOptions(const std::vector<std::string>& args) {
    Options options;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 3 || arg.compare(0, 2, "--") != 0) {
            options.operands.push_back(arg);
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (name == "--cabrillo" && equals == std::string::npos) {
            options.cabrillo = true;
        } else if (std::find(std::begin(kValueOptions), std::end(kValueOptions), name) != std::end(kValueOptions)) {
            if (equals != std::string::npos)
                options.values[name] = arg.substr(equals + 1);
            else if (i + 1 < args.size())
                options.values[name] = args[++i];
            else
                throw Failure{kBadInput, "option " + name + " needs a value"};
        } else {
            throw Failure{kBadInput, "unknown option " + arg + " (corvane --help lists them)"};
        }
    }
    return options;
}

// Settings a run takes from the command line, over those of the settings file.
struct SettingsChoices {
    std::optional<std::array<int, 4>> points;
    std::optional<bool> cw;
    std::optional<std::string> contest;
};

SettingsChoices ParseChoices(const Options& options) {
    SettingsChoices choices;
    if (const auto points = options.Get("--points")) {
        std::array<int, 4> values{};
        std::size_t count = 0;
        bool numbers = true;
        for (std::size_t start = 0; numbers && start <= points->size(); ++count) {
            const std::size_t comma = std::min(points->find(',', start), points->size());
            const char* const first = points->data() + start;
            const char* const last = points->data() + comma;
            int value = 0;
            const auto [end, error] = std::from_chars(first, last, value);
            numbers = error == std::errc() && end == last && count < values.size();
            if (numbers) values[count] = value;
            start = comma + 1;
        }
        if (!numbers || count != values.size())
            throw Failure{kBadInput, "--points " + *points + ": give four whole numbers, such as 1,2,3,6"};
        choices.points = values;
    }
    if (const auto mode = options.Get("--mode")) {
        const std::string upper = Upper(Trim(*mode));
        if (upper != "CW" && upper != "SSB")
            throw Failure{kBadInput, "--mode " + *mode + ": the contest runs in CW or SSB"};
        choices.cw = upper == "CW";
    }
    choices.contest = options.Get("--contest");
    return choices;
}

// "YYYY-MM-DD", "YYYY-MM-DD HH:MM" (or with a T), also without the separators.
OleDateTime WhenOption(const Options& options, std::string_view name, OleDateTime fallback) {
    const auto text = options.Get(name);
    if (!text) return fallback;
    std::string compact;
    for (char c : *text)
        if (c != '-' && c != ':') compact += c;
    const std::size_t split = compact.find_first_of(" T");
    const std::string date = compact.substr(0, split);
    const std::string time = split == std::string::npos ? "0000" : compact.substr(split + 1);
    const OleDateTime when = QsoTime(date, time);
    if (when.status != OleDateTime::kValid)
        throw Failure{kBadInput,
                      std::string(name) + " " + *text + ": give a date as YYYY-MM-DD or \"YYYY-MM-DD HH:MM\""};
    return when;
}

// --- what a run needs, read and checked before any file is written ------------------------

struct LoadedPlugin {
    std::unique_ptr<PluginLibrary> library;
    StatsApi api;
};

LoadedPlugin LoadPlugin(const Options& options) {
    const std::string path = options.Get("--plugin").value_or(LibraryBesideProgram().string());
    LoadedPlugin plugin;
    std::string error;
    plugin.library = PluginLibrary::Load(path, error);
    if (plugin.library == nullptr) throw Failure{kCannotRun, "the plug-in library: " + error};
    std::string missing;
    if (!plugin.api.Bind(*plugin.library, missing))
        throw Failure{kCannotRun, "the plug-in library " + path + " does not export " + missing};
    return plugin;
}

fs::path CountryFilePath(const Options& options) {
    if (const auto path = options.Get("--cty")) return *path;
    const fs::path beside = ProgramFolder() / "cty.dat";
#if !defined(_WIN32)
    if (!fs::exists(beside)) return "/usr/share/hamradio-files/cty.dat";
#endif
    return beside;
}

CountryFile LoadCountries(const fs::path& path, std::ostream& err) {
    const std::optional<std::string> dat = ReadFile(path);
    if (!dat)
        throw Failure{kCannotRun, "cannot read the country file " + path.string() +
                                      "; the package hamradio-files installs one as "
                                      "/usr/share/hamradio-files/cty.dat, and --cty FILE names another"};
    const std::optional<std::string> csv = ReadFile(path.parent_path() / "cty.csv");
    std::string error;
    std::optional<CountryFile> countries = CountryFile::Parse(*dat, csv.value_or(""), error);
    if (!countries) throw Failure{kBadInput, path.string() + " is not a country file: " + error};
    if (!csv)
        err << "corvane: no cty.csv beside " << path.string()
            << ": entities that count only for WAE are passed under their own prefix\n";
    return std::move(*countries);
}

struct Run {
    fs::path log;
    std::vector<HostQso> qsos;
    RunStart opening;
    std::optional<std::string> settings;  // the bytes of --ini
    SettingsChoices choices;
    LoadedPlugin plugin;
    CountryFile countries;
};

Run PrepareRun(const Options& options, std::ostream& err) {
    if (options.operands.empty()) throw Failure{kBadInput, "name the ADIF log (corvane --help)"};
    const fs::path log = fs::absolute(options.operands[0]);
    const std::optional<std::string> bytes = ReadFile(log);
    if (!bytes) throw Failure{kBadInput, "cannot read the log " + log.string()};
    AdifLog adif = ParseAdif(*bytes);
    if (adif.error)
        throw Failure{kBadInput, log.string() + " is not a valid ADIF log: record " +
                                     std::to_string(adif.error->record) + ", byte offset " +
                                     std::to_string(adif.error->offset) + ": " + adif.error->message};

    std::optional<std::string> settings;
    if (const auto ini = options.Get("--ini")) {
        settings = ReadFile(*ini);
        if (!settings) throw Failure{kBadInput, "cannot read the settings file " + *ini};
    }
    const SettingsChoices choices = ParseChoices(options);
    const OleDateTime start = WhenOption(options, "--start", OleDateTime::Invalid());
    const OleDateTime end = WhenOption(options, "--end", OleDateTime::Invalid());

    CountryFile countries = LoadCountries(CountryFilePath(options), err);
    LoadedPlugin plugin = LoadPlugin(options);

    std::vector<HostQso> qsos;
    qsos.reserve(adif.records.size());
    for (std::size_t i = 0; i < adif.records.size(); ++i) qsos.push_back(ToHostQso(adif.records[i], i + 1, countries));

    RunStart opening;
    opening.own = LookUpStation(countries, options.Get("--call").value_or(OwnCallOf(adif.records)));
    SpanOfLog(qsos, opening.start, opening.end);
    if (start.status == OleDateTime::kValid) opening.start = start;
    if (end.status == OleDateTime::kValid) opening.end = end;
    opening.exportRun = options.cabrillo;
    return Run{log, std::move(qsos), opening, std::move(settings), choices, std::move(plugin), std::move(countries)};
}

// --- the working folder -------------------------------------------------------------------

fs::path NewFolderBeside(const fs::path& log) {
    const fs::path base = log.parent_path() / (log.stem().string() + "-corvane");
    fs::path folder = base;
    for (int n = 2; fs::exists(folder); ++n) folder = base.string() + "-" + std::to_string(n);
    return folder;
}

// The plug-in names every file relative to the host's current directory.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const fs::path& folder) : previous_(fs::current_path()) { fs::current_path(folder); }
    ~CurrentDirectory() {
        std::error_code ignored;
        fs::current_path(previous_, ignored);
    }
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

private:
    fs::path previous_;
};

// A folder of our own that goes away with everything in it.
class TemporaryFolder {
public:
    TemporaryFolder() {
        std::random_device random;
        path_ = fs::temp_directory_path() / ("corvane-check-" + std::to_string(random()));
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

void MakeFolder(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder / "Plugins", error);
    if (error) throw Failure{kCannotRun, "cannot make the working folder " + folder.string() + ": " + error.message()};
}

// Run from inside the working folder: the settings go where the plug-in reads them.
void WriteSettings(const Run& run) {
    if (run.settings) WriteFile(fs::path("Plugins") / "Corvane.ini", *run.settings);
    const SettingsFile settings(DefaultPlatform().profile, kSettingsSection, kSettingsPath);
    if (const auto& points = run.choices.points) {
        settings.WriteIntSetting("Points_MyRegion", (*points)[0]);
        settings.WriteIntSetting("Points_MyRegion_Portable", (*points)[1]);
        settings.WriteIntSetting("Points_OtherRegion", (*points)[2]);
        settings.WriteIntSetting("Points_OtherRegion_Portable", (*points)[3]);
    }
    if (run.choices.cw) {
        settings.WriteIntSetting("CW", *run.choices.cw ? 1 : 0);
        settings.WriteIntSetting("SSB", *run.choices.cw ? 0 : 1);
    }
    if (run.choices.contest) settings.WriteText("Name_Test", *run.choices.contest);
}

bool IsCwRun() {
    return SettingsFile(DefaultPlatform().profile, kSettingsSection, kSettingsPath).ReadNumber("CW") != 0;
}

std::map<std::string, fs::file_time_type> CabrilloFiles() {
    std::map<std::string, fs::file_time_type> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(fs::current_path()))
        if (entry.is_regular_file() && Upper(entry.path().extension().string()) == ".CBR")
            files[entry.path().filename().string()] = entry.last_write_time();
    return files;
}

// --- reports ------------------------------------------------------------------------------

// Calls the country file does not know, each once, with the records they stand in.
void ReportUnknownCalls(const Run& run, std::ostream& out) {
    if (!run.opening.own.known)
        out << (run.opening.own.call.empty()
                    ? "The log names no own call (STATION_CALLSIGN or OPERATOR); give it with --call.\n"
                    : "The own call " + run.opening.own.call +
                          " is not in the country file; it was passed with no prefix, continent or zone.\n");
    std::vector<std::pair<std::string, std::string>> unknown;  // call, its record numbers
    for (const HostQso& qso : run.qsos) {
        if (qso.station.known || qso.station.call.empty()) continue;
        auto found =
            std::find_if(unknown.begin(), unknown.end(), [&](const auto& u) { return u.first == qso.station.call; });
        if (found == unknown.end()) {
            unknown.emplace_back(qso.station.call, std::to_string(qso.record));
        } else {
            found->second += ", " + std::to_string(qso.record);
        }
    }
    if (unknown.empty()) return;
    out << "Not in the country file, passed with no prefix, continent or zone:\n";
    for (const auto& [call, records] : unknown)
        out << "  " << call << " (record" << (records.find(',') != std::string::npos ? "s " : " ") << records << ")\n";
}

// The host shows the text with its CR LF line ends; a terminal wants plain ones.
void PrintText(std::ostream& out, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out << text[i];
    out << '\n';
}

// --- the commands -------------------------------------------------------------------------

int Score(const Options& options, std::ostream& out, std::ostream& err) {
    if (options.operands.size() != 1) throw Failure{kBadInput, "score takes one ADIF log (corvane --help)"};
    if (options.Get("--band")) throw Failure{kBadInput, "--band belongs to check"};
    const Run run = PrepareRun(options, err);
    const fs::path folder = fs::absolute(options.Get("--out").value_or(NewFolderBeside(run.log).string()));
    MakeFolder(folder);

    std::string result;
    std::size_t rejected = 0;
    std::map<std::string, fs::file_time_type> before, after;
    {
        const CurrentDirectory inside(folder);
        WriteSettings(run);
        before = CabrilloFiles();
        rejected = ReplayLog(run.plugin.api, run.opening, run.qsos);
        int score = 0;
        result = run.plugin.api.GetResult0(&score);
        WriteFile(kResultFile, result);
        after = CabrilloFiles();
    }

    PrintText(out, result);
    out << '\n'
        << run.qsos.size() << " QSOs in the log: " << run.qsos.size() - rejected << " taken by the plug-in, "
        << rejected << " rejected (see " << kErrorLog << ")\n";
    ReportUnknownCalls(run, out);
    out << "Working folder: " << folder.string() << "\n"
        << "  " << kResultFile << "           the result text\n"
        << "  " << kErrorLog << "              rejected QSOs and dupes\n"
        << "  " << (fs::path("Plugins") / "Corvane.ini").string() << "  the settings\n";
    for (const auto& [name, written] : after) {
        const auto earlier = before.find(name);
        if (earlier == before.end() || earlier->second != written) out << "  " << name << "  the Cabrillo log\n";
    }
    if (options.cabrillo && after == before) out << "The plug-in wrote no Cabrillo log.\n";
    return kDone;
}

int Check(const Options& options, std::ostream& out, std::ostream& err) {
    if (options.operands.size() != 2) throw Failure{kBadInput, "check takes an ADIF log and a call (corvane --help)"};
    const std::optional<std::string> bandOption = options.Get("--band");
    if (!bandOption) throw Failure{kBadInput, "check needs the band of the QSO asked about: --band 40m"};
    if (options.cabrillo) throw Failure{kBadInput, "--cabrillo belongs to score"};
    std::string band = HostBand(*bandOption);
    if (std::all_of(band.begin(), band.end(), [](char c) { return c >= '0' && c <= '9'; })) band += "m";

    const Run run = PrepareRun(options, err);
    const Station station = LookUpStation(run.countries, options.operands[1]);
    const TemporaryFolder temporary;
    const fs::path folder = fs::absolute(options.Get("--out").value_or(temporary.path().string()));
    MakeFolder(folder);

    CallCheck check;
    std::string mode;
    {
        const CurrentDirectory inside(folder);
        WriteSettings(run);
        mode = run.choices.cw ? (*run.choices.cw ? "CW" : "SSB") : (IsCwRun() ? "CW" : "SSB");
        ReplayLog(run.plugin.api, run.opening, run.qsos);
        check = CheckCall(run.plugin.api, station, band, mode);
    }

    const std::string entity = station.known ? station.prefix : "its entity";
    out << station.call << " on " << band << " in " << mode << ": ";
    switch (check.code) {
        case 0:
            out << "dupe, already worked on " << band << " in " << mode << "\n";
            break;
        case 1:
            out << "not a dupe; " << entity << " is already worked on " << band << "\n";
            break;
        case 2:
            out << "new: " << entity << " is not worked on " << band << " yet\n";
            break;
        default:
            out << "the plug-in answered " << check.code << "\n";
            break;
    }
    if (!check.lastExchange.empty())
        out << "Last exchange received from " << station.call << ": " << check.lastExchange << "\n";
    if (!station.known) out << station.call << " is not in the country file; it was asked about with no prefix.\n";
    return kDone;
}

int Info(const std::vector<std::string>& args, std::ostream& out) {
    const std::string path = args.size() > 1 ? args[1] : LibraryBesideProgram().string();
    Options options;
    options.values["--plugin"] = path;
    const LoadedPlugin plugin = LoadPlugin(options);
    out << "plug-in: " << path << "\n";
    for (const char* name : {"ResetStats0", "AddData0", "RemoveData0", "CheckCall0", "IsValidExchg0", "GetNumberOfSets",
                             "GetExchgCount0", "GetSetName", "GetResult0", "SetupSet0"})
        out << "  " << name << std::string(17 - std::string_view(name).size(), ' ') << "found\n";
#if defined(_WIN32)
    for (const DecoratedName& name : kDecoratedNames) {
        const void* address = plugin.library->Find(name.decorated);
        out << "  " << name.decorated << " "
            << (address == nullptr                            ? std::string("not exported")
                : address == plugin.library->Find(name.plain) ? std::string("= ") + name.plain
                                                              : std::string("leads elsewhere"))
            << "\n";
    }
#endif
    out << "scoring sets: " << plugin.api.GetNumberOfSets()
        << ", exchange fields: " << plugin.api.GetExchgCount0("", "", "") << "\n"
        << "set 0: " << plugin.api.GetSetName(0) << "\n";
    return kDone;
}

}  // namespace

int RunCorvane(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::string command = args.empty() ? "" : args[0];
    const auto isHelp = [](const std::string& arg) { return arg == "--help" || arg == "-h"; };
    if (command.empty() || command == "help" || std::any_of(args.begin(), args.end(), isHelp)) {
        out << kUsage;
        return kDone;
    }
    try {
        if (command == "score") return Score(ParseOptions(args), out, err);
        if (command == "check") return Check(ParseOptions(args), out, err);
        if (command == "info") return Info(args, out);
        err << "corvane: unknown command " << command << "\n" << kUsage;
        return kBadInput;
    } catch (const Failure& failure) {
        err << "corvane: " << failure.message << "\n";
        return failure.status;
    } catch (const std::exception& error) {
        err << "corvane: " << error.what() << "\n";
        return kCannotRun;
    }
}

}  // namespace corvane::host
