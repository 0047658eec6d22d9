#include "shop/user_chips.h"

#include "common/ini_file.h"
#include "common/vb_text.h"

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
int entryCount(const IniKeys& keys) {
    const double num = std::floor(leadingNumber(keys.GetIniKey(kSection, kCount)));
    int present = 0;
    while (present < num && !keys.GetIniKey(kSection, userKey(present + 1)).isEmpty()) {
        ++present;
    }
    return present;
}

int findEntry(const IniKeys& keys, const QString& name) {
    const int count = entryCount(keys);
    for (int i = 1; i <= count; ++i) {
        if (keys.GetIniKey(kSection, userKey(i)) == name) {
            return i;
        }
    }
    return 0;
}

bool storable(const QString& name) {
    return !name.isEmpty() && !name.contains(u'\r') && !name.contains(u'\n') &&
           !name.startsWith(u'[');
}

} // namespace

std::int32_t LoadUserChip(const QString& iniPath, const QString& name) {
    if (!QFile::exists(iniPath)) {
        return 1;
    }
    const IniKeys keys = openIni(iniPath).ReadIniKeys();
    const int entry = findEntry(keys, name);
    if (entry == 0) {
        return 1;
    }
    const double value = leadingNumber(keys.GetIniKey(kSection, chipKey(entry)));
    const bool usable = value >= 1 && value <= std::numeric_limits<std::int32_t>::max();
    return usable ? static_cast<std::int32_t>(value) : 1;
}

void SaveUserChip(const QString& iniPath, const QString& name, std::int32_t value) {
    if (!storable(name)) {
        return;
    }
    openIni(iniPath).ChangeIniKeys([&name, value](IniKeys& keys) {
        const int entry = findEntry(keys, name);
        if (entry != 0) {
            keys.WriteIniKey(kSection, chipKey(entry), QString::number(value));
            return;
        }
        const int count = entryCount(keys);
        keys.WriteIniKey(kSection, kCount, QString::number(count + 1));
        keys.WriteIniKey(kSection, userKey(count + 1), name);
        keys.WriteIniKey(kSection, chipKey(count + 1), QString::number(value));
    });
}

} // namespace qv::shop
