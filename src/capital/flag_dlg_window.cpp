#include "capital/flag_dlg_window.h"

#include <QLabel>

#include "app/text_qt.h"
#include "capital/country_table.h"

// The pictures sit in the GUI library, whose resource object the linker leaves
// out unless something asks for it; Qt's macro must be used outside namespaces.
static void loadFlagResources()
{
    Q_INIT_RESOURCE(flags);
}

namespace korvalin {

namespace {

// "JP_F" is the picture JP.png among the flag resources.
QString flagResource(std::string_view name)
{
    constexpr std::string_view suffix = "_F";
    name.remove_suffix(suffix.size());
    return QStringLiteral(":/flags/%1.png").arg(qtext(name));
}

}  // namespace

TFlagDlg::TFlagDlg(Game& game) : GameDialog(game, WindowId::FlagDlg)
{
    loadFlagResources();
    setFixedSize(200, 100);
    for (const CountryRow& country : CountryTable) {
        if (country.flag.empty())
            continue;
        auto* image = new QLabel(this);
        image->setObjectName(qtext(country.flag));
        image->setPixmap(QPixmap(flagResource(country.flag)));
    }
}

QPixmap TFlagDlg::flag(std::string_view name) const
{
    // The UK has no picture; and to Qt a null name would match any image.
    if (name.empty())
        return {};
    const auto* image = findChild<QLabel*>(qtext(name), Qt::FindDirectChildrenOnly);
    return image ? image->pixmap() : QPixmap();
}

}  // namespace korvalin
