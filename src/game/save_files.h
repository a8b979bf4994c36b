#pragma once

#include <filesystem>

namespace korvalin {

// The files of the saved game, saved and loaded as one: the state, the
// diary and the trail of cells the hiker entered.
//
// Nikki.txt is the player's to read, and the game writes it alone too: on
// a save refused before the visa, on giving up, on publishing. So the save
// keeps its own copy of the diary beside the INI file, sharing its name
// (korvalin.nikki), and a load resumes with that copy: never with lines
// written after the save.
struct SaveFiles {
    std::filesystem::path ini;
    std::filesystem::path diary;
    std::filesystem::path trail;
};

}  // namespace korvalin
