#include "Internal.h"

#include <objbase.h>
#include <shobjidl.h>

#include <memory>

namespace kiv::kbd {

namespace {

struct ReleaseComObject {
    void operator()(IUnknown* object) const noexcept { object->Release(); }
};
template <typename T> using ComPtr = std::unique_ptr<T, ReleaseComObject>;

// Before it runs AutoPlay the shell looks in the running object table for an
// object under the class moniker of CLSID_QueryCancelAutoPlay and asks it.
// Ours always declines. It lives as long as the DLL (which is pinned once the
// object is registered), so it needs no reference count.
class AutoPlayCanceller final : public IQueryCancelAutoPlay {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) noexcept override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IQueryCancelAutoPlay)) {
            *object = static_cast<IQueryCancelAutoPlay*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() noexcept override { return 2; }
    ULONG STDMETHODCALLTYPE Release() noexcept override { return 1; }
    HRESULT STDMETHODCALLTYPE AllowAutoPlay(LPCWSTR, DWORD, LPCWSTR, DWORD) noexcept override {
        return S_FALSE; // S_FALSE cancels AutoPlay
    }
};

AutoPlayCanceller gCanceller;

// No destructor on purpose: at process exit COM may already be gone, and the
// table drops a dead process's entries by itself.
struct Registration {
    bool registered = false;
    bool comStartedHere = false;
    DWORD cookie = 0;
};
Registration gRegistration;

ComPtr<IRunningObjectTable> RunningObjectTable() noexcept {
    IRunningObjectTable* table = nullptr;
    if (FAILED(GetRunningObjectTable(0, &table))) {
        return nullptr;
    }
    return ComPtr<IRunningObjectTable>(table);
}

} // namespace

bool RegisterAutoPlayCanceller() noexcept {
    if (gRegistration.registered) {
        return true;
    }
    // Incoming calls are served by the caller's message loop (an STA); a
    // thread already in the MTA serves them from the RPC pool just as well.
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(init) && init != RPC_E_CHANGED_MODE) {
        return false;
    }
    const bool comStartedHere = SUCCEEDED(init);

    bool registered = false;
    DWORD cookie = 0;
    IMoniker* rawMoniker = nullptr;
    if (auto table = RunningObjectTable();
        table && SUCCEEDED(CreateClassMoniker(CLSID_QueryCancelAutoPlay, &rawMoniker))) {
        ComPtr<IMoniker> moniker(rawMoniker);
        registered = SUCCEEDED(
            table->Register(ROTFLAGS_REGISTRATIONKEEPSALIVE, &gCanceller, moniker.get(), &cookie));
    }
    if (!registered) {
        if (comStartedHere) {
            CoUninitialize();
        }
        return false;
    }
    // The table now points into this DLL: it must never be unloaded under it.
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCWSTR>(&gCanceller), &self);
    gRegistration = {true, comStartedHere, cookie};
    return true;
}

void RevokeAutoPlayCanceller() noexcept {
    if (!gRegistration.registered) {
        return;
    }
    if (auto table = RunningObjectTable()) {
        table->Revoke(gRegistration.cookie);
    }
    if (gRegistration.comStartedHere) {
        CoUninitialize();
    }
    gRegistration = {};
}

} // namespace kiv::kbd
