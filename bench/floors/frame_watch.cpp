// Watches a window's frames through the X server's DAMAGE extension and
// prints one line per frame, as it comes: the milliseconds since the watch
// began and the colour (RRGGBB) of one probe pixel of the frame.
// A frame is a damaged rectangle of at least WIDTH x HEIGHT pixels, so that
// small repaints (a label, a marker) are not taken for one; the probe lies
// at (PROBE_X, PROBE_Y) from the rectangle's top-left corner.
// The first line, "watching", tells that the watch has begun. Ends when the
// window is destroyed or the watcher is terminated.
// Exit status: 0 the window went away, 2 no display, DAMAGE or window.
#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xfixes.h>
#include <time.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The server refuses both extensions' requests until their versions are asked.
bool damageReady(xcb_connection_t* connection)
{
    const Reply<xcb_xfixes_query_version_reply_t> fixes(xcb_xfixes_query_version_reply(
        connection, xcb_xfixes_query_version(connection, XCB_XFIXES_MAJOR_VERSION, 0), nullptr));
    const Reply<xcb_damage_query_version_reply_t> damage(xcb_damage_query_version_reply(
        connection, xcb_damage_query_version(connection, XCB_DAMAGE_MAJOR_VERSION, 1), nullptr));
    return fixes && damage;
}

// -1 when the window cannot be read (it has gone or is no longer shown).
long pixel(xcb_connection_t* connection, xcb_window_t window, int x, int y)
{
    const Reply<xcb_get_image_reply_t> image(xcb_get_image_reply(
        connection,
        xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, static_cast<std::int16_t>(x),
                      static_cast<std::int16_t>(y), 1, 1, ~0U),
        nullptr));
    if (!image || xcb_get_image_data_length(image.get()) < 4)
        return -1;
    std::uint32_t value = 0;
    const std::uint8_t* data = xcb_get_image_data(image.get());
    for (int byte = 3; byte >= 0; --byte)  // the server's own byte order is little-endian here
        value = value << 8 | data[byte];
    return value & 0xFFFFFF;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s WINDOW WIDTH HEIGHT PROBE_X PROBE_Y\n", argv[0]);
        return 2;
    }
    const auto window = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
    const int width = std::atoi(argv[2]);
    const int height = std::atoi(argv[3]);
    const int probeX = std::atoi(argv[4]);
    const int probeY = std::atoi(argv[5]);

    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "frame_watch: no X display\n");
        return 2;
    }
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_damage_id);
    if (!extension || !extension->present || !damageReady(connection)) {
        std::fprintf(stderr, "frame_watch: the X server has no DAMAGE extension\n");
        return 2;
    }
    const std::uint32_t structure = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    const xcb_void_cookie_t watched =
        xcb_change_window_attributes_checked(connection, window, XCB_CW_EVENT_MASK, &structure);
    const xcb_damage_damage_t damage = xcb_generate_id(connection);
    xcb_damage_create(connection, damage, window, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    if (Reply<xcb_generic_error_t> error{xcb_request_check(connection, watched)}) {
        std::fprintf(stderr, "frame_watch: no window %s\n", argv[1]);
        return 2;
    }
    // A new damage object first reports the whole window: that is no frame.
    // Once a round trip has brought the report in, it is dropped and the
    // caller is told that the watch has begun.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    while (Reply<xcb_generic_event_t> early{xcb_poll_for_queued_event(connection)}) {
    }
    std::printf("watching\n");
    std::fflush(stdout);

    const double started = nowMs();
    const int damageNotify = extension->first_event + XCB_DAMAGE_NOTIFY;
    while (Reply<xcb_generic_event_t> event{xcb_wait_for_event(connection)}) {
        const int type = event->response_type & 0x7F;
        if (type == XCB_DESTROY_NOTIFY)
            break;
        if (type != damageNotify)
            continue;
        const double at = nowMs() - started;
        const auto* notice = reinterpret_cast<const xcb_damage_notify_event_t*>(event.get());
        if (notice->area.width < width || notice->area.height < height)
            continue;
        const long colour = pixel(connection, window, notice->area.x + probeX, notice->area.y + probeY);
        std::printf(colour < 0 ? "%.2f ------\n" : "%.2f %06lX\n", at, colour);
        std::fflush(stdout);
    }
    xcb_disconnect(connection);
    return 0;
}
