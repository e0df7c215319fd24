#pragma once
#include <windows.h>

// The platform's URL history store (CLSID_CUrlHistory). Clears it through IUrlHistoryStg2; the
// result of the clearing itself is not looked at. False when the store or its interface cannot be
// obtained. storeClass is CLSID_CUrlHistory except in tests.
bool ClearUrlHistoryStore(const CLSID& storeClass);
extern const CLSID kUrlHistoryStoreClass;
