#include "services/namae_dlg.h"

#include <utility>

#include "save/cp932.h"
#include "save/ini_section.h"
#include "save/profile_value.h"
#include "session/game.h"

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

// Why the saved game would not give the name back as it is, or nothing.
std::optional<std::string_view> refusal(const std::string& name)
{
    const std::optional<std::string> bytes = toCp932(name);
    if (!bytes || fromCp932(*bytes) != name)
        return NamaeDlg::UnwritableNameMessage;
    if (name.find_first_of("\r\n") != std::string::npos)
        return NamaeDlg::LineBreakMessage;
    if (profileText(*bytes).size() < bytes->size())
        return NamaeDlg::TooLongMessage;
    return std::nullopt;
}

}  // namespace

void NamaeDlg::OKBtnClick()
{
    std::string name(trimmed(inKeptForms(Password)));
    if (const auto refused = refusal(name)) {
        game_.ui.warning(*refused);
        return;
    }
    Password = name;
    game_.state.Namae = std::move(name);
    game_.ui.close(WindowId::NamaeDlg);
}

}  // namespace korvalin
