#include "ui/faces.h"

#include <QFontDatabase>

#include <initializer_list>

namespace ui {
namespace {

// The free faces installed with the program on Linux (fonts-arphic-uming,
// fonts-arphic-ukai), whose metrics match the design's; Wine sees them too.
constexpr char kFreeSong[] = "AR PL UMing CN";
constexpr char kFreeKai[] = "AR PL UKai CN";

#ifdef _WIN32
// The first of the families that is installed, or the first when none is.
QString firstInstalled(std::initializer_list<const char*> families) {
    for (const char* f : families)
        if (QFontDatabase::hasFamily(QString::fromLatin1(f))) return QString::fromLatin1(f);
    return QString::fromLatin1(*families.begin());
}
#endif

}  // namespace

// Windows has the design's own 宋体 (SimSun). 华文行楷 (STXingkai) comes
// with Microsoft Office, not with Windows: where it is missing, 楷体 (KaiTi),
// which every Chinese Windows has.
QString songFamily() {
#ifdef _WIN32
    static const QString family = firstInstalled({"SimSun", kFreeSong});
    return family;
#else
    return QString::fromLatin1(kFreeSong);
#endif
}

QString kaiFamily() {
#ifdef _WIN32
    static const QString family = firstInstalled({"STXingkai", "KaiTi", kFreeKai});
    return family;
#else
    return QString::fromLatin1(kFreeKai);
#endif
}

}  // namespace ui
