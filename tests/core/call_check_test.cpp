// Removal, the call check and the exchange check, which all answer as a walk of the QSO list in
// order would.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/contest_fixture.h"

namespace corvane {
namespace {

using testing::MakeQso;

class QsoQueryTest : public testing::ContestFixture {
protected:
    void SetUp() override { OpenRun(); }

    CallCheckResult Check(const char* call, const char* band, const char* prefix = "OK", const char* mode = "CW",
                          std::optional<std::string_view> otherBand = std::nullopt) {
        CallCheckArgs args;
        args.call = call;
        args.band = band;
        args.prefix = prefix;
        args.mode = mode;
        args.otherBand = otherBand;
        return plugin.CheckCall0(args);
    }
};

TEST_F(QsoQueryTest, RemovesTheFirstMatchOfCallAndBandOnly) {
    Add(MakeQso("A", "40m", "OK", "CW", "001"));
    Add(MakeQso("B", "40m"));
    Add(MakeQso("A", "40m", "OK", "CW", "003"));  // dupe of the first
    Add(MakeQso("C", "20m"));

    Remove("A", "40m");
    EXPECT_EQ(Calls(), (std::vector<std::string>{"B", "A", "C"}));
    EXPECT_EQ(Records()[1].exchangeReceived, "003");
    EXPECT_EQ(Records()[1].isDupe, 1);  // marks are not revisited

    Remove("C", "40m");  // no such QSO
    Remove("c", "20m");
    EXPECT_EQ(Calls(), (std::vector<std::string>{"B", "A", "C"}));

    Remove("C", "20m");
    EXPECT_EQ(Calls(), (std::vector<std::string>{"B", "A"}));
    EXPECT_EQ(state.bandList.names(), (std::vector<std::string>{"40m", "20m"}));
}

TEST_F(QsoQueryTest, RemovalIgnoresTheMode) {
    OpenRun({{"CW", "0"}});
    Add(MakeQso("A", "40m", "OK", "SSB"));
    Remove("A", "40m");  // the helper passes mode CW
    EXPECT_TRUE(Calls().empty());
}

// After removals, dupe marks of new QSOs and the call check see only what is still stored.
TEST_F(QsoQueryTest, IndexesFollowRemovals) {
    Add(MakeQso("A", "40m", "DL"));
    Add(MakeQso("A", "40m", "DL"));
    Remove("A", "40m");
    Remove("A", "40m");
    EXPECT_EQ(Check("A", "40m", "DL").code, kNewEntity);

    Add(MakeQso("A", "40m", "DL"));
    EXPECT_EQ(Records().back().isDupe, 0);
    EXPECT_EQ(Check("A", "40m", "DL").code, kDupe);
    EXPECT_EQ(Check("B", "40m", "DL").code, kEntityWorked);
    EXPECT_EQ(ErrorLines(), "QSO:  7012  CW  2016-06-04 1523  DL1ABC  599  001  A  599  002   DUPE !!!\r\n");
}

// Removing the first, the last or a middle QSO of a call keeps the call check's answers those
// of a walk over what is left.
TEST_F(QsoQueryTest, CallHistoryFollowsRemovals) {
    Add(MakeQso("A", "40m", "OK", "CW", "001"));
    Add(MakeQso("A", "20m", "OK", "CW", "002"));
    Add(MakeQso("A", "40m", "OK", "CW", "003"));  // dupe of the first
    Add(MakeQso("A", "15m", "OK", "CW", "004"));
    const auto exchange = [&](const char* band) { return Check("A", band).lastExchange.value_or("?"); };

    Remove("A", "40m");  // the first: the dupe becomes the earliest 40m QSO
    EXPECT_EQ(Check("A", "40m").code, kDupe);
    EXPECT_EQ(exchange("40m"), "002");
    EXPECT_EQ(exchange("80m"), "004");

    Remove("A", "15m");  // the latest
    EXPECT_EQ(exchange("80m"), "003");
    EXPECT_EQ(Check("A", "15m").code, kNewEntity);

    Remove("A", "20m");  // the one in the middle
    EXPECT_EQ(exchange("40m"), "");
    EXPECT_EQ(exchange("80m"), "003");

    EXPECT_EQ(Add(MakeQso("A", "40m", "OK", "CW", "005")), 1);
    EXPECT_EQ(Records().back().isDupe, 1);
    Remove("A", "40m");
    Remove("A", "40m");
    EXPECT_EQ(Check("A", "40m").code, kNewEntity);
    EXPECT_EQ(exchange("40m"), "");
    EXPECT_TRUE(Calls().empty());
}

TEST_F(QsoQueryTest, EmptyLogGivesANewEntityAndNoExchange) {
    const CallCheckResult result = Check("A", "40m");
    EXPECT_EQ(result.code, kNewEntity);
    EXPECT_EQ(result.lastExchange, std::optional<std::string>(""));
}

TEST_F(QsoQueryTest, BandGuardIgnoresCaseButLaterComparisonsDoNot) {
    Add(MakeQso("A", "40m"));
    EXPECT_EQ(Check("A", "20m", "OK", "CW", "40m").code, kOtherBand);
    EXPECT_EQ(Check("A", "20m", "OK", "CW", "40m").lastExchange, std::nullopt);
    EXPECT_EQ(Check("A", "40m", "OK", "CW", "40M").code, kDupe);
    EXPECT_EQ(Check("A", "40M", "OK", "CW", "40m").code, kNewEntity);
    EXPECT_EQ(Check("A", "", "OK", "CW", "").code, kNewEntity);
}

// The exchange handed back is that of the last same-call QSO before the first dupe.
TEST_F(QsoQueryTest, RemembersTheExchangeOfTheLastSameCallQsoBeforeTheDupe) {
    Add(MakeQso("A", "40m", "OK", "CW", "001"));
    Add(MakeQso("A", "20m", "OK", "CW", "002"));
    Add(MakeQso("B", "15m", "OK", "CW", "777"));
    Add(MakeQso("A", "40m", "OK", "CW", "003"));  // dupe
    Add(MakeQso("A", "15m", "OK", "CW", "004"));

    const struct {
        const char* band;
        int code;
        const char* exchange;
    } cases[] = {
        {"40m", kDupe, ""},            // the first QSO is already the dupe
        {"20m", kDupe, "001"},         // stops at the 20m QSO
        {"15m", kDupe, "003"},         // stops at the last QSO; a stored dupe counts like any QSO
        {"80m", kNewEntity, "004"},    // no dupe: the last same-call QSO of all
    };
    for (const auto& c : cases) {
        const CallCheckResult result = Check("A", c.band);
        EXPECT_EQ(result.code, c.code) << c.band;
        EXPECT_EQ(result.lastExchange, std::optional<std::string>(c.exchange)) << c.band;
    }
    EXPECT_EQ(Check("A", "40m", "OK", "SSB").lastExchange, std::optional<std::string>("004"));
}

TEST_F(QsoQueryTest, EntityWorkedComparesTheFoldedPrefixOnTheExactBand) {
    Add(MakeQso("IT9AAA", "40m", "IT9"));
    EXPECT_EQ(Check("IT9BBB", "40m", "IT9").code, kEntityWorked);
    EXPECT_EQ(Check("I1BBB", "40m", "I").code, kEntityWorked);
    EXPECT_EQ(Check("IH9BBB", "40m", "IH9").code, kEntityWorked);
    EXPECT_EQ(Check("IT9BBB", "20m", "IT9").code, kNewEntity);
    EXPECT_EQ(Check("IT9BBB", "40m", "it9").code, kNewEntity);
}

TEST(ExchangeBufferTest, NeverWritesPastTenBytes) {
    char buffer[12];
    std::memset(buffer, '#', sizeof buffer);
    CopyToExchangeBuffer("123456789012", buffer);
    EXPECT_STREQ(buffer, "123456789");
    EXPECT_EQ(buffer[10], '#');
    CopyToExchangeBuffer("", buffer);
    EXPECT_STREQ(buffer, "");
}

TEST(ExchangeCheckTest, ThreeOrFourDigitsButNot599) {
    const std::pair<const char*, bool> cases[] = {
        {"001", true},  {"1234", true},   {"5999", true}, {"000", true},  {"599", false}, {"599 ", false},
        {"12", false},  {"12345", false}, {"12a", false}, {"", false},    {" 123", false}, {"1.23", false},
        {"-12", false}, {"\xd9\xb1\xd9\xb2", false},
    };
    for (const auto& [text, valid] : cases) EXPECT_EQ(IsValidExchange(text), valid) << '"' << text << '"';
}

}  // namespace
}  // namespace corvane
