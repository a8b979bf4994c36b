#pragma once

#include <thread>

namespace korvalin {

// Reads the system's font configuration on the second core while Qt starts,
// so that the splash's first line of text need not wait for it; reading it
// is the largest single cost before the main window appears.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // Returns once the configuration is read; call before any text is measured.
    void wait();

private:
    std::thread reader_;
};

}  // namespace korvalin
