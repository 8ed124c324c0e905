#include "cabrillo/cabrillo_header.h"

#include <gtest/gtest.h>

#include "plugin/contest_state.h"
#include "tests/support/fakes.h"

namespace corvane {
namespace {

using KeyValue = std::pair<std::string, std::string>;

TEST(CabrilloHeaderTest, FileBaseNameFromTheOwnCall) {
    const std::pair<std::string, std::string> cases[] = {
        {"DL1ABC", "DL1ABC"},
        {"DL1ABC/P", "DL1ABC_P"},
        {"PA/DL1ABC\\MM", "PA_DL1ABC_MM"},
        {"  DL1ABC/P \t", "DL1ABC_P"},
        {"DL1 ABC", "DL1 ABC"},
        {"", "ZELK"},
        {" \t ", "ZELK"},
        // Characters a Windows file name cannot hold would leave the log unwritten or put it
        // somewhere else (a drive, a stream): they become "_" as well.
        {"C:DL1ABC", "C_DL1ABC"},
        {"*?\"<>|", "______"},
        {std::string("DL1\x01" "ABC\x7F", 8), "DL1_ABC_"},
        {"../DL1ABC", ".._DL1ABC"},
    };
    for (const auto& [call, expected] : cases) EXPECT_EQ(FileBaseName(call), expected) << '"' << call << '"';
}

TEST(CabrilloHeaderTest, LineBreakCodes) {
    const std::pair<std::string, std::string> roundTrips[] = {
        {"", ""},
        {"Line one\r\nLine two", "Line one<CR><LF>Line two"},
        {"a\rb\nc\r\n", "a<CR>b<LF>c<CR><LF>"},
    };
    for (const auto& [text, stored] : roundTrips) {
        EXPECT_EQ(EncodeLineBreaks(text), stored);
        EXPECT_EQ(DecodeLineBreaks(stored), text);
    }
    // Only the exact codes are decoded.
    EXPECT_EQ(DecodeLineBreaks("<cr><Lf><CR<LF"), "<cr><Lf><CR<LF");
    EXPECT_EQ(DecodeLineBreaks("<<CR>LF>"), "<\rLF>");
}

class EditHeaderTest : public ::testing::Test {
protected:
    void Edit(std::string_view ownCall = "DL1ABC/P") { EditCabrilloHeader(state, fake.platform, ownCall); }

