// The main window's marquee on a real X server (the test runs under
// xvfb-run): what the desktop is given, property by property.
#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include "journey/travel_window.h"
#include "session/game.h"
#include "support/fake_ports.h"
#include "widgets/linux/xcb_qt.h"

namespace korvalin {
namespace {

xcb_connection_t* connection()
{
    return xcbConnection();
}

xcb_atom_t internAtom(const char* name)
{
    return atom(connection(), askAtom(connection(), name));
}

QByteArray property(QWidget& window, const char* name)
{
    auto* c = connection();
    const Reply<xcb_get_property_reply_t> value(xcb_get_property_reply(
        c,
        xcb_get_property(c, 0, static_cast<xcb_window_t>(window.winId()), internAtom(name),
                         XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
        nullptr));
    return QByteArray(static_cast<const char*>(xcb_get_property_value(value.get())),
                      xcb_get_property_value_length(value.get()));
}

// Counts the server's notices of a new title on one window: each is a title
// bar the window manager redraws.
class TitleNotices : public QAbstractNativeEventFilter {
public:
    explicit TitleNotices(QWidget& window)
        : window_(static_cast<xcb_window_t>(window.winId())),
          names_{internAtom("WM_NAME"), internAtom("_NET_WM_NAME")},
          marker_(internAtom("KORVALIN_MARK"))
    {
        qApp->installNativeEventFilter(this);
    }
    ~TitleNotices() override { qApp->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray&, void* message, qintptr*) override
    {
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7F) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto* notice = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        if (notice->window != window_)
            return false;
        if (notice->atom == marker_)
            markerSeen_ = true;
        else if (std::ranges::find(names_, notice->atom) != names_.end())
            ++count;
        return false;
    }

    // Qt's reader thread hands events on in their own time: a property of
    // the test's own, written last, tells when every notice before it is in.
    void waitForAll()
    {
        markerSeen_ = false;
        xcb_change_property(connection(), XCB_PROP_MODE_REPLACE, window_, marker_, XCB_ATOM_STRING,
                            8, 1, "x");
        xcb_flush(connection());
        for (int wait = 0; wait < 500 && !markerSeen_; ++wait)
            QTest::qWait(10);
        ASSERT_TRUE(markerSeen_);
    }

    int count = 0;

private:
    xcb_window_t window_;
    std::array<xcb_atom_t, 2> names_;
    xcb_atom_t marker_;
    bool markerSeen_ = false;
};

// The marquee creeps by leading blanks, which window managers trim: the
// desktop is given the still title once, and nothing while the marquee
// creeps on, so no title bar is redrawn for it.
TEST(MarqueeTitleTest, TheCreepingMarqueeGivesTheDesktopNothingToRedraw)
{
    testing::FakeUi ui;
    testing::FakeClock clock;
    Game game{ui, clock};
    game.tileSheet = TileSheet(Bitmap(TileSheet::SheetSize, TileSheet::SheetSize));
    TTravel travel(game, game.Travel);
    travel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&travel));
    QApplication::setActiveWindow(&travel);

    TitleNotices notices(travel);
    std::string caption = game.Travel.Caption;
    int moves = 0;
    for (int wait = 0; wait < 500 && moves < 30; ++wait) {
        QTest::qWait(5);
        if (game.Travel.Caption != caption) {
            caption = game.Travel.Caption;
            ++moves;
        }
    }
    ASSERT_EQ(moves, 30);
    notices.waitForAll();

    EXPECT_EQ(notices.count, 0);
    EXPECT_EQ(property(travel, "_NET_WM_NAME"), QByteArray("Korvalin ver 2.6"));
    EXPECT_EQ(property(travel, "WM_NAME"), QByteArray("Korvalin ver 2.6"));
}

}  // namespace
}  // namespace korvalin

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
