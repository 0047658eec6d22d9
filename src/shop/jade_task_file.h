#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace qv::shop {

/// One task level of `jadetask.xml`.
struct JadeLevel {
    std::uint8_t level = 0;
    std::int32_t color = 0;
    std::uint8_t mutiple = 0;
    friend bool operator==(const JadeLevel&, const JadeLevel&) = default;
};

/// One jade task of `jadetask.xml` with its prize pairs.
struct JadeTask {
    std::int32_t id = 0;
    QString des;
    QString des2;
    std::vector<std::int32_t> prizeKeys;
    std::vector<std::int32_t> prizeValues;
    std::int16_t prizeCount = 0;
    friend bool operator==(const JadeTask&, const JadeTask&) = default;
};

/// The task tables, each indexed from 1 with element 0 empty.
struct JadeTables {
    std::vector<JadeLevel> JadeLevels{1};
    std::vector<JadeTask> JadeTasks{1};
};

/// Reads the task tables from the bytes of `jadetask.xml` (GBK text): false, with both tables
/// empty, for bytes without a root element. A count is held within 0 to 1000; an entry with a
/// value beyond its field or a prize pair without ":" stays empty.
bool ReadJadeTasks(JadeTables& tables, const QByteArray& bytes);
/// `ReadJadeTasks` on the file at `path`; false, with both tables empty, when it is missing.
bool LoadJadeTaskXml(JadeTables& tables, const QString& path);

} // namespace qv::shop
