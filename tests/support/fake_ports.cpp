#include "support/fake_ports.h"

#include <algorithm>

namespace korvalin::testing {

void FakeUi::showModal(WindowId window)
{
    record("showModal", name(window));
    if (onModal)
        onModal(window);
}

bool FakeUi::confirm(std::string_view text, Buttons)
{
    record("confirm", std::string(text));
    if (answers.empty())
        return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

bool FakeUi::printLines(std::span<const std::string> lines)
{
    record("print", std::to_string(lines.size()));
    if (!printConfirmed)
        return false;
    printed.assign(lines.begin(), lines.end());
    return true;
}

void FakeUi::chooseLanguage(Language language)
{
    record("language", std::string(languageCode(language)));
    useLanguage(language, KORVALIN_CATALOGUES);
}

std::string FakeUi::name(WindowId window)
{
    return std::string(WindowTable[static_cast<std::size_t>(window)].className);
}

int FakeUi::count(std::string_view what, std::string_view detail) const
{
    return static_cast<int>(std::count_if(calls.begin(), calls.end(), [&](const Call& call) {
        return call.what == what && (detail.empty() || call.detail == detail);
    }));
}

}  // namespace korvalin::testing
