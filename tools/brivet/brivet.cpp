// The item plug-in's library for tests and for a person to see: every object records its calls
// into "brivet.log" beside the library and answers as "brivet.script" beside it says, followed by
// any script text handed to ostrel_brivet_script. Script lines:
//   initdll 0|1             what Initdll answers (1)
//   chests 0|1              what GetBaoInfo answers (0); the chest layout is drawn here
//   userinfo 0|1            what SetUserinfo answers (1)
//   score N...              what GetScoreInfo answers, in turn, the last repeating (1)
//   seat S GOLD NAME ITEMS  screen seat S's result; "-" an empty text, "_" a blank
//   anim MS STEPS           the opening show's interval and steps (100 10)
//   action ACTION           an action queued at once; ACTION is "frame C [FILL]" (a message
//                           of command C), "tip TEXT W H L T MS TICKS SIZE COLOUR ALIGN", or
//                           "TYPE TEXT"
//   on C ACTION             an action queued when a message of command C is handed over
//   throw METHOD            METHOD throws, against the contract
//   version N               the only interface version the factory accepts

#include "platform/fake/recording_plugin.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include <dlfcn.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

using qv::platform::ChestLayout;
using qv::platform::ItemPlugin;
using qv::platform::fake::RecordingPlugin;

/// Script text handed over by the program that loaded the library.
std::string& handedScript() {
    static std::string text;
    return text;
}

std::filesystem::path libraryFolder() {
    Dl_info info{};
    dladdr(reinterpret_cast<void*>(&libraryFolder), &info);
    return std::filesystem::path(info.dli_fname != nullptr ? info.dli_fname : "").parent_path();
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::uint8_t> png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return {bytes.begin(), bytes.end()};
}

QImage chest(int width, int height, bool open) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(QColor(60, 30, 10));
    painter.setBrush(QColor(150, 80, 30));
    const int lid = height / 3;
    painter.drawRect(0, lid, width - 1, height - lid - 1);
    if (open) {
        painter.setBrush(QColor(250, 210, 40));
        painter.drawEllipse(width / 5, lid - height / 6, width * 3 / 5, height / 3);
        painter.setBrush(QColor(120, 60, 20));
        painter.drawRect(0, 0, width - 1, lid / 2);
    } else {
        painter.setBrush(QColor(120, 60, 20));
        painter.drawRect(0, 0, width - 1, lid);
        painter.setBrush(QColor(250, 210, 40));
        painter.drawRect(width / 2 - 5, lid - 6, 10, 12);
    }
    return image;
}

/// Three rows of five chests across the middle of the table, the open chests ending at the seats.
ChestLayout drawnLayout() {
    constexpr int kClosedWidth = 80;
    constexpr int kClosedHeight = 60;
    constexpr int kOpenWidth = 100;
    constexpr int kOpenHeight = 80;
    ChestLayout layout;
    for (std::size_t i = 0; i < layout.Prop_BaoPos.size(); ++i) {
        layout.Prop_BaoPos.at(i) = {static_cast<std::int32_t>(262 + 100 * (i % 5)),
                                    static_cast<std::int32_t>(260 + 75 * (i / 5))};
    }
    layout.Prop_BaoCentre = {512, 384};
    layout.Prop_BaoSeatDest = {462, 820, 462, 110, 560, 300, 110, 300};
    layout.Prop_BaoLabelAt = {512, 180};
    layout.Prop_BaoAnim = {100, 10};
    layout.Prop_BaoClosedSize = {kClosedWidth, kClosedHeight};
    layout.Prop_BaoPicClosed = png(chest(kClosedWidth, kClosedHeight, false));
    layout.Prop_BaoOpenSize = {kOpenWidth, kOpenHeight};
    layout.Prop_BaoPicOpen = png(chest(kOpenWidth, kOpenHeight, true));
    return layout;
}

/// The version a "version N" line asks for, or this program's.
int acceptedVersion(const std::string& script) {
    std::istringstream lines(script);
    std::string line;
    int version = qv::platform::kItemPluginVersion;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string word;
        words >> word;
        if (word == "version") {
            words >> version;
        }
    }
    return version;
}

} // namespace

extern "C" {

__attribute__((visibility("default"))) ItemPlugin* ostrel_brivet_create(int version) {
    const std::filesystem::path folder = libraryFolder();
    const std::string script = readFile(folder / "brivet.script") + '\n' + handedScript();
    if (version != acceptedVersion(script)) {
        return nullptr;
    }
    auto* plugin = new RecordingPlugin;
    qv::platform::fake::PluginScript start;
    start.layout = drawnLayout();
    plugin->script = qv::platform::fake::ReadPluginScript(script, start);
    plugin->log = [path = folder / "brivet.log"](const std::string& line) {
        std::ofstream out(path, std::ios::app);
        // A message goes in as its command only.
        out << (line.starts_with("Rec_MSG ") ? line.substr(0, line.find(' ', 8)) : line) << '\n';
    };
    return plugin;
}

__attribute__((visibility("default"))) void ostrel_brivet_destroy(ItemPlugin* object) {
    delete object;
}

/// Script text for the objects made from now on, after the file's.
__attribute__((visibility("default"))) void ostrel_brivet_script(const char* text) {
    handedScript() = text != nullptr ? text : "";
}
}
