#include "widgets/desktop_frames_qt.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <thread>

#include "widgets/linux/xcb_qt.h"

namespace korvalin {

namespace {

// The window manager answers a request for the frame within a few
// milliseconds; one that has not answered after 200 polls of 1 ms gives none.
constexpr int FrameRequestPolls = 200;
constexpr std::chrono::milliseconds FrameRequestPoll{1};

xcb_window_t rootOf(xcb_connection_t* connection)
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

// What the window manager tells of frames, asked for once: the program has
// one X connection and one window manager.
struct FrameSupport {
    xcb_atom_t extents = XCB_ATOM_NONE;
    xcb_atom_t request = XCB_ATOM_NONE;
    // Whether the window manager answers a request for the frame of a
    // window not shown yet (kwin does not).
    bool answersRequest = false;
};

FrameSupport frameSupport(xcb_connection_t* connection)
{
    const auto extents = askAtom(connection, "_NET_FRAME_EXTENTS");
    const auto request = askAtom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const auto supported = askAtom(connection, "_NET_SUPPORTED");
    FrameSupport support{atom(connection, extents), atom(connection, request)};
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, rootOf(connection), atom(connection, supported),
                         XCB_ATOM_ATOM, 0, 1024),
        nullptr));
    if (reply && reply->format == 32) {
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
        const int count = xcb_get_property_value_length(reply.get()) / 4;
        support.answersRequest = std::find(atoms, atoms + count, support.request) != atoms + count;
    }
    return support;
}

const FrameSupport& frameSupport()
{
    static const FrameSupport support = frameSupport(xcbConnection());
    return support;
}

// X counts device pixels, Qt places windows in logical ones: at twice the
// scale a frame of 40 device pixels is 20 logical ones.
int logical(int devicePixels, const QWidget* window)
{
    return qRound(devicePixels / window->devicePixelRatio());
}

// _NET_FRAME_EXTENTS (left, right, top, bottom) in logical pixels.
std::optional<QMargins> frameExtents(xcb_connection_t* connection, const QWidget* window)
{
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, static_cast<xcb_window_t>(window->winId()),
                         frameSupport().extents, XCB_ATOM_CARDINAL, 0, 4),
        nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return std::nullopt;
    const auto* value = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    const auto side = [&](int i) { return logical(static_cast<int>(value[i]), window); };
    return QMargins(side(0), side(2), side(1), side(3));
}

void requestFrame(xcb_connection_t* connection, xcb_window_t window)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = frameSupport().request;
    xcb_send_event(connection, 0, rootOf(connection),
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
}

// Looks once, when the window is first drawn after a placing, whether its
// frame stands where it was put, and moves it there if not: some window
// managers promise a frame other than the one they draw, and some cannot
// tell it before the window is shown.
class FrameCheck : public QObject {
public:
    FrameCheck(QWidget* window, QPoint frameTopLeft)
        : QObject(window->windowHandle()), window_(window), frameTopLeft_(frameTopLeft)
    {
        setObjectName(Name);
        window->windowHandle()->installEventFilter(this);
    }

    static constexpr const char* Name = "frameCheck";

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && window_->windowHandle()->isExposed()) {
            correct();
            deleteLater();
        }
        return false;
    }

private:
    void correct()
    {
        xcb_connection_t* connection = xcbConnection();
        const auto id = static_cast<xcb_window_t>(window_->winId());
        const auto frame = frameExtents(connection, window_);
        const Reply<xcb_translate_coordinates_reply_t> shown(xcb_translate_coordinates_reply(
            connection, xcb_translate_coordinates(connection, id, rootOf(connection), 0, 0),
            nullptr));
        if (!frame || !shown)
            return;
        const QPoint inside = frameTopLeft_ + QPoint(frame->left(), frame->top());
        const QPoint shownAt(logical(shown->dst_x, window_), logical(shown->dst_y, window_));
        if (shownAt != inside)
            window_->setGeometry(QRect(inside, window_->size()));
    }

    QWidget* window_;
    QPoint frameTopLeft_;
};

}  // namespace

// The frame the window manager has drawn or promised for the window; none
// where it cannot be had before the window is shown.
std::optional<QMargins> knownFrame(QWidget* window)
{
    const auto id = static_cast<xcb_window_t>(window->winId());
    xcb_connection_t* connection = xcbConnection();
    if (!connection)
        return window->windowHandle()->frameMargins();
    if (auto known = frameExtents(connection, window))
        return known;
    if (!frameSupport().answersRequest)
        return std::nullopt;
    requestFrame(connection, id);
    for (int poll = 0; poll < FrameRequestPolls; ++poll) {
        std::this_thread::sleep_for(FrameRequestPoll);
        if (auto answered = frameExtents(connection, window))
            return answered;
    }
    return std::nullopt;
}

void keepFramePlaced(QWidget* window, QPoint frameTopLeft)
{
    if (!xcbConnection())
        return;
    delete window->windowHandle()->findChild<QObject*>(FrameCheck::Name,
                                                       Qt::FindDirectChildrenOnly);
    new FrameCheck(window, frameTopLeft);
}

}  // namespace korvalin
