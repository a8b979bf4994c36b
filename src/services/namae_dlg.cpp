#include "services/namae_dlg.h"

#include <utility>

#include "game/game.h"
#include "save/cp932.h"

namespace korvalin {

namespace {

// Characters Shift-JIS writes as one character and reads back as another
// (an input method types 〜, the file gives back ～). Each becomes at entry
// the character the files keep, so the name never changes on a reload. The
// yen sign and the overline would come back as a backslash and a tilde, so
// they take their full-width forms instead.
constexpr std::pair<std::string_view, std::string_view> KeptForms[] = {
    {"〜", "～"}, {"−", "－"}, {"¢", "￠"}, {"£", "￡"}, {"¬", "￢"},
    {"‖", "∥"},   {"—", "―"},  {"¥", "￥"}, {"‾", "￣"},
};

std::string inKeptForms(std::string name)
{
    for (const auto& [typed, kept] : KeptForms) {
        for (std::size_t at = name.find(typed); at != std::string::npos;
             at = name.find(typed, at + kept.size()))
            name.replace(at, typed.size(), kept);
    }
    return name;
}

bool survivesShiftJis(const std::string& name)
{
    const std::optional<std::string> bytes = toCp932(name);
    return bytes && fromCp932(*bytes) == name;
}

}  // namespace

void NamaeDlg::OKBtnClick()
{
    std::string name = inKeptForms(Password);
    if (!survivesShiftJis(name)) {
        game_.ui.warning(UnwritableNameMessage);
        return;
    }
    Password = name;
    game_.state.Namae = std::move(name);
    game_.ui.close(WindowId::NamaeDlg);
}

}  // namespace korvalin
