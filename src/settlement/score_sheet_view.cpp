#include "settlement/score_sheet_view.h"

#include "common/picture_resources.h"
#include "common/picture_tables.h"

namespace qv::settlement {
namespace {

constexpr std::size_t kColumns = 4;

} // namespace

void ShowHeadPicture(Image& tou, const QString& face, const common::ImageResource& imageRes) {
    bool ok = false;
    const int number = face.toInt(&ok);
    if (!ok || number < 0 || number >= kHeadPictures) {
        return;
    }
    const QString& id = imageRes.HeadRes.at(static_cast<std::size_t>(number));
    if (common::LoadGifRes(static_cast<std::int16_t>(id.toInt()), u"GIF"_s, tou) != 0) {
        tou.setTag(face);
    }
}

void WriteSheet(Score& score, const Sheet& sheet) {
    for (std::size_t j = 0; j < sheet.lists.size(); ++j) {
        ListBox& list = score.State(static_cast<int>(j));
        for (const QString& line : sheet.lists.at(j)) {
            list.addItem(line);
        }
    }
    for (std::size_t i = 0; i < kColumns; ++i) {
        if (const auto colour = sheet.nameColours.at(i)) {
            score.ID(static_cast<int>(i)).setForeColor(*colour);
        }
        score.State(static_cast<int>(i)).setForeColor(sheet.listColours.at(i));
    }
}

ScoreSheet ReadScoreWindow(const Score& score) {
    ScoreSheet sheet;
    for (std::size_t i = 0; i < kColumns; ++i) {
        const int seat = static_cast<int>(i);
        sheet.names.at(i) = score.ID(seat).caption();
        sheet.pictures.at(i) = score.Tou(seat).tag();
        sheet.nameColours.at(i) = score.ID(seat).foreColor();
    }
    for (std::size_t j = 0; j < sheet.lists.size(); ++j) {
        const ListBox& list = score.State(static_cast<int>(j));
        sheet.lists.at(j) = list.items();
        sheet.listColours.at(j) = list.foreColor();
    }
    return sheet;
}

void ShowStoredSheet(Score& score, const classIniFile& ini, int juNum,
                     const common::ImageResource& imageRes) {
    if (juNum == 0) {
        return;
    }
    const ScoreSheet shown = ReadScoreWindow(score);
    ScoreSheet stored = shown;
    stored.pictures.fill(QString());
    LoadScoreSheet(ini, juNum, stored);
    for (std::size_t i = 0; i < kColumns; ++i) {
        const int seat = static_cast<int>(i);
        score.ID(seat).setCaption(stored.names.at(i));
        score.ID(seat).setForeColor(stored.nameColours.at(i));
        if (!stored.pictures.at(i).isEmpty()) {
            ShowHeadPicture(score.Tou(seat), stored.pictures.at(i), imageRes);
        }
    }
    for (std::size_t j = 0; j < stored.lists.size(); ++j) {
        ListBox& list = score.State(static_cast<int>(j));
        if (stored.lists.at(j) != shown.lists.at(j)) {
            list.clear();
            for (const QString& line : stored.lists.at(j)) {
                list.addItem(line);
            }
        }
        list.setForeColor(stored.listColours.at(j));
    }
}

} // namespace qv::settlement