    testing::FakePlatform fake;
    ContestState state;
    CabrilloHeader& header = state.cabrilloHeader;
};

TEST_F(EditHeaderTest, ShowsTheStoredHeaderWithFixedCategories) {
    fake.profile.Set("Name", "Erika Muster");
    fake.profile.Set("Address", "Hauptstr. 1");
    fake.profile.Set("Address_City", "Bonn");
    fake.profile.Set("Address_PostalCode", "53111");
    fake.profile.Set("Address_Country", "Germany");
    fake.profile.Set("Email", "dl1abc@example.org");
    fake.profile.Set("Club", "DARC");
    fake.profile.Set("Claimed", "1234");
    fake.profile.Set("Name_Test", "Corvane 2016");
    fake.profile.Set("Contest", "edited last time");
    fake.profile.Set("SoapBox", "Nice<CR><LF>contest");
    fake.profile.Set("Offtime", "1200-1300<CR><LF>");
    fake.profile.Set("Category", "MULTI-OP");
    fake.profile.Set("Power", "LOW");
    header.categoryTime = "24-HOURS";  // kept from an earlier run
    fake.dialogs.cancel = true;

    Edit();

    HeaderFields expected;
    expected.callsign = "DL1ABC/P";
    expected.operators = "DL1ABC/P";  // no "Operators" key: the own call
    expected.categoryOperator = "SINGLE-OP";
    expected.categoryPower = "HIGH";
    expected.categoryBand = "ALL";
    expected.categoryTime = "24-HOURS";
    expected.claimed = "1234";
    expected.contest = "Corvane 2016";
    expected.name = "Erika Muster";
    expected.address = "Hauptstr. 1";
    expected.addressCity = "Bonn";
    expected.addressPostalCode = "53111";
    expected.addressCountry = "Germany";
    expected.email = "dl1abc@example.org";
    expected.club = "DARC";
    expected.soapBox = "Nice\r\ncontest";
    expected.offTime = "1200-1300\r\n";
    ASSERT_EQ(fake.dialogs.headersShown.size(), 1u);
    const HeaderFields& shown = fake.dialogs.headersShown[0];
    for (const HeaderControl& control : kHeaderControls)
        EXPECT_EQ(shown.*control.field, expected.*control.field) << "control " << control.id;
    // Cancelled: the loaded values stay, the file name is derived, nothing is stored.
    EXPECT_EQ(static_cast<const HeaderFields&>(header).soapBox, expected.soapBox);
    EXPECT_EQ(header.fileBaseName, "DL1ABC_P");
    EXPECT_TRUE(fake.profile.writes.empty());
}

TEST_F(EditHeaderTest, OperatorsDefaultsToTheOwnCallOnlyWhenTheKeyIsMissing) {
    fake.profile.Set("Operators", "");
    Edit();
    EXPECT_EQ(fake.dialogs.headersShown.at(0).operators, "");
}

// The room counts the stored form, so a line-break code cut by it stays literal text.
TEST_F(EditHeaderTest, ReadsWithRoomForFortyNine) {
    fake.profile.Set("SoapBox", std::string(46, 'x') + "<CR><LF>more");
    fake.profile.Set("Name", std::string(60, 'n'));
    Edit();
    EXPECT_EQ(fake.dialogs.headersShown.at(0).soapBox, std::string(46, 'x') + "<CR");
    EXPECT_EQ(fake.dialogs.headersShown.at(0).name, std::string(49, 'n'));
}

TEST_F(EditHeaderTest, OkKeepsTheOperatorsTextsAndStoresThemInOrder) {
    fake.profile.Set("Claimed", "1234");
    fake.profile.Set("Name_Test", "Corvane 2016");
    fake.dialogs.answer = [](HeaderFields typed) {
        typed.callsign = "DL1ABC";
        typed.operators = "DL1ABC DL2XYZ";
        typed.categoryOperator = "MULTI-OP";
        typed.categoryPower = "LOW";
        typed.categoryTransmitter = "ONE";
        typed.categoryOverlay = "RESTRICTED";
        typed.categoryStation = "FIXED";
        typed.claimed = "999999";
        typed.contest = "Corvane Sprint";
        typed.name = "Erika";
        typed.soapBox = "Line one\r\nLine two";
        typed.offTime = "a\r\nb";
        return typed;
    };

    Edit();

    const std::vector<KeyValue> expected = {
        {"Operators", "DL1ABC DL2XYZ"}, {"Name", "Erika"},       {"Address", ""},
        {"Address_City", ""},           {"Address_PostalCode", ""}, {"Address_Country", ""},
        {"Category", "MULTI-OP"},       {"Power", "LOW"},        {"Contest", "Corvane Sprint"},
        {"Email", ""},                  {"Club", ""},            {"SoapBox", "Line one<CR><LF>Line two"},
        {"Offtime", "a<CR><LF>b"},
    };
    EXPECT_EQ(fake.profile.writes, expected);
    EXPECT_EQ(header.callsign, "DL1ABC");
    EXPECT_EQ(header.fileBaseName, "DL1ABC_P");  // from the call the host passed
    EXPECT_EQ(header.categoryTransmitter, "ONE");
    EXPECT_EQ(header.soapBox, "Line one\r\nLine two");
    EXPECT_EQ(header.claimed, "1234");  // the typed score is dropped

    // The next run offers the setup's contest name again and the fixed categories, with the
    // transmitter, overlay and station boxes empty.
    fake.dialogs.answer = nullptr;
    fake.dialogs.cancel = true;
    Edit();
    const HeaderFields& shown = fake.dialogs.headersShown.at(1);
    EXPECT_EQ(shown.contest, "Corvane 2016");
    EXPECT_EQ(shown.categoryOperator, "SINGLE-OP");
    EXPECT_EQ(shown.categoryPower, "HIGH");
    EXPECT_EQ(shown.categoryTransmitter, "");
    EXPECT_EQ(shown.categoryOverlay, "");
    EXPECT_EQ(shown.categoryStation, "");
    EXPECT_EQ(shown.soapBox, "Line one\r\nLine two");
    // Cancelled: the earlier choices are still what the file will carry.
    EXPECT_EQ(header.categoryTransmitter, "ONE");
    EXPECT_EQ(header.categoryOverlay, "RESTRICTED");
    EXPECT_EQ(header.categoryStation, "FIXED");
    EXPECT_EQ(header.categoryOperator, "SINGLE-OP");
    EXPECT_EQ(fake.profile.writes.size(), expected.size());
}

TEST(HeaderDialogTest, ComboBoxListOrder) {
    EXPECT_EQ(ListOrder(kHeaderControls[3]), (std::vector<std::string>{"CHECKLOG", "MULTI-OP", "SINGLE-OP"}));
    EXPECT_EQ(ListOrder(kHeaderControls[4]),
              (std::vector<std::string>{"ALL", "80M", "40M", "20M", "15M", "10M", "80M-40M", "20M-15M-10M"}));
}

TEST(HeaderDialogTest, ComboBoxOpensOnTheFirstItemThatBeginsWithItsText) {
    const std::vector<std::string> band = ListOrder(kHeaderControls[4]);
    const std::vector<std::string> power = ListOrder(kHeaderControls[5]);
    const std::tuple<const std::vector<std::string>*, std::string, std::optional<std::string>> cases[] = {
        {&power, "HIGH", "HIGH"},   {&power, "high", "HIGH"},     {&power, "q", "QRP"},
        {&power, "", std::nullopt}, {&power, "HIGHER", std::nullopt}, {&power, "medium", std::nullopt},
        {&band, "8", "80M"},        {&band, "80m-", "80M-40M"},   {&band, "2", "20M"},
    };
    for (const auto& [items, text, expected] : cases) {
        const std::optional<std::size_t> item = OpeningItem(*items, text);
        EXPECT_EQ(item ? std::optional<std::string>((*items)[*item]) : std::nullopt, expected) << text;
    }
}

TEST(HeaderDialogTest, OkAtOnceGivesTheOpeningSelection) {
    HeaderFields shown;
    shown.categoryOperator = "single";
    shown.categoryBand = "ALL";
    shown.categoryOverlay = "restr";
    shown.categoryStation = "MOBILE";
    shown.name = "high";  // an edit box keeps its text as it is
    const HeaderFields confirmed = ConfirmedUnchanged(shown);
    EXPECT_EQ(confirmed.categoryOperator, "SINGLE-OP");
    EXPECT_EQ(confirmed.categoryBand, "ALL");
    EXPECT_EQ(confirmed.categoryPower, "");
    EXPECT_EQ(confirmed.categoryOverlay, "RESTRICTED");
    EXPECT_EQ(confirmed.categoryStation, "MOBILE");
    EXPECT_EQ(confirmed.name, "high");
}

}  // namespace
}  // namespace corvane
