#pragma once
#include <windows.h>

// The platform's URL history store (CLSID_CUrlHistory). Clears it through IUrlHistoryStg2; the
// result of the clearing itself is not looked at. The error when the store or its interface cannot
// be obtained, else S_OK. storeClass is CLSID_CUrlHistory except in tests.
HRESULT ClearUrlHistoryStore(const CLSID& storeClass);
extern const CLSID kUrlHistoryStoreClass;
