#include "widgets/fixed_texts_qt.h"

#include <QAbstractButton>
#include <QLabel>

#include "widgets/text_qt.h"

namespace korvalin {

namespace {

constexpr const char* TextKey = "korvalinText";
constexpr const char* HintKey = "korvalinHint";
constexpr const char* ResizedKey = "korvalinResized";

QByteArray key(std::string_view japanese)
{
    return {japanese.data(), static_cast<qsizetype>(japanese.size())};
}

QString translated(const QVariant& key)
{
    const QByteArray japanese = key.toByteArray();
    return qtr(std::string_view(japanese.constData(), static_cast<std::size_t>(japanese.size())));
}

void showText(QWidget* widget)
{
    const QString text = translated(widget->property(TextKey));
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
        if (label->property(ResizedKey).toBool())
            label->adjustSize();
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
    }
}

}  // namespace

void setFixedText(QLabel* label, std::string_view japanese, TextFit fit)
{
    label->setProperty(TextKey, key(japanese));
    label->setProperty(ResizedKey, fit == TextFit::Resized);
}

void setFixedText(QAbstractButton* button, std::string_view japanese)
{
    button->setProperty(TextKey, key(japanese));
}

void setFixedHint(QWidget* widget, std::string_view japanese)
{
    widget->setProperty(HintKey, key(japanese));
}

void retranslateFixedTexts(QWidget* window)
{
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->property(TextKey).isValid())
            showText(widget);
        if (widget->property(HintKey).isValid())
            widget->setToolTip(translated(widget->property(HintKey)));
    }
}

}  // namespace korvalin
