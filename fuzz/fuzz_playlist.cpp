#include "FuzzReporter.h"
#include "store/PlayList.h"

#include <cstdlib>

// Loads any bytes as a play list file, saves the result and loads that again.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kiv::fuzz::SilentReporter reporter;
    kiv::CPlayList list(reporter);
    list.LoadFromText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (list.Count() > 0) {
        list.Item(1)->LogicalDelete = true;
        list.LocatePlayListItem(list.Item(list.Count())->Volume, list.Item(list.Count())->SerNo);
    }
    int32_t kept = list.Count() > 0 ? list.Count() - 1 : 0;
    list.LoadFromText(list.FileText());
    if (reporter.count == 0 && list.Count() < kept) {
        std::abort();
    }
    return 0;
}
