#include "services/notice_layout_qt.h"

#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/fixed_texts_qt.h"

namespace korvalin {

void layOutNotice(QWidget* window, std::initializer_list<std::string_view> lines,
                  std::string_view okCaption, std::function<void()> okClicked)
{
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(24, 18, 24, 14);
    layout->setSpacing(6);
    for (std::string_view line : lines) {
        auto* label = new QLabel(window);
        setFixedText(label, line);
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    layout->addSpacing(8);
    auto* ok = new QPushButton(window);
    setFixedText(ok, okCaption);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    ok->setMinimumWidth(75);
    QObject::connect(ok, &QPushButton::clicked, window, std::move(okClicked));
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace korvalin
