#include "Targets.h"

#include "components/net/DriveOffsets.h"

namespace fuzz_targets {

void driveOffsetList(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const net::DriveOffsetList list = net::parseDriveOffsets(bytes);
    require(list.error.isEmpty() || list.entries.empty(), "a damaged list with entries");
    require(!list.error.isEmpty() || size % net::kDriveOffsetRecord == 0, "a list of part of a record taken");
    require(list.entries.size() <= size / net::kDriveOffsetRecord, "more entries than records");
    for (const net::DriveOffsetEntry& entry : list.entries) {
        require(!entry.name.isEmpty() && entry.name.size() <= 32, "a name empty or longer than its field");
        require(entry.name == entry.name.simplified(), "a name with its padding kept");
        require(entry.offset >= -32768 && entry.offset <= 32767, "an offset beyond 16 bits");
        require(entry.submissions >= 0 && entry.submissions <= 255, "a count beyond its byte");
        require(net::listedOffset(list, entry.name).has_value(), "a listed drive not found by its own name");
    }
    // What is written back reads the same.
    if (list.error.isEmpty() && !list.entries.empty()) {
        const net::DriveOffsetList again = net::parseDriveOffsets(net::driveOffsetBytes(list.entries));
        require(again.error.isEmpty() && again.entries.size() == list.entries.size(), "a list written back lost entries");
        for (std::size_t i = 0; i < again.entries.size(); ++i)
            require(again.entries[i].name == list.entries[i].name && again.entries[i].offset == list.entries[i].offset &&
                        again.entries[i].submissions == list.entries[i].submissions,
                    "an entry written back reads differently");
    }
    require(!net::listedOffset(list, QString()).has_value(), "an offset for no drive");
}

}  // namespace fuzz_targets
