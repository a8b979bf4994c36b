#include "game/diary.h"

#include <algorithm>

#include "game/language.h"

namespace korvalin {

namespace {

const std::string NoLine;

bool inRange(int index)
{
    return index >= 0 && index < Diary::LineCount;
}

}  // namespace

Diary::Diary()
{
    lines_[1] = tr("1日目　（日本）");
    lines_[2] = tr("　　金沢出発　　　");
}

void Diary::put(int index, std::string_view text)
{
    if (!inRange(index))
        return;
    lines_[static_cast<std::size_t>(index)] = text;
    notify(index, index);
}

const std::string& Diary::get(int index) const
{
    return inRange(index) ? lines_[static_cast<std::size_t>(index)] : NoLine;
}

void Diary::append(int& dd, std::string_view text, std::string_view trailer)
{
    ++dd;
    put(dd, text);
    put(dd + 1, trailer);
}

void Diary::clearForRestart(int dd)
{
    const int last = std::min(dd + 1, LineCount - 1);
    for (int i = 0; i <= last; ++i)
        lines_[static_cast<std::size_t>(i)].clear();
    notify(0, last);
}

void Diary::replaceAll(std::span<const std::string> lines)
{
    for (std::size_t i = 0; i < lines_.size(); ++i)
        lines_[i] = i < lines.size() ? lines[i] : std::string();
    notify(0, LineCount - 1);
}

void Diary::notify(int first, int last) const
{
    if (observer_)
        observer_(first, last);
}

}  // namespace korvalin
