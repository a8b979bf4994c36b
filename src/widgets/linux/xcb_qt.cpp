#include "widgets/linux/xcb_qt.h"

#include <QGuiApplication>

namespace korvalin {

xcb_connection_t* xcbConnection()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

}  // namespace korvalin
