// The Cabrillo header dialog as Windows shows it, driven by id from a second thread. This
// program carries the plug-in's resources itself, so the dialog comes from the same template.
#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

#include "platform/win32/win32_dialogs.h"
#include "tests/support/dialog_driver.h"

namespace corvane {
namespace {

using testing::Click;
using testing::ControlText;
using testing::DialogWatcher;

struct ComboState {
    std::vector<std::string> items;  // as the list shows them
    LRESULT selected = CB_ERR;
    std::string text;
};

ComboState ReadCombo(HWND dialog, int id) {
    ComboState combo;
    const HWND box = ::GetDlgItem(dialog, id);
    const LRESULT count = ::SendMessageA(box, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char item[64] = {};
        ::SendMessageA(box, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
        combo.items.emplace_back(item);
    }
    combo.selected = ::SendMessageA(box, CB_GETCURSEL, 0, 0);
    combo.text = ControlText(dialog, id);
    return combo;
}

// Every static text of the dialog, in template order, with its id (-1 when it has none).
std::vector<std::pair<int, std::string>> Labels(HWND dialog) {
    std::vector<std::pair<int, std::string>> labels;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        char className[16] = {};
        ::GetClassNameA(child, className, sizeof className);
        if (std::string(className) != "Static") continue;
        char text[64] = {};
        ::GetWindowTextA(child, text, sizeof text);
        labels.emplace_back(static_cast<short>(::GetDlgCtrlID(child)), text);
    }
    return labels;
}

LONG Style(HWND dialog, int id) { return ::GetWindowLongA(::GetDlgItem(dialog, id), GWL_STYLE); }

HeaderFields Shown() {
    HeaderFields shown;
    shown.callsign = "DL1ABC";
    shown.operators = "DL1ABC";
    shown.categoryOperator = "single";
    shown.categoryPower = "HIGH";
    shown.categoryBand = "ALL";
    shown.categoryOverlay = "custom";
    shown.claimed = "1234";
    shown.contest = "Corvane 2016";
    shown.name = "Erika Muster";
    shown.address = "Hauptstr. 1";
    shown.soapBox = "Line one\r\nLine two";
    shown.offTime = "1200-1300";
    return shown;
}

TEST(HeaderDialogWin32Test, OpensWithTheTextsTheTemplatesItemsAndLabels) {
    std::map<int, ComboState> combos;
    std::map<int, std::string> edits;
    std::map<int, LONG> styles;
    std::vector<std::pair<int, std::string>> labels;
    std::string caption;
    LRESULT soapBoxLines = 0;
    std::optional<HeaderFields> confirmed;
    {
        DialogWatcher operatorAtOnce("Corvane", [&](HWND dialog) {
            char text[32] = {};
            ::GetWindowTextA(dialog, text, sizeof text);
            caption = text;
            for (const HeaderControl& control : kHeaderControls) {
                if (control.kind == ControlKind::kComboBox)
                    combos[control.id] = ReadCombo(dialog, control.id);
                else
                    edits[control.id] = ControlText(dialog, control.id);
                styles[control.id] = Style(dialog, control.id);
            }
            styles[1018] = Style(dialog, 1018);
            labels = Labels(dialog);
            soapBoxLines = ::SendDlgItemMessageA(dialog, 1001, EM_GETLINECOUNT, 0, 0);
            Click(dialog, IDOK);
        });
        confirmed = Win32Dialogs().RunHeaderDialog(Shown());
        ASSERT_TRUE(operatorAtOnce.acted());
    }

    EXPECT_EQ(caption, "Corvane");
    const HeaderFields shown = Shown();
    for (const HeaderControl& control : kHeaderControls) {
        if (control.kind == ControlKind::kComboBox) {
            const ComboState& combo = combos[control.id];
            EXPECT_EQ(combo.items, ListOrder(control)) << control.id;
            const auto item = OpeningItem(combo.items, shown.*control.field);
            EXPECT_EQ(combo.selected, item ? static_cast<LRESULT>(*item) : CB_ERR) << control.id;
            EXPECT_EQ(combo.text, item ? combo.items[*item] : shown.*control.field) << control.id;
            EXPECT_EQ(styles[control.id] & 3, CBS_DROPDOWN) << control.id;
        } else {
            EXPECT_EQ(edits[control.id], shown.*control.field) << control.id;
        }
    }
    EXPECT_EQ(soapBoxLines, 2);
    // OK at once gives what the core's rule says it gives.
    ASSERT_TRUE(confirmed);
    const HeaderFields expected = ConfirmedUnchanged(shown);
    for (const HeaderControl& control : kHeaderControls)
        EXPECT_EQ((*confirmed).*control.field, expected.*control.field) << control.id;

    const std::vector<std::pair<int, std::string>> expectedLabels = {
        {-1, "CONTEST"},          {-1, "CALLSIGN"},          {-1, "CLAIMED"},
        {-1, "CATEGORY-OPERATOR"}, {1016, "CATEGORY-BAND"},   {1014, "CATEGORY-POWER"},
        {-1, "CATEGORY-TIME"},     {1029, "CATEFORY-TRANSMITTER"}, {1030, "CAREGORY-OVERLAY"},
        {1033, "CAREGORY-STATION"}, {1018, "OFFTIME"},        {-1, "NAME"},
        {-1, "ADDRESS"},           {-1, "ADDRESS-CITY"},      {-1, "ADDRESS-POSTALCODE"},
        {-1, "ADDRES-COUNTRY"},    {-1, "OPERATORS"},         {-1, "CLUB"},
        {-1, "SOAPBOX"},           {-1, "E-MAIL"},
    };
    EXPECT_EQ(labels, expectedLabels);

    // The off time travels unseen, the time category cannot be chosen, the address stops at the
    // box's width, the soapbox takes Enter as a new line and wraps.
    const std::pair<int, LONG> kStyleIs[] = {{1021, WS_DISABLED},
                                             {1001, ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL},
                                             {1000, WS_DISABLED},
                                             {1018, WS_DISABLED},
                                             {1007, ES_AUTOHSCROLL}};
    for (const auto& [id, bits] : kStyleIs) EXPECT_EQ(styles[id] & bits, bits) << id;
    const std::pair<int, LONG> kStyleIsNot[] = {
        {1000, WS_VISIBLE}, {1018, WS_VISIBLE}, {1002, ES_AUTOHSCROLL}, {1001, ES_AUTOHSCROLL | WS_HSCROLL}};
    for (const auto& [id, bits] : kStyleIsNot) EXPECT_EQ(styles[id] & bits, 0) << id;
}

TEST(HeaderDialogWin32Test, OkHandsBackWhatWasTypedOrPicked) {
    std::optional<HeaderFields> confirmed;
    {
        DialogWatcher typist("Corvane", [](HWND dialog) {
            ::SetDlgItemTextA(dialog, 1010, "DL1ABC/P");
            ::SetDlgItemTextA(dialog, 1008, "999999");
            ::SetDlgItemTextA(dialog, 1022, "TWO-ISH");  // typed into the combo box's edit field
            ::SendDlgItemMessageA(dialog, 1015, CB_SETCURSEL, 2, 0);  // picks QRP
            ::SetDlgItemTextA(dialog, 1001, "New\r\nsoapbox\r\n");
            ::SetDlgItemTextA(dialog, 1004, "dl1abc@example.org");
            Click(dialog, IDOK);
        });
        confirmed = Win32Dialogs().RunHeaderDialog(Shown());
    }
    ASSERT_TRUE(confirmed);
    EXPECT_EQ(confirmed->callsign, "DL1ABC/P");
    EXPECT_EQ(confirmed->claimed, "999999");  // the dialog hands it back; the header drops it
    EXPECT_EQ(confirmed->categoryTransmitter, "TWO-ISH");
    EXPECT_EQ(confirmed->categoryPower, "QRP");
    EXPECT_EQ(confirmed->soapBox, "New\r\nsoapbox\r\n");
    EXPECT_EQ(confirmed->email, "dl1abc@example.org");
    EXPECT_EQ(confirmed->name, "Erika Muster");
    EXPECT_EQ(confirmed->offTime, "1200-1300");
}

TEST(HeaderDialogWin32Test, EveryEndButOkGivesNothing) {
    const std::pair<const char*, std::function<void(HWND)>> ends[] = {
        {"CANCEL", [](HWND dialog) { Click(dialog, IDCANCEL); }},
        {"close box", [](HWND dialog) { ::PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"Escape", [](HWND dialog) { ::PostMessageA(::GetDlgItem(dialog, 1007), WM_KEYDOWN, VK_ESCAPE, 0); }},
    };
    for (const auto& [name, end] : ends) {
        std::optional<HeaderFields> confirmed;
        {
            DialogWatcher leaver("Corvane", [&end = end](HWND dialog) {
                ::SetDlgItemTextA(dialog, 1007, "typed, then dropped");
                end(dialog);
            });
            confirmed = Win32Dialogs().RunHeaderDialog(Shown());
        }
        EXPECT_FALSE(confirmed) << name;
    }
}

// Enter in a single-line box confirms the dialog; in the soapbox it starts a new line.
TEST(HeaderDialogWin32Test, EnterKey) {
    const auto pressEnter = [](HWND control) {
        const LPARAM scanCode = static_cast<LPARAM>(::MapVirtualKeyA(VK_RETURN, MAPVK_VK_TO_VSC)) << 16;
        ::PostMessageA(control, WM_KEYDOWN, VK_RETURN, scanCode | 1);
        ::PostMessageA(control, WM_KEYUP, VK_RETURN, scanCode | 0xC0000001);
    };
    std::optional<HeaderFields> confirmed;
    {
        DialogWatcher typist("Corvane", [&](HWND dialog) {
            const HWND soapBox = ::GetDlgItem(dialog, 1001);
            ::SetWindowTextA(soapBox, "");
            pressEnter(soapBox);
            // The key's character arrives as a message of its own; give it its turn (bounded,
            // so that a soapbox ignoring Enter fails below instead of hanging here).
            for (int i = 0; i < 500 && ControlText(dialog, 1001).empty(); ++i) ::Sleep(10);
            pressEnter(::GetDlgItem(dialog, 1007));
        });
        confirmed = Win32Dialogs().RunHeaderDialog(Shown());
    }
    ASSERT_TRUE(confirmed);
    EXPECT_EQ(confirmed->soapBox, "\r\n");
}

}  // namespace
}  // namespace corvane
