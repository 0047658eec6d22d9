#include "shop/user_chips.h"

#include "common/ini_file.h"
#include "shop/number_text.h"

#include <QFile>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace qv::shop {
namespace {

const QString kSection = u"user"_s;
const QString kCount = u"num"_s;

QString userKey(int i) {
    return u"username"_s + QString::number(i);
}

QString chipKey(int i) {
    return u"chip"_s + QString::number(i);
}

classIniFile openIni(const QString& path) {
    classIniFile ini;
    ini.setINIFileName(path);
    return ini;
}

/// The entries the file holds: its `num`, but no further than its names go, since entries are
/// only ever added after the last one. A `num` that is no number counts as none.
int entryCount(const classIniFile& ini) {
    const double num = std::floor(LeadingNumber(ini.GetIniKey(kSection, kCount)));
    int present = 0;
    while (present < num && !ini.GetIniKey(kSection, userKey(present + 1)).isEmpty()) {
        ++present;
    }
    return present;
}

int findEntry(const classIniFile& ini, int count, const QString& name) {
    for (int i = 1; i <= count; ++i) {
        if (ini.GetIniKey(kSection, userKey(i)) == name) {
            return i;
        }
    }
    return 0;
}

bool storable(const QString& name) {
    return !name.contains(u'\r') && !name.contains(u'\n') && !name.startsWith(u'[');
}

} // namespace

std::int32_t LoadUserChip(const QString& iniPath, const QString& name) {
    if (!QFile::exists(iniPath)) {
        return 1;
    }
    const classIniFile ini = openIni(iniPath);
    const int entry = findEntry(ini, entryCount(ini), name);
    if (entry == 0) {
        return 1;
    }
    const double value = LeadingNumber(ini.GetIniKey(kSection, chipKey(entry)));
    const bool usable = value >= 1 && value <= std::numeric_limits<std::int32_t>::max();
    return usable ? static_cast<std::int32_t>(value) : 1;
}

void SaveUserChip(const QString& iniPath, const QString& name, std::int32_t value) {
    if (!storable(name)) {
        return;
    }
    const classIniFile ini = openIni(iniPath);
    const int count = entryCount(ini);
    const int entry = findEntry(ini, count, name);
    if (entry != 0) {
        ini.WriteIniKey(kSection, chipKey(entry), QString::number(value));
        return;
    }
    ini.WriteIniKey(kSection, kCount, QString::number(count + 1));
    ini.WriteIniKey(kSection, userKey(count + 1), name);
    ini.WriteIniKey(kSection, chipKey(count + 1), QString::number(value));
}

} // namespace qv::shop
