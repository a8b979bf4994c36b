#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "asked_texts.h"

namespace korvalin {

// A file under a folder, its path relative to it as references give it.
struct SourceFile {
    std::string path;
    std::string text;
};

// Every file under a folder with one of the extensions, in order of paths.
std::vector<SourceFile> filesUnder(const std::filesystem::path& folder,
                                   std::initializer_list<std::string_view> extensions);

struct TextTemplate {
    std::string pot;
    std::vector<TextKey> unplaced;  // texts that stand nowhere in the sources
};

// The template of the texts asked for, then of those the sources hand to
// tr() or qtr() as a literal or by a name given to a literal, each with the
// places in the sources where it stands.
TextTemplate textTemplate(std::vector<TextKey> keys, const std::vector<SourceFile>& sources);

}  // namespace korvalin
