#include "capital/flag_dlg_window.h"

#include "widgets/text_qt.h"

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
    if (!name.ends_with(suffix))
        return {};
    name.remove_suffix(suffix.size());
    return QStringLiteral(":/flags/%1.png").arg(qtext(name));
}

}  // namespace

TFlagDlg::TFlagDlg(GameCore& game) : GameDialog(game, WindowId::FlagDlg)
{
    loadFlagResources();
    setFixedSize(200, 100);
}

QPixmap TFlagDlg::flag(std::string_view name) const
{
    // The UK has no picture.
    const QString resource = flagResource(name);
    if (resource.isEmpty())
        return {};
    auto known = decoded_.constFind(resource);
    if (known == decoded_.cend())
        known = decoded_.insert(resource, QPixmap(resource));
    return *known;
}

}  // namespace korvalin
