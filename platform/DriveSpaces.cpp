#include "platform/DriveSpaces.h"
#include <future>
#include <system_error>
#include <vector>

namespace vok {

QList<DriveSpace> spacesAtOnce(DriveTable& table, const QList<QChar>& letters) {
    std::vector<std::future<DriveSpace>> asked;
    asked.reserve(size_t(letters.size()));
    for (QChar letter : letters) {
        try {
            asked.push_back(
                std::async(std::launch::async, [&table, letter] { return table.space(letter); }));
        } catch (const std::system_error&) {
            // No thread to be had: ask here, still within the query's own limit.
            std::promise<DriveSpace> answered;
            answered.set_value(table.space(letter));
            asked.push_back(answered.get_future());
        }
    }
    QList<DriveSpace> result;
    result.reserve(letters.size());
    for (auto& answer : asked)
        result.append(answer.get());
    return result;
}

} // namespace vok
