#include "FuzzReporter.h"
#include "store/PlayList.h"

#include <cstdlib>
#include <vector>

// Loads any bytes as a play list file, saves the result and loads that again;
// then saves the entries read, their texts made storable, and checks that
// every one of them loads back field by field.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kiv::fuzz::SilentReporter reporter;
    kiv::CPlayList list(reporter);
    list.LoadFromText(std::string_view(reinterpret_cast<const char*>(data), size));

    std::vector<kiv::CPlayListItem> storable;
    kiv::CPlayList roundTrip(reporter);
    for (const auto& item : list) {
        kiv::CPlayListItem entry;
        entry.Title = kiv::fuzz::Storable(item->Title);
        entry.Setting = kiv::fuzz::Storable(item->Setting);
        entry.Volume = kiv::fuzz::Storable(item->Volume);
        entry.SerNo = kiv::fuzz::Storable(item->SerNo);
        storable.push_back(entry);
        roundTrip.Add(entry.Title, entry.Setting, entry.Volume, entry.SerNo);
    }

    if (list.Count() > 0) {
        list.Item(1)->LogicalDelete = true;
        list.LocatePlayListItem(list.Item(list.Count())->Volume, list.Item(list.Count())->SerNo);
    }
    int32_t kept = list.Count() > 0 ? list.Count() - 1 : 0;
    list.LoadFromText(list.FileText());
    if (reporter.count == 0 && list.Count() < kept) {
        std::abort();
    }

    const size_t messages = reporter.count;
    roundTrip.LoadFromText(roundTrip.FileText());
    if (reporter.count != messages || roundTrip.Count() != static_cast<int32_t>(storable.size())) {
        std::abort();
    }
    for (size_t i = 0; i < storable.size(); ++i) {
        const kiv::CPlayListItem& read = *roundTrip.Item(static_cast<int32_t>(i + 1));
        if (read.Title != storable[i].Title || read.Setting != storable[i].Setting ||
            read.Volume != storable[i].Volume || read.SerNo != storable[i].SerNo) {
            std::abort();
        }
    }
    return 0;
}
