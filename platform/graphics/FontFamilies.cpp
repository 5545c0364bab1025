#include "platform/graphics/FontFamilies.h"

#include <QFontDatabase>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <map>
#include <mutex>
#include <string_view>

namespace plat {

namespace {

struct FamilySubstitute {
    std::string_view family;
    std::string_view installedFace;
};

// Families the program names, drawn with the installed faces closest in look and width.
constexpr std::array kSubstitutes{
    FamilySubstitute{"Tahoma", "DejaVu Sans"},
    FamilySubstitute{"Verdana", "DejaVu Sans"},
    FamilySubstitute{"Segoe UI", "DejaVu Sans"},
    FamilySubstitute{"MS Shell Dlg", "DejaVu Sans"},
    FamilySubstitute{"MS Shell Dlg 2", "DejaVu Sans"},
    FamilySubstitute{"Small Fonts", "DejaVu Sans Condensed"},
    FamilySubstitute{"Arial", "Liberation Sans"},
    FamilySubstitute{"MS Sans Serif", "Liberation Sans"},
    FamilySubstitute{"Microsoft Sans Serif", "Liberation Sans"},
    FamilySubstitute{"Courier New", "Liberation Mono"},
    FamilySubstitute{"Courier", "Liberation Mono"},
    FamilySubstitute{"Lucida Console", "DejaVu Sans Mono"},
    FamilySubstitute{"Times New Roman", "Liberation Serif"},
};

constexpr std::string_view kProportionalFallback = "DejaVu Sans";
constexpr std::string_view kFixedFallback = "Liberation Mono";

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool InstalledIgnoringCase(const QString& family)
{
    // Every text call resolves its family, so answers are kept; the font database is not safe
    // to query from several threads at once.
    static std::mutex mutex;
    static std::map<QString, bool> known;
    const QString key = family.toCaseFolded();
    const std::lock_guard lock(mutex);
    if (const auto found = known.find(key); found != known.end())
        return found->second;
    bool installed = false;
    for (const QString& name : QFontDatabase::families())
        installed = installed || name.toCaseFolded() == key;
    known.emplace(key, installed);
    return installed;
}

const FamilySubstitute* SubstituteOf(const QString& name)
{
    for (const FamilySubstitute& s : kSubstitutes)
        if (name.compare(FromUtf8(s.family), Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

}  // namespace

std::string ResolveFontFamily(const std::string& family, TFontPitch pitch)
{
    const QString name = FromUtf8(family);
    if (const FamilySubstitute* substitute = SubstituteOf(name))
        return std::string(substitute->installedFace);
    if (!family.empty() && InstalledIgnoringCase(name))
        return family;
    return std::string(pitch == fpFixed ? kFixedFallback : kProportionalFallback);
}

bool IsFontFamilyInstalled(const std::string& family)
{
    return !family.empty() && InstalledIgnoringCase(FromUtf8(family));
}

bool IsFontFamilyAvailable(const std::string& family)
{
    return SubstituteOf(FromUtf8(family)) != nullptr || IsFontFamilyInstalled(family);
}

std::vector<std::string> AvailableFontFamilies()
{
    QStringList names = QFontDatabase::families();
    for (const FamilySubstitute& s : kSubstitutes)
        names.append(FromUtf8(s.family));
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    const auto same = [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; };
    names.erase(std::unique(names.begin(), names.end(), same), names.end());
    std::vector<std::string> families;
    families.reserve(static_cast<std::size_t>(names.size()));
    for (const QString& name : names)
        families.push_back(name.toStdString());
    return families;
}

bool IsTrueTypeFontFamily(const std::string& family)
{
    return QFontDatabase::isScalable(FromUtf8(ResolveFontFamily(family)));
}

}  // namespace plat
