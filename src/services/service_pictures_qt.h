#pragma once

#include <QWidget>

namespace korvalin {

// The small pictures of the service windows, drawn by the game itself.
enum class ServicePicture { Work, Shop, Pawn, Telegram };

class PictureBox : public QWidget {
public:
    PictureBox(ServicePicture picture, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ServicePicture picture_;
};

}  // namespace korvalin
