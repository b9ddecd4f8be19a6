// File access on Windows: wide paths, so that any folder name works whatever the code page.
#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/utf16_win32.h"
#include "shell/files.h"

namespace kvelt {
namespace {

std::string describe(const std::string& path, DWORD error) {
  wchar_t* text = nullptr;
  DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message =
      length > 0 ? std::wstring(text, length) : L"error " + std::to_wstring(error);
  if (text != nullptr) ::LocalFree(text);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                              message.back() == L' ' || message.back() == L'.')) {
    message.pop_back();
  }
  return path + ": " + toUtf8(message);
}

class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() { close(); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  bool close() {
    if (!valid()) return true;
    BOOL closed = ::CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    return closed != FALSE;
  }

 private:
  HANDLE handle_;
};

class Win32Files : public Files {
 public:
  Status read(const std::string& path, std::string& content) override {
    Handle file(::CreateFileW(toUtf16(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return Status::error(describe(path, ::GetLastError()));
    // Straight into `content`, whose room is kept from the last call (the catalogue is read for
    // every message); the size is only a first guess, reading goes on to the end of the file.
    LARGE_INTEGER size{};
    const std::size_t expected =
        ::GetFileSizeEx(file.get(), &size) && size.QuadPart > 0 ? std::size_t(size.QuadPart) : 0;
    content.resize(std::max<std::size_t>(expected + 1, 4096));
    std::size_t total = 0;
    for (;;) {
      if (total == content.size()) content.resize(content.size() * 2);
      const DWORD want = DWORD(std::min<std::size_t>(content.size() - total, 1u << 30));
      DWORD got = 0;
      if (!::ReadFile(file.get(), content.data() + total, want, &got, nullptr)) {
        const DWORD error = ::GetLastError();
        content.clear();
        return Status::error(describe(path, error));
      }
      if (got == 0) break;
      total += got;
    }
    content.resize(total);
    return Status::ok();
  }

  Status replace(const std::string& path, const std::string& content) override {
    // The temporary file sits beside the target, on the same volume, so the move is a rename.
    std::wstring target = toUtf16(path);
    std::wstring temporary = target + L".tmp-" + std::to_wstring(::GetCurrentProcessId());
    Handle file(::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return Status::error(describe(path, ::GetLastError()));
    const char* next = content.data();
    std::size_t left = content.size();
    while (left > 0) {
      DWORD chunk = left > (1u << 30) ? (1u << 30) : DWORD(left);
      DWORD put = 0;
      if (!::WriteFile(file.get(), next, chunk, &put, nullptr)) {
        return abandon(file, temporary, path);
      }
      next += put;
      left -= put;
    }
    if (!::FlushFileBuffers(file.get())) return abandon(file, temporary, path);
    if (!file.close()) return abandon(file, temporary, path);
    if (!::MoveFileExW(temporary.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return abandon(file, temporary, path);
    }
    return Status::ok();
  }

 private:
  static Status abandon(Handle& file, const std::wstring& temporary, const std::string& path) {
    DWORD error = ::GetLastError();
    file.close();
    ::DeleteFileW(temporary.c_str());
    return Status::error(describe(path, error));
  }
};

}  // namespace

Files& systemFiles() {
  static Win32Files files;
  return files;
}

std::string joinPath(const std::string& dir, const std::string& name) {
  if (dir.empty()) return name;
  if (dir.back() == '\\' || dir.back() == '/') return dir + name;
  return dir + "\\" + name;
}

}  // namespace kvelt
