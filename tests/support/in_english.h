#pragma once

#include "game/language.h"

namespace korvalin {

// Plays in English for the life of a test, from the catalogue the build
// compiled, and in Japanese again after it.
class InEnglish {
public:
    InEnglish() { ready_ = useLanguage(Language::English, KORVALIN_CATALOGUES); }
    ~InEnglish() { useLanguage(Language::Japanese, KORVALIN_CATALOGUES); }
    InEnglish(const InEnglish&) = delete;
    InEnglish& operator=(const InEnglish&) = delete;

    // Whether the catalogue was read.
    bool ready() const { return ready_; }

private:
    bool ready_ = false;
};

}  // namespace korvalin
