#include "widgets/frequent_title_qt.h"

#include <QGuiApplication>
#include <QWidget>

#include <algorithm>

#include "widgets/xcb_qt.h"

namespace korvalin {

namespace {

// WM_NAME is written as ISO 8859-1, as X's STRING type is.
bool isLatin1(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x100; });
}

}  // namespace

FrequentTitle::FrequentTitle(QWidget* window) : window_(window)
{
    connection_ = xcbConnection();
}

// Qt selects the window's events once, when it creates the window; they are
// read back the first time, and again should the window be made anew.
bool FrequentTitle::prepare()
{
    if (!connection_ || !window_->testAttribute(Qt::WA_WState_Created))
        return false;
    const auto window = static_cast<std::uint32_t>(window_->winId());
    if (window == windowId_)
        return true;

    const auto attributesAsked = xcb_get_window_attributes(connection_, window);
    const auto nameAsked = askAtom(connection_, "_NET_WM_NAME");
    const auto typeAsked = askAtom(connection_, "UTF8_STRING");
    const Reply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(connection_, attributesAsked, nullptr));
    netWmName_ = atom(connection_, nameAsked);
    utf8String_ = atom(connection_, typeAsked);
    if (!attributes || netWmName_ == XCB_ATOM_NONE || utf8String_ == XCB_ATOM_NONE)
        return false;
    eventMask_ = attributes->your_event_mask;
    windowId_ = window;
    return true;
}

void FrequentTitle::show(const QString& title)
{
    if (!isLatin1(title) || !prepare()) {
        window_->setWindowTitle(title);
        return;
    }
    const QByteArray utf8 = title.toUtf8();
    const QByteArray latin1 = title.toLatin1();
    const std::uint32_t quiet = eventMask_ & ~std::uint32_t{XCB_EVENT_MASK_PROPERTY_CHANGE};
    xcb_grab_server(connection_);
    xcb_change_window_attributes(connection_, windowId_, XCB_CW_EVENT_MASK, &quiet);
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, windowId_, netWmName_, utf8String_, 8,
                        static_cast<std::uint32_t>(utf8.size()), utf8.constData());
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, windowId_, XCB_ATOM_WM_NAME,
                        XCB_ATOM_STRING, 8, static_cast<std::uint32_t>(latin1.size()),
                        latin1.constData());
    xcb_change_window_attributes(connection_, windowId_, XCB_CW_EVENT_MASK, &eventMask_);
    xcb_ungrab_server(connection_);
    xcb_flush(connection_);
}

}  // namespace korvalin
