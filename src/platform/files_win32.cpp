// File access on Windows: wide paths, so that any folder name works whatever the code page.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "base/files.h"
#include "platform/utf16_win32.h"

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

// Writes all of `content`, in pieces WriteFile can take; false with GetLastError set on a failure.
bool writeAll(HANDLE file, const std::string& content) {
  const char* next = content.data();
  std::size_t left = content.size();
  while (left > 0) {
    const DWORD chunk = left > (1u << 30) ? (1u << 30) : DWORD(left);
    DWORD put = 0;
    if (!::WriteFile(file, next, chunk, &put, nullptr)) return false;
    next += put;
    left -= put;
  }
  return true;
}

class Win32Files : public Files {
 public:
  Status read(const std::string& path, std::string& content, std::size_t limit) override {
    Handle file(::CreateFileW(toUtf16(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return Status::error(describe(path, ::GetLastError()));
    // Straight into `content`, whose room is kept from the last call (the catalogue is read for
    // every message); the size is only a first guess, reading goes on to the end of the file.
    // A device or a pipe given a file's name never ends; only a file on a disk is read.
    if (::GetFileType(file.get()) != FILE_TYPE_DISK) return Status::error(path + ": not a file");
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size)) return Status::error(describe(path, ::GetLastError()));
    if (std::uint64_t(size.QuadPart) > limit) return Status::error(path + ": too large");
    const std::size_t expected = size.QuadPart > 0 ? std::size_t(size.QuadPart) : 0;
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
      if (total > limit) return Status::error(path + ": too large");
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
    if (!writeAll(file.get(), content)) return abandon(file, temporary, path);
    if (!::FlushFileBuffers(file.get())) return abandon(file, temporary, path);
    if (!file.close()) return abandon(file, temporary, path);
    if (!::MoveFileExW(temporary.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return abandon(file, temporary, path);
    }
    return Status::ok();
  }

  Status create(const std::string& path, const std::string& content) override {
    Handle file(::CreateFileW(toUtf16(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return Status::error(describe(path, ::GetLastError()));
    if (!writeAll(file.get(), content)) return Status::error(describe(path, ::GetLastError()));
    if (!::FlushFileBuffers(file.get()) || !file.close()) {
      return Status::error(describe(path, ::GetLastError()));
    }
    return Status::ok();
  }

  Status rename(const std::string& from, const std::string& to) override {
    if (!::MoveFileExW(toUtf16(from).c_str(), toUtf16(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return Status::error(describe(to, ::GetLastError()));
    }
    return Status::ok();
  }

  Status remove(const std::string& path) override {
    if (!::DeleteFileW(toUtf16(path).c_str())) {
      DWORD error = ::GetLastError();
      if (error != ERROR_FILE_NOT_FOUND) return Status::error(describe(path, error));
    }
    return Status::ok();
  }

  // A folder cannot be flushed on Windows; MOVEFILE_WRITE_THROUGH has already waited for each
  // move to reach the disk.
  Status syncDir(const std::string&) override { return Status::ok(); }

  Status list(const std::string& dir, std::vector<DirEntry>& entries) override {
    WIN32_FIND_DATAW found{};
    HANDLE search =
        ::FindFirstFileW(toUtf16(joinPath(dir.empty() ? "." : dir, "*")).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return Status::error(describe(dir, ::GetLastError()));
    entries.clear();
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      entries.push_back({toUtf8(name), (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (::FindNextFileW(search, &found));
    DWORD error = ::GetLastError();
    ::FindClose(search);
    if (error != ERROR_NO_MORE_FILES) return Status::error(describe(dir, error));
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
