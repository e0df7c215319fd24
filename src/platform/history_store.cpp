#include "platform/history_store.h"

#include <urlhist.h>

const CLSID kUrlHistoryStoreClass = {
    0x3c374a40, 0xbae4, 0x11cf, {0xbf, 0x7d, 0x00, 0xaa, 0x00, 0x69, 0x46, 0xee}};

namespace {
const IID kUrlHistoryStg2 = {0xafa0dc11, 0xc313, 0x11d0, {0x83, 0x1a, 0x00, 0xc0, 0x4f, 0xd5, 0xae, 0x38}};
}

HRESULT ClearUrlHistoryStore(const CLSID& storeClass) {
    IUrlHistoryStg2* store = nullptr;
    const HRESULT created = CoCreateInstance(storeClass, nullptr, CLSCTX_INPROC_SERVER, kUrlHistoryStg2,
                                             reinterpret_cast<void**>(&store));
    if (FAILED(created)) return created;
    if (!store) return E_NOINTERFACE;
    store->ClearHistory();  // Wine answers E_NOTIMPL; the index files are wiped separately
    store->Release();
    return S_OK;
}
