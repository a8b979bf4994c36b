#pragma once

#include <string>
#include <string_view>

namespace korvalin {

// The name with every Latin letter that carries an accent, a cedilla or a
// stroke written as the plain letter (or pair) it is built on: "Zoë" is
// "Zoe", "José" "Jose", "Søren" "Soren", "Straße" "Strasse". Every other
// character stays as it is.
std::string withPlainLetters(std::string_view name);

}  // namespace korvalin
