#include "usecolors_p.h"

namespace Plan {

namespace {

struct UseColor
{
    const char* use;
    const char* color;
};

// One fixed colour per stored use key, so that a plan reads the same in
// every job. The services get clearly different hues; the wall plates share
// one (they say how many jacks, not what they carry), and a cable box is
// drawn like a TV outlet.
const UseColor UseColors[] = {
    {"Network", "#1f77b4"},      {"TV", "#8c564b"},          {"Phone", "#2ca02c"},
    {"CCTV", "#d62728"},         {"Intercom", "#9467bd"},    {"Speaker", "#e377c2"},
    {"Control", "#7f7f7f"},      {"Security", "#bcbd22"},    {"Fire", "#ff7f0e"},
    {"PatchPanel", "#17becf"},   {"NA", "#c7c7c7"},          {"Satellite", "#aec7e8"},
    {"1Wall", "#5254a3"},        {"2Wall", "#5254a3"},       {"3Wall", "#5254a3"},
    {"4Wall", "#5254a3"},        {"6Wall", "#5254a3"},       {"custom_port", "#637939"},
    {"vertical_run", "#e7ba52"}, {"comm_center", "#843c39"}, {"cable_box", "#8c564b"},
};

} // namespace

QString useColor(const QString& use)
{
    for (const UseColor& u : UseColors) {
        if (use == QLatin1String(u.use))
            return QLatin1String(u.color);
    }
    return QStringLiteral("#ffffff");
}

QStringList useKeys()
{
    QStringList keys;
    for (const UseColor& u : UseColors)
        keys.append(QLatin1String(u.use));
    return keys;
}

} // namespace Plan
