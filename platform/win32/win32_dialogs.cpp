#include "platform/win32/win32_dialogs.h"

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace corvane {
namespace {

// The resource type that carries a dialog template's initialisation data, and the message its
// records use to add a combo-box list item.
constexpr WORD kDialogInitType = 240;
constexpr WORD kAddComboItem = 0x0403;

// The module this code is linked into, whose resources hold the dialog template.
HINSTANCE ThisModule() {
    HMODULE module = nullptr;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCSTR>(&ThisModule), &module);
    return module;
}

// Adds the combo-box items that travel with the template. Each record: control id and message
// (two WORDs), the length of the data (a DWORD), then the data, here a zero-terminated text; a
// zero id ends the list. A record that runs past the resource ends the reading.
void AddTemplateItems(HWND dialog, HINSTANCE module, int templateId) {
    const HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(kDialogInitType));
    if (found == nullptr) return;
    const auto* data = static_cast<const unsigned char*>(::LockResource(::LoadResource(module, found)));
    const std::size_t size = ::SizeofResource(module, found);
    if (data == nullptr) return;
    const auto word = [data](std::size_t at) { return static_cast<WORD>(data[at] | data[at + 1] << 8); };
    for (std::size_t at = 0; at + 8 <= size;) {
        const WORD id = word(at);
        if (id == 0) break;
        const WORD message = word(at + 2);
        const std::size_t length = word(at + 4) | static_cast<std::size_t>(word(at + 6)) << 16;
        at += 8;
        if (length > size - at) break;
        if (message == kAddComboItem) {
            const auto* text = reinterpret_cast<const char*>(data + at);
            const std::string item(text, ::strnlen(text, length));
            ::SendDlgItemMessageA(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        }
        at += length;
    }
}

std::string WindowText(HWND window) {
    std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::vector<std::string> ComboItems(HWND comboBox) {
    std::vector<std::string> items;
    const LRESULT count = ::SendMessageA(comboBox, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = ::SendMessageA(comboBox, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::string item(length > 0 ? static_cast<std::size_t>(length) + 1 : 1, '\0');
        const LRESULT copied =
            ::SendMessageA(comboBox, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
        item.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
        items.push_back(std::move(item));
    }
    return items;
}

void ShowComboText(HWND comboBox, const std::string& text) {
    const std::vector<std::string> items = ComboItems(comboBox);
    if (const auto item = OpeningItem(items, text))
        ::SendMessageA(comboBox, CB_SETCURSEL, *item, 0);
    else
        ::SetWindowTextA(comboBox, text.c_str());
}

// What the dialog works on: the texts it was given, and those it hands back on OK.
struct HeaderExchange {
    const HeaderFields& shown;
    HeaderFields confirmed;
};

void ShowFields(HWND dialog, const HeaderFields& fields) {
    AddTemplateItems(dialog, ThisModule(), kHeaderDialogTemplate);
    for (const HeaderControl& control : kHeaderControls) {
        const HWND window = ::GetDlgItem(dialog, control.id);
        if (control.kind == ControlKind::kComboBox)
            ShowComboText(window, fields.*control.field);
        else
            ::SetWindowTextA(window, (fields.*control.field).c_str());
    }
}

// A combo box hands back its edit field: the selected item or whatever was typed.
void TakeFields(HWND dialog, HeaderFields& fields) {
    for (const HeaderControl& control : kHeaderControls)
        fields.*control.field = WindowText(::GetDlgItem(dialog, control.id));
}

// Exceptions must not unwind through the system's frames: any failure ends the dialog as
// cancelled.
INT_PTR CALLBACK HeaderDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
            case WM_INITDIALOG:
                ::SetWindowLongPtrA(dialog, DWLP_USER, lParam);
                ShowFields(dialog, reinterpret_cast<HeaderExchange*>(lParam)->shown);
                return TRUE;
            case WM_COMMAND:
                if (LOWORD(wParam) == IDOK) {
                    auto* exchange = reinterpret_cast<HeaderExchange*>(::GetWindowLongPtrA(dialog, DWLP_USER));
                    TakeFields(dialog, exchange->confirmed);
                    ::EndDialog(dialog, IDOK);
                    return TRUE;
                }
                if (LOWORD(wParam) == IDCANCEL) {  // also Escape and the close box
                    ::EndDialog(dialog, IDCANCEL);
                    return TRUE;
                }
                return FALSE;
            default:
                return FALSE;
        }
    } catch (...) {
        ::EndDialog(dialog, IDABORT);
        return TRUE;
    }
}

}  // namespace

std::optional<HeaderFields> Win32Dialogs::RunHeaderDialog(const HeaderFields& shown) {
    HeaderExchange exchange{shown, shown};
    const INT_PTR result =
        ::DialogBoxParamA(ThisModule(), MAKEINTRESOURCEA(kHeaderDialogTemplate), ::GetActiveWindow(),
                          HeaderDialogProc, reinterpret_cast<LPARAM>(&exchange));
    if (result != IDOK) return std::nullopt;
    return exchange.confirmed;
}

void Win32Dialogs::ShowInformation(std::string_view caption, std::string_view text) {
    ::MessageBoxA(::GetActiveWindow(), std::string(text).c_str(), std::string(caption).c_str(),
                  MB_OK | MB_ICONINFORMATION);
}

}  // namespace corvane
