#pragma once

#include <functional>
#include <initializer_list>
#include <string_view>

class QWidget;

namespace korvalin {

// The small notices: centred lines of text above an OK button, the window
// as small as they allow. The texts are the window's fixed texts.
void layOutNotice(QWidget* window, std::initializer_list<std::string_view> lines,
                  std::string_view okCaption, std::function<void()> okClicked);

}  // namespace korvalin
