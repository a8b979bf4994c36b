#pragma once

#include <QProxyStyle>

namespace korvalin {

// The look of the platform, with two changes for the main window's menu bar,
// which holds one empty item:
// - a lone Alt does not hand it the keyboard, or the next Esc or Tab would go
//   to it instead of being a hitchhiking gesture;
// - its overflow button, which never shows, has no picture. Qt reads its own
//   from an image file, and finding the reader for that file loads every
//   image-format plugin on the system while the game starts.
class GameStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;
};

}  // namespace korvalin
