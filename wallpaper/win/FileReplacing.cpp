#include "wallpaper/win/FileReplacing.h"

#include <cstdio>

namespace {

HRESULT LastErrorResult() {
    DWORD error = GetLastError();
    return error == ERROR_SUCCESS ? E_FAIL : HRESULT_FROM_WIN32(error);
}

// Makes an empty file with a name of this process's own beside the path
// ("CurrentPaper.bmp.~1f40-3.tmp"); empty with the reason on failure.
std::string MakeTemporaryFile(const std::string& path, HRESULT& result) {
    static unsigned s_counter = 0;
    for (int attempt = 0; attempt < 16; ++attempt) {
        char suffix[40];
        std::snprintf(suffix, sizeof suffix, ".~%lx-%x.tmp",
                      static_cast<unsigned long>(GetCurrentProcessId()), ++s_counter);
        std::string temporary = path + suffix;
        HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            return temporary;
        }
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS)
            break;
    }
    result = LastErrorResult();
    return std::string();
}

bool IsInUse(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ||
           error == ERROR_LOCK_VIOLATION;
}

}  // namespace

HRESULT WriteFileReplacing(const std::string& path,
                           const std::function<HRESULT(const std::string& temporary)>& write,
                           const std::function<bool()>& letGo) {
    HRESULT result = S_OK;
    std::string temporary = MakeTemporaryFile(path, result);
    if (temporary.empty())
        return result;
    try {
        result = write(temporary);
    } catch (...) {
        DeleteFileA(temporary.c_str());
        throw;
    }
    if (SUCCEEDED(result)) {
        const DWORD flags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
        if (MoveFileExA(temporary.c_str(), path.c_str(), flags))
            return S_OK;
        DWORD error = GetLastError();
        if (IsInUse(error) && letGo && letGo()) {
            if (MoveFileExA(temporary.c_str(), path.c_str(), flags))
                return S_OK;
            error = GetLastError();
        }
        result = error == ERROR_SUCCESS ? E_FAIL : HRESULT_FROM_WIN32(error);
    }
    DeleteFileA(temporary.c_str());
    return result;
}
