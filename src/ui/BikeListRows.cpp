#include "BikeListRows.h"

#include <array>
#include <string_view>

#include "lang/CaptionTable.h"

namespace tarvel::ui {

namespace {

constexpr std::array kDesigned = {
    "3 Cylinder, 1 pickup",
    "Kawasaki ZX ",
    "Kawasaki ZX9R 00",
    "Harley",
    "Honda CBR 7P",
    "Honda CBR 9P",
    "Honda Shadow",
    "Honda VFR 400",
    "Honda VFR 750",
    "Honda VT 600 Shadow",
    "Honda VT 1100",
    "Classic (1 lobe, 1 or 2 pick-up) ",
    "Classic (2 lobe per revolution, 1 or 2 pick-up)",
    "Classic (3 lobe per revolution, 1 pick-up)",
    "Classic (1 lobe per 2 rev. (CMPS), 1 or 2 pick-up)",
    "Suzuki 800",
    "Suzuki GSF 400 A",
    "Suzuki GSF 400 B",
    "Suzuki GSX",
    "Suzuki SV 650",
    "Suzuki Tci 125",
    "Suzuki VS 800,",
    "TDM 850",
    "Triumph Tigra",
    "Virago XV",
    "Yamaha 125 SR",
    "Yamaha Fz 750",
    "Yamaha R1",
    "Yamaha R6",
    "Yamaha XT600E",
    "Yamaha XVZ 1300",
    "Special setting",
};

}  // namespace

QStringList BikeListRows::designedRows()
{
    QStringList rows;
    for (const char* row : kDesigned)
        rows << QString::fromUtf8(row);
    return rows;
}

QString BikeListRows::rowText(int position, Language language)
{
    if (position < 0 || position >= static_cast<int>(kDesigned.size()))
        return {};
    for (const CaptionRow& row : captionRows())
        if (row.kind == CaptionKind::ListRow && row.target == std::string_view("ComboBoxBike") &&
            row.listRow == position)
            return QString::fromStdString(row.composed(language));
    return QString::fromUtf8(kDesigned[static_cast<std::size_t>(position)]);
}

std::string BikeListRows::bikeName(const ParamImage& image, Language language)
{
    const auto position = bikeListPosition(image[fld::bikeCode]);
    return position ? rowText(*position, language).trimmed().toStdString() : std::string();
}

}  // namespace tarvel::ui
