// The multiplier window's thread reads the QSO list and the band tables, and rewrites the band
// rows, while the host's thread admits, removes and rescores. Run under ThreadSanitizer this
// shows that every such access goes through the shared lock.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "tests/support/contest_fixture.h"

namespace corvane {
namespace {

using testing::MakeQso;

class ConcurrencyTest : public testing::ContestFixture {};

TEST_F(ConcurrencyTest, WindowThreadReadsWhileTheHostChangesTheLog) {
    std::atomic<bool> stop{false};
    std::atomic<long> reads{0};
    std::thread window([&] {
        while (!stop.load()) {
            auto shared = state.shared.Lock();
            std::size_t length = 0;
            for (const CInfo& qso : shared->qsoList) length += qso.call.size() + qso.exchangeReceived.size();
            for (std::size_t band = 0; band < kContestBands.size(); ++band) {
                for (const std::string& entity : shared->bandEntities[band]) length += entity.size();
                TextList& row = shared->bandRows[band];
                if (row.size() == 4) row[1] = length % 2 != 0 ? "CW" : "-";  // a refresh rewrites the cells
            }
            ++reads;
        }
    });

    for (int round = 0; round < 20; ++round) {
        OpenRun();
        for (int i = 0; i < 200; ++i)
            Add(MakeQso("OK" + std::to_string(i % 150), std::string(kContestBands[i % 6]), "P" + std::to_string(i % 7)));
        Remove("OK3", "20m");
        plugin.GetResult0(nullptr);
    }
    while (reads.load() < 10) std::this_thread::yield();
    stop = true;
    window.join();

    EXPECT_EQ(Records().size(), 199u);
    EXPECT_GT(reads.load(), 0);
}

}  // namespace
}  // namespace corvane
