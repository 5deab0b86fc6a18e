#include "ui/drop_target.h"

#include "core/ansi_text.h"
#include "core/dropped_files.h"
#include "core/recycle_run.h"
#include "core/staging_list.h"
#include "ui/drop_effect.h"

#include <shlobj.h>

#include <span>

IDropTarget* 拖放对象1 = nullptr;

namespace {
// Holds a medium the data object handed out, and its locked memory.
class LockedMedium {
public:
    explicit LockedMedium(STGMEDIUM medium) : medium_(medium) {
        if (medium_.tymed == TYMED_HGLOBAL && medium_.hGlobal) {
            bytes_ = static_cast<const std::uint8_t*>(GlobalLock(medium_.hGlobal));
            size_ = bytes_ ? GlobalSize(medium_.hGlobal) : 0;
        }
    }
    ~LockedMedium() {
        if (bytes_)
            GlobalUnlock(medium_.hGlobal);
        ReleaseStgMedium(&medium_);
    }
    LockedMedium(const LockedMedium&) = delete;
    LockedMedium& operator=(const LockedMedium&) = delete;
    std::span<const std::uint8_t> bytes() const { return {bytes_, size_}; }

private:
    STGMEDIUM medium_;
    const std::uint8_t* bytes_ = nullptr;
    size_t size_ = 0;
};

FORMATETC fileDropFormat() {
    return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

bool offersFiles(IDataObject* data) {
    FORMATETC format = fileDropFormat();
    return data && data->QueryGetData(&format) == S_OK;
}

// Every dropped path in the ANSI code page, Unicode names converted without look-alikes.
std::vector<std::string> droppedPaths(IDataObject* data) {
    FORMATETC format = fileDropFormat();
    STGMEDIUM medium{};
    if (data->GetData(&format, &medium) != S_OK)
        return {};
    LockedMedium locked(medium);
    DroppedNames names = decodeDroppedFiles(locked.bytes());
    if (!names.wide)
        return std::move(names.ansi);
    std::vector<std::string> paths;
    paths.reserve(names.utf16.size());
    for (const std::u16string& name : names.utf16)
        paths.push_back(toAnsiExact(name));
    return paths;
}

bool dropsTakenNow(HWND window) {
    return !recycleRunGoing() && IsWindowEnabled(window);
}

class DropArea final : public IDropTarget {
public:
    explicit DropArea(HWND window) : window_(window) {
        CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER, IID_IDropTargetHelper,
                         reinterpret_cast<void**>(&dragImage_));
    }
    ~DropArea() {
        if (dragImage_)
            dragImage_->Release();
    }
    DropArea(const DropArea&) = delete;
    DropArea& operator=(const DropArea&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
            *object = static_cast<IDropTarget*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override {
        return static_cast<ULONG>(InterlockedIncrement(&references_));
    }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL at,
                                        DWORD* effect) override {
        if (!effect)
            return E_INVALIDARG;
        offersFiles_ = offersFiles(data);
        *effect = verdict(keys, *effect);
        if (dragImage_) {
            POINT point{at.x, at.y};
            dragImage_->DragEnter(window_, data, &point, *effect);
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL at, DWORD* effect) override {
        if (!effect)
            return E_INVALIDARG;
        *effect = verdict(keys, *effect);
        if (dragImage_) {
            POINT point{at.x, at.y};
            dragImage_->DragOver(&point, *effect);
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override {
        offersFiles_ = false;
        if (dragImage_)
            dragImage_->DragLeave();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL at,
                                   DWORD* effect) override {
        const DWORD allowed = effect ? *effect : DROPEFFECT_NONE;
        offersFiles_ = offersFiles(data);
        const DWORD taken = verdict(keys, allowed);
        if (dragImage_) {
            POINT point{at.x, at.y};
            dragImage_->Drop(data, &point, taken);
        }
        offersFiles_ = false;
        if (taken != DROPEFFECT_NONE) {
            const std::vector<std::string> paths = droppedPaths(data);
            if (!paths.empty())
                addDroppedFiles(droppedFilesText(paths));
        }
        // Only the paths are recorded: the source must not move or delete anything.
        if (effect)
            *effect = DROPEFFECT_NONE;
        return E_FAIL;
    }

private:
    DWORD verdict(DWORD keys, DWORD allowed) const {
        if (!offersFiles_ || !dropsTakenNow(window_))
            return DROPEFFECT_NONE;
        return dropEffectFor(keys, allowed);
    }

    LONG references_ = 1;
    HWND window_;
    IDropTargetHelper* dragImage_ = nullptr;
    bool offersFiles_ = false;
};
} // namespace

IDropTarget* createDropArea(HWND window) {
    releaseDropArea();
    拖放对象1 = new DropArea(window);
    return 拖放对象1;
}

void releaseDropArea() {
    if (拖放对象1) {
        拖放对象1->Release();
        拖放对象1 = nullptr;
    }
}
