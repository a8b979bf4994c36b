#pragma once

#include <array>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace korvalin {

// The travel diary: exactly 1500 lines replaced by index, never inserted or
// deleted. The line after the last entry holds a trailer that the next
// entry overwrites: " " after the journey's own flavour notes, "end" after
// every other entry.
class Diary {
public:
    static constexpr int LineCount = 1500;
    static constexpr std::string_view EndTrailer = "end";
    static constexpr std::string_view NoteTrailer = " ";

    // Called with the first and last index of every change, so that an open
    // diary window can follow.
    using Observer = std::function<void(int first, int last)>;

    Diary();

    // Writes outside 0..1499 do nothing.
    void put(int index, std::string_view text);
    const std::string& get(int index) const;

    // dd := dd + 1; line dd := text; line dd + 1 := trailer. `dd` keeps
    // counting past the end even though the lines are lost there.
    void append(int& dd, std::string_view text, std::string_view trailer);

    // Empties lines 0 to dd + 1, as a restart does.
    void clearForRestart(int dd);

    // Replaces every line, as loading the diary file does; missing lines
    // become empty, surplus lines are dropped.
    void replaceAll(std::span<const std::string> lines);

    const std::array<std::string, LineCount>& lines() const { return lines_; }

    void setObserver(Observer observer) { observer_ = std::move(observer); }

private:
    void notify(int first, int last) const;

    std::array<std::string, LineCount> lines_;
    Observer observer_;
};

}  // namespace korvalin
