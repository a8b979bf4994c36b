#pragma once

#include <QString>

#include <cstdint>

class QWidget;
struct xcb_connection_t;

namespace korvalin {

// A window title that changes many times a second, as the main window's
// marquee does. Qt would write each change as two name properties, and the
// X server would echo both back as property notices, each waking Qt's event
// reader and then the event loop: at rest that doubled the game's cost. On
// X the title is written straight to the two properties, with this client's
// property notices on the window switched off around the write and the
// server held for those few requests, so no other client's change slips by
// unnoticed. Elsewhere, and before the window exists, Qt writes it.
//
// Qt's own record of the title (QWidget::windowTitle) is left as it was.
class FrequentTitle {
public:
    explicit FrequentTitle(QWidget* window);

    void show(const QString& title);

private:
    bool prepare();

    QWidget* window_;
    xcb_connection_t* connection_ = nullptr;
    std::uint32_t windowId_ = 0;    // the X window prepared for
    std::uint32_t eventMask_ = 0;   // what Qt selected on it
    std::uint32_t netWmName_ = 0;   // _NET_WM_NAME
    std::uint32_t utf8String_ = 0;  // UTF8_STRING
};

}  // namespace korvalin
