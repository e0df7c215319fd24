// A throw-away probe, not shipped and not one of `make bench`'s figures: what Wine's IFileOperation does
// with a Recycle Bin deletion of single files, against one SHFileOperationW over a like list.
// tools/fileoperation.sh makes C:\probe\shell\ and C:\probe\ifo\ with the same files and runs this.
//
// usage: fileoperation_probe
#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "platform/file_tree.h"
#include "platform/shell.h"

namespace {
std::vector<std::wstring> Files(const std::wstring& folder) {
    std::vector<std::wstring> files;
    ForEachFolderEntry(folder, [&](const WIN32_FIND_DATAW& e) {
        if (!(e.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) files.push_back(folder + e.cFileName);
    });
    return files;
}

// Counts what the shell tells a progress sink.
class Sink : public IFileOperationProgressSink {
  public:
    int starts = 0, preDeletes = 0, postDeletes = 0, updates = 0, finishes = 0;
    HRESULT lastDelete = S_OK;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (riid == IID_IUnknown || riid == IID_IFileOperationProgressSink) {
            *out = this;
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE StartOperations() override { return ++starts, S_OK; }
    HRESULT STDMETHODCALLTYPE FinishOperations(HRESULT) override { return ++finishes, S_OK; }
    HRESULT STDMETHODCALLTYPE PreRenameItem(DWORD, IShellItem*, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PostRenameItem(DWORD, IShellItem*, LPCWSTR, HRESULT, IShellItem*) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE PreMoveItem(DWORD, IShellItem*, IShellItem*, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PostMoveItem(DWORD, IShellItem*, IShellItem*, LPCWSTR, HRESULT,
                                           IShellItem*) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE PreCopyItem(DWORD, IShellItem*, IShellItem*, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PostCopyItem(DWORD, IShellItem*, IShellItem*, LPCWSTR, HRESULT,
                                           IShellItem*) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE PreDeleteItem(DWORD, IShellItem*) override { return ++preDeletes, S_OK; }
    HRESULT STDMETHODCALLTYPE PostDeleteItem(DWORD, IShellItem*, HRESULT result, IShellItem*) override {
        lastDelete = result;
        return ++postDeletes, S_OK;
    }
    HRESULT STDMETHODCALLTYPE PreNewItem(DWORD, IShellItem*, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PostNewItem(DWORD, IShellItem*, LPCWSTR, LPCWSTR, DWORD, HRESULT,
                                          IShellItem*) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE UpdateProgress(UINT, UINT) override { return ++updates, S_OK; }
    HRESULT STDMETHODCALLTYPE ResetTimer() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PauseTimer() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ResumeTimer() override { return S_OK; }
};

void Report(const char* what, HRESULT hr) { std::printf("%s: 0x%08lx\n", what, (unsigned long)hr); }

// One IFileOperation over the files: the items one by one (DeleteItem), or as one array (DeleteItems).
void ThroughFileOperation(const std::vector<std::wstring>& files, bool asArray) {
    const char* mode = asArray ? "ifo_array" : "ifo_items";
    IFileOperation* op = nullptr;
    HRESULT hr = CoCreateInstance(CLSID_FileOperation, nullptr, CLSCTX_ALL, IID_PPV_ARGS(&op));
    Report("ifo_create", hr);
    if (FAILED(hr)) return;
    Sink sink;
    DWORD cookie = 0;
    Report("ifo_advise", op->Advise(&sink, &cookie));
    Report("ifo_set_flags", op->SetOperationFlags(FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT |
                                                  FOF_ALLOWUNDO | FOFX_RECYCLEONDELETE));
    HRESULT queued = S_OK;
    const double queue = Seconds([&] {
        if (asArray) {
            std::vector<PIDLIST_ABSOLUTE> ids;
            for (const std::wstring& f : files) {
                PIDLIST_ABSOLUTE id = nullptr;
                if (SUCCEEDED(SHParseDisplayName(f.c_str(), nullptr, &id, 0, nullptr))) ids.push_back(id);
            }
            IShellItemArray* array = nullptr;
            queued = SHCreateShellItemArrayFromIDLists(UINT(ids.size()), (PCIDLIST_ABSOLUTE_ARRAY)ids.data(),
                                                       &array);
            Report("ifo_item_array", queued);
            if (SUCCEEDED(queued)) {
                queued = op->DeleteItems(array);
                array->Release();
            }
            for (PIDLIST_ABSOLUTE id : ids) CoTaskMemFree(id);
        } else {
            for (const std::wstring& f : files) {
                IShellItem* item = nullptr;
                HRESULT made = SHCreateItemFromParsingName(f.c_str(), nullptr, IID_PPV_ARGS(&item));
                if (FAILED(made)) {
                    queued = made;
                    break;
                }
                HRESULT one = op->DeleteItem(item, nullptr);
                item->Release();
                if (FAILED(one)) {
                    queued = one;
                    break;
                }
            }
        }
    });
    Report((std::string(mode) + "_queue").c_str(), queued);
    HRESULT performed = E_FAIL;
    const double perform = Seconds([&] { performed = op->PerformOperations(); });
    Report((std::string(mode) + "_perform").c_str(), performed);
    BOOL aborted = FALSE;
    Report((std::string(mode) + "_any_aborted_call").c_str(), op->GetAnyOperationsAborted(&aborted));
    std::printf("%s_aborted: %d\n%s_queue_s: %.3f\n%s_perform_s: %.3f\n", mode, aborted, mode, queue, mode,
                perform);
    std::printf("%s_sink: start %d pre_delete %d post_delete %d update %d finish %d last 0x%08lx\n", mode,
                sink.starts, sink.preDeletes, sink.postDeletes, sink.updates, sink.finishes,
                (unsigned long)sink.lastDelete);
    op->Unadvise(cookie);
    op->Release();
}
}  // namespace

int wmain() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const std::vector<std::wstring> shell = Files(L"C:\\probe\\shell\\");
    std::wstring list;
    for (const std::wstring& f : shell) list += f + L'\0';
    list += L'\0';
    int result = 0;
    const double s = Seconds([&] { result = ShellDeleteFiles(list, true); });
    std::printf("shell_files: %zu\nshell_result: %d\nshell_s: %.3f\nshell_left: %zu\n", shell.size(), result,
                s, Files(L"C:\\probe\\shell\\").size());
    for (bool asArray : {false, true}) {
        const std::wstring folder = asArray ? L"C:\\probe\\ifo_array\\" : L"C:\\probe\\ifo_items\\";
        const std::vector<std::wstring> files = Files(folder);
        std::printf("%s_files: %zu\n", asArray ? "ifo_array" : "ifo_items", files.size());
        ThroughFileOperation(files, asArray);
        std::printf("%s_left: %zu\n", asArray ? "ifo_array" : "ifo_items", Files(folder).size());
    }
    CoUninitialize();
    return 0;
}
