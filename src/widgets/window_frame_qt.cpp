#include "widgets/window_frame_qt.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <optional>
#include <thread>

#include "widgets/xcb_qt.h"

namespace korvalin {

namespace {

// The window manager answers a request for the frame within a few
// milliseconds; one that does not answer in 200 frames none.
constexpr int FrameRequestPolls = 200;
constexpr std::chrono::milliseconds FrameRequestPoll{1};

struct FrameAtoms {
    xcb_atom_t extents = XCB_ATOM_NONE;
    xcb_atom_t request = XCB_ATOM_NONE;
    xcb_atom_t supportingWm = XCB_ATOM_NONE;
};

FrameAtoms frameAtoms(xcb_connection_t* connection)
{
    const auto extents = askAtom(connection, "_NET_FRAME_EXTENTS");
    const auto request = askAtom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const auto supportingWm = askAtom(connection, "_NET_SUPPORTING_WM_CHECK");
    return {atom(connection, extents), atom(connection, request), atom(connection, supportingWm)};
}

// _NET_FRAME_EXTENTS: left, right, top, bottom.
std::optional<QMargins> frameExtents(xcb_connection_t* connection, xcb_window_t window,
                                     xcb_atom_t extents)
{
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, extents, XCB_ATOM_CARDINAL, 0, 4),
        nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return std::nullopt;
    const auto* value = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return QMargins(static_cast<int>(value[0]), static_cast<int>(value[2]),
                    static_cast<int>(value[1]), static_cast<int>(value[3]));
}

xcb_window_t rootOf(xcb_connection_t* connection)
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

bool windowManagerRuns(xcb_connection_t* connection, xcb_atom_t supportingWm)
{
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, rootOf(connection), supportingWm, XCB_ATOM_WINDOW, 0, 1),
        nullptr));
    return reply && xcb_get_property_value_length(reply.get()) == 4;
}

void requestFrame(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t request)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = request;
    xcb_send_event(connection, 0, rootOf(connection),
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
}

}  // namespace

QMargins windowFrame(QWidget* window)
{
    const auto id = static_cast<xcb_window_t>(window->winId());
    // Without X the platform's own frame is all there is.
    xcb_connection_t* connection = xcbConnection();
    if (!connection)
        return window->windowHandle()->frameMargins();
    // The program has one X connection; its atoms are asked for once.
    static const FrameAtoms atoms = frameAtoms(connection);
    if (auto known = frameExtents(connection, id, atoms.extents))
        return *known;
    if (!windowManagerRuns(connection, atoms.supportingWm))
        return {};
    requestFrame(connection, id, atoms.request);
    for (int poll = 0; poll < FrameRequestPolls; ++poll) {
        std::this_thread::sleep_for(FrameRequestPoll);
        if (auto answered = frameExtents(connection, id, atoms.extents))
            return *answered;
    }
    return {};
}

// The inside is placed, where the frame says it lies: Qt's own placing by
// the frame guesses the frame before the window manager has drawn one.
void placeFrame(QWidget* window, QPoint frameTopLeft)
{
    const QMargins frame = windowFrame(window);
    window->setGeometry(QRect(frameTopLeft + QPoint(frame.left(), frame.top()), window->size()));
}

QPoint centredFrameSpot(QWidget* window, const QWidget* over)
{
    const QScreen* screen = over ? over->screen() : window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 640, 480);
    const QMargins frame = windowFrame(window);
    const QSize outer = window->size().grownBy(frame);
    const QRect target =
        over ? over->geometry().marginsAdded(windowFrame(const_cast<QWidget*>(over))) : area;
    QPoint spot = target.center() - QPoint(outer.width() / 2, outer.height() / 2);
    spot.setX(
        std::clamp(spot.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())));
    spot.setY(
        std::clamp(spot.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height())));
    return spot;
}

}  // namespace korvalin
