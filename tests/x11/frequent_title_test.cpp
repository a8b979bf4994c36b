// The marquee's title on a real X server (the test runs under xvfb-run).
#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include "widgets/frequent_title_qt.h"
#include "widgets/xcb_qt.h"

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

// A round trip: everything sent before it has been handled by the server,
// and every event it caused is on its way.
void settle()
{
    std::free(xcb_get_input_focus_reply(connection(), xcb_get_input_focus(connection()), nullptr));
    QApplication::processEvents();
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

std::uint32_t eventMask(QWidget& window)
{
    auto* c = connection();
    const Reply<xcb_get_window_attributes_reply_t> reply(xcb_get_window_attributes_reply(
        c, xcb_get_window_attributes(c, static_cast<xcb_window_t>(window.winId())), nullptr));
    return reply->your_event_mask;
}

// Counts the property notices the server sends about one window.
class PropertyNotices : public QAbstractNativeEventFilter {
public:
    explicit PropertyNotices(QWidget& window)
        : window_(static_cast<xcb_window_t>(window.winId())), marker_(internAtom("KORVALIN_MARK"))
    {
        qApp->installNativeEventFilter(this);
    }
    ~PropertyNotices() override { qApp->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray&, void* message, qintptr*) override
    {
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7F) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto* notice = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        if (notice->window == window_)
            notice->atom == marker_ ? void(markerSeen_ = true) : void(++count);
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
    xcb_atom_t marker_;
    bool markerSeen_ = false;
};

class FrequentTitleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(200, 100);
        window.setWindowTitle(QStringLiteral("Korvalin ver 2.6"));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        settle();
    }

    QWidget window;
    FrequentTitle title{&window};
};

TEST_F(FrequentTitleTest, TheMarqueeReachesBothNamesWithoutWakingTheGame)
{
    const std::uint32_t maskBefore = eventMask(window);
    PropertyNotices notices(window);
    QString caption = QStringLiteral("Korvalin ver 2.6");
    for (int tick = 0; tick < 20; ++tick) {
        caption.prepend(u' ');
        title.show(caption);
    }
    notices.waitForAll();

    EXPECT_EQ(property(window, "_NET_WM_NAME"), caption.toUtf8());
    EXPECT_EQ(property(window, "WM_NAME"), caption.toLatin1());
    EXPECT_EQ(notices.count, 0);
    EXPECT_EQ(eventMask(window), maskBefore) << "Qt's choice of events was not given back";

    // The count is real: a title written by Qt is echoed.
    window.setWindowTitle(QStringLiteral("echoed"));
    notices.waitForAll();
    EXPECT_GT(notices.count, 0);
}

TEST_F(FrequentTitleTest, ATitleBeyondLatin1IsLeftToQt)
{
    title.show(QStringLiteral("韓国"));
    settle();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("韓国"));
    EXPECT_EQ(property(window, "_NET_WM_NAME"), QStringLiteral("韓国").toUtf8());
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
