#include "services/namae_dlg.h"

#include <utility>

#include "game/game_core.h"
#include "game/language.h"
#include "game/result.h"
#include "save/cp932.h"
#include "save/ini_section.h"
#include "save/profile_value.h"
#include "services/plain_letters.h"

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

// The typed name as the saved game gives it back, or why it would not.
Result<std::string> keptName(const std::string& typed)
{
    std::string name(trimmed(inKeptForms(typed)));
    const std::optional<std::string> bytes = toCp932(name);
    if (!bytes || fromCp932(*bytes) != name)
        return Failure{std::string(tr(NamaeDlg::UnwritableNameMessage))};
    if (name.find_first_of("\r\n") != std::string::npos)
        return Failure{std::string(tr(NamaeDlg::LineBreakMessage))};
    if (profileText(*bytes).size() < bytes->size())
        return Failure{std::string(tr(NamaeDlg::TooLongMessage))};
    return name;
}

}  // namespace

void NamaeDlg::OKBtnClick()
{
    Result<std::string> name = keptName(Password);
    if (name)
        take(std::move(*name));
    else
        offerPlainLetters(name.message());
}

// A name the files cannot hold only for its accents ("Zoë", "José") is
// offered with the plain letters; No leaves the name in the box to mend.
void NamaeDlg::offerPlainLetters(const std::string& refusal)
{
    Result<std::string> plain = keptName(withPlainLetters(Password));
    if (!plain) {
        game_.ui.warning(refusal);
        return;
    }
    if (game_.ui.confirm(fill(tr(PlainLettersQuestion), *plain)))
        take(std::move(*plain));
}

void NamaeDlg::take(std::string name)
{
    Password = name;
    game_.state.Namae = std::move(name);
    game_.ui.close(WindowId::NamaeDlg);
}

}  // namespace korvalin
