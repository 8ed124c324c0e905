#pragma once
// A plug-in on fakes with a CW run open, and a QSO builder with sensible defaults.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugin/plugin.h"
#include "tests/support/fakes.h"

namespace corvane::testing {

// Owns the texts a QsoArgs points at.
struct Qso {
    std::string myCall = "DL1ABC", call = "OK1XYZ", mode = "CW", rstSent = "599", rstReceived = "599",
                exchangeSent = "001", exchangeReceived = "002", prefix = "OK", continent = "EU", band = "40m";
    std::uint32_t frequencyHz = 7012999;
    std::int32_t zone = 28;
    OleDateTime time = OleDateTime::FromParts(2016, 6, 4, 15, 23);

    QsoArgs Args() const {
        QsoArgs args;
        args.myCall = myCall;
        args.call = call;
        args.qsoTime = time;
        args.frequencyHz = frequencyHz;
        args.mode = mode;
        args.rstSent = rstSent;
        args.rstReceived = rstReceived;
        args.exchangeSent = exchangeSent;
        args.exchangeReceived = exchangeReceived;
        args.prefix = prefix;
        args.zone = zone;
        args.continent = continent;
        args.band = band;
        return args;
    }
};

// Shortcut for a QSO that differs from the defaults in call, band and maybe prefix and mode.
inline Qso MakeQso(std::string call, std::string band, std::string prefix = "OK", std::string mode = "CW",
                   std::string exchangeReceived = "002") {
    Qso qso;
    qso.call = std::move(call);
    qso.band = std::move(band);
    qso.prefix = std::move(prefix);
    qso.mode = std::move(mode);
    qso.exchangeReceived = std::move(exchangeReceived);
    return qso;
}

class ContestFixture : public ::testing::Test {
protected:
    // Opens a run as DL1ABC (Region 1) with the given settings already in the settings file.
    void OpenRun(std::initializer_list<std::pair<const char*, const char*>> settings = {{"CW", "1"}}) {
        for (const auto& [key, value] : settings) fake.profile.Set(key, value);
        RunStart run;
        run.ownCall = "DL1ABC";
        run.startTime = OleDateTime::FromParts(2016, 6, 4, 12);
        run.endTime = OleDateTime::FromParts(2016, 6, 5, 11, 59);
        run.ownPrefix = "DL";
        run.ownZone = 28;
        run.ownContinent = "EU";
        plugin.ResetStats0(run);
    }

    int Add(const Qso& qso) { return plugin.AddData0(qso.Args()); }
    void Remove(const std::string& call, const std::string& band) {
        Qso qso;
        qso.call = call;
        qso.band = band;
        plugin.RemoveData0(qso.Args());
    }

    std::string ErrorLog() { return fake.files.files["err.txt"]; }
    // The error log without its header line.
    std::string ErrorLines() { return ErrorLog().substr(std::string("Corvane UBN file \r\n").size()); }

    std::vector<CInfo> Records() {
        const auto shared = plugin.State().shared.Lock();
        return {shared->qsoList.begin(), shared->qsoList.end()};
    }
    std::vector<std::string> Calls() {
        std::vector<std::string> calls;
        for (const CInfo& record : Records()) calls.push_back(record.call);
        return calls;
    }

    FakePlatform fake;
    Plugin plugin{fake.platform};
    ContestState& state = plugin.State();
};

}  // namespace corvane::testing
