#include "settlement/score_sheet_file.h"

using namespace Qt::StringLiterals;

namespace qv::settlement {
namespace {

constexpr forms::OleColor kLargestColour = 0xFFFFFF;
/// Files written before the names' colours had keys of their own hold the colours of lists 0 to
/// 2 under these keys, and the name colour of seat 3 under the key of list 3.
constexpr int kOldListColours = 3;

QString section(int juNum) {
    return u"juNum:"_s + QString::number(juNum);
}

QString nameKey(int i) {
    return u"name( "_s + QString::number(i) + u" )"_s;
}

QString pictureKey(int i) {
    return u"PicIndex( "_s + QString::number(i) + u" )"_s;
}

QString countKey(int j) {
    return u"count( "_s + QString::number(j) + u" )"_s;
}

QString lineKey(int j, int k) {
    return countKey(j) + u"( "_s + QString::number(k) + u" )"_s;
}

QString colourKey(const QString& of) {
    return of + u" ForeColor"_s;
}

/// A whole number within `low` to `high`; nothing for anything else.
std::optional<qint64> numberIn(const QString& text, qint64 low, qint64 high) {
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

/// The lists up to the first whose count is missing or damaged; false when one was.
bool loadLists(const IniKeys& ini, const QString& sec, ScoreSheet& sheet) {
    for (int j = 0; j < static_cast<int>(sheet.lists.size()); ++j) {
        const auto count = numberIn(ini.GetIniKey(sec, countKey(j)), 0, kMostSheetLines);
        if (!count) {
            return false;
        }
        QStringList lines;
        for (int k = 0; k < *count; ++k) {
            lines.append(storedLine(ini.GetIniKey(sec, lineKey(j, k))));
        }
        sheet.lists.at(static_cast<std::size_t>(j)) = lines;
    }
    return true;
}

void loadColours(const IniKeys& ini, const QString& sec, ScoreSheet& sheet) {
    const auto colourAt = [&](const QString& key) {
        return numberIn(ini.GetIniKey(sec, colourKey(key)), 0, kLargestColour);
    };
    const bool ownNameKeys = !ini.GetIniKey(sec, colourKey(nameKey(0))).isEmpty();
    for (int i = 0; i < static_cast<int>(sheet.nameColours.size()); ++i) {
        const auto flag = colourAt(ownNameKeys ? nameKey(i) : countKey(i));
        sheet.nameColours.at(static_cast<std::size_t>(i)) = flag == 1 ? kNameBlue : 0;
    }
    const int lists = ownNameKeys ? static_cast<int>(sheet.listColours.size()) : kOldListColours;
    for (int l = 0; l < lists; ++l) {
        if (const auto colour = colourAt(countKey(l))) {
            sheet.listColours.at(static_cast<std::size_t>(l)) =
                static_cast<forms::OleColor>(*colour);
        }
    }
}

} // namespace

QString storedLine(const QString& value) {
    const QString line = value.trimmed();
    return line.isEmpty() ? u" "_s : line;
}

void SaveScoreSheet(const classIniFile& file, int juNum, const ScoreSheet& sheet) {
    file.ChangeIniKeys([&](IniKeys& ini) {
        const QString sec = section(juNum);
        for (int i = 0; i < 4; ++i) {
            const auto seat = static_cast<std::size_t>(i);
            ini.WriteIniKey(sec, nameKey(i), sheet.names.at(seat));
            ini.WriteIniKey(sec, pictureKey(i), sheet.pictures.at(seat));
        }
        for (int j = 0; j < static_cast<int>(sheet.lists.size()); ++j) {
            const QStringList& lines = sheet.lists.at(static_cast<std::size_t>(j));
            ini.WriteIniKey(sec, countKey(j), QString::number(lines.size()));
            for (int k = 0; k < static_cast<int>(lines.size()); ++k) {
                ini.WriteIniKey(sec, lineKey(j, k), lines.at(k));
            }
        }
        for (int i = 0; i < 4; ++i) {
            ini.WriteIniKey(
                sec, colourKey(nameKey(i)),
                sheet.nameColours.at(static_cast<std::size_t>(i)) == kNameBlue ? u"1"_s : u"0"_s);
        }
        for (int l = 0; l < static_cast<int>(sheet.listColours.size()); ++l) {
            ini.WriteIniKey(sec, colourKey(countKey(l)),
                            QString::number(sheet.listColours.at(static_cast<std::size_t>(l))));
        }
    });
}

void LoadScoreSheet(const classIniFile& file, int juNum, ScoreSheet& sheet) {
    if (juNum == 0) {
        return;
    }
    const IniKeys ini = file.ReadIniKeys();
    const QString sec = section(juNum);
    for (int i = 0; i < 4; ++i) {
        const auto seat = static_cast<std::size_t>(i);
        sheet.names.at(seat) = ini.GetIniKey(sec, nameKey(i));
        const QString picture = ini.GetIniKey(sec, pictureKey(i));
        if (numberIn(picture, 0, kHeadPictures - 1)) {
            sheet.pictures.at(seat) = picture;
        }
    }
    if (loadLists(ini, sec, sheet)) {
        loadColours(ini, sec, sheet);
    }
}

} // namespace qv::settlement
